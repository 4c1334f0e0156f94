#include "book/bookpdf.h"

#include "book/textfit.h"

#include <hpdf.h>
#include <hpdf_font.h>
#include <hpdf_fontdef.h>

#include <cstdio>
#include <memory>
#include <string_view>
#include <type_traits>
#include <utility>

namespace vendrel::book {
namespace {

using messages::Message;
using messages::MessageId;

// libharu reports a failure to a handler and returns; the first is kept.
struct HaruStatus {
    HPDF_STATUS status = HPDF_OK;
    HPDF_STATUS detail = 0;
};

void OnHaruError(HPDF_STATUS status, HPDF_STATUS detail, void* data)
{
    auto* kept = static_cast<HaruStatus*>(data);
    if (kept->status == HPDF_OK) {
        kept->status = status;
        kept->detail = detail;
    }
}

struct FreeDoc {
    void operator()(HPDF_Doc doc) const { HPDF_Free(doc); }
};
using Doc = std::unique_ptr<std::remove_pointer_t<HPDF_Doc>, FreeDoc>;

bool EndsWithTtc(const std::string& file)
{
    if (file.size() < 4)
        return false;
    std::string end = file.substr(file.size() - 4);
    for (char& c : end)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return end == ".ttc";
}

// A document with the book's fonts, ready for pages: the first font draws
// what it has, the next ones what it lacks (a CJK font has no "⁻" or "⁵").
class FontDocument {
public:
    FontDocument(const std::vector<std::string>& fontFiles, Message& error)
    {
        doc_.reset(HPDF_New(OnHaruError, &status_));
        if (!doc_) {
            error = Message(MessageId::PdfLibraryFailed, {{"code", "HPDF_New"}});
            return;
        }
        HPDF_SetCompressionMode(doc_.get(), HPDF_COMP_ALL);
        HPDF_UseUTFEncodings(doc_.get());
        for (const std::string& file : fontFiles) {
            const char* name = EndsWithTtc(file) ? HPDF_LoadTTFontFromFile2(doc_.get(), file.c_str(), 0, HPDF_TRUE)
                                                 : HPDF_LoadTTFontFromFile(doc_.get(), file.c_str(), HPDF_TRUE);
            HPDF_Font font = name != nullptr ? HPDF_GetFont(doc_.get(), name, "UTF-8") : nullptr;
            if (font == nullptr) {
                error = Message(MessageId::BookFontUnreadable, {{"font", file}});
                doc_.reset();
                return;
            }
            faces_.push_back(font);
        }
        if (faces_.empty()) {
            error = Message(MessageId::BookFontUnreadable, {{"font", ""}});
            doc_.reset();
        }
    }

    bool Ok() const { return doc_ != nullptr; }
    HPDF_Doc Get() const { return doc_.get(); }

    // The text in runs, each in the first font that has its characters.
    std::vector<std::pair<HPDF_Font, std::string>> Runs(std::string_view text) const
    {
        std::vector<std::pair<HPDF_Font, std::string>> runs;
        for (std::size_t at = 0; at < text.size();) {
            const auto [code, length] = CodePointAt(text, at);
            HPDF_Font face = faces_.front();
            if (code < 0x10000 && code >= 0x80) {
                for (HPDF_Font candidate : faces_) {
                    const auto* attr = static_cast<HPDF_FontAttr>(candidate->attr);
                    if (HPDF_TTFontDef_GetGlyphid(attr->fontdef, static_cast<HPDF_UINT16>(code)) != 0) {
                        face = candidate;
                        break;
                    }
                }
            }
            if (runs.empty() || runs.back().first != face)
                runs.emplace_back(face, std::string());
            runs.back().second.append(text.substr(at, length));
            at += length;
        }
        return runs;
    }

    static double RunWidth(HPDF_Font font, const std::string& run, double size)
    {
        const HPDF_TextWidth w = HPDF_Font_TextWidth(
            font, reinterpret_cast<const HPDF_BYTE*>(run.data()), static_cast<HPDF_UINT>(run.size()));
        return static_cast<double>(w.width) * size / 1000.0;
    }

    TextWidth Measure() const
    {
        return [this](std::string_view text, double size) {
            double width = 0;
            for (const auto& [font, run] : Runs(text))
                width += RunWidth(font, run, size);
            return width;
        };
    }

