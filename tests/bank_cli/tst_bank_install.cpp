#include "bank/picture_list.h"
#include "support/bank_command_runner.h"

#include <QDir>
#include <QImage>
#include <QTest>

using namespace bank_test;

// install and restore: what goes in, what is kept, what comes back.
class TestBankInstall : public QObject
{
    Q_OBJECT

    BankCommandRunner m_bank;
    QString installed() const { return m_bank.env().testFilePath(); }
    QString pictureList() const { return bank::PictureList::pathBeside(installed()); }
    QString backups() const { return m_bank.env().winDir() + QStringLiteral("/LVT-backups"); }
    Run run(const QStringList &arguments) const { return m_bank.run(arguments); }

    // Nothing written: the old test in place, no list, no backup, no picture copied.
    void verifyNothingChanged() const
    {
        QCOMPARE(TestEnvironment::readFile(installed()), OldFileContent);
        QCOMPARE(QDir(m_bank.env().winDir()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{"LVT.lvq"});
    }

private slots:
    void init()
    {
        m_bank.init();
        m_bank.env().writeTestFile(OldFileContent);
    }
    void cleanup() { m_bank.cleanup(); }

    // A file the program cannot run a whole test with goes in only when forced, one it would not
    // start with not even then; err names the reason on its last line.
    void refusesWhatCannotRunAWholeTest_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("refusal");
        const QByteArray answerSeven = testFile(31).replace(",2\r\n", ",7\r\n");
        const QString force = QStringLiteral("; --force installs it anyway");
        QTest::newRow("30 records") << QStringList() << testFile(30)
                                    << "f.lvq: not installed: only 30 records, and a test draws thirty different "
                                       "questions from at least 31"
                                           + force;
        QTest::newRow("30 records forced") << QStringList{"--force"} << testFile(30) << "";
        QTest::newRow("right answer 7") << QStringList() << answerSeven
                                        << "f.lvq: not installed: 8 records have a right answer other than 1 to 4, "
                                           "and no answer to it counts as right"
                                               + force;
        QTest::newRow("right answer 7 forced") << QStringList{"--force"} << answerSeven << "";
        QTest::newRow("foreign, forced") << QStringList{"--force"} << "\"q" + testFile(31)
                                         << "f.lvq: not installed: the program would not start normally with it";
    }

    void refusesWhatCannotRunAWholeTest()
    {
        QFETCH(QStringList, options);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, refusal);
        m_bank.write(QStringLiteral("f.lvq"), bytes);
        const Run result = run(QStringList{"install", "f.lvq"} + options);
        QCOMPARE(result.status, refusal.isEmpty() ? 0 : 1);
        if (refusal.isEmpty()) {
            QCOMPARE(TestEnvironment::readFile(installed()), bytes);
        } else {
            QCOMPARE(result.err.trimmed().section(u'\n', -1), refusal);
            verifyNothingChanged();
        }
    }

    // Three installs, then each earlier test restored in turn comes back byte for byte, and every
    // restore keeps the test it replaces under a new number.
    void everyReplacedTestComesBack()
    {
        const QByteArray tests[] = {OldFileContent, testFile(31), testFile(32), testFile(33)};
        for (int i = 1; i <= 3; ++i) {
            m_bank.write(QStringLiteral("t%1.lvq").arg(i), tests[i]);
            const Run result = run({"install", QStringLiteral("t%1.lvq").arg(i)});
            QCOMPARE(result.status, 0);
            QVERIFY2(result.out.contains(QStringLiteral("kept as backup %1: ").arg(i)), qPrintable(result.out));
        }
        QVERIFY(run({"restore"}).out.contains(QRegularExpression(QStringLiteral("\n   3  \\S+ \\S+  32 records, "))));
        for (int n = 1; n <= 3; ++n) {
            QCOMPARE(run({"restore", QString::number(n)}).status, 0);
            QCOMPARE(TestEnvironment::readFile(installed()), tests[n - 1]);
            QCOMPARE(QFileInfo::exists(pictureList()), n > 1); // the old test had no list
            QCOMPARE(TestEnvironment::readFile(backups() + QStringLiteral("/%1.lvq").arg(n + 3)), tests[(n + 2) % 4]);
        }
        QCOMPARE(run({"restore", "--default"}).status, 0);
        QCOMPARE(TestEnvironment::readFile(installed()), TestEnvironment::readFile(QStringLiteral(":/LVT.lvq")));
        QVERIFY(!QFileInfo::exists(pictureList()));
        QCOMPARE(TestEnvironment::readFile(backups() + QStringLiteral("/7.lvq")), tests[2]);
        QCOMPARE(run({"restore", "8"}).status, 1);
        QCOMPARE(QDir(backups()).entryList({"*.lvq"}).size(), 7);
    }

    // The teacher's list is checked whole before anything is written; its pictures are copied.
    void installsOnlyAGoodPictureList_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("errors");
        QTest::newRow("good") << "# mine\n\n1: carried 39\r\n31 : pics/p.png \n"
                              << "";
        QTest::newRow("no such record")
            << "1: carried 39\n32: pics/p.png"
            << "list.txt:2:1: the test has no record 32, only 1 to 31\nlist.txt: nothing installed";
        QTest::newRow("every fault") << "2: pics/none.png\n3: f.lvq\n4: carried 6\nfour: pics/p.png\n2: carried 1\n5:"
                                     << "list.txt:1:4: there is no picture file pics/none.png\n"
                                        "list.txt:2:4: f.lvq is no BMP or PNG picture\n"
                                        "list.txt:3:4: the carried test's question 6 has no picture\n"
                                        "list.txt:4:1: a line is RECORD: carried N or RECORD: FILE\n"
                                        "list.txt:5:1: record 2 has its picture on line 1 already\n"
                                        "list.txt:6:3: no picture named for record 5\n"
                                        "list.txt: nothing installed";
    }

    void installsOnlyAGoodPictureList()
    {
        QFETCH(QString, list);
        QFETCH(QString, errors);
        m_bank.write(QStringLiteral("f.lvq"), testFile(31));
        m_bank.write(QStringLiteral("list.txt"), list.toUtf8());
        QVERIFY(QDir(m_bank.path("pics")).mkpath("."));
        QImage picture(20, 10, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(m_bank.path("pics/p.png")));
        const Run result = run({"install", "--pictures", "list.txt", "f.lvq"});
        QCOMPARE(result.err, errors.isEmpty() ? QString() : errors + u'\n');
        if (!errors.isEmpty())
            return verifyNothingChanged();
        QList<bank::SourceError> problems;
        const bank::PictureList installedList = bank::PictureList::parse(
            QString::fromUtf8(TestEnvironment::readFile(pictureList())), {}, m_bank.env().winDir(), 31, problems);
        QVERIFY(problems.isEmpty());
        QCOMPARE(installedList.pictures().keys(), (QList<int>{1, 31}));
        QCOMPARE(installedList.pictureFor(1)->carriedRecord, 39);
        const QString copy = installedList.pathOf(*installedList.pictureFor(31));
        QVERIFY2(copy.startsWith(m_bank.env().winDir() + "/LVT-pictures/"), qPrintable(copy));
        QCOMPARE(TestEnvironment::readFile(copy), TestEnvironment::readFile(m_bank.path("pics/p.png")));
    }
};

QTEST_MAIN(TestBankInstall)
#include "tst_bank_install.moc"
