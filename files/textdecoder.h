#pragma once

#include "messages/message.h"

#include <string>
#include <string_view>

namespace vendrel::files {

// Turns the bytes of a text file into UTF-8 as they are read, block by
// block, in the encodings spreadsheets save: UTF-8 with or without a
// byte-order mark, UTF-16 (little or big endian) with one, and GB18030,
// which includes GBK, what Excel saves as "CSV" on a Chinese Windows.
// Without a byte-order mark a file is UTF-8 unless the first block that
// has any non-ASCII byte is not valid UTF-8: then it is GB18030 from the
// start (all before was ASCII, the same in both). GB18030 is converted by
// the platform's converter (iconv, MultiByteToWideChar), never by a table of
// our own.
class TextDecoder {
public:
    enum class Encoding { Undecided, Utf8, Utf16LittleEndian, Utf16BigEndian, Gb18030 };

    // Decodes the next bytes of the file; last says they end it. The UTF-8
    // is what Text() returns until the next call: raw itself where the file
    // is UTF-8, else the converted text. False, with Error() saying why,
    // where bytes cannot be decoded.
    bool Decode(std::string_view raw, bool last);
    std::string_view Text() const { return m_text; }

    Encoding encoding() const { return m_encoding; }
    const messages::Message& Error() const { return m_error; }

private:
    bool DecodeUtf16(std::string_view data, bool last);
    bool DecodeGb18030(std::string_view data, bool last);
    void PassThrough(std::string_view data, std::string_view raw);
    bool Fail(messages::MessageId what);

    Encoding m_encoding = Encoding::Undecided;
    bool m_started = false;
    std::string m_carry;     // bytes of a character or line cut at a block's end
    std::string m_converted; // the text of the last block where it is not UTF-8
    std::string_view m_text;
    messages::Message m_error;
};

// True when text is well-formed UTF-8 (no overlong forms, surrogates or code
// points beyond U+10FFFF). With incompleteEnd, a sequence cut short by the
// end of text counts as well-formed, for a block of a longer text.
bool IsValidUtf8(std::string_view text, bool incompleteEnd = false);

} // namespace vendrel::files
