#pragma once

#include "messages/message.h"

#include <limits>
#include <string>
#include <string_view>
#include <vector>

// Local loss coefficients of pipe fittings and valves, by size, for the
// hydraulic calculation of a circuit: a section's Σζ is its typed figure plus
// the K of every fitting it lists.
namespace vendrel::design {

// A fitting as the catalogue knows it.
struct FittingKind {
    const char* key;    // for files, e.g. "elbow90"
    const char* name;   // Simplified Chinese, for the dialogs
    const char* source; // of its K, for lists
};
// Every fitting, in the order lists show them.
const std::vector<FittingKind>& FittingKinds();

// One fitting of a section: its key, how many, and for a sudden expansion
// or contraction the ratio of the smaller diameter to the larger (0 to 1),
// or 0 to take it from the bores on either side.
struct FittingUse {
    std::string key;
    int count = 1;
    double ratio = 0;
};

// Reads a section's fittings, items separated by blanks, ",", "，", "、",
// ";", "；" or "+", each a key, its Chinese name or a name engineers use
// for it (弯头, 逆止阀, 入口…) with "*N", "×N" or "xN" for N of them and, for
// expansion and contraction, ":β" for the diameter ratio where the bores
// on either side do not give it:
// "elbow90*4 gate*2 tee-branch expansion:0.5", "弯头*2、闸阀".
// False, with error naming the item, for one it cannot read.
bool ParseFittings(std::string_view text, std::vector<FittingUse>& uses, messages::Message& error);

// The bores, mm, of the one section that enters a section's start node and
// the one that leaves its end, where one alone does; else NaN.
struct NeighbourBores {
    double upstream = std::numeric_limits<double>::quiet_NaN();
    double downstream = std::numeric_limits<double>::quiet_NaN();
};

// Σ K of the fittings in a section of inner diameter mm, referred to that
// section's velocity. A sudden expansion or contraction sits where the bore
// changes: at the end of the smaller pipe or at the start of the larger, its
// K referred to the section's own velocity either way; its ratio is the
// bores' unless given; placed, where given, gets where each sits and its K.
// False, with error naming the fitting and the size, where the tables give
// no K for it, or naming an expansion or contraction whose ratio the bores
// do not tell.
bool FittingsZeta(const std::vector<FittingUse>& uses, double insideMillimetres, double& zeta, messages::Message& error,
    const NeighbourBores& neighbours = {}, std::vector<messages::Message>* placed = nullptr);

// A sudden expansion or contraction, whose K depends on the bores on either side.
bool ChangesBore(std::string_view key);

// The other names a fitting is typed by, as engineers write them ("弯头").
std::vector<std::string_view> FittingSynonyms(std::string_view key);

// The sizes the tables give K for, by nominal size and schedule 40 bore, mm.
struct FittingSize {
    const char* nominal;
    double inside;
};
std::vector<FittingSize> FittingSizes();

// The nominal size whose K a bore takes: the size of the tables whose
// schedule 40 bore is nearest ("DN50"), for messages and lists.
std::string FittingSizeFor(double insideMillimetres);

} // namespace vendrel::design
