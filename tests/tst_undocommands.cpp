#include "backboardcommands.h"
#include "boardcolorcommands.h"
#include "boardfeed.h"
#include "coordinatecommands.h"
#include "coordinatetext.h"
#include "dialogguard.h"
#include "dotcompare.h"
#include "filelistcommands.h"
#include "fixturefiles.h"
#include "frontboardcommands.h"
#include "fronttablowidget.h"
#include "generalcommands.h"
#include "salontablocommands.h"
#include "sideboardcommands.h"
#include "sofitcolormodel.h"
#include "stationcommands.h"
#include "testroutes.h"
#include "testsettings.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTreeView>
#include <QUndoStack>
#include <QtTest>

#include <functional>
#include <memory>

using namespace TestRoutes;

// Every undo command pushed on a real route page, undone and redone: the route, the widgets,
// the previews and the place of the change that undo and redo bring into view.
class TestUndoCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void swapCommands_data();
    void swapCommands();
    void fileCommands_data();
    void fileCommands();
    void fileOfHiddenStop();
    void removedStationComesBack();
    void merges_data();
    void merges();
    void stationSequency_data();
    void stationSequency();
    void layoutRoundTrip_data();
    void layoutRoundTrip();

private:
    TestSettings m_settings;
    // Opening a route may ask how it keeps its next-stop announcements; no test here expects that.
    std::unique_ptr<DialogGuard> m_dialogs;
};

