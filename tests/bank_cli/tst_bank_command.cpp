#include "bank_cli/bank_command.h"
#include "bank_cli/report_writer.h"
#include "bank_cli/sheet_pages.h"
#include "support/attempts.h"
#include "support/bank_command_runner.h"

#include <QCryptographicHash>
#include <QImage>
#include <QTest>

using namespace bank_test;

namespace {

// The rows of a CSV file as a spreadsheet reads them: quoted fields may hold commas, quotes, line ends.
QList<QStringList> csvRows(const QString &text)
{
    QList<QStringList> rows{{QString()}};
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'"' && quoted && text.mid(i + 1, 1) == QLatin1String("\""))
            rows.last().last() += text.at(++i);
        else if (c == u'"')
            quoted = !quoted;
        else if (!quoted && c == u',')
            rows.last().append(QString());
        else if (!quoted && text.mid(i, 2) == QLatin1String("\r\n") && ++i)
            rows.append({QString()});
        else
            rows.last().last() += c;
    }
    rows.removeLast();
    return rows;
}

int pixelsLike(const QImage &image, bool (*like)(const QColor &))
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += like(image.pixelColor(x, y));
    }
    return count;
}

} // namespace

// The teachers' command, run in-process on files in a private folder.
class TestBankCommand : public QObject
{
    Q_OBJECT

    BankCommandRunner m_bank;
    QString path(const QString &name) const { return m_bank.path(name); }
    void write(const QString &name, const QByteArray &bytes) const { m_bank.write(name, bytes); }
    Run run(const QStringList &arguments) const { return m_bank.run(arguments); }

private slots:
    void init() { m_bank.init(); }
    void cleanup() { m_bank.cleanup(); }

    void decodeThenEncodeGivesTheSameBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("carried bank") << TestEnvironment::readFile(QStringLiteral(":/LVT.lvq"));
        QTest::newRow("ends with a line end") << testFile(3, "\r\n");
        QTest::newRow("ends with the number") << testFile(3, "");
        QTest::newRow("armenian punctuation") << record(".\xB2\xB3\xA3 \xA6\xA7 \xAE\xB0, (x)", 4, QByteArray(1, '\0'));
    }

    void decodeThenEncodeGivesTheSameBytes()
    {
        QFETCH(QByteArray, bytes);
        write(QStringLiteral("in.lvq"), bytes);
        const Run decoded = run({"decode", "in.lvq", "src.txt"});
        QCOMPARE(decoded.status, 0);
        QVERIFY2(decoded.err.isEmpty(), qPrintable(decoded.err));
        QCOMPARE(run({"encode", "src.txt", "out.lvq"}).status, 0);
        QCOMPARE(TestEnvironment::readFile(path("out.lvq")), bytes);
    }

    // Each problem at its line and column, and what the program would make of the file.
    void checkNamesEveryProblem_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problems");
        QTest::addColumn<QString>("outcome");
        const QString starts = QStringLiteral("starts normally"), ends = QStringLiteral("ends silently"),
                      reinstall = QStringLiteral("Test File not found, please reinstall Lorvane 2004 program");
        QTest::newRow("good") << testFile(31) << "" << starts;
        QTest::newRow("few") << testFile(
            30) << "f.lvq:1:1: warning: only 30 records: a test needs thirty different questions and one record more"
                             << "0 errors, 1 warning\nthe program " + starts;
        QTest::newRow("empty") << QByteArray() << "f.lvq:1:1: the file is empty" << reinstall;
        QTest::newRow("foreign")
            << record("q") + testFile(31)
            << "f.lvq:1:1: the file does not begin with \".: the first question's text must begin with a full stop, "
               "or the program takes the file for a foreign one"
            << ends;
        QTest::newRow("no number, then a fraction")
            << testFile(31, "\r\n") + record("q", 1).replace(",1", ",x") + record("r", 1).replace(",1", ",2.5")
            << "f.lvq:32:21: the right answer's field holds no number\n"
               "f.lvq:33:22: the right answer's number is not a whole number"
            << reinstall;
        QTest::newRow("out of range") << testFile(31, "\r\n") + record("q", 1).replace(",1", ",40000")
                                      << "f.lvq:32:26: the right answer's number is out of range" << reinstall;
        QTest::newRow("unterminated quote")
            << testFile(31, "\r\n") + "\"q\",\"a\r\n" + record("r")
            << "f.lvq:32:7: a quoted text has no closing quote on its line" << reinstall;
        QTest::newRow("short record") << testFile(31, "\r\n") + "\"q\",\"a\",\"b\",\"c\",2\r\n" + record("r")
                                      << "f.lvq:33:1: the right answer's field holds no number (a record above is "
                                         "short of a field or has a stray quote)"
                                      << reinstall;
        QTest::newRow("ends inside a record") << testFile(31, "\r\n") + "\"q\",\"a\""
                                              << "f.lvq:32:8: the file ends inside a record" << reinstall;
        QTest::newRow("too many") << testFile(32768) << "f.lvq:32768:1: the file holds more than 32767 records"
                                  << reinstall;
        QTest::newRow("a picture") << QByteArray::fromHex("89504e470d0a1a0a0000000d494844520000001000000010080600")
                                   << "f.lvq:1:1: the file is not a test file at all: it holds control bytes that no "
                                      "text has (is it a picture, a document, a program?)"
                                   << ends;
        QTest::newRow("warnings")
            << testFile(30, "\r\n") + "\"\xFF" + QByteArray(250, 'x') + "\",\"" + QByteArray(121, 'y')
                   + "\",\"b\",\"c\",\"d\",1\r\n\"q8\",\"a\",\"b\",\"a\",\"\",7"
            << "f.lvq:31:2: warning: 251 characters: the box shows about 250 at the design size\n"
               "f.lvq:31:2: warning: byte 0xff stands for no character; the program shows a box\n"
               "f.lvq:31:256: warning: 121 characters: the box shows about 120 at the design size\n"
               "f.lvq:32:15: warning: answer 3 repeats answer 1\n"
               "f.lvq:32:19: warning: empty text\n"
               "f.lvq:32:21: warning: the right answer 7 is none of 1 to 4: no answer counts as right\n"
               "f.lvq:32:2: warning: the question repeats record 8"
            << starts;
        QTest::newRow("a document")
            << QByteArray("PK\x03\x04\x14\0\x06\0")
            << "f.lvq:1:1: the file is a Word or OpenDocument document (.docx, .odt) or another "
               "zip archive: save it as plain text, UTF-8"
            << ends;
        // A source is checked as encode takes it, at its own lines.
        QTest::newRow("source") << sourceOf(1).replace("2: b", "2: a") + sourceOf(2).sliced(sourceOf(1).size())
                                << "f.lvq: warning: only 2 records: a test needs thirty different questions and one "
                                   "record more\nf.lvq:4:4: warning: answer 2 repeats answer 1\n"
                                   "f.lvq:10:4: warning: the question repeats record 1"
                                << "0 errors, 3 warnings\nthe program starts normally with the test file encode writes";
        QTest::newRow("source with a slip")
            << QByteArray("# mine\n[1]\nq: .Q\n") << "f.lvq:3:1: expected \"Q:\" — found \"q:\""
            << "f.lvq: 1 error, 0 warnings\nencode writes no test file from it";
    }

    void checkNamesEveryProblem()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problems);
        QFETCH(QString, outcome);
        write(QStringLiteral("f.lvq"), bytes);
        const Run result = run({"check", "f.lvq"});
        QCOMPARE(result.err.trimmed(), problems);
        QVERIFY2(result.out.contains(outcome), qPrintable(result.out));
        QCOMPARE(result.status, outcome.contains(QLatin1String("starts normally")) ? 0 : 1);
    }

    // A failed run writes nothing and leaves the file that was there as it was.
    void writesOnlyWhatIsWhole_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("written"); // empty: nothing, the old file stays
        QTest::addColumn<QString>("err");
        const QStringList encode{"encode", "in.txt", "out.lvq"};
        const QStringList gift{"import", "--from", "gift", "in.txt", "out.lvq"};
        // The warnings of check come at the lines of the text written from.
        const QString one = QStringLiteral(
            "in.txt: warning: only 1 record: a test needs thirty different questions and one record more");
        QTest::newRow("encode") << encode << QByteArray("[1]\nQ: .Ծ\n1: a\n2: b\n3: c\n4: d\nR: 3\nEND: CRLF\n")
                                << QByteArray("\".\xCC\",\"a\",\"b\",\"c\",\"d\",3\r\n") << one;
        QTest::newRow("encode near misses") << encode << QByteArray("[1]\nQ:.Q\n1:\ta\n2։ b\n3: c\n4:  d\nR:1\n")
                                            << QByteArray("\".Q\",\"a\",\"b\",\"c\",\" d\",1\0", 24) << one;
        QTest::newRow("encode near misses named")
            << encode << QByteArray("[1]\nQ: .Q\nl: a\n\n[2]\nq: x\n\n[3]\nQ: y\n1: a\n2: b\n3: c\n4: d\nR; 1\n")
            << QByteArray()
            << "in.txt:3:1: expected \"1:\" — found \"l:\"\nin.txt:6:1: expected \"Q:\" — found \"q:\"\n"
               "in.txt:14:1: expected \"R:\" — found \"R;\"";
        QTest::newRow("encode typography and emoji")
            << encode << QByteArray("[1]\nQ: .Q\n1: “a”\n2: b🐝€\n3: c\n4: d\nR: 3\n") << QByteArray()
            << "in.txt:3:4: character “ (U+201C) cannot be written in ArmSCII-8 (--fix-typography writes \"«\" for "
               "it)\n"
               "in.txt:3:6: character ” (U+201D) cannot be written in ArmSCII-8 (--fix-typography writes \"»\" for "
               "it)\n"
               "in.txt:4:5: character 🐝 (U+1F41D) cannot be written in ArmSCII-8\n"
               "in.txt:4:6: character € (U+20AC) cannot be written in ArmSCII-8";
        const QStringList fixed{"encode", "--fix-typography", "in.txt", "out.lvq"};
        QTest::newRow("typography fixed") << fixed << QByteArray("[1]\nQ: .Q\n1: “a” –\n2: it’s\n3: c\n4: d\nR: 3\n")
                                          << QByteArray("\".Q\",\"\xA7"
                                                        "a\xA6 -\",\"it's\",\"c\",\"d\",3\0",
                                                        30)
                                          << one
                                                 + "\nin.txt:3:4: warning: “ (U+201C) replaced with \"«\"\n"
                                                   "in.txt:3:6: warning: ” (U+201D) replaced with \"»\"\n"
                                                   "in.txt:3:8: warning: – (U+2013) replaced with \"-\"\nin.txt:4:6: "
                                                   "warning: ’ (U+2019) replaced with \"'\"";
        QTest::newRow("gift typography fixed")
            << QStringList{"import", "--from", "gift", "--fix-typography", "in.txt", "out.lvq"}
            << QByteArray("// x\n.Q {=“a” ~b ~c ~d}")
            << "\".Q\",\"\xA7"
               "a\xA6\",\"b\",\"c\",\"d\",1"
                   + QByteArray(1, '\0')
            << one
                   + "\nin.txt:2:6: warning: “ (U+201C) replaced with \"«\"\nin.txt:2:8: warning: ” (U+201D) replaced "
                     "with \"»\"";
        QTest::newRow("typography summed up")
            << fixed << sourceOf(1).replace("1: a", "1: " + QByteArray("’").repeated(21))
            << "\".q\",\"" + QByteArray(21, '\'') + "\",\"b\",\"c\",\"d\",1" + QByteArray(1, '\0')
            << one + "\nin.txt:3:4: warning: ’ (U+2019) replaced with \"'\" 21 times, first here";
        QTest::newRow("encode warnings at the source")
            << encode << sourceOf(1).replace("2: b", "2: a") + sourceOf(2).sliced(sourceOf(1).size())
            << "\".q\",\"a\",\"a\",\"c\",\"d\",1\r\n\".q\",\"a\",\"b\",\"c\",\"d\",1" + QByteArray(1, '\0')
            << QString(one).replace("1 record", "2 records")
                   + "\nin.txt:4:4: warning: answer 2 repeats answer 1\nin.txt:10:4: warning: the question repeats "
                     "record 1";
        QTest::newRow("encode utf-16") << encode
                                       << QByteArray("\xFF\xFE[\0"
                                                     "1\0]\0",
                                                     8)
                                       << QByteArray()
                                       << "in.txt: the file is UTF-16 text: save it as plain text, UTF-8";
        QTest::newRow("import utf-16 without its mark")
            << gift << QByteArray("Q\0 \0{\0=\0\x31\x05 \0", 12) << QByteArray()
            << "in.txt: the file is UTF-16 text: save it as plain text, UTF-8";
        QTest::newRow("encode pdf") << encode << QByteArray("%PDF-1.4") << QByteArray()
                                    << "in.txt: the file is a PDF document: save it as plain text, UTF-8";
        QTest::newRow("encode empty") << encode << QByteArray("\xEF\xBB\xBF\n") << QByteArray()
                                      << "in.txt: no questions";
        QTest::newRow("encode not armscii")
            << encode << QByteArray("[1]\nQ: .Q\n1: a\n2: b €\n3: c\n4: d\nR: 3\n") << QByteArray()
            << "in.txt:4:6: character € (U+20AC) cannot be written in ArmSCII-8";
        QTest::newRow("encode slips")
            << encode
            << QByteArray(
                   "[1]\nQ: .Q\n1: a\n2: b € \"\n3: c\n4: d\nR: 3\n\n[3]\nQ:.x\n1: a\n\n[4]\nQ: y\n1: a\n2: b\n3: c\n"
                   "4: d\nR: 7\n")
            << QByteArray()
            << "in.txt:4:6: character € (U+20AC) cannot be written in ArmSCII-8\n"
               "in.txt:4:8: a text cannot hold a double quote\nin.txt:9:2: record 3 where 2 was expected\n"
               "in.txt:12:1: expected \"2:\" — found an empty line\nin.txt:19:4: the right answer must be 1, 2, 3 or 4";
        QString flood;
        for (int record = 1; record <= 20; ++record)
            flood += QStringLiteral("in.txt:%1:4: the right answer must be 1, 2, 3 or 4\n").arg(8 * record - 1);
        QTest::newRow("encode flood") << encode << sourceOf(25).replace("R: 1", "R: 7") << QByteArray()
                                      << flood + "in.txt: 5 more errors not shown";
        QTest::newRow("encode too many") << encode << sourceOf(bank::MaxQuestions + 1) << QByteArray()
                                         << "in.txt:262138:4: the program reads at most 32767 questions";
        QTest::newRow("encode not utf-8") << encode << QByteArray("[1]\nQ: .Q\n1: Ծa\xFF") << QByteArray()
                                          << "in.txt:3:6: the file is not valid UTF-8";
        QTest::newRow("take") << QStringList{"encode", "--take", "1", "in.txt", "out.lvq"}
                              << sourceOf(2).replace("R: 1\n\n[2]", "R: 2\n\n[2]") << record(".q", 2, QByteArray(1, 0))
                              << one;
        QTest::newRow("take too many") << QStringList{"encode", "--random", "3", "in.txt", "out.lvq"} << sourceOf(2)
                                       << QByteArray() << "in.txt: 2 questions, fewer than the 3 to take";
        QTest::newRow("decode") << QStringList{"decode", "in.txt", "out.txt"} << QByteArray("\".Q\",\"a\"")
                                << QByteArray() << "in.txt:1:9: the file ends inside a record";
    }

    void writesOnlyWhatIsWhole()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, written);
        QFETCH(QString, err);
        write(QStringLiteral("in.txt"), input);
        write(arguments.last(), OldFileContent);
        const Run result = run(arguments);
        QCOMPARE(result.err.trimmed(), err);
        QCOMPARE(result.status, written.isEmpty() ? 1 : 0);
        QCOMPARE(TestEnvironment::readFile(path(arguments.last())), written.isEmpty() ? OldFileContent : written);
    }

    void whereNamesTheTestFile()
    {
        QCOMPARE(run({"where"}).out, QDir::toNativeSeparators(m_bank.env().testFilePath()) + u'\n');
    }

    void refusesBadUsage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("output is the input") << QStringList{"encode", "a.txt", "./a.txt"};
        QTest::newRow("output is the input by a link") << QStringList{"decode", "link.lvq", "a.txt"};
        QTest::newRow("test file as text") << QStringList{"encode", "a.txt", "b.txt"};
        QTest::newRow("source as test file") << QStringList{"decode", "a.lvq", "b.lvq"};
        QTest::newRow("no command") << QStringList{};
        QTest::newRow("unknown command") << QStringList{"fix", "a.lvq"};
        QTest::newRow("a file short") << QStringList{"encode", "a.txt"};
        QTest::newRow("import without --from") << QStringList{"import", "a.txt", "b.lvq"};
        QTest::newRow("unknown format") << QStringList{"import", "--from", "xml", "a.txt", "b.lvq"};
        QTest::newRow("export without --to") << QStringList{"export", "a.lvq", "b.gift"};
        QTest::newRow("export as test file") << QStringList{"export", "--to", "gift", "a.txt", "b.lvq"};
        QTest::newRow("unknown option") << QStringList{"check", "--fast", "a.lvq"};
        QTest::newRow("another command's option") << QStringList{"check", "--from", "gift", "a.lvq"};
        QTest::newRow("sheet as text") << QStringList{"sheet", "a.lvq", "b.txt"};
        QTest::newRow("restore a backup and the default") << QStringList{"restore", "--default", "1"};
        QTest::newRow("restore two backups") << QStringList{"restore", "1", "2"};
        QTest::newRow("sample not a number") << QStringList{"sheet", "--sample", "x", "a.lvq", "b.png"};
        QTest::newRow("test and key") << QStringList{"sheet", "--key", "--no-answers", "a.lvq", "b.png"};
        QTest::newRow("take and draw") << QStringList{"encode", "--take", "2", "--random", "2", "a.txt", "b.lvq"};
        QTest::newRow("seed not a number") << QStringList{"encode", "--shuffle-answers=x", "a.txt", "b.lvq"};
        QTest::newRow("report of nothing") << QStringList{"report", "-o", "r.html"};
        QTest::newRow("report as text") << QStringList{"report", "a.txt", "-o", "r.txt"};
        QTest::newRow("since no date") << QStringList{"report", "--since", "March", "a.txt", "--output", "r.csv"};
        QTest::newRow("review as csv") << QStringList{"review", "a.txt", "r.csv"};
        QTest::newRow("report's option") << QStringList{"sheet", "--since", "2026-03-01", "a.lvq", "b.png"};
    }

    void refusesBadUsage()
    {
        QFETCH(QStringList, arguments);
        write(QStringLiteral("a.txt"), sourceOf(1));
        QVERIFY(QFile::link(path("a.txt"), path("link.lvq")));
        const Run result = run(arguments);
        QCOMPARE(result.status, 2);
        QVERIFY(result.err.startsWith(QLatin1String("lorvane-bank: ")));
    }

    // The sample's records, with their right answers marked in green on a sheet to review, and
    // unmarked on a test to print and on its key.
    void sheetMarksTheRightAnswers_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("lowestHeight");
        QTest::addColumn<bool>("marked");
        QTest::newRow("review") << "" << 3 * 100 << true;
        QTest::newRow("test") << "--no-answers" << 3 * 100 << false;
        QTest::newRow("key") << "--key" << 40 << false;
    }

    void sheetMarksTheRightAnswers()
    {
        QFETCH(QString, kind);
        QFETCH(int, lowestHeight);
        QFETCH(bool, marked);
        write(QStringLiteral("f.lvq"), testFile(40));
        QStringList arguments{"sheet", "--sample", "3", "f.lvq", "s.png"};
        if (!kind.isEmpty())
            arguments.insert(1, kind);
        QCOMPARE(run(arguments).status, 0);
        const QImage sheet(path("s.png"));
        QVERIFY(sheet.height() > lowestHeight && sheet.height() < 2 * lowestHeight + 100);
        int green = 0;
        for (int y = 0; y < sheet.height(); ++y) {
            for (int x = 0; x < sheet.width() / 2; ++x) { // the texts, not the pictures at the right
                const QColor c = sheet.pixelColor(x, y);
                green += c.green() > 80 && c.red() < 60 && c.blue() < 60;
            }
        }
        QVERIFY2(marked ? green > 3 * 30 : green == 0, qPrintable(QString::number(green)));
    }

    // The report names every file it leaves out and reads back in a spreadsheet; the review
    // marks the right answers green and the wrong ones chosen red.
    void reportsOnAClassAndReviewsAnAttempt()
    {
        QByteArray bytes = testFile(40);
        bytes.replace(".q1\"", ".\xB2\xB3\"");
        write(QStringLiteral("f.lvq"), bytes);
        write(QStringLiteral("g.lvq"), testFile(41));
        const QString sha = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
        QVERIFY(QDir().mkpath(path("class.d")));
        for (int n = 0; n < 10; ++n) { // record 1 answered 2 by everyone, record 2 with the key
            results::Attempt attempt = attempt_test::attempt(QString::number(n), "21", sha);
            attempt.userName = n ? QStringLiteral("Ani %1").arg(n) : QStringLiteral("\"Ani\", 7b\r\nclass");
            write(QStringLiteral("class.d/a%1.json").arg(n), attempt.toJson());
        }
        write("class.d/other.json", attempt_test::attempt("x", "11", QString(64, u'c')).toJson());
        write("class.d/broken.json", "{\"format\": \"lorvane-attempt\"");
        write("class.d/notes.json", "[]");
        const Run csv = run({"report", "class.d", "-o", "r.csv"});
        QCOMPARE(csv.status, 0);
        QCOMPARE(csv.err, "class.d/broken.json: damaged: unterminated string at byte 28\n"
                          "class.d/notes.json: not an attempt file\n");
        const QByteArray text = TestEnvironment::readFile(path("r.csv"));
        QVERIFY(text.startsWith("\xEF\xBB\xBF"));
        const QList<QStringList> rows = csvRows(QString::fromUtf8(text.mid(3)));
        QCOMPARE(rows.size(), 12);
        QCOMPARE(rows.at(0).at(0), "Name");
        QCOMPARE(rows.at(1).size(), rows.at(0).size());
        QCOMPARE(rows.at(1).at(0), "\"Ani\", 7b\r\nclass");
        QCOMPARE(rows.at(1).at(4), "1");
        QCOMPARE(rows.at(11).last(), "no, another test file");

        QCOMPARE(run({"report", "class.d", "--test", "f.lvq", "-o", "r.html"}).status, 0);
        const QString html = QString::fromUtf8(TestEnvironment::readFile(path("r.html")));
        for (const QString &part :
             {bank::loadQuestions(bytes).records.at(0).questText(), QStringLiteral("data:image/png;base64,iVBOR"),
              QStringLiteral("is the key right?"), QStringLiteral("broken.json: damaged")})
            QVERIFY2(html.contains(part), qPrintable(part));
        QCOMPARE(run({"report", "class.d", "-o", "r.pdf"}).status, 0);
        QVERIFY(TestEnvironment::readFile(path("r.pdf")).startsWith("%PDF"));

        const QString first = QStringLiteral("class.d/a0.json");
        QCOMPARE(run({"review", "--test", "f.lvq", first, "r.png"}).status, 0);
        const QImage sheet(path("r.png"));
        QVERIFY(pixelsLike(sheet, [](const QColor &c) { return c.red() > 150 && c.green() < 60; }) > 30);
        QVERIFY(pixelsLike(sheet, [](const QColor &c) { return c.green() > 80 && c.red() < 60; }) > 2 * 30);
        QCOMPARE(run({"review", "--test", "g.lvq", first, "r.png"}).status, 1);
    }

    // Printed, the report lays each question out as the review sheet does, its right answer in
    // green, on pages that nothing runs off; without the test file only the figures are printed.
    void printsTheReportOnPages()
    {
        const QList<bank::QuestionRecord> records = bank::loadQuestions(testFile(40)).records;
        const results::ClassReport report(attempt_test::attempts({QString(30, u'1')}), {});
        int pageCounts[2] = {0, 0}, greens[2] = {0, 0};
        for (const bool known : {false, true}) {
            const bank_cli::SheetPages pages =
                bank_cli::ReportWriter(report, {}, known ? records : QList<bank::QuestionRecord>()).pages();
            pageCounts[known] = pages.pageCount();
            for (int page = 0; page < pages.pageCount(); ++page) {
                const QImage image = pages.page(page);
                greens[known] +=
                    pixelsLike(image, [](const QColor &c) { return c.green() > 80 && c.red() < 60 && c.blue() < 60; });
                const QImage bottom = image.copy(0, image.height() - bank_cli::SheetPages::Margin, image.width(),
                                                 bank_cli::SheetPages::Margin);
                QCOMPARE(pixelsLike(bottom, [](const QColor &c) { return c != Qt::white; }), 0);
            }
        }
        QVERIFY2(pageCounts[true] > pageCounts[false] + 1, qPrintable(QString::number(pageCounts[true])));
        QCOMPARE(greens[false], 0);
        QVERIFY(greens[true] > 3 * 30);
    }

    // A test drawn from a bank keeps the bank's order and each right answer with its text, spreads
    // the right answers evenly, keeps the signature at the top, and a seed draws it again.
    void drawsATestFromABank()
    {
        QByteArray bank;
        for (int i = 1; i <= 40; ++i) {
            const QByteArray n = QByteArray::number(i);
            bank += "[" + n + "]\nQ: " + (i == 1 ? "." : "") + "q" + n + "\n1: a" + n + "\n2: b" + n + "\n3: c" + n
                    + "\n4: right" + n + "\nR: 4\n\n";
        }
        write(QStringLiteral("bank.txt"), bank);
        const QStringList draw{"encode", "--random", "31", "--seed", "5", "--shuffle-answers=9", "bank.txt", "t.lvq"};
        QCOMPARE(run(draw).status, 0);
        const QByteArray bytes = TestEnvironment::readFile(path("t.lvq"));
        const bank::LoadResult load = bank::loadQuestions(bytes);
        QCOMPARE(load.records.size(), 31);
        int rights[5] = {0}, previous = 0;
        for (qsizetype r = 0; r < load.records.size(); ++r) {
            const bank::QuestionRecord &record = load.records.at(r);
            const QString question = record.questText();
            QCOMPARE(question.startsWith(u'.'), r == 0);
            const int number = question.mid(r == 0 ? 2 : 1).toInt();
            QVERIFY(number > previous);
            previous = number;
            QCOMPARE(record.answer(record.rightAnswer), QStringLiteral("right%1").arg(number));
            ++rights[record.rightAnswer];
        }
        for (int answer = 1; answer <= 4; ++answer)
            QVERIFY2(rights[answer] == 7 || rights[answer] == 8, qPrintable(QString::number(rights[answer])));
        QCOMPARE(run(draw).status, 0);
        QCOMPARE(TestEnvironment::readFile(path("t.lvq")), bytes);
    }
};

QTEST_MAIN(TestBankCommand)
#include "tst_bank_command.moc"
