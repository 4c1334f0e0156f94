#include "book/bookpages.h"

#include "book/textfit.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace vendrel::book {
namespace {

constexpr double kA4Short = 595.276; // 210 mm
constexpr double kA4Long = 841.890;  // 297 mm
// 20 mm at the left for binding, 15 mm at the right, 20 mm above, 22 mm
// below with the page number in it.
constexpr double kLeft = 56.7;
constexpr double kRight = 42.5;
constexpr double kTop = 56.7;
constexpr double kBottom = 62.4;
constexpr double kFooterFromBottom = 31.2;

constexpr double kTitleSize = 22;
constexpr double kHeadingSize = 13;
constexpr double kBodySize = 10;
constexpr double kNoteSize = 9;
constexpr double kTableSize = 8;
constexpr double kSmallestTableSize = 6;
constexpr double kFooterSize = 8;
constexpr double kLeading = 1.5; // a line's height, in font sizes
constexpr double kCellPadding = 3;

constexpr PageColour kBlack{0, 0, 0};
constexpr PageColour kRed{0xC0, 0x00, 0x00};
constexpr PageColour kIndexFill{0xFF, 0xF4, 0xC2};
constexpr PageColour kRuleGrey{0x99, 0x99, 0x99};

// A column's heading on two lines where it gives its unit: "流量" over "(m³/h)".
std::vector<std::string> HeadingLines(const std::string& heading)
{
    const std::size_t unit = heading.find('(');
    if (unit == std::string::npos || unit == 0)
        return {heading};
    return {heading.substr(0, unit), heading.substr(unit)};
}

class Layout {
public:
    explicit Layout(const TextWidth& width)
        : width_(width)
    { }

    std::vector<BookPage> Finish(const CalculationBook& book);

    void TitleBlock(const CalculationBook& book);
    void Part(const BookPart& part);

private:
    BookPage& Page() { return pages_.back(); }
    double Left() const { return kLeft; }
    double Right() const { return pages_.back().width - kRight; }
    double Room() const { return Right() - Left(); }
    double Bottom() const { return pages_.back().height - kBottom; }

    void NewPage(bool landscape)
    {
        BookPage& page = pages_.emplace_back();
        page.width = landscape ? kA4Long : kA4Short;
        page.height = landscape ? kA4Short : kA4Long;
        landscape_ = landscape;
        y_ = kTop;
    }
    // Room for height below on a page of that orientation, on a new page
    // where this one has none.
    void Reserve(double height, bool landscape)
    {
        if (pages_.empty() || landscape_ != landscape || (y_ + height > Bottom() && y_ > kTop))
            NewPage(landscape);
    }
    void Text(double x, double size, std::string text, PageColour colour = kBlack)
    {
        // The baseline sits a fifth of the font below the line's middle.
        const double baseline = y_ + size * kLeading / 2 + size * 0.35;
        Page().texts.push_back({x, baseline, size, std::move(text), colour});
    }
    void Rule(double x1, double y1, double x2, double y2, double lineWidth = 0.5, PageColour colour = kBlack)
    {
        Page().rules.push_back({x1, y1, x2, y2, lineWidth, colour});
    }
    void Paragraph(const std::string& text, double size, bool landscape = false)
    {
        const double height = size * kLeading;
        Reserve(height, landscape);
        std::string_view rest = text;
        while (true) {
            // A text's own line ends stay; each line wraps to the page.
            const std::size_t end = rest.find('\n');
            for (std::string& line : Wrap(rest.substr(0, end), size, Room(), width_)) {
                Reserve(height, landscape);
                Text(Left(), size, std::move(line));
                y_ += height;
            }
            if (end == std::string_view::npos)
                break;
            rest.remove_prefix(end + 1);
        }
    }
    void Table(const BookTable& table, const std::string* heading);

