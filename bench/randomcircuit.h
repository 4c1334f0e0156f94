#pragma once

#include "design/circuit.h"

#include <cstdio>
#include <vector>

namespace vendrel::bench {

// A circuit of a supply tree and a return tree, each node the parent of two
// and feeding two terminals, with the terminals' flows and every size given
// and the mains' flows left to be derived: 2·terminals sections.
std::vector<design::CircuitSection> RandomCircuit(int terminals);

// The circuit as vendrel-calc --circuit reads it.
void WriteCircuitCsv(const std::vector<design::CircuitSection>& sections, std::FILE* out);

} // namespace vendrel::bench
