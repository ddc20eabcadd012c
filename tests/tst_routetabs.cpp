#include "dialogguard.h"
#include "fronttablowidget.h"
#include "pagedriver.h"
#include "routeform.h"
#include "sofitcolormodel.h"
#include "testroutes.h"
#include "testsettings.h"

#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeView>
#include <QUndoStack>
#include <QtTest>

#include <functional>
#include <memory>
#include <map>

using namespace PageDriver;
using namespace TestRoutes;

// The general, board and running-line tabs of a route page, edited through their widgets.
class TestRouteTabs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void finishedEdits_data();
    void finishedEdits();
    void untouchedFieldsKeepValues_data();
    void untouchedFieldsKeepValues();
    void frontLeads_data();
    void frontLeads();
    void modeButtons();
    void runningLineOrder();
    void nextWordRewrites_data();
    void nextWordRewrites();
    void livePreview();
    void spinBoxesAndStrips();
    void autoButtons_data();
    void autoButtons();

private:
    TestSettings m_settings;
    // Opening a route may ask how it keeps its next-stop announcements; no test here expects that.
    std::unique_ptr<DialogGuard> m_dialogs;
};

namespace {

using Read = std::function<QString(const RouteData &)>;

// What each line edit stores, in the language its tab shows (the first on opening).
const std::map<QString, Read> &storedTexts()
{
    static const std::map<QString, Read> texts = {
        {"stationWordEdit", [](const RouteData &r) { return r.stationWord(0); }},
        {"nextWordEdit", [](const RouteData &r) { return r.nextWord(0); }},
        {"frontNumberEdit", [](const RouteData &r) { return r.frontNumber(); }},
        {"frontStartingPointEdit", [](const RouteData &r) { return r.frontStartingPoint(0); }},
        {"frontDestinationEdit", [](const RouteData &r) { return r.frontDestination(0); }},
        {"sideNumberEdit", [](const RouteData &r) { return r.sideNumber(); }},
        {"sideStartingPointEdit", [](const RouteData &r) { return r.sideStartingPoint(0); }},
        {"sideDestinationEdit", [](const RouteData &r) { return r.sideDestination(0); }},
        {"sideSepEdit", [](const RouteData &r) { return r.sideSeparator(); }},
        {"backNumberEdit", [](const RouteData &r) { return r.backNumber(); }},
        {"backStartingPointEdit", [](const RouteData &r) { return r.backStartingPoint(0); }},
        {"backDestinationEdit", [](const RouteData &r) { return r.backDestination(0); }},
        {"routeTextEdit", [](const RouteData &r) { return r.routeText(0); }},
        {"outsideTempEdit", [](const RouteData &r) { return r.outsideTempText(0); }},
        {"salonTempEdit", [](const RouteData &r) { return r.salonTempText(0); }},
        {"salonTimeEdit", [](const RouteData &r) { return r.salonTimeText(); }},
        {"salonTabloOrderEdit", [](const RouteData &r) { return QString::fromLatin1(r.salonTabloOrder()); }},
    };
    return texts;
}

template <typename Widget = QWidget> Widget *child(RouteForm &page, const char *name)
{
    return page.findChild<Widget *>(QLatin1String(name));
}

} // namespace

void TestRouteTabs::init()
{
    m_dialogs = std::make_unique<DialogGuard>();
}

void TestRouteTabs::cleanup()
{
    m_dialogs.reset();
}

void TestRouteTabs::finishedEdits_data()
{
    QTest::addColumn<QString>("edit");
    for (const auto &entry : storedTexts())
        QTest::newRow(qPrintable(entry.first)) << entry.first;
}

// Leaving an edit with the stored text (blanks around it aside) pushes nothing and puts the
// trimmed text back; a new text is one undo step.
void TestRouteTabs::finishedEdits()
{
    QFETCH(QString, edit);
    const Read stored = storedTexts().at(edit);
    QTemporaryDir dir;
    RouteForm page;
    QVERIFY(page.openRoute(copyExample(dir)));
    QVERIFY(activate(&page));
    auto *line = page.findChild<QLineEdit *>(edit);
    const QString old = stored(page.route());

    enter(line, QStringLiteral("  ") + old + QStringLiteral(" "));
    QCOMPARE(line->text(), old);
    QCOMPARE(page.undoStack()->count(), 0);
    QVERIFY(!page.canUndo());
    QVERIFY(page.canSave());

    enter(line, QStringLiteral(" N7 "));
    QCOMPARE(stored(page.route()), QStringLiteral("N7"));
    QCOMPARE(line->text(), QStringLiteral("N7"));
    QCOMPARE(page.undoStack()->count(), 1);
    page.undo();
    QCOMPARE(stored(page.route()), old);
    QCOMPARE(line->text(), old);
}

