#include "sofitcolormodel.h"
#include "tablocolordialog.h"

#include <QGridLayout>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QStandardPaths>
#include <QtTest>

class TestTabloColorDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void setColorShowsChannels();
    void channelEditsUpdateColor_data();
    void channelEditsUpdateColor();
    void recentColorStyleSheet();
    void recentColorsFillRows();
    void shorterListRemovesButtons();
    void equalListReusesButtons();
    void clickingRecentColorSetsColor();
    void buttonsCloseDialog_data();
    void buttonsCloseDialog();
    void sofitColorChoices();
};

namespace {

template <typename T>
T *child(const QObject &parent, const char *name)
{
    T *widget = parent.findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no child %s", name);
    return widget;
}

QList<QPushButton *> recentButtons(const TabloColorDialog &dialog)
{
    QList<QPushButton *> buttons;
    auto *layout = qobject_cast<QGridLayout *>(child<QWidget>(dialog, "recentColorsWidget")->layout());
    for (int i = 0; layout && i < layout->count(); ++i)
        buttons.append(qobject_cast<QPushButton *>(layout->itemAt(i)->widget()));
    return buttons;
}

QColor fieldColor(const TabloColorDialog &dialog)
{
    const QWidget *field = child<QWidget>(dialog, "currentColorWidget");
    return field->palette().color(field->backgroundRole());
}

} // namespace

void TestTabloColorDialog::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestTabloColorDialog::setColorShowsChannels()
{
    TabloColorDialog dialog;
    dialog.setColor(0x123456);

    QCOMPARE(child<QSpinBox>(dialog, "redSpn")->value(), 18);
    QCOMPARE(child<QSpinBox>(dialog, "greenSpn")->value(), 52);
    QCOMPARE(child<QSpinBox>(dialog, "blueSpn")->value(), 86);
    QCOMPARE(child<QSlider>(dialog, "redSlider")->value(), 18);
    QCOMPARE(child<QSlider>(dialog, "greenSlider")->value(), 52);
    QCOMPARE(child<QSlider>(dialog, "blueSlider")->value(), 86);
    QCOMPARE(dialog.color(), 0x123456);
    QCOMPARE(fieldColor(dialog), QColor(0x12, 0x34, 0x56));
}

void TestTabloColorDialog::channelEditsUpdateColor_data()
{
    QTest::addColumn<QString>("edited");
    QTest::addColumn<QString>("follower");
    QTest::addColumn<int>("expectedColor");

    // Start colour 0x102030; each row sets one channel to 0xC8 from one side.
    QTest::newRow("red slider") << "redSlider" << "redSpn" << 0xC82030;
    QTest::newRow("green slider") << "greenSlider" << "greenSpn" << 0x10C830;
    QTest::newRow("blue slider") << "blueSlider" << "blueSpn" << 0x1020C8;
    QTest::newRow("red spin box") << "redSpn" << "redSlider" << 0xC82030;
    QTest::newRow("green spin box") << "greenSpn" << "greenSlider" << 0x10C830;
    QTest::newRow("blue spin box") << "blueSpn" << "blueSlider" << 0x1020C8;
}

void TestTabloColorDialog::channelEditsUpdateColor()
{
    QFETCH(QString, edited);
    QFETCH(QString, follower);
    QFETCH(int, expectedColor);

    TabloColorDialog dialog;
    dialog.setColor(0x102030);
    auto *editedWidget = dialog.findChild<QWidget *>(edited);
    auto *followerWidget = dialog.findChild<QWidget *>(follower);
    QVERIFY(editedWidget && followerWidget);

    QVERIFY(editedWidget->setProperty("value", 0xC8));

    QCOMPARE(followerWidget->property("value").toInt(), 0xC8);
    QCOMPARE(dialog.color(), expectedColor);
    QCOMPARE(fieldColor(dialog), QColor(QRgb(expectedColor)));
}

void TestTabloColorDialog::recentColorStyleSheet()
{
    TabloColorDialog dialog;
    dialog.setRecentColors({0x0000FF});

    const QList<QPushButton *> buttons = recentButtons(dialog);
    QCOMPARE(buttons.size(), 1);
    QCOMPARE(buttons.first()->styleSheet(), QStringLiteral("background-color: #0000ff;"));
    QCOMPARE(buttons.first()->property("recentColor").toUInt(), 0x0000FFu);
    QVERIFY(buttons.first()->text().isEmpty());
    QCOMPARE(buttons.first()->minimumSize(), QSize(45, 45));
}

