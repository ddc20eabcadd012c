#include "dialogguard.h"
#include "pagedriver.h"
#include "routeform.h"
#include "testroutes.h"
#include "testsettings.h"

#include <QPushButton>
#include <QSpinBox>
#include <QTreeView>
#include <QUndoStack>
#include <QtTest>

#include <memory>

using namespace PageDriver;
using namespace TestRoutes;

// The stop list and the stop tab of a route page: adding, removing and renaming entries in
// both list layouts, through the buttons and edits.
class TestStationPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void addAndRemove_data();
    void addAndRemove();
    void renames_data();
    void renames();
    void autoButtons();
    void buttonsShown_data();
    void buttonsShown();
    void coordinates();

private:
    TestSettings m_settings;
    // Opening a route may ask how it keeps its next-stop announcements; no test here expects that.
    std::unique_ptr<DialogGuard> m_dialogs;
};

namespace {

// The entries as "name|next-stop text|side name", after the start of the return direction.
QStringList entries(const RouteData &route)
{
    QStringList lines{QString::number(route.backStationIndex())};
    for (int index = 0; index < route.stationCount(); ++index) {
        const Station *station = route.stationAt(index);
        lines.append(station->name[0] + QLatin1Char('|') + station->nextName[0] + QLatin1Char('|')
                     + station->sideName[0]);
    }
    return lines;
}

void selectEntry(RouteForm &page, int index)
{
    auto *list = page.findChild<QTreeView *>(QStringLiteral("stationList"));
    list->setCurrentIndex(list->model()->index(index + 1, 0));
}

const QString sep = QStringLiteral("\\\\");
const QString a = QStringLiteral("Остановка А");
const QString b = QStringLiteral("Остановка Б");
const QString c = QStringLiteral("Остановка В");
const QString d = QStringLiteral("Остановка Г");
const QString toB = QStringLiteral("Следующая остановка Б");
const QString toC = QStringLiteral("Следующая остановка В");
const QString toD = QStringLiteral("Следующая остановка Г");
const QString word = QStringLiteral("Следующая остановка");
const QString added = QStringLiteral("Остановка ");

} // namespace

void TestStationPage::init()
{
    m_dialogs = std::make_unique<DialogGuard>();
}

void TestStationPage::cleanup()
{
    m_dialogs.reset();
}

void TestStationPage::addAndRemove_data()
{
    QTest::addColumn<QStringList>("stops");
    QTest::addColumn<int>("back");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("button");
    // The back index, then per entry "name|next-stop text"; empty when nothing may change. The
    // entry selected after the button, and after undo (-1: the route row).
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("reselected");

    const QStringList abc{a + sep + toB, b + sep + toC, c};
    const QStringList twoWays{a + sep + toB, b, c + sep + toD, d};
    const QStringList separate{a, toB, b, toC, c};
    const QStringList separateTwoWays{a, toB, b, c, toD, d};
    const QString add = QStringLiteral("addStationBtn");
    const QString remove = QStringLiteral("removeStationBtn");
    const QString addNext = QStringLiteral("addNextStationBtn");

    // Next-stop texts on the stops: the stop before announces the new, still unnamed stop.
    QTest::newRow("add after a stop") << abc << -1 << 0 << add
                                      << QStringList{"4", a + "|" + word, added + "|" + toB, b + "|" + toC, c + "|"}
                                      << 1 << 1;
    QTest::newRow("add from the route row")
        << abc << -1 << -1 << add << QStringList{"4", a + "|" + toB, b + "|" + word, added + "|" + toC, c + "|"} << 2
        << 2;
    QTest::newRow("add after the last stop")
        << abc << -1 << 2 << add << QStringList{"4", a + "|" + toB, b + "|" + toC, c + "|", added + "|" + word} << 3
        << -1;
    QTest::newRow("add in the forward direction")
        << twoWays << 2 << 0 << add
        << QStringList{"3", a + "|" + word, added + "|" + toB, b + "|", c + "|" + toD, d + "|"} << 1 << 1;
    QTest::newRow("add at the last stop, return direction")
        << twoWays << 2 << 3 << add
        << QStringList{"2", a + "|" + toB, b + "|", c + "|" + word, added + "|" + toD, d + "|"} << 3 << 3;
    QTest::newRow("remove a stop") << abc << -1 << 1 << remove << QStringList{"2", a + "|" + toC, c + "|"} << 1 << 1;
    QTest::newRow("remove the last stop")
        << abc << -1 << 2 << remove << QStringList{"2", a + "|" + toB, b + "|"} << 1 << 2;
    QTest::newRow("remove the first of the return direction")
        << twoWays << 2 << 2 << remove << QStringList{"2", a + "|" + toB, b + "|", d + "|"} << 2 << 2;
    QTest::newRow("the end of the forward direction stays") << twoWays << 2 << 1 << remove << QStringList() << 1 << 1;

    // Next-stop announcements as entries of their own.
    QTest::newRow("separate: add after a stop")
        << separate << -1 << 0 << add
        << QStringList{"7", a + "|", word + "|", added + "|", toB + "|", b + "|", toC + "|", c + "|"} << 1 << 1;
    QTest::newRow("separate: add from the route row")
        << separate << -1 << -1 << add
        << QStringList{"7", a + "|", toB + "|", b + "|", word + "|", added + "|", toC + "|", c + "|"} << 3 << 3;
    QTest::newRow("separate: add in the return direction")
        << separateTwoWays << 3 << 3 << add
        << QStringList{"3", a + "|", toB + "|", b + "|", c + "|", word + "|", added + "|", toD + "|", d + "|"} << 4
        << 4;
    QTest::newRow("separate: a stop goes with its next-stop entry")
        << separate << -1 << 2 << remove << QStringList{"3", a + "|", toC + "|", c + "|"} << 2 << 2;
    QTest::newRow("separate: a next-stop entry goes with its stop")
        << separate << -1 << 3 << remove << QStringList{"3", a + "|", toB + "|", b + "|"} << 2 << 3;
    QTest::newRow("separate: the entry before the end of the forward direction stays")
        << separateTwoWays << 3 << 1 << remove << QStringList() << 1 << 1;
    QTest::newRow("separate: next-stop entry before the first stop")
        << separate << -1 << 0 << addNext
        << QStringList{"6", QStringLiteral("Следующая остановка А|"), a + "|", toB + "|", b + "|", toC + "|", c + "|"}
        << 0 << 0;
    QTest::newRow("separate: next-stop entry before the return direction")
        << separateTwoWays << 3 << 3 << addNext
        << QStringList{"3",     a + "|",   toB + "|", b + "|", QStringLiteral("Следующая остановка В|"),
                       c + "|", toD + "|", d + "|"}
        << 3 << 3;
}

