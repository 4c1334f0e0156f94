#include "design/sizetext.h"

#include "calc/numbertext.h"
#include "design/materials.h"
#include "design/sizing.h"

#include <algorithm>
#include <cmath>

namespace vendrel::design {
std::optional<std::string> BoreOfSizeText(std::string_view text, messages::Message& problem)
{
    problem = {};
    // Blanks after the number are the number reader's to skip.
    std::string_view size = text.substr(std::min(text.find_first_not_of(" \t"), text.size()));
    // The signs drawings put before an outside diameter: D, Φ, φ and ϕ.
    for (const std::string_view sign : {"D", "d", "Φ", "φ", "ϕ"}) {
        if (size.substr(0, sign.size()) == sign) {
            size.remove_prefix(sign.size());
            break;
        }
    }
    std::size_t times = std::string_view::npos;
    std::size_t width = 0;
    for (const std::string_view sign : {"×", "x", "X", "*"}) {
        if (const std::size_t at = size.find(sign); at != std::string_view::npos && at < times) {
            times = at;
            width = sign.size();
        }
    }
    double outside = 0;
    double wall = 0;
    if (times == std::string_view::npos || !ParseWholeNumber(size.substr(0, times), outside)
        || !ParseWholeNumber(size.substr(times + width), wall) || !(outside > 0) || !(wall > 0)
        || !std::isfinite(outside) || !std::isfinite(wall))
        return std::nullopt;
    if (2 * wall >= outside) {
        problem = messages::Message(messages::MessageId::WallTooThick,
            {{"text", messages::UserText(text)}, {"wall", ShortestText(wall)}, {"outside", ShortestText(outside)}});
        return std::nullopt;
    }
    return DiameterText(outside - 2 * wall);
}

std::string NominalOf(const PipeSeries& series, std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    for (const PipeSize& size : series) {
        if (SameIgnoringCase(size.nominal, text))
            return size.nominal;
    }
    return {};
}

std::string BoreOfNominal(const PipeSeries& series, std::string_view text)
{
    const std::string nominal = NominalOf(series, text);
    for (const PipeSize& size : series) {
        if (!nominal.empty() && size.nominal == nominal)
            return DiameterText(size.Inside());
    }
    return {};
}

std::string SizesOf(const PipeSeries& series)
{
    std::string sizes;
    for (const PipeSize& size : series)
        sizes += (sizes.empty() ? "" : " ") + size.nominal;
    return sizes;
}

} // namespace vendrel::design