namespace {

using Make = std::function<QUndoCommand *(RouteForm *)>;
using Read = std::function<QVariant(const RouteData &)>;

struct SwapCase
{
    const char *name;
    Make make;
    Read read;
    QVariant value;
    // The widget that shows the value and the value it shows, when not the value itself.
    const char *widget;
    std::function<QVariant(const QVariant &)> shown;
    // The tab that undo and redo bring into view, and the preview the value appears on.
    const char *tab;
    int board;
};

QVariant bit0(const QVariant &value)
{
    return (value.toInt() & 1) != 0;
}

QVariant colorStyle(const QVariant &value)
{
    return QStringLiteral("border-image: none; background-color: #%1;").arg(value.toUInt(), 6, 16, QLatin1Char('0'));
}

constexpr int front = int(OutsideBoard::Front);
constexpr int side = int(OutsideBoard::Side);
constexpr int back = int(OutsideBoard::Back);
constexpr int noBoard = -1;

const QString text = QStringLiteral("Новый текст");

// One row per command: read as a table, so kept out of the formatter's line breaking.
// clang-format off
const std::vector<SwapCase> &swapCases()
{
    static const std::vector<SwapCase> cases = {
        {"front number", [](RouteForm *p) { return new SetFrontNumberCommand(p, QStringLiteral("7А")); },
         [](const RouteData &r) { return r.frontNumber(); }, QStringLiteral("7А"), "frontNumberEdit", {}, "frontTabloTab", front},
        {"front start, 2nd language", [](RouteForm *p) { return new SetFrontStartingPointCmd(p, 1, text); },
         [](const RouteData &r) { return r.frontStartingPoint(1); }, text, "frontStartingPointEdit", {}, "frontTabloTab", front},
        {"front destination", [](RouteForm *p) { return new SetFrontDestinationCmd(p, 0, text); },
         [](const RouteData &r) { return r.frontDestination(0); }, text, "frontDestinationEdit", {}, "frontTabloTab", front},
        {"front mode", [](RouteForm *p) { return new SetFrontTabloModeCommand(p, 8); },
         [](const RouteData &r) { return r.frontMode(); }, 8, "frontStaticBtn", bit0, "frontTabloTab", front},
        {"front font", [](RouteForm *p) { return new SetFrontTabloFontCommand(p, 1); },
         [](const RouteData &r) { return r.frontFont(); }, 1, "frontFont0Btn", bit0, "frontTabloTab", front},
        {"front number colour", [](RouteForm *p) { return new SetFrontNumberColorCmd(p, 0x123456); },
         [](const RouteData &r) { return r.frontNumberColor(); }, 0x123456, "frontColorBtn", colorStyle, "frontTabloTab", front},
        {"front start colour", [](RouteForm *p) { return new SetFrontStartColorCmd(p, 0x123456); },
         [](const RouteData &r) { return r.frontStartColor(); }, 0x123456, nullptr, {}, "frontTabloTab", front},
        {"front destination colour", [](RouteForm *p) { return new SetFrontDestColorCmd(p, 0x123456); },
         [](const RouteData &r) { return r.frontDestColor(); }, 0x123456, nullptr, {}, "frontTabloTab", front},
        {"front name time", [](RouteForm *p) { return new SetFrontNameTimeoutCmd(p, 9); },
         [](const RouteData &r) { return r.frontNameTimeout(); }, 9, "frontNameTimeSpn", {}, "frontTabloTab", front},
        {"left strip", [](RouteForm *p) { return new SetLeftSofitColorCmd(p, 4); },
         [](const RouteData &r) { return r.leftSofitColor(); }, 4, "leftSofitList", {}, "frontTabloTab", back},
        {"right strip", [](RouteForm *p) { return new SetRightSofitColorCmd(p, 7); },
         [](const RouteData &r) { return r.rightSofitColor(); }, 7, "rightSofitList", {}, "frontTabloTab", front},
        {"side number", [](RouteForm *p) { return new SetSideNumberCommand(p, QStringLiteral("7")); },
         [](const RouteData &r) { return r.sideNumber(); }, QStringLiteral("7"), "sideNumberEdit", {}, "sideTabloTab", side},
        {"side start", [](RouteForm *p) { return new SetSideStartingPointCmd(p, 0, text); },
         [](const RouteData &r) { return r.sideStartingPoint(0); }, text, "sideStartingPointEdit", {}, "sideTabloTab", side},
        {"side destination, 2nd language", [](RouteForm *p) { return new SetSideDestinationCmd(p, 1, text); },
         [](const RouteData &r) { return r.sideDestination(1); }, text, "sideDestinationEdit", {}, "sideTabloTab", side},
        {"side mode", [](RouteForm *p) { return new SetSideTabloModeCommand(p, 4); },
         [](const RouteData &r) { return r.sideMode(); }, 4, "sideStaticBtn", bit0, "sideTabloTab", side},
        {"side font", [](RouteForm *p) { return new SetSideTabloFontCommand(p, 2); },
         [](const RouteData &r) { return r.sideFont(); }, 2, "sideFont0Btn", bit0, "sideTabloTab", side},
        {"side number colour", [](RouteForm *p) { return new SetSideNumberColorCmd(p, 0xabcdef); },
         [](const RouteData &r) { return r.sideNumberColor(); }, 0xabcdef, "sideColorBtn", colorStyle, "sideTabloTab", side},
        {"side start colour", [](RouteForm *p) { return new SetSideStartColorCmd(p, 0xabcdef); },
         [](const RouteData &r) { return r.sideStartColor(); }, 0xabcdef, nullptr, {}, "sideTabloTab", side},
        {"side destination colour", [](RouteForm *p) { return new SetSideDestColorCmd(p, 0xabcdef); },
         [](const RouteData &r) { return r.sideDestColor(); }, 0xabcdef, nullptr, {}, "sideTabloTab", side},
        {"side stop count", [](RouteForm *p) { return new SetSideStationCountCmd(p, 2); },
         [](const RouteData &r) { return r.sideStationCount(); }, 2, "sideStationCountSpn", {}, "sideTabloTab", side},
        {"side separator", [](RouteForm *p) { return new SetSideSeparatorCmd(p, QStringLiteral("hh:mm")); },
         [](const RouteData &r) { return r.sideSeparator(); }, QStringLiteral("hh:mm"), "sideSepEdit", {}, "sideTabloTab", side},
        {"side name time", [](RouteForm *p) { return new SetSideNameTimeoutCmd(p, 12); },
         [](const RouteData &r) { return r.sideNameTimeout(); }, 12, "sideNameTimeSpn", {}, "sideTabloTab", side},
        {"back number", [](RouteForm *p) { return new SetBackNumberCommand(p, QStringLiteral("3")); },
         [](const RouteData &r) { return r.backNumber(); }, QStringLiteral("3"), "backNumberEdit", {}, "backTabloTab", back},
        {"back start", [](RouteForm *p) { return new SetBackStartingPointCmd(p, 0, text); },
         [](const RouteData &r) { return r.backStartingPoint(0); }, text, "backStartingPointEdit", {}, "backTabloTab", back},
        {"back destination", [](RouteForm *p) { return new SetBackDestinationCmd(p, 0, text); },
         [](const RouteData &r) { return r.backDestination(0); }, text, "backDestinationEdit", {}, "backTabloTab", back},
        {"back mode", [](RouteForm *p) { return new SetBackTabloModeCommand(p, 2); },
         [](const RouteData &r) { return r.backMode(); }, 2, "backStaticBtn", bit0, "backTabloTab", back},
        {"back font", [](RouteForm *p) { return new SetBackTabloFontCommand(p, 2); },
         [](const RouteData &r) { return r.backFont(); }, 2, "backFont0Btn", bit0, "backTabloTab", back},
        {"back number colour", [](RouteForm *p) { return new SetBackNumberColorCmd(p, 0x00ff00); },
         [](const RouteData &r) { return r.backNumberColor(); }, 0x00ff00, "backColorBtn", colorStyle, "backTabloTab", back},
        {"back start colour", [](RouteForm *p) { return new SetBackStartColorCmd(p, 0x00ff00); },
         [](const RouteData &r) { return r.backStartColor(); }, 0x00ff00, nullptr, {}, "backTabloTab", back},
        {"back destination colour", [](RouteForm *p) { return new SetBackDestColorCmd(p, 0x00ff00); },
         [](const RouteData &r) { return r.backDestColor(); }, 0x00ff00, nullptr, {}, "backTabloTab", back},
        {"back name time", [](RouteForm *p) { return new SetBackNameTimeoutCmd(p, 0); },
         [](const RouteData &r) { return r.backNameTimeout(); }, 0, "backNameTimeSpn", {}, "backTabloTab", back},
        {"running-line order", [](RouteForm *p) { return new SetSalonTabloOrderCmd(p, "(MN)3"); },
         [](const RouteData &r) { return r.salonTabloOrder(); }, QByteArray("(MN)3"), "salonTabloOrderEdit",
         [](const QVariant &v) { return QVariant(QString::fromLatin1(v.toByteArray())); }, "salonTabloOrderTab", noBoard},
        {"route text, 2nd language", [](RouteForm *p) { return new SetRouteTextCmd(p, 1, text); },
         [](const RouteData &r) { return r.routeText(1); }, text, "routeTextEdit", {}, "routeTextTab", noBoard},
        {"inside temperature", [](RouteForm *p) { return new SetSalonTempTextCmd(p, 0, text); },
         [](const RouteData &r) { return r.salonTempText(0); }, text, "salonTempEdit", {}, "salonTempTab", noBoard},
        {"outside temperature", [](RouteForm *p) { return new SetOutsideTempTextCmd(p, 1, text); },
         [](const RouteData &r) { return r.outsideTempText(1); }, text, "outsideTempEdit", {}, "outsideTempTab", noBoard},
        {"date and time", [](RouteForm *p) { return new SetSalonTimeTextCmd(p, text); },
         [](const RouteData &r) { return r.salonTimeText(); }, text, "salonTimeEdit", {}, "salonTimeTab", noBoard},
        {"running-line colour", [](RouteForm *p) { return new SetSalonColorCmd(p, 0x0000ff); },
         [](const RouteData &r) { return r.salonColor(); }, 0x0000ff, "salonColorBtn", colorStyle, "salonTabloOrderTab", noBoard},
        {"stop word, 2nd language", [](RouteForm *p) { return new SetStationWordCommand(p, 1, QStringLiteral("Halt")); },
         [](const RouteData &r) { return r.stationWord(1); }, QStringLiteral("Halt"), "stationWordEdit", {}, "generalTab", noBoard},
        {"next-stop word", [](RouteForm *p) { return new SetNextWordCommand(p, 0, QStringLiteral("Далее")); },
         [](const RouteData &r) { return r.nextWord(0); }, QStringLiteral("Далее"), "nextWordEdit", {}, "generalTab", noBoard},
        {"next-stop delay", [](RouteForm *p) { return new SetNextStationDelayCmd(p, 0); },
         [](const RouteData &r) { return r.nextStationDelay(); }, 0, "nextDelaySpn", {}, "generalTab", noBoard},
        {"return direction", [](RouteForm *p) { return new SetBackStationIndexCmd(p, 3); },
         [](const RouteData &r) { return r.backStationIndex(); }, 3, nullptr, {}, nullptr, side},
        {"stop name", [](RouteForm *p) { return new SetStationNameCmd(p, 2, 0, text); },
         [](const RouteData &r) { return r.stationAt(2)->name[0]; }, text, "stationNameEdit", {}, "stationTab", noBoard},
        {"next-stop text, 2nd language", [](RouteForm *p) { return new SetStationNextNameCmd(p, 1, 1, text); },
         [](const RouteData &r) { return r.stationAt(1)->nextName[1]; }, text, "nextNameEdit", {}, "stationTab", noBoard},
        {"side name", [](RouteForm *p) { return new SetStationSideNameCmd(p, 0, 0, text); },
         [](const RouteData &r) { return r.stationAt(0)->sideName[0]; }, text, "sideNameEdit", {}, "stationTab", noBoard},
        {"position", [](RouteForm *p) { return new SetStationCoordinate(p, 4, QGeoCoordinate(-0.000001, 37.5)); },
         [](const RouteData &r) { return QVariantList{r.stationAt(4)->coordinate.latitude(), r.stationAt(4)->coordinate.longitude()}; },
         QVariantList{-0.000001, 37.5}, "coordEdit",
         [](const QVariant &v) {
             const QVariantList degrees = v.toList();
             return QVariant(formatCoordinate(QGeoCoordinate(degrees.at(0).toDouble(), degrees.at(1).toDouble())));
         }, "coordinateTab", noBoard},
        {"radius", [](RouteForm *p) { return new SetStationRadius(p, 3, 45); },
         [](const RouteData &r) { return int(r.stationAt(3)->radius); }, 45, "radiusSpn", {}, "coordinateTab", noBoard},
        {"advertising folder", [](RouteForm *p) { return new SetAdPathCommand(p, p->route().folder() + QStringLiteral("/Rek2")); },
         [](const RouteData &r) { return r.relativeAdFolder(); }, QStringLiteral("/route-12/Rek2"), "allAdTextFileLabel", {},
         "adTab", noBoard},
    };
    return cases;
}
// clang-format on

QVariant shownValue(QWidget *widget)
{
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->text();
    if (auto *spin = qobject_cast<QSpinBox *>(widget))
        return spin->value();
    if (auto *list = qobject_cast<QComboBox *>(widget))
        return list->currentData(SofitColorRole);
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    auto *button = qobject_cast<QAbstractButton *>(widget);
    return button->isCheckable() ? QVariant(button->isChecked()) : QVariant(button->styleSheet());
}

// The preview shows what a fresh preview fed from the route shows.
QString previewDifference(RouteForm &page, int board)
{
    static const char *names[] = {"frontTabloWdt", "sideTabloWdt", "backTabloWdt"};
    auto *preview = page.findChild<FrontTabloWidget *>(QLatin1String(names[board]));
    FrontTabloWidget fresh;
    fresh.setType(preview->type());
    fresh.setFirstLanguage(preview->firstLanguage());
    feedBoard(fresh, page.route(), OutsideBoard(board), page.currentStation());
    fresh.refresh();
    return difference(*preview, fresh, QRect(QPoint(0, 0), preview->boardSize()));
}

QStringList listRows(const QListWidget *list)
{
    QStringList rows;
    for (int row = 0; row < list->count(); ++row)
        rows.append(list->item(row)->text());
    return rows;
}

// Every text, file and position of the stops, and where the return direction starts.
QStringList describe(const RouteData &route)
{
    QStringList lines{QString::number(route.backStationIndex())};
    for (int index = 0; index < route.stationCount(); ++index) {
        const Station *s = route.stationAt(index);
        lines.append(QStringList{s->name[0], s->name[1], s->nextName[0], s->nextName[1], s->sideName[0], s->sideName[1],
                                 s->soundFiles.join(QLatin1Char(',')), s->textFiles.join(QLatin1Char(',')),
                                 QString::number(s->coordinate.latitude()), QString::number(s->radius)}
                         .join(QLatin1Char('|')));
    }
    return lines;
}

// The add (at 1), remove (at 0) or move (0 to 1) command of the list.
QUndoCommand *fileCommand(RouteForm *page, RouteForm::FileList list, const QString &operation, int station,
                          const QString &name)
{
    const bool add = operation == QLatin1String("add");
    const bool remove = operation == QLatin1String("remove");
    switch (list) {
    case RouteForm::SoundFiles:
        if (add)
            return new AddStationSoundFileCmd(page, station, 1, name);
        if (remove)
            return new RemoveStationSoundFileCmd(page, station, 0);
        return new MoveStationSoundFileCmd(page, station, 0, 1);
    case RouteForm::TextFiles:
        if (add)
            return new AddStationTextFileCmd(page, station, 1, name);
        if (remove)
            return new RemoveStationTextFileCmd(page, station, 0);
        return new MoveStationTextFileCmd(page, station, 0, 1);
    case RouteForm::AdTextFiles:
        break;
    }
    if (add)
        return new AddAdwareTextFileCmd(page, 1, name);
    if (remove)
        return new RemoveAdTextFileCmd(page, 0);
    return new MoveAdwareTextFileCmd(page, 0, 1);
}

} // namespace

