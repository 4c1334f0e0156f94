#pragma once

#include "messages/message.h"

#include <string>
#include <string_view>
#include <vector>

namespace vendrel::files {

// A column a table may have: its English name, as Vendrel writes it, and the
// other names people head it with (Chinese, mostly).
struct KnownColumn {
    std::string_view name;
    std::vector<std::string_view> aliases;
};

// Which header cell is which known column.
struct HeaderMatch {
    std::vector<int> cellOf; // for each known column, its header cell, or -1
    std::vector<int> known;  // for each header cell, its known column, or -1 (carried through)
};

// Matches a header's cells to known columns. A cell names one by its name in
// any case or by an alias, blanks around it and a unit in brackets after it
// ignored: "Flow", "流量", "流量(m³/h)", "管径（mm）". Other cells are the
// user's own columns. Fails with error naming the cell for a column named
// twice and for a name so near a known one that it is likely a slip
// ("diamter", "roughnes": within two edits, one for names under six letters).
bool MatchHeader(const std::vector<std::string>& header, const std::vector<KnownColumn>& known, HeaderMatch& match,
    messages::Message& error);

// A text without the blanks and tabs around it.
std::string_view Trimmed(std::string_view text);

// A header cell without blanks around it and its unit: "流量(m³/h)" is "流量".
std::string_view ColumnName(std::string_view cell);

// The number of single-character edits (insert, delete, replace) between
// two texts, ignoring the case of ASCII letters.
int EditDistance(std::string_view a, std::string_view b);

} // namespace vendrel::files
