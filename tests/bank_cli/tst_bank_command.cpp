#include "bank_cli/bank_command.h"
#include "support/bank_command_runner.h"

#include <QImage>
#include <QTest>

using namespace bank_test;

namespace {

QByteArray aikenQuestion(const QByteArray &q, int options, const QByteArray &answer = "B")
{
    QByteArray text = q + '\n';
    for (int k = 0; k < options; ++k)
        text += char('A' + k) + QByteArray(") o") + QByteArray::number(k) + '\n';
    return text + "ANSWER: " + answer + "\n\n";
}

// ".Q" with the answers o0 .. o3, the second right, as the only record.
const QByteArray ImportedQFile = "\".Q\",\"o0\",\"o1\",\"o2\",\"o3\",2" + QByteArray(1, '\0');

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
        const QStringList aiken{"import", "--from", "aiken", "in.txt", "out.lvq"};
        const QStringList gift{"import", "--from", "gift", "in.txt", "out.lvq"};
        const QStringList encode{"encode", "in.txt", "out.lvq"};
        const QByteArray fourA = aikenQuestion(".Q", 4);
        // The warnings of check come at the lines of the text written from.
        const QString one = QStringLiteral(
            "in.txt: warning: only 1 record: a test needs thirty different questions and one record more");
        QTest::newRow("aiken") << aiken << fourA << ImportedQFile << one;
        QTest::newRow("aiken unsupported")
            << aiken
            << fourA + aikenQuestion("Two", 2) + aikenQuestion("Six", 6, "F") + aikenQuestion("Both", 4, "A, C")
            << QByteArray()
            << "in.txt:8:1: this question cannot become a record: 2 answers, where a record has four\n"
               "in.txt:13:1: this question cannot become a record: 6 answers, where a record has four\n"
               "in.txt:22:1: this question cannot become a record: several right answers\n"
               "out.lvq: nothing written; --skip-unsupported leaves those questions out";
        QTest::newRow("aiken skipped")
            << QStringList{"import", "--from", "aiken", "--skip-unsupported", "in.txt", "out.lvq"}
            << aikenQuestion("Two", 2) + fourA << ImportedQFile
            << one
                   + "\nin.txt:1:1: warning: this question cannot become a record: 2 answers, where "
                     "a record has four (skipped)";
        QTest::newRow("aiken stray line, wrong letter")
            << aiken << QByteArray("Q\nA) a\nB) b\nwhat\nC) c\nANSWER: B\n\n") + aikenQuestion(".R", 4, "E")
            << QByteArray()
            << "in.txt:4:1: expected an answer like \"C) text\" or the line \"ANSWER: C\"\n"
               "in.txt:13:1: no answer has the letter E";
        QTest::newRow("gift")
            << gift
            << QByteArray("// comment\n::T\\:1::[html] .Is 1 \\= 1 \\{so\\}? {\n  ~%-100%no#why\n  =yes # right\n"
                          "  ~maybe ~never\n  ####all}\n\nGrant is {~buried =entombed ~living ~here} there.")
            << "\".Is 1 = 1 {so}?\",\"no\",\"yes\",\"maybe\",\"never\",2\r\n"
               "\"Grant is _____ there.\",\"buried\",\"entombed\",\"living\",\"here\",2"
                   + QByteArray(1, '\0')
            << QString(one).replace("1 record", "2 records");
        QTest::newRow("gift unsupported")
            << gift
            << QByteArray(
                   ".Q {=a ~b ~c ~d}\n\nTF {T}\n\nNum {#2:1}\n\nShort {=a =b}\n\nMatch {=a -> b =c -> d ~e ~f}\n\n"
                   "Essay {}\n\nText only\n\nTwo right {=a =b ~c ~d}\n\nHalf {~%50%a ~b ~c ~d}\n\nThree {=a ~b ~c}")
            << QByteArray()
            << "in.txt:3:1: this question cannot become a record: a true-false question\n"
               "in.txt:5:1: this question cannot become a record: a numerical question\n"
               "in.txt:7:1: this question cannot become a record: a short-answer question\n"
               "in.txt:9:1: this question cannot become a record: a matching question\n"
               "in.txt:11:1: this question cannot become a record: an essay question\n"
               "in.txt:13:1: this question cannot become a record: a description without answers\n"
               "in.txt:15:1: this question cannot become a record: several right answers\n"
               "in.txt:17:1: this question cannot become a record: partial credit for the only right answer\n"
               "in.txt:19:1: this question cannot become a record: 3 answers, where a record has four\n"
               "out.lvq: nothing written; --skip-unsupported leaves those questions out";
        QTest::newRow("gift quote") << gift << QByteArray(".Q {=a ~b\n ~c ~d \\= \"e\"}") << QByteArray()
                                    << "in.txt:2:11: a text cannot hold a double quote\n"
                                       "in.txt:2:13: a text cannot hold a double quote";
        QTest::newRow("gift slips")
            << gift << QByteArray("Two \"x\" {=a ~b ~c ~d €}\n\nTF {T}\n\nQ\n {=a ~b\n\n.Q {=a ~b ~c ~d}")
            << QByteArray()
            << "in.txt:1:5: a text cannot hold a double quote\nin.txt:1:7: a text cannot hold a double quote\n"
               "in.txt:1:22: character € (U+20AC) cannot be written in ArmSCII-8\n"
               "in.txt:3:1: this question cannot become a record: a true-false question\n"
               "in.txt:6:2: the answers have no closing \"}\"\n"
               "out.lvq: nothing written; --skip-unsupported leaves those questions out";
        QTest::newRow("gift no closing brace")
            << gift << QByteArray("Q\n {=a ~b") << QByteArray() << "in.txt:2:2: the answers have no closing \"}\"";
        QTest::newRow("unsigned")
            << gift << QByteArray("\n\nQ {=a ~b ~c ~d}") << QByteArray()
            << "in.txt:3:1: the first question must begin with a full stop, or the program takes the file for a "
               "foreign one (--add-signature puts one in)";
        QTest::newRow("signed") << QStringList{"import", "--from", "GIFT", "--add-signature", "in.txt", "out.lvq"}
                                << QByteArray("Q {~b =a ~c ~d}")
                                << "\".Q\",\"b\",\"a\",\"c\",\"d\",2" + QByteArray(1, '\0') << one;
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

