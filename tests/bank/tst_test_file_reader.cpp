#include "bank/test_file_reader.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

using namespace bank;

class TestTestFileReader : public QObject
{
    Q_OBJECT

private slots:
    void wellFormedFileLoadsEveryRecord_data();
    void wellFormedFileLoadsEveryRecord();
    void malformedFileFailsAndCountStopsQuietly_data();
    void malformedFileFailsAndCountStopsQuietly();
    void textsOfEveryLengthLoadWhole();
    void moreThan32767RecordsFail();
    void signatureIsQuoteAndFullStopOnTheFirstLine_data();
    void signatureIsQuoteAndFullStopOnTheFirstLine();
    void defaultFileLoads171Records();
    void arbitraryBytesNeverBreakTheReader();
};

static QStringList dump(const QList<QuestionRecord> &records)
{
    QStringList lines;
    for (const QuestionRecord &r : records)
        lines << QStringList{r.questText(), r.answer(1), r.answer(2), r.answer(3), r.answer(4),
                             QString::number(r.rightAnswer)}.join(u'|');
    return lines;
}

void TestTestFileReader::wellFormedFileLoadsEveryRecord_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("records");

    const QStringList two{"q1|a|b|c|d|1", "q2|e|f|g|h|2"};
    QTest::newRow("CR LF") << QByteArray("\"q1\",\"a\",\"b\",\"c\",\"d\",1\r\n"
                                         "\"q2\",\"e\",\"f\",\"g\",\"h\",2\r\n") << two;
    QTest::newRow("LF only") << QByteArray("\"q1\",\"a\",\"b\",\"c\",\"d\",1\n"
                                           "\"q2\",\"e\",\"f\",\"g\",\"h\",2") << two;
    QTest::newRow("spaces after commas and number")
        << QByteArray("\"q1\", \"a\",  \"b\",\t\"c\", \"d\",  1  \r\n"
                      "\"q2\",\"e\",\"f\",\"g\",\"h\", 2 \r\n") << two;
    QTest::newRow("final NUL") << QByteArrayLiteral("\"q1\",\"a\",\"b\",\"c\",\"d\",1\r\n"
                                                    "\"q2\",\"e\",\"f\",\"g\",\"h\",2\0") << two;
    QTest::newRow("blank lines and filler around records")
        << QByteArrayLiteral("\r\n\"q1\",\"a\",\"b\",\"c\",\"d\",1\r\n\r\n  \r\n"
                             "\"q2\",\"e\",\"f\",\"g\",\"h\",2\r\n\r\n \0\r\n") << two;
    QTest::newRow("commas and spaces inside quotes")
        << QByteArray("\"  q1, with, commas \",\"a ,b\",\"\",\"c\",\"d\",3\r\n")
        << QStringList{"  q1, with, commas |a ,b||c|d|3"};
    QTest::newRow("unquoted texts trimmed, text after a closing quote skipped")
        << QByteArray("  q1 x ,\"a\"junk,b\t,\"c\" ,d,4\r\n") << QStringList{"q1 x|a|b|c|d|4"};
    QTest::newRow("number outside 1..4 loads as written")
        << QByteArray("\"q\",\"a\",\"b\",\"c\",\"d\",7\r\n\"q\",\"a\",\"b\",\"c\",\"d\",-32768\r\n"
                      "\"q\",\"a\",\"b\",\"c\",\"d\",+32767\r\n\"q\",\"a\",\"b\",\"c\",\"d\",0004")
        << QStringList{"q|a|b|c|d|7", "q|a|b|c|d|-32768", "q|a|b|c|d|32767", "q|a|b|c|d|4"};
    QTest::newRow("anything after the digits ignored to the line end")
        << QByteArray("\"q\",\"a\",\"b\",\"c\",\"d\",3x, 9.5\r\n") << QStringList{"q|a|b|c|d|3"};
    QTest::newRow("ArmSCII-8 decoded") << QByteArray("\"\xb2\xb3\",\"\xa3\",\"b\",\"c\",\"d\",1")
                                       << QStringList{QString::fromUtf8("Աա|։|b|c|d|1")};
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("only filler") << QByteArrayLiteral("\r\n \0\r\n") << QStringList();
}

