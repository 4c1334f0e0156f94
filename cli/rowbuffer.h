#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace vendrel::cli {

// Rows held back and written in blocks, whole rows at a time, so that a stop
// leaves no partial row. A row is filled in place in room asked for ahead.
class RowBuffer {
public:
    RowBuffer(std::FILE* out, bool flushEachWrite);

    // Room for bytes more after the rows held. The buffer only grows, so that
    // a row is not first filled with zeros to be written over.
    char* Room(std::size_t bytes);
    // Holds what was filled in the room up to end.
    void Hold(const char* end) { m_size = static_cast<std::size_t>(end - m_bytes.data()); }
    std::size_t Size() const { return m_size; }

    // Writes the rows held; false where the write or its flush failed.
    bool Write();

private:
    std::FILE* m_out;
    bool m_flushEachWrite;
    std::string m_bytes; // rows held in its first m_size bytes; the rest is room
    std::size_t m_size = 0;
};

} // namespace vendrel::cli
