#include "design/materials.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>

namespace vendrel::design {
namespace {

double Number(const std::string& text)
{
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
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
    const MaterialCatalog materials;
    for (const Printed& p : printed) {
        const Material* m = materials.Find(p.key);
        ASSERT_NE(m, nullptr) << p.key;
        EXPECT_EQ(m->roughness, p.millimetres) << p.key;
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
    const MaterialCatalog materials;
    for (const auto& [key, millimetres] : printed) {
        const Material* m = materials.Find(key);
        ASSERT_NE(m, nullptr) << key;
        EXPECT_DOUBLE_EQ(Number(m->roughness), millimetres) << key;
    }
}

TEST(Material, EveryRowIsComplete)
{
    std::set<std::string> keys;
    for (const Material& m : MaterialCatalog()) {
        EXPECT_TRUE(keys.insert(m.key).second) << "duplicate key " << m.key;
        EXPECT_GT(Number(m.roughness), 0) << m.key; // NaN if not a plain number
        EXPECT_NE(m.name, "") << m.key;
        EXPECT_NE(m.source, "") << m.key;
        EXPECT_EQ(m.plastic, m.key == "plastic") << m.key;
    }
    EXPECT_EQ(keys.size(), 9u);
}

// A key in any case, or the Chinese name a spreadsheet writes, finds a
// material; a near miss finds none.
TEST(Material, FindsKeysInAnyCaseAndChineseNames)
{
    MaterialCatalog materials;
    for (const char* text : {"galvanized", "Galvanized", "GALVANIZED", "镀锌钢管"}) {
        ASSERT_NE(materials.Find(text), nullptr) << text;
        EXPECT_EQ(materials.Find(text)->roughness, "0.15") << text;
    }
    for (const char* unknown : {"", "steel", "galvanized ", "pvc", "镀锌"})
        EXPECT_EQ(materials.Find(unknown), nullptr) << '"' << unknown << '"';
    // The user's own come after, and may not take a key or name in use.
    EXPECT_FALSE(materials.Add({"Copper", "紫铜管", "0.001", "", false, "copper"}));
    EXPECT_FALSE(materials.Add({"red-copper", "铜管（拉制管）", "0.001", "", false, "copper"}));
    EXPECT_TRUE(materials.Add({"red-copper", "紫铜管", "0.001", "our table", false, "copper"}));
    EXPECT_EQ(materials.Find("紫铜管")->key, "red-copper");
    EXPECT_EQ(materials[materials.size() - 1].key, "red-copper");
}

} // namespace
} // namespace vendrel::design
