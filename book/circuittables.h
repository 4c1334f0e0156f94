#pragma once

#include "book/booktable.h"
#include "design/circuit.h"
#include "files/circuitreader.h"

// A calculated circuit's tables: its sections, its paths and its balance,
// with the notes each needs under it.
namespace vendrel::book {

// Every section as typed and calculated; a 阀门阻力(Pa) column where some
// section has a valve's Kv.
BookTable SectionTable(const files::CircuitTable& table, const design::CircuitResult& result);
// Every path listed, with its imbalance against the index circuit.
BookTable PathTable(const files::CircuitTable& table, const design::CircuitResult& result, double maxImbalance);
// Each section that throttles at least 1 % of the pump head or needs
// balancing, with its valve's Kv and its orifice plate; no rows, and the
// note that says so, where none does.
BookTable BalanceTable(const files::CircuitTable& table, const design::CircuitResult& result, double maxImbalance);

} // namespace vendrel::book
