#include "dialogguard.h"
#include "fixturefiles.h"
#include "fronttablowidget.h"
#include "pagedriver.h"
#include "routeform.h"
#include "routemodel.h"
#include "testroutes.h"
#include "testsettings.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeView>
#include <QUndoStack>
#include <QtTest>

#include <memory>

using namespace TestRoutes;

// The route page: opening, saving, and colour edits undone and redone through the page.
class TestRouteForm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensExampleRoute();
    void folderWithoutStationList();
    void unreadableFileKeepsRouteClosed_data();
    void unreadableFileKeepsRouteClosed();
    void colorButtonsAskForDialog_data();
    void colorButtonsAskForDialog();
    void frontColorCarriesSharedBoards();
    void sameColorPushesNothing();
    void boardColorUndoRedo_data();
    void boardColorUndoRedo();
    void saveMarksClean();
    void failedSaveKeepsChanges();
    void overwriteQuestion_data();
    void overwriteQuestion();
    void lostTextsQuestion_data();
    void lostTextsQuestion();
    void closingPageWithChanges();
    void boardTypeSetters();
    void boardTypesFromEditorIni();
    void boardTypeMenus_data();
    void boardTypeMenus();
    void nextSeparateDecision_data();
    void nextSeparateDecision();
    void languageCount();
    void languageSwitches();
    void typingOffersSaveAndUndo();

private:
    TestSettings m_settings;
    std::unique_ptr<DialogGuard> m_dialogs;
};

namespace {

QString buttonColor(RouteForm &page, const char *name)
{
    return page.findChild<QPushButton *>(QLatin1String(name))->styleSheet();
}

} // namespace

void TestRouteForm::init()
{
    m_dialogs = std::make_unique<DialogGuard>();
}

void TestRouteForm::cleanup()
{
    m_dialogs.reset();
}

void TestRouteForm::opensExampleRoute()
{
    QTemporaryDir folder;
    RouteForm page;
    QSignalSpy canSave(&page, &RouteForm::canSaveChanged);
    page.openRoute(copyExample(folder));
    auto *list = page.findChild<QTreeView *>(QStringLiteral("stationList"));
    QCOMPARE(list->model()->rowCount(), 13);
    QCOMPARE(list->currentIndex().row(), 0);
    QCOMPARE(list->model()->index(1, 0).data().toString(), page.route().stationAt(0)->name[0]);
    QCOMPARE(page.findChild<QTabWidget *>(QStringLiteral("routeTabs"))->currentWidget()->objectName(),
             QStringLiteral("generalTab"));
    QVERIFY(!page.canSave());
    QVERIFY(!page.canUndo());
    QCOMPARE(canSave.count(), 0);
    QCOMPARE(buttonColor(page, "frontColorBtn"), QStringLiteral("border-image: none; background-color: #ff8000;"));
    QCOMPARE(buttonColor(page, "sideColorBtn"), QStringLiteral("border-image: none; background-color: #ff0000;"));
}

void TestRouteForm::folderWithoutStationList()
{
    QTemporaryDir folder;
    RouteForm page;
    page.openRoute(folder.path());
    QCOMPARE(page.route().folder(), folder.path());
    QCOMPARE(page.route().stationCount(), 6);
    QCOMPARE(page.route().frontNumber(), QStringLiteral("1"));
    QVERIFY(!page.canSave());
    // The example content stays in memory until the user saves.
    QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    QVERIFY(page.saveRoute());
    QVERIFY(QFileInfo::exists(folder.filePath(QStringLiteral("ost.txt"))));
    // The new route keeps its board types from its first save on.
    QByteArray ini;
    QVERIFY(FixtureFiles::readFile(folder.filePath(QStringLiteral("editor.ini")), ini));
    QCOMPARE(ini, QByteArray("frontTabloType=0\r\nsideTabloType=1\r\nbackTabloType=1\r\n"));
}

void TestRouteForm::unreadableFileKeepsRouteClosed_data()
{
    QTest::addColumn<QString>("file");
    for (const char *file : {"script.txt", "sidetab.txt", "backtab.txt", "coord.txt", "Rek/rscript.txt"})
        QTest::newRow(file) << QString::fromLatin1(file);
}

