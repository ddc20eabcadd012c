#include "fixturefiles.h"
#include "messageboxanswerer.h"
#include "routeform.h"
#include "routemodel.h"
#include "testsettings.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

// The route page: opening, saving, and colour edits undone and redone through the page.
class TestRouteForm : public QObject
{
    Q_OBJECT

private slots:
    void opensExampleRoute();
    void folderWithoutStationList();
    void colorButtonsAskForDialog_data();
    void colorButtonsAskForDialog();
    void frontColorCarriesSharedBoards();
    void sameColorPushesNothing();
    void boardColorUndoRedo_data();
    void boardColorUndoRedo();
    void saveMarksClean();
    void failedSaveKeepsChanges();
    void closingPageWithChanges();
    void boardTypeSetters();
    void boardTypesFromEditorIni();

private:
    TestSettings m_settings;
};

namespace {

// A copy of the bundled example route in a temporary folder.
QString copyExample(const QTemporaryDir &folder)
{
    const QString target = folder.filePath(QStringLiteral("route-12"));
    if (!FixtureFiles::copyFolder(QStringLiteral(EXAMPLES_DIR "/route-12"), target))
        qWarning("cannot copy the example route");
    return target;
}

QString buttonColor(RouteForm &page, const char *name)
{
    return page.findChild<QPushButton *>(QLatin1String(name))->styleSheet();
}

} // namespace

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
    MessageBoxAnswerer answerer({QStringLiteral("OK")});
    QVERIFY(!page.saveRoute());
    QCOMPARE(answerer.seenTexts(), QStringList{QStringLiteral("Ошибка сохранения маршрута!")});
    QVERIFY(page.canSave());
    QVERIFY(page.canUndo());
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

QTEST_MAIN(TestRouteForm)
#include "tst_routeform.moc"
