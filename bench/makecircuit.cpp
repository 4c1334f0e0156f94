// Writes the benchmark's generated circuit as CSV, for timing vendrel-calc --circuit:
//   vendrel_make_circuit [terminals] [direct]
#include "bench/randomcircuit.h"

#include <cstdlib>
#include <string_view>

int main(int argc, char** argv)
{
    const long terminals = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 5000;
    const int count = static_cast<int>(terminals);
    const bool direct = argc > 2 && std::string_view(argv[2]) == "direct";
    vendrel::bench::WriteCircuitCsv(
        direct ? vendrel::bench::DirectReturnCircuit(count) : vendrel::bench::RandomCircuit(count), stdout);
}
