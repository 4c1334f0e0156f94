#pragma once

#include "files/textdecoder.h"

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace vendrel::files {

// Reads RFC 4180 CSV records one at a time from a stream, in constant memory:
// a fixed read buffer plus the cells of the current record, whose storage is
// reused from record to record. The text may be in any encoding TextDecoder
// knows; cells come out in UTF-8. Cells are separated by commas, or by tabs
// where the first line has one (Excel's "Unicode text"). Accepts LF and CRLF
// line ends and skips blank lines, and refuses what would make a row's
// meaning uncertain: unterminated quotes, NUL bytes, invalid text, records
// over kMaxRecordBytes, and a stream that fails to read (never taken for its
// end).
class CsvReader {
public:
    static constexpr std::size_t kMaxRecordBytes = std::size_t{1} << 20;

    enum class Result { Record, End, Error };

    // lineAtATime reads no further than the end of each line, for input typed
    // or trickling in while someone watches the results; otherwise the stream
    // is read in large blocks.
    explicit CsvReader(std::FILE* in, bool lineAtATime = false);

    // Reads the next record into cells (resized to its field count).
    Result Next(std::vector<std::string>& cells);
    // The same with each cell a view of text the reader holds, valid until
    // the next call: a long schedule's cells are not copied.
    Result Next(std::vector<std::string_view>& cells);

    // Line on which the last record returned started.
    long RecordLine() const { return m_recordLine; }
    // Line the reader has reached.
    long Line() const { return m_line; }
    // After Result::Error: the line and what is wrong there (for a failed
    // read, the system's words).
    long ErrorLine() const { return m_errorLine; }
    const messages::Message& Error() const { return m_error; }
    // After Result::Error from a failed read: the system's error number, and
    // how many lines were read whole before it; otherwise 0.
    int ReadError() const { return m_readError; }
    long LinesBeforeReadError() const { return m_readError != 0 ? m_line - 1 : 0; }

    TextDecoder::Encoding encoding() const { return m_decoder.encoding(); }
    char Separator() const { return m_separator; }

private:
    int Get();
    int Peek();
    bool Fill();
    // Skips blank lines to the next record; Record where there is one.
    Result StartRecord();
    // Splits a record that is one plain line whole in the block read; false,
    // having read nothing, for any other.
    bool ReadPlainLine(std::vector<std::string_view>& cells);
    Result ReadRecord(std::vector<std::string>& cells);
    // The record's result, unless a failed read or decoding cut it short.
    Result Checked(Result result);
    // Appends the bytes up to the next one that needs interpreting (separator,
    // quote, line end, NUL) straight from the buffer; false past the size limit.
    bool AppendPlainRun(std::string& cell, std::size_t& bytes);
    Result Fail(long line, messages::Message message);
    Result Fail(long line, messages::MessageId id);
    void ChooseSeparator();

    std::FILE* m_in;
    bool m_lineAtATime;
    TextDecoder m_decoder;
    char m_buffer[64 * 1024];
    std::string_view m_text; // the decoded text of the last block read
    std::size_t m_pos = 0;
    bool m_eof = false;
    bool m_decodeFailed = false;
    char m_separator = ',';
    bool m_separatorChosen = false;
    bool m_special[256] = {}; // the bytes that end a plain run: separator, quote, line ends, NUL
    int m_readError = 0;
    long m_line = 1;
    long m_recordLine = 0;
    long m_errorLine = 0;
    messages::Message m_error;
    std::vector<std::string> m_cells; // a record read byte by byte, for views of it
    std::vector<std::string_view> m_plainCells;
};

} // namespace vendrel::files
