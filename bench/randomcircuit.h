#pragma once

#include "design/circuit.h"

#include <cstdio>
#include <vector>

namespace vendrel::bench {

// A circuit of a supply tree and a return tree, each node the parent of two
// and feeding two terminals, with the terminals' flows and every size given
// and the mains' flows left to be derived: 2·terminals sections.
std::vector<design::CircuitSection> RandomCircuit(int terminals);

// A direct-return circuit: a supply main and a return main side by side,
// each terminal across them, the farthest terminal's path the longest:
// 3·terminals sections, every path as long as the mains to its terminal.
std::vector<design::CircuitSection> DirectReturnCircuit(int terminals);

// The circuit as vendrel-calc --circuit reads it.
void WriteCircuitCsv(const std::vector<design::CircuitSection>& sections, std::FILE* out);

} // namespace vendrel::bench
