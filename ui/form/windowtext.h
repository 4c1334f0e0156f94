#pragma once

#include "messages/message.h"

#include <string>

namespace vendrel::form {

// The windows are Chinese: every message they show, in Chinese.
inline std::string WindowText(const messages::Message& message)
{
    return message.Text(messages::Language::Chinese);
}

} // namespace vendrel::form