void TestUndoCommands::init()
{
    m_dialogs = std::make_unique<DialogGuard>();
}

void TestUndoCommands::cleanup()
{
    m_dialogs.reset();
}

void TestUndoCommands::swapCommands_data()
{
    QTest::addColumn<int>("row");
    for (size_t row = 0; row < swapCases().size(); ++row)
        QTest::newRow(swapCases()[row].name) << int(row);
}

void TestUndoCommands::swapCommands()
{
    QFETCH(int, row);
    const SwapCase &test = swapCases()[row];
    QTemporaryDir dir;
    RouteForm page;
    QVERIFY(page.openRoute(copyExample(dir)));
    const QVariant old = test.read(page.route());
    auto shown = [&](const QVariant &value) { return test.shown ? test.shown(value) : value; };
    QVERIFY(old != test.value && shown(old) != shown(test.value));
    auto check = [&](const QVariant &value) {
        QCOMPARE(test.read(page.route()), value);
        if (test.widget)
            QCOMPARE(shownValue(page.findChild<QWidget *>(QLatin1String(test.widget))), shown(value));
        if (test.tab)
            QVERIFY(page.findChild<QWidget *>(QLatin1String(test.tab))->isVisibleTo(&page));
        if (test.board != noBoard)
            QVERIFY2(previewDifference(page, test.board).isEmpty(), qPrintable(previewDifference(page, test.board)));
    };

    page.undoStack()->push(test.make(&page));
    QCOMPARE(test.read(page.route()), test.value);
    QVERIFY(page.canUndo());
    page.undo();
    check(old);
    QVERIFY(page.canRedo());
    page.redo();
    check(test.value);
    QCOMPARE(page.undoStack()->count(), 1);
}