// A route file that is there but cannot be read keeps the route from opening, since its first
// save would replace the file with defaults. The file is made to fail with a real input/output
// error: reading the process's own memory from address 0.
void TestRouteForm::unreadableFileKeepsRouteClosed()
{
    QFETCH(QString, file);
    QTemporaryDir folder;
    const QString path = copyExample(folder);
    const QString unreadable = path + QLatin1Char('/') + file;
    QVERIFY(QFile::remove(unreadable));
    QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), unreadable));
    const FixtureFiles::Files before = FixtureFiles::filesOf(path);
    RouteForm page;
    m_dialogs->answerMessage(QStringLiteral("OK"));
    QVERIFY(!page.openRoute(path));
    QCOMPARE(m_dialogs->seenTexts(),
             QStringList{QStringLiteral("Не удалось прочитать файл %1. Маршрут не открыт.").arg(unreadable)});
    QVERIFY(!page.canSave());
    QCOMPARE(FixtureFiles::filesOf(path), before);
}

void TestRouteForm::colorButtonsAskForDialog_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("board");
    QTest::addColumn<uint>("color");

    QTest::newRow("front") << "frontColorBtn" << "Цвет переднего табло" << "front" << 0xff8000u;
    QTest::newRow("side") << "sideColorBtn" << "Цвет бокового табло" << "side" << 0xff0000u;
    QTest::newRow("back") << "backColorBtn" << "Цвет заднего табло" << "back" << 0xff0000u;
    QTest::newRow("salon") << "salonColorBtn" << "Цвет табло в салоне" << "salon" << 0xff8000u;
}

void TestRouteForm::colorButtonsAskForDialog()
{
    QFETCH(QString, button);
    QFETCH(QString, title);
    QFETCH(QString, board);
    QFETCH(uint, color);
    QTemporaryDir folder;
    RouteForm page;
    page.openRoute(copyExample(folder));
    QSignalSpy requests(&page, &RouteForm::showTabloColorDialog);
    page.findChild<QPushButton *>(button)->click();
    QCOMPARE(requests.count(), 1);
    QCOMPARE(requests.first(), (QVariantList{color, title, board}));
}

void TestRouteForm::frontColorCarriesSharedBoards()
{
    QTemporaryDir folder;
    RouteForm page;
    page.openRoute(folder.path());
    page.onTabloColorDialogResult(0x00ff00, QStringLiteral("back"));
    page.onTabloColorDialogResult(0x0000ff, QStringLiteral("front"));
    const RouteData &route = page.route();
    QCOMPARE(route.frontDestColor(), 0x0000ff);
    QCOMPARE(route.sideNumberColor(), 0x0000ff);
    QCOMPARE(route.sideStartColor(), 0x0000ff);
    QCOMPARE(route.backNumberColor(), 0x00ff00);
    QCOMPARE(buttonColor(page, "sideColorBtn"), QStringLiteral("border-image: none; background-color: #0000ff;"));

    // The front pick is one step: undo brings front and side back together.
    page.undo();
    QCOMPARE(route.frontNumberColor(), 0x080400);
    QCOMPARE(route.sideDestColor(), 0x080400);
    QCOMPARE(route.backNumberColor(), 0x00ff00);
    QCOMPARE(buttonColor(page, "frontColorBtn"), QStringLiteral("border-image: none; background-color: #080400;"));
    QCOMPARE(page.findChild<QTabWidget *>(QStringLiteral("routeTabs"))->currentWidget()->objectName(),
             QStringLiteral("frontTabloTab"));
    page.undo();
    QCOMPARE(route.backNumberColor(), 0x080400);
    QVERIFY(!page.canUndo());
    QVERIFY(!page.canSave());
    page.redo();
    page.redo();
    QCOMPARE(route.sideStartColor(), 0x0000ff);
    QCOMPARE(route.backDestColor(), 0x00ff00);
    QVERIFY(!page.canRedo());
}