    void installsOnlyWhatStarts()
    {
        QCOMPARE(run({"where"}).out, QDir::toNativeSeparators(m_bank.env().testFilePath()) + u'\n');
        m_bank.env().writeTestFile(OldFileContent);
        write(QStringLiteral("bad.lvq"), testFile(31, "\r\n") + "\"q");
        QCOMPARE(run({"install", "bad.lvq"}).status, 1);
        QCOMPARE(TestEnvironment::readFile(m_bank.env().testFilePath()), OldFileContent);
        write(QStringLiteral("good.lvq"), testFile(31));
        QCOMPARE(run({"install", "good.lvq"}).status, 0);
        QCOMPARE(TestEnvironment::readFile(m_bank.env().testFilePath()), testFile(31));
        QCOMPARE(TestEnvironment::readFile(m_bank.env().testFilePath() + ".bak"), OldFileContent);
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
        QTest::newRow("unknown option") << QStringList{"check", "--fast", "a.lvq"};
        QTest::newRow("another command's option") << QStringList{"check", "--from", "gift", "a.lvq"};
        QTest::newRow("sheet as text") << QStringList{"sheet", "a.lvq", "b.txt"};
        QTest::newRow("sample not a number") << QStringList{"sheet", "--sample", "x", "a.lvq", "b.png"};
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

    // The sample's records, with their right answers marked in green.
    void sheetMarksTheRightAnswers()
    {
        write(QStringLiteral("f.lvq"), testFile(40));
        QCOMPARE(run({"sheet", "--sample", "3", "f.lvq", "s.png"}).status, 0);
        const QImage sheet(path("s.png"));
        QVERIFY(sheet.height() > 3 * 100);
        int green = 0;
        for (int y = 0; y < sheet.height(); ++y) {
            for (int x = 0; x < sheet.width(); ++x) {
                const QColor c = sheet.pixelColor(x, y);
                green += c.green() > 80 && c.red() < 60 && c.blue() < 60;
            }
        }
        QVERIFY2(green > 3 * 30, qPrintable(QString::number(green)));
    }
};

QTEST_MAIN(TestBankCommand)
#include "tst_bank_command.moc"
