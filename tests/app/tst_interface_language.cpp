#include "app/interface_language.h"

#include <QCoreApplication>
#include <QTest>

using app::InterfaceLanguage;

class TestInterfaceLanguage : public QObject
{
    Q_OBJECT

private slots:
    void followsTheSettingThenTheDesktop_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QStringList>("desktop");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("Armenian desktop") << "auto" << QStringList{"hy-AM"} << "hy";
        QTest::newRow("a language the program lacks is passed over")
            << "auto" << QStringList{"ru-RU", "hy_AM.UTF-8"} << "hy";
        QTest::newRow("English before Armenian") << "" << QStringList{"en-US", "hy"} << "en";
        QTest::newRow("C locale") << "auto" << QStringList{"C.UTF-8", "hy"} << "en";
        QTest::newRow("no language at all") << "auto" << QStringList{} << "en";
        QTest::newRow("setting over the desktop") << "en" << QStringList{"hy-AM"} << "en";
        QTest::newRow("Armenian setting, in any case") << " HY_am " << QStringList{"en-US"} << "hy";
        QTest::newRow("a setting the program lacks") << "fr" << QStringList{"hy"} << "en";
    }

    void followsTheSettingThenTheDesktop()
    {
        QFETCH(QString, setting);
        QFETCH(QStringList, desktop);
        QFETCH(QString, chosen);
        QCOMPARE(InterfaceLanguage::choose(setting, desktop), chosen);
    }

    // The Armenian translation travels in the program; English needs none.
    void installsTheCarriedTranslation()
    {
        const char *const text = "The default test file is missing from the program.";
        QVERIFY(!InterfaceLanguage::install(InterfaceLanguage::English));
        QCOMPARE(QCoreApplication::translate("mMain", text), QLatin1String(text));
        QVERIFY(InterfaceLanguage::install(InterfaceLanguage::Armenian));
        QVERIFY(QCoreApplication::translate("mMain", text).contains(QStringLiteral("տեստի ֆայլը")));
    }
};

QTEST_GUILESS_MAIN(TestInterfaceLanguage)
#include "tst_interface_language.moc"
