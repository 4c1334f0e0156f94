#include "design/pipeseries.h"
#include "tests/messagetext.h"

#include "design/materials.h"
#include "design/velocitylimits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <iterator>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace vendrel::design {
namespace {

const PipeSize* FindSize(const PipeSeries& series, const char* nominal)
{
    for (const PipeSize& size : series)
        if (size.nominal == nominal)
            return &size;
    return nullptr;
}

const PipeSeries* FindSeries(const char* key)
{
    static const SeriesCatalog catalog;
    return catalog.Find(key);
}

struct PrintedSize {
    const char* series;
    const char* nominal;
    double outside; // mm
    double wall;    // mm; NaN where the reprint we checked prints only the diameter
};

// Rows as the standards (or their reprints) print them.
TEST(PipeSeries, RowsMatchThePrintedTables)
{
    const PrintedSize printed[] = {
        {"sch40", "DN15", 21.3, 2.77},
        {"sch40", "DN100", 114.3, 6.02},
        {"sch40", "DN250", 273.0, 9.27},
        {"sch40", "DN600", 610.0, 17.48},
        {"copper-l", "1/2\"", 15.875, 1.016},   // 0.625 in, 0.040 in
        {"copper-l", "4\"", 104.775, 2.794},    // 4.125 in, 0.110 in
        {"gb3091", "DN15", 21.3, std::nan("")}, // the GB diameter series 1
        {"gb3091", "DN20", 26.9, 2.8},
        {"gb3091", "DN40", 48.3, std::nan("")},
        {"gb3091", "DN50", 60.3, 3.8},
        {"ppr-s3.2", "dn20", 20, 2.8},
        {"ppr-s3.2", "dn63", 63, 8.6},
    };
    for (const PrintedSize& p : printed) {
        const PipeSeries* series = FindSeries(p.series);
        ASSERT_NE(series, nullptr) << p.series;
        const PipeSize* size = FindSize(*series, p.nominal);
        ASSERT_NE(size, nullptr) << p.series << ' ' << p.nominal;
        EXPECT_NEAR(size->outside, p.outside, 1e-9) << p.series << ' ' << p.nominal;
        if (!std::isnan(p.wall)) {
            EXPECT_NEAR(size->wall, p.wall, 1e-9) << p.series << ' ' << p.nominal;
        }
    }
    // 4.500 in − 2 × 0.237 in = 4.026 in, which B36.10M prints as 102.26 mm.
    EXPECT_NEAR(FindSize(*FindSeries("sch40"), "DN100")->Inside(), 102.26, 1e-9);
}

// B36.10M's millimetre walls are its inch walls × 25.4 to 0.01 mm; the inch
// walls as Grinnell's and MISUMI's schedule charts print them.
TEST(PipeSeries, Schedule40WallsAreTheInchWalls)
{
    const double inches[] = {0.109, 0.113, 0.133, 0.140, 0.145, 0.154, 0.203, 0.216, 0.226, 0.237, 0.258, 0.280, 0.322,
        0.365, 0.406, 0.438, 0.500, 0.562, 0.594, 0.688};
    const PipeSeries& series = *FindSeries("sch40");
    ASSERT_EQ(series.count(), static_cast<int>(std::size(inches)));
    for (int i = 0; i < series.count(); ++i)
        EXPECT_NEAR(series.sizes[i].wall, std::round(inches[i] * 2540) / 100, 1e-9) << series.sizes[i].nominal;
}

// PP-R series S is (dn − en) / 2en, rounded up to the series number: every
// S3.2 row lies in (3.0, 3.2], so a transposed wall (6.8 for 8.6) fails.
TEST(PipeSeries, PprWallsBelongToSeriesS32)
{
    for (const PipeSize& size : *FindSeries("ppr-s3.2")) {
        const double s = (size.outside - size.wall) / (2 * size.wall);
        EXPECT_GT(s, 3.0) << size.nominal;
        EXPECT_LE(s, 3.2) << size.nominal;
    }
}

// The built-in tables pass the checks a user's series must pass, and each
// names a material of ours.
TEST(PipeSeries, EverySeriesIsConsistent)
{
    const MaterialCatalog materials;
    std::set<std::string> keys;
    for (const PipeSeries& series : SeriesCatalog()) {
        EXPECT_TRUE(keys.insert(series.key).second) << "duplicate key " << series.key;
        EXPECT_TRUE(SeriesProblem(series).Empty()) << series.key << ": " << SeriesProblem(series);
        EXPECT_NE(series.source, "") << series.key;
        EXPECT_NE(materials.Find(series.material), nullptr) << series.key;
        for (const PipeSize& size : series)
            EXPECT_DOUBLE_EQ(size.Inside(), size.outside - 2 * size.wall) << series.key << ' ' << size.nominal;
    }
    EXPECT_EQ(keys.size(), 4u);
    EXPECT_EQ(FindSeries("copper-l")->material, "copper");
    EXPECT_EQ(FindSeries("ppr-s3.2")->material, "plastic");
}

// What makes a series unusable, named by the size where it shows.
TEST(PipeSeries, ProblemsNameTheSize)
{
    const auto with = [](std::vector<PipeSize> sizes) { return PipeSeries{"mine", "我的", "", "", sizes, ""}; };
    struct Broken {
        PipeSeries series;
        const char* english;
        const char* chinese;
    };
    const Broken broken[] = {
        {with({}), "no sizes", "没有规格"},
        {PipeSeries{"", "我的", "", "", {{"DN15", 21.3, 2.8, 15.7}}, ""}, "no key or no title", "没有代号或标题"},
        {with({{"", 21.3, 2.8, 15.7}}), "a size has no nominal size", "有一个规格未填公称直径"},
        {with({{"DN15", 21.3, 2.8, 15.7}, {"DN15", 26.9, 2.8, 21.3}}), "DN15: the nominal size is given twice",
            "DN15：公称直径重复"},
        {with({{"DN15", 21.3, kNotGiven, 15.7}}), "DN15: an outside diameter needs its wall",
            "DN15：外径和壁厚须同时给出"},
        {with({{"DN15", 21.3, 2.8, 16.0}}),
            "DN15: the inner diameter 16 mm is not the outside diameter less twice the wall, 15.7 mm",
            "DN15：内径 16 mm 不等于外径减两倍壁厚（15.7 mm）"},
        {with({{"DN15", 21.3, 2.8, 15.7}, {"DN20", 21.3, 3.0, 15.3}}),
            "DN20: the inner diameter 15.3 mm does not grow from the size before (15.7 mm)",
            "DN20：内径 15.3 mm 不大于上一规格（15.7 mm）"},
        {with({{"DN15", 21.3, -2.8, 26.9}}), "DN15: diameters and walls must be positive numbers",
            "DN15：管径和壁厚须为正数"},
        {with({{"DN15", kNotGiven, kNotGiven, 15.7, -1}}), "DN15: the velocity limit must be a positive number",
            "DN15：流速限值须为正数"},
    };
    for (const Broken& b : broken) {
        const messages::Message problem = SeriesProblem(b.series);
        EXPECT_EQ(English(problem).rfind(b.english, 0), 0u) << problem;
        EXPECT_EQ(Chinese(problem), b.chinese);
    }
    EXPECT_TRUE(SeriesProblem(with({{"DN15", 21.3, 2.8, 15.75}})).Empty()); // a bore rounded as tables print it
}

// A key in any case finds a series; the user's own follow the built-in ones.
TEST(PipeSeries, CatalogFindsKeysInAnyCase)
{
    SeriesCatalog catalog;
    for (const char* key : {"copper-l", "COPPER-L", "Sch40"})
        EXPECT_NE(catalog.Find(key), nullptr) << key;
    for (const char* unknown : {"", "sch", "sch40 ", "cn-steel"})
        EXPECT_EQ(catalog.Find(unknown), nullptr) << '"' << unknown << '"';
    EXPECT_EQ(&catalog.Default(), catalog.Find("sch40"));
    EXPECT_FALSE(catalog.Add({"GB3091", "另一个", "", "", {{"DN15", 21.3, 2.8, 15.7}}, ""}));
    EXPECT_TRUE(catalog.Add({"institute", "本院无缝钢管", "", "", {{"DN200", 219, 6, 207}}, ""}));
    EXPECT_EQ(catalog.IndexOf("institute"), 4);
}

// The default velocity limits as the USA recommendations print them: 1.2 m/s
// up to 50 mm, then 3.0 m/s for steel and copper and 1.5 m/s for plastic.
TEST(PipeSeries, DefaultVelocityLimitsAreThePrintedOnes)
{
    const std::tuple<double, bool, double> printed[] = {{15.76, false, 1.2}, {50, false, 1.2}, {50, true, 1.2},
        {52.48, false, 3.0}, {52.48, true, 1.5}, {575.04, false, 3.0}};
    for (const auto& [inside, plastic, velocity] : printed)
        EXPECT_EQ(DefaultMaxVelocity(inside, plastic), velocity) << inside << (plastic ? " plastic" : "");
    // The series' own limit, else the default; one given for all wins.
    PipeSeries series{
        "mine", "我的", "", "", {{"DN40", kNotGiven, kNotGiven, 41}, {"DN50", kNotGiven, kNotGiven, 53, 2}}, ""};
    const std::vector<SizeChoice> sizes = SizeChoices(series, false, std::nullopt);
    EXPECT_EQ(sizes[0].maxVelocity, 1.2);
    EXPECT_EQ(sizes[1].maxVelocity, 2);
    EXPECT_EQ(SizeChoices(series, false, 0.9)[1].maxVelocity, 0.9);
}

} // namespace
} // namespace vendrel::design
