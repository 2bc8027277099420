#include "bank/bank_reader.h"
#include "dialogs/frm_about.h"
#include "support/test_environment.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>

using dialogs::frmAbout;

// What a teacher would notice in the carried test: an answer key that follows a pattern, a right
// answer given away by its length, terms that drift, letters of another script inside a word.
class TestBankContent : public QObject
{
    Q_OBJECT

    const QList<bank::QuestionRecord> records = bank::loadQuestions(TestEnvironment::readFile(":/LVT.lvq")).records;
    QStringList texts; // every question and answer
    QString key;       // the right answers' numbers, record by record

    static QStringList linesOf(std::initializer_list<const char *> files)
    {
        QStringList lines;
        for (const char *file : files)
            lines << QString::fromUtf8(TestEnvironment::readFile(LORVANE_SOURCE_DIR "/" + QLatin1String(file)))
                         .split(u'\n');
        return lines;
    }

private slots:
    void initTestCase()
    {
        for (const bank::QuestionRecord &r : records) {
            key += QString::number(r.rightAnswer);
            texts << r.text(0) << r.text(1) << r.text(2) << r.text(3) << r.text(4);
        }
    }

    // The right answers' positions: each about a quarter of the time, no run of five, neighbours
    // alike about as often as chance has them (42 times); a key that shuns repeats, runs a cycle or
    // deals the positions out in blocks of four has far fewer. Nor does the right answer stand out
    // by its length: of the records with one longest answer, it is the right one in at most a quarter.
    void answerKeyGivesNothingAway()
    {
        const qsizetype repeats = key.count(QRegularExpression(QStringLiteral("(.)(?=\\1)")));
        const auto [fewest, most] =
            std::ranges::minmax({key.count(u'1'), key.count(u'2'), key.count(u'3'), key.count(u'4')});
        QVERIFY2(fewest >= 30 && most <= 56 && repeats >= 25 && repeats <= 60
                     && !QRegularExpression(QStringLiteral("(.)\\1{4}")).match(key).hasMatch(),
                 qPrintable(key));
        int unique = 0, right = 0;
        for (const bank::QuestionRecord &r : records) {
            const QList<qsizetype> lengths = {r.answer(1).size(), r.answer(2).size(), r.answer(3).size(),
                                              r.answer(4).size()};
            const qsizetype longest = std::ranges::max(lengths);
            unique += lengths.count(longest) == 1 ? 1 : 0;
            right += lengths.count(longest) == 1 && lengths.at(r.rightAnswer - 1) == longest ? 1 : 0;
        }
        QVERIFY2(4 * right <= unique, qPrintable(QStringLiteral("longest and right: %1 of %2").arg(right).arg(unique)));
    }

    // The terms list, concept | term | forbidden variants a line each, holds the carried test's
    // texts to its terms and, after "[interface]", every line of the programs' Armenian
    // translations and manual pages (the English lines hold no Armenian).
    void keepsToItsTerminology()
    {
        QStringList lines =
            linesOf({"tools/bankgen/terminology.txt"}).filter(QRegularExpression(QStringLiteral("^[^#]")));
        const qsizetype interface = lines.indexOf(QStringLiteral("[interface]"));
        QVERIFY(interface > 15 && lines.size() - interface > 15);
        lines.removeAt(interface);
        const QStringList interfaceLines =
            linesOf({"translations/lorvane_hy.ts", "packaging/hy/lorvane.1", "packaging/hy/lorvane-bank.1"});
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QRegularExpression variant(lines.at(i).section(QStringLiteral(" | "), 2),
                                             QRegularExpression::CaseInsensitiveOption);
            QVERIFY2(lines.at(i).count(QStringLiteral(" | ")) == 2 && variant.isValid(), qPrintable(lines.at(i)));
            for (const QString &text : i < interface ? texts : interfaceLines)
                QVERIFY2(!variant.match(text).hasMatch(), qPrintable(lines.at(i) + ": " + text));
        }
    }

    // Armenian letters and the marks written inside a word (but the comma) next to Latin, Greek or
    // Cyrillic letters.
    void armenianWordsHoldOnlyArmenianLetters()
    {
        const QRegularExpression mixed(
            QStringLiteral("%1%2|%2%1")
                .arg(u"[\\x{0531}-\\x{055C}\\x{055E}-\\x{0587}]", u"[A-Za-z\\x{00C0}-\\x{04FF}]"));
        for (const QString &text : texts + QStringList{frmAbout::readmeText(), frmAbout::closingNote()})
            QVERIFY2(!mixed.match(text).hasMatch(), qPrintable(text));
    }
};

QTEST_MAIN(TestBankContent)
#include "tst_bank_content.moc"
