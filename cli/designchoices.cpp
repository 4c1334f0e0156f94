#include "cli/designchoices.h"

#include "calc/numbertext.h"
#include "design/fittings.h"
#include "design/materials.h"
#include "design/pipeseries.h"

#include <cmath>
#include <string>

namespace vendrel::cli {
namespace {

void PrintSeries(const design::PipeSeries& series, std::FILE* out)
{
    std::fprintf(out, "%s  %s\n  %s%s%s\n ", series.key.c_str(), series.name.c_str(), series.source.c_str(),
        series.file.empty()         ? ""
            : series.source.empty() ? ""
                                    : "; ",
        series.file.c_str());
    for (const design::PipeSize& size : series)
        std::fprintf(out, " %s", size.nominal.c_str());
    std::fprintf(out, "\n");
}

// What a sudden expansion or contraction's K is, where it sits and which
// velocity it is referred to.
constexpr const char* kChangeOfBoreK[] = {
    "在小管末端 K = (1 − β²)²，在大管始端 K = (1/β² − 1)²",
    "在小管始端 K = 0.5(1 − β²)，在大管末端 K = 0.5(1 − β²)/β⁴",
};
constexpr char kChangeOfBoreNote[]
    = "均按所在管段的流速；β = 小管内径/大管内径，取节点两侧管段的内径（一进一出），或写 :β，如 %s:0.5";

} // namespace

void PrintFittingsList(std::FILE* out)
{
    const std::vector<design::FittingSize> sizes = design::FittingSizes();
    for (const design::FittingKind& kind : design::FittingKinds()) {
        std::string names = kind.name;
        for (const std::string_view synonym : design::FittingSynonyms(kind.key))
            names += "、" + std::string(synonym);
        std::fprintf(out, "%-20s %s\n  %s\n ", kind.key, names.c_str(), kind.source);
        const std::string key = kind.key;
        if (design::ChangesBore(key)) {
            std::fprintf(out, " %s；", kChangeOfBoreK[key == "contraction"]);
            std::fprintf(out, kChangeOfBoreNote, kind.key);
            std::fprintf(out, "\n");
            continue;
        }
        std::string bySize;
        double first = std::nan("");
        bool same = true;
        for (const design::FittingSize& size : sizes) {
            double k = 0;
            messages::Message none;
            if (!design::FittingsZeta({{key, 1, 0}}, size.inside, k, none))
                continue;
            same = same && (std::isnan(first) || k == first);
            first = std::isnan(first) ? k : first;
            bySize += std::string(" ") + size.nominal + " " + ShortestText(k);
        }
        if (same)
            std::fprintf(out, " K %s，各管径相同\n", ShortestText(first).c_str());
        else
            std::fprintf(out, "%s\n", bySize.c_str());
    }
}

void PrintMaterialList(const design::MaterialCatalog& materials, std::FILE* out)
{
    for (const design::Material& material : materials)
        std::fprintf(out, "%-20s K %-7s mm  %s\n  %s\n", material.key.c_str(), material.roughness.c_str(),
            material.name.c_str(), material.source.c_str());
}

void PrintSeriesList(const design::SeriesCatalog& series, const design::PipeSeries* fileSeries, std::FILE* out)
{
    for (const design::PipeSeries& one : series)
        PrintSeries(one, out);
    if (fileSeries != nullptr)
        PrintSeries(*fileSeries, out);
}

} // namespace vendrel::cli
