#pragma once

#include "messages/message.h"

#include <string>
#include <string_view>
#include <vector>

// Local loss coefficients of pipe fittings and valves, by size, for the
// hydraulic calculation of a circuit: a section's Σζ is its typed figure plus
// the K of every fitting it lists.
namespace vendrel::design {

// A fitting as the catalogue knows it.
struct FittingKind {
    const char* key;  // for files, e.g. "elbow90"
    const char* name; // Simplified Chinese, for the dialogs
};
// Every fitting, in the order lists show them.
const std::vector<FittingKind>& FittingKinds();

// One fitting of a section: its key, how many, and for a sudden expansion
// or contraction the ratio of the smaller diameter to the larger (0 to 1).
struct FittingUse {
    std::string key;
    int count = 1;
    double ratio = 0;
};

// Reads a section's fittings, items separated by blanks, ",", "，", "、",
// ";", "；" or "+", each a key, its Chinese name or a name engineers use
// for it (弯头, 逆止阀, 入口…) with "*N", "×N" or "xN" for N of them and, for
// expansion and contraction, ":β" for the diameter ratio:
// "elbow90*4 gate*2 tee-branch expansion:0.5", "弯头*2、闸阀".
// False, with error naming the item, for one it cannot read.
bool ParseFittings(std::string_view text, std::vector<FittingUse>& uses, messages::Message& error);

// Σ K of the fittings in a section of inner diameter mm, referred to that
// section's velocity. False, with error naming the fitting and the size,
// where the tables give no K for it.
bool FittingsZeta(
    const std::vector<FittingUse>& uses, double insideMillimetres, double& zeta, messages::Message& error);

// The nominal size whose K a bore takes: the size of the tables whose
// schedule 40 bore is nearest ("DN50"), for messages and lists.
std::string FittingSizeFor(double insideMillimetres);

} // namespace vendrel::design
