#include "cli/csvreader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <utility>

namespace vendrel::cli {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

} // namespace

CsvReader::CsvReader(std::FILE* in, bool lineAtATime)
    : m_in(in)
    , m_lineAtATime(lineAtATime)
{ }

std::size_t CsvReader::Fill()
{
    if (!m_lineAtATime)
        return std::fread(m_buffer, 1, sizeof m_buffer, m_in);
    // fread would wait for a whole block; getc returns at each line end.
    std::size_t n = 0;
    while (n < sizeof m_buffer) {
        const int c = std::getc(m_in);
        if (c == EOF)
            break;
        m_buffer[n++] = static_cast<char>(c);
        if (c == '\n')
            break;
    }
    return n;
}

int CsvReader::Peek()
{
    if (m_pos == m_len) {
        if (m_eof)
            return EOF;
        errno = 0;
        m_len = Fill();
        m_pos = 0;
        if (m_len == 0) {
            // A failed read is not the end of the input: remember why it failed.
            if (std::ferror(m_in))
                m_readError = errno != 0 ? errno : EIO;
            m_eof = true;
            return EOF;
        }
        if (!m_started) {
            m_started = true;
            if (std::string_view(m_buffer, m_len).substr(0, kByteOrderMark.size()) == kByteOrderMark)
                m_pos = kByteOrderMark.size();
            if (m_pos == m_len)
                return Peek();
        }
    }
    return static_cast<unsigned char>(m_buffer[m_pos]);
}

int CsvReader::Get()
{
    const int c = Peek();
    if (c != EOF)
        ++m_pos;
    if (c == '\n')
        ++m_line;
    return c;
}

bool CsvReader::AppendPlainRun(std::string& cell, std::size_t& bytes)
{
    const auto plain = [](char c) { return c != ',' && c != '"' && c != '\n' && c != '\r' && c != '\0'; };
    while (Peek() != EOF) {
        const char* const first = m_buffer + m_pos;
        const char* const last = m_buffer + m_len;
        const char* const stop = std::find_if_not(first, last, plain);
        const auto n = static_cast<std::size_t>(stop - first);
        bytes += n;
        if (bytes > kMaxRecordBytes)
            return false;
        cell.append(first, n);
        m_pos += n;
        if (stop != last)
            break;
    }
    return true;
}

CsvReader::Result CsvReader::Fail(long line, std::string text)
{
    m_errorLine = line;
    m_errorText = std::move(text);
    return Result::Error;
}

CsvReader::Result CsvReader::Next(std::vector<std::string>& cells)
{
    const Result result = ReadRecord(cells);
    // The record, or the end, that a failed read cut short is not trusted.
    if (m_readError != 0)
        return Fail(m_line, std::strerror(m_readError));
    return result;
}

CsvReader::Result CsvReader::ReadRecord(std::vector<std::string>& cells)
{
    std::size_t count = 0;
    std::size_t bytes = 0;
    auto startCell = [&]() -> std::string& {
        if (count == cells.size())
            cells.emplace_back();
        std::string& cell = cells[count++];
        cell.clear();
        return cell;
    };

    // Skip blank lines between records.
    for (;;) {
        const int c = Peek();
        if (c == '\n') {
            Get();
        } else if (c == '\r') {
            Get();
            if (Peek() != '\n')
                return Fail(m_line, "carriage return without line feed");
        } else if (c == EOF) {
            return Result::End;
        } else {
            break;
        }
    }

    m_recordLine = m_line;
    std::string* cell = &startCell();
    for (;;) {
        if (!AppendPlainRun(*cell, bytes))
            return Fail(m_recordLine, "line longer than 1 MiB");
        int c = Get();
        if (c != EOF && ++bytes > kMaxRecordBytes)
            return Fail(m_recordLine, "line longer than 1 MiB");
        if (c == 0)
            return Fail(m_line, "NUL byte");
        if (c == '"' && cell->empty()) {
            const long quoteLine = m_line;
            for (;;) {
                c = Get();
                if (c == EOF)
                    return Fail(quoteLine, "unterminated quoted field");
                if (++bytes > kMaxRecordBytes)
                    return Fail(m_recordLine, "line longer than 1 MiB");
                if (c == 0)
                    return Fail(m_line, "NUL byte");
                if (c == '"') {
                    if (Peek() != '"')
                        break;
                    Get();
                    ++bytes;
                }
                cell->push_back(static_cast<char>(c));
            }
            c = Get();
            if (c == '\r')
                c = Get() == '\n' ? '\n' : 'x';
            if (c != ',' && c != '\n' && c != EOF)
                return Fail(m_line, "unexpected character after a closing quote");
        }
        if (c == '\r') {
            if (Peek() != '\n')
                return Fail(m_line, "carriage return without line feed");
            c = Get();
        }
        if (c == ',' || c == '\n' || c == EOF) {
            if (!IsValidUtf8(*cell))
                return Fail(m_recordLine, "invalid UTF-8 in field " + std::to_string(count));
            if (c != ',')
                break;
            cell = &startCell();
            continue;
        }
        cell->push_back(static_cast<char>(c));
    }
    cells.resize(count);
    return Result::Record;
}

bool IsValidUtf8(const std::string& text)
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
        if (end - p < extra)
            return false;
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

char* WriteCsvCell(char* out, std::string_view cell)
{
    // A plain loop: find_first_of scans the set once per character.
    const auto special = [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; };
    if (std::none_of(cell.begin(), cell.end(), special)) {
        if (!cell.empty())
            std::memcpy(out, cell.data(), cell.size());
        return out + cell.size();
    }
    *out++ = '"';
    for (const char c : cell) {
        if (c == '"')
            *out++ = '"';
        *out++ = c;
    }
    *out++ = '"';
    return out;
}

} // namespace vendrel::cli
