#pragma once

#include "messages/message.h"

#include <optional>
#include <string>
#include <string_view>

// A pipe's size as Chinese drawings write it: the outside diameter times
// the wall in mm, "D219×6", "Φ219×6", "φ219x6", "219×6", "D219*6".
namespace vendrel::design {

// The bore of such a text as the calculator takes it (DiameterText of
// D − 2δ), or nothing where the text is no such size; with problem where it
// is one whose wall leaves no bore (half the diameter or more).
std::optional<std::string> BoreOfSizeText(std::string_view text, messages::Message& problem);

} // namespace vendrel::design
