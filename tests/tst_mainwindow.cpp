#include "mainwindow.h"
#include "gtfsfeeds.h"
#include "pagedriver.h"
#include "dialogguard.h"
#include "routeform.h"
#include "stationcommands.h"
#include "tablocolordialog.h"
#include "testsettings.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSplitter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeView>
#include <QTreeWidget>
#include <QUndoStack>
#include <QToolButton>
#include <QtTest>

#include <memory>

// The main window driven through its actions, tabs and dialogs, with settings in a
// temporary folder.
class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void recentFolders();
    void recentFoldersKeepTen();
    void recentMenu();
    void unreadableRouteGetsNoTab();
    void vanishedRecentFolder();
    void commandLineFolders();
    void openButtonStartsBesideLastRoute();
    void recentColors_data();
    void recentColors();
    void colorDialogRoundTrip();
    void actionsFollowCurrentTab();
    void closePrompt_data();
    void closePrompt();
    void failedSaveKeepsTab();
    void cancelKeepsEarlierTabs();
    void boardTypesFromSettings();
    void checkShowsProblemOfUnsavedEdit();
    void importGtfsOpensRoute();
    void importAllGtfsRoutes();
    void depotFolder_data();
    void depotFolder();
    void unreadableFeedIsReported();
    void droppedFolders();
    void windowStateRoundTrip();
    void shortcuts();

private:
    QString makeRoute(const QString &name);
    static QStringList storedRecentRoutes();
    static QList<uint> storedRecentColors();

    TestSettings m_settings;
    std::unique_ptr<QTemporaryDir> m_routes;
    std::unique_ptr<DialogGuard> m_dialogs;
};

namespace {

QTabWidget *tabs(MainWindow &window)
{
    return window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
}

QAction *action(MainWindow &window, const char *name)
{
    return window.findChild<QAction *>(QLatin1String(name));
}

RouteForm *page(MainWindow &window, int index)
{
    return qobject_cast<RouteForm *>(tabs(window)->widget(index));
}

// Changes the front board colour of a page, which makes it modified.
void modify(RouteForm *routePage)
{
    routePage->onTabloColorDialogResult(0x123456, QStringLiteral("front"));
    QVERIFY(routePage->canSave());
}

QList<bool> actionStates(MainWindow &window)
{
    return {action(window, "saveAction")->isEnabled(), action(window, "undoAction")->isEnabled(),
            action(window, "redoAction")->isEnabled()};
}

} // namespace

void TestMainWindow::init()
{
    m_settings.clear();
    m_routes = std::make_unique<QTemporaryDir>();
    m_dialogs = std::make_unique<DialogGuard>();
}

void TestMainWindow::cleanup()
{
    m_dialogs.reset();
}

QString TestMainWindow::makeRoute(const QString &name)
{
    const QString path = m_routes->filePath(name);
    QDir().mkpath(path);
    QFile file(path + QStringLiteral("/ost.txt"));
    if (file.open(QIODevice::WriteOnly))
        file.write("\xEF\xBB\xBF"
                   "12\\\\A\\\\B\\\\F11;R4;#080400;\r\n1 Остановка А\r\n  .wav\r\n2 END\r\n");
    return path;
}

QStringList TestMainWindow::storedRecentRoutes()
{
    QSettings settings;
    QStringList paths;
    const int count = settings.beginReadArray(QStringLiteral("recentOpen"));
    for (int index = 0; index < count; ++index) {
        settings.setArrayIndex(index);
        paths.append(settings.value(QStringLiteral("path")).toString());
    }
    settings.endArray();
    return paths;
}

QList<uint> TestMainWindow::storedRecentColors()
{
    QSettings settings;
    QList<uint> colors;
    const int count = settings.beginReadArray(QStringLiteral("recentColors"));
    for (int index = 0; index < count; ++index) {
        settings.setArrayIndex(index);
        colors.append(settings.value(QStringLiteral("color")).toUInt());
    }
    settings.endArray();
    return colors;
}

