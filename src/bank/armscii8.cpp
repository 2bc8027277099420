#include "bank/armscii8.h"

#include <algorithm>
#include <array>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace bank {
namespace {

// Byte 0xA0 onwards, as the standard assigns them; 0xA1 and 0xFF are unassigned. Eight a row.
// clang-format off
constexpr char16_t UpperHalfChars[96] = {
    u'\u00A0', Armscii8Replacement, u'\u0587', u'\u0589', u')', u'(', u'\u00BB', u'\u00AB',
    u'\u2014', u'.', u'\u055D', u',', u'-', u'\u058A', u'\u2026', u'\u055C',
    u'\u055B', u'\u055E',
    // 0xB2..0xFD: capital and small letter of Ա..Ֆ alternate.
    u'\u0531', u'\u0561', u'\u0532', u'\u0562', u'\u0533', u'\u0563', u'\u0534', u'\u0564',
    u'\u0535', u'\u0565', u'\u0536', u'\u0566', u'\u0537', u'\u0567', u'\u0538', u'\u0568',
    u'\u0539', u'\u0569', u'\u053A', u'\u056A', u'\u053B', u'\u056B', u'\u053C', u'\u056C',
    u'\u053D', u'\u056D', u'\u053E', u'\u056E', u'\u053F', u'\u056F', u'\u0540', u'\u0570',
    u'\u0541', u'\u0571', u'\u0542', u'\u0572', u'\u0543', u'\u0573', u'\u0544', u'\u0574',
    u'\u0545', u'\u0575', u'\u0546', u'\u0576', u'\u0547', u'\u0577', u'\u0548', u'\u0578',
    u'\u0549', u'\u0579', u'\u054A', u'\u057A', u'\u054B', u'\u057B', u'\u054C', u'\u057C',
    u'\u054D', u'\u057D', u'\u054E', u'\u057E', u'\u054F', u'\u057F', u'\u0550', u'\u0580',
    u'\u0551', u'\u0581', u'\u0552', u'\u0582', u'\u0553', u'\u0583', u'\u0554', u'\u0584',
    u'\u0555', u'\u0585', u'\u0556', u'\u0586',
    u'\u055A', Armscii8Replacement,
};

// clang-format on

constexpr std::array<char16_t, 256> makeDecodeTable()
{
    std::array<char16_t, 256> table{};
    for (int b = 0; b < 0x80; ++b)
        table[b] = char16_t(b);
    for (int b = 0x80; b < 0xA0; ++b)
        table[b] = Armscii8Replacement;
    for (int b = 0xA0; b < 0x100; ++b)
        table[b] = UpperHalfChars[b - 0xA0];
    return table;
}

constexpr std::array<char16_t, 256> DecodeTable = makeDecodeTable();

// The byte of each Armenian character U+0530..U+058F (0 for none); the few others are searched.
constexpr std::array<quint8, 0x60> makeArmenianTable()
{
    std::array<quint8, 0x60> table{};
    for (int b = 0xA0; b < 0x100; ++b) {
        if (DecodeTable[b] >= 0x530 && DecodeTable[b] < 0x590)
            table[DecodeTable[b] - 0x530] = quint8(b);
    }
    return table;
}

constexpr std::array<quint8, 0x60> ArmenianBytes = makeArmenianTable();

int byteFor(char16_t ch)
{
    if (ch < 0x80)
        return ch;
    if (ch >= 0x530 && ch < 0x590)
        return ArmenianBytes[ch - 0x530] ? ArmenianBytes[ch - 0x530] : -1;
    if (ch == Armscii8Replacement)
        return -1;
    for (int b = 0xA0; b < 0x100; ++b) {
        if (DecodeTable[b] == ch)
            return b;
    }
    return -1;
}

#if defined(__SSE2__)
// Decodes eight bytes, widened to 16-bit lanes, when each is ASCII or an Armenian letter (0xB2..0xFD,
// capital and small alternating from U+0531 and U+0561); false leaves the rest to the table.
bool decodeLettersAndAscii(__m128i bytes, char16_t *out)
{
    const __m128i ascii = _mm_cmplt_epi16(bytes, _mm_set1_epi16(0x80));
    const __m128i letter =
        _mm_and_si128(_mm_cmpgt_epi16(bytes, _mm_set1_epi16(0xB1)), _mm_cmplt_epi16(bytes, _mm_set1_epi16(0xFE)));
    if (_mm_movemask_epi8(_mm_or_si128(ascii, letter)) != 0xFFFF)
        return false;
    const __m128i offset = _mm_sub_epi16(bytes, _mm_set1_epi16(0xB2));
    const __m128i small = _mm_and_si128(offset, _mm_set1_epi16(1));
    const __m128i code = _mm_add_epi16(_mm_add_epi16(_mm_set1_epi16(0x531), _mm_srli_epi16(offset, 1)),
                                       _mm_mullo_epi16(small, _mm_set1_epi16(0x30)));
    const __m128i decoded = _mm_or_si128(_mm_and_si128(letter, code), _mm_and_si128(ascii, bytes));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(out), decoded);
    return true;
}
#endif

} // namespace

