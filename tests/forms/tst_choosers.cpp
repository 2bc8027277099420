#include "forms/combo_box.h"
#include "forms/form.h"
#include "forms/image_combo.h"
#include "forms/image_list.h"
#include "forms/list_view.h"
#include "forms/tab_strip.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

#include <stdexcept>

using namespace forms;

namespace {

const QStringList colourKeys = {"BLACK", "MAROON", "GREEN", "OLIVE", "NAVY", "PURPLE",
                                "TEAL", "GRAY", "SILVER", "RED", "LIME", "YELLOW",
                                "BLUE", "FUSCHIA", "AQUA", "WHITE"};

QString capitalised(const QString &key) { return key.left(1) + key.mid(1).toLower(); }

// Swatches 88x12 pixels, each a different shade, so a wrong picture is noticed.
void fillSwatches(ImageList &images)
{
    for (int i = 0; i < colourKeys.size(); ++i) {
        QImage swatch(88, 12, QImage::Format_RGB32);
        swatch.fill(QColor(i * 16, 255 - i * 16, 128));
        images.Add(colourKeys.at(i), swatch);
    }
}

void fillChooser(ImageCombo &chooser)
{
    for (const QString &key : colourKeys)
        chooser.AddItem(key, capitalised(key), key);
}

QComboBox *comboOf(const Control &control) { return qobject_cast<QComboBox *>(control.widget()); }

} // namespace

class TestChoosers : public QObject
{
    Q_OBJECT

private slots:
    void imageListFindsPicturesByIndexAndKey();
    void comboKeepsTextThatIsNoItem_data();
    void comboKeepsTextThatIsNoItem();
    void typedTextIsNotAddedToTheList();
    void comboClicksOnlyWhenUserPicks();
    void imageComboSelection_data();
    void imageComboSelection();
    void imageComboShowsSwatchesAtTheirSize();
    void imageComboClicksOnlyWhenUserPicks();
    void listViewEntriesAndSelection();
    void tabStripClicksOnUserSwitchOnly();
};

void TestChoosers::imageListFindsPicturesByIndexAndKey()
{
    ImageList images;
    fillSwatches(images);
    QCOMPARE(images.Count(), 16);
    QCOMPARE(images.IndexOf(QStringLiteral("BLUE")), 13);
    QCOMPARE(images.Image(QStringLiteral("BLUE")).toImage(), images.Image(13).toImage());
    QVERIFY(images.Image(12).toImage() != images.Image(13).toImage());
    QVERIFY(images.Image(0).isNull());
    QVERIFY(images.Image(17).isNull());
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, images.Add(QStringLiteral("RED"), QPixmap(4, 4)));
    QCOMPARE(images.Count(), 16);
    QCOMPARE(images.ImageSize(), QSize(88, 12));
}

void TestChoosers::comboKeepsTextThatIsNoItem_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("listIndex");
    QTest::newRow("an item") << "240" << 3;
    QTest::newRow("the first item") << "60" << 0;
    QTest::newRow("a number that is no item") << "999" << -1;
    QTest::newRow("no number") << "three minutes" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("an item with a blank") << "180 " << -1;
}

void TestChoosers::comboKeepsTextThatIsNoItem()
{
    QFETCH(QString, text);
    QFETCH(int, listIndex);
    Form form(QStringLiteral("frmProperties"));
    ComboBox combo(form, QStringLiteral("Combo1"));
    for (const char *item : {"60", "120", "180", "240", "300", "360"})
        combo.AddItem(QLatin1String(item));
    QCOMPARE(combo.Text(), QString()); // filling the list does not fill the field
    combo.setText(QStringLiteral("180"));
    combo.setText(text);
    QCOMPARE(combo.Text(), text);
    QCOMPARE(combo.ListIndex(), listIndex);
    QCOMPARE(combo.ListCount(), 6);
    QCOMPARE(combo.List(5), QStringLiteral("360"));
    QCOMPARE(combo.List(6), QString());
}