void TestUndoCommands::fileCommands_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("station");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("undoRow");
    QTest::addColumn<int>("redoRow");
    QTest::addColumn<QString>("tab");

    const int sound = RouteForm::SoundFiles;
    const int texts = RouteForm::TextFiles;
    const int ads = RouteForm::AdTextFiles;
    // The rows selected after undo and redo: the entry at the place of the change, if any.
    QTest::newRow("add sound") << sound << 3 << "add" << QStringList{"st_lenina.wav", "x.wav", "next_teatr.wav"} << 1
                               << 1 << "soundTab";
    QTest::newRow("remove sound") << sound << 3 << "remove" << QStringList{"next_teatr.wav"} << 0 << 0 << "soundTab";
    QTest::newRow("move sound") << sound << 3 << "move" << QStringList{"next_teatr.wav", "st_lenina.wav"} << 0 << 1
                                << "soundTab";
    QTest::newRow("add text") << texts << 0 << "add" << QStringList{"01.txt", "x.txt"} << -1 << 1 << "textTab";
    QTest::newRow("remove text") << texts << 0 << "remove" << QStringList() << 0 << -1 << "textTab";
    QTest::newRow("add advertising") << ads << -1 << "add" << QStringList{"r1.txt", "x.txt", "r2.txt", "r3.txt"} << 1
                                     << 1 << "adTab";
    QTest::newRow("remove advertising") << ads << -1 << "remove" << QStringList{"r2.txt", "r3.txt"} << 0 << 0
                                        << "adTab";
    QTest::newRow("move advertising") << ads << -1 << "move" << QStringList{"r2.txt", "r1.txt", "r3.txt"} << 0 << 1
                                      << "adTab";
}

