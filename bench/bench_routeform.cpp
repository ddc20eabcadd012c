// Opens the large route into a route page, and undoes and redoes single edits on it: the
// waits a user feels when a route opens and at every Ctrl+Z.

#include "benchtiming.h"
#include "coordinatecommands.h"
#include "filelistcommands.h"
#include "frontboardcommands.h"
#include "fronttablowidget.h"
#include "largeroute.h"
#include "routeform.h"
#include "stationcommands.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

class BenchRouteForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void open();
    void undoRedo_data();
    void undoRedo();
    void keystroke();
    void layoutSwitch();
    void addAndRemove();
    void save();

private:
    QTemporaryDir m_dir;
    QString m_folder;
};

void BenchRouteForm::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
    m_folder = m_dir.filePath(QStringLiteral("route"));
    QVERIFY(writeLargeRoute(m_folder));
}

void BenchRouteForm::open()
{
    Timing opening;
    Timing showing;
    QElapsedTimer timer;
    for (int run = 0; run < 10; ++run) {
        RouteForm page;
        timer.start();
        QVERIFY(page.openRoute(m_folder));
        opening.add(timer.nsecsElapsed());
        timer.start();
        page.show();
        QCoreApplication::processEvents();
        showing.add(timer.nsecsElapsed());
    }
    qInfo("open: %s; then the first layout and paint: %s (%d runs)", opening.text().constData(),
          showing.text().constData(), opening.runs);
}

void BenchRouteForm::undoRedo_data()
{
    QTest::addColumn<int>("edit");
    QTest::newRow("front number") << 0;
    QTest::newRow("name of a stop in the middle") << 1;
    QTest::newRow("side name of a stop in the middle") << 2;
    QTest::newRow("sound file attached to a stop in the middle") << 3;
    QTest::newRow("position of a stop in the middle") << 4;
    QTest::newRow("stop added in the middle") << 5;
    QTest::newRow("stop removed in the middle") << 6;
}

// One edit of the large route: the front number, or an edit of a stop in the middle.
static QUndoCommand *benchEdit(RouteForm &page, int edit)
{
    const int stop = largeRouteStops / 2 + 3;
    switch (edit) {
    case 0:
        return new SetFrontNumberCommand(&page, QStringLiteral("77"));
    case 1:
        return new SetStationNameCmd(&page, stop, 0, QStringLiteral("Остановка"));
    case 2:
        return new SetStationSideNameCmd(&page, stop, 0, QStringLiteral("Сторона"));
    case 3:
        return new AddStationSoundFileCmd(&page, stop, 0, QStringLiteral("new.wav"));
    case 4:
        return new SetStationCoordinate(&page, stop, QGeoCoordinate(55.1, 37.2));
    case 5:
        return new AddStationCommand(&page, stop);
    default:
        return new RemoveStationCommand(&page, stop);
    }
}

// Undo and redo of one edit, each bringing the place of the change into view and painted.
void BenchRouteForm::undoRedo()
{
    QFETCH(int, edit);
    RouteForm page;
    QVERIFY(page.openRoute(m_folder));
    page.show();
    page.undoStack()->push(benchEdit(page, edit));
    QCoreApplication::processEvents();
    Timing undoing;
    Timing redoing;
    QElapsedTimer timer;
    for (int run = 0; run < 200; ++run) {
        timer.start();
        page.undo();
        QCoreApplication::processEvents();
        undoing.add(timer.nsecsElapsed());
        timer.start();
        page.redo();
        QCoreApplication::processEvents();
        redoing.add(timer.nsecsElapsed());
    }
    qInfo("%s: undo %s; redo %s (%d runs)", QTest::currentDataTag(), undoing.text().constData(),
          redoing.text().constData(), undoing.runs);
}

