#include "files/columns.h"

#include <algorithm>
#include <numeric>

namespace vendrel::files {
namespace {

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

bool IsAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// How many edits make a slip, for a name of this length: short names have
// short neighbours that are other words ("row" is not "flow").
int SlipDistance(std::string_view name)
{
    return name.size() >= 6 ? 2 : name.size() >= 4 ? 1 : 0;
}

} // namespace

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

int EditDistance(std::string_view a, std::string_view b)
{
    std::vector<int> row(b.size() + 1);
    std::iota(row.begin(), row.end(), 0);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (Lower(a[i - 1]) == Lower(b[j - 1]) ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

std::string_view ColumnName(std::string_view cell)
{
    std::string_view name = Trimmed(cell);
    // A unit in brackets at the end: (m³/h), [mm], （mm）.
    for (const auto& [open, close] :
        {std::pair<std::string_view, std::string_view>{"(", ")"}, {"[", "]"}, {"（", "）"}}) {
        if (name.size() > close.size() && name.substr(name.size() - close.size()) == close) {
            const auto start = name.rfind(open);
            if (start != std::string_view::npos && start > 0)
                return Trimmed(name.substr(0, start));
        }
    }
    return name;
}

bool MatchHeader(const std::vector<std::string>& header, const std::vector<KnownColumn>& known, HeaderMatch& match,
    messages::Message& error)
{
    using messages::MessageId;
    using messages::UserText;
    match.cellOf.assign(known.size(), -1);
    match.known.assign(header.size(), -1);
    for (std::size_t cell = 0; cell < header.size(); ++cell) {
        const std::string_view name = ColumnName(header[cell]);
        int found = -1;
        for (std::size_t k = 0; k < known.size() && found < 0; ++k) {
            const KnownColumn& column = known[k];
            if (SameIgnoringCase(name, column.name)
                || std::any_of(column.aliases.begin(), column.aliases.end(),
                    [&](std::string_view alias) { return SameIgnoringCase(name, alias); }))
                found = static_cast<int>(k);
        }
        if (found < 0) {
            // A slip of the pen would drop an input unseen: say what was meant.
            for (const KnownColumn& column : known) {
                if (!name.empty() && IsAscii(name) && EditDistance(name, column.name) <= SlipDistance(column.name)) {
                    error = messages::Message(
                        MessageId::ColumnSlip, {{"cell", UserText(header[cell])}, {"column", column.name}});
                    return false;
                }
            }
            continue;
        }
        if (match.cellOf[static_cast<std::size_t>(found)] >= 0) {
            error = messages::Message(MessageId::ColumnTwice,
                {{"column", known[static_cast<std::size_t>(found)].name},
                    {"first",
                        UserText(header[static_cast<std::size_t>(match.cellOf[static_cast<std::size_t>(found)])])},
                    {"second", UserText(header[cell])}});
            return false;
        }
        match.cellOf[static_cast<std::size_t>(found)] = static_cast<int>(cell);
        match.known[cell] = found;
    }
    return true;
}

} // namespace vendrel::files
