#include "ui/form/circuitdocument.h"

#include "calc/zonenames.h"
#include "design/circuittexts.h"
#include "design/sizing.h"
#include "ui/form/entryaids.h"
#include "ui/form/windowtext.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vendrel::form {
namespace {

using Key = files::CircuitSettingKey;
constexpr std::size_t kUndoLevels = 200;

// The warnings a section's cell in that column shows: each beside the figure it is about.
std::vector<messages::Message> WarningsIn(const design::SectionResult& r, std::optional<CircuitColumn> kind)
{
    using messages::MessageId;
    std::vector<messages::Message> shown;
    if (!r.HasWarnings())
        return shown;
    for (const messages::Message& warning : r.Warnings()) {
        const MessageId id = warning.Id();
        const CircuitColumn column = id == MessageId::OverRateLimit ? CircuitColumn::PascalsPerMetre
            : id == MessageId::LargestSizeTaken                     ? CircuitColumn::Nominal
                                                                    : CircuitColumn::Velocity;
        if (kind == column)
            shown.push_back(warning);
    }
    return shown;
}

} // namespace

CircuitDocument::CircuitDocument(files::UserLibrary library)
    : m_library(std::move(library))
{
    New();
}

std::optional<CircuitColumn> CircuitDocument::Kind(int column) const
{
    if (column < kTypedColumnCount)
        return static_cast<CircuitColumn>(column);
    if (column < kTypedColumnCount + ExtraColumns())
        return std::nullopt;
    return static_cast<CircuitColumn>(column - ExtraColumns());
}

int CircuitDocument::CellIndex(int column) const
{
    return column < kTypedColumnCount + ExtraColumns() ? column : -1;
}

std::string CircuitDocument::ColumnTitle(int column) const
{
    const std::optional<CircuitColumn> kind = Kind(column);
    if (kind == CircuitColumn::FrictionRate)
        return design::FrictionRateTitle(m_resolved.fluid.kind == design::FluidKind::Water);
    return kind ? CircuitColumns()[static_cast<std::size_t>(*kind)].title
                : m_extraTitles[static_cast<std::size_t>(column - kTypedColumnCount)];
}

int CircuitDocument::ColumnWidth(int column) const
{
    const std::optional<CircuitColumn> kind = Kind(column);
    return kind ? CircuitColumns()[static_cast<std::size_t>(*kind)].width : 10;
}

bool CircuitDocument::ColumnAlignRight(int column) const
{
    const std::optional<CircuitColumn> kind = Kind(column);
    return kind && CircuitColumns()[static_cast<std::size_t>(*kind)].alignRight;
}

bool CircuitDocument::ColumnTyped(int column) const
{
    return CellIndex(column) >= 0;
}

std::string CircuitDocument::CellEditText(int row, int column) const
{
    const int cell = CellIndex(column);
    return row < RowCount() && cell >= 0 ? m_rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(cell)]
                                         : std::string();
}

std::string CircuitDocument::CellText(int row, int column) const
{
    if (row >= RowCount())
        return {};
    const std::string typed = CellEditText(row, column);
    const int section = m_sectionOfRow[static_cast<std::size_t>(row)];
    const std::optional<CircuitColumn> kind = Kind(column);
    if (section < 0 || !kind || !typed.empty() || m_result.sections.empty())
        return typed;
    const design::SectionResult& r = m_result.sections[static_cast<std::size_t>(section)];
    const bool done = r.problem.Empty();
    using C = CircuitColumn;
    switch (*kind) {
    case C::Flow:
        return r.flowDerived || r.flowFromLoad ? r.fields.m_strFlow : std::string();
    case C::Nominal:
        return CellEditText(row, static_cast<int>(C::Diameter)).empty() ? r.nominal : std::string();
    case C::Diameter:
        return r.fields.m_strDiameter;
    case C::Velocity:
        return done ? r.fields.m_strVelocity : std::string();
    case C::FrictionRate:
        return done ? r.fields.m_strFrictionRate : std::string();
    case C::PascalsPerMetre:
        return done ? design::PascalsText(r.pascalsPerMetre) : std::string();
    case C::Zone:
        return done ? std::string(ZoneName(r.outcome.zone)) : std::string();
    case C::FrictionLoss:
        return design::PascalsTenthsText(r.frictionLoss);
    case C::ZetaTotal:
        return design::ZetaText(r.zetaTotal);
    case C::LocalLoss:
        return design::PascalsTenthsText(r.localLoss);
    case C::DeviceLoss:
        return design::PascalsTenthsText(r.deviceLoss);
    case C::TotalLoss:
        return design::PascalsTenthsText(r.totalLoss);
    case C::OnIndex:
        return r.onIndex ? "是" : "";
    case C::ValveLoss:
        return design::PascalsTenthsText(r.valveLoss);
    case C::Excess:
        return design::KilopascalsText(r.balance.excess);
    case C::BalanceLevel:
        return design::PercentText(r.balance.level);
    case C::KvRequired: // where the section throttles, as the 平衡 table lists them
        return design::BalanceTextsOf(r).kv;
    case C::Orifice: {
        const design::BalanceTexts texts = design::BalanceTextsOf(r);
        return texts.orifice + texts.orificeMark;
    }
    default:
        return typed;
    }
}