void TestTestFileReader::wellFormedFileLoadsEveryRecord()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, records);

    QList<QuestionRecord> loaded;
    {
        QByteArray bytes(file.constData(), file.size());
        const LoadResult result = loadQuestions(bytes);
        QVERIFY2(result.ok(), loadErrorText(result.error));
        QCOMPARE(countQuestions(bytes), qint16(records.size()));
        loaded = result.records;
        // The records read their texts from the file's bytes: overwriting and releasing the
        // caller's copy must not reach them.
        bytes.fill('"');
    }
    QCOMPARE(dump(loaded), records);
}

void TestTestFileReader::malformedFileFailsAndCountStopsQuietly_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<LoadError>("error");
    QTest::addColumn<int>("failingRecord");
    QTest::addColumn<int>("count");

    const QByteArray good("\"q1\",\"a\",\"b\",\"c\",\"d\",1\r\n");
    QTest::newRow("file ends inside the last record")
        << good + "\"q2\",\"e\",\"f\"" << LoadError::PrematureEnd << 2 << 2;
    QTest::newRow("short line takes its fields from the next")
        << "\"q1\",\"a\",\"b\"\r\n" + good << LoadError::NoNumber << 1 << 1;
    QTest::newRow("quote open at the end of the file")
        << good + good + "\"q3\",\"e" << LoadError::UnterminatedQuote << 3 << 3;
    QTest::newRow("quote open at the line end")
        << "\"q1\",\"a\",\"b\",\"c\",\"d,1\r\n" + good << LoadError::UnterminatedQuote << 1 << 1;
    QTest::newRow("fraction") << good + "\"q\",\"a\",\"b\",\"c\",\"d\",2.5\r\n" + good
                              << LoadError::NotAnInteger << 2 << 2;
    QTest::newRow("exponent") << "\"q\",\"a\",\"b\",\"c\",\"d\",4e0" + good
                              << LoadError::NotAnInteger << 1 << 1;
    QTest::newRow("letters") << "\"q\",\"a\",\"b\",\"c\",\"d\",abc\r\n" + good
                             << LoadError::NoNumber << 1 << 1;
    QTest::newRow("empty number field") << good + "\"q\",\"a\",\"b\",\"c\",\"d\",  \r\n" + good
                                        << LoadError::NoNumber << 2 << 2;
    QTest::newRow("quoted number") << "\"q\",\"a\",\"b\",\"c\",\"d\",\"1\"" + good
                                   << LoadError::NoNumber << 1 << 1;
    QTest::newRow("above 16 bits") << good + "\"q\",\"a\",\"b\",\"c\",\"d\",32768"
                                   << LoadError::NumberOutOfRange << 2 << 2;
    QTest::newRow("below 16 bits") << QByteArray("\"q\",\"a\",\"b\",\"c\",\"d\",-32769")
                                   << LoadError::NumberOutOfRange << 1 << 1;
    QTest::newRow("endless digits")
        << "\"q\",\"a\",\"b\",\"c\",\"d\"," + QByteArray(5000, '9') + "\r\n" + good
        << LoadError::NumberOutOfRange << 1 << 1;
}

void TestTestFileReader::malformedFileFailsAndCountStopsQuietly()
{
    QFETCH(QByteArray, file);
    QFETCH(LoadError, error);
    QFETCH(int, failingRecord);
    QFETCH(int, count);

    const LoadResult result = loadQuestions(file);
    QCOMPARE(result.error, error);
    QCOMPARE(result.errorRecord, failingRecord);
    QVERIFY(result.records.isEmpty());
    QCOMPARE(countQuestions(file), qint16(count));
}

