#include "design/pipeseries.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <iterator>
#include <set>
#include <string>

namespace vendrel::design {
namespace {

const PipeSize* FindSize(const PipeSeries& series, const char* nominal)
{
    for (const PipeSize& size : series)
        if (std::strcmp(size.nominal, nominal) == 0)
            return &size;
    return nullptr;
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
    ASSERT_EQ(series.count, static_cast<int>(std::size(inches)));
    for (int i = 0; i < series.count; ++i)
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

TEST(PipeSeries, EverySeriesIsConsistent)
{
    std::set<std::string> keys;
    for (const PipeSeries& series : AllPipeSeries()) {
        EXPECT_TRUE(keys.insert(series.key).second) << "duplicate key " << series.key;
        EXPECT_STRNE(series.name, "") << series.key;
        EXPECT_STRNE(series.source, "") << series.key;
        ASSERT_GT(series.count, 0) << series.key;
        std::set<std::string> nominals;
        const PipeSize* previous = nullptr;
        for (const PipeSize& size : series) {
            EXPECT_TRUE(nominals.insert(size.nominal).second) << series.key << ' ' << size.nominal;
            EXPECT_DOUBLE_EQ(size.Inside(), size.outside - 2 * size.wall);
            EXPECT_GT(size.Inside(), 0) << series.key << ' ' << size.nominal;
            if (previous) {
                EXPECT_GT(size.outside, previous->outside) << series.key << ' ' << size.nominal;
                EXPECT_GT(size.Inside(), previous->Inside()) << series.key << ' ' << size.nominal;
            }
            previous = &size;
        }
    }
    EXPECT_EQ(keys.size(), 4u);
}

TEST(PipeSeries, FindsOnlyExactKeys)
{
    ASSERT_NE(FindSeries("copper-l"), nullptr);
    EXPECT_STREQ(FindSeries("copper-l")->key, "copper-l");
    for (const char* unknown : {"", "sch", "SCH40", "sch40 ", "cn-steel"})
        EXPECT_EQ(FindSeries(unknown), nullptr) << '"' << unknown << '"';
    EXPECT_EQ(&DefaultSeries(), FindSeries("sch40"));
}

} // namespace
} // namespace vendrel::design
