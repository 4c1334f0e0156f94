#pragma once

#include "design/keyedrows.h"

#include <string_view>

// Standard pipe sizes, so the calculator can work from "DN50" rather than an
// inner diameter typed by hand.
namespace vendrel::design {

struct PipeSize {
    const char* nominal; // as the standard names it: "DN50", "1/2\"", "dn20"
    double outside;      // mm
    double wall;         // mm, nominal
    double Inside() const { return outside - 2 * wall; }
};

struct PipeSeries {
    const char* key;    // for the command line, e.g. "sch40"
    const char* name;   // Simplified Chinese, for the dialog
    const char* source; // the standard and edition the sizes come from
    const PipeSize* sizes;
    int count;
    const PipeSize* begin() const { return sizes; }
    const PipeSize* end() const { return sizes + count; }
};

// Every series, in the order the dialog lists them.
using PipeSeriesList = KeyedRows<PipeSeries>;
PipeSeriesList AllPipeSeries();

// The series whose key is exactly `key`, or nullptr.
const PipeSeries* FindSeries(std::string_view key);

// The series the calculator offers first.
const PipeSeries& DefaultSeries();

} // namespace vendrel::design