void TestUndoCommands::fileCommands()
{
    QFETCH(int, family);
    QFETCH(int, station);
    QFETCH(QString, operation);
    QFETCH(QStringList, expected);
    QFETCH(int, undoRow);
    QFETCH(int, redoRow);
    QFETCH(QString, tab);
    const auto list = RouteForm::FileList(family);
    QTemporaryDir dir;
    RouteForm page;
    QVERIFY(page.openRoute(copyExample(dir)));
    auto *view = page.findChild<QTreeView *>(QStringLiteral("stationList"));
    if (station >= 0)
        view->setCurrentIndex(view->model()->index(station + 1, 0));
    static const char *widgets[] = {"soundFileList", "textFileList", "adTextFileList"};
    auto *widget = page.findChild<QListWidget *>(QLatin1String(widgets[family]));
    const QStringList before = page.files(list, station);
    QCOMPARE(listRows(widget), before);

    const QString name = family == RouteForm::SoundFiles ? QStringLiteral("x.wav") : QStringLiteral("x.txt");
    page.undoStack()->push(fileCommand(&page, list, operation, station, name));
    QCOMPARE(page.files(list, station), expected);
    QCOMPARE(listRows(widget), expected);

    // Undo and redo come back to the list of that stop, whatever is shown meanwhile.
    view->setCurrentIndex(view->model()->index(0, 0));
    page.undo();
    QCOMPARE(page.files(list, station), before);
    QCOMPARE(listRows(widget), before);
    QVERIFY(page.findChild<QWidget *>(tab)->isVisibleTo(&page));
    QCOMPARE(widget->currentRow(), undoRow);
    page.redo();
    QCOMPARE(listRows(widget), expected);
    QCOMPARE(widget->currentRow(), redoRow);
}

