#pragma once

#include "bank/bank_source.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

namespace bank {

// Line and column of a byte of a file, found by a binary search over the line starts, so a
// report of thousands of places costs little. Lines end with CR LF, LF or CR, as the test-file
// reader has them; columns count characters from 1: bytes in a test file, where each is one,
// the characters of a UTF-8 file however many bytes each takes.
class LineIndex
{
public:
    enum class Columns { Bytes, Utf8Characters };

    LineIndex(QByteArrayView bytes, const QString &fileName, Columns columns = Columns::Bytes);

    SourcePosition at(qsizetype offset) const;
    // The offset where the line after the one holding offset begins, or the size at the end.
    qsizetype nextLineStart(qsizetype offset) const;

private:
    QByteArrayView m_bytes; // for UTF-8 columns
    QList<qsizetype> m_lineStarts;
    qsizetype m_size = 0;
    QString m_fileName;
};

} // namespace bank