void TestMainWindow::recentFolders()
{
    MainWindow window;
    const QString first = makeRoute(QStringLiteral("12"));
    const QString second = makeRoute(QStringLiteral("7"));
    window.openRouteFolder(first);
    window.openRouteFolder(second);
    window.openRouteFolder(first);
    QCOMPARE(tabs(window)->count(), 3);
    QCOMPARE(tabs(window)->tabText(2), QStringLiteral("12"));
    QCOMPARE(tabs(window)->tabToolTip(2), first);
    QCOMPARE(tabs(window)->currentIndex(), 2);
    QCOMPARE(storedRecentRoutes(), (QStringList{first, second}));
    QCOMPARE(page(window, 0)->route().stationCount(), 1);
}

void TestMainWindow::recentFoldersKeepTen()
{
    MainWindow window;
    QStringList opened;
    for (int number = 1; number <= 11; ++number) {
        opened.prepend(makeRoute(QString::number(number)));
        window.openRouteFolder(opened.first());
    }
    QCOMPARE(storedRecentRoutes(), opened.mid(0, 10));
}

void TestMainWindow::recentMenu()
{
    const QString first = makeRoute(QStringLiteral("a"));
    const QString second = makeRoute(QStringLiteral("b"));
    MainWindow window;
    window.openRouteFolder(first);
    window.openRouteFolder(second);
    auto *openButton = window.findChild<QToolButton *>(QStringLiteral("openBtn"));
    QVERIFY(openButton);
    QCOMPARE(openButton->popupMode(), QToolButton::MenuButtonPopup);
    QMenu *menu = openButton->menu();
    QVERIFY(QMetaObject::invokeMethod(menu, "aboutToShow"));
    // The two folders, then the GTFS import after a separator.
    QCOMPARE(menu->actions().size(), 4);
    QCOMPARE(menu->actions().at(0)->text(), second);
    menu->actions().at(1)->trigger();
    QCOMPARE(tabs(window)->count(), 3);
    QCOMPARE(tabs(window)->tabToolTip(2), first);
    QCOMPARE(storedRecentRoutes().first(), first);
}

// A station list that exists but cannot be read must not open as the example route, whose
// first save would replace the route's files.
void TestMainWindow::unreadableRouteGetsNoTab()
{
    const QString route = m_routes->filePath(QStringLiteral("12"));
    QVERIFY(QDir().mkpath(route + QStringLiteral("/ost.txt")));
    MainWindow window;
    m_dialogs->answerMessage(QStringLiteral("OK"));
    window.openRouteFolder(route);
    QCOMPARE(m_dialogs->seenTexts(),
             QStringList{QStringLiteral("Не удалось прочитать файл %1/ost.txt. Маршрут не открыт.").arg(route)});
    QCOMPARE(tabs(window)->count(), 0);
    QCOMPARE(QDir(route).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{QStringLiteral("ost.txt")});
    QCOMPARE(storedRecentRoutes(), QStringList());
}

// A recent folder that is gone is said so and leaves the list.
void TestMainWindow::vanishedRecentFolder()
{
    const QString kept = makeRoute(QStringLiteral("a"));
    const QString gone = makeRoute(QStringLiteral("b"));
    MainWindow window;
    window.openRouteFolder(kept);
    window.openRouteFolder(gone);
    QVERIFY(QDir(gone).removeRecursively());
    QMenu *menu = window.findChild<QToolButton *>(QStringLiteral("openBtn"))->menu();
    QVERIFY(QMetaObject::invokeMethod(menu, "aboutToShow"));
    m_dialogs->answerMessage(QStringLiteral("OK"));
    menu->actions().at(0)->trigger();
    QCOMPARE(m_dialogs->seenTexts(), QStringList{QStringLiteral("Папка %1 не найдена.").arg(gone)});
    QCOMPARE(tabs(window)->count(), 2);
    QCOMPARE(storedRecentRoutes(), QStringList{kept});
}