void TestRouteTabs::untouchedFieldsKeepValues_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<QString>("field");
    // The stop whose tab holds the field; -1 for the route's tabs.
    QTest::addColumn<int>("station");

    const QByteArray longName = QString(129, QChar(0x416)).toUtf8();
    QTest::newRow("number longer than the edit") << "ost.txt" << QByteArray("\xEF\xBB\xBF" "12\\")
                                                 << QByteArray("\xEF\xBB\xBF" "12345\\") << "frontNumberEdit" << -1;
    QTest::newRow("stop name longer than the edit")
        << "ost.txt" << QStringLiteral("1 Остановка Микрорайон Северный.").toUtf8() << "1 " + longName
        << "stationNameEdit" << 0;
    QTest::newRow("delay above the spin box") << "coord.txt" << QByteArray("NEXTDELAY:7")
                                              << QByteArray("NEXTDELAY:900") << "nextDelaySpn" << -1;
    QTest::newRow("side stop count above the spin box")
        << "sidetab.txt" << QByteArray(";N5;") << QByteArray(";N40;") << "sideStationCountSpn" << -1;
    QTest::newRow("radius above the spin box") << "coord.txt" << QByteArray("37.59134 40")
                                               << QByteArray("37.59134 100") << "radiusSpn" << 0;
    QTest::newRow("blanks around a text") << "script.txt" << QStringLiteral("MARSH:\"Маршрут %n.\"").toUtf8()
                                          << QStringLiteral("MARSH:\" Маршрут %n. \"").toUtf8() << "routeTextEdit"
                                          << -1;
    QTest::newRow("lower-case order") << "script.txt" << QByteArray("BT:(MO)2(MNNSABTR)0")
                                      << QByteArray("BT:(mo)2(mnnsabtr)0") << "salonTabloOrderEdit" << -1;
}

// A field the user only passes through never changes the route, though it cannot show the
// stored value whole: the files keep values beyond the widget's length or range.
void TestRouteTabs::untouchedFieldsKeepValues()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QString, field);
    QFETCH(int, station);
    QTemporaryDir dir;
    const QString folder = copyExample(dir);
    QByteArray content;
    QVERIFY(FixtureFiles::readFile(folder + QLatin1Char('/') + file, content));
    QVERIFY(content.contains(from));
    QVERIFY(FixtureFiles::writeFile(folder + QLatin1Char('/') + file, content.replace(from, to)));
    RouteForm page;
    QVERIFY(page.openRoute(folder));
    QVERIFY(page.saveRoute());
    const FixtureFiles::Files saved = FixtureFiles::filesOf(folder);
    QVERIFY(activate(&page));
    if (station >= 0) {
        auto *list = child<QTreeView>(page, "stationList");
        list->setCurrentIndex(list->model()->index(station + 1, 0));
    }
    auto *widget = page.findChild<QWidget *>(field);
    reveal(widget);
    widget->setFocus();
    QTRY_VERIFY(widget->hasFocus());
    widget->clearFocus();
    QCOMPARE(page.undoStack()->count(), 0);
    QVERIFY(!page.canSave());
    QVERIFY(page.saveRoute());
    QCOMPARE(FixtureFiles::filesOf(folder), saved);
}

void TestRouteTabs::frontLeads_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<bool>("sideByHand");
    QTest::addColumn<bool>("sideFollows");
    QTest::addColumn<bool>("backFollows");

    // In the example all numbers are equal, the side board shares the starting point, and
    // each board has a destination of its own.
    QTest::newRow("number") << "frontNumberEdit" << false << true << true;
    QTest::newRow("starting point") << "frontStartingPointEdit" << false << true << false;
    QTest::newRow("destination") << "frontDestinationEdit" << false << false << false;
    QTest::newRow("number, side changed by hand") << "frontNumberEdit" << true << false << true;
}

void TestRouteTabs::frontLeads()
{
    QFETCH(QString, edit);
    QFETCH(bool, sideByHand);
    QFETCH(bool, sideFollows);
    QFETCH(bool, backFollows);
    QTemporaryDir dir;
    RouteForm page;
    QVERIFY(page.openRoute(copyExample(dir)));
    QVERIFY(activate(&page));
    const QString board = edit.mid(5);
    if (sideByHand)
        enter(page.findChild<QLineEdit *>(QStringLiteral("side") + board), QStringLiteral("99"));
    auto texts = [&] {
        return QStringList{storedTexts().at(edit)(page.route()),
                           storedTexts().at(QStringLiteral("side") + board)(page.route()),
                           storedTexts().at(QStringLiteral("back") + board)(page.route())};
    };
    const QStringList before = texts();
    const int steps = page.undoStack()->count();

    enter(page.findChild<QLineEdit *>(edit), QStringLiteral("55"));
    const QStringList after = texts();
    QCOMPARE(after.at(0), QStringLiteral("55"));
    QCOMPARE(after.at(1) == QStringLiteral("55"), sideFollows);
    QCOMPARE(after.at(2) == QStringLiteral("55"), backFollows);
    QCOMPARE(page.undoStack()->count(), steps + 1);
    page.undo();
    QCOMPARE(texts(), before);
}

