#pragma once

#include <cstddef>
#include <cstdint>

// The identity of every message, one per entry of the catalogue
// (messages/zh_CN.po, whose msgctxt is the identity).
namespace vendrel::messages {

enum class MessageId : std::uint16_t {
#define VENDREL_MESSAGE(id, english, chinese) id,
#include "messages/catalogue.inc"
#undef VENDREL_MESSAGE
};

inline constexpr std::size_t kMessageCount = 0
#define VENDREL_MESSAGE(id, english, chinese) +1
#include "messages/catalogue.inc"
#undef VENDREL_MESSAGE
    ;

} // namespace vendrel::messages