void TestMainWindow::commandLineFolders()
{
    const QString first = makeRoute(QStringLiteral("12"));
    const QString second = makeRoute(QStringLiteral("7"));
    // The folder goes with the test, so the process does not stay in it.
    const QString current = QDir::currentPath();
    QDir::setCurrent(m_routes->path());
    MainWindow window;
    const QStringList skipped = window.openRouteFolders(
        {QStringLiteral("12/"), second, QStringLiteral("missing"), first + QStringLiteral("/ost.txt")});
    QDir::setCurrent(current);
    QCOMPARE(skipped, (QStringList{QStringLiteral("missing"), first + QStringLiteral("/ost.txt")}));
    QCOMPARE(tabs(window)->count(), 2);
    // A relative path with a trailing slash opens as the absolute folder the dialog would give.
    QCOMPARE(tabs(window)->tabToolTip(0), first);
    QCOMPARE(tabs(window)->tabText(0), QStringLiteral("12"));
    QCOMPARE(storedRecentRoutes(), (QStringList{second, first}));
}

void TestMainWindow::openButtonStartsBesideLastRoute()
{
    const QString route = makeRoute(QStringLiteral("12"));
    {
        MainWindow window;
        window.openRouteFolder(route);
    }
    // A new window remembers the last route from the settings and starts the folder dialog
    // in the folder that holds it.
    MainWindow window;
    QString startFolder;
    m_dialogs->expect<QFileDialog>([&startFolder](QFileDialog *dialog) {
        startFolder = dialog->directory().absolutePath();
        dialog->reject();
        return true;
    });
    window.findChild<QToolButton *>(QStringLiteral("openBtn"))->click();
    QCOMPARE(startFolder, m_routes->path());
    QCOMPARE(tabs(window)->count(), 0);
}

void TestMainWindow::recentColors_data()
{
    QTest::addColumn<QList<uint>>("stored");
    QTest::addColumn<uint>("picked");
    QTest::addColumn<QList<uint>>("expected");

    const QList<uint> five{1, 2, 3, 4, 5};
    QTest::newRow("new colour first") << QList<uint>{1, 2} << 0x123456u << QList<uint>{0x123456, 1, 2};
    QTest::newRow("basic colour ignored") << QList<uint>{1, 2} << 0x808000u << QList<uint>{1, 2};
    QTest::newRow("recent colour stays put") << QList<uint>{1, 2} << 2u << QList<uint>{1, 2};
    QTest::newRow("sixth pushes out oldest") << five << 6u << QList<uint>{6, 1, 2, 3, 4};
}

void TestMainWindow::recentColors()
{
    QFETCH(QList<uint>, stored);
    QFETCH(uint, picked);
    QFETCH(QList<uint>, expected);
    {
        QSettings settings;
        settings.beginWriteArray(QStringLiteral("recentColors"));
        for (int index = 0; index < stored.size(); ++index) {
            settings.setArrayIndex(index);
            settings.setValue(QStringLiteral("color"), stored.at(index));
        }
        settings.endArray();
    }
    MainWindow window;
    auto *dialog = window.findChild<TabloColorDialog *>();
    dialog->setColor(picked);
    dialog->accept();
    QCOMPARE(storedRecentColors(), expected);
}

void TestMainWindow::colorDialogRoundTrip()
{
    MainWindow window;
    window.openRouteFolder(makeRoute(QStringLiteral("12")));
    window.openRouteFolder(makeRoute(QStringLiteral("7")));
    QSignalSpy results(&window, &MainWindow::tabloColorDialogResult);
    int buttons = 0;
    m_dialogs->expect<TabloColorDialog>([&](TabloColorDialog *shown) {
        buttons = shown->findChildren<QPushButton *>().size();
        shown->setColor(0x00ff00);
        shown->findChild<QPushButton *>(QStringLiteral("okBtn"))->click();
        return true;
    });
    auto *colorButton = page(window, 1)->findChild<QPushButton *>(QStringLiteral("sideColorBtn"));
    colorButton->click();
    QCOMPARE(m_dialogs->seenTexts(), QStringList{QStringLiteral("Цвет бокового табло")});
    // Seven basic colours and no recent ones yet, besides OK and Cancel.
    QCOMPARE(buttons, 9);
    QCOMPARE(results.count(), 1);
    QCOMPARE(results.first().at(1).toString(), QStringLiteral("side"));
    // Only the page that asked recolours its side board; the other route stays as it was.
    QCOMPARE(page(window, 0)->route().sideNumberColor(), 0x080400);
    QVERIFY(!page(window, 0)->canSave());
    QCOMPARE(page(window, 1)->route().sideNumberColor(), 0x00ff00);
    QCOMPARE(page(window, 1)->route().frontNumberColor(), 0x080400);
    QCOMPARE(storedRecentColors(), QList<uint>{0x00ff00});
}