// The destination shows either alone or enlarged; a click on a checked button clears its bit;
// every click is an undo step.
void TestRouteTabs::modeButtons()
{
    QTemporaryDir dir;
    RouteForm page;
    QVERIFY(page.openRoute(copyExample(dir)));
    const int S = RouteData::StaticMode, N = RouteData::OnlyDestinationMode, C = RouteData::CenteredMode,
              M = RouteData::EnlargedDestinationMode;
    QCOMPARE(page.route().frontMode(), S | C);
    child<QPushButton>(page, "frontOnlyDestBtn")->click();
    QCOMPARE(page.route().frontMode(), S | C | N);
    child<QPushButton>(page, "frontMoscowBtn")->click();
    QCOMPARE(page.route().frontMode(), S | C | M);
    QVERIFY(!child<QPushButton>(page, "frontOnlyDestBtn")->isChecked());
    child<QPushButton>(page, "frontStaticBtn")->click();
    QCOMPARE(page.route().frontMode(), C | M);
    QCOMPARE(child<FrontTabloWidget>(page, "frontTabloWdt")->mode(), C | M);
    child<QPushButton>(page, "frontFont1Btn")->click();
    QCOMPARE(page.route().frontFont(), 2);
    QCOMPARE(page.undoStack()->count(), 4);
    for (int step = 0; step < 4; ++step)
        page.undo();
    QCOMPARE(page.route().frontMode(), S | C);
    QVERIFY(child<QPushButton>(page, "frontStaticBtn")->isChecked());
}

// The order is stored in Latin capitals without what the unit cannot read; the letter and
// repeat buttons write into the edit like typing.
void TestRouteTabs::runningLineOrder()
{
    QTemporaryDir dir;
    RouteForm page;
    QVERIFY(page.openRoute(copyExample(dir)));
    QVERIFY(activate(&page));
    auto *order = child<QLineEdit>(page, "salonTabloOrderEdit");
    enter(order, QStringLiteral(" (mо?n)2 "));
    QCOMPARE(page.route().salonTabloOrder(), QByteArray("(MN)2"));
    QCOMPARE(order->text(), QStringLiteral("(MN)2"));

    retype(order, QStringLiteral("SN"));
    order->selectAll();
    child<QPushButton>(page, "salonRepeatBtn")->click();
    child<QPushButton>(page, "salonTBtn")->click();
    QCOMPARE(order->text(), QStringLiteral("(SN)2T"));
    QVERIFY(order->hasFocus());
    // Saving finishes the edit, so the letters are stored.
    QVERIFY(page.saveRoute());
    QCOMPARE(page.route().salonTabloOrder(), QByteArray("(SN)2T"));
    QCOMPARE(page.undoStack()->count(), 2);
}

void TestRouteTabs::nextWordRewrites_data()
{
    QTest::addColumn<QStringList>("stops");
    QTest::addColumn<bool>("separate");
    QTest::addColumn<QStringList>("expected");

    const QString sep = QStringLiteral("\\\\");
    QTest::newRow("next-stop texts") << QStringList{"Остановка А" + sep + "Следующая остановка Б",
                                                    "Остановка Б" + sep + "Особый текст", "Остановка В"}
                                     << false << QStringList{"Далее Б", "Особый текст", ""};
    QTest::newRow("next-stop entries") << QStringList{"Остановка А", "Следующая остановка Б", "Остановка Б",
                                                      "Написано вручную", "Остановка В"}
                                       << true
                                       << QStringList{"Остановка А", "Далее Б", "Остановка Б", "Написано вручную",
                                                      "Остановка В"};
}

// A new next-stop word rewrites the texts made with the old one, in the same undo step.
void TestRouteTabs::nextWordRewrites()
{
    QFETCH(QStringList, stops);
    QFETCH(bool, separate);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    RouteForm page;
    QVERIFY(page.openRoute(writeRoute(dir, stops)));
    QVERIFY(activate(&page));
    auto texts = [&] {
        QStringList list;
        for (int index = 0; index < page.route().stationCount(); ++index) {
            const Station *station = page.route().stationAt(index);
            list.append(separate ? station->name[0] : station->nextName[0]);
        }
        return list;
    };
    const QStringList before = texts();
    enter(child<QLineEdit>(page, "nextWordEdit"), QStringLiteral("Далее"));
    QCOMPARE(texts(), expected);
    QCOMPARE(page.undoStack()->count(), 1);
    page.undo();
    QCOMPARE(texts(), before);
    QCOMPARE(page.route().nextWord(0), QStringLiteral("Следующая остановка"));
}

