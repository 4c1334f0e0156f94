#include "cli/csvjob.h"

#include "calc/fieldlabels.h"
#include "calc/frictioncalc.h"
#include "calc/zonenames.h"
#include "cli/csvreader.h"
#include "cli/exitcodes.h"
#include "cli/strictcalculation.h"
#include "design/materials.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vendrel::cli {
namespace {

enum Input { kFlow, kDiameter, kRoughness, kViscosity, kTemperature, kMaterial, kColumnCount };
constexpr InputNames kInputNames = {"flow", "diameter", "roughness", "viscosity"};
constexpr std::array<std::string_view, kColumnCount> kColumnNames
    = {"flow", "diameter", "roughness", "viscosity", "temperature", "material"};
constexpr char kOutputHeader[] = "flow,diameter,roughness,viscosity,velocity,reynolds,lambda,friction_rate,"
                                 "rough_reynolds,status,zone,residual\n";
constexpr std::size_t kWriteBlock = 64 * 1024;
// Rows reported one by one; beyond this, only their number.
constexpr long kMaxRowReports = 20;

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

class CsvJob {
public:
    CsvJob(const char* inputName, std::FILE* out, std::FILE* err, bool rowByRow)
        : m_inputName(inputName)
        , m_out(out)
        , m_err(err)
        , m_rowByRow(rowByRow)
    { }

    int Run(std::FILE* in)
    {
        CsvReader reader(in, m_rowByRow);
        std::vector<std::string> cells;
        switch (reader.Next(cells)) {
        case CsvReader::Result::End:
            return Report(reader.Line(), "no header line (expected flow,diameter[,roughness][,viscosity])");
        case CsvReader::Result::Error:
            return ReportReader(reader);
        case CsvReader::Result::Record:
            break;
        }
        if (const int status = ReadHeader(cells, reader.RecordLine()); status != kExitSuccess)
            return status;
        m_pending = kOutputHeader;
        if (m_rowByRow && !WritePending())
            return WriteFailed();

        for (;;) {
            switch (reader.Next(cells)) {
            case CsvReader::Result::End:
                return Finish();
            case CsvReader::Result::Error:
                return ReportReader(reader);
            case CsvReader::Result::Record:
                break;
            }
            if (cells.size() != m_columnCount) {
                return Report(reader.RecordLine(),
                    "expected " + std::to_string(m_columnCount) + " fields, found " + std::to_string(cells.size()));
            }
            WriteRow(cells, reader.RecordLine());
            // Stop at the first failed write: the rest would go nowhere.
            if ((m_rowByRow || m_pending.size() >= kWriteBlock) && !WritePending())
                return WriteFailed();
        }
    }

private:
    int ReadHeader(std::vector<std::string>& cells, long line)
    {
        m_column.fill(-1);
        m_columnCount = cells.size();
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const std::string_view name = Trimmed(cells[i]);
            int input = 0;
            while (input < kColumnCount && !SameIgnoringCase(kColumnNames[static_cast<std::size_t>(input)], name))
                ++input;
            // An unknown or repeated column is refused rather than ignored: a
            // misspelt "roughness" would otherwise silently take the default.
            if (input == kColumnCount) {
                return Report(line,
                    "unknown column " + Quoted(cells[i])
                        + " (expected flow, diameter, roughness, viscosity, temperature, material)");
            }
            if (m_column[input] >= 0)
                return Report(line, "column " + Quoted(name) + " appears twice");
            m_column[input] = static_cast<int>(i);
        }
        for (const Input required : {kFlow, kDiameter}) {
            if (m_column[required] < 0)
                return Report(line, "the header has no \"" + std::string(kColumnNames[required]) + "\" column");
        }
        if (m_column[kViscosity] >= 0 && m_column[kTemperature] >= 0)
            return Report(line, "columns \"viscosity\" and \"temperature\" cannot both be given");
        if (m_column[kRoughness] >= 0 && m_column[kMaterial] >= 0)
            return Report(line, "columns \"roughness\" and \"material\" cannot both be given");
        return kExitSuccess;
    }

    std::string_view InputText(const std::vector<std::string>& cells, Input input, std::string_view fallback) const
    {
        return m_column[input] >= 0 ? std::string_view(cells[static_cast<std::size_t>(m_column[input])]) : fallback;
    }