    const TextWidth& width_;
    std::vector<BookPage> pages_;
    bool landscape_ = false;
    double y_ = kTop;
};

void Layout::TitleBlock(const CalculationBook& book)
{
    NewPage(false);
    y_ += 24;
    const double titleWidth = width_(book.title, kTitleSize);
    Text(Left() + (Room() - titleWidth) / 2, kTitleSize, book.title);
    y_ += kTitleSize * kLeading + 24;
    // Each line a title and its value on a rule, blank to sign on.
    const double height = kBodySize * 2.2;
    const double titleRoom = width_("工程名称：", kBodySize);
    for (const TitleLine& line : book.titleBlock) {
        const std::vector<std::string> values = line.value.empty()
            ? std::vector<std::string>{""}
            : Wrap(line.value, kBodySize, Room() - titleRoom - kCellPadding, width_);
        Reserve(height * static_cast<double>(values.size()), false);
        Text(Left(), kBodySize, line.title + "：");
        for (const std::string& value : values) {
            Text(Left() + titleRoom + kCellPadding, kBodySize, value);
            Rule(Left() + titleRoom, y_ + kBodySize * kLeading, Right(), y_ + kBodySize * kLeading, 0.4);
            y_ += height;
        }
    }
    y_ += kBodySize;
    Paragraph("计算程序：" + book.program, kBodySize);
    y_ += kBodySize;
}

void Layout::Part(const BookPart& part)
{
    // A part of only tables keeps its heading with the first table's rows.
    const bool headingWithTable = part.lines.empty() && !part.tables.empty();
    const double headingHeight = kHeadingSize * kLeading;
    if (!headingWithTable) {
        // A heading stays with its first line.
        Reserve(headingHeight + kBodySize * kLeading * 2, false);
        y_ += kHeadingSize * 0.5;
        Text(Left(), kHeadingSize, part.heading);
        y_ += headingHeight;
    }
    for (const std::string& line : part.lines)
        Paragraph(line, kBodySize);
    bool first = headingWithTable;
    for (const BookTable& table : part.tables) {
        Table(table, first ? &part.heading : nullptr);
        first = false;
    }
}

void Layout::Table(const BookTable& table, const std::string* heading)
{
    const std::size_t columns = table.headings.size();
    std::vector<std::vector<std::string>> headings;
    std::size_t headingLines = 1;
    for (const std::string& h : table.headings) {
        headings.push_back(HeadingLines(h));
        headingLines = std::max(headingLines, headings.back().size());
    }
    // The columns' natural widths at a size: the widest of heading and cells.
    const auto natural = [&](double size) {
        std::vector<double> widths(columns, 0.0);
        for (std::size_t c = 0; c < columns; ++c) {
            for (const std::string& line : headings[c])
                widths[c] = std::max(widths[c], width_(line, size));
        }
        for (const BookRow& row : table.rows) {
            for (std::size_t c = 0; c < columns && c < row.cells.size(); ++c)
                widths[c] = std::max(widths[c], width_(row.cells[c].Shown(), size));
        }
        for (double& w : widths)
            w += 2 * kCellPadding;
        return widths;
    };
    const auto total
        = [](const std::vector<double>& widths) { return std::accumulate(widths.begin(), widths.end(), 0.0); };
    const double portraitRoom = kA4Short - kLeft - kRight;
    const double landscapeRoom = kA4Long - kLeft - kRight;
    double size = kTableSize;
    std::vector<double> widths = natural(size);
    bool landscape = total(widths) > portraitRoom;
    while (landscape && total(widths) > landscapeRoom && size > kSmallestTableSize) {
        size -= 0.5;
        widths = natural(size);
    }
    const double room = landscape ? landscapeRoom : portraitRoom;
    // Too wide even so: the widest give way to one width, their cells
    // elided, and the rest keep theirs.
    if (total(widths) > room) {
        std::vector<double> sorted = widths;
        std::sort(sorted.begin(), sorted.end());
        double rest = room;
        double cap = room / static_cast<double>(sorted.size());
        for (std::size_t i = 0; i < sorted.size(); ++i) {
            const double others = static_cast<double>(sorted.size() - i);
            if (sorted[i] * others > rest) {
                cap = rest / others;
                break;
            }
            rest -= sorted[i];
        }
        for (double& w : widths)
            w = std::min(w, cap);
    }

    const double rowHeight = size * kLeading;
    const double headerHeight = rowHeight * static_cast<double>(headingLines);
    const double tableWidth = total(widths);
    const auto header = [&] {
        const double top = y_;
        Rule(Left(), top, Left() + tableWidth, top, 0.8);
        double x = Left();
        for (std::size_t c = 0; c < columns; ++c) {
            const double saved = y_;
            for (const std::string& line : headings[c]) {
                Text(x + kCellPadding, size, Elide(line, size, widths[c] - 2 * kCellPadding, width_));
                y_ += rowHeight;
            }
            y_ = saved;
            x += widths[c];
        }
        y_ = top + headerHeight;
        Rule(Left(), y_, Left() + tableWidth, y_, 0.5);
    };

    // The part's heading, the table's heading and its first row together.
    const double headingHeight = heading != nullptr ? kHeadingSize * kLeading * 1.5 : 0;
    Reserve(headingHeight + headerHeight + rowHeight, landscape);
    if (heading != nullptr) {
        y_ += kHeadingSize * 0.5;
        Text(Left(), kHeadingSize, *heading);
        y_ += kHeadingSize * kLeading;
    } else {
        y_ += kBodySize * 0.5;
    }
    header();
    for (const BookRow& row : table.rows) {
        if (y_ + rowHeight > Bottom()) {
            Rule(Left(), y_, Left() + tableWidth, y_, 0.8);
            NewPage(landscape);
            header();
        }
        if (row.index)
            Page().boxes.push_back({Left(), y_, tableWidth, rowHeight, kIndexFill});
        double x = Left();
        for (std::size_t c = 0; c < columns; ++c) {
            const BookCell* cell = c < row.cells.size() ? &row.cells[c] : nullptr;
            if (cell != nullptr) {
                std::string shown = Elide(cell->Shown(), size, widths[c] - 2 * kCellPadding, width_);
                const double left
                    = cell->figure ? x + widths[c] - kCellPadding - width_(shown, size) : x + kCellPadding;
                Text(left, size, std::move(shown), row.unbalanced ? kRed : kBlack);
            }
            x += widths[c];
        }
        y_ += rowHeight;
        Rule(Left(), y_, Left() + tableWidth, y_, 0.25, kRuleGrey);
    }
    Rule(Left(), y_, Left() + tableWidth, y_, 0.8);
    y_ += kNoteSize * 0.5;
    for (const std::string& note : table.notes)
        Paragraph(note, kNoteSize, landscape);
    y_ += kBodySize * 0.5;
}

std::vector<BookPage> Layout::Finish(const CalculationBook& book)
{
    // The project's name where it has one, beside the page number.
    const std::string running = book.project.empty() ? book.title : book.title + " · " + book.project;
    const std::string count = std::to_string(pages_.size());
    for (std::size_t p = 0; p < pages_.size(); ++p) {
        BookPage& page = pages_[p];
        const std::string number = "第 " + std::to_string(p + 1) + " 页 共 " + count + " 页";
        const double numberWidth = width_(number, kFooterSize);
        const double baseline = page.height - kFooterFromBottom;
        const double right = page.width - kRight;
        page.rules.push_back({kLeft, baseline - kFooterSize * 1.4, right, baseline - kFooterSize * 1.4, 0.4, kBlack});
        page.texts.push_back({right - numberWidth, baseline, kFooterSize, number, kBlack});
        page.texts.push_back({kLeft, baseline, kFooterSize,
            Elide(running, kFooterSize, right - kLeft - numberWidth - 4 * kCellPadding, width_), kBlack});
    }
    return std::move(pages_);
}

} // namespace

std::vector<BookPage> LayOutBook(const CalculationBook& book, const TextWidth& width)
{
    Layout layout(width);
    layout.TitleBlock(book);
    for (const BookPart& part : book.parts)
        layout.Part(part);
    return layout.Finish(book);
}

} // namespace vendrel::book
