#include "app/m_registry.h"

#include "support/test_environment.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <memory>

using namespace mRegistry;

class TestRegistry : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }

    void freshUserReadsEveryDefaultWithoutWriting();
    void writtenValueReadsBack_data();
    void writtenValueReadsBack();
    void valueFromOneHundredTwentyEightBytesReadsAsDefault_data();
    void valueFromOneHundredTwentyEightBytesReadsAsDefault();
    void valueReadsUpToItsFirstNul();
    void fileLayoutIsOneSectionPerKey();
    void namesCompareWithoutCase();
    void changeByAnotherWriterIsSeenAtNextRead();
    void rewriteKeepsOtherValuesAndComments();
    void damagedFileReadsDefaultsAndSurvivesWrites_data();
    void damagedFileReadsDefaultsAndSurvivesWrites();
    void unwritableStoreIsIgnored();
    void writeLeavesNoTemporaryFile();

private:
    static QString read(const QString &name, const QString &defaultText)
    {
        return ReadRegString(HKEY_CURRENT_USER, OptionsKey, name, defaultText);
    }
    static void write(const QString &name, const QString &text)
    {
        WriteRegString(HKEY_CURRENT_USER, OptionsKey, name, text);
    }
    static void putFile(const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(settingsFilePath()).absolutePath());
        QFile file(settingsFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    std::unique_ptr<TestEnvironment> m_env;
};

void TestRegistry::freshUserReadsEveryDefaultWithoutWriting()
{
    QCOMPARE(settingsFilePath(), m_env->configDir() + "/Lorvane/Lorvane.ini");
    const QList<std::pair<QString, QString>> defaults = {
        {"ImageColor", "13"}, {"ImageColor1", "1"}, {"ImageColor2", "8"},
        {"ImageColor3", "16"}, {"ImageColor4", "10"}, {"PauseTime", "180"},
        {"UserName", "User"}, {"NameFont", "Bararan"}};
    for (const auto &[name, fallback] : defaults)
        QCOMPARE(read(name, fallback), fallback);
    QVERIFY(!QFileInfo::exists(settingsFilePath()));
    QVERIFY(!QFileInfo::exists(m_env->configDir() + "/Lorvane"));
}

void TestRegistry::writtenValueReadsBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("number") << "13";
    QTest::newRow("empty reads empty, not the default") << "";
    QTest::newRow("spaces kept") << "  1 ";
    QTest::newRow("equals and brackets") << "a=b [c] ;d #e";
    QTest::newRow("backslashes") << "C:\\x\\n\\";
    QTest::newRow("line breaks") << "one\ntwo\r\nthree";
    QTest::newRow("armenian") << QString::fromUtf8("Աննա Պետրոսյան");
    QTest::newRow("127 bytes") << QString(127, u'x');
    QTest::newRow("63 two-byte letters") << QString(63, QChar(0x0531));
}

void TestRegistry::writtenValueReadsBack()
{
    QFETCH(QString, text);
    write("UserName", "first");
    write("UserName", text);
    QCOMPARE(read("UserName", "User"), text);
}

void TestRegistry::valueFromOneHundredTwentyEightBytesReadsAsDefault_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("128 bytes") << QString(128, u'x');
    QTest::newRow("1000 bytes") << QString(1000, u'x');
    QTest::newRow("64 two-byte letters") << QString(64, QChar(0x0531));
    QTest::newRow("126 bytes and one two-byte letter") << QString(126, u'x') + QChar(0x0531);
}

void TestRegistry::valueFromOneHundredTwentyEightBytesReadsAsDefault()
{
    QFETCH(QString, text);
    write("UserName", text);
    QCOMPARE(read("UserName", "User"), QStringLiteral("User"));
    // The long value is stored all the same; a shorter one replaces it.
    write("UserName", "Anna");
    QCOMPARE(read("UserName", "User"), QStringLiteral("Anna"));
}

void TestRegistry::valueReadsUpToItsFirstNul()
{
    write("UserName", QStringLiteral("ab") + QChar(0) + QStringLiteral("cd"));
    QCOMPARE(read("UserName", "User"), QStringLiteral("ab"));
    write("UserName", QString(QChar(0)));
    QCOMPARE(read("UserName", "User"), QString());
}

