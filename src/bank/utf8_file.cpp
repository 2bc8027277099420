#include "bank/utf8_file.h"

#include "bank/file_kind.h"
#include "bank/line_index.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace bank {
namespace {

constexpr QByteArrayView Utf8ByteOrderMark = "\xEF\xBB\xBF";

// UTF-8 to UTF-16: ASCII and two-byte sequences (the Armenian letters among them) here, longer
// ones through Qt's decoder. The offset of the first byte that is no UTF-8, or -1.
qsizetype decodeUtf8(QByteArrayView bytes, QString &text)
{
    text.resize(bytes.size());
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    const auto *in = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        const uchar lead = in[i];
        if (lead < 0x80) {
            *out++ = lead;
            ++i;
        } else if (lead >= 0xC2 && lead < 0xE0 && i + 1 < size && (in[i + 1] & 0xC0) == 0x80) {
            *out++ = char16_t(((lead & 0x1F) << 6) | (in[i + 1] & 0x3F));
            i += 2;
        } else {
            const qsizetype length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 1;
            QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            const QString chars = decoder(bytes.sliced(i, std::min(length, size - i)));
            if (length == 1 || i + length > size || decoder.hasError())
                return i;
            for (const QChar c : chars)
                *out++ = c.unicode();
            i += length;
        }
    }
    text.truncate(out - reinterpret_cast<const char16_t *>(text.constData()));
    return -1;
}

} // namespace

bool readUtf8File(const QString &path, QString &text, SourceError &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failAt(error, {path, 0, 0}, file.errorString());
    // Mapped, the largest source is decoded without first being copied whole.
    QByteArray read;
    const uchar *mapped = file.size() > 0 ? file.map(0, file.size()) : nullptr;
    if (!mapped)
        read = file.readAll();
    const QByteArrayView whole = mapped ? QByteArrayView(mapped, file.size()) : QByteArrayView(read);
    if (const QString problem = foreignFileProblem(whole); !problem.isEmpty())
        return failAt(error, {path, 0, 0}, problem);
    // Notepad begins its UTF-8 with a byte order mark.
    const QByteArrayView bytes = whole.sliced(whole.startsWith(Utf8ByteOrderMark) ? 3 : 0);
    const qsizetype bad = decodeUtf8(bytes, text);
    if (bad >= 0)
        return failAt(error, LineIndex(bytes, path, LineIndex::Columns::Utf8Characters).at(bad),
                      QCoreApplication::translate("bank::Utf8File", "the file is not valid UTF-8"));
    return true;
}

} // namespace bank
