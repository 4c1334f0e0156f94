#include "cli/schedulesizes.h"

#include "design/sizetext.h"

namespace vendrel::cli {
namespace {

using messages::Message;
using messages::MessageId;

// A byte of the signs a size text has and a number has not: D, ×, x, *,
// and the lead bytes of Φ, φ and ϕ. Most cells are numbers, and pass this at once.
constexpr char kSizeTextBytes[] = "DdxX*\xC3\xCE\xCF";

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// "DN50" in any case: a nominal size, not a number gone wrong.
bool IsNominalText(std::string_view text)
{
    const std::string_view size = Trimmed(text);
    return size.size() > 2 && (size[0] == 'D' || size[0] == 'd') && (size[1] == 'N' || size[1] == 'n');
}

} // namespace

std::string_view DiameterOfCell(std::string_view cell, const design::PipeSeries* series, std::string& bore,
    std::vector<Message>& problems, bool& unusable)
{
    unusable = false;
    if (cell.find_first_of(kSizeTextBytes) == std::string_view::npos)
        return cell;
    Message wrong;
    if (std::optional<std::string> ofSize = design::BoreOfSizeText(cell, wrong)) {
        bore = std::move(*ofSize);
        return bore;
    }
    if (!wrong.Empty()) {
        problems.push_back(messages::Named("diameter", std::move(wrong)));
        unusable = true;
        return cell;
    }
    if (series == nullptr || !IsNominalText(cell))
        return cell;
    bore = design::BoreOfNominal(*series, cell);
    if (!bore.empty())
        return bore;
    problems.push_back(messages::Named("diameter",
        Message(MessageId::NotASizeOfSeries,
            {{"text", messages::UserText(Trimmed(cell))}, {"series", series->key},
                {"sizes", design::SizesOf(*series)}})));
    unusable = true;
    return cell;
}

} // namespace vendrel::cli
