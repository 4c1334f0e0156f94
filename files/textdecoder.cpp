#include "files/textdecoder.h"

#include "files/platform.h"

#include <algorithm>

namespace vendrel::files {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigMark = "\xFE\xFF";
// A line of GB18030 is converted whole; one longer than this is no table.
constexpr std::size_t kMaxLine = std::size_t{1} << 20;

bool StartsWith(std::string_view text, std::string_view start)
{
    return text.substr(0, start.size()) == start;
}

void AppendUtf8(std::string& out, unsigned codePoint)
{
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// Whether text has a byte of 0x80 or above. Every byte is looked at, with
// no early exit, so that the compiler can take many at a time: an ASCII file
// is scanned block after block until its encoding is decided.
bool HasNonAscii(std::string_view text)
{
    unsigned char bytesOr = 0;
    for (const char c : text)
        bytesOr |= static_cast<unsigned char>(c);
    return (bytesOr & 0x80u) != 0;
}

// The length of the well-formed UTF-8 sequence at the start of text, 0 for
// none (a byte no sequence starts with, or one cut short).
std::size_t SequenceLength(std::string_view text)
{
    for (std::size_t length = 2; length <= 4 && length <= text.size(); ++length) {
        if (IsValidUtf8(text.substr(0, length)))
            return length;
    }
    return 0;
}

// Whether a block with non-ASCII bytes is UTF-8: wholly well-formed, or
// with more well-formed sequences than bytes that fit none, a UTF-8 file
// with a fault, which the CSV reader then names. Chinese text in GBK forms
// well-formed UTF-8 only here and there.
bool LooksLikeUtf8(std::string_view block, bool last)
{
    if (IsValidUtf8(block, !last))
        return true;
    long wellFormed = 0;
    long faults = 0;
    for (std::size_t i = 0; i < block.size();) {
        if (static_cast<unsigned char>(block[i]) < 0x80) {
            ++i;
        } else if (const std::size_t length = SequenceLength(block.substr(i)); length > 0) {
            ++wellFormed;
            i += length;
        } else {
            ++faults;
            ++i;
        }
    }
    return wellFormed > faults;
}

} // namespace

bool TextDecoder::Fail(messages::MessageId what)
{
    m_error = messages::Message(what);
    return false;
}

void TextDecoder::PassThrough(std::string_view data, std::string_view raw)
{
    // Only the first block, which may begin with a carried byte-order mark, is
    // not part of raw.
    if (data.data() >= raw.data() && data.data() + data.size() <= raw.data() + raw.size()) {
        m_text = data;
    } else {
        m_converted.assign(data);
        m_text = m_converted;
    }
}

bool TextDecoder::Decode(std::string_view raw, bool last)
{
    m_text = {};
    if (!m_error.Empty())
        return false;   // the lines before the fault were handed on last time
    std::string joined; // a carried part and the new bytes
    std::string_view data = raw;
    if (!m_carry.empty()) {
        joined = m_carry;
        joined.append(raw);
        m_carry.clear();
        data = joined;
    }
    m_converted.clear();
    if (!m_started) {
        if (data.size() < kUtf8Mark.size() && !last) {
            m_carry.assign(data); // a byte-order mark may be cut
            return true;
        }
        m_started = true;
        if (StartsWith(data, kUtf8Mark)) {
            m_encoding = Encoding::Utf8;
            data.remove_prefix(kUtf8Mark.size());
        } else if (StartsWith(data, kUtf16LittleMark)) {
            m_encoding = Encoding::Utf16LittleEndian;
            data.remove_prefix(kUtf16LittleMark.size());
        } else if (StartsWith(data, kUtf16BigMark)) {
            m_encoding = Encoding::Utf16BigEndian;
            data.remove_prefix(kUtf16BigMark.size());
        }
    }
    switch (m_encoding) {
    case Encoding::Utf16LittleEndian:
    case Encoding::Utf16BigEndian:
        return DecodeUtf16(data, last);
    case Encoding::Gb18030:
        return DecodeGb18030(data, last);
    case Encoding::Undecided:
        if (HasNonAscii(data)) {
            // The first block with a non-ASCII byte decides.
            m_encoding = LooksLikeUtf8(data, last) ? Encoding::Utf8 : Encoding::Gb18030;
            if (m_encoding == Encoding::Gb18030)
                return DecodeGb18030(data, last);
        }
        break;
    case Encoding::Utf8:
        break;
    }
    // UTF-8 is handed on as it is: the CSV reader checks it cell by cell.
    PassThrough(data, raw);
    return true;
}

bool TextDecoder::DecodeUtf16(std::string_view data, bool last)
{
    const bool big = m_encoding == Encoding::Utf16BigEndian;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.data());
    const auto unit = [&](std::size_t i) -> unsigned {
        return big ? (bytes[i] << 8) | bytes[i + 1] : bytes[i] | (bytes[i + 1] << 8);
    };
    m_converted.reserve(data.size() * 3 / 2 + 4);
    // The whole lines before a fault are handed on; the fault stops the next call.
    const auto fault = [&](messages::MessageId what) {
        m_converted.resize(m_converted.rfind('\n') + 1); // npos + 1 is 0
        Fail(what);
        m_text = m_converted;
        return !m_text.empty();
    };
    std::size_t i = 0;
    while (i + 1 < data.size()) {
        unsigned codePoint = unit(i);
        if (codePoint >= 0xD800 && codePoint <= 0xDBFF) {
            if (i + 3 >= data.size())
                break; // the low surrogate is in the next block
            const unsigned low = unit(i + 2);
            if (low < 0xDC00 || low > 0xDFFF)
                return fault(messages::MessageId::UnpairedSurrogate);
            codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (low - 0xDC00);
            i += 4;
        } else if (codePoint >= 0xDC00 && codePoint <= 0xDFFF) {
            return fault(messages::MessageId::UnpairedSurrogate);
        } else {
            i += 2;
        }
        AppendUtf8(m_converted, codePoint);
    }
    if (last && i < data.size())
        return fault(messages::MessageId::Utf16EndsInCharacter);
    m_carry.assign(data.substr(i));
    m_text = m_converted;
    return true;
}