void TestRouteForm::sameColorPushesNothing()
{
    QTemporaryDir folder;
    RouteForm page;
    page.openRoute(folder.path());
    for (const char *board : {"front", "side", "back"})
        page.onTabloColorDialogResult(0x080400, QLatin1String(board));
    page.onTabloColorDialogResult(0x800000, QStringLiteral("salon"));
    page.onTabloColorDialogResult(0x123456, QStringLiteral("interior"));
    QVERIFY(!page.canUndo());
    QVERIFY(!page.canSave());
}

void TestRouteForm::boardColorUndoRedo_data()
{
    QTest::addColumn<QString>("board");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("tab");
    QTest::newRow("side") << "side" << "sideColorBtn" << "sideTabloTab";
    QTest::newRow("back") << "back" << "backColorBtn" << "backTabloTab";
    QTest::newRow("salon") << "salon" << "salonColorBtn" << "salonTabloTab";
}

void TestRouteForm::boardColorUndoRedo()
{
    QFETCH(QString, board);
    QFETCH(QString, button);
    QFETCH(QString, tab);
    QTemporaryDir folder;
    RouteForm page;
    page.openRoute(copyExample(folder));
    auto *routeTabs = page.findChild<QTabWidget *>(QStringLiteral("routeTabs"));
    const QString before = page.findChild<QPushButton *>(button)->styleSheet();
    page.onTabloColorDialogResult(0xabcdef, board);
    QVERIFY(page.canUndo());
    QCOMPARE(page.findChild<QPushButton *>(button)->styleSheet(), QStringLiteral("border-image: none; background-color: #abcdef;"));
    routeTabs->setCurrentIndex(0);
    page.undo();
    QCOMPARE(page.findChild<QPushButton *>(button)->styleSheet(), before);
    QCOMPARE(routeTabs->currentWidget()->objectName(), tab);
    QVERIFY(page.canRedo());
    routeTabs->setCurrentIndex(0);
    page.redo();
    QCOMPARE(page.findChild<QPushButton *>(button)->styleSheet(), QStringLiteral("border-image: none; background-color: #abcdef;"));
    QCOMPARE(routeTabs->currentWidget()->objectName(), tab);
}

void TestRouteForm::saveMarksClean()
{
    QTemporaryDir folder;
    RouteForm page;
    const QString path = copyExample(folder);
    page.openRoute(path);
    QSignalSpy canSave(&page, &RouteForm::canSaveChanged);
    page.onTabloColorDialogResult(0x00ff00, QStringLiteral("salon"));
    QCOMPARE(canSave.takeFirst(), QVariantList{true});
    QVERIFY(page.saveRoute());
    QCOMPARE(canSave.takeFirst(), QVariantList{false});
    QVERIFY(page.canUndo());

    RouteData saved;
    QVERIFY(saved.load(path));
    QCOMPARE(saved.frontNumberColor(), 0xff8000);
    // Undo after saving makes the route differ from the file again.
    page.undo();
    QVERIFY(page.canSave());
}

void TestRouteForm::failedSaveKeepsChanges()
{
    QTemporaryDir folder;
    RouteForm page;
    page.openRoute(folder.path());
    page.onTabloColorDialogResult(0x00ff00, QStringLiteral("back"));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("ost.txt")));
    m_dialogs->answerMessage(QStringLiteral("OK"));
    QVERIFY(!page.saveRoute());
    QCOMPARE(m_dialogs->seenTexts(), QStringList{QStringLiteral("Ошибка сохранения маршрута!")});
    QVERIFY(page.canSave());
    QVERIFY(page.canUndo());
}

void TestRouteForm::overwriteQuestion_data()
{
    QTest::addColumn<QString>("changedBy");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("question");

    const QString script = QStringLiteral("Файлы маршрута изменены на диске: script.txt. Перезаписать?");
    QTest::newRow("another page saved, overwrite") << "page" << "Перезаписать" << script;
    QTest::newRow("another page saved, cancel") << "page" << "Отмена" << script;
    QTest::newRow("another program, cancel")
        << "program" << "Отмена" << "Файлы маршрута изменены на диске: coord.txt. Перезаписать?";
    QTest::newRow("nothing changed on disk") << "" << "" << "";
}

