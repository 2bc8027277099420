#include "bank/armscii8.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTest>

class TestArmscii8 : public QObject
{
    Q_OBJECT

private slots:
    void decodingAgreesWithIconv();
    void unassignedBytesDecodeToReplacement_data();
    void unassignedBytesDecodeToReplacement();
    void everyDecodableTextRoundTrips();
    void longTextsDecodeAsTheirSingleBytes();
    void asciiPunctuationKeepsItsAsciiByte();
    void armenianTextEncodesToItsBytes();
    void uncarriedCharacterIsRefusedWithItsIndex_data();
    void uncarriedCharacterIsRefusedWithItsIndex();
};

static QString iconvDecode(const QString &iconv, char byte, bool *accepted)
{
    QProcess process;
    process.start(iconv, {QStringLiteral("-f"), QStringLiteral("ARMSCII-8"),
                          QStringLiteral("-t"), QStringLiteral("UTF-8")});
    process.write(QByteArray(1, byte));
    process.closeWriteChannel();
    process.waitForFinished();
    *accepted = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return QString::fromUtf8(process.readAllStandardOutput());
}

void TestArmscii8::decodingAgreesWithIconv()
{
    const QString iconv = QStandardPaths::findExecutable(QStringLiteral("iconv"));
    if (iconv.isEmpty())
        QSKIP("iconv is not installed");

    int compared = 0;
    for (int b = 0; b < 256; ++b) {
        // The C1 controls are no part of the Armenian text; iconv passes them through,
        // the program shows them as the replacement character.
        if (b >= 0x80 && b < 0xA0)
            continue;
        bool accepted = false;
        const QString expected = iconvDecode(iconv, char(b), &accepted);
        const QString actual = bank::decodeArmscii8(QByteArray(1, char(b)));
        if (!accepted) {
            QCOMPARE(actual, QString(QChar(bank::kArmscii8Replacement)));
            continue;
        }
        QVERIFY2(actual == expected,
                 qPrintable(QStringLiteral("byte 0x%1: U+%2, iconv U+%3")
                                .arg(b, 2, 16, QChar(u'0'))
                                .arg(actual.isEmpty() ? 0 : actual[0].unicode(), 4, 16, QChar(u'0'))
                                .arg(expected.isEmpty() ? 0 : expected[0].unicode(), 4, 16, QChar(u'0'))));
        ++compared;
    }
    QVERIFY(compared > 200);
}

void TestArmscii8::unassignedBytesDecodeToReplacement_data()
{
    QTest::addColumn<int>("byte");
    QTest::newRow("0x80") << 0x80;
    QTest::newRow("0x99 between quotation marks") << 0x99;
    QTest::newRow("0x9f") << 0x9F;
    QTest::newRow("0xa1") << 0xA1;
    QTest::newRow("0xff") << 0xFF;
}

void TestArmscii8::unassignedBytesDecodeToReplacement()
{
    QFETCH(int, byte);
    const QByteArray bytes = QByteArray("\xA7") + char(byte) + QByteArray("\xA6");
    QCOMPARE(bank::decodeArmscii8(bytes), QString::fromUtf16(u"«\uFFFD»"));
}

void TestArmscii8::everyDecodableTextRoundTrips()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        const bool duplicateOfAscii = b == 0xA4 || b == 0xA5 || b == 0xA9 || b == 0xAB || b == 0xAC;
        const bool unassigned = (b >= 0x80 && b < 0xA0) || b == 0xA1 || b == 0xFF;
        if (!duplicateOfAscii && !unassigned)
            all += char(b);
    }
    const QString text = bank::decodeArmscii8(all);
    QCOMPARE(text.size(), all.size());
    qsizetype bad = 42;
    QCOMPARE(bank::encodeArmscii8(text, &bad), all);
    QCOMPARE(bad, qsizetype(-1));
}

// Long texts go through a faster path than single bytes: runs of letters and ASCII, every other
// byte mixed in at every position, and lengths around the block size must decode the same.
void TestArmscii8::longTextsDecodeAsTheirSingleBytes()
{
    QRandomGenerator random(2004);
    for (int round = 0; round < 400; ++round) {
        const int length = round < 64 ? round : int(random.bounded(1, 300));
        QByteArray bytes(length, Qt::Uninitialized);
        for (char &b : bytes) {
            const quint32 kind = random.bounded(10);
            b = char(kind < 6   ? random.bounded(0xB2, 0xFE)  // letters
                     : kind < 9 ? random.bounded(0x00, 0x80) // ASCII
                                : random.bounded(0x80, 0x100)); // anything else
        }
        if (round % 3 == 0)
            bytes.fill(char(0xB2 + round % 76)); // one letter throughout
        QString expected;
        for (const char b : bytes)
            expected += bank::decodeArmscii8(QByteArrayView(&b, 1));
        QCOMPARE(bank::decodeArmscii8(bytes), expected);
    }
}

void TestArmscii8::asciiPunctuationKeepsItsAsciiByte()
{
    // 0xA4, 0xA5, 0xA9, 0xAB, 0xAC read as ASCII punctuation but are never written.
    QCOMPARE(bank::decodeArmscii8("\xA5\xA4\xA9\xAB\xAC"), QStringLiteral("().,-"));
    QCOMPARE(bank::encodeArmscii8(u"().,-"), QByteArray("().,-"));
}

void TestArmscii8::armenianTextEncodesToItsBytes()
{
    QCOMPARE(bank::encodeArmscii8(u"Ո՞ր և Ֆ։"), QByteArray("\xE0\xB1\xF1 \xA2 \xFC\xA3"));
    QCOMPARE(bank::encodeArmscii8(u"«Ctrl+B»՝ ՛՜՚…—֊"),
             QByteArray("\xA7" "Ctrl+B\xA6\xAA \xB0\xAF\xFE\xAE\xA8\xAD"));
    QCOMPARE(bank::decodeArmscii8("\xB2\xB3\xFC\xFD"), QString::fromUtf16(u"ԱաՖֆ"));
}

void TestArmscii8::uncarriedCharacterIsRefusedWithItsIndex_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index");
    QTest::newRow("curly apostrophe") << QString::fromUtf16(u"ab\u2019c") << 2;
    QTest::newRow("ligature ﬓ") << QString::fromUtf16(u"Ա\uFB13") << 1;
    QTest::newRow("replacement character") << QString::fromUtf16(u"\uFFFD") << 0;
    QTest::newRow("Cyrillic") << QString::fromUtf16(u"Word Ж") << 5;
    QTest::newRow("Armenian comma-like U+055F") << QString::fromUtf16(u"ա\u055F") << 1;
    QTest::newRow("latin accent") << QString::fromUtf16(u"café") << 3;
    QTest::newRow("emoji surrogate") << QString::fromUtf16(u"x\U0001F600") << 1;
}

void TestArmscii8::uncarriedCharacterIsRefusedWithItsIndex()
{
    QFETCH(QString, text);
    QFETCH(int, index);
    qsizetype bad = -7;
    QVERIFY(bank::encodeArmscii8(text, &bad).isEmpty());
    QCOMPARE(bad, qsizetype(index));
    QVERIFY(!bank::armscii8CanEncode(text[index].unicode()));
}

QTEST_MAIN(TestArmscii8)
#include "tst_armscii8.moc"