// A file list command on a stop that is not shown changes the route only.
void TestUndoCommands::fileOfHiddenStop()
{
    QTemporaryDir dir;
    RouteForm page;
    QVERIFY(page.openRoute(copyExample(dir)));
    auto *view = page.findChild<QTreeView *>(QStringLiteral("stationList"));
    view->setCurrentIndex(view->model()->index(2, 0));
    auto *shown = page.findChild<QListWidget *>(QStringLiteral("textFileList"));
    const QStringList rows = listRows(shown);
    auto *command = new AddStationTextFileCmd(&page, 0, 0, QStringLiteral("x.txt"));
    command->redo();
    QCOMPARE(page.route().stationAt(0)->textFiles, (QStringList{"x.txt", "01.txt"}));
    command->undo();
    QCOMPARE(page.route().stationAt(0)->textFiles, QStringList{"01.txt"});
    QCOMPARE(listRows(shown), rows);
    delete command;
}

void TestUndoCommands::removedStationComesBack()
{
    QTemporaryDir dir;
    RouteForm page;
    QVERIFY(page.openRoute(copyExample(dir)));
    const QStringList before = describe(page.route());
    const Station *record = page.route().stationAt(3);
    page.undoStack()->push(new RemoveStationCommand(&page, 3));
    QCOMPARE(page.route().stationCount(), 11);
    QCOMPARE(page.findChild<QTreeView *>(QStringLiteral("stationList"))->model()->rowCount(), 12);
    page.undo();
    QCOMPARE(page.route().stationAt(3), record);
    QCOMPARE(describe(page.route()), before);
    page.redo();
    QCOMPARE(page.route().stationCount(), 11);
    // The page and its stack go while the command holds the stop: it frees it (the sanitizer
    // build reports a leak otherwise).
}