// Texts are nearly all Armenian letters, spaces and ASCII punctuation; those go sixteen bytes at a
// time, everything else through the table.
QString decodeArmscii8(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    const char *in = bytes.data();
    const char *end = in + bytes.size();
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    while (end - in >= 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in));
        if (decodeLettersAndAscii(_mm_unpacklo_epi8(block, zero), out)
            && decodeLettersAndAscii(_mm_unpackhi_epi8(block, zero), out + 8)) {
            in += 16;
            out += 16;
            continue;
        }
        for (const char *blockEnd = in + 16; in != blockEnd; ++in)
            *out++ = DecodeTable[static_cast<unsigned char>(*in)];
    }
#endif
    for (; in != end; ++in)
        *out++ = DecodeTable[static_cast<unsigned char>(*in)];
    return text;
}

char16_t armscii8Char(quint8 byte)
{
    return DecodeTable[byte];
}

QByteArray encodeArmscii8(QStringView text, qsizetype *firstBadIndex)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    const qsizetype bad = encodeArmscii8Into(text, bytes.data());
    if (firstBadIndex)
        *firstBadIndex = bad;
    return bad < 0 ? bytes : QByteArray();
}

bool armscii8CanEncode(char16_t ch)
{
    return byteFor(ch) >= 0;
}

#if defined(__SSE2__)
namespace {

// Encodes eight characters when each is ASCII or an Armenian letter; false leaves them to the table.
bool encodeLettersAndAscii(const char16_t *in, char *out)
{
    const __m128i chars = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in));
    const __m128i ascii = _mm_cmpeq_epi16(_mm_and_si128(chars, _mm_set1_epi16(short(0xFF80))), _mm_setzero_si128());
    const auto letter = [&](short first) {
        const __m128i k = _mm_sub_epi16(chars, _mm_set1_epi16(first));
        return std::pair{k,
                         _mm_and_si128(_mm_cmpgt_epi16(k, _mm_set1_epi16(-1)), _mm_cmplt_epi16(k, _mm_set1_epi16(38)))};
    };
    const auto [capitalIndex, capital] = letter(0x531);
    const auto [smallIndex, small] = letter(0x561);
    if (_mm_movemask_epi8(_mm_or_si128(ascii, _mm_or_si128(capital, small))) != 0xFFFF)
        return false;
    const __m128i capitalByte = _mm_add_epi16(_mm_set1_epi16(0xB2), _mm_add_epi16(capitalIndex, capitalIndex));
    const __m128i smallByte = _mm_add_epi16(_mm_set1_epi16(0xB3), _mm_add_epi16(smallIndex, smallIndex));
    const __m128i bytes = _mm_or_si128(_mm_and_si128(ascii, chars), _mm_or_si128(_mm_and_si128(capital, capitalByte),
                                                                                 _mm_and_si128(small, smallByte)));
    _mm_storel_epi64(reinterpret_cast<__m128i *>(out), _mm_packus_epi16(bytes, bytes));
    return true;
}

} // namespace
#endif

// Eight characters at a time where they are ASCII and Armenian letters, the rest through the table.
qsizetype encodeArmscii8Into(QStringView text, char *out)
{
    const char16_t *in = text.utf16();
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size;) {
#if defined(__SSE2__)
        if (size - i >= 8 && encodeLettersAndAscii(in + i, out + i)) {
            i += 8;
            continue;
        }
#endif
        for (const qsizetype blockEnd = std::min(i + 8, size); i < blockEnd; ++i) {
            const char16_t ch = in[i];
            const int b = ch < 0x80 ? int(ch) : ch >= 0x530 && ch < 0x590 ? ArmenianBytes[ch - 0x530] : byteFor(ch);
            if (b <= 0 && ch != 0)
                return i;
            out[i] = static_cast<char>(b);
        }
    }
    return -1;
}

} // namespace bank
