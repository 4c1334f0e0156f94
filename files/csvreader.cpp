#include "files/csvreader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <utility>

namespace vendrel::files {

CsvReader::CsvReader(std::FILE* in, bool lineAtATime)
    : m_in(in)
    , m_lineAtATime(lineAtATime)
{ }

bool CsvReader::Fill()
{
    std::size_t n = 0;
    errno = 0;
    if (!m_lineAtATime) {
        n = std::fread(m_buffer, 1, sizeof m_buffer, m_in);
    } else {
        // fread would wait for a whole block; getc returns at each line end.
        while (n < sizeof m_buffer) {
            const int c = std::getc(m_in);
            if (c == EOF)
                break;
            m_buffer[n++] = static_cast<char>(c);
            if (c == '\n')
                break;
        }
    }
    if (n == 0) {
        // A failed read is not the end of the input: remember why it failed.
        if (std::ferror(m_in))
            m_readError = errno != 0 ? errno : EIO;
        m_eof = true;
    }
    m_pos = 0;
    if (!m_decoder.Decode(std::string_view(m_buffer, n), m_eof)) {
        m_decodeFailed = true;
        m_eof = true;
        m_text = {};
        return false;
    }
    m_text = m_decoder.Text();
    return !m_text.empty();
}

int CsvReader::Peek()
{
    while (m_pos == m_text.size()) {
        if (m_eof || m_readError != 0)
            return EOF;
        Fill();
    }
    return static_cast<unsigned char>(m_text[m_pos]);
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
    const auto plain = [this](char c) { return !m_special[static_cast<unsigned char>(c)]; };
    while (Peek() != EOF) {
        const char* const first = m_text.data() + m_pos;
        const char* const last = m_text.data() + m_text.size();
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

CsvReader::Result CsvReader::Fail(long line, messages::Message message)
{
    m_errorLine = line;
    m_error = std::move(message);
    return Result::Error;
}

CsvReader::Result CsvReader::Fail(long line, messages::MessageId id)
{
    return Fail(line, messages::Message(id));
}

namespace {

// A fault of a file's encoding, with what to do about it.
messages::Message SaveAsUtf8(messages::Message problem)
{
    return messages::Message(messages::MessageId::SaveAsUtf8, {{"problem", std::move(problem)}});
}

} // namespace

CsvReader::Result CsvReader::Next(std::vector<std::string>& cells)
{
    Result result = StartRecord();
    if (result == Result::Record) {
        if (ReadPlainLine(m_plainCells)) {
            cells.resize(m_plainCells.size());
            for (std::size_t i = 0; i < cells.size(); ++i)
                cells[i].assign(m_plainCells[i]);
        } else {
            result = ReadRecord(cells);
        }
    }
    return Checked(result);
}

CsvReader::Result CsvReader::Next(std::vector<std::string_view>& cells)
{
    Result result = StartRecord();
    if (result == Result::Record && !ReadPlainLine(cells)) {
        result = ReadRecord(m_cells);
        cells.assign(m_cells.begin(), m_cells.end());
    }
    return Checked(result);
}

// Inline, as StartRecord: both are on every record's way.
inline CsvReader::Result CsvReader::Checked(Result result)
{
    // The record, or the end, that a failed read cut short is not trusted.
    if (m_readError != 0)
        return Fail(m_line, messages::Message(messages::MessageId::Verbatim, {{"text", std::strerror(m_readError)}}));
    if (m_decodeFailed)
        return Fail(m_line, SaveAsUtf8(m_decoder.Error()));
    return result;
}

void CsvReader::ChooseSeparator()
{
    m_separatorChosen = true;
    const std::string_view rest = m_text.substr(m_pos);
    if (rest.substr(0, rest.find('\n')).find('\t') != std::string_view::npos)
        m_separator = '\t';
    for (const char c : {m_separator, '"', '\n', '\r', '\0'})
        m_special[static_cast<unsigned char>(c)] = true;
}

inline CsvReader::Result CsvReader::StartRecord()
{
    // Skip blank lines between records.
    for (;;) {
        const int c = Peek();
        if (c == '\n') {
            Get();
        } else if (c == '\r') {
            Get();
            if (Peek() != '\n')
                return Fail(m_line, messages::MessageId::CarriageReturn);
        } else if (c == EOF) {
            return Result::End;
        } else {
            break;
        }
    }

    if (!m_separatorChosen)
        ChooseSeparator();
    m_recordLine = m_line;
    return Result::Record;
}

// Nearly every line of a schedule is plain: no quote, NUL or carriage return
// but the one before its line feed. Such a line, whole in the block, is split
// in one pass; ReadRecord reads any other byte by byte, and names what is
// wrong with it.
bool CsvReader::ReadPlainLine(std::vector<std::string_view>& cells)
{
    const char* const first = m_text.data() + m_pos;
    const auto* const lineFeed = static_cast<const char*>(std::memchr(first, '\n', m_text.size() - m_pos));
    // A line near the size limit is left to the reading that counts its bytes.
    if (lineFeed == nullptr || static_cast<std::size_t>(lineFeed - first) >= kMaxRecordBytes)
        return false;
    const char* const last = lineFeed != first && lineFeed[-1] == '\r' ? lineFeed - 1 : lineFeed;
    cells.clear();
    for (const char* p = first;; ++p) {
        // A cell runs to the next special byte, at the latest the line feed.
        const char* const cellStart = p;
        unsigned bytesOr = 0; // with its top bit set where the cell is not ASCII
        for (; !m_special[static_cast<unsigned char>(*p)]; ++p)
            bytesOr |= static_cast<unsigned char>(*p);
        if (p != last && *p != m_separator)
            return false; // a quote, NUL or carriage return
        const std::string_view cell(cellStart, static_cast<std::size_t>(p - cellStart));
        if ((bytesOr & 0x80u) != 0 && !IsValidUtf8(cell))
            return false;
        cells.push_back(cell);
        if (p == last)
            break;
    }
    m_pos = static_cast<std::size_t>(lineFeed + 1 - m_text.data());
    ++m_line;
    return true;
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
    std::string* cell = &startCell();
    for (;;) {
        if (!AppendPlainRun(*cell, bytes))
            return Fail(m_recordLine, messages::MessageId::LineTooLong);
        int c = Get();
        if (c != EOF && ++bytes > kMaxRecordBytes)
            return Fail(m_recordLine, messages::MessageId::LineTooLong);
        if (c == 0)
            return Fail(m_line, SaveAsUtf8(messages::Message(messages::MessageId::NulByteUtf16)));
        if (c == '"' && cell->empty()) {
            const long quoteLine = m_line;
            for (;;) {
                c = Get();
                if (c == EOF)
                    return Fail(quoteLine, messages::MessageId::UnterminatedQuote);
                if (++bytes > kMaxRecordBytes)
                    return Fail(m_recordLine, messages::MessageId::LineTooLong);
                if (c == 0)
                    return Fail(m_line, messages::MessageId::NulByte);
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
            if (c != m_separator && c != '\n' && c != EOF)
                return Fail(m_line, messages::MessageId::CharacterAfterQuote);
        }
        if (c == '\r') {
            if (Peek() != '\n')
                return Fail(m_line, messages::MessageId::CarriageReturn);
            c = Get();
        }
        if (c == m_separator || c == '\n' || c == EOF) {
            if (!IsValidUtf8(*cell))
                return Fail(m_recordLine,
                    SaveAsUtf8(messages::Message(messages::MessageId::InvalidUtf8Field, {{"field", count}})));
            if (c != m_separator)
                break;
            cell = &startCell();
            continue;
        }
        cell->push_back(static_cast<char>(c));
    }
    cells.resize(count);
    return Result::Record;
}

} // namespace vendrel::files
