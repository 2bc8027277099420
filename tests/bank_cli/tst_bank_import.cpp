#include "bank_cli/bank_command.h"
#include "support/bank_command_runner.h"

#include <QRegularExpression>
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

const QByteArray Nul(1, '\0');

// The warning about too few records for a test, which every small file here gets.
QString withoutFewRecords(QString err)
{
    static const QRegularExpression few(QStringLiteral("^\\S+: warning: only \\d+ records?: [^\n]*\n"),
                                        QRegularExpression::MultilineOption);
    return err.remove(few);
}

} // namespace

// import from Moodle's Aiken and GIFT formats and export back to them, run in-process.
class TestBankImport : public QObject
{
    Q_OBJECT

    BankCommandRunner m_bank;

private slots:
    void init() { m_bank.init(); }
    void cleanup() { m_bank.cleanup(); }

    // A failed run writes nothing and leaves the file that was there as it was.
    void writesOnlyWhatIsWhole_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("written"); // empty: nothing, the old file stays
        QTest::addColumn<QString>("err");
        const QStringList aiken{"import", "--from", "aiken", "in.txt", "out.lvq"};
        const QStringList gift{"import", "--from", "gift", "in.txt", "out.lvq"};
        const QByteArray fourA = aikenQuestion(".Q", 4);
        QTest::newRow("aiken") << aiken << fourA << ImportedQFile << "";
        QTest::newRow("aiken unsupported")
            << aiken
            << fourA + aikenQuestion("Two", 2) + aikenQuestion("Six", 6, "F") + aikenQuestion("Both", 4, "A, C")
            << QByteArray()
            << "in.txt:8:1: this question cannot become a record: 2 answers, where a record has four\n"
               "in.txt:13:1: this question cannot become a record: 6 answers, where a record has four\n"
               "in.txt:22:1: this question cannot become a record: several right answers\n"
               "out.lvq: nothing written; --skip-unsupported leaves those questions out";
        QTest::newRow("aiken skipped") << QStringList{"import", "--from", "aiken", "--skip-unsupported",
                                                      "in.txt", "out.lvq"}
                                       << aikenQuestion("Two", 2) + fourA << ImportedQFile
                                       << "in.txt:1:1: warning: this question cannot become a record: 2 answers, where "
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
            << "";
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
                                << "\".Q\",\"b\",\"a\",\"c\",\"d\",2" + QByteArray(1, '\0') << "";
        QTest::newRow("aiken title and Armenian letters")
            << aiken
            << "My quiz\n\n"
                   + aikenQuestion(".Q", 4, "\xD4\xB2")
                         .replace("A)", "\xD4\xB1)")
                         .replace("B)", "\xD4\xB2)")
                         .replace("C)", "\xD4\xB3)")
                         .replace("D)", "\xD4\xB4)")
            << ImportedQFile
            << "in.txt:1:1: warning: left out: no answers follow this text before the blank line (a question is the "
               "text right before its answers)";
        QTest::newRow("aiken slips")
            << aiken
            << "ANSWER: A\n\n" + aikenQuestion(".Q", 4).replace("ANSWER: B\n", "")
                   + aikenQuestion("R", 4).replace("B)", "\xD4\xB2)") + aikenQuestion("S", 4, "\xD4\xB2")
            << QByteArray()
            << "in.txt:1:1: an \"ANSWER:\" line with no question and answers before it\n"
               "in.txt:3:1: the question has no \"ANSWER:\" line\n"
               "in.txt:11:4: the answers mix Latin and Armenian letters: label them A to D or \u0531 to \u0534\n"
               "in.txt:21:1: \"ANSWER:\" names an Armenian letter where the answers have Latin ones";
        QTest::newRow("gift html")
            << gift
            << QByteArray("::1::[html]<p>.Is &laquo;a&raquo;&nbsp; &lt;<br>\n b &amp;&#32;c?<img src=\"x.png\"></p>{\n"
                          "=<b>yes</b> ~&\\#x531;&#1330; ~<p>x</p><p>y</p> ~no}")
            << "\".Is \xA7"
               "a\xA6 < b & c?\",\"yes\",\"\xB2\xB4\",\"x y\",\"no\",1"
                   + Nul
            << "in.txt:2:16: warning: a picture (<img>) cannot be carried into the test file: it is left out";
        QTest::newRow("gift without blank lines")
            << gift << QByteArray(".Q {=a ~b ~c ~d}\nR {=a ~b\n\t~c\n  continued ~d}")
            << "\".Q\",\"a\",\"b\",\"c\",\"d\",1\r\n\"R\",\"a\",\"b\",\"c continued\",\"d\",1" + Nul
            << "in.txt:2:1: warning: no blank line before this question: it is read as a question of its own";
        QTest::newRow("gift = in a text")
            << gift << QByteArray(".Q {=x=2 ~x=3 ~b ~c}\n\nR {=1 = 1 ~x ~y ~z}\n\nS {=a ~b ~c ~d ~e}") << QByteArray()
            << "in.txt:1:1: this question cannot become a record: 6 answers, where a record has four (an \"=\" or "
               "\"~\" "
               "that belongs to a text is written \\= or \\~)\n"
               "in.txt:3:1: this question cannot become a record: 5 answers, where a record has four (an \"=\" or "
               "\"~\" "
               "that belongs to a text is written \\= or \\~)\n"
               "in.txt:5:1: this question cannot become a record: 5 answers, where a record has four\n"
               "out.lvq: nothing written; --skip-unsupported leaves those questions out";
        const QByteArray bank = record(".q{1}", 2) + record("q2", 7) + record("q3:", 1, Nul);
        const QString skipped =
            QStringLiteral("in.txt:2:2: warning: the right answer 7 is none of 1 to 4: the record is "
                           "left out");
        QTest::newRow("export gift") << QStringList{"export", "--to", "Gift", "in.txt", "out.gift"} << bank
                                     << QByteArray("::1:: .q\\{1\\} {~a =b ~c ~d}\n\n::3:: q3\\: {=a ~b ~c ~d}\n")
                                     << skipped;
        QTest::newRow("export aiken") << QStringList{"export", "--to", "aiken", "in.txt", "out.txt"} << bank
                                      << QByteArray(".q{1}\nA) a\nB) b\nC) c\nD) d\nANSWER: B\n\n"
                                                    "q3:\nA) a\nB) b\nC) c\nD) d\nANSWER: A\n")
                                      << skipped;
        QTest::newRow("export nothing") << QStringList{"export", "--to", "aiken", "in.txt", "out.txt"}
                                        << record(".q", 2).replace("\"b\"", "\" \"") << QByteArray()
                                        << "in.txt:1:11: warning: empty text: the record is left out\n"
                                           "out.txt: nothing written: no record can be exported";
    }

    void writesOnlyWhatIsWhole()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, written);
        QFETCH(QString, err);
        m_bank.write(QStringLiteral("in.txt"), input);
        m_bank.write(arguments.last(), OldFileContent);
        const Run result = m_bank.run(arguments);
        QCOMPARE(withoutFewRecords(result.err).trimmed(), err);
        QCOMPARE(result.status, written.isEmpty() ? 1 : 0);
        QCOMPARE(TestEnvironment::readFile(m_bank.path(arguments.last())),
                 written.isEmpty() ? OldFileContent : written);
    }

    // export, then import of what it wrote, gives the test file back byte for byte.
    void exportThenImportGivesTheSameRecords_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray awkward = record(".{a} = b~c #d \\", 3) + record("[html]::T:: 10:30 \\n // <b>", 1)
                                   + "\"A) \xB2\xB3\xA3 \xA6\xA7\",\"x:y\",\"=\",\"~#\",\"}{\",4" + Nul;
        QTest::newRow("gift") << "gift" << awkward;
        QTest::newRow("aiken") << "aiken" << awkward;
    }

    void exportThenImportGivesTheSameRecords()
    {
        QFETCH(QString, format);
        QFETCH(QByteArray, bytes);
        m_bank.write(QStringLiteral("in.lvq"), bytes);
        QCOMPARE(m_bank.run({"export", "--to", format, "in.lvq", "q.txt"}).status, 0);
        const Run back = m_bank.run({"import", "--from", format, "q.txt", "out.lvq"});
        QCOMPARE(withoutFewRecords(back.err), QString());
        QCOMPARE(TestEnvironment::readFile(m_bank.path("out.lvq")), bytes);
    }
};

QTEST_MAIN(TestBankImport)
#include "tst_bank_import.moc"
