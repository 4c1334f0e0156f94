#pragma once

#include "messages/message.h"

#include <ostream>
#include <string>

namespace vendrel::messages {

// A message in a test's output, in English.
inline std::ostream& operator<<(std::ostream& out, const Message& message)
{
    return out << message.Text(Language::English);
}

inline std::string English(const Message& message)
{
    return message.Text(Language::English);
}

inline std::string Chinese(const Message& message)
{
    return message.Text(Language::Chinese);
}

} // namespace vendrel::messages
