#include "design/usertables.h"

#include "calc/frictioncalc.h"
#include "calc/numbertext.h"
#include "messages/numbercheck.h"

#include <cmath>
#include <utility>

namespace vendrel::design {
namespace {

using messages::Message;
using messages::MessageId;
using messages::Named;
using messages::UserText;

bool Fail(TableProblem& problem, long line, int column, Message message)
{
    problem = {line, column, std::move(message)};
    return false;
}

// A positive number, or not given: an empty text.
bool ReadSize(const std::string& text, long line, int column, MessageId what, double& value, TableProblem& problem)
{
    if (text.empty()) {
        value = kNotGiven;
        return true;
    }
    Message wrong = messages::CheckNumber(text, messages::Positive(), value);
    return wrong.Empty() || Fail(problem, line, column, Named(what, std::move(wrong)));
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
        Fail(problem, 0, 0,
            Message(MessageId::UnknownMaterialKeys, {{"text", UserText(series.material)}, {"keys", materials.Keys()}}));
        return std::nullopt;
    }
    series.material = material->key;
    for (const SizeText& text : sizes) {
        PipeSize size;
        size.nominal = text.nominal;
        if (!ReadSize(text.outside, text.line, columns.outside, MessageId::OutsideDiameterName, size.outside, problem)
            || !ReadSize(text.wall, text.line, columns.wall, MessageId::WallName, size.wall, problem)
            || !ReadSize(text.inside, text.line, columns.inside, MessageId::InsideDiameterName, size.inside, problem)
            || !ReadSize(text.maxVelocity, text.line, columns.maxVelocity, MessageId::VelocityLimitName,
                size.maxVelocity, problem))
            return std::nullopt;
        if (std::isnan(size.inside))
            size.inside = size.outside - 2 * size.wall; // NaN where either is missing: a problem below
        series.sizes.push_back(std::move(size));
        // Each size is checked with those before it, so that a problem names its line.
        if (Message found = SeriesProblem(series); !found.Empty()) {
            Fail(problem, text.line, 0, std::move(found));
            return std::nullopt;
        }
    }
    if (Message found = SeriesProblem(series); !found.Empty()) {
        Fail(problem, 0, 0, std::move(found));
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
            Fail(problem, row.line, columns.key, Message(MessageId::MaterialKeyChars, {{"key", UserText(row.key)}}));
            return std::nullopt;
        }
        if (row.name.empty()) {
            Fail(problem, row.line, columns.name, Message(MessageId::NoName));
            return std::nullopt;
        }
        double roughness = 0;
        // As the calculation accepts a roughness: at least 0.000001 mm.
        if (Message wrong = messages::CheckNumber(row.roughness, messages::AtLeast(kMinimumInput, "mm"), roughness);
            !wrong.Empty()) {
            Fail(problem, row.line, columns.roughness, Named(MessageId::RoughnessName, std::move(wrong)));
            return std::nullopt;
        }
        Material material{row.key, row.name, ShortestText(roughness), row.source,
            SameIgnoringCase(row.plastic, "yes") || row.plastic == "是", row.family.empty() ? row.key : row.family};
        if (!all.Add(material)) {
            Fail(problem, row.line, 0,
                Message(MessageId::KeyOrNameTaken, {{"key", UserText(row.key)}, {"name", UserText(row.name)}}));
            return std::nullopt;
        }
        materials.push_back(std::move(material));
    }
    if (materials.empty()) {
        Fail(problem, 0, 0, Message(MessageId::NoMaterials));
        return std::nullopt;
    }
    return materials;
}

} // namespace vendrel::design
