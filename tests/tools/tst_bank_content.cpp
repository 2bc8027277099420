#include "bank/bank_reader.h"
#include "dialogs/frm_about.h"
#include "support/test_environment.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>

// What a teacher would notice in the carried test: an answer key that follows a pattern, a right
// answer given away by its length, terms that drift, letters of another script inside a word.
class TestBankContent : public QObject
{
    Q_OBJECT

    const QList<bank::QuestionRecord> records = bank::loadQuestions(TestEnvironment::readFile(":/LVT.lvq")).records;
    QStringList texts() const
    {
        QStringList all;
        for (const bank::QuestionRecord &r : records)
            all << r.text(0) << r.text(1) << r.text(2) << r.text(3) << r.text(4);
        return all;
    }

private slots:
    // Each position about a quarter of the time, no run of five, neighbours alike about as often as
    // chance has them (42 times), few blocks of four that use every position once (chance: 4).
    void answerKeyHasNoPattern()
    {
        QString key;
        for (const bank::QuestionRecord &r : records)
            key += QString::number(r.rightAnswer);
        int repeats = 0, permutedBlocks = 0;
        for (qsizetype i = 1; i < key.size(); ++i)
            repeats += key.at(i) == key.at(i - 1) ? 1 : 0;
        for (qsizetype i = 0; i + 4 <= key.size(); i += 4)
            permutedBlocks += QSet<QChar>(key.cbegin() + i, key.cbegin() + i + 4).size() == 4 ? 1 : 0;
        const auto [fewest, most] = std::ranges::minmax({key.count(u'1'), key.count(u'2'), key.count(u'3'), key.count(u'4')});
        QVERIFY2(fewest >= 30 && most <= 56 && repeats >= 25 && repeats <= 60 && permutedBlocks <= 10
                     && !QRegularExpression(QStringLiteral("(.)\\1{4}")).match(key).hasMatch(), qPrintable(key));
    }

    // Of the records with one longest answer, that answer is the right one in at most a quarter.
    void rightAnswerIsNotOftenTheLongest()
    {
        int unique = 0, right = 0;
        for (const bank::QuestionRecord &r : records) {
            const QList<qsizetype> lengths = {r.answer(1).size(), r.answer(2).size(), r.answer(3).size(), r.answer(4).size()};
            const bool one = lengths.count(std::ranges::max(lengths)) == 1;
            unique += one ? 1 : 0;
            right += one && lengths.at(r.rightAnswer - 1) == std::ranges::max(lengths) ? 1 : 0;
        }
        QVERIFY2(4 * right <= unique, qPrintable(QStringLiteral("%1 of %2").arg(right).arg(unique)));
    }

    void bankKeepsToItsTerminology()
    {
        const QByteArray list = TestEnvironment::readFile(QStringLiteral(LORVANE_SOURCE_DIR "/tools/bankgen/terminology.txt"));
        QVERIFY(list.count('\n') > 20);
        for (const QString &line : QString::fromUtf8(list).split(u'\n')) {
            if (line.isEmpty() || line.startsWith(u'#'))
                continue;
            const QRegularExpression variant(line.section(QStringLiteral(" | "), 2), QRegularExpression::CaseInsensitiveOption);
            QVERIFY2(line.count(QStringLiteral(" | ")) == 2 && variant.isValid(), qPrintable(line));
            for (const QString &text : texts())
                QVERIFY2(!variant.match(text).hasMatch(), qPrintable(line + ": " + text));
        }
    }

    void armenianWordsHoldOnlyArmenianLetters()
    {
        const QString armenian = QStringLiteral("[\\x{0531}-\\x{0556}\\x{0561}-\\x{0587}\\x{055B}\\x{055C}\\x{055E}]");
        const QString foreign = QStringLiteral("[A-Za-z\\x{00C0}-\\x{024F}\\x{0400}-\\x{04FF}]");
        const QRegularExpression mixed(armenian + foreign + u'|' + foreign + armenian);
        for (const QString &text : texts() + QStringList{frmAbout::readmeText(), frmAbout::closingNote()})
            QVERIFY2(!mixed.match(text).hasMatch(), qPrintable(text));
    }
};

QTEST_MAIN(TestBankContent)
#include "tst_bank_content.moc"