// A save that would overwrite what another page or program wrote since asks first; cancelled,
// it writes nothing and keeps the page's changes.
void TestRouteForm::overwriteQuestion()
{
    QFETCH(QString, changedBy);
    QFETCH(QString, answer);
    QFETCH(QString, question);
    QTemporaryDir folder;
    const QString path = copyExample(folder);
    RouteForm other;
    RouteForm page;
    QVERIFY(other.openRoute(path));
    QVERIFY(page.openRoute(path));
    if (changedBy == QLatin1String("page")) {
        other.onTabloColorDialogResult(0x111111, QStringLiteral("salon"));
        QVERIFY(other.saveRoute());
    } else if (changedBy == QLatin1String("program")) {
        QFile coordinates(path + QStringLiteral("/coord.txt"));
        QVERIFY(coordinates.open(QIODevice::Append) && coordinates.write("13 55.7 37.6 25\r\n") > 0);
    }
    const FixtureFiles::Files before = FixtureFiles::filesOf(path);
    page.onTabloColorDialogResult(0x222222, QStringLiteral("salon"));
    if (!answer.isEmpty())
        m_dialogs->answerMessage(answer);
    const bool saved = page.saveRoute();
    QCOMPARE(saved, answer != QStringLiteral("Отмена"));
    QCOMPARE(m_dialogs->seenTexts(), question.isEmpty() ? QStringList() : QStringList{question});
    QCOMPARE(FixtureFiles::filesOf(path) == before, !saved);
    QCOMPARE(page.canSave(), !saved);
}

void TestRouteForm::lostTextsQuestion_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<int>("station");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("answer");

    QTest::newRow("stop named like the end of the list") << "stationNameEdit" << 0 << "ENDLESS" << "Отмена";
    QTest::newRow("field separator") << "frontDestinationEdit" << -1 << "Парк\\\\Вокзал" << "Отмена";
    QTest::newRow("display mode suffix") << "frontDestinationEdit" << -1 << "Вокзал_C" << "Отмена";
    QTest::newRow("semicolon as side separator") << "sideSepEdit" << -1 << ";" << "Отмена";
    QTest::newRow("backslash at the end, saved anyway") << "routeTextEdit" << -1 << "Маршрут\\" << "Сохранить";
    QTest::newRow("a text that comes back") << "frontDestinationEdit" << -1 << "Вокзал" << "";
}

// A save that would write texts the next opening reads otherwise asks first; cancelled, it
// writes nothing and keeps the page's changes.
void TestRouteForm::lostTextsQuestion()
{
    QFETCH(QString, edit);
    QFETCH(int, station);
    QFETCH(QString, text);
    QFETCH(QString, answer);
    QTemporaryDir folder;
    const QString path = copyExample(folder);
    RouteForm page;
    QVERIFY(page.openRoute(path));
    QVERIFY(PageDriver::activate(&page));
    if (station >= 0) {
        auto *list = page.findChild<QTreeView *>(QStringLiteral("stationList"));
        list->setCurrentIndex(list->model()->index(station + 1, 0));
    }
    PageDriver::enter(page.findChild<QLineEdit *>(edit), text);
    QCOMPARE(page.undoStack()->count(), 1);
    const FixtureFiles::Files before = FixtureFiles::filesOf(path);
    if (!answer.isEmpty())
        m_dialogs->answerMessage(answer, QStringLiteral("Некоторые тексты не сохранятся так, как введены. Сохранить всё равно?"));
    const bool saved = page.saveRoute();
    QCOMPARE(saved, answer != QStringLiteral("Отмена"));
    QCOMPARE(m_dialogs->seenTexts().size(), answer.isEmpty() ? 0 : 1);
    QCOMPARE(FixtureFiles::filesOf(path) == before, !saved);
    QCOMPARE(page.canSave(), !saved);
}

