#include "app/bank_location.h"

#include "support/test_environment.h"

#include <QTest>

#include <optional>

using namespace app::mMain;

class TestBankLocation : public QObject
{
    Q_OBJECT
    std::optional<TestEnvironment> m_env;

private slots:
    void init() { m_env.emplace(); }
    void cleanup() { m_env.reset(); }

    // WinDir, followed at every call; without it, or with an empty one, the data directory, which
    // is created when missing.
    void testFileIsInTheWindowsOrTheDataDirectory()
    {
        QCOMPARE(testFilePath(), m_env->testFilePath());
        qputenv("WinDir", m_env->root().toLocal8Bit());
        QCOMPARE(testFilePath(), m_env->root() + "/LVT.lvq");
        for (const bool emptyWinDir : {false, true}) {
            for (const bool withDataHome : {true, false}) {
                m_env.emplace();
                emptyWinDir ? qputenv("WinDir", "") : qunsetenv("WinDir");
                if (!withDataHome)
                    qunsetenv("XDG_DATA_HOME");
                const QString expected = m_env->root() + (withDataHome ? "/data" : "/home/.local/share") + "/Lorvane";
                QVERIFY(!QFileInfo::exists(expected));
                QCOMPARE(testFilePath(), expected + "/LVT.lvq");
                QVERIFY(QFileInfo(expected).isDir());
            }
        }
    }

    void fileExistsOnlyForFiles()
    {
        const QString link = m_env->winDir() + "/link.lvq";
        m_env->writeTestFile("");
        QVERIFY(QFile::link(m_env->testFilePath(), link));
        QVERIFY(FileExists(m_env->testFilePath()) && FileExists(link));
        QVERIFY(!FileExists(QString()) && !FileExists(m_env->winDir()) && !FileExists(m_env->winDir() + "/missing"));
        QVERIFY(QFile::remove(m_env->testFilePath()));
        QVERIFY(!FileExists(link));
    }

    // Byte for byte, replacing a larger file as a whole.
    void defaultFileIsWrittenByteForByte()
    {
        const QByteArray expected = TestEnvironment::readFile(DefaultTestFileResource);
        QVERIFY(!expected.isEmpty());
        m_env->writeTestFile(QByteArray(100000, 'z'));
        QCOMPARE(WriteDefaultTestFile(), QString());
        QCOMPARE(TestEnvironment::readFile(m_env->testFilePath()), expected);
        QCOMPARE(QDir(m_env->winDir()).entryList(QDir::Files | QDir::Hidden), QStringList{"LVT.lvq"});
    }

    // A plain file stands where a folder must be, which stops even a privileged user.
    void failedWriteReportsAndLeavesNoFile()
    {
        for (const char *winDir : {"/blocker", "/blocker/windows", "/no/such/dir"}) {
            m_env.emplace();
            QFile blocker(m_env->root() + "/blocker");
            QVERIFY(blocker.open(QIODevice::WriteOnly) && blocker.write("keep") == 4);
            blocker.close();
            qputenv("WinDir", (m_env->root() + winDir).toLocal8Bit());
            QVERIFY(WriteDefaultTestFile().contains(QDir::toNativeSeparators(testFilePath())));
            QVERIFY(!FileExists(testFilePath()));
            QCOMPARE(TestEnvironment::readFile(blocker.fileName()), "keep");
            QCOMPARE(QDir(m_env->root()).entryList(QDir::Files | QDir::Hidden), QStringList{"blocker"});
        }
    }
};

QTEST_GUILESS_MAIN(TestBankLocation)
#include "tst_bank_location.moc"
