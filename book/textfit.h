#pragma once

#include "book/bookpages.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Texts fitted to the room a page gives them, measured as they are drawn.
namespace vendrel::book {

// The code point of the UTF-8 character at text[at] and its length in
// bytes; one past the Basic Multilingual Plane (0x10000) for any beyond it,
// which the PDF library cannot draw.
std::pair<unsigned, std::size_t> CodePointAt(std::string_view text, std::size_t at);

// The text on lines no wider than room: broken between CJK characters, or
// after a space or a punctuation mark in a line's second half where there
// is one. Every line holds at least one character.
std::vector<std::string> Wrap(std::string_view text, double size, double room, const TextWidth& width);

// The text, or as much of it as fits room with "…" after it; "…" alone or
// nothing where room is narrower than a character.
std::string Elide(const std::string& text, double size, double room, const TextWidth& width);

} // namespace vendrel::book
