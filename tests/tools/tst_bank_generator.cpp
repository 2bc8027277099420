#include "bank/armscii8.h"
#include "bank/bank_reader.h"
#include "bank/source_encoder.h"
#include "bankgen/source_files.h"
#include "draw/question_picture_table.h"
#include "support/test_environment.h"

#include <QSet>
#include <QTest>

using namespace bank;

namespace {

QString record(int number, const QString &question = QStringLiteral("Ո՞ր ստեղնն է բացում օգնությունը։"),
               const QString &right = QStringLiteral("4"))
{
    return QStringLiteral("[%1]\nQ: %2\n1: F2\n2: F5\n3: F12\n4: F1\nR: %3\n\n").arg(number).arg(question, right);
}

} // namespace

// The test file the program carries and writes on the first start, and the tool that builds it.
class TestBankGenerator : public QObject
{
    Q_OBJECT

private slots:
    void carriedTestFileIsBuiltFromItsSource()
    {
        QList<SourceError> errors;
        const QByteArray built =
            buildTestFile(bankgen::defaultSourceFiles(LORVANE_SOURCE_DIR "/tools/bankgen"), false, errors);
        QVERIFY2(!built.isEmpty(), qPrintable(errors.value(0).toString()));
        QCOMPARE(built, TestEnvironment::readFile(QStringLiteral(LORVANE_SOURCE_DIR "/resources/LVT.lvq")));
        QCOMPARE(built, TestEnvironment::readFile(QStringLiteral(":/LVT.lvq")));
        QVERIFY(bank::hasSignature(built));
    }

    // 171 records, the last repeating the one before; the fourth answer is right in both.
    void everyCarriedRecordIsWellFormed()
    {
        const QList<bank::QuestionRecord> records = bank::loadQuestions(TestEnvironment::readFile(":/LVT.lvq")).records;
        QCOMPARE(records.size(), 171);
        // The word every question with a picture uses to point at it, and no other record uses.
        const QString pictureWord = QStringLiteral("նկար");
        QSet<QString> questions;
        QString previous;
        for (int number = 1; number <= 171; ++number) {
            const bank::QuestionRecord &r = records.at(number - 1);
            const QStringList texts = {r.text(0), r.text(1), r.text(2), r.text(3), r.text(4)};
            const QString all = texts.join(u'|');
            const QByteArray where = QStringLiteral("record %1: %2").arg(number).arg(all).toUtf8();
            QVERIFY2(r.rightAnswer >= 1 && r.rightAnswer <= 4 && !all.contains(bank::Armscii8Replacement), where);
            // The preview areas are sized for these lengths.
            QVERIFY2(!texts[0].trimmed().isEmpty() && texts[0].size() < 250, where);
            for (int answer = 1; answer <= 4; ++answer)
                QVERIFY2(!texts[answer].trimmed().isEmpty() && texts[answer].size() < 120, where);
            QVERIFY2(QSet<QString>(texts.begin() + 1, texts.end()).size() == 4, where);
            const bool picture = bank::questionPictureId(number).has_value();
            QVERIFY2(picture ? texts[0].contains(pictureWord, Qt::CaseInsensitive)
                             : !all.contains(pictureWord, Qt::CaseInsensitive),
                     where);
            // Questions with pictures may share a wording; their pictures and answers tell them apart.
            const QString key = picture ? all : texts[0];
            QVERIFY2(number == 171 ? all == previous && r.rightAnswer == 4 : !questions.contains(key), where);
            questions.insert(key);
            previous = all;
        }
        QCOMPARE(records.at(169).rightAnswer, qint16(4));
    }

    void writesRecordsInTheTestFileFormat()
    {
        BankSource records;
        QList<SourceError> errors;
        const QString text = "# comment\n\n" + record(1, QStringLiteral(".doc, «Ա»")) + record(2, "F1?");
        QVERIFY2(parseBankSource(text, QStringLiteral("a.txt"), records, errors),
                 qPrintable(errors.value(0).toString()));
        QCOMPARE(encodeTestFile(records, errors),
                 QByteArrayLiteral("\".doc, \xA7\xB2\xA6\",\"F2\",\"F5\",\"F12\",\"F1\",4\r\n"
                                   "\"F1?\",\"F2\",\"F5\",\"F12\",\"F1\",4\0"));
    }

    // Refused with the place of the fault.
    void refusesFaultySource()
    {
        const std::pair<QString, const char *> rows[] = {
            {record(1) + record(3), "a.txt:9:2:"}, // a gap in the numbering
            {record(1, QStringLiteral("Ի՞նչ է \"Bold\"-ը։")), "a.txt:2:11:"},
            {record(1, QStringLiteral("Word\u2019s")), "a.txt:2:8:"},
            {record(1, QStringLiteral("Ո՞ր։"), QStringLiteral("5")), "a.txt:7:4:"},
            {QStringLiteral("[1]\nQ: x\n1: a\n2: b\n4: d\nR: 1\n"), "a.txt:5:1:"}}; // answer 3 missing
        for (const auto &[text, where] : rows) {
            BankSource records;
            QList<SourceError> errors;
            const bool parsed = parseBankSource(text, QStringLiteral("a.txt"), records, errors);
            QVERIFY(!parsed || encodeTestFile(records, errors).isEmpty());
            QVERIFY2(errors.value(0).toString().startsWith(QLatin1String(where)),
                     qPrintable(errors.value(0).toString()));
        }
    }
};

QTEST_MAIN(TestBankGenerator)
#include "tst_bank_generator.moc"
