#include "fuzz/bank_invariants.h"
#include "support/test_environment.h"

#include <QRandomGenerator>
#include <QTest>

using namespace bank;

namespace {

const QByteArray Q1("\"q1\",\"a\",\"b\",\"c\",\"d\",1\r\n");
const QByteArray Q2("\"q2\",\"e\",\"f\",\"g\",\"h\",2");
const QByteArray Fields("\"q\",\"a\",\"b\",\"c\",\"d\","); // a record up to its number

QString failure(LoadError error, int record)
{
    return QStringLiteral("%1 in record %2").arg(QLatin1StringView(loadErrorText(error))).arg(record);
}

} // namespace

class TestBankReader : public QObject
{
    Q_OBJECT

private slots:
    // Every input keeps the properties the fuzzer checks (the count agrees with the load, the
    // load does not depend on the address or on filler after it, ...), and loads to its records
    // or fails in its record. The inputs the fuzzer has kept are only checked.
    void fileLoadsItsRecordsOrFailsInOne_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("outcome");
        const QString two = QStringLiteral("q1|a|b|c|d|1\nq2|e|f|g|h|2");
        QTest::newRow("CR LF, blanks around fields and records")
            << "\r\n\"q1\", \"a\",  \"b\",\t\"c\", \"d\",  1  \r\n\r\n  \r\n" + Q2 + QByteArrayLiteral(" \r\n \0\r\n")
            << two;
        QTest::newRow("LF, none at the end") << QByteArray(Q1).replace("\r\n", "\n") + Q2 << two;
        QTest::newRow("CR only") << QByteArray(Q1).replace("\r\n", "\r") + Q2 + "\r" << two;
        QTest::newRow("commas and spaces inside quotes")
            << QByteArray("\" q1, commas \",\"a ,b\",\"\",\"c\",\"d\",3\r\n") << " q1, commas |a ,b||c|d|3";
        QTest::newRow("unquoted texts trimmed, text after a closing quote skipped")
            << QByteArray("  q1 x ,\"a\"junk,b\t,\"c\" ,d,4\r\n") << "q1 x|a|b|c|d|4";
        QTest::newRow("numbers outside 1..4 load as written")
            << Fields + "7\r\n" + Fields + "-32768\r\n" + Fields + "+32767\r\n" + Fields + "0004"
            << "q|a|b|c|d|7\nq|a|b|c|d|-32768\nq|a|b|c|d|32767\nq|a|b|c|d|4";
        QTest::newRow("anything after the digits ignored") << Fields + "3.x, 9.5\r\n"
                                                           << "q|a|b|c|d|3";
        QTest::newRow("an e that starts no exponent") << Fields + "3e+x"
                                                      << "q|a|b|c|d|3";
        QTest::newRow("ArmSCII-8") << QByteArray("\"\xb2\xb3\",\"\xa3\",\"b\",\"c\",\"d\",1") << "Աա|։|b|c|d|1";
        QTest::newRow("only filler") << QByteArrayLiteral("\r\n \0\r\n") << QStringLiteral("");

        QTest::newRow("file ends inside a record") << Q1 + "\"q2\",\"e\",\"f\"" << failure(LoadError::PrematureEnd, 2);
        QTest::newRow("short line takes its fields from the next")
            << "\"q1\",\"a\",\"b\"\r\n" + Q1 << failure(LoadError::NoNumber, 1);
        QTest::newRow("quote open at the end") << Q1 + Q1 + "\"q3\",\"e" << failure(LoadError::UnterminatedQuote, 3);
        QTest::newRow("quote open at the line end")
            << "\"q1\",\"a\",\"b\",\"c\",\"d,1\r\n" + Q1 << failure(LoadError::UnterminatedQuote, 1);
        QTest::newRow("fraction") << Q1 + Fields + "2.5\r\n" + Q1 << failure(LoadError::NotAnInteger, 2);
        QTest::newRow("exponent") << Fields + "4e0" + Q1 << failure(LoadError::NotAnInteger, 1);
        QTest::newRow("empty number field") << Q1 + Fields + "  \r\n" + Q1 << failure(LoadError::NoNumber, 2);
        QTest::newRow("quoted number") << Fields + "\"1\"" + Q1 << failure(LoadError::NoNumber, 1);
        QTest::newRow("above 16 bits") << Q1 + Fields + "32768" << failure(LoadError::NumberOutOfRange, 2);
        QTest::newRow("below 16 bits") << Fields + "-32769" << failure(LoadError::NumberOutOfRange, 1);
        QTest::newRow("endless digits") << Fields + QByteArray(5000, '9') + "\r\n" + Q1
                                        << failure(LoadError::NumberOutOfRange, 1);
        QTest::newRow("32768 records") << Q1.repeated(MaxQuestions + 1)
                                       << failure(LoadError::TooManyRecords, MaxQuestions + 1);

