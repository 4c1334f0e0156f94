#pragma once

#include "messages/message.h"

#include <limits>
#include <string>
#include <string_view>
#include <vector>

// Standard pipe sizes, so the calculator can work from "DN50" rather than an
// inner diameter typed by hand.
namespace vendrel::design {

inline constexpr double kNotGiven = std::numeric_limits<double>::quiet_NaN();

struct PipeSize {
    std::string nominal;            // as the standard names it: "DN50", "1/2\"", "dn20"
    double outside = kNotGiven;     // mm; not given where a table prints only the bore
    double wall = kNotGiven;        // mm, nominal
    double inside = 0;              // mm: outside − 2·wall, or as given
    double maxVelocity = kNotGiven; // m/s, the series' own limit; else the default
    double Inside() const { return inside; }
};

struct PipeSeries {
    std::string key;      // for the command line, e.g. "sch40"
    std::string name;     // Simplified Chinese, for the dialog
    std::string source;   // the standard and edition the sizes come from
    std::string material; // the material key its pipes are of, e.g. "steel-closed"
    std::vector<PipeSize> sizes;
    std::string file; // a user's series: the file it was read from
    std::vector<PipeSize>::const_iterator begin() const { return sizes.begin(); }
    std::vector<PipeSize>::const_iterator end() const { return sizes.end(); }
    int count() const { return static_cast<int>(sizes.size()); }
};

// What makes a series usable, the same for the tables here and for the
// user's: at least one size, names given and distinct, positive finite
// diameters and walls, a bore of outside − 2·wall where both are given
// (within 0.05 mm, as tables round), bores growing from size to size.
// Returns the first problem found, naming the size, or none.
messages::Message SeriesProblem(const PipeSeries& series);

// The series Vendrel offers: its own, in the order the dialog lists them,
// the first offered first, then those the user adds from series files.
class SeriesCatalog {
public:
    SeriesCatalog(); // the built-in series

    int size() const { return static_cast<int>(m_series.size()); }
    const PipeSeries& operator[](int index) const;
    std::vector<PipeSeries>::const_iterator begin() const { return m_series.begin(); }
    std::vector<PipeSeries>::const_iterator end() const { return m_series.end(); }

    // The series whose key is `key` in any case; nullptr for none.
    const PipeSeries* Find(std::string_view key) const;
    int IndexOf(std::string_view key) const; // -1 for none
    const PipeSeries& Default() const { return m_series.front(); }
    // Adds a series after the others; false, adding nothing, when its key
    // is already one of theirs.
    bool Add(PipeSeries series);
    // Every key, for messages: "sch40, gb3091, …".
    std::string Keys() const;

private:
    std::vector<PipeSeries> m_series;
};

} // namespace vendrel::design
