#include "bank/file_kind.h"

#include <QCoreApplication>

#include <algorithm>

namespace bank {
namespace {

struct Signature
{
    QByteArrayView start;
    const char *kind;
};

const Signature Signatures[] = {
    {"\xFF\xFE", QT_TRANSLATE_NOOP("bank::FileKind", "UTF-16 text")},
    {"\xFE\xFF", QT_TRANSLATE_NOOP("bank::FileKind", "UTF-16 text")},
    {"PK\x03\x04",
     QT_TRANSLATE_NOOP("bank::FileKind", "a Word or OpenDocument document (.docx, .odt) or another zip archive")},
    {"%PDF", QT_TRANSLATE_NOOP("bank::FileKind", "a PDF document")},
    {"\xD0\xCF\x11\xE0", QT_TRANSLATE_NOOP("bank::FileKind", "an old Word document (.doc)")},
    {"{\\rtf", QT_TRANSLATE_NOOP("bank::FileKind", "a rich text document (.rtf)")},
};

// UTF-16 text has the high byte of each character at every other offset: zero for ASCII, small
// for the alphabets and punctuation (0x05 for Armenian), so a quarter of them zero at least. A test
// file has a zero byte at its end at most, a picture or a program has large bytes on both sides.
bool isUtf16WithoutMark(QByteArrayView bytes)
{
    const QByteArrayView start = bytes.first(std::min<qsizetype>(bytes.size(), 1024) & ~qsizetype(1));
    for (qsizetype high = 0; high < 2; ++high) {
        qsizetype zeros = 0, small = 0;
        for (qsizetype i = high; i < start.size(); i += 2) {
            zeros += start[i] == 0;
            small += quint8(start[i]) < 0x30;
        }
        if (start.size() >= 4 && small * 2 == start.size() && zeros * 8 >= start.size())
            return true;
    }
    return false;
}

} // namespace

QString foreignFileProblem(QByteArrayView bytes)
{
    const auto found = std::find_if(std::begin(Signatures), std::end(Signatures),
                                    [&](const Signature &s) { return bytes.startsWith(s.start); });
    const char *kind = found != std::end(Signatures) ? found->kind
                       : isUtf16WithoutMark(bytes)   ? Signatures[0].kind
                                                     : nullptr;
    if (!kind)
        return {};
    //: %1 is what the file is, "a PDF document" or the like.
    return QCoreApplication::translate("bank::FileKind", "the file is %1: save it as plain text, UTF-8")
        .arg(QCoreApplication::translate("bank::FileKind", kind));
}

} // namespace bank
