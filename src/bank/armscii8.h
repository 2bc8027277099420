#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// ArmSCII-8, the 8-bit code of the test file: ASCII in 0x00..0x7F, Armenian letters and
// punctuation in 0xA2..0xFE. Bytes the code leaves unassigned (0x80..0x9F, 0xA1, 0xFF) decode
// to U+FFFD, so a damaged or foreign file shows visibly wrong characters instead of vanishing.
namespace bank {

inline constexpr char16_t Armscii8Replacement = u'\uFFFD';

// One character per byte; never fails.
QString decodeArmscii8(QByteArrayView bytes);
// The character of one byte; Armscii8Replacement for the bytes that stand for none.
char16_t armscii8Char(quint8 byte);

// One byte per character. ASCII characters keep their ASCII byte (never the Armenian
// duplicates of ASCII punctuation at 0xA4, 0xA5, 0xA9, 0xAB, 0xAC). When a character has no
// byte, returns an empty array and sets *firstBadIndex to its index in text (-1 on success).
QByteArray encodeArmscii8(QStringView text, qsizetype *firstBadIndex = nullptr);

bool armscii8CanEncode(char16_t ch);

// Writes text.size() bytes to out, as encodeArmscii8 does; the index of the first character
// without a byte, or -1 when all have one.
qsizetype encodeArmscii8Into(QStringView text, char *out);

} // namespace bank
