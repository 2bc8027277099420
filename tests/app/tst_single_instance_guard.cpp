#include "app/single_instance_guard.h"

#include <QCoreApplication>
#include <QTest>

using app::SingleInstanceGuard;

// One holder per name at a time; a released or destroyed guard frees the name at once. (A second
// copy of the program and a start after a killed copy are run for real by tests/e2e/start_up.sh.)
class TestSingleInstanceGuard : public QObject
{
    Q_OBJECT

private slots:
    void secondGuardIsRefusedUntilRelease()
    {
        const QString name = QStringLiteral("lorvane-test-%1").arg(QCoreApplication::applicationPid());
        SingleInstanceGuard second(name), third(name);
        {
            SingleInstanceGuard first(name);
            QVERIFY(first.tryAcquire() && first.tryAcquire());
            QVERIFY(!second.tryAcquire() && !second.isHeld() && first.isHeld());
            first.release();
            first.release();
            QVERIFY(third.tryAcquire());
            QVERIFY(!first.tryAcquire());
            third.release();
            QVERIFY(first.tryAcquire());
        }
        QVERIFY(second.tryAcquire());
        QVERIFY(SingleInstanceGuard(name + u'x').tryAcquire()); // another name is free meanwhile
    }
};

QTEST_GUILESS_MAIN(TestSingleInstanceGuard)
#include "tst_single_instance_guard.moc"
