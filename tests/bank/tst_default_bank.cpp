#include "bank/armscii8.h"
#include "bank/test_file_reader.h"
#include "draw/question_picture_table.h"
#include "support/test_environment.h"

#include <QFile>
#include <QSet>
#include <QTest>

Q_DECLARE_METATYPE(bank::QuestionRecord)

using namespace bank;

namespace {

// The word every question with a picture uses to point at it, and no other record uses.
const QString PictureWord = QStringLiteral("նկար");

QByteArray defaultBankBytes()
{
    QFile file(QStringLiteral(":/LVT.lvq"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QList<QuestionRecord> defaultBank()
{
    return loadQuestions(defaultBankBytes()).records;
}

QStringList textsOf(const QuestionRecord &record)
{
    return {record.questText(), record.answer(1), record.answer(2), record.answer(3), record.answer(4)};
}

} // namespace

class TestDefaultBank : public QObject
{
    Q_OBJECT

private slots:
    void carriedBankIsTheCommittedTestFile();
    void loadsAndCounts171Records();
    void rightAnswersAreSpreadOverAllPositions();
    void lastTwoRecordsAreTheSameWithAnswerFour();
    void questionsAreNotRepeated();
    void everyRecordIsWellFormed_data();
    void everyRecordIsWellFormed();
};

void TestDefaultBank::carriedBankIsTheCommittedTestFile()
{
    const QByteArray carried = defaultBankBytes();
    QVERIFY(!carried.isEmpty());
    QVERIFY(carried == TestEnvironment::readFile(QStringLiteral(LORVANE_SOURCE_DIR "/resources/LVT.lvq")));
}

void TestDefaultBank::loadsAndCounts171Records()
{
    const QByteArray bytes = defaultBankBytes();
    QVERIFY(hasSignature(bytes));
    const LoadResult result = loadQuestions(bytes);
    QVERIFY2(result.ok(), loadErrorText(result.error));
    QCOMPARE(result.records.size(), 171);
    QCOMPARE(countQuestions(bytes), qint16(171));
    QCOMPARE(bytes.count("\r\n"), 170);
    QVERIFY(bytes.endsWith(QByteArray("4") + '\0'));
}

void TestDefaultBank::rightAnswersAreSpreadOverAllPositions()
{
    int perPosition[5] = {};
    for (const QuestionRecord &record : defaultBank()) {
        QVERIFY(record.rightAnswer >= 1 && record.rightAnswer <= 4);
        ++perPosition[record.rightAnswer];
    }
    for (int position = 1; position <= 4; ++position) {
        QVERIFY2(perPosition[position] >= 40 && perPosition[position] <= 46,
                 qPrintable(QStringLiteral("answer %1 is right %2 times").arg(position).arg(perPosition[position])));
    }
}

void TestDefaultBank::lastTwoRecordsAreTheSameWithAnswerFour()
{
    const QList<QuestionRecord> records = defaultBank();
    QCOMPARE(records.size(), 171);
    QCOMPARE(textsOf(records.at(169)), textsOf(records.at(170)));
    QCOMPARE(records.at(169).rightAnswer, qint16(4));
    QCOMPARE(records.at(170).rightAnswer, qint16(4));
}

void TestDefaultBank::questionsAreNotRepeated()
{
    // Questions with pictures may share a wording; their pictures and answers tell them apart.
    const QList<QuestionRecord> records = defaultBank();
    QSet<QString> seen;
    for (qsizetype i = 0; i < records.size() - 1; ++i) { // the last record repeats the one before
        const int number = int(i + 1);
        const QString key = mMain::questionPictureId(number) ? textsOf(records.at(i)).join(QLatin1Char('\n'))
                                                             : records.at(i).questText();
        QVERIFY2(!seen.contains(key), qPrintable(QStringLiteral("record %1 repeats a question").arg(number)));
        seen.insert(key);
    }
}

void TestDefaultBank::everyRecordIsWellFormed_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QuestionRecord>("record");
    const QList<QuestionRecord> records = defaultBank();
    QVERIFY(!records.isEmpty());
    for (qsizetype i = 0; i < records.size(); ++i)
        QTest::addRow("record %d", int(i + 1)) << int(i + 1) << records.at(i);
}

void TestDefaultBank::everyRecordIsWellFormed()
{
    QFETCH(int, number);
    QFETCH(QuestionRecord, record);
    const QStringList texts = textsOf(record);
    for (const QString &text : texts) {
        QVERIFY2(!text.contains(kArmscii8Replacement), qPrintable(text));
        QVERIFY(!text.trimmed().isEmpty());
    }
    // One byte per character in the file, and the preview areas are sized for these lengths.
    QVERIFY2(record.questText().size() < 250, qPrintable(record.questText()));
    for (int answer = 1; answer <= 4; ++answer)
        QVERIFY2(texts.at(answer).size() < 120, qPrintable(texts.at(answer)));
    QCOMPARE(QSet<QString>(texts.begin() + 1, texts.end()).size(), 4);

    if (mMain::questionPictureId(number)) {
        QVERIFY2(record.questText().contains(PictureWord, Qt::CaseInsensitive), qPrintable(record.questText()));
    } else {
        for (const QString &text : texts)
            QVERIFY2(!text.contains(PictureWord, Qt::CaseInsensitive), qPrintable(text));
    }
}

QTEST_MAIN(TestDefaultBank)
#include "tst_default_bank.moc"
