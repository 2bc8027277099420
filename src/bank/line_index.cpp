#include "bank/line_index.h"

#include <algorithm>

namespace bank {

LineIndex::LineIndex(QByteArrayView bytes, const QString &fileName) : m_size(bytes.size()), m_fileName(fileName)
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
    return {m_fileName, int(line), int(offset - m_lineStarts.at(line - 1)) + 1};
}

qsizetype LineIndex::nextLineStart(qsizetype offset) const
{
    const auto after = std::upper_bound(m_lineStarts.cbegin(), m_lineStarts.cend(), offset);
    return after == m_lineStarts.cend() ? m_size : *after;
}

} // namespace bank
