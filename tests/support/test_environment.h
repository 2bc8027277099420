#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A private home for one test: a temporary WinDir, configuration and data directory, set in the
// environment for as long as the object lives, so no test touches the user's own files.
class TestEnvironment
{
public:
    TestEnvironment();
    ~TestEnvironment();

    QString root() const;
    QString winDir() const;      // $WinDir
    QString configDir() const;   // $XDG_CONFIG_HOME
    QString dataDir() const;     // $XDG_DATA_HOME
    QString testFilePath() const; // $WinDir/LVT.lvq

    void writeTestFile(const QByteArray &bytes) const;
    void unsetWinDir() const;

    static QString sourcePath(const QString &relative); // a file of the source tree
    static QByteArray readFile(const QString &path);

private:
    QTemporaryDir m_dir;
    QByteArray m_savedWinDir, m_savedConfig, m_savedData, m_savedHome;
};
