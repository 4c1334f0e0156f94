#pragma once

#include "messages/message.h"

#include <string>
#include <string_view>
#include <vector>

namespace vendrel::design {
struct PipeSeries;
}

namespace vendrel::cli {

// A schedule's diameter cell as calculated: a bore as it stands; a size as
// drawings write it (D219×6) or a nominal size of the series (DN50, where
// there is a series) as its bore, kept in bore. Where the cell names a size
// that has no bore, its problem is added and the cell is returned as it is.
std::string_view DiameterOfCell(std::string_view cell, const design::PipeSeries* series, std::string& bore,
    std::vector<messages::Message>& problems, bool& unusable);

} // namespace vendrel::cli