// The undo stack is cleared after the page's own destructor has run; its signals used to reach
// the slots of the half-destroyed page, which the page then passed on as its own signals.
void TestRouteForm::closingPageWithChanges()
{
    QTemporaryDir folder;
    auto *page = new RouteForm;
    page->openRoute(copyExample(folder));
    page->onTabloColorDialogResult(0x00ff00, QStringLiteral("salon"));
    QVERIFY(page->canUndo());
    QSignalSpy canUndo(page, &RouteForm::canUndoChanged);
    QSignalSpy canSave(page, &RouteForm::canSaveChanged);
    delete page;
    QCOMPARE(canUndo.count(), 0);
    QCOMPARE(canSave.count(), 0);
}

void TestRouteForm::boardTypeSetters()
{
    RouteForm page;
    QSignalSpy front(&page, &RouteForm::frontTabloTypeChanged);
    QSignalSpy side(&page, &RouteForm::sideTabloTypeChanged);
    page.setFrontTabloType(FrontTablo32x192Color);
    page.setSideTabloType(FrontTablo24x144Color);
    QCOMPARE(front.count(), 0);
    QCOMPARE(side.count(), 1);
    QCOMPARE(page.sideTabloType(), FrontTablo24x144Color);
    QCOMPARE(page.backTabloType(), FrontTablo16x128);
}

void TestRouteForm::boardTypesFromEditorIni()
{
    QTemporaryDir folder;
    const QString path = copyExample(folder);
    RouteForm page;
    QSignalSpy front(&page, &RouteForm::frontTabloTypeChanged);
    page.openRoute(path);
    QCOMPARE(page.frontTabloType(), FrontTablo32x320Color);
    QCOMPARE(page.sideTabloType(), FrontTablo24x144Color);
    QCOMPARE(page.backTabloType(), FrontTablo32x256Color);
    QCOMPARE(front.count(), 0);

    // Without editor.ini the route keeps the types it was given and records them at once.
    QVERIFY(QFile::remove(path + QStringLiteral("/editor.ini")));
    RouteForm other;
    other.setSideTabloType(FrontTablo20x160Color);
    other.openRoute(path);
    QCOMPARE(other.sideTabloType(), FrontTablo20x160Color);
    QFile ini(path + QStringLiteral("/editor.ini"));
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QCOMPARE(ini.readAll(), QByteArray("frontTabloType=0\r\nsideTabloType=9\r\nbackTabloType=1\r\n"));
}

void TestRouteForm::boardTypeMenus_data()
{
    QTest::addColumn<QString>("preview");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("ini");

    // The example route has a 32x320 front, a 24x144 side and a 32x256 back board.
    QTest::newRow("front") << "frontTabloWdt" << "Табло 20x200 цветное" << 8
                           << QByteArray("frontTabloType=8\r\nsideTabloType=6\r\nbackTabloType=5\r\n");
    QTest::newRow("side") << "sideTabloWdt" << "Табло 20x120 цветное" << 10
                          << QByteArray("frontTabloType=4\r\nsideTabloType=10\r\nbackTabloType=5\r\n");
    QTest::newRow("back with strips") << "backTabloWdt" << "Табло 16x96 + софиты" << 2
                                      << QByteArray("frontTabloType=4\r\nsideTabloType=6\r\nbackTabloType=2\r\n");
    QTest::newRow("the type it has") << "backTabloWdt" << "Табло 32x256 цветное" << 5
                                     << QByteArray("frontTabloType=4\r\nsideTabloType=6\r\nbackTabloType=5\r\n");
    QTest::newRow("no pick") << "frontTabloWdt" << "" << 4 << QByteArray();
}