void TestMainWindow::actionsFollowCurrentTab()
{
    MainWindow window;
    const QList<bool> disabled{false, false, false};
    QCOMPARE(actionStates(window), disabled);
    window.openRouteFolder(makeRoute(QStringLiteral("12")));
    window.openRouteFolder(makeRoute(QStringLiteral("7")));
    QCOMPARE(actionStates(window), disabled);

    modify(page(window, 1));
    QCOMPARE(actionStates(window), (QList<bool>{true, true, false}));
    action(window, "undoAction")->trigger();
    QCOMPARE(actionStates(window), (QList<bool>{false, false, true}));
    action(window, "redoAction")->trigger();
    QCOMPARE(actionStates(window), (QList<bool>{true, true, false}));

    tabs(window)->setCurrentIndex(0);
    QCOMPARE(actionStates(window), disabled);
    // The page of a tab in the background no longer drives the actions.
    page(window, 1)->undo();
    QCOMPARE(actionStates(window), disabled);
    tabs(window)->setCurrentIndex(1);
    QCOMPARE(actionStates(window), (QList<bool>{false, false, true}));

    action(window, "redoAction")->trigger();
    action(window, "saveAction")->trigger();
    QCOMPARE(actionStates(window), (QList<bool>{false, true, false}));
    QCOMPARE(action(window, "saveAction")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    QCOMPARE(action(window, "redoAction")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+Z")));

    QMetaObject::invokeMethod(tabs(window), "tabCloseRequested", Q_ARG(int, 1));
    QMetaObject::invokeMethod(tabs(window), "tabCloseRequested", Q_ARG(int, 0));
    QCOMPARE(tabs(window)->count(), 0);
    QCOMPARE(actionStates(window), disabled);
}

void TestMainWindow::closePrompt_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("written");

    QTest::newRow("save") << QStringLiteral("Сохранить") << true << true;
    QTest::newRow("discard") << QStringLiteral("Не сохранять") << true << false;
    QTest::newRow("cancel") << QStringLiteral("Отмена") << false << false;
}

void TestMainWindow::closePrompt()
{
    QFETCH(QString, answer);
    QFETCH(bool, closed);
    QFETCH(bool, written);
    MainWindow window;
    const QString route = makeRoute(QStringLiteral("12"));
    window.openRouteFolder(route);
    modify(page(window, 0));

    m_dialogs->answerMessage(answer);
    QMetaObject::invokeMethod(tabs(window), "tabCloseRequested", Q_ARG(int, 0));
    QCOMPARE(m_dialogs->seenTexts(), QStringList{QStringLiteral("Маршрут был изменен. Сохранить изменения?")});
    QCOMPARE(tabs(window)->count(), closed ? 0 : 1);
    QCOMPARE(QFileInfo::exists(route + QStringLiteral("/sidetab.txt")), written);
}

void TestMainWindow::failedSaveKeepsTab()
{
    MainWindow window;
    const QString route = makeRoute(QStringLiteral("12"));
    window.openRouteFolder(route);
    modify(page(window, 0));
    QVERIFY(QDir(route).mkdir(QStringLiteral("sidetab.txt")));

    m_dialogs->answerMessage(QStringLiteral("Сохранить")).answerMessage(QStringLiteral("OK"));
    QMetaObject::invokeMethod(tabs(window), "tabCloseRequested", Q_ARG(int, 0));
    QCOMPARE(m_dialogs->seenTexts(),
             (QStringList{QStringLiteral("Маршрут был изменен. Сохранить изменения?"),
                          QStringLiteral("Ошибка сохранения маршрута!")}));
    QCOMPARE(tabs(window)->count(), 1);
    QVERIFY(page(window, 0)->canSave());
}

void TestMainWindow::cancelKeepsEarlierTabs()
{
    MainWindow window;
    window.show();
    for (const char *name : {"1", "2", "3"})
        window.openRouteFolder(makeRoute(QLatin1String(name)));
    modify(page(window, 0));
    modify(page(window, 1));

    // The last tab is unchanged and closes without a question; the second asks and is saved;
    // the first asks and the user cancels, so it stays and the window stays open.
    m_dialogs->answerMessage(QStringLiteral("Сохранить")).answerMessage(QStringLiteral("Отмена"));
    QVERIFY(!window.close());
    QCOMPARE(m_dialogs->seenTexts().size(), 2);
    QCOMPARE(tabs(window)->count(), 1);
    QCOMPARE(tabs(window)->tabText(0), QStringLiteral("1"));
    QVERIFY(window.isVisible());

    m_dialogs->answerMessage(QStringLiteral("Не сохранять"));
    QVERIFY(window.close());
    QCOMPARE(tabs(window)->count(), 0);
}

void TestMainWindow::boardTypesFromSettings()
{
    QSettings().setValue(QStringLiteral("sideTablo/type"), 6);
    MainWindow window;
    window.openRouteFolder(makeRoute(QStringLiteral("12")));
    RouteForm *routePage = page(window, 0);
    QCOMPARE(routePage->frontTabloType(), FrontTablo32x192Color);
    QCOMPARE(routePage->sideTabloType(), FrontTablo24x144Color);
    QCOMPARE(routePage->backTabloType(), FrontTablo16x128);
    // Setting the types on opening is not a choice of the user and leaves the settings alone.
    QVERIFY(!QSettings().contains(QStringLiteral("frontTablo/type")));

    routePage->setBackTabloType(FrontTablo20x40Color);
    QCOMPARE(QSettings().value(QStringLiteral("backTablo/type")).toInt(), 11);
}

// The check sees the route as edited, and a problem it lists leads to its stop.
void TestMainWindow::checkShowsProblemOfUnsavedEdit()
{
    MainWindow window;
    window.openRouteFolder(makeRoute(QStringLiteral("12")));
    RouteForm *routePage = page(window, 0);
    routePage->undoStack()->push(new SetStationNameCmd(routePage, 0, 0, QStringLiteral("ENDLESS")));
    action(window, "checkAction")->trigger();
    auto *list = window.findChild<QTreeWidget *>(QStringLiteral("problemList"));
    QVERIFY(list->isVisible());
    QTreeWidgetItem *found = nullptr;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        if (list->topLevelItem(row)->toolTip(2).startsWith(QLatin1String("reserved-name")))
            found = list->topLevelItem(row);
    }
    QVERIFY(found);
    QCOMPARE(found->text(1), QStringLiteral("1"));
    routePage->findChild<QTreeView *>(QStringLiteral("stationList"))->setCurrentIndex(QModelIndex());
    emit list->itemActivated(found, 0);
    QCOMPARE(routePage->currentStation(), 0);
    QVERIFY(routePage->findChild<QWidget *>(QStringLiteral("stationTab"))->isVisibleTo(routePage));
}