CellLook CircuitDocument::Look(int row, int column) const
{
    CellLook look;
    if (row >= RowCount())
        return look;
    const int section = m_sectionOfRow[static_cast<std::size_t>(row)];
    const int cell = CellIndex(column);
    if (cell >= 0)
        look.problem = !m_cellProblems[static_cast<std::size_t>(row)][static_cast<std::size_t>(cell)].empty();
    if (section < 0 || m_result.sections.empty())
        return look;
    const design::SectionResult& r = m_result.sections[static_cast<std::size_t>(section)];
    look.index = r.onIndex;
    const std::optional<CircuitColumn> kind = Kind(column);
    look.unbalanced = r.balance.needed && kind >= CircuitColumn::Excess;
    const bool typed = cell >= 0 && !CellEditText(row, column).empty();
    if (kind && !typed) {
        using C = CircuitColumn;
        look.derived = (*kind == C::Flow && (r.flowDerived || r.flowFromLoad)) || (*kind == C::Nominal && r.sized)
            || (*kind == C::Diameter && !r.fields.m_strDiameter.empty());
    }
    // A section that could not be calculated for a reason none of its cells shows.
    if (cell < 0 && !r.problem.Empty() && m_sections[static_cast<std::size_t>(section)].problem.Empty())
        look.problem = true;
    if (!WarningsIn(r, kind).empty())
        look.problem = true;
    return look;
}

std::string CircuitDocument::CellMessage(int row, int column) const
{
    if (row >= RowCount())
        return {};
    const int cell = CellIndex(column);
    if (cell >= 0) { // each of the cell's problems
        const std::string& problems = m_cellProblems[static_cast<std::size_t>(row)][static_cast<std::size_t>(cell)];
        if (!problems.empty())
            return problems;
    }
    // Why a section was not calculated, where none of its cells says so.
    const int section = m_sectionOfRow[static_cast<std::size_t>(row)];
    if (section < 0 || m_result.sections.empty() || !m_sections[static_cast<std::size_t>(section)].problem.Empty())
        return {};
    const design::SectionResult& r = m_result.sections[static_cast<std::size_t>(section)];
    if (const std::vector<messages::Message> warnings = WarningsIn(r, Kind(column)); !warnings.empty())
        return messages::JoinedText(warnings, messages::Language::Chinese);
    if (Kind(column) >= CircuitColumn::Excess && r.balance.throttles)
        return design::BalanceAdvice(r, m_resolved.maxImbalance);
    if (Kind(column) == CircuitColumn::Fittings && !r.fittingNotes.empty())
        return messages::JoinedText(r.fittingNotes, messages::Language::Chinese);
    return cell >= 0 ? std::string() : WindowText(r.problem);
}

CircuitDocument::Snapshot CircuitDocument::Take() const
{
    return {m_rows, m_settings, m_version};
}

void CircuitDocument::Restore(const Snapshot& snapshot)
{
    m_rows = snapshot.rows;
    m_settings = snapshot.settings;
    m_version = snapshot.version;
}

void CircuitDocument::Remember()
{
    m_undo.push_back(Take());
    if (m_undo.size() > kUndoLevels)
        m_undo.erase(m_undo.begin());
    m_redo.clear();
}

