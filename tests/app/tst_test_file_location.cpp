#include "app/test_file_location.h"

#include "support/test_environment.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <memory>

using namespace mMain;

class TestTestFileLocation : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }

    void windowsDirectoryHoldsTheTestFile();
    void dataDirectoryServesWithoutWindowsDirectory_data();
    void dataDirectoryServesWithoutWindowsDirectory();
    void fileExistsOnlyForFiles();
    void defaultFileIsWrittenByteForByte();
    void failedWriteReportsAndLeavesNoFile_data();
    void failedWriteReportsAndLeavesNoFile();

private:
    static QByteArray resourceBytes() { return TestEnvironment::readFile(DefaultTestFileResource); }
    std::unique_ptr<TestEnvironment> m_env;
};

void TestTestFileLocation::windowsDirectoryHoldsTheTestFile()
{
    QCOMPARE(testFileDirectory(), m_env->winDir());
    QCOMPARE(testFilePath(), m_env->testFilePath());
    // Nothing is cached: a changed WinDir is followed at once.
    qputenv("WinDir", m_env->root().toLocal8Bit());
    QCOMPARE(testFilePath(), m_env->root() + "/LVT.lvq");
}

void TestTestFileLocation::dataDirectoryServesWithoutWindowsDirectory_data()
{
    QTest::addColumn<bool>("emptyWinDir");
    QTest::addColumn<bool>("withDataHome");
    QTest::newRow("no WinDir") << false << true;
    QTest::newRow("empty WinDir") << true << true;
    QTest::newRow("no WinDir, no XDG_DATA_HOME") << false << false;
}

void TestTestFileLocation::dataDirectoryServesWithoutWindowsDirectory()
{
    QFETCH(bool, emptyWinDir);
    QFETCH(bool, withDataHome);
    if (emptyWinDir)
        qputenv("WinDir", "");
    else
        m_env->unsetWinDir();
    if (!withDataHome)
        qunsetenv("XDG_DATA_HOME");
    const QString expected = withDataHome ? m_env->dataDir() + "/Lorvane"
                                          : m_env->root() + "/home/.local/share/Lorvane";
    QVERIFY(!QFileInfo::exists(expected));
    QCOMPARE(testFilePath(), expected + "/LVT.lvq");
    QVERIFY(QFileInfo(expected).isDir());
}

void TestTestFileLocation::fileExistsOnlyForFiles()
{
    m_env->writeTestFile("x");
    QVERIFY(FileExists(m_env->testFilePath()));
    m_env->writeTestFile("");
    QVERIFY(FileExists(m_env->testFilePath()));
    QVERIFY(QFile::link(m_env->testFilePath(), m_env->winDir() + "/link.lvq"));
    QVERIFY(FileExists(m_env->winDir() + "/link.lvq"));

    QVERIFY(!FileExists(QString()));
    QVERIFY(!FileExists(m_env->winDir()));
    QVERIFY(!FileExists(m_env->winDir() + "/missing.lvq"));
    QVERIFY(QFile::remove(m_env->testFilePath()));
    QVERIFY(!FileExists(m_env->winDir() + "/link.lvq"));
}

void TestTestFileLocation::defaultFileIsWrittenByteForByte()
{
    const QByteArray expected = resourceBytes();
    if (expected.isEmpty())
        QSKIP("the default test file is not among the resources yet");
    QCOMPARE(WriteDefaultTestFile(), QString());
    QCOMPARE(TestEnvironment::readFile(m_env->testFilePath()), expected);

    m_env->writeTestFile(QByteArray(100000, 'z'));
    QCOMPARE(WriteDefaultTestFile(), QString());
    QCOMPARE(TestEnvironment::readFile(m_env->testFilePath()), expected);
    QCOMPARE(QDir(m_env->winDir()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"LVT.lvq"});
}

void TestTestFileLocation::failedWriteReportsAndLeavesNoFile_data()
{
    QTest::addColumn<QString>("winDirUnderRoot");
    // A plain file stands where a folder must be, which stops even a privileged user.
    QTest::newRow("WinDir is a file") << "blocker";
    QTest::newRow("WinDir below a file") << "blocker/windows";
    QTest::newRow("WinDir missing") << "no/such/dir";
}

void TestTestFileLocation::failedWriteReportsAndLeavesNoFile()
{
    if (resourceBytes().isEmpty())
        QSKIP("the default test file is not among the resources yet");
    QFETCH(QString, winDirUnderRoot);
    QFile blocker(m_env->root() + "/blocker");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.write("keep");
    blocker.close();
    qputenv("WinDir", (m_env->root() + '/' + winDirUnderRoot).toLocal8Bit());

    const QString report = WriteDefaultTestFile();
    QVERIFY(report.contains(QDir::toNativeSeparators(testFilePath())));
    QVERIFY(!FileExists(testFilePath()));
    QCOMPARE(TestEnvironment::readFile(blocker.fileName()), QByteArray("keep"));
    QCOMPARE(QDir(m_env->root()).entryList(QDir::Files | QDir::Hidden), QStringList{"blocker"});
}

QTEST_GUILESS_MAIN(TestTestFileLocation)
#include "tst_test_file_location.moc"