void TestUndoCommands::merges_data()
{
    QTest::addColumn<QList<int>>("steps");
    QTest::addColumn<int>("count");

    // Steps: 0 front name time, 1 back name time, 2 side name time, 3 next-stop delay,
    // 4 radius of stop 0, 5 radius of stop 1, -1 a save.
    QTest::newRow("front name time twice") << QList<int>{0, 0} << 1;
    QTest::newRow("side name time twice") << QList<int>{2, 2} << 1;
    QTest::newRow("back name time twice") << QList<int>{1, 1} << 1;
    QTest::newRow("delay twice") << QList<int>{3, 3, 3} << 1;
    QTest::newRow("another board between") << QList<int>{0, 1, 0} << 3;
    QTest::newRow("a save between") << QList<int>{0, -1, 0} << 2;
    QTest::newRow("radius of one stop") << QList<int>{4, 4} << 1;
    QTest::newRow("radius of two stops") << QList<int>{4, 5} << 2;
}

void TestUndoCommands::merges()
{
    QFETCH(QList<int>, steps);
    QFETCH(int, count);
    QTemporaryDir dir;
    RouteForm page;
    QVERIFY(page.openRoute(copyExample(dir)));
    auto values = [&page] {
        const RouteData &r = page.route();
        return QList<int>{r.frontNameTimeout(), r.backNameTimeout(),    r.sideNameTimeout(),
                          r.nextStationDelay(), r.stationAt(0)->radius, r.stationAt(1)->radius};
    };
    const QList<int> before = values();
    int value = 10;
    for (const int step : steps) {
        ++value;
        switch (step) {
        case -1:
            QVERIFY(page.saveRoute());
            break;
        case 0:
            page.undoStack()->push(new SetFrontNameTimeoutCmd(&page, value));
            break;
        case 1:
            page.undoStack()->push(new SetBackNameTimeoutCmd(&page, value));
            break;
        case 2:
            page.undoStack()->push(new SetSideNameTimeoutCmd(&page, value));
            break;
        case 3:
            page.undoStack()->push(new SetNextStationDelayCmd(&page, value));
            break;
        default:
            page.undoStack()->push(new SetStationRadius(&page, step - 4, 10 + 5 * value));
            break;
        }
    }
    const QList<int> after = values();
    QCOMPARE(page.undoStack()->count(), count);
    while (page.canUndo())
        page.undo();
    QCOMPARE(values(), before);
    while (page.canRedo())
        page.redo();
    QCOMPARE(values(), after);
}

void TestUndoCommands::stationSequency_data()
{
    QTest::addColumn<QStringList>("stops");
    QTest::addColumn<int>("back");
    QTest::addColumn<bool>("separate");
    QTest::addColumn<QStringList>("expected");

    const QString a = QStringLiteral("Остановка А");
    const QString b = QStringLiteral("Остановка Б");
    const QString c = QStringLiteral("Остановка В");
    const QString d = QStringLiteral("Остановка Г");
    const QString x = QStringLiteral("Следующая Б");
    const QString y = QStringLiteral("Следующая В");
    const QString sep = QStringLiteral("\\\\");
    // Expected: the back index, then per entry "name|next-stop text|sound files|text files".
    QTest::newRow("separate on") << QStringList{a + sep + x + QStringLiteral("\r\n  a.wav"), b + sep + y, c} << -1
                                 << true
                                 << QStringList{"5", a + "||a.wav|", x + "|||", b + "|||", y + "|||", c + "|||"};
    QTest::newRow("separate off") << QStringList{
        a + QStringLiteral("\r\n  a.wav"), x + QStringLiteral("\r\n  x.wav, x.txt"), b, y,
        c} << -1 << false << QStringList{"3", a + "|" + x + "|a.wav,x.wav|x.txt", b + "|" + y + "||", c + "|||"};
    QTest::newRow("on, return direction")
        << QStringList{a + sep + x, b, c + sep + y, d} << 2 << true
        << QStringList{"3", a + "|||", x + "|||", b + "|||", c + "|||", y + "|||", d + "|||"};
    QTest::newRow("off, return direction")
        << QStringList{a, x, b, c, y, d} << 3 << false
        << QStringList{"2", a + "|" + x + "||", b + "|||", c + "|" + y + "||", d + "|||"};
    // The last stop of the forward direction is a stop entry, never folded into the entry before.
    QTest::newRow("off, one stop each way")
        << QStringList{a + QStringLiteral("\r\n  a.wav"), b + QStringLiteral("\r\n  b.wav")} << 1 << false
        << QStringList{"1", a + "||a.wav|", b + "||b.wav|"};
    QTest::newRow("off, return direction of one stop")
        << QStringList{a, x, b, c} << 3 << false << QStringList{"2", a + "|" + x + "||", b + "|||", c + "|||"};
}

