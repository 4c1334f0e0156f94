// Writes the benchmark's generated circuit as CSV, for timing vendrel-calc --circuit.
#include "bench/randomcircuit.h"

#include <cstdlib>

int main(int argc, char** argv)
{
    const long terminals = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 5000;
    vendrel::bench::WriteCircuitCsv(vendrel::bench::RandomCircuit(static_cast<int>(terminals)), stdout);
}