// Each add or remove is one undo step; undo puts the list back and selects the entry again.
void TestStationPage::addAndRemove()
{
    QFETCH(QStringList, stops);
    QFETCH(int, back);
    QFETCH(int, current);
    QFETCH(QString, button);
    QFETCH(QStringList, expected);
    QFETCH(int, selected);
    QFETCH(int, reselected);
    QTemporaryDir dir;
    RouteForm page;
    QVERIFY(page.openRoute(writeRoute(dir, stops, back)));
    selectEntry(page, current);
    auto shortEntries = [&page] {
        QStringList lines;
        for (const QString &line : entries(page.route()))
            lines.append(line.section(QLatin1Char('|'), 0, 1));
        return lines;
    };
    const QStringList before = shortEntries();

    page.findChild<QPushButton *>(button)->click();
    QCOMPARE(shortEntries(), expected.isEmpty() ? before : expected);
    QCOMPARE(page.undoStack()->count(), expected.isEmpty() ? 0 : 1);
    QCOMPARE(page.currentStation(), selected);
    if (expected.isEmpty())
        return;
    selectEntry(page, -1);
    page.undo();
    QCOMPARE(shortEntries(), before);
    QCOMPARE(page.currentStation(), reselected);
    page.redo();
    QCOMPARE(shortEntries(), expected);
}

void TestStationPage::renames_data()
{
    QTest::addColumn<QStringList>("stops");
    QTest::addColumn<int>("back");
    QTest::addColumn<int>("current");
    QTest::addColumn<QStringList>("expected");

    const QString e = QStringLiteral("Остановка Д");
    const QString toE = QStringLiteral("Следующая остановка Д");
    QTest::newRow("generated texts follow") << QStringList{a + sep + toB, b + sep + toC, c} << -1 << 1
                                            << QStringList{"3", a + "|" + toE + "|А", e + "|" + toC + "|Д", c + "||В"};
    QTest::newRow("a hand-written announcement stays")
        << QStringList{a + sep + QStringLiteral("Едем к Б"), b + sep + toC, c} << -1 << 1
        << QStringList{"3", a + "|Едем к Б|А", e + "|" + toC + "|Д", c + "||В"};
    QTest::newRow("nothing crosses the start of the return direction")
        << QStringList{a + sep + toB, b + sep + toC, c + sep + toD, d} << 2 << 2
        << QStringList{"2", a + "|" + toB + "|А", b + "|" + toC + "|Б", e + "|" + toD + "|Д", d + "||Г"};
    QTest::newRow("separate: the next-stop entry follows")
        << QStringList{a, toB, b} << -1 << 2 << QStringList{"3", a + "||А", toE + "||", e + "||Д"};
}

// A stop renamed to "Остановка Д" takes the texts generated from its old name along.
void TestStationPage::renames()
{
    QFETCH(QStringList, stops);
    QFETCH(int, back);
    QFETCH(int, current);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    RouteForm page;
    QVERIFY(page.openRoute(writeRoute(dir, stops, back)));
    QVERIFY(activate(&page));
    selectEntry(page, current);
    const QStringList before = entries(page.route());
    enter(page.findChild<QLineEdit *>(QStringLiteral("stationNameEdit")), QStringLiteral("Остановка Д"));
    QCOMPARE(entries(page.route()), expected);
    QCOMPARE(page.undoStack()->count(), 1);
    page.undo();
    QCOMPARE(entries(page.route()), before);
}

