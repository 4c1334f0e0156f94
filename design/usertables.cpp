#include "design/usertables.h"

#include "calc/frictioncalc.h"
#include "calc/numbertext.h"

#include <cmath>
#include <utility>

namespace vendrel::design {
namespace {

bool Fail(TableProblem& problem, long line, int column, std::string text)
{
    problem = {line, column, std::move(text)};
    return false;
}

// A positive number, or not given: an empty text.
bool ReadSize(const std::string& text, long line, int column, const char* what, double& value, TableProblem& problem)
{
    if (text.empty()) {
        value = kNotGiven;
        return true;
    }
    if (ParseWholeNumber(text, value) && value > 0 && std::isfinite(value))
        return true;
    return Fail(problem, line, column, std::string(what) + " \"" + text + "\" is not a positive number");
}

bool IsKey(const std::string& key)
{
    if (key.empty())
        return false;
    for (const char c : key) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-'
            || c == '.' || c == '_';
        if (!plain)
            return false;
    }
    return true;
}

} // namespace

std::optional<PipeSeries> SeriesFromText(PipeSeries heading, const std::vector<SizeText>& sizes,
    const SizeColumns& columns, const MaterialCatalog& materials, TableProblem& problem)
{
    PipeSeries series = std::move(heading);
    series.sizes.clear();
    if (series.material.empty())
        series.material = kDefaultMaterial;
    const Material* material = materials.Find(series.material);
    if (material == nullptr) {
        Fail(problem, 0, 0, "unknown material \"" + series.material + "\" (one of " + materials.Keys() + ")");
        return std::nullopt;
    }
    series.material = material->key;
    for (const SizeText& text : sizes) {
        PipeSize size;
        size.nominal = text.nominal;
        if (!ReadSize(text.outside, text.line, columns.outside, "the outside diameter", size.outside, problem)
            || !ReadSize(text.wall, text.line, columns.wall, "the wall", size.wall, problem)
            || !ReadSize(text.inside, text.line, columns.inside, "the inner diameter", size.inside, problem)
            || !ReadSize(
                text.maxVelocity, text.line, columns.maxVelocity, "the velocity limit", size.maxVelocity, problem))
            return std::nullopt;
        if (std::isnan(size.inside))
            size.inside = size.outside - 2 * size.wall; // NaN where either is missing: a problem below
        series.sizes.push_back(std::move(size));
        // Each size is checked with those before it, so that a problem names its line.
        if (const std::string found = SeriesProblem(series); !found.empty()) {
            Fail(problem, text.line, 0, found);
            return std::nullopt;
        }
    }
    if (const std::string found = SeriesProblem(series); !found.empty()) {
        Fail(problem, 0, 0, found);
        return std::nullopt;
    }
    return series;
}

std::optional<std::vector<Material>> MaterialsFromText(const std::vector<MaterialText>& rows,
    const MaterialColumns& columns, const MaterialCatalog& known, TableProblem& problem)
{
    MaterialCatalog all = known; // the file's own keys must not repeat either
    std::vector<Material> materials;
    for (const MaterialText& row : rows) {
        if (!IsKey(row.key)) {
            Fail(problem, row.line, columns.key,
                "the key \"" + row.key + "\" must be letters, digits, \"-\", \".\" or \"_\", without blanks");
            return std::nullopt;
        }
        if (row.name.empty()) {
            Fail(problem, row.line, columns.name, "no name");
            return std::nullopt;
        }
        double roughness = 0;
        if (!ParseWholeNumber(row.roughness, roughness) || !IsAcceptedInput(roughness)) {
            Fail(problem, row.line, columns.roughness,
                "the roughness \"" + row.roughness + "\" is not a number of at least 0.000001 mm");
            return std::nullopt;
        }
        Material material{row.key, row.name, ShortestText(roughness), row.source,
            SameIgnoringCase(row.plastic, "yes") || row.plastic == "是", row.family.empty() ? row.key : row.family};
        if (!all.Add(material)) {
            Fail(problem, row.line, 0, "the key \"" + row.key + "\" or the name \"" + row.name + "\" is taken");
            return std::nullopt;
        }
        materials.push_back(std::move(material));
    }
    if (materials.empty()) {
        Fail(problem, 0, 0, "no materials");
        return std::nullopt;
    }
    return materials;
}

} // namespace vendrel::design
