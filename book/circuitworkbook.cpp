#include "book/circuitworkbook.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <tuple>

namespace vendrel::book {
namespace {

// The window's colours: the index circuit's background, the text of what is
// out of balance, and of what was derived rather than typed.
constexpr lxw_color_t kIndexBackground = 0xFFF4C2;
constexpr lxw_color_t kUnbalancedText = 0xC00000;
constexpr lxw_color_t kDerivedText = 0x707070;
constexpr lxw_color_t kPlainText = LXW_COLOR_BLACK;

// A figure's text as a number and the format that shows it so: "25.1" is
// 25.1 shown "0.0", "1145.5" with "!" is shown "0.0\"!\"". False for a text
// that is not wholly a number.
bool AsNumber(const BookCell& cell, double& value, std::string& format)
{
    const std::string& text = cell.text;
    const char* end = text.data() + text.size();
    const auto [stop, failure] = std::from_chars(text.data(), end, value);
    if (text.empty() || failure != std::errc() || stop != end)
        return false;
    const std::size_t point = text.find('.');
    format = "0";
    if (point != std::string::npos)
        format += "." + std::string(text.size() - point - 1, '0');
    if (!cell.mark.empty())
        format += "\"" + cell.mark + "\"";
    return true;
}

class Workbook {
public:
    explicit Workbook(const std::string& path)
        : m_book(workbook_new(path.c_str()))
    { }
    ~Workbook()
    {
        if (m_book != nullptr)
            workbook_close(m_book); // only where Close was not reached
    }
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    bool Opened() const { return m_book != nullptr; }

    lxw_worksheet* Sheet(const char* name) { return workbook_add_worksheet(m_book, name); }

    // A format of these looks, made once.
    lxw_format* Format(const std::string& number, bool bold, bool index, lxw_color_t text, bool italic)
    {
        const auto key = std::make_tuple(number, bold, index, text, italic);
        if (const auto found = m_formats.find(key); found != m_formats.end())
            return found->second;
        lxw_format* format = workbook_add_format(m_book);
        if (!number.empty())
            format_set_num_format(format, number.c_str());
        if (bold)
            format_set_bold(format);
        if (index)
            format_set_bg_color(format, kIndexBackground);
        if (text != kPlainText)
            format_set_font_color(format, text);
        if (italic)
            format_set_italic(format);
        return m_formats[key] = format;
    }