void TestChoosers::typedTextIsNotAddedToTheList()
{
    Form form(QStringLiteral("frmProperties"));
    ComboBox combo(form, QStringLiteral("Combo1"));
    combo.AddItem(QStringLiteral("60"));
    combo.AddItem(QStringLiteral("120"));
    combo.setText(QStringLiteral("120"));
    QLineEdit *edit = comboOf(combo)->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("75"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(combo.Text(), QStringLiteral("75"));
    QCOMPARE(combo.ListIndex(), -1);
    QCOMPARE(combo.ListCount(), 2);
}

void TestChoosers::comboClicksOnlyWhenUserPicks()
{
    Form form(QStringLiteral("frmProperties"));
    ComboBox combo(form, QStringLiteral("nameFont"));
    for (const char *item : {"Arial", "Bararan", "Verdana"})
        combo.AddItem(QLatin1String(item));
    QSignalSpy spy(&combo, &ComboBox::Click);
    combo.setText(QStringLiteral("Bararan"));
    combo.setListIndex(0);
    QCOMPARE(spy.count(), 0);
    QTest::keyClick(comboOf(combo), Qt::Key_Down);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(combo.Text(), QStringLiteral("Bararan"));
    QCOMPARE(combo.ListIndex(), 1);
}

void TestChoosers::imageComboSelection_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::newRow("first") << 1 << 1 << "BLACK" << "Black";
    QTest::newRow("blue") << 13 << 13 << "BLUE" << "Blue";
    QTest::newRow("spelt so") << 14 << 14 << "FUSCHIA" << "Fuschia";
    QTest::newRow("last") << 16 << 16 << "WHITE" << "White";
    QTest::newRow("zero") << 0 << 0 << "" << "";
    QTest::newRow("past the end") << 17 << 0 << "" << "";
    QTest::newRow("negative") << -3 << 0 << "" << "";
    QTest::newRow("huge") << 32767 << 0 << "" << "";
}

void TestChoosers::imageComboSelection()
{
    QFETCH(int, index);
    QFETCH(int, selected);
    QFETCH(QString, key);
    QFETCH(QString, text);
    Form form(QStringLiteral("frmProperties"));
    ImageList images;
    fillSwatches(images);
    ImageCombo chooser(form, QStringLiteral("ImageCombo"));
    chooser.setImageList(&images);
    fillChooser(chooser);
    QCOMPARE(chooser.ItemCount(), 16);
    QCOMPARE(chooser.SelectedIndex(), 0); // filling selects nothing
    chooser.setSelectedIndex(10);         // an earlier choice that an invalid index must clear
    chooser.setSelectedIndex(index);
    QCOMPARE(chooser.SelectedIndex(), selected);
    QCOMPARE(chooser.SelectedKey(), key);
    QCOMPARE(chooser.SelectedText(), text);
}

void TestChoosers::imageComboShowsSwatchesAtTheirSize()
{
    Form form(QStringLiteral("frmProperties"));
    ImageList images;
    fillSwatches(images);
    ImageCombo chooser(form, QStringLiteral("ImageCombo4"));
    chooser.setImageList(&images);
    fillChooser(chooser);
    chooser.AddItem(QStringLiteral("NONE"), QStringLiteral("None"), QStringLiteral("MISSING"));
    QComboBox *box = comboOf(chooser);
    QCOMPARE(box->iconSize(), QSize(88, 12));
    const QImage shown = box->itemIcon(9).pixmap(box->iconSize()).toImage();
    QCOMPARE(shown.size(), QSize(88, 12));
    QCOMPARE(shown.convertToFormat(QImage::Format_RGB32), images.Image(10).toImage());
    QVERIFY(box->itemIcon(16).isNull()); // no such picture: an entry without one
    QCOMPARE(chooser.ItemText(17), QStringLiteral("None"));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                             chooser.AddItem(QStringLiteral("GRAY"), QStringLiteral("Grey")));
    QCOMPARE(chooser.ItemCount(), 17);
    QCOMPARE(chooser.ItemText(8), QStringLiteral("Gray"));
}

