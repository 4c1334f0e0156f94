#include "cli/designchoices.h"

#include "cli/strictcalculation.h"
#include "design/materials.h"
#include "design/pipeseries.h"

namespace vendrel::cli {
namespace {

template <typename List> std::string Keys(const List& list)
{
    std::string keys;
    for (const auto& row : list)
        keys += (keys.empty() ? "" : ", ") + std::string(row.key);
    return keys;
}

} // namespace

std::optional<std::string> RoughnessFor(const CommandLine& command, std::string& error)
{
    if (!command.material)
        return command.roughness;
    if (const design::Material* material = design::FindMaterial(*command.material))
        return std::string(material->roughness);
    error = "--material: unknown material " + Quoted(*command.material) + " (one of " + Keys(design::Materials())
        + "; see --material-list)";
    return std::nullopt;
}

const design::PipeSeries* SeriesFor(const CommandLine& command, std::string& error)
{
    if (!command.series)
        return &design::DefaultSeries();
    if (const design::PipeSeries* series = design::FindSeries(*command.series))
        return series;
    error = "--series: unknown series " + Quoted(*command.series) + " (one of " + Keys(design::AllPipeSeries())
        + "; see --series-list)";
    return nullptr;
}

void PrintMaterialList(std::FILE* out)
{
    for (const design::Material& material : design::Materials())
        std::fprintf(
            out, "%-20s K %-7s mm  %s\n  %s\n", material.key, material.roughness, material.name, material.source);
}

void PrintSeriesList(std::FILE* out)
{
    for (const design::PipeSeries& series : design::AllPipeSeries()) {
        std::fprintf(out, "%s  %s\n  %s\n ", series.key, series.name, series.source);
        for (int i = 0; i < series.count; ++i)
            std::fprintf(out, " %s", series.sizes[i].nominal);
        std::fprintf(out, "\n");
    }
}

} // namespace vendrel::cli