// The feed, its line and an empty folder are asked in turn; the imported route opens in a tab.
void TestMainWindow::importGtfsOpensRoute()
{
    const QString feed = m_routes->filePath(QStringLiteral("feed.zip"));
    QVERIFY(writeFeed(feed, fixtureFeed()));
    const QString folder = m_routes->filePath(QStringLiteral("imported"));
    QVERIFY(QDir().mkpath(folder));
    // The feed dialog starts beside the last route, as the open dialog does.
    const QString lastRoute = makeRoute(QStringLiteral("12"));
    MainWindow window;
    window.openRouteFolder(lastRoute);
    QString feedFolder;
    QStringList routes;
    m_dialogs->expect<QFileDialog>([&](QFileDialog *dialog) {
        feedFolder = dialog->directory().absolutePath();
        dialog->selectFile(feed);
        QMetaObject::invokeMethod(dialog, "accept");
        return true;
    });
    m_dialogs->expect<QInputDialog>([&](QInputDialog *input) {
        // Line 12 comes after all lines and line 7 in natural order.
        routes = input->comboBoxItems();
        input->setTextValue(routes.at(2));
        input->accept();
        return true;
    });
    m_dialogs->answerFile(folder);
    QVERIFY(QMetaObject::invokeMethod(&window, "onImportGtfsTriggered"));
    QCOMPARE(feedFolder, m_routes->path());
    QCOMPARE(routes.size(), 3);
    QCOMPARE(tabs(window)->count(), 2);
    const RouteData &route = page(window, 1)->route();
    QCOMPARE(route.stationCount(), 10);
    QVERIFY(route.stationAt(0)->coordinate.isValid());
}

