#include "bankgen/bank_source.h"
#include "support/test_environment.h"

#include <QFile>
#include <QTest>

using namespace bankgen;

namespace {

// The test's own definition: the support library is built without the source folder.
QString sourceFile(const QString &relative)
{
    return QStringLiteral(LORVANE_SOURCE_DIR "/") + relative;
}

QString record(int number, const QString &question = QStringLiteral("Ո՞ր ստեղնն է բացում օգնությունը։"),
               const QString &right = QStringLiteral("4"))
{
    return QStringLiteral("[%1]\nQ: %2\n1: F2\n2: F5\n3: F12\n4: F1\nR: %3\n\n").arg(number).arg(question, right);
}

} // namespace

class TestBankGenerator : public QObject
{
    Q_OBJECT

private slots:
    void committedTestFileMatchesItsSource();
    void writesRecordsInTheTestFileFormat();
    void refusesFaultySource_data();
    void refusesFaultySource();
};

void TestBankGenerator::committedTestFileMatchesItsSource()
{
    const QStringList sources = defaultSourceFiles(sourceFile(QStringLiteral("tools/bankgen")));
    for (const QString &path : sources)
        QVERIFY2(QFile::exists(path), qPrintable(path));
    SourceError error;
    const QByteArray built = buildTestFile(sources, error);
    QVERIFY2(!built.isEmpty(), qPrintable(error.toString()));
    QCOMPARE(built, TestEnvironment::readFile(sourceFile(QStringLiteral("resources/LVT.lvq"))));
}

void TestBankGenerator::writesRecordsInTheTestFileFormat()
{
    QList<SourceRecord> records;
    SourceError error;
    const QString text = QStringLiteral("# comment\n\n") + record(1, QStringLiteral(".doc, «Ա»")) + record(2);
    QVERIFY2(parseBankSource(text, QStringLiteral("a.txt"), records, error), qPrintable(error.toString()));
    const QByteArray bytes = encodeTestFile(records, error);
    QVERIFY(bytes.startsWith("\".doc, \xA7\xB2\xA6\",\"F2\",\"F5\",\"F12\",\"F1\",4\r\n\""));
    QVERIFY(bytes.endsWith(QByteArray("\"F1\",4") + '\0'));
    QCOMPARE(bytes.count("\r\n"), 1);
    QCOMPARE(bytes.count('\0'), 1);
}

void TestBankGenerator::refusesFaultySource_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("where");
    QTest::newRow("gap in numbering") << record(1) + record(3) << QStringLiteral("a.txt:9:2:");
    QTest::newRow("double quote") << record(1, QStringLiteral("Ի՞նչ է \"Bold\"-ը։")) << QStringLiteral("a.txt:2:11:");
    QTest::newRow("curly apostrophe") << record(1, QStringLiteral("Word\u2019s")) << QStringLiteral("a.txt:2:8:");
    QTest::newRow("right answer 5") << record(1, QStringLiteral("Ո՞ր։"), QStringLiteral("5")) << QStringLiteral("a.txt:7:4:");
    QTest::newRow("missing answer") << QStringLiteral("[1]\nQ: x\n1: a\n2: b\n4: d\nR: 1\n") << QStringLiteral("a.txt:5:1:");
}

void TestBankGenerator::refusesFaultySource()
{
    QFETCH(QString, text);
    QFETCH(QString, where);
    QList<SourceRecord> records;
    SourceError error;
    QByteArray bytes;
    if (parseBankSource(text, QStringLiteral("a.txt"), records, error))
        bytes = encodeTestFile(records, error);
    QVERIFY(bytes.isEmpty());
    QVERIFY2(error.toString().startsWith(where), qPrintable(error.toString()));
}

QTEST_MAIN(TestBankGenerator)
#include "tst_bank_generator.moc"
