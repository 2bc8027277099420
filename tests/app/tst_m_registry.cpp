#include "app/m_registry.h"

#include "support/test_environment.h"

#include <QTest>

#include <optional>

using namespace app::mRegistry;

namespace {

QString read(const QString &name, const QString &keyPath = OptionsKey)
{
    return ReadRegString(HKEY_CURRENT_USER, keyPath, name, QStringLiteral("default"));
}

void write(const QString &name, const QString &text, const QString &keyPath = OptionsKey)
{
    WriteRegString(HKEY_CURRENT_USER, keyPath, name, text);
}

void putFile(const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(settingsFilePath()).absolutePath());
    QFile file(settingsFilePath());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

QByteArray fileBytes()
{
    return TestEnvironment::readFile(settingsFilePath());
}

} // namespace

class TestRegistry : public QObject
{
    Q_OBJECT
    std::optional<TestEnvironment> m_env;

private slots:
    void init() { m_env.emplace(); }
    void cleanup() { m_env.reset(); }

    void writtenValueReadsBack_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const auto same = [](const char *name, const QString &text) { QTest::newRow(name) << text << text; };
        same("empty reads empty, not the default", "");
        same("spaces and file syntax kept", "  a=b [c] ;d #e ");
        same("backslashes and line breaks", "C:\\x\\n\\ one\ntwo\r\nthree");
        same("127 bytes", QString(127, u'x'));
        QTest::newRow("128 bytes") << QString(128, u'x') << "default";
        QTest::newRow("64 two-byte letters") << QString(64, u'Ա') << "default";
        QTest::newRow("126 bytes and a two-byte letter") << QString(126, u'x') + u'Ա' << "default";
        QTest::newRow("up to the first NUL") << QStringLiteral("ab\0cd") << "ab";
        QTest::newRow("NUL first") << QString(QChar(0)) << "";
    }

    void writtenValueReadsBack()
    {
        QFETCH(QString, text);
        write("UserName", "first");
        write("UserName", text);
        QTEST(read("UserName"), "expected");
    }

    // One section per key path, named as written, names and values escaped. Names compare without
    // case, and the value is everything after the "="; what is not written is kept. The file is
    // written beside and renamed: nothing else is left in the folder.
    void rewriteKeepsEverythingElse()
    {
        putFile("; kept\n[software\\LORVANE\\options]\n  pausetime = 60\n\n[Software\\Other]\nx=1\n");
        QCOMPARE(read("PauseTime"), " 60");
        write("UserName", "A=B\\C");
        write("PauseTime", "120");
        write("Name Two", "x", "Software\\Third");
        QCOMPARE(fileBytes(), "; kept\n[software\\LORVANE\\options]\nPauseTime=120\nUserName=A=B\\\\C\n\n"
                              "[Software\\Other]\nx=1\n\n[Software\\Third]\nName\\sTwo=x\n");
        QCOMPARE(read("x", "Software\\Other"), "1");
        QCOMPARE(QDir(m_env->configDir() + "/Lorvane").entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList{"Lorvane.ini"});
    }

    // Reading writes nothing; there is no cache, so a file changed at the same size within the
    // same second is read afresh.
    void everyReadOpensTheFile()
    {
        QCOMPARE(settingsFilePath(), m_env->configDir() + "/Lorvane/Lorvane.ini");
        QCOMPARE(read("ImageColor"), "default");
        QVERIFY(!QFileInfo::exists(m_env->configDir() + "/Lorvane"));
        for (const char *value : {"10", "11", "12"}) {
            putFile(QByteArray("[Software\\Lorvane\\Options]\nImageColor=") + value + "\n");
            QCOMPARE(read("ImageColor"), value);
        }
        QFile::remove(settingsFilePath());
        QCOMPARE(read("ImageColor"), "default");
    }

    // A line that is not understood is kept as it was and costs only itself: every other value
    // reads as stored, and a write succeeds. A header without "]" ends the section before it.
    void damagedLineCostsOnlyItself()
    {
        const QByteArray key("[Software\\Lorvane\\Options]\n");
        for (const QByteArray &damaged : {QByteArray("garbage\n"), QByteArray("UserName=\xff\xfe\n"),
                                          QByteArrayLiteral("Name=a\0b\n"), key.chopped(2) + '\n'}) {
            const QString pauseTime = damaged.startsWith('[') ? "default" : "60";
            putFile(damaged + key + "UserName=Ani\n" + damaged + "PauseTime=60\n");
            QVERIFY(read("UserName") == "Ani" && read("PauseTime") == pauseTime);
            write("UserName", "Anna");
            QVERIFY(read("UserName") == "Anna" && read("PauseTime") == pauseTime);
            QCOMPARE(fileBytes().count(damaged), 2);
        }
    }

    // A plain file takes the settings folder's place, then a folder the settings file's.
    void unwritableStoreIsIgnored()
    {
        QFile blocker(m_env->configDir() + "/Lorvane");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        write("UserName", "Anna");
        QCOMPARE(read("UserName"), "default");
        QVERIFY(blocker.remove() && QDir().mkpath(settingsFilePath()));
        write("UserName", "Anna");
        QCOMPARE(read("UserName"), "default");
        QVERIFY(QFileInfo(settingsFilePath()).isDir());
    }
};

QTEST_GUILESS_MAIN(TestRegistry)
#include "tst_m_registry.moc"