// "Все маршруты" imports every line into the empty folder chosen, and opens them on request.
void TestMainWindow::importAllGtfsRoutes()
{
    const QString feed = m_routes->filePath(QStringLiteral("feed.zip"));
    QVERIFY(writeFeed(feed, fixtureFeed()));
    const QString depot = m_routes->filePath(QStringLiteral("depot"));
    QVERIFY(QDir().mkpath(depot));
    MainWindow window;
    m_dialogs->answerFile(feed);
    m_dialogs->expect<QInputDialog>([](QInputDialog *input) {
        input->setTextValue(input->comboBoxItems().first());
        input->accept();
        return true;
    });
    m_dialogs->answerFile(depot).answerMessage(QStringLiteral("Да"), QStringLiteral("Открыть 2 маршрутов?"));
    QVERIFY(QMetaObject::invokeMethod(&window, "onImportGtfsTriggered"));
    QCOMPARE(QDir(depot).entryList(QDir::Dirs | QDir::NoDotAndDotDot), (QStringList{"12", "7"}));
    QCOMPARE(tabs(window)->count(), 2);
    QCOMPARE(tabs(window)->tabText(0), QStringLiteral("7"));
    QCOMPARE(page(window, 1)->route().stationCount(), 10);
}

void TestMainWindow::depotFolder_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("tabs");

    QTest::newRow("all routes") << QStringLiteral("Да") << QStringList{"7", "12"};
    QTest::newRow("the folder itself") << QStringLiteral("Нет") << QStringList{"depot"};
}

// A folder without a route that holds route folders offers to open them all; else it opens with
// the example route, as any folder without a route.
void TestMainWindow::depotFolder()
{
    QFETCH(QString, answer);
    QFETCH(QStringList, tabs);
    makeRoute(QStringLiteral("depot/12"));
    makeRoute(QStringLiteral("depot/7"));
    QVERIFY(QDir().mkpath(m_routes->filePath(QStringLiteral("depot/empty"))));
    MainWindow window;
    m_dialogs->answerMessage(answer, QStringLiteral("В папке 2 маршрутов. Открыть все?"));
    window.openRouteFolder(m_routes->filePath(QStringLiteral("depot")));
    QStringList opened;
    for (int index = 0; index < ::tabs(window)->count(); ++index)
        opened.append(::tabs(window)->tabText(index));
    QCOMPARE(opened, tabs);
    QCOMPARE(page(window, 0)->route().stationCount(), answer == QStringLiteral("Да") ? 1 : 6);
}

// A file that is no feed is said so, and nothing else is asked.
void TestMainWindow::unreadableFeedIsReported()
{
    const QString feed = m_routes->filePath(QStringLiteral("feed.zip"));
    QFile file(feed);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a zip") > 0);
    file.close();
    MainWindow window;
    m_dialogs->answerFile(feed).answerMessage(QStringLiteral("OK"));
    QVERIFY(QMetaObject::invokeMethod(&window, "onImportGtfsTriggered"));
    QCOMPARE(m_dialogs->seenTexts().size(), 2);
    QVERIFY2(m_dialogs->seenTexts().at(1).contains(feed), qPrintable(m_dialogs->seenTexts().at(1)));
    QCOMPARE(tabs(window)->count(), 0);
}