    // Writes the file; the library's reason where it cannot.
    bool Close(std::string& error)
    {
        const lxw_error status = workbook_close(m_book);
        m_book = nullptr;
        if (status != LXW_NO_ERROR)
            error = lxw_strerror(status);
        return status == LXW_NO_ERROR;
    }

private:
    lxw_workbook* m_book;
    std::map<std::tuple<std::string, bool, bool, lxw_color_t, bool>, lxw_format*> m_formats;
};

// A table from row first, its headings bold; then its notes. Returns the row after it.
lxw_row_t WriteTable(Workbook& book, lxw_worksheet* sheet, const BookTable& table, lxw_row_t first)
{
    lxw_format* heading = book.Format({}, true, false, kPlainText, false);
    std::vector<std::size_t> widths(table.headings.size(), 4);
    for (std::size_t c = 0; c < table.headings.size(); ++c) {
        worksheet_write_string(sheet, first, static_cast<lxw_col_t>(c), table.headings[c].c_str(), heading);
        widths[c] = std::max(widths[c], table.headings[c].size() * 2 / 3);
    }
    lxw_row_t r = first + 1;
    for (const BookRow& row : table.rows) {
        for (std::size_t c = 0; c < row.cells.size(); ++c) {
            const BookCell& cell = row.cells[c];
            const bool derived = cell.mark == "*" || cell.mark == "#";
            const lxw_color_t colour = row.unbalanced || cell.mark == "!" ? kUnbalancedText
                : derived                                                 ? kDerivedText
                                                                          : kPlainText;
            const std::string shown = cell.Shown();
            double value = 0;
            std::string number;
            const auto col = static_cast<lxw_col_t>(c);
            if (cell.figure && AsNumber(cell, value, number)) {
                worksheet_write_number(sheet, r, col, value, book.Format(number, false, row.index, colour, derived));
            } else {
                lxw_format* format = book.Format({}, false, row.index, colour, derived);
                if (shown.empty())
                    worksheet_write_blank(sheet, r, col, format);
                else
                    worksheet_write_string(sheet, r, col, shown.c_str(), format);
            }
            if (c < widths.size())
                widths[c] = std::max(widths[c], shown.size());
        }
        ++r;
    }
    for (std::size_t c = 0; c < widths.size(); ++c)
        worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
            static_cast<double>(std::min<std::size_t>(widths[c], 60)) + 1, nullptr);
    for (const std::string& note : table.notes)
        worksheet_write_string(sheet, ++r, 0, note.c_str(), nullptr);
    return r + 1;
}

const BookPart* PartOf(const CalculationBook& book, const std::string& heading)
{
    const auto found = std::find_if(
        book.parts.begin(), book.parts.end(), [&](const BookPart& part) { return part.heading == heading; });
    return found == book.parts.end() ? nullptr : &*found;
}

// Lines below a table, each in its first column.
void WriteLines(lxw_worksheet* sheet, const std::vector<std::string>& lines, lxw_row_t first)
{
    for (const std::string& line : lines)
        worksheet_write_string(sheet, first++, 0, line.c_str(), nullptr);
}

bool WriteWorkbook(const CalculationBook& book, const std::string& path, std::string& error)
{
    Workbook workbook(path);
    if (!workbook.Opened()) {
        error = "the workbook could not be made";
        return false;
    }
    // The project and the settings as name and value: "设计", "张三"; "比摩阻限值", "300 Pa/m".
    lxw_worksheet* settings = workbook.Sheet("计算参数");
    lxw_format* bold = workbook.Format({}, true, false, kPlainText, false);
    lxw_row_t r = 0;
    worksheet_write_string(settings, r++, 0, book.title.c_str(), bold);
    for (const TitleLine& line : book.titleBlock) {
        worksheet_write_string(settings, r, 0, line.title.c_str(), nullptr);
        if (!line.value.empty())
            worksheet_write_string(settings, r, 1, line.value.c_str(), nullptr);
        ++r;
    }
    worksheet_write_string(settings, r++, 0, book.program.c_str(), nullptr);
    ++r;
    if (const BookPart* part = PartOf(book, "计算参数")) {
        for (const std::string& line : part->lines) {
            const std::size_t colon = line.find("：");
            worksheet_write_string(settings, r, 0, line.substr(0, colon).c_str(), nullptr);
            if (colon != std::string::npos)
                worksheet_write_string(settings, r, 1, line.substr(colon + std::string("：").size()).c_str(), nullptr);
            ++r;
        }
    }
    worksheet_set_column(settings, 0, 0, 24, nullptr);
    worksheet_set_column(settings, 1, 1, 60, nullptr);

    if (const BookPart* part = PartOf(book, "管段计算表"))
        WriteTable(workbook, workbook.Sheet("管段计算表"), part->tables.front(), 0);
    if (const BookPart* part = PartOf(book, "环路")) {
        lxw_worksheet* paths = workbook.Sheet("环路");
        const lxw_row_t after = WriteTable(workbook, paths, part->tables.front(), 0);
        if (const BookPart* pump = PartOf(book, "最不利环路与水泵"))
            WriteLines(paths, pump->lines, after);
    }
    if (const BookPart* part = PartOf(book, "平衡"); part != nullptr && !part->tables.empty())
        WriteTable(workbook, workbook.Sheet("平衡"), part->tables.front(), 0);
    return workbook.Close(error);
}

} // namespace

bool CircuitWorkbookBytes(const CalculationBook& book, std::string& bytes, std::string& error)
{
    std::error_code code;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(code);
    if (code) {
        error = code.message();
        return false;
    }
    std::random_device random;
    const std::filesystem::path path
        = folder / ("vendrel-" + std::to_string(random()) + "-" + std::to_string(random()) + ".xlsx");
    bool made = WriteWorkbook(book, path.u8string(), error);
    if (made) {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        made = !in.bad();
        if (!made)
            error = "the workbook could not be read back from " + path.u8string();
    }
    std::filesystem::remove(path, code);
    return made;
}

} // namespace vendrel::book
