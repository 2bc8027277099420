#include "fuzz/test_file_invariants.h"

#include <QDir>
#include <QFile>
#include <QTest>

// Every input the fuzzer has kept, run through the same checks with the normal build, so the
// properties are guarded without clang too.
class TestFuzzCorpusReplay : public QObject
{
    Q_OBJECT

private slots:
    void corpusInputKeepsEveryProperty_data();
    void corpusInputKeepsEveryProperty();
    void corpusHoldsAWorkingBank();
};

static QString corpusDir()
{
    return QStringLiteral(LORVANE_SOURCE_DIR "/tests/fuzz/corpus");
}

static QByteArray readCorpusFile(const QString &name)
{
    QFile file(corpusDir() + u'/' + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read corpus file %s", qPrintable(name));
    return file.readAll();
}

void TestFuzzCorpusReplay::corpusInputKeepsEveryProperty_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QStringList names = QDir(corpusDir()).entryList(QDir::Files, QDir::Name);
    QVERIFY2(names.size() >= 10, qPrintable("too few corpus files in " + corpusDir()));
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << readCorpusFile(name);
}

void TestFuzzCorpusReplay::corpusInputKeepsEveryProperty()
{
    QFETCH(QByteArray, bytes);
    const QString broken = fuzzcheck::checkTestFileBytes(bytes);
    QVERIFY2(broken.isEmpty(), qPrintable(broken));
}

// The fuzzer starts from real banks; the plainest of them must load.
void TestFuzzCorpusReplay::corpusHoldsAWorkingBank()
{
    const QByteArray bytes = readCorpusFile(QStringLiteral("good_three_records"));
    QVERIFY(bank::hasSignature(bytes));
    const bank::LoadResult result = bank::loadQuestions(bytes);
    QVERIFY2(result.ok(), bank::loadErrorText(result.error));
    QCOMPARE(result.records.size(), 3);
    QCOMPARE(bank::countQuestions(bytes), qint16(3));
}

QTEST_MAIN(TestFuzzCorpusReplay)
#include "tst_fuzz_corpus_replay.moc"