void TestRegistry::fileLayoutIsOneSectionPerKey()
{
    write("ImageColor", "13");
    write("UserName", "A=B\\C");
    WriteRegString(HKEY_CURRENT_USER, "Software\\Other", "Name Two", "x");
    QCOMPARE(TestEnvironment::readFile(settingsFilePath()),
             QByteArray("[Software\\Lorvane\\Options]\n"
                        "ImageColor=13\n"
                        "UserName=A=B\\\\C\n"
                        "\n"
                        "[Software\\Other]\n"
                        "Name\\sTwo=x\n"));
}

void TestRegistry::namesCompareWithoutCase()
{
    putFile("[software\\LORVANE\\options]\r\n  imagecolor = 5\r\n");
    QCOMPARE(read("ImageColor", "13"), QStringLiteral(" 5"));
    write("IMAGECOLOR", "6");
    QCOMPARE(read("ImageColor", "13"), QStringLiteral("6"));
    QCOMPARE(TestEnvironment::readFile(settingsFilePath()).count("="), 1);
}

void TestRegistry::changeByAnotherWriterIsSeenAtNextRead()
{
    write("ImageColor", "13");
    QCOMPARE(read("ImageColor", "1"), QStringLiteral("13"));
    // Same size, same moment: only a store without a cache sees it.
    for (int i = 10; i < 20; ++i) {
        putFile("[Software\\Lorvane\\Options]\nImageColor=" + QByteArray::number(i) + "\n");
        QCOMPARE(read("ImageColor", "1"), QString::number(i));
    }
    QFile::remove(settingsFilePath());
    QCOMPARE(read("ImageColor", "1"), QStringLiteral("1"));
}

void TestRegistry::rewriteKeepsOtherValuesAndComments()
{
    const QByteArray before = "; kept\n[Software\\Lorvane\\Options]\nPauseTime=60\n\n"
                              "[Software\\Other]\nx=1\n";
    putFile(before);
    write("UserName", "Anna");
    write("PauseTime", "120");
    QCOMPARE(TestEnvironment::readFile(settingsFilePath()),
             QByteArray("; kept\n[Software\\Lorvane\\Options]\nPauseTime=120\nUserName=Anna\n\n"
                        "[Software\\Other]\nx=1\n"));
    QCOMPARE(ReadRegString(HKEY_CURRENT_USER, "Software\\Other", "x", "0"), QStringLiteral("1"));
}

void TestRegistry::damagedFileReadsDefaultsAndSurvivesWrites_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("not UTF-8") << QByteArray("[Software\\Lorvane\\Options]\nUserName=\xff\xfe\n");
    QTest::newRow("NUL byte") << QByteArray("[Software\\Lorvane\\Options]\nUserName=a\0b\n", 40);
    QTest::newRow("line without =") << QByteArray("[Software\\Lorvane\\Options]\nUserName\n");
    QTest::newRow("open header") << QByteArray("[Software\\Lorvane\\Options\nUserName=x\n");
    QTest::newRow("value before any key") << QByteArray("UserName=x\n");
}

void TestRegistry::damagedFileReadsDefaultsAndSurvivesWrites()
{
    QFETCH(QByteArray, bytes);
    putFile(bytes);
    QCOMPARE(read("UserName", "User"), QStringLiteral("User"));
    write("UserName", "Anna");
    QCOMPARE(read("UserName", "User"), QStringLiteral("User"));
    QCOMPARE(TestEnvironment::readFile(settingsFilePath()), bytes);
}

void TestRegistry::unwritableStoreIsIgnored()
{
    // The settings folder is taken by a plain file, so nothing can be created there.
    QFile blocker(m_env->configDir() + "/Lorvane");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    write("UserName", "Anna");
    QCOMPARE(read("UserName", "User"), QStringLiteral("User"));

    // The settings file itself is a folder: unreadable, reads give defaults.
    QFile::remove(blocker.fileName());
    QVERIFY(QDir().mkpath(settingsFilePath()));
    write("UserName", "Anna");
    QCOMPARE(read("UserName", "User"), QStringLiteral("User"));
    QVERIFY(QFileInfo(settingsFilePath()).isDir());
}

void TestRegistry::writeLeavesNoTemporaryFile()
{
    for (int i = 0; i < 5; ++i)
        write("PauseTime", QString::number(i));
    const QDir dir(m_env->configDir() + "/Lorvane");
    QCOMPARE(dir.entryList(QDir::Files | QDir::Hidden | QDir::System),
             QStringList{"Lorvane.ini"});
}

QTEST_GUILESS_MAIN(TestRegistry)
#include "tst_m_registry.moc"
