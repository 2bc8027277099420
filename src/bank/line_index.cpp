#include "bank/line_index.h"

#include <algorithm>

namespace bank {

LineIndex::LineIndex(QByteArrayView bytes, const QString &fileName, Columns columns)
    : m_bytes(columns == Columns::Utf8Characters ? bytes : QByteArrayView()), m_size(bytes.size()), m_fileName(fileName)
{
    m_lineStarts.append(0);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        if (bytes[i] == '\r' || bytes[i] == '\n')
            m_lineStarts.append(i + 1);
    }
}

SourcePosition LineIndex::at(qsizetype offset) const
{
    const auto after = std::upper_bound(m_lineStarts.cbegin(), m_lineStarts.cend(), offset);
    const qsizetype line = after - m_lineStarts.cbegin();
    const qsizetype start = m_lineStarts.at(line - 1);
    // Continuation bytes, 10xxxxxx, add nothing to the column of a UTF-8 character.
    const auto continuations = std::count_if(m_bytes.begin() + std::min(start, m_bytes.size()),
                                             m_bytes.begin() + std::min(offset, m_bytes.size()),
                                             [](char b) { return (quint8(b) & 0xC0) == 0x80; });
    return {m_fileName, int(line), int(offset - start - continuations) + 1};
}

qsizetype LineIndex::nextLineStart(qsizetype offset) const
{
    const auto after = std::upper_bound(m_lineStarts.cbegin(), m_lineStarts.cend(), offset);
    return after == m_lineStarts.cend() ? m_size : *after;
}

} // namespace bank