// The menu of a preview's right click sets the board type and keeps it in editor.ini; every
// pick is written, a closed menu changes nothing.
void TestRouteForm::boardTypeMenus()
{
    QFETCH(QString, preview);
    QFETCH(QString, entry);
    QFETCH(int, type);
    QFETCH(QByteArray, ini);
    QTemporaryDir folder;
    const QString path = copyExample(folder);
    RouteForm page;
    QVERIFY(page.openRoute(path));
    QVERIFY(QFile::remove(path + QStringLiteral("/editor.ini")));
    auto *board = page.findChild<FrontTabloWidget *>(preview);
    const int before = board->type();
    QSignalSpy front(&page, &RouteForm::frontTabloTypeChanged);
    QSignalSpy side(&page, &RouteForm::sideTabloTypeChanged);
    QSignalSpy back(&page, &RouteForm::backTabloTypeChanged);
    m_dialogs->expect<QMenu>([&](QMenu *menu) {
        for (QAction *action : menu->actions()) {
            if (action->text() == entry)
                menu->setActiveAction(action);
        }
        QTest::keyClick(menu, entry.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
        return true;
    });
    QVERIFY(QMetaObject::invokeMethod(board, "contextMenuRequested"));
    QCOMPARE(board->type(), type);
    QCOMPARE(front.count() + side.count() + back.count(), type == before ? 0 : 1);
    QByteArray written;
    QCOMPARE(FixtureFiles::readFile(path + QStringLiteral("/editor.ini"), written), !ini.isEmpty());
    QCOMPARE(written, ini);
}

void TestRouteForm::nextSeparateDecision_data()
{
    QTest::addColumn<QStringList>("stops");
    QTest::addColumn<int>("back");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("separate");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QStringList>("nextTexts");

    const QString a = QStringLiteral("Остановка А");
    const QString b = QStringLiteral("Остановка Б");
    const QString c = QStringLiteral("Остановка В");
    const QString toB = QStringLiteral("Следующая остановка Б");
    const QString toC = QStringLiteral("Следующая остановка В");
    const QString sep = QStringLiteral("\\\\");
    const QString none;
    QTest::newRow("every stop announces the next") << QStringList{a + sep + toB, b + sep + toC, c} << -1 << none << false
                                                   << false << QStringList{toB, toC, none};
    QTest::newRow("no next-stop texts") << QStringList{a, toB, b} << -1 << none << true << false
                                        << QStringList{none, none, none};
    QTest::newRow("one stop") << QStringList{a} << -1 << none << false << false << QStringList{none};
    QTest::newRow("end of each direction without") << QStringList{a + sep + toB, b, c + sep + toB, b} << 2 << none
                                                   << false << false << QStringList{toB, none, toB, none};
    QTest::newRow("first without, yes") << QStringList{a, b + sep + toC, c} << -1 << "Да" << true << true
                                        << QStringList{none, none, none};
    QTest::newRow("first without, no") << QStringList{a, b + sep + toC, c} << -1 << "Нет" << false << true
                                       << QStringList{toB, toC, none};
    QTest::newRow("first with, no") << QStringList{a + sep + toB, b, c} << -1 << "Нет" << false << true
                                    << QStringList{toB, toC, none};
    QTest::newRow("first with, yes") << QStringList{a + sep + toB, b, c} << -1 << "Да" << true << true
                                     << QStringList{none, none, none};
}

// Opening decides how the route keeps its next-stop announcements, asking only when the texts
// leave it open; the answer's changes are offered for saving, not undoing.
void TestRouteForm::nextSeparateDecision()
{
    QFETCH(QStringList, stops);
    QFETCH(int, back);
    QFETCH(QString, answer);
    QFETCH(bool, separate);
    QFETCH(bool, changed);
    QFETCH(QStringList, nextTexts);
    QTemporaryDir folder;
    RouteForm page;
    if (!answer.isEmpty())
        m_dialogs->answerMessage(answer);
    QVERIFY(page.openRoute(writeRoute(folder, stops, back)));
    QCOMPARE(m_dialogs->seenTexts(), answer.isEmpty() ? QStringList()
                                                    : QStringList{QStringLiteral("Маршрут с отдельным объявлением следующей остановки?")});
    QCOMPARE(page.findChild<QCheckBox *>(QStringLiteral("nextSeparateCheck"))->isChecked(), separate);
    QCOMPARE(page.canSave(), changed);
    QVERIFY(!page.canUndo());
    QStringList texts;
    for (int index = 0; index < page.route().stationCount(); ++index)
        texts.append(page.route().stationAt(index)->nextName[0]);
    QCOMPARE(texts, nextTexts);
}

namespace {

QStringList secondLanguageTexts(const RouteData &route)
{
    QStringList texts{route.frontStartingPoint(1), route.frontDestination(1), route.sideStartingPoint(1),
                      route.sideDestination(1),    route.backStartingPoint(1),  route.backDestination(1),
                      route.stationWord(1),        route.nextWord(1),           route.routeText(1),
                      route.salonTempText(1),      route.outsideTempText(1)};
    for (int index = 0; index < route.stationCount(); ++index) {
        const Station *station = route.stationAt(index);
        texts << station->name[1] << station->nextName[1] << station->sideName[1];
    }
    return texts;
}

} // namespace

// Going down to one language empties every second-language text in one step; undo brings
// them and the language switches back.
void TestRouteForm::languageCount()
{
    QTemporaryDir folder;
    RouteForm page;
    QVERIFY(page.openRoute(copyExample(folder)));
    QCOMPARE(page.languageCount(), 2);
    auto *switches = page.findChild<QWidget *>(QStringLiteral("frontLangWdt"));
    QVERIFY(!switches->isHidden());
    const QStringList before = secondLanguageTexts(page.route());
    QVERIFY(before.contains(QStringLiteral("Severny District")));

    page.findChild<QPushButton *>(QStringLiteral("langCount1Btn"))->click();
    QCOMPARE(page.languageCount(), 1);
    QVERIFY(switches->isHidden());
    QVERIFY(secondLanguageTexts(page.route()).join(QString()).isEmpty());
    QCOMPARE(page.undoStack()->count(), 1);

    page.undo();
    QCOMPARE(page.languageCount(), 2);
    QVERIFY(page.findChild<QPushButton *>(QStringLiteral("langCount2Btn"))->isChecked());
    QVERIFY(!switches->isHidden());
    QCOMPARE(secondLanguageTexts(page.route()), before);
    page.redo();
    QCOMPARE(page.languageCount(), 1);
    QVERIFY(page.findChild<QPushButton *>(QStringLiteral("langCount1Btn"))->isChecked());
}

void TestRouteForm::languageSwitches()
{
    QTemporaryDir folder;
    RouteForm page;
    QVERIFY(page.openRoute(copyExample(folder)));
    page.findChild<QPushButton *>(QStringLiteral("frontLang2Btn"))->click();
    QCOMPARE(page.findChild<QLineEdit *>(QStringLiteral("frontStartingPointEdit"))->text(), QStringLiteral("Severny District"));
    QVERIFY(page.findChild<FrontTabloWidget *>(QStringLiteral("frontTabloWdt"))->firstLanguage());

    auto *list = page.findChild<QTreeView *>(QStringLiteral("stationList"));
    list->setCurrentIndex(list->model()->index(1, 0));
    auto *stationName = page.findChild<QLineEdit *>(QStringLiteral("stationNameEdit"));
    QCOMPARE(stationName->text(), QStringLiteral("Остановка Микрорайон Северный."));
    page.findChild<QPushButton *>(QStringLiteral("stationLang2Btn"))->click();
    QCOMPARE(stationName->text(), QStringLiteral("Stop Severny District."));
    QCOMPARE(page.findChild<QLineEdit *>(QStringLiteral("nextNameEdit"))->text(), QStringLiteral("Next stop Gagarin Street."));
    // Another stop shows in the language chosen.
    list->setCurrentIndex(list->model()->index(2, 0));
    QCOMPARE(stationName->text(), QStringLiteral("Stop Gagarin Street."));
}

// Save and Undo are offered while a text is typed, before anything is pushed; Redo is withdrawn.
void TestRouteForm::typingOffersSaveAndUndo()
{
    QTemporaryDir folder;
    RouteForm page;
    QVERIFY(page.openRoute(copyExample(folder)));
    page.onTabloColorDialogResult(0x00ff00, QStringLiteral("salon"));
    page.undo();
    QVERIFY(page.canRedo() && !page.canSave());
    QTest::keyClicks(page.findChild<QLineEdit *>(QStringLiteral("frontNumberEdit")), QStringLiteral("5"));
    QVERIFY(page.canSave());
    QVERIFY(page.canUndo());
    QVERIFY(!page.canRedo());
    QCOMPARE(page.undoStack()->count(), 1);
}

QTEST_MAIN(TestRouteForm)
#include "tst_routeform.moc"