    void WriteRow(const std::vector<std::string>& cells, long line)
    {
        FrictionFields& f = m_fields;
        m_problems.clear();
        std::optional<std::string> viscosity(InputText(cells, kViscosity, labels::kDefaultViscosity));
        if (m_column[kTemperature] >= 0)
            viscosity = ViscosityFromTemperature(InputText(cells, kTemperature, {}), "temperature", m_problems);
        std::string_view roughness = InputText(cells, kRoughness, labels::kDefaultRoughness);
        // A temperature or material that gives no value is reported once,
        // and the other inputs are still checked.
        InputNames names = kInputNames;
        if (!viscosity)
            names[kViscosity] = "";
        if (m_column[kMaterial] >= 0) {
            const std::string_view key = Trimmed(InputText(cells, kMaterial, {})); // as the header's names are
            const design::Material* material = design::FindMaterial(key);
            roughness = material != nullptr ? material->roughness : "";
            if (material == nullptr) {
                m_problems.push_back(
                    "material: unknown material " + Quoted(key) + " (see vendrel-calc --material-list)");
                names[kRoughness] = "";
            }
        }
        SetInputs(f, InputText(cells, kFlow, {}), InputText(cells, kDiameter, {}), roughness, viscosity.value_or(""));
        const CalculationOutcome outcome = CalculateStrictly(f, names, m_problems);
        if (!m_problems.empty())
            ReportRow(line);

        const std::string_view zone = ZoneKey(outcome.zone);
        const std::string_view residual = StatusResidual(f.m_strStatus);
        const std::array<std::string_view, 12> row
            = {f.m_strFlow, f.m_strDiameter, f.m_strRoughness, f.m_strViscosity, f.m_strVelocity, f.m_strReynolds,
                f.m_strLambda, f.m_strFrictionRate, f.m_strRoughReynolds, f.m_strStatus, zone, residual};
        // Room for the row with every cell quoted, filled in place: a row is
        // written at the speed of a copy.
        std::size_t room = 0;
        for (const std::string_view cell : row)
            room += 2 * cell.size() + 3;
        const std::size_t start = m_pending.size();
        m_pending.resize(start + room);
        char* out = &m_pending[start];
        for (const std::string_view cell : row) {
            out = WriteCsvCell(out, cell);
            *out++ = ',';
        }
        out[-1] = '\n';
        m_pending.resize(static_cast<std::size_t>(out - m_pending.data()));
    }

    void ReportRow(long line)
    {
        if (++m_rowsNotCalculated > kMaxRowReports)
            return;
        std::string message;
        for (const std::string& problem : m_problems)
            message += (message.empty() ? "" : "; ") + problem;
        std::fprintf(m_err, "vendrel-calc: %s, line %ld: %s\n", m_inputName, line, message.c_str());
    }

    // Writes the rows held back, in whole rows, so a stop leaves no partial row.
    bool WritePending()
    {
        const bool written = std::fwrite(m_pending.data(), 1, m_pending.size(), m_out) == m_pending.size()
            && (!m_rowByRow || std::fflush(m_out) == 0);
        m_pending.clear();
        return written;
    }

    int WriteFailed()
    {
        std::fprintf(m_err, "vendrel-calc: cannot write the results: %s\n", std::strerror(errno));
        return kExitIncomplete;
    }

    int Finish()
    {
        if (!WritePending() || std::fflush(m_out) != 0 || std::ferror(m_out))
            return WriteFailed();
        if (m_rowsNotCalculated == 0)
            return kExitSuccess;
        std::fprintf(m_err, "vendrel-calc: %s: %ld %s could not be calculated%s\n", m_inputName, m_rowsNotCalculated,
            m_rowsNotCalculated == 1 ? "row" : "rows",
            m_rowsNotCalculated > kMaxRowReports ? " (the first 20 are listed above)" : "");
        return kExitDataError;
    }

    int Report(long line, const std::string& problem)
    {
        return Stop(
            [&] { std::fprintf(m_err, "vendrel-calc: %s, line %ld: %s\n", m_inputName, line, problem.c_str()); });
    }

    int ReportReader(const CsvReader& reader)
    {
        if (reader.ReadError() == 0)
            return Report(reader.ErrorLine(), reader.ErrorText());
        return Stop([&] {
            const long lines = reader.LinesBeforeReadError();
            if (lines == 0)
                std::fprintf(m_err, "vendrel-calc: cannot read %s: %s\n", m_inputName, reader.ErrorText().c_str());
            else
                std::fprintf(m_err, "vendrel-calc: cannot read %s after line %ld: %s\n", m_inputName, lines,
                    reader.ErrorText().c_str());
        });
    }

    // Ends the run early: writes the rows calculated so far, then says why it
    // stopped, and also when those rows could not be written.
    template <typename Say> int Stop(const Say& say)
    {
        const bool written = WritePending() && std::fflush(m_out) == 0;
        const int writeError = errno;
        say();
        if (!written) {
            errno = writeError;
            WriteFailed();
        }
        return kExitIncomplete;
    }

    const char* m_inputName;
    std::FILE* m_out;
    std::FILE* m_err;
    bool m_rowByRow;
    std::array<int, kColumnCount> m_column{};
    std::size_t m_columnCount = 0;
    FrictionFields m_fields;
    std::vector<std::string> m_problems;
    long m_rowsNotCalculated = 0;
    std::string m_pending;
};

} // namespace

int RunCsvJob(std::FILE* in, const char* inputName, std::FILE* out, std::FILE* err, bool rowByRow)
{
    return CsvJob(inputName, out, err, rowByRow).Run(in);
}

} // namespace vendrel::cli
