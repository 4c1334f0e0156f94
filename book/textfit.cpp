#include "book/textfit.h"

#include <algorithm>
#include <iterator>

namespace vendrel::book {
namespace {

// A text fits where it is no wider than its room but for rounding: a
// column is its widest cell and its padding, less the padding.
constexpr double kFitTolerance = 1e-6;

// Where each character of a UTF-8 text starts, and its end.
std::vector<std::size_t> CharacterBounds(std::string_view text)
{
    std::vector<std::size_t> bounds{0};
    for (std::size_t at = 0; at < text.size();) {
        at = std::min(text.size(), at + CodePointAt(text, at).second);
        bounds.push_back(at);
    }
    return bounds;
}

// The most characters of text, at least one, whose width fits room.
std::size_t FittingPrefix(
    std::string_view text, const std::vector<std::size_t>& bounds, double size, double room, const TextWidth& width)
{
    std::size_t fits = 1;
    std::size_t fails = bounds.size();
    while (fails - fits > 1) {
        const std::size_t mid = fits + (fails - fits) / 2;
        if (width(text.substr(0, bounds[mid]), size) <= room + kFitTolerance)
            fits = mid;
        else
            fails = mid;
    }
    return fits;
}

// A line may break after a space or after these.
bool BreaksAfter(std::string_view character)
{
    static const std::string_view kBreaks[] = {" ", "，", "、", "；", "：", "。", "→", "）", ",", ";"};
    return std::find(std::begin(kBreaks), std::end(kBreaks), character) != std::end(kBreaks);
}

} // namespace

std::pair<unsigned, std::size_t> CodePointAt(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(i < text.size() ? text[i] : 0); };
    const unsigned lead = byte(at);
    if (lead < 0xC0)
        return {lead, 1};
    if (lead < 0xE0)
        return {((lead & 0x1Fu) << 6) | (byte(at + 1) & 0x3Fu), 2};
    if (lead < 0xF0)
        return {((lead & 0x0Fu) << 12) | ((byte(at + 1) & 0x3Fu) << 6) | (byte(at + 2) & 0x3Fu), 3};
    return {0x10000, 4};
}

std::vector<std::string> Wrap(std::string_view text, double size, double room, const TextWidth& width)
{
    std::vector<std::string> lines;
    while (!text.empty()) {
        if (width(text, size) <= room + kFitTolerance) {
            lines.emplace_back(text);
            break;
        }
        const std::vector<std::size_t> bounds = CharacterBounds(text);
        std::size_t cut = FittingPrefix(text, bounds, size, room, width);
        // Back to a break in the line's second half, where there is one.
        for (std::size_t k = cut; k > cut / 2 && k > 1; --k) {
            if (BreaksAfter(text.substr(bounds[k - 1], bounds[k] - bounds[k - 1]))) {
                cut = k;
                break;
            }
        }
        std::string_view line = text.substr(0, bounds[cut]);
        while (!line.empty() && line.back() == ' ')
            line.remove_suffix(1);
        lines.emplace_back(line);
        text.remove_prefix(bounds[cut]);
        while (!text.empty() && text.front() == ' ')
            text.remove_prefix(1);
    }
    return lines;
}

std::string Elide(const std::string& text, double size, double room, const TextWidth& width)
{
    if (width(text, size) <= room + kFitTolerance)
        return text;
    static const std::string kEllipsis = "…";
    const std::vector<std::size_t> bounds = CharacterBounds(text);
    const std::size_t keep = FittingPrefix(text, bounds, size, room - width(kEllipsis, size), width);
    std::string elided = text.substr(0, bounds[keep]) + kEllipsis;
    // A column too narrow for a character shows what still fits, or nothing.
    if (width(elided, size) > room + kFitTolerance)
        elided = width(kEllipsis, size) <= room + kFitTolerance ? kEllipsis : std::string();
    return elided;
}

} // namespace vendrel::book
