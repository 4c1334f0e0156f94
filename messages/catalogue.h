#pragma once

#include "messages/message.h"

#include <string_view>

// The texts of the catalogue, for a message's identity.
namespace vendrel::messages {

// The text with its "{name}" places, in the language; the English one is
// the catalogue's msgid.
std::string_view CatalogueText(MessageId id, Language language);

// The identity as the catalogue's msgctxt writes it ("NotANumber").
std::string_view IdentityName(MessageId id);

} // namespace vendrel::messages
