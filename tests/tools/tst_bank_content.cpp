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

    // Every line of the list but comments: concept | term | forbidden variants.
    void bankKeepsToItsTerminology()
    {
        const QString path = QStringLiteral(LORVANE_SOURCE_DIR "/tools/bankgen/terminology.txt");
        const QStringList terms = QString::fromUtf8(TestEnvironment::readFile(path)).split(u'\n');
        QVERIFY(terms.size() > 20);
        for (const QString &line : terms.filter(QRegularExpression(QStringLiteral("^[^#]")))) {
            const QRegularExpression variant(line.section(QStringLiteral(" | "), 2),
                                             QRegularExpression::CaseInsensitiveOption);
            QVERIFY2(line.count(QStringLiteral(" | ")) == 2 && variant.isValid(), qPrintable(line));
            for (const QString &text : texts)
                QVERIFY2(!variant.match(text).hasMatch(), qPrintable(line + ": " + text));
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
