#include "design/pipeseries.h"

#include "calc/numbertext.h"
#include "design/materials.h"

#include <cassert>
#include <cmath>
#include <iterator>
#include <set>
#include <utility>

namespace vendrel::design {
namespace {

constexpr double kInch = 25.4; // mm

struct SizeRow {
    const char* nominal;
    double outside; // mm
    double wall;    // mm
};

// ASME B36.10M, Welded and Seamless Wrought Steel Pipe, Table 1, Schedule 40,
// DN15–DN600 in millimetres; DN550 is left out, as the charts we checked give
// it no Schedule 40 wall. Each wall is the inch wall × 25.4 to 0.01 mm.
// Tables disagree at DN250 and DN300 (273.0 or 273.1, 323.8 or 323.9: 10.750
// in and 12.750 in are 273.05 and 323.85 mm); we take 273.0 and 323.8 as ASME
// B16.9's tables and Grinnell's Mechanical Products Installation Handbook
// IH-1000M print them. For DN350 some tables print 0.437 in; we take 0.438
// in (11.13 mm) as MISUMI's schedule chart prints it.
// clang-format off
constexpr SizeRow kSchedule40[] = {
    {"DN15",   21.3,  2.77},
    {"DN20",   26.7,  2.87},
    {"DN25",   33.4,  3.38},
    {"DN32",   42.2,  3.56},
    {"DN40",   48.3,  3.68},
    {"DN50",   60.3,  3.91},
    {"DN65",   73.0,  5.16},
    {"DN80",   88.9,  5.49},
    {"DN90",  101.6,  5.74},
    {"DN100", 114.3,  6.02},
    {"DN125", 141.3,  6.55},
    {"DN150", 168.3,  7.11},
    {"DN200", 219.1,  8.18},
    {"DN250", 273.0,  9.27},
    {"DN300", 323.8, 10.31},
    {"DN350", 355.6, 11.13},
    {"DN400", 406.4, 12.70},
    {"DN450", 457.0, 14.27},
    {"DN500", 508.0, 15.09},
    {"DN600", 610.0, 17.48},
};

// GB/T 3091-2015《低压流体输送用焊接钢管》, the welded (and galvanized)
// steel pipe of Chinese HVAC water systems up to DN150: outside diameter
// and the ordinary (普通钢管) wall, not the thickened (加厚) one. Since the
// 2008 edition the outside diameters are the ISO series of GB/T 21835
// (21.3, 26.9 …), no longer the old 21.25, 26.75 …; DN150 is 168.3, where
// the European EN 10255 has 165.1. GB/T 3091-2025 replaced the 2015
// edition in October 2025; its table is not yet checked against these rows.
constexpr SizeRow kGb3091[] = {
    {"DN15",   21.3,  2.8},
    {"DN20",   26.9,  2.8},
    {"DN25",   33.7,  3.2},
    {"DN32",   42.4,  3.5},
    {"DN40",   48.3,  3.5},
    {"DN50",   60.3,  3.8},
    {"DN65",   76.1,  4.0},
    {"DN80",   88.9,  4.0},
    {"DN100", 114.3,  4.0},
    {"DN125", 139.7,  4.0},
    {"DN150", 168.3,  4.5},
};

// ASTM B88 (Seamless Copper Water Tube), Type L: nominal outside diameter
// and wall in inches as the standard prints them.
// For 4" one reprint gives a 0.114 in wall, another 0.110 in; we take 0.110.
constexpr SizeRow kCopperTypeL[] = {
    {"1/2\"",   0.625 * kInch, 0.040 * kInch},
    {"3/4\"",   0.875 * kInch, 0.045 * kInch},
    {"1\"",     1.125 * kInch, 0.050 * kInch},
    {"1-1/4\"", 1.375 * kInch, 0.055 * kInch},
    {"1-1/2\"", 1.625 * kInch, 0.060 * kInch},
    {"2\"",     2.125 * kInch, 0.070 * kInch},
    {"2-1/2\"", 2.625 * kInch, 0.080 * kInch},
    {"3\"",     3.125 * kInch, 0.090 * kInch},
    {"3-1/2\"", 3.625 * kInch, 0.100 * kInch},
    {"4\"",     4.125 * kInch, 0.110 * kInch},
    {"5\"",     5.125 * kInch, 0.125 * kInch},
    {"6\"",     6.125 * kInch, 0.140 * kInch},
};

// GB/T 18742.2-2002《冷热水用聚丙烯管道系统 第2部分：管材》, pipe series
// S3.2 (PN 2.0 MPa, the series for hot as well as cold water): nominal
// outside diameter dn × nominal wall en. These are the S3.2 walls of the
// universal table it refers to, GB/T 10798-2001 (idt ISO 4065), as PP-R
// makers print them; PE tables to ISO 4427 agree except at dn20 (3.0).
constexpr SizeRow kPprS32[] = {
    {"dn20",   20.0,  2.8},
    {"dn25",   25.0,  3.5},
    {"dn32",   32.0,  4.4},
    {"dn40",   40.0,  5.5},
    {"dn50",   50.0,  6.9},
    {"dn63",   63.0,  8.6},
    {"dn75",   75.0, 10.3},
    {"dn90",   90.0, 12.3},
    {"dn110", 110.0, 15.1},
};
// clang-format on

struct SeriesRows {
    const char* key;
    const char* name;
    const char* source;
    const char* material;
    const SizeRow* sizes;
    std::size_t count;
};

const SeriesRows kSeries[] = {
    {"sch40", "钢管 Schedule 40（ASME B36.10M）", "ASME B36.10M, Welded and Seamless Wrought Steel Pipe, Table 1",
        kDefaultMaterial, kSchedule40, std::size(kSchedule40)},
    {"gb3091", "焊接钢管 DN15–DN150（GB/T 3091，普通壁厚）", "GB/T 3091-2015 低压流体输送用焊接钢管, 普通钢管",
        kDefaultMaterial, kGb3091, std::size(kGb3091)},
    {"copper-l", "铜管 L 型（ASTM B88）", "ASTM B88 (Seamless Copper Water Tube), Type L", "copper", kCopperTypeL,
        std::size(kCopperTypeL)},
    {"ppr-s3.2", "PP-R 管 S3.2（GB/T 18742.2）", "GB/T 18742.2-2002 冷热水用聚丙烯管道系统 第2部分：管材, S3.2",
        "plastic", kPprS32, std::size(kPprS32)},
};

// Tables round a bore to 0.1 mm at most.
constexpr double kBoreTolerance = 0.05;

} // namespace

messages::Message SeriesProblem(const PipeSeries& series)
{
    using messages::Message;
    using messages::MessageId;
    if (series.sizes.empty())
        return Message(MessageId::NoSizes);
    if (series.key.empty() || series.name.empty())
        return Message(MessageId::NoKeyOrTitle);
    std::set<std::string> nominals;
    double previous = 0;
    for (const PipeSize& size : series) {
        if (size.nominal.empty())
            return Message(MessageId::NominalMissing);
        const messages::Argument name("size", messages::UserText(size.nominal));
        if (!nominals.insert(size.nominal).second)
            return Message(MessageId::NominalTwice, {name});
        const auto positive = [](double value) { return value > 0 && std::isfinite(value); };
        const bool hasOutside = !std::isnan(size.outside);
        const bool hasWall = !std::isnan(size.wall);
        if (hasOutside != hasWall)
            return Message(MessageId::OutsideNeedsWall, {name});
        if ((hasOutside && (!positive(size.outside) || !positive(size.wall))) || !positive(size.inside))
            return Message(MessageId::SizesNotPositive, {name});
        if (hasOutside && std::fabs(size.outside - 2 * size.wall - size.inside) > kBoreTolerance)
            return Message(MessageId::BoreNotOutsideLessWalls,
                {name, {"inside", ShortestText(size.inside)},
                    // to 0.001 mm, without the last bit of the subtraction
                    {"expected", ShortestText(std::round((size.outside - 2 * size.wall) * 1000) / 1000)}});
        if (!std::isnan(size.maxVelocity) && !positive(size.maxVelocity))
            return Message(MessageId::VelocityLimitNotPositive, {name});
        if (size.inside <= previous)
            return Message(MessageId::BoreNotGrowing,
                {name, {"inside", ShortestText(size.inside)}, {"previous", ShortestText(previous)}});
        previous = size.inside;
    }
    return {};
}

SeriesCatalog::SeriesCatalog()
{
    for (const SeriesRows& rows : kSeries) {
        PipeSeries series{rows.key, rows.name, rows.source, rows.material, {}, {}};
        for (std::size_t i = 0; i < rows.count; ++i) {
            const SizeRow& row = rows.sizes[i];
            series.sizes.push_back({row.nominal, row.outside, row.wall, row.outside - 2 * row.wall, kNotGiven});
        }
        m_series.push_back(std::move(series));
    }
}

const PipeSeries& SeriesCatalog::operator[](int index) const
{
    assert(index >= 0 && index < size());
    return m_series[static_cast<std::size_t>(index)];
}

int SeriesCatalog::IndexOf(std::string_view key) const
{
    for (std::size_t i = 0; i < m_series.size(); ++i) {
        if (SameIgnoringCase(m_series[i].key, key))
            return static_cast<int>(i);
    }
    return -1;
}

const PipeSeries* SeriesCatalog::Find(std::string_view key) const
{
    const int index = IndexOf(key);
    return index < 0 ? nullptr : &m_series[static_cast<std::size_t>(index)];
}

bool SeriesCatalog::Add(PipeSeries series)
{
    if (Find(series.key) != nullptr)
        return false;
    m_series.push_back(std::move(series));
    return true;
}

std::string SeriesCatalog::Keys() const
{
    std::string keys;
    for (const PipeSeries& series : m_series)
        keys += (keys.empty() ? "" : ", ") + series.key;
    return keys;
}

} // namespace vendrel::design