        const QDir corpus(QStringLiteral(LORVANE_SOURCE_DIR "/tests/fuzz/corpus"));
        QVERIFY(corpus.entryList(QDir::Files).size() >= 10);
        for (const QString &name : corpus.entryList(QDir::Files))
            QTest::addRow("corpus %s", qPrintable(name))
                << TestEnvironment::readFile(corpus.filePath(name)) << QString();
    }

    void fileLoadsItsRecordsOrFailsInOne()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, outcome);
        const QString broken = fuzzcheck::checkTestFileBytes(file);
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
        if (outcome.isNull())
            return;
        LoadResult result;
        {
            QByteArray copy(file.constData(), file.size());
            result = loadQuestions(copy);
            copy.fill('"'); // the records keep the file's bytes, not the caller's array
        }
        QCOMPARE(fuzzcheck::outcome(result), outcome);
    }

    // The delimiters are found several bytes at a time; every length and position must agree.
    void textsOfEveryLengthLoadWhole()
    {
        for (int length = 0; length <= 70; ++length) {
            QByteArray text(length, '\xb2');
            QString decoded(length, u'Ա');
            if (length > 0) {
                text[length / 3] = ',';
                decoded[length / 3] = u',';
            }
            const QByteArray unquoted(length, 'u');
            const QByteArray file = '"' + text + '"' + QByteArray(length % 19, 'x') + ",\"\"," + unquoted
                                    + ",\"c\",\"d\"," + QByteArray(length % 17, ' ') + '2' + QByteArray(length, '\0')
                                    + '\n';
            QVERIFY(fuzzcheck::checkTestFileBytes(file).isEmpty());
            QCOMPARE(fuzzcheck::outcome(loadQuestions(file)), decoded + "||" + unquoted + "|c|d|2");
        }
    }

    void arbitraryBytesKeepEveryProperty()
    {
        static const char alphabet[] = "\"\"\",,,,\r\n\n  \t0123456789+-.eax\0\xb2\xff";
        QRandomGenerator random(2004);
        for (int round = 0; round < 20000; ++round) {
            QByteArray bytes(random.bounded(1, 120), Qt::Uninitialized);
            for (char &c : bytes)
                c = round % 2 && random.bounded(8) ? 'a' : alphabet[random.bounded(int(sizeof alphabet))];
            const QString broken = fuzzcheck::checkTestFileBytes(bytes);
            QVERIFY2(broken.isEmpty(), qPrintable(broken + " in " + bytes.toPercentEncoding()));
        }
    }

    void signatureIsQuoteAndFullStopOnTheFirstLine()
    {
        const std::pair<QByteArray, bool> rows[] = {{"\".doc\",\"a\"", true},
                                                    {"\".", true},
                                                    {"\"a.", false},
                                                    {".doc", false},
                                                    {" \".", false},
                                                    {"\r\n\".", false},
                                                    {"\xef\xbb\xbf\".", false},
                                                    {"\"", false},
                                                    {"", false}};
        for (const auto &[bytes, accepted] : rows)
            QVERIFY2(hasSignature(bytes) == accepted, bytes.constData());
    }
};

QTEST_MAIN(TestBankReader)
#include "tst_bank_reader.moc"