void TestUndoCommands::layoutRoundTrip_data()
{
    QTest::addColumn<QStringList>("stops");
    QTest::addColumn<int>("back");
    // The answer to the layout question at opening, when the texts leave the layout open.
    QTest::addColumn<QString>("answer");

    const QString sep = QStringLiteral("\\\\");
    const QString a = QStringLiteral("Остановка А");
    const QString b = QStringLiteral("Остановка Б");
    const QString c = QStringLiteral("Остановка В");
    const QString toB = sep + QStringLiteral("Следующая остановка Б\r\n  b.wav, b.txt");
    const QString toC = sep + QStringLiteral("Следующая остановка В\r\n  c.wav");
    QTest::newRow("no return direction") << QStringList{a + toB, b + toC, c} << -1 << QString();
    QTest::newRow("return direction of one stop") << QStringList{a + toB, b, c} << 2 << QString();
    QTest::newRow("forward direction of one stop") << QStringList{a, b + toC, c} << 1 << QStringLiteral("Нет");
    QTest::newRow("both directions of one stop")
        << QStringList{a + QStringLiteral("\r\n  a.wav"), b + QStringLiteral("\r\n  b.wav")} << 1 << QString();
    QTest::newRow("separate, return direction of one stop")
        << QStringList{a, QStringLiteral("Следующая остановка Б"), b, c} << 3 << QString();
}

// Switching the layout and back keeps every stop, text and file: the folder saves as it opened.
void TestUndoCommands::layoutRoundTrip()
{
    QFETCH(QStringList, stops);
    QFETCH(int, back);
    QFETCH(QString, answer);
    if (!answer.isEmpty())
        m_dialogs->answerMessage(answer);
    QTemporaryDir dir;
    RouteForm page;
    const QString folder = writeRoute(dir, stops, back);
    QVERIFY(page.openRoute(folder));
    QVERIFY(page.saveRoute());
    const FixtureFiles::Files opened = FixtureFiles::filesOf(folder);
    auto *check = page.findChild<QCheckBox *>(QStringLiteral("nextSeparateCheck"));
    check->click();
    check->click();
    QVERIFY(page.saveRoute());
    QCOMPARE(FixtureFiles::filesOf(folder), opened);
}

void TestUndoCommands::stationSequency()
{
    QFETCH(QStringList, stops);
    QFETCH(int, back);
    QFETCH(bool, separate);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    RouteForm page;
    QVERIFY(page.openRoute(writeRoute(dir, stops, back)));
    auto *check = page.findChild<QCheckBox *>(QStringLiteral("nextSeparateCheck"));
    QCOMPARE(check->isChecked(), !separate);
    const QStringList before = describe(page.route());
    auto entries = [&page] {
        const RouteData &r = page.route();
        QStringList lines{QString::number(r.backStationIndex())};
        for (int index = 0; index < r.stationCount(); ++index) {
            const Station *s = r.stationAt(index);
            lines.append(QStringList{s->name[0], s->nextName[0], s->soundFiles.join(QLatin1Char(',')),
                                     s->textFiles.join(QLatin1Char(','))}
                             .join(QLatin1Char('|')));
        }
        return lines;
    };

    check->click();
    QCOMPARE(entries(), expected);
    QCOMPARE(check->isChecked(), separate);
    QCOMPARE(page.undoStack()->count(), 1);
    page.undo();
    QCOMPARE(describe(page.route()), before);
    QCOMPARE(check->isChecked(), !separate);
    page.redo();
    QCOMPARE(entries(), expected);
}

QTEST_MAIN(TestUndoCommands)
#include "tst_undocommands.moc"
