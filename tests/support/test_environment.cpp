#include "test_environment.h"

#include <QDir>
#include <QFile>

#ifndef LORVANE_SOURCE_DIR
#define LORVANE_SOURCE_DIR "."
#endif

TestEnvironment::TestEnvironment()
    : m_savedWinDir(qgetenv("WinDir")), m_savedConfig(qgetenv("XDG_CONFIG_HOME")),
      m_savedData(qgetenv("XDG_DATA_HOME")), m_savedHome(qgetenv("HOME"))
{
    QDir root(m_dir.path());
    for (const char *sub : {"windir", "config", "data", "home"})
        root.mkpath(QString::fromLatin1(sub));
    qputenv("WinDir", winDir().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", configDir().toLocal8Bit());
    qputenv("XDG_DATA_HOME", dataDir().toLocal8Bit());
    qputenv("HOME", (m_dir.path() + QStringLiteral("/home")).toLocal8Bit());
}

TestEnvironment::~TestEnvironment()
{
    auto restore = [](const char *name, const QByteArray &value) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    };
    restore("WinDir", m_savedWinDir);
    restore("XDG_CONFIG_HOME", m_savedConfig);
    restore("XDG_DATA_HOME", m_savedData);
    restore("HOME", m_savedHome);
}

QString TestEnvironment::root() const { return m_dir.path(); }
QString TestEnvironment::winDir() const { return m_dir.path() + QStringLiteral("/windir"); }
QString TestEnvironment::configDir() const { return m_dir.path() + QStringLiteral("/config"); }
QString TestEnvironment::dataDir() const { return m_dir.path() + QStringLiteral("/data"); }
QString TestEnvironment::testFilePath() const { return winDir() + QStringLiteral("/LVT.lvq"); }

void TestEnvironment::writeTestFile(const QByteArray &bytes) const
{
    QFile file(testFilePath());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

void TestEnvironment::unsetWinDir() const { qunsetenv("WinDir"); }

QString TestEnvironment::sourcePath(const QString &relative)
{
    return QStringLiteral(LORVANE_SOURCE_DIR "/") + relative;
}

QByteArray TestEnvironment::readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