// The auto buttons make a text from its neighbour: the next-stop text from the stop after, the
// stop text from the next-stop text before, the side name from the stop text.
void TestStationPage::autoButtons()
{
    QTemporaryDir dir;
    RouteForm page;
    QVERIFY(page.openRoute(writeRoute(dir, {a + sep + QStringLiteral("Едем"), QStringLiteral("Бэ") + sep + toC, c})));
    QVERIFY(activate(&page));
    auto click = [&page](const char *name) { page.findChild<QPushButton *>(QLatin1String(name))->click(); };
    selectEntry(page, 0);
    click("autoNextNameBtn");
    selectEntry(page, 1);
    click("autoStationNameBtn");
    enter(page.findChild<QLineEdit *>(QStringLiteral("sideNameEdit")), QStringLiteral("X"));
    click("autoSideNameBtn");
    QCOMPARE(
        entries(page.route()),
        (QStringList{"3", a + "|Следующая остановка Бэ|А", QStringLiteral("Остановка Бэ|") + toC + "|Бэ", c + "||В"}));
    QCOMPARE(page.undoStack()->count(), 4);
    click("autoStationNameBtn");
    click("autoSideNameBtn");
    QCOMPARE(page.undoStack()->count(), 4);
}

void TestStationPage::buttonsShown_data()
{
    QTest::addColumn<QStringList>("stops");
    QTest::addColumn<int>("back");
    QTest::addColumn<int>("current");
    // Shown: the stop text, the next-stop text, "Новая остановка", "Добавить следующую",
    // "Удалить".
    QTest::addColumn<QList<bool>>("shown");

    const QStringList separateTwoWays{a, toB, b, c, toD, d};
    QTest::newRow("first stop") << separateTwoWays << 3 << 0 << QList<bool>{true, false, true, true, true};
    QTest::newRow("next-stop entry") << separateTwoWays << 3 << 1 << QList<bool>{false, true, true, false, false};
    QTest::newRow("end of the forward direction")
        << separateTwoWays << 3 << 2 << QList<bool>{true, false, false, false, false};
    QTest::newRow("start of the return direction")
        << separateTwoWays << 3 << 3 << QList<bool>{true, false, true, true, true};
    QTest::newRow("next-stop texts on the stops")
        << QStringList{a + sep + toB, b} << -1 << 0 << QList<bool>{true, true, true, false, false};
}

void TestStationPage::buttonsShown()
{
    QFETCH(QStringList, stops);
    QFETCH(int, back);
    QFETCH(int, current);
    QFETCH(QList<bool>, shown);
    QTemporaryDir dir;
    RouteForm page;
    QVERIFY(page.openRoute(writeRoute(dir, stops, back)));
    selectEntry(page, current);
    QList<bool> visible;
    for (const char *name :
         {"stationNameWdt", "nextStationWidget", "addStationBtn", "addNextStationBtn", "removeStationBtn"})
        visible.append(!page.findChild<QWidget *>(QLatin1String(name))->isHidden());
    QCOMPARE(visible, shown);
}

// A typed position is read, stored and shown in its normal form; one radius for all stops is
// one undo step.
void TestStationPage::coordinates()
{
    QTemporaryDir dir;
    RouteForm page;
    QVERIFY(page.openRoute(writeRoute(dir, {a + sep + toB, b + sep + toC, c})));
    QVERIFY(activate(&page));
    selectEntry(page, 1);
    auto *edit = page.findChild<QLineEdit *>(QStringLiteral("coordEdit"));
    enter(edit, QStringLiteral("55.755831, 37.617673"));
    QCOMPARE(page.route().stationAt(1)->coordinate, QGeoCoordinate(55.755831, 37.617673));
    QCOMPARE(edit->text(), QStringLiteral("55.75583 37.61767"));
    enter(edit, QStringLiteral("55.755834 37.617671"));
    QCOMPARE(edit->text(), QStringLiteral("55.75583 37.61767"));
    QCOMPARE(page.undoStack()->count(), 1);

    auto *radius = page.findChild<QSpinBox *>(QStringLiteral("radiusSpn"));
    radius->setValue(40);
    page.findChild<QPushButton *>(QStringLiteral("setAllRadiusBtn"))->click();
    page.findChild<QPushButton *>(QStringLiteral("setAllRadiusBtn"))->click();
    QCOMPARE(page.undoStack()->count(), 2);
    for (int index = 0; index < 3; ++index)
        QCOMPARE(int(page.route().stationAt(index)->radius), 40);
    page.undo();
    QCOMPARE(int(page.route().stationAt(2)->radius), 25);
    page.undo();
    QVERIFY(!page.route().stationAt(1)->coordinate.isValid());
    QCOMPARE(edit->text(), QString());
}

QTEST_MAIN(TestStationPage)
#include "tst_stationpage.moc"
