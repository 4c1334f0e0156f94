#include "cli/rowbuffer.h"

#include <algorithm>

namespace vendrel::cli {

RowBuffer::RowBuffer(std::FILE* out, bool flushEachWrite)
    : m_out(out)
    , m_flushEachWrite(flushEachWrite)
{ }

char* RowBuffer::Room(std::size_t bytes)
{
    if (m_bytes.size() - m_size < bytes)
        m_bytes.resize(std::max(2 * m_bytes.size(), m_size + bytes));
    return m_bytes.data() + m_size;
}

bool RowBuffer::Write()
{
    const bool written
        = std::fwrite(m_bytes.data(), 1, m_size, m_out) == m_size && (!m_flushEachWrite || std::fflush(m_out) == 0);
    m_size = 0;
    return written;
}

} // namespace vendrel::cli