// Folders dropped from the file manager open in tabs; a file among them is passed over, and a
// drop of files alone is refused.
void TestMainWindow::droppedFolders()
{
    const QString first = makeRoute(QStringLiteral("a"));
    const QString second = makeRoute(QStringLiteral("b"));
    MainWindow window;
    QMimeData folders;
    folders.setUrls({QUrl::fromLocalFile(first), QUrl::fromLocalFile(second + QStringLiteral("/")),
                     QUrl::fromLocalFile(first + QStringLiteral("/ost.txt"))});
    QMimeData file;
    file.setUrls({QUrl::fromLocalFile(first + QStringLiteral("/ost.txt"))});
    for (QMimeData *data : {&file, &folders}) {
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        QCOMPARE(enter.isAccepted(), data == &folders);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &drop);
    }
    QCOMPARE(tabs(window)->count(), 2);
    QCOMPARE(tabs(window)->tabToolTip(1), second);
}

// The window comes back where and as large as it was closed, and a route page opens with the
// stop list as wide as the user last made it in any page.
void TestMainWindow::windowStateRoundTrip()
{
    const QString route = makeRoute(QStringLiteral("12"));
    const QRect placed(40, 30, 700, 520);
    QList<int> widths;
    {
        MainWindow window;
        window.show();
        window.setGeometry(placed);
        window.openRouteFolder(route);
        auto *splitter = page(window, 0)->findChild<QSplitter *>(QStringLiteral("pageSplitter"));
        splitter->setSizes({300, 380});
        // As a drag of the handle tells it.
        QVERIFY(QMetaObject::invokeMethod(splitter, "splitterMoved", Q_ARG(int, 300), Q_ARG(int, 1)));
        widths = splitter->sizes();
        QVERIFY(window.close());
    }
    MainWindow window;
    QCOMPARE(window.geometry(), placed);
    window.show();
    window.openRouteFolder(route);
    QCOMPARE(page(window, 0)->findChild<QSplitter *>(QStringLiteral("pageSplitter"))->sizes(), widths);
}

// The keys of the window and of the page, pressed where the user would be typing.
void TestMainWindow::shortcuts()
{
    MainWindow window;
    for (const char *name : {"1", "2", "3"})
        window.openRouteFolder(makeRoute(QLatin1String(name)));
    QVERIFY(PageDriver::activate(&window));
    QCOMPARE(action(window, "saveAction")->toolTip(), QStringLiteral("Сохранить изменения (Ctrl+S)"));
    auto press = [&window](int key, Qt::KeyboardModifiers modifiers) {
        QWidget *focused = QApplication::focusWidget();
        QTest::keyClick(focused ? focused : &window, Qt::Key(key), modifiers);
    };
    press(Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(tabs(window)->currentIndex(), 0);
    press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(tabs(window)->currentIndex(), 2);

    RouteForm *routePage = page(window, 2);
    auto *number = routePage->findChild<QLineEdit *>(QStringLiteral("frontNumberEdit"));
    PageDriver::retype(number, QStringLiteral("7"));
    press(Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(routePage->findChild<QTabWidget *>(QStringLiteral("routeTabs"))->currentIndex(), int(RouteForm::SideTab));
    // Moving through the stop list finishes the edit in progress first.
    press(Qt::Key_Down, Qt::AltModifier);
    QCOMPARE(routePage->route().frontNumber(), QStringLiteral("7"));
    QCOMPARE(routePage->currentStation(), 0);
    QCOMPARE(window.windowTitle(), QStringLiteral("Marvolt — 3[*]"));
    QVERIFY(window.isWindowModified());

    m_dialogs->answerMessage(QStringLiteral("Не сохранять"));
    press(Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(tabs(window)->count(), 2);
    QVERIFY(!window.isWindowModified());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
