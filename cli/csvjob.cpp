#include "cli/csvjob.h"

#include "calc/fieldlabels.h"
#include "calc/frictioncalc.h"
#include "cli/csvreader.h"
#include "cli/exitcodes.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vendrel::cli {
namespace {

enum Input { kFlow, kDiameter, kRoughness, kViscosity, kInputCount };
constexpr std::array<std::string_view, kInputCount> kInputNames = {"flow", "diameter", "roughness", "viscosity"};
constexpr char kOutputHeader[]
    = "flow,diameter,roughness,viscosity,velocity,reynolds,lambda,friction_rate,rough_reynolds,status\n";
constexpr std::size_t kWriteBlock = 64 * 1024;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

class CsvJob {
public:
    CsvJob(const char* inputName, std::FILE* out, std::FILE* err)
        : m_inputName(inputName)
        , m_out(out)
        , m_err(err)
    { }

    int Run(std::FILE* in)
    {
        CsvReader reader(in);
        std::vector<std::string> cells;
        switch (reader.Next(cells)) {
        case CsvReader::Result::End:
            return Report(1, "no header line (expected flow,diameter[,roughness][,viscosity])");
        case CsvReader::Result::Error:
            return Report(reader.ErrorLine(), reader.ErrorText());
        case CsvReader::Result::Record:
            break;
        }
        if (const int status = ReadHeader(cells); status != kExitSuccess)
            return status;
        std::fputs(kOutputHeader, m_out);

        for (;;) {
            switch (reader.Next(cells)) {
            case CsvReader::Result::End:
                return Finish();
            case CsvReader::Result::Error:
                return Report(reader.ErrorLine(), reader.ErrorText());
            case CsvReader::Result::Record:
                break;
            }
            if (cells.size() != m_columnCount) {
                return Report(reader.RecordLine(),
                    "expected " + std::to_string(m_columnCount) + " fields, found " + std::to_string(cells.size()));
            }
            WriteRow(cells);
        }
    }

private:
    int ReadHeader(std::vector<std::string>& cells)
    {
        if (std::string_view(cells[0]).substr(0, kByteOrderMark.size()) == kByteOrderMark)
            cells[0].erase(0, kByteOrderMark.size());
        m_column.fill(-1);
        m_columnCount = cells.size();
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const std::string_view name = Trimmed(cells[i]);
            int input = 0;
            while (input < kInputCount && kInputNames[input] != name)
                ++input;
            // An unknown or repeated column is refused rather than ignored: a
            // misspelt "roughness" would otherwise silently take the default.
            if (input == kInputCount)
                return Report(1, "unknown column \"" + cells[i] + "\" (expected flow, diameter, roughness, viscosity)");
            if (m_column[input] >= 0)
                return Report(1, "column \"" + std::string(name) + "\" appears twice");
            m_column[input] = static_cast<int>(i);
        }
        for (const Input required : {kFlow, kDiameter}) {
            if (m_column[required] < 0)
                return Report(1, "the header has no \"" + std::string(kInputNames[required]) + "\" column");
        }
        return kExitSuccess;
    }

    const std::string& InputText(const std::vector<std::string>& cells, Input input, const std::string& fallback)
    {
        return m_column[input] >= 0 ? cells[static_cast<std::size_t>(m_column[input])] : fallback;
    }

    void WriteRow(const std::vector<std::string>& cells)
    {
        static const std::string defaultRoughness = labels::kDefaultRoughness;
        static const std::string defaultViscosity = labels::kDefaultViscosity;
        static const std::string none;

        FrictionFields& f = m_fields;
        f.m_strFlow = InputText(cells, kFlow, none);
        f.m_strDiameter = InputText(cells, kDiameter, none);
        f.m_strRoughness = InputText(cells, kRoughness, defaultRoughness);
        f.m_strViscosity = InputText(cells, kViscosity, defaultViscosity);
        // Each row stands alone: no result of the row before may show through.
        for (std::string* result : {&f.m_strVelocity, &f.m_strReynolds, &f.m_strLambda, &f.m_strFrictionRate,
                 &f.m_strRoughReynolds, &f.m_strStatus})
            result->clear();
        Calculate(f);

        const std::array<const std::string*, 10> row
            = {&f.m_strFlow, &f.m_strDiameter, &f.m_strRoughness, &f.m_strViscosity, &f.m_strVelocity, &f.m_strReynolds,
                &f.m_strLambda, &f.m_strFrictionRate, &f.m_strRoughReynolds, &f.m_strStatus};
        // Room for the row with every cell quoted, filled in place: a row is
        // written at the speed of a copy.
        std::size_t room = 0;
        for (const std::string* cell : row)
            room += 2 * cell->size() + 3;
        const std::size_t start = m_pending.size();
        m_pending.resize(start + room);
        char* out = &m_pending[start];
        for (const std::string* cell : row) {
            out = WriteCsvCell(out, *cell);
            *out++ = ',';
        }
        out[-1] = '\n';
        m_pending.resize(static_cast<std::size_t>(out - m_pending.data()));
        // Written in blocks of whole rows, so a stop leaves no partial row.
        if (m_pending.size() >= kWriteBlock)
            WritePending();
    }

    void WritePending()
    {
        std::fwrite(m_pending.data(), 1, m_pending.size(), m_out);
        m_pending.clear();
    }

    int Finish()
    {
        WritePending();
        if (std::fflush(m_out) != 0 || std::ferror(m_out)) {
            std::fprintf(m_err, "vendrel-calc: cannot write the results\n");
            return kExitDataError;
        }
        return kExitSuccess;
    }

    int Report(long line, const std::string& problem)
    {
        WritePending();
        std::fflush(m_out);
        std::fprintf(m_err, "vendrel-calc: %s, line %ld: %s\n", m_inputName, line, problem.c_str());
        return kExitDataError;
    }

    const char* m_inputName;
    std::FILE* m_out;
    std::FILE* m_err;
    std::array<int, kInputCount> m_column{};
    std::size_t m_columnCount = 0;
    FrictionFields m_fields;
    std::string m_pending;
};

} // namespace

int RunCsvJob(std::FILE* in, const char* inputName, std::FILE* out, std::FILE* err)
{
    return CsvJob(inputName, out, err).Run(in);
}

} // namespace vendrel::cli