// The delimiters are found several bytes at a time; every length and position must agree.
void TestTestFileReader::textsOfEveryLengthLoadWhole()
{
    for (int length = 0; length <= 70; ++length) {
        QByteArray text(length, '\xb2');
        if (length > 0)
            text[length / 3] = ',';
        const QByteArray unquoted(length, 'u');
        const QByteArray file = '"' + text + "\"" + QByteArray(length % 19, 'x') + ",\"\"," + unquoted
            + ",\"c\",\"d\"," + QByteArray(length % 17, ' ') + '2' + QByteArray(length, '\0') + '\n';

        const LoadResult result = loadQuestions(file);
        QVERIFY2(result.ok(), loadErrorText(result.error));
        QCOMPARE(result.records.size(), 1);
        QCOMPARE(result.records[0].questText().size(), length);
        QCOMPARE(result.records[0].questText().count(u','), length > 0 ? 1 : 0);
        QCOMPARE(result.records[0].answer(2), QString::fromLatin1(unquoted));
        QCOMPARE(result.records[0].rightAnswer, qint16(2));
    }
}

void TestTestFileReader::moreThan32767RecordsFail()
{
    const QByteArray record("\"q\",\"a\",\"b\",\"c\",\"d\",1\r\n");
    const QByteArray full = record.repeated(kMaxQuestions);

    const LoadResult loaded = loadQuestions(full);
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.records.size(), kMaxQuestions);
    QCOMPARE(countQuestions(full), qint16(kMaxQuestions));

    const QByteArray tooMany = full + record;
    const LoadResult refused = loadQuestions(tooMany);
    QCOMPARE(refused.error, LoadError::TooManyRecords);
    QCOMPARE(refused.errorRecord, kMaxQuestions + 1);
    QCOMPARE(countQuestions(tooMany), qint16(kMaxQuestions));
}

void TestTestFileReader::signatureIsQuoteAndFullStopOnTheFirstLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("question beginning with a full stop") << QByteArray("\".doc\",\"a\"") << true;
    QTest::newRow("just the two characters") << QByteArray("\".") << true;
    QTest::newRow("other first character") << QByteArray("\"a.") << false;
    QTest::newRow("full stop without quote") << QByteArray(".doc") << false;
    QTest::newRow("leading space") << QByteArray(" \".") << false;
    QTest::newRow("only on the second line") << QByteArray("\r\n\".") << false;
    QTest::newRow("byte order mark") << QByteArray("\xef\xbb\xbf\".") << false;
    QTest::newRow("one byte") << QByteArray("\"") << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void TestTestFileReader::signatureIsQuoteAndFullStopOnTheFirstLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, accepted);
    QCOMPARE(hasSignature(bytes), accepted);
}

void TestTestFileReader::defaultFileLoads171Records()
{
    QFile file(QStringLiteral(":/LVT.lvq"));
    if (!file.open(QIODevice::ReadOnly))
        QSKIP("the default test file is not among the resources yet");
    const QByteArray bytes = file.readAll();

    QVERIFY(hasSignature(bytes));
    QVERIFY(bytes.endsWith('\0'));
    const LoadResult result = loadQuestions(bytes);
    QVERIFY2(result.ok(), loadErrorText(result.error));
    QCOMPARE(result.records.size(), 171);
    QCOMPARE(result.records.last().rightAnswer, qint16(4));
    QCOMPARE(countQuestions(bytes), qint16(171));
}

// Whatever the bytes, the reader ends, and the count agrees with the loading: the records
// loaded, or the record that failed (it was counted before it was read).
void TestTestFileReader::arbitraryBytesNeverBreakTheReader()
{
    static const char alphabet[] = "\"\"\",,,,\r\n\n  \t0123456789+-.eax\0\xb2\xff";
    QRandomGenerator random(2004);
    for (int round = 0; round < 20000; ++round) {
        QByteArray bytes(random.bounded(1, 120), Qt::Uninitialized);
        const bool longTexts = round % 2;
        for (char &c : bytes)
            c = longTexts && random.bounded(8) ? 'a' : alphabet[random.bounded(int(sizeof alphabet))];
        const LoadResult result = loadQuestions(bytes);
        const int expected = result.ok() ? int(result.records.size()) : result.errorRecord;
        QCOMPARE(int(countQuestions(bytes)), expected);
        QVERIFY(result.ok() || (result.errorOffset >= 0 && result.errorOffset <= bytes.size()));
    }
}

QTEST_MAIN(TestTestFileReader)
#include "tst_test_file_reader.moc"
