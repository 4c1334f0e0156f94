#include "design/materials.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>

namespace vendrel::design {
namespace {

double Number(const char* text)
{
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    return *end == '\0' ? value : std::nan("");
}

struct Printed {
    const char* key;
    const char* millimetres; // as Binder's table prints it, in mm
    double feet;             // as Moody's Fig. 2 prints it
};

// Each preset is the printed metric figure and within 2 % of Moody's feet:
// a slipped digit (0.015 for 0.15) fails both.
TEST(Material, MatchesMoodysPrintedRoughness)
{
    const Printed printed[] = {
        {"steel-new", "0.045", 0.00015},
        {"galvanized", "0.15", 0.0005},
        {"cast-iron", "0.26", 0.00085},
        {"cast-iron-asphalted", "0.12", 0.0004},
        {"copper", "0.0015", 0.000005},
    };
    for (const Printed& p : printed) {
        const Material* m = FindMaterial(p.key);
        ASSERT_NE(m, nullptr) << p.key;
        EXPECT_STREQ(m->roughness, p.millimetres) << p.key;
        const double converted = p.feet * 304.8;
        EXPECT_NEAR(Number(m->roughness), converted, 0.02 * converted) << p.key;
    }
}

// The presets taken from other tables, as those print them in metres or mm.
TEST(Material, MatchesOtherPrintedRoughness)
{
    const std::pair<const char*, double> printed[] = {
        {"steel-closed", 2.0E-4 * 1000}, // Idelchik: water heating system pipelines
        {"steel-open", 5.0E-4 * 1000},   // Idelchik: condensate pipes in open systems
        {"stainless", 0.015},
        {"plastic", 0.0015},
    };
    for (const auto& [key, millimetres] : printed) {
        const Material* m = FindMaterial(key);
        ASSERT_NE(m, nullptr) << key;
        EXPECT_DOUBLE_EQ(Number(m->roughness), millimetres) << key;
    }
}

TEST(Material, EveryRowIsComplete)
{
    std::set<std::string> keys;
    for (const Material& m : Materials()) {
        EXPECT_TRUE(keys.insert(m.key).second) << "duplicate key " << m.key;
        EXPECT_GT(Number(m.roughness), 0) << m.key; // NaN if not a plain number
        EXPECT_STRNE(m.name, "") << m.key;
        EXPECT_STRNE(m.source, "") << m.key;
    }
    EXPECT_EQ(keys.size(), 9u);
}

TEST(Material, FindsOnlyExactKeys)
{
    ASSERT_NE(FindMaterial("galvanized"), nullptr);
    EXPECT_STREQ(FindMaterial("galvanized")->roughness, "0.15");
    for (const char* unknown : {"", "steel", "Galvanized", "galvanized ", "pvc"})
        EXPECT_EQ(FindMaterial(unknown), nullptr) << '"' << unknown << '"';
}

} // namespace
} // namespace vendrel::design
