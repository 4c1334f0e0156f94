#include "ui/qt/bookpainter.h"

#include <QFont>
#include <QFontDatabase>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include "files/platform.h"

namespace vendrel::ui {
namespace {

using book::BookPage;
using book::PageColour;

QColor Colour(const PageColour& colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

// The book's first font, loaded for this program once: the PDF's glyphs and
// widths, so that the layout's room holds on paper too.
QString BookFamily()
{
    static const QString family = [] {
        const std::vector<std::string> fonts = files::BookFontFiles();
        const int id = fonts.empty() ? -1 : QFontDatabase::addApplicationFont(QString::fromStdString(fonts.front()));
        const QStringList families = id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList();
        return families.isEmpty() ? QStringLiteral("WenQuanYi Micro Hei") : families.front();
    }();
    return family;
}

} // namespace

void PrintBookPages(const std::vector<BookPage>& pages, QPrinter& printer)
{
    if (pages.empty())
        return;
    // The paper's own corner is the layout's origin: it has its margins. A
    // printer keeps one orientation through a document, so a landscape page
    // is turned onto the portrait sheet, as it would be bound.
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double scale = printer.resolution() / 72.0;
    QFont font(BookFamily());
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const BookPage& page = pages[p];
        if (p > 0)
            printer.newPage();
        painter.save();
        if (page.width > page.height) {
            painter.translate(page.height * scale, 0);
            painter.rotate(90);
        }
        for (const auto& box : page.boxes)
            painter.fillRect(
                QRectF(box.x * scale, box.y * scale, box.width * scale, box.height * scale), Colour(box.fill));
        for (const auto& rule : page.rules) {
            painter.setPen(QPen(Colour(rule.colour), rule.width * scale));
            painter.drawLine(QPointF(rule.x1 * scale, rule.y1 * scale), QPointF(rule.x2 * scale, rule.y2 * scale));
        }
        for (const auto& text : page.texts) {
            font.setPointSizeF(text.size);
            painter.setFont(font);
            painter.setPen(Colour(text.colour));
            painter.drawText(QPointF(text.x * scale, text.baseline * scale), QString::fromStdString(text.text));
        }
        painter.restore();
    }
    painter.end();
}

} // namespace vendrel::ui