void TestTabloColorDialog::recentColorsFillRows()
{
    TabloColorDialog dialog;
    dialog.setRecentColors({1, 2, 3, 4, 5, 6, 7});

    auto *layout = qobject_cast<QGridLayout *>(child<QWidget>(dialog, "recentColorsWidget")->layout());
    QVERIFY(layout);
    QCOMPARE(layout->count(), 7);
    for (int column = 0; column < TabloColorDialog::recentColumns; ++column)
        QVERIFY2(layout->itemAtPosition(0, column), qPrintable(QStringLiteral("column %1").arg(column)));
    QLayoutItem *seventh = layout->itemAtPosition(1, 0);
    QVERIFY(seventh);
    QCOMPARE(seventh->widget()->property("recentColor").toUInt(), 7u);
    QVERIFY(!layout->itemAtPosition(1, 1));
}

void TestTabloColorDialog::shorterListRemovesButtons()
{
    TabloColorDialog dialog;
    dialog.setRecentColors({1, 2, 3, 4, 5, 6, 7});
    const QList<QPushButton *> before = recentButtons(dialog);
    QList<QPointer<QPushButton>> surplus;
    for (int i = 2; i < before.size(); ++i)
        surplus.append(before.at(i));

    dialog.setRecentColors({8, 9});

    const QList<QPushButton *> after = recentButtons(dialog);
    QCOMPARE(after, before.mid(0, 2));
    QCOMPARE(after.at(1)->property("recentColor").toUInt(), 9u);
    for (const QPointer<QPushButton> &button : qAsConst(surplus))
        QTRY_VERIFY(button.isNull());
}

void TestTabloColorDialog::equalListReusesButtons()
{
    TabloColorDialog dialog;
    dialog.setRecentColors({0x800000, 0x008000, 0x000080});
    const QList<QPushButton *> before = recentButtons(dialog);

    dialog.setRecentColors({0xABCDEF, 0x010203, 0xFFFFFF});

    QCOMPARE(recentButtons(dialog), before);
    QCOMPARE(before.at(0)->styleSheet(), QStringLiteral("background-color: #abcdef;"));
    QCOMPARE(before.at(1)->styleSheet(), QStringLiteral("background-color: #010203;"));
    QCOMPARE(before.at(2)->property("recentColor").toUInt(), 0xFFFFFFu);
}

void TestTabloColorDialog::clickingRecentColorSetsColor()
{
    TabloColorDialog dialog;
    dialog.setRecentColors({0x800000, 0x4080C0});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QTest::mouseClick(recentButtons(dialog).at(1), Qt::LeftButton);

    QCOMPARE(dialog.color(), 0x4080C0);
    QCOMPARE(child<QSpinBox>(dialog, "greenSpn")->value(), 0x80);
    QCOMPARE(fieldColor(dialog), QColor(0x40, 0x80, 0xC0));
}

void TestTabloColorDialog::buttonsCloseDialog_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("expectedResult");

    QTest::newRow("ok") << "okBtn" << int(QDialog::Accepted);
    QTest::newRow("cancel") << "okBtn_2" << int(QDialog::Rejected);
}

void TestTabloColorDialog::buttonsCloseDialog()
{
    QFETCH(QString, button);
    QFETCH(int, expectedResult);

    TabloColorDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QSignalSpy finished(&dialog, &QDialog::finished);

    auto *pushButton = dialog.findChild<QPushButton *>(button);
    QVERIFY(pushButton);
    QTest::mouseClick(pushButton, Qt::LeftButton);

    QCOMPARE(finished.count(), 1);
    QCOMPARE(dialog.result(), expectedResult);
    QVERIFY(!dialog.isVisible());
}

// The side-strip choices: menu order, codes and swatch colours.
void TestTabloColorDialog::sofitColorChoices()
{
    QObject owner;
    QStandardItemModel *model = createSofitColorModel(&owner);
    QCOMPARE(model->parent(), &owner);
    const QStringList texts{"Погашен", "Белый", "Желтый", "Зеленый", "Красный", "Синий"};
    const QList<int> codes{0, 7, 6, 2, 4, 1};
    const QList<QColor> colors{Qt::black, Qt::white, QColor(255, 255, 0), QColor(0, 255, 0), QColor(255, 0, 0),
                               QColor(0, 0, 255)};
    QCOMPARE(model->rowCount(), texts.size());
    for (int row = 0; row < model->rowCount(); ++row) {
        const QStandardItem *item = model->item(row);
        QCOMPARE(item->text(), texts.at(row));
        QCOMPARE(item->data(SofitColorRole).toInt(), codes.at(row));
        const QImage swatch = item->icon().pixmap(32, 32).toImage();
        QCOMPARE(swatch.size(), QSize(32, 32));
        QCOMPARE(QColor(swatch.pixel(16, 16)), colors.at(row));
    }
}

QTEST_MAIN(TestTabloColorDialog)
#include "tst_tablocolordialog.moc"
