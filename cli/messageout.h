#pragma once

#include "messages/message.h"

#include <cstdio>

namespace vendrel::cli {

// Writes a message as GNU programs write theirs: "vendrel-calc: ", the
// message in the user's language, a line end.
void Say(std::FILE* err, const messages::Message& message, messages::Language language);

} // namespace vendrel::cli
