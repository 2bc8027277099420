#include "bank/armscii8.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTest>

using namespace bank;

class TestArmscii8 : public QObject
{
    Q_OBJECT

private slots:
    // The C1 controls, which iconv passes through, and the bytes iconv refuses are no part of the
    // Armenian text: they show as the replacement character.
    void everyByteDecodesAsIconvDecodesIt()
    {
        const QString iconv = QStandardPaths::findExecutable("iconv");
        if (iconv.isEmpty())
            QSKIP("iconv is not installed");
        for (int b = 0; b < 256; ++b) {
            QProcess process;
            process.start(iconv, {"-f", "ARMSCII-8", "-t", "UTF-8"});
            process.write(QByteArray(1, char(b)));
            process.closeWriteChannel();
            const bool refused = !process.waitForFinished() || process.exitCode() != 0 || (b >= 0x80 && b < 0xA0);
            const QString fromIconv = QString::fromUtf8(process.readAllStandardOutput());
            const QString expected = refused ? QString(QChar(Armscii8Replacement)) : fromIconv;
            QVERIFY2(decodeArmscii8(QByteArray(1, char(b))) == expected, qPrintable(QString::number(b, 16)));
        }
    }

    // Long texts go through a faster path than single bytes: runs of letters and ASCII, every
    // other byte mixed in at every position, and lengths around the block size must decode the same.
    void longTextsDecodeAsTheirSingleBytes()
    {
        QRandomGenerator random(2004);
        for (int round = 0; round < 400; ++round) {
            QByteArray bytes(round < 64 ? round : int(random.bounded(1, 300)), char(0xB0 + round % 80));
            for (char &b : bytes) { // letters, ASCII, anything else; every third text one byte throughout
                const quint32 kind = random.bounded(10);
                if (round % 3)
                    b = char(kind < 6   ? random.bounded(0xB2, 0xFE)
                             : kind < 9 ? random.bounded(0x80)
                                        : random.bounded(0x80, 0x100));
            }
            QString expected;
            for (const char b : bytes)
                expected += decodeArmscii8(QByteArrayView(&b, 1));
            QCOMPARE(decodeArmscii8(bytes), expected);
        }
    }

    // The Armenian duplicates of ASCII punctuation (0xA4, 0xA5, 0xA9, 0xAB, 0xAC) read as ASCII
    // and are written as ASCII; every other character the code carries goes back to its byte. A
    // character it does not carry is refused with its index.
    void encodingGivesEveryCarriedCharacterItsByte()
    {
        QByteArray carried;
        for (int b = 0; b < 256; ++b) {
            if (!QByteArrayView("\xA1\xA4\xA5\xA9\xAB\xAC\xFF").contains(char(b)) && (b < 0x80 || b >= 0xA0))
                carried += char(b);
        }
        qsizetype bad = 42;
        QCOMPARE(encodeArmscii8(decodeArmscii8(carried), &bad), carried);
        QCOMPARE(bad, qsizetype(-1));
        QCOMPARE(decodeArmscii8("\xA5\xA4\xA9\xAB\xAC"), QStringLiteral("().,-"));
        QCOMPARE(encodeArmscii8(u"().,-"), QByteArray("().,-"));
        const std::pair<QString, int> uncarried[] = {
            {QStringLiteral("ab\u2019c"), 2}, {QStringLiteral("Ա\uFB13"), 1}, {QStringLiteral("\uFFFD"), 0},
            {QStringLiteral("Word Ж"), 5},    {QStringLiteral("ա\u055F"), 1}, {QStringLiteral("x\U0001F600"), 1}};
        for (const auto &[text, index] : uncarried) {
            QVERIFY(encodeArmscii8(text, &bad).isEmpty());
            QCOMPARE(bad, qsizetype(index));
            QVERIFY(!armscii8CanEncode(text[index].unicode()));
        }
    }
};

QTEST_MAIN(TestArmscii8)
#include "tst_armscii8.moc"