// Typing shows on the preview at once and reaches the route only when the edit is left; on a
// moving board the preview keeps the cursor in view.
void TestRouteTabs::livePreview()
{
    QTemporaryDir dir;
    RouteForm page;
    QVERIFY(page.openRoute(copyExample(dir)));
    QVERIFY(activate(&page));
    child<QPushButton>(page, "frontStaticBtn")->click();
    auto *preview = child<FrontTabloWidget>(page, "frontTabloWdt");
    auto *edit = child<QLineEdit>(page, "frontDestinationEdit");
    const QImage before = preview->grab().toImage();
    const QString text = QStringLiteral("Площадь Победы через Центральный рынок");
    retype(edit, text);
    QCOMPARE(preview->destination(0), text);
    QVERIFY(preview->grab().toImage() != before);
    QCOMPARE(page.route().frontDestination(0), QStringLiteral("Железнодорожный вокзал"));
    QVERIFY(preview->textOffset() > 0);
    QVERIFY(edit->cursorPosition() - preview->textOffset() <= 11);
    QVERIFY(!preview->startFirst());
    edit->clearFocus();
    QCOMPARE(preview->textOffset(), 0);
    QCOMPARE(page.route().frontDestination(0), text);
    QCOMPARE(page.undoStack()->count(), 2);
}

void TestRouteTabs::spinBoxesAndStrips()
{
    QTemporaryDir dir;
    RouteForm page;
    QVERIFY(page.openRoute(copyExample(dir)));
    const int nameTime = page.route().frontNameTimeout();
    auto *spin = child<QSpinBox>(page, "frontNameTimeSpn");
    for (const int seconds : {9, 10}) {
        spin->setValue(seconds);
        QVERIFY(QMetaObject::invokeMethod(spin, "editingFinished"));
    }
    QCOMPARE(page.route().frontNameTimeout(), 10);
    QCOMPARE(child<FrontTabloWidget>(page, "frontTabloWdt")->changeTime(), 10000);
    QCOMPARE(page.undoStack()->count(), 1);

    auto *count = child<QSpinBox>(page, "sideStationCountSpn");
    count->setValue(2);
    QVERIFY(QMetaObject::invokeMethod(count, "editingFinished"));
    QCOMPARE(child<FrontTabloWidget>(page, "sideTabloWdt")->stops(0).size(), 2);

    auto *strip = child<QComboBox>(page, "leftSofitList");
    strip->setCurrentIndex(strip->count() - 1);
    QCOMPARE(page.route().leftSofitColor(), strip->currentData(SofitColorRole).toInt());
    QCOMPARE(child<FrontTabloWidget>(page, "backTabloWdt")->leftStrip(), page.route().leftSofitColor());
    QCOMPARE(page.undoStack()->count(), 3);
    page.undo();
    page.undo();
    page.undo();
    QCOMPARE(page.route().frontNameTimeout(), nameTime);
}

void TestRouteTabs::autoButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("edit");
    QTest::newRow("separator") << "autoSideSepBtn"
                               << "sideSepEdit";
    QTest::newRow("order") << "autoSalonTabloOrderBtn"
                           << "salonTabloOrderEdit";
    QTest::newRow("route text") << "autoRouteTextBtn"
                                << "routeTextEdit";
    QTest::newRow("outside temperature") << "autoOutsideTempBtn"
                                         << "outsideTempEdit";
    QTest::newRow("inside temperature") << "autoSalonTempBtn"
                                        << "salonTempEdit";
    QTest::newRow("date and time") << "autoSalonTimeBtn"
                                   << "salonTimeEdit";
}

// The example has the default texts: an auto button brings a changed text back, and pushes
// nothing when there is nothing to change.
void TestRouteTabs::autoButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, edit);
    QTemporaryDir dir;
    RouteForm page;
    QVERIFY(page.openRoute(copyExample(dir)));
    QVERIFY(activate(&page));
    auto *line = page.findChild<QLineEdit *>(edit);
    const QString original = line->text();
    retype(line, QStringLiteral("X"));
    // The typed text is pushed first, as the button takes the focus.
    page.findChild<QPushButton *>(button)->click();
    QCOMPARE(line->text(), original);
    QCOMPARE(page.undoStack()->count(), 2);
    page.findChild<QPushButton *>(button)->click();
    QCOMPARE(page.undoStack()->count(), 2);
}

QTEST_MAIN(TestRouteTabs)
#include "tst_routetabs.moc"
