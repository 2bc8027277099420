#include "results/attempt_writer.h"
#include "support/attempts.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

// With this variable set, the test program only writes attempts into the folder it names, one
// after the other, until it is killed.
static const char *const WriterFolder = "LORVANE_TEST_WRITE_ATTEMPTS_INTO";

class TestAttemptWriter : public QObject
{
    Q_OBJECT

private slots:
    // Killed at any moment, a write leaves every attempt whole or leaves none.
    void aKilledWriteLeavesNoHalfFile()
    {
        QTemporaryDir folder;
        const auto written = [&folder] {
            return QDir(folder.path()).entryList({QStringLiteral("*.json")}, QDir::Files).size();
        };
        constexpr int Kills = 15;
        for (int kill = 0; kill < Kills; ++kill) {
            QProcess writer;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QLatin1StringView(WriterFolder), folder.path());
            writer.setProcessEnvironment(environment);
            const qsizetype before = written();
            writer.start(QCoreApplication::applicationFilePath(), {});
            QVERIFY(writer.waitForStarted());
            // Killed at a random moment once it writes, however long a slow machine takes to start it.
            QTRY_VERIFY_WITH_TIMEOUT(written() > before, 20000);
            QTest::qWait(QRandomGenerator::global()->bounded(40));
            writer.kill();
            QVERIFY(writer.waitForFinished());
        }
        const QStringList attempts = QDir(folder.path()).entryList({QStringLiteral("*.json")}, QDir::Files);
        QVERIFY2(attempts.size() >= Kills, qPrintable(QString::number(attempts.size())));
        for (const QString &name : attempts) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            results::Attempt read;
            QString error;
            QVERIFY2(results::Attempt::fromJson(file.readAll(), read, &error), qPrintable(name + ": " + error));
        }
    }
};

// A long name makes each write long enough for a kill to land inside it.
static int writeUntilKilled(const QString &folder)
{
    results::Attempt attempt = attempt_test::attempt(QStringLiteral("0"), QString(30, u'1'));
    attempt.userName = QString(1 << 18, u'x');
    for (int n = 0;; ++n) {
        QString path;
        attempt.id = QString::number(n);
        results::AttemptWriter::writeInto(folder, attempt.fileName(), attempt.toJson(), &path);
    }
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(WriterFolder))
        return writeUntilKilled(qEnvironmentVariable(WriterFolder));
    TestAttemptWriter test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_attempt_writer.moc"
