#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A private home for one test: a temporary WinDir, configuration and data directory, set in the
// environment for as long as the object lives, so no test touches the user's own files.
// $XDG_DATA_HOME is root()/data, $HOME root()/home.
class TestEnvironment
{
public:
    TestEnvironment()
    {
        const QString dirs[] = {winDir(), configDir(), root() + "/data", root() + "/home"};
        for (int i = 0; i < 4; ++i) {
            m_saved[i] = qgetenv(Variables[i]);
            QDir().mkpath(dirs[i]);
            qputenv(Variables[i], dirs[i].toLocal8Bit());
        }
    }

    ~TestEnvironment()
    {
        for (int i = 0; i < 4; ++i)
            m_saved[i].isNull() ? qunsetenv(Variables[i]) : qputenv(Variables[i], m_saved[i]);
    }

    QString root() const { return m_dir.path(); }

    QString winDir() const { return root() + QStringLiteral("/windir"); } // $WinDir

    QString configDir() const { return root() + QStringLiteral("/config"); } // $XDG_CONFIG_HOME

    QString testFilePath() const { return winDir() + QStringLiteral("/LVT.lvq"); }

    void writeTestFile(const QByteArray &bytes) const
    {
        QFile file(testFilePath());
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(bytes);
    }

    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    static constexpr const char *Variables[] = {"WinDir", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "HOME"};
    QTemporaryDir m_dir;
    QByteArray m_saved[4];
};
