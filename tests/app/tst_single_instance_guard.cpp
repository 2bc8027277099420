#include "app/single_instance_guard.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

#include <cstdio>

namespace {

const char HoldOption[] = "--hold-guard";

// The child's part: hold the guard until killed, or report that it is taken.
int holdGuard(int argc, char **argv, const QString &name)
{
    QCoreApplication app(argc, argv);
    SingleInstanceGuard guard(name);
    if (!guard.tryAcquire()) {
        std::puts("refused");
        return 1;
    }
    std::puts("held");
    std::fflush(stdout);
    return app.exec();
}

} // namespace

class TestSingleInstanceGuard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void secondGuardIsRefusedUntilRelease();
    void destroyedGuardFreesTheName();
    void secondProcessIsRefused();
    void killedHolderDoesNotBlockTheNext();

private:
    void startHolder(QProcess &child, QByteArray *firstLine);
    QString m_name;
};

void TestSingleInstanceGuard::init()
{
    static int round = 0;
    m_name = QStringLiteral("lorvane-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(++round);
}

void TestSingleInstanceGuard::startHolder(QProcess &child, QByteArray *firstLine)
{
    child.start(QCoreApplication::applicationFilePath(), {HoldOption, m_name});
    QVERIFY(child.waitForStarted());
    while (!child.canReadLine() && child.state() == QProcess::Running)
        child.waitForReadyRead(5000);
    *firstLine = child.readLine().trimmed();
}

void TestSingleInstanceGuard::secondGuardIsRefusedUntilRelease()
{
    SingleInstanceGuard first(m_name), second(m_name), third(m_name);
    QVERIFY(first.tryAcquire());
    QVERIFY(first.tryAcquire());
    QVERIFY(!second.tryAcquire());
    QVERIFY(!second.isHeld());
    QVERIFY(first.isHeld());

    first.release();
    first.release();
    QVERIFY(third.tryAcquire());
    QVERIFY(!first.tryAcquire());
}

void TestSingleInstanceGuard::destroyedGuardFreesTheName()
{
    {
        SingleInstanceGuard first(m_name);
        QVERIFY(first.tryAcquire());
    }
    SingleInstanceGuard next(m_name);
    QVERIFY(next.tryAcquire());
}

void TestSingleInstanceGuard::secondProcessIsRefused()
{
    SingleInstanceGuard first(m_name);
    QVERIFY(first.tryAcquire());
    QProcess child;
    QByteArray line;
    startHolder(child, &line);
    QCOMPARE(line, QByteArray("refused"));
    QVERIFY(child.waitForFinished(5000));
    QCOMPARE(child.exitCode(), 1);
    // The first copy is undisturbed and still holds the name.
    QVERIFY(first.isHeld());
    SingleInstanceGuard again(m_name);
    QVERIFY(!again.tryAcquire());
}

void TestSingleInstanceGuard::killedHolderDoesNotBlockTheNext()
{
    QProcess child;
    QByteArray line;
    startHolder(child, &line);
    QCOMPARE(line, QByteArray("held"));
    SingleInstanceGuard mine(m_name);
    QVERIFY(!mine.tryAcquire());

    child.kill();
    QVERIFY(child.waitForFinished(5000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    QVERIFY(mine.tryAcquire());
}

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], HoldOption) == 0)
        return holdGuard(argc, argv, QString::fromLocal8Bit(argv[2]));
    QCoreApplication app(argc, argv);
    TestSingleInstanceGuard test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_single_instance_guard.moc"
