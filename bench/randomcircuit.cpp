#include "bench/randomcircuit.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

namespace vendrel::bench {

std::vector<design::CircuitSection> RandomCircuit(int terminals)
{
    std::mt19937 random(20261215);
    const char* const bores[] = {"26.64", "35.08", "40.94", "52.48", "62.68", "77.92", "102.26", "154.08"};
    std::vector<design::CircuitSection> sections;
    const auto add = [&](std::string id, std::string from, std::string to, std::string flow, double device) {
        design::CircuitSection section;
        section.id = std::move(id);
        section.from = std::move(from);
        section.to = std::move(to);
        section.flow = std::move(flow);
        section.length = 5 + static_cast<double>(random() % 200) / 10;
        section.diameter = bores[random() % std::size(bores)];
        section.device = device;
        sections.push_back(std::move(section));
    };
    add("g", "P", "S0", "", 50);
    for (int k = 0; k < (terminals + 1) / 2; ++k) {
        const std::string n = std::to_string(k);
        if (k > 0) {
            const std::string parent = std::to_string((k - 1) / 2);
            add("s" + n, "S" + parent, "S" + n, "", 0);
            add("r" + n, "R" + n, "R" + parent, "", 0);
        }
        for (int t = 2 * k; t < std::min(terminals, 2 * k + 2); ++t)
            add("t" + std::to_string(t), "S" + n, "R" + n, std::to_string(1 + random() % 20),
                static_cast<double>(20 + random() % 40));
    }
    add("h", "R0", "Q", "", 5);
    return sections;
}

std::vector<design::CircuitSection> DirectReturnCircuit(int terminals)
{
    std::mt19937 random(20261210);
    std::vector<int> tenths(static_cast<std::size_t>(std::max(terminals, 0)));
    for (int& flow : tenths)
        flow = 1 + static_cast<int>(random() % 9);
    // Each main's bore keeps it near 2 m/s for the terminals beyond it.
    std::vector<double> beyond(tenths.size() + 1, 0);
    for (std::size_t k = tenths.size(); k-- > 0;)
        beyond[k] = beyond[k + 1] + tenths[k] / 10.0;
    const auto mainBore = [&](std::size_t k) {
        return std::to_string(
            std::max(26, static_cast<int>(std::sqrt(4 * beyond[k] / 3600 / (3.14159 * 2)) * 1000) + 1));
    };
    std::vector<design::CircuitSection> sections;
    const auto add = [&](std::string id, std::string from, std::string to, std::string flow, std::string bore) {
        design::CircuitSection section;
        section.id = std::move(id);
        section.from = std::move(from);
        section.to = std::move(to);
        section.flow = std::move(flow);
        section.length = 3 + static_cast<double>(random() % 50) / 10;
        section.diameter = std::move(bore);
        sections.push_back(std::move(section));
    };
    add("g", "P", "S0", "", mainBore(0));
    for (std::size_t k = 0; k < tenths.size(); ++k) {
        const std::string n = std::to_string(k);
        if (k > 0) {
            const std::string before = std::to_string(k - 1);
            add("s" + n, "S" + before, "S" + n, "", mainBore(k));
            add("r" + n, "R" + n, "R" + before, "", mainBore(k));
        }
        add("t" + n, "S" + n, "R" + n, "0." + std::to_string(tenths[k]), "20.64");
    }
    add("h", "R0", "Q", "", mainBore(0));
    return sections;
}

void WriteCircuitCsv(const std::vector<design::CircuitSection>& sections, std::FILE* out)
{
    std::fputs("section,from,to,flow,length,diameter,device\n", out);
    for (const design::CircuitSection& s : sections)
        std::fprintf(out, "%s,%s,%s,%s,%g,%s,%g\n", s.id.c_str(), s.from.c_str(), s.to.c_str(), s.flow.c_str(),
            s.length, s.diameter.c_str(), s.device);
}

} // namespace vendrel::bench
