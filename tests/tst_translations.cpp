#include "dialogguard.h"
#include "gtfsimport.h"
#include "interfacelanguage.h"
#include "mainwindow.h"
#include "routeform.h"
#include "testroutes.h"
#include "testsettings.h"

#include <QAction>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

// The interface in each language, with the translators installed before the widgets are made,
// as the programs do at start-up: the editor's Russian texts, the English texts of the GTFS
// import and Qt's own buttons.
class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void mainWindow_data() { languages(); }
    void mainWindow();
    void routePage_data() { languages(); }
    void routePage();
    void messageBox_data() { languages(); }
    void messageBox();
    void gtfsError_data() { languages(); }
    void gtfsError();

private:
    static void languages();

    TestSettings m_settings;
};

void TestTranslations::languages()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("save");
    QTest::addColumn<QString>("generalTab");
    QTest::addColumn<QString>("routeRow");
    QTest::addColumn<QString>("cancel");
    QTest::addColumn<QString>("feedError");
    QTest::newRow("Russian") << QLocale(QLocale::Russian, QLocale::Russia) << QStringLiteral("Сохранить")
                             << QStringLiteral("Общее") << QStringLiteral("Маршрут") << QStringLiteral("Отмена")
                             << QStringLiteral("Не удалось открыть данные GTFS %1: ");
    QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << QStringLiteral("Save")
                             << QStringLiteral("General") << QStringLiteral("Route") << QStringLiteral("Cancel")
                             << QStringLiteral("Cannot open the feed %1: ");
    // Any language but Russian gets the English interface, Qt's buttons included.
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << QStringLiteral("Save")
                            << QStringLiteral("General") << QStringLiteral("Route") << QStringLiteral("Cancel")
                            << QStringLiteral("Cannot open the feed %1: ");
}

void TestTranslations::init()
{
    QFETCH(QLocale, locale);
    QLocale::setDefault(locale);
    installTranslations(*qApp, locale);
}

void TestTranslations::mainWindow()
{
    QFETCH(QString, save);
    MainWindow window;
    QCOMPARE(window.findChild<QAction *>(QStringLiteral("saveAction"))->text(), save);
}

void TestTranslations::routePage()
{
    QFETCH(QString, generalTab);
    QFETCH(QString, routeRow);
    QTemporaryDir folder;
    DialogGuard dialogs;
    RouteForm page;
    page.openRoute(TestRoutes::copyExample(folder));
    QCOMPARE(page.findChild<QTabWidget *>(QStringLiteral("routeTabs"))->tabText(RouteForm::GeneralTab), generalTab);
    const QAbstractItemModel *stops = page.findChild<QTreeView *>(QStringLiteral("stationList"))->model();
    QCOMPARE(stops->index(0, 0).data().toString(), routeRow);
}

void TestTranslations::messageBox()
{
    QFETCH(QString, cancel);
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), cancel);
}

void TestTranslations::gtfsError()
{
    QFETCH(QString, feedError);
    QTemporaryDir folder;
    const QString feed = folder.filePath(QStringLiteral("missing.zip"));
    QList<GtfsRouteSummary> routes;
    QString error;
    QVERIFY(!listGtfsRoutes(feed, routes, error));
    QVERIFY2(error.startsWith(feedError.arg(feed)), qPrintable(error));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
