#pragma once

#include "design/pipeseries.h"
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

// The series' nominal size a text names, in any case ("dn50" is DN50), blanks
// around it allowed; "" for none.
std::string NominalOf(const PipeSeries& series, std::string_view text);
// The bore of that size as the calculator takes it; "" for none.
std::string BoreOfNominal(const PipeSeries& series, std::string_view text);
// Its sizes, for messages: "DN15 DN20 …".
std::string SizesOf(const PipeSeries& series);

} // namespace vendrel::design