void TestChoosers::imageComboClicksOnlyWhenUserPicks()
{
    Form form(QStringLiteral("frmProperties"));
    ImageList images;
    fillSwatches(images);
    ImageCombo chooser(form, QStringLiteral("ImageCombo1"));
    chooser.setImageList(&images);
    fillChooser(chooser);
    QSignalSpy spy(&chooser, &ImageCombo::Click);
    chooser.setSelectedIndex(1);
    QCOMPARE(spy.count(), 0);
    QTest::keyClick(chooser.widget(), Qt::Key_Down);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(chooser.SelectedKey(), QStringLiteral("MAROON"));

    // Picking with the mouse from the open list.
    form.Show();
    QComboBox *box = comboOf(chooser);
    box->showPopup();
    QAbstractItemView *view = box->view();
    QTRY_VERIFY(view->isVisible());
    const QModelIndex lime = view->model()->index(10, 0);
    view->scrollTo(lime);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(lime).center());
    QTRY_COMPARE(spy.count(), 2);
    QCOMPARE(chooser.SelectedIndex(), 11);
    QCOMPARE(chooser.SelectedText(), QStringLiteral("Lime"));
}

void TestChoosers::listViewEntriesAndSelection()
{
    Form form(QStringLiteral("frmProperties"));
    ImageList icons;
    QImage document(16, 16, QImage::Format_RGB32);
    document.fill(Qt::darkBlue);
    icons.Add(QStringLiteral("DOC"), document);
    ListView list(form, QStringLiteral("ListView1"));
    list.Move(120, 120, 3600, 1200);
    list.setImageList(&icons);
    QCOMPARE(list.AddItem(QStringLiteral("    Microsoft Word 2000"), 1), 1);
    QCOMPARE(list.AddItem(QStringLiteral("Keyed"), QStringLiteral("DOC")), 2);
    QCOMPARE(list.AddItem(QStringLiteral("No picture"), 5), 3);
    QCOMPARE(list.ItemCount(), 3);
    QCOMPARE(list.Item(1), QStringLiteral("    Microsoft Word 2000"));
    auto *widget = qobject_cast<QListWidget *>(list.widget());
    QVERIFY(!widget->item(0)->icon().isNull());
    QVERIFY(!widget->item(1)->icon().isNull());
    QVERIFY(widget->item(2)->icon().isNull());

    QCOMPARE(list.SelectedIndex(), 0);
    list.setSelectedIndex(1);
    QCOMPARE(list.SelectedIndex(), 1);
    list.setSelectedIndex(9);
    QCOMPARE(list.SelectedIndex(), 0);

    form.Show();
    QSignalSpy spy(&list, &ListView::ItemClick);
    const QRect second = widget->visualItemRect(widget->item(1));
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 2);
    QCOMPARE(list.SelectedIndex(), 2);
}

void TestChoosers::tabStripClicksOnUserSwitchOnly()
{
    Form form(QStringLiteral("frmAbout"));
    TabStrip tabs(form, QStringLiteral("TabStrip1"));
    tabs.Move(120, 120, 6000, 4000);
    QSignalSpy spy(&tabs, &TabStrip::Click);
    QCOMPARE(tabs.AddTab(QStringLiteral("About Lorvane 2004")), 1);
    QCOMPARE(tabs.AddTab(QStringLiteral("Readme")), 2);
    QCOMPARE(tabs.SelectedIndex(), 1);
    QCOMPARE(tabs.SelectedCaption(), QStringLiteral("About Lorvane 2004"));

    tabs.setSelectedIndex(2);
    QCOMPARE(tabs.SelectedCaption(), QStringLiteral("Readme"));
    tabs.setSelectedIndex(3);
    tabs.setSelectedIndex(0);
    QCOMPARE(tabs.SelectedIndex(), 2);
    QCOMPARE(spy.count(), 0);

    form.Show();
    QTabBar *bar = tabs.tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(tabs.SelectedCaption(), QStringLiteral("About Lorvane 2004"));
    // A click on the tab already chosen switches nothing.
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    QCOMPARE(spy.count(), 1);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    QCOMPARE(spy.count(), 2);
    QCOMPARE(tabs.SelectedCaption(), QStringLiteral("Readme"));
}

QTEST_MAIN(TestChoosers)
#include "tst_choosers.moc"