// One key typed into the front destination of the widest board: the text goes to the preview,
// which is redrawn and painted once.
void BenchRouteForm::keystroke()
{
    RouteForm page;
    QVERIFY(page.openRoute(m_folder));
    page.setFrontTabloType(FrontTablo32x320Color);
    page.findChild<QTabWidget *>(QStringLiteral("routeTabs"))->setCurrentIndex(RouteForm::FrontTab);
    page.resize(1600, 900);
    page.show();
    QCoreApplication::processEvents();
    auto *edit = page.findChild<QLineEdit *>(QStringLiteral("frontDestinationEdit"));
    auto *preview = page.findChild<FrontTabloWidget *>(QStringLiteral("frontTabloWdt"));
    QImage image(preview->size(), QImage::Format_RGB32);
    Timing first;
    Timing typing;
    QElapsedTimer timer;
    for (int run = 0; run < 201; ++run) {
        timer.start();
        QTest::keyClick(edit, run % 20 == 19 ? Qt::Key_Backspace : Qt::Key_A);
        QPainter painter(&image);
        preview->render(&painter);
        (run == 0 ? first : typing).add(timer.nsecsElapsed());
    }
    QCOMPARE(preview->destination(0), edit->text());
    // The first key also fills the caches of the fonts and the painter.
    qInfo("keystroke: first %s; then %s (%d runs, %d x %d dots painted at %d x %d pixels)", first.text().constData(),
          typing.text().constData(), typing.runs, preview->boardSize().width(), preview->boardSize().height(),
          image.width(), image.height());
}

// Next-stop announcements of a 1,000-stop route turned into entries of their own and back:
// about a thousand entries inserted or removed in one undo step.
void BenchRouteForm::layoutSwitch()
{
    const QString folder = m_dir.filePath(QStringLiteral("route1000"));
    QVERIFY(writeLargeRoute(folder, 1000));
    RouteForm page;
    QVERIFY(page.openRoute(folder));
    page.show();
    QCoreApplication::processEvents();
    Timing on;
    Timing off;
    QElapsedTimer timer;
    timer.start();
    page.findChild<QCheckBox *>(QStringLiteral("nextSeparateCheck"))->click();
    QCoreApplication::processEvents();
    on.add(timer.nsecsElapsed());
    QCOMPARE(page.route().stationCount(), 1998);
    for (int run = 0; run < 10; ++run) {
        timer.start();
        page.undo();
        QCoreApplication::processEvents();
        off.add(timer.nsecsElapsed());
        timer.start();
        page.redo();
        QCoreApplication::processEvents();
        on.add(timer.nsecsElapsed());
    }
    qInfo("separate next-stop entries on: %s; off again (undo): %s (%d runs)", on.text().constData(),
          off.text().constData(), off.runs);
}

// "Новая остановка" and "Удалить" on a stop in the middle of the large route.
void BenchRouteForm::addAndRemove()
{
    RouteForm page;
    QVERIFY(page.openRoute(m_folder));
    page.show();
    auto *list = page.findChild<QTreeView *>(QStringLiteral("stationList"));
    list->setCurrentIndex(list->model()->index(largeRouteStops / 2 - 300, 0));
    QCoreApplication::processEvents();
    auto *add = page.findChild<QPushButton *>(QStringLiteral("addStationBtn"));
    auto *remove = page.findChild<QPushButton *>(QStringLiteral("removeStationBtn"));
    Timing adding;
    Timing removing;
    QElapsedTimer timer;
    for (int run = 0; run < 50; ++run) {
        timer.start();
        add->click();
        QCoreApplication::processEvents();
        adding.add(timer.nsecsElapsed());
        timer.start();
        remove->click();
        QCoreApplication::processEvents();
        removing.add(timer.nsecsElapsed());
    }
    QCOMPARE(page.route().stationCount(), largeRouteStops);
    qInfo("add a stop: %s; remove it: %s (%d runs)", adding.text().constData(), removing.text().constData(),
          adding.runs);
}

// Saving from the page: the texts read back in memory, the files compared with what the page
// last saw on disk, and the six files written.
void BenchRouteForm::save()
{
    RouteForm page;
    QVERIFY(page.openRoute(m_folder));
    Timing saving;
    QElapsedTimer timer;
    for (int run = 0; run < 10; ++run) {
        page.onTabloColorDialogResult(run % 2 ? 0x123456 : 0x654321, QStringLiteral("front"));
        timer.start();
        QVERIFY(page.saveRoute());
        saving.add(timer.nsecsElapsed());
    }
    qInfo("save: %s (%d runs)", saving.text().constData(), saving.runs);
}

QTEST_MAIN(BenchRouteForm)
#include "bench_routeform.moc"