bool TextDecoder::DecodeGb18030(std::string_view data, bool last)
{
    // Whole lines only: no byte of a GB18030 character of two or four bytes
    // is below 0x30, so a line end never cuts one.
    const std::size_t end = last ? data.size() : data.rfind('\n') + 1; // npos + 1 is 0
    if (end > 0) {
        const std::string_view whole = data.substr(0, end);
        if (!Gb18030ToUtf8(whole, m_converted)) {
            // The lines before the one at fault are handed on; the fault
            // stops the next call.
            m_converted.clear();
            std::size_t start = 0;
            for (;;) {
                const std::size_t stop = std::min(whole.find('\n', start), whole.size());
                const std::size_t good = m_converted.size();
                if (!Gb18030ToUtf8(whole.substr(start, std::min(stop + 1, whole.size()) - start), m_converted)
                    || stop == whole.size()) {
                    m_converted.resize(good);
                    Fail(messages::MessageId::NeitherUtf8NorGb18030);
                    m_text = m_converted;
                    return !m_text.empty();
                }
                start = stop + 1;
            }
        }
    }
    m_carry.assign(data.substr(end));
    if (m_carry.size() > kMaxLine)
        return Fail(messages::MessageId::LineTooLong);
    m_text = m_converted;
    return true;
}

bool IsValidUtf8(std::string_view text, bool incompleteEnd)
{
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* const end = p + text.size();
    while (p != end) {
        const unsigned char lead = *p++;
        if (lead < 0x80)
            continue;
        int extra;
        unsigned minimum;
        unsigned codePoint;
        if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1, minimum = 0x80, codePoint = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2, minimum = 0x800, codePoint = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3, minimum = 0x10000, codePoint = lead & 0x07u;
        } else {
            return false;
        }
        if (end - p < extra) {
            // Cut by the end of a block: the rest follows, if what is there fits.
            return incompleteEnd && std::all_of(p, end, [](unsigned char c) { return (c & 0xC0u) == 0x80u; });
        }
        for (int i = 0; i < extra; ++i, ++p) {
            if ((*p & 0xC0u) != 0x80u)
                return false;
            codePoint = (codePoint << 6) | (*p & 0x3Fu);
        }
        if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return false;
    }
    return true;
}

} // namespace vendrel::files