void CircuitDocument::Changed()
{
    m_version = ++m_lastVersion;
    Calculate();
}

bool CircuitDocument::SetCell(int row, int column, const std::string& text)
{
    const int cell = CellIndex(column);
    if (cell < 0 || row < 0 || row > RowCount() || text == CellEditText(row, column))
        return false;
    Remember();
    if (row == RowCount())
        m_rows.emplace_back(static_cast<std::size_t>(kTypedColumnCount + ExtraColumns()));
    m_rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(cell)] = text;
    Changed();
    return true;
}

void CircuitDocument::InsertRows(int row, int count)
{
    row = std::clamp(row, 0, RowCount());
    Remember();
    m_rows.insert(m_rows.begin() + row, static_cast<std::size_t>(std::max(count, 0)),
        std::vector<std::string>(static_cast<std::size_t>(kTypedColumnCount + ExtraColumns())));
    Changed();
}

bool CircuitDocument::RemoveRows(int row, int count)
{
    const int end = std::min(row + count, RowCount());
    if (row < 0 || row >= end)
        return false;
    Remember();
    m_rows.erase(m_rows.begin() + row, m_rows.begin() + end);
    Changed();
    return true;
}

bool CircuitDocument::Step(std::vector<Snapshot>& from, std::vector<Snapshot>& to)
{
    if (from.empty())
        return false;
    to.push_back(Take());
    Restore(from.back());
    from.pop_back();
    Calculate();
    return true;
}

bool CircuitDocument::Undo()
{
    return Step(m_undo, m_redo);
}

bool CircuitDocument::Redo()
{
    return Step(m_redo, m_undo);
}

std::string CircuitDocument::SummaryText(bool whole) const
{
    if (!m_networkProblems.empty() || m_sections.empty())
        return {};
    if (std::isnan(m_result.indexTotal))
        return design::kNoIndexNote;
    // A long index circuit would take the window's height: its ends, the whole in the path table.
    constexpr std::size_t kShownSections = 16;
    const std::string balance = design::SectionsToBalanceText(m_result, m_resolved.maxImbalance);
    return design::IndexCircuitText(
               m_result, m_sections, whole ? std::numeric_limits<std::size_t>::max() : kShownSections)
        + "；" + design::PumpHeadText(m_result, m_resolved.headMargin) + (balance.empty() ? "" : "；" + balance);
}

std::string CircuitDocument::StatusText(const std::string& focused) const
{
    if (!focused.empty())
        return focused;
    if (m_networkProblems.empty()) {
        const auto over = std::count_if(m_result.sections.begin(), m_result.sections.end(),
            [](const design::SectionResult& r) { return r.HasWarnings(); });
        return over == 0 ? kReady
                         : WindowText(messages::Message(messages::MessageId::SectionsToLookAt, {{"count", over}}));
    }
    return WindowText(messages::Message(
        messages::MessageId::NetworkProblems, {{"problems", m_networkProblems, messages::MessageId::ListSeparator}}));
}

std::string CircuitDocument::Notes() const
{
    bool derived = false;
    bool colebrook = false;
    for (const design::SectionResult& r : m_result.sections) {
        derived = derived || r.flowDerived || r.flowFromLoad || r.sized;
        colebrook = colebrook || r.outcome.zone == CalculationOutcome::Zone::ColebrookWhite;
    }
    std::string notes = derived ? kMarkedCellsNote : "";
    if (colebrook)
        notes += std::string(notes.empty() ? "" : "  ") + kColebrookWhiteNote;
    return notes;
}

std::vector<std::string> CircuitDocument::RecentFiles(const std::string& stored)
{
    std::vector<std::string> files;
    for (std::size_t at = 0; at < stored.size();) {
        const std::size_t end = std::min(stored.find('\n', at), stored.size());
        if (end > at && files.size() < static_cast<std::size_t>(kMaxRecentFiles))
            files.push_back(stored.substr(at, end - at));
        at = end + 1;
    }
    return files;
}

std::string CircuitDocument::RecentFilesWith(const std::string& stored, const std::string& path)
{
    std::string joined = path;
    int count = 1;
    for (const std::string& file : RecentFiles(stored)) {
        if (file != path && count++ < kMaxRecentFiles)
            joined += "\n" + file;
    }
    return joined;
}

} // namespace vendrel::form