    // The library's first failure, as a message; empty where there is none.
    Message Failure() const
    {
        if (status_.status == HPDF_OK)
            return {};
        char code[32];
        std::snprintf(code, sizeof code, "0x%04X/%u", static_cast<unsigned>(status_.status),
            static_cast<unsigned>(status_.detail));
        return Message(MessageId::PdfLibraryFailed, {{"code", code}});
    }

private:
    HaruStatus status_;
    Doc doc_;
    std::vector<HPDF_Font> faces_;
};

HPDF_REAL Channel(unsigned char value)
{
    return static_cast<HPDF_REAL>(value) / 255.0F;
}

void Draw(HPDF_Page page, const FontDocument& fonts, const BookPage& laid)
{
    const auto y = [&](double fromTop) { return static_cast<HPDF_REAL>(laid.height - fromTop); };
    for (const PageBox& box : laid.boxes) {
        HPDF_Page_SetRGBFill(page, Channel(box.fill.red), Channel(box.fill.green), Channel(box.fill.blue));
        HPDF_Page_Rectangle(page, static_cast<HPDF_REAL>(box.x), y(box.y + box.height),
            static_cast<HPDF_REAL>(box.width), static_cast<HPDF_REAL>(box.height));
        HPDF_Page_Fill(page);
    }
    for (const PageRule& rule : laid.rules) {
        HPDF_Page_SetLineWidth(page, static_cast<HPDF_REAL>(rule.width));
        HPDF_Page_SetRGBStroke(page, Channel(rule.colour.red), Channel(rule.colour.green), Channel(rule.colour.blue));
        HPDF_Page_MoveTo(page, static_cast<HPDF_REAL>(rule.x1), y(rule.y1));
        HPDF_Page_LineTo(page, static_cast<HPDF_REAL>(rule.x2), y(rule.y2));
        HPDF_Page_Stroke(page);
    }
    HPDF_Page_BeginText(page);
    for (const PageText& text : laid.texts) {
        if (text.text.empty())
            continue;
        HPDF_Page_SetRGBFill(page, Channel(text.colour.red), Channel(text.colour.green), Channel(text.colour.blue));
        double x = text.x;
        for (const auto& [font, run] : fonts.Runs(text.text)) {
            HPDF_Page_SetFontAndSize(page, font, static_cast<HPDF_REAL>(text.size));
            HPDF_Page_TextOut(page, static_cast<HPDF_REAL>(x), y(text.baseline), run.c_str());
            x += FontDocument::RunWidth(font, run, text.size);
        }
    }
    HPDF_Page_EndText(page);
}

} // namespace

bool BookPagesInFont(const CalculationBook& book, const std::vector<std::string>& fontFiles,
    std::vector<BookPage>& pages, Message& error)
{
    const FontDocument document(fontFiles, error);
    if (!document.Ok())
        return false;
    pages = LayOutBook(book, document.Measure());
    error = document.Failure();
    return error.Empty();
}

bool BookPdfBytes(
    const CalculationBook& book, const std::vector<std::string>& fontFiles, std::string& bytes, Message& error)
{
    const FontDocument document(fontFiles, error);
    if (!document.Ok())
        return false;
    HPDF_Doc doc = document.Get();
    const std::string title = book.project.empty() ? book.title : book.project + " " + book.title;
    // The document's title in Unicode, as its pages are.
    HPDF_SetCurrentEncoder(doc, "UTF-8");
    HPDF_SetInfoAttr(doc, HPDF_INFO_TITLE, title.c_str());
    HPDF_SetInfoAttr(doc, HPDF_INFO_CREATOR, book.program.c_str());
    for (const BookPage& laid : LayOutBook(book, document.Measure())) {
        HPDF_Page page = HPDF_AddPage(doc);
        if (page == nullptr)
            break;
        HPDF_Page_SetWidth(page, static_cast<HPDF_REAL>(laid.width));
        HPDF_Page_SetHeight(page, static_cast<HPDF_REAL>(laid.height));
        Draw(page, document, laid);
    }
    if (document.Failure().Empty() && HPDF_SaveToStream(doc) == HPDF_OK) {
        HPDF_UINT32 size = HPDF_GetStreamSize(doc);
        bytes.resize(size);
        HPDF_ResetStream(doc);
        if (size > 0)
            HPDF_ReadFromStream(doc, reinterpret_cast<HPDF_BYTE*>(bytes.data()), &size);
        bytes.resize(size);
    }
    error = document.Failure();
    return error.Empty();
}

} // namespace vendrel::book
