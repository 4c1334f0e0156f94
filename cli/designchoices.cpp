#include "cli/designchoices.h"

#include "design/materials.h"
#include "design/pipeseries.h"

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

} // namespace

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
