#include "dialogguard.h"
#include "fixturefiles.h"
#include "routedata.h"
#include "routeform.h"
#include "testsettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <map>
#include <memory>

using namespace FixtureFiles;

// Saves that cannot complete: the route page says so and keeps its changes, the files written
// before the failure hold the new route, and the failing file and every file after it keep
// their old bytes.
class TestSaveFaults : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void readOnlyRouteFolder();
    void fileCannotBeReplaced_data();
    void fileCannotBeReplaced();
    void adFolderVanished();
    void fileWhereAdFolderWas();
    void routeFolderVanished();

private:
    TestSettings m_settings;
    std::unique_ptr<DialogGuard> m_dialogs;
};

namespace {

const QString city = QStringLiteral("routefolder/city");
const QByteArray oldContent = "old content that no save writes\r\n";

// The route files in the order a save writes them, relative to the case folder.
const QStringList saveOrder{QStringLiteral("12/ost.txt"),     QStringLiteral("12/coord.txt"),
                            QStringLiteral("12/sidetab.txt"), QStringLiteral("12/script.txt"),
                            QStringLiteral("12/backtab.txt"), QStringLiteral("Reklama/rscript.txt")};

// A page on a copy of the city route with one unsaved edit, the colour of all three boards.
void openEditedCity(RouteForm &page, const QString &caseFolder)
{
    if (!copyFolder(fixture(city), caseFolder))
        qWarning("cannot copy the city route");
    page.openRoute(caseFolder + QLatin1String("/12"));
    page.onTabloColorDialogResult(0x123456, QStringLiteral("front"));
}

// What a save that succeeds writes for the edited city route.
Files savedEditedCity()
{
    QTemporaryDir folder;
    RouteForm page;
    openEditedCity(page, folder.path());
    if (!page.saveRoute())
        qWarning("the reference save failed");
    return filesOf(folder.path());
}

// Gives every route file a content that no save writes, so that a written file shows.
bool markOld(const QString &caseFolder)
{
    for (const QString &file : saveOrder) {
        if (!writeFile(caseFolder + QLatin1Char('/') + file, oldContent))
            return false;
    }
    return true;
}

// Saves through the page, answering its message box. Empty when the page reported the failed
// save and kept its changes; otherwise what went wrong.
QString failedSaveProblem(RouteForm &page, DialogGuard &dialogs)
{
    dialogs.answerMessage(QStringLiteral("OK"));
    if (page.saveRoute())
        return QStringLiteral("the save succeeded");
    if (dialogs.seenTexts().value(dialogs.seenTexts().size() - 1) != QStringLiteral("Ошибка сохранения маршрута!"))
        return QStringLiteral("messages shown: ") + dialogs.seenTexts().join(QLatin1String(" | "));
    if (!page.canSave() || !page.canUndo())
        return QStringLiteral("the page no longer offers to save its changes");
    return QString();
}

} // namespace

// No temporary file can be made in a read-only folder, so not even the first file is
// replaced. Root writes into any folder; there the folders standing in the way of single
// files below make the same failure.
void TestSaveFaults::init()
{
    m_dialogs = std::make_unique<DialogGuard>();
}

void TestSaveFaults::cleanup()
{
    m_dialogs.reset();
}

void TestSaveFaults::readOnlyRouteFolder()
{
    QTemporaryDir folder;
    RouteForm page;
    openEditedCity(page, folder.path());
    const QString routeFolder = folder.filePath(QStringLiteral("12"));
    const Files before = filesOf(folder.path());
    QVERIFY(QFile::setPermissions(routeFolder, QFile::ReadOwner | QFile::ExeOwner));
    QFile probe(routeFolder + QLatin1String("/probe"));
    const bool writable = probe.open(QIODevice::WriteOnly);
    if (writable) {
        probe.remove();
        QFile::setPermissions(routeFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QSKIP("folder permissions do not stop this user from writing");
    }

    const QString problem = failedSaveProblem(page, *m_dialogs);
    QFile::setPermissions(routeFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(filesOf(folder.path()) == before);
}

void TestSaveFaults::fileCannotBeReplaced_data()
{
    QTest::addColumn<int>("blocked");

    for (int index = 0; index < saveOrder.size(); ++index)
        QTest::newRow(qPrintable(saveOrder.at(index))) << index;
}

// A folder stands where one file of the route should be, which no user can replace by a file.
void TestSaveFaults::fileCannotBeReplaced()
{
    QFETCH(int, blocked);
    const Files expected = savedEditedCity();

    QTemporaryDir folder;
    RouteForm page;
    openEditedCity(page, folder.path());
    QVERIFY(markOld(folder.path()));
    m_dialogs->answerMessage(QStringLiteral("Перезаписать"));
    const QString blockedPath = folder.filePath(saveOrder.at(blocked));
    QVERIFY(QFile::remove(blockedPath));
    QVERIFY(writeFile(blockedPath + QLatin1String("/inside.txt"), oldContent));

    const QString problem = failedSaveProblem(page, *m_dialogs);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    const Files after = filesOf(folder.path());
    for (int index = 0; index < saveOrder.size(); ++index) {
        const QString file = saveOrder.at(index);
        if (index < blocked)
            QVERIFY2(after.at(file) == expected.at(file), qPrintable(file + QLatin1String(" not written")));
        else if (index > blocked)
            QVERIFY2(after.at(file) == oldContent, qPrintable(file + QLatin1String(" changed")));
    }
    QVERIFY(QFileInfo(blockedPath).isDir());
    QCOMPARE(after.at(saveOrder.at(blocked) + QLatin1String("/inside.txt")), oldContent);
}

// The advertising folder was removed while the route was open: the route saves without its
// list, and the folder is not made again behind the user's back.
void TestSaveFaults::adFolderVanished()
{
    const Files expected = savedEditedCity();
    QTemporaryDir folder;
    RouteForm page;
    openEditedCity(page, folder.path());
    QVERIFY(QDir(folder.filePath(QStringLiteral("Reklama"))).removeRecursively());

    QVERIFY(page.saveRoute());
    QVERIFY(!page.canSave());
    QVERIFY(!QFileInfo::exists(folder.filePath(QStringLiteral("Reklama"))));
    const Files after = filesOf(folder.path());
    for (const QString &file : saveOrder.mid(0, 5))
        QVERIFY2(after.at(file) == expected.at(file), qPrintable(file));
}

// A file took the place of the advertising folder: the list cannot be written there, the
// save fails after writing every file of the route folder, and the file keeps its bytes.
void TestSaveFaults::fileWhereAdFolderWas()
{
    const Files expected = savedEditedCity();
    QTemporaryDir folder;
    RouteForm page;
    openEditedCity(page, folder.path());
    QVERIFY(markOld(folder.path()));
    const QString adFolder = folder.filePath(QStringLiteral("Reklama"));
    QVERIFY(QDir(adFolder).removeRecursively());
    QVERIFY(writeFile(adFolder, oldContent));

    m_dialogs->answerMessage(QStringLiteral("Перезаписать"));
    const QString problem = failedSaveProblem(page, *m_dialogs);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    const Files after = filesOf(folder.path());
    for (const QString &file : saveOrder.mid(0, 5))
        QVERIFY2(after.at(file) == expected.at(file), qPrintable(file));
    QCOMPARE(after.at(QStringLiteral("Reklama")), oldContent);
}

// The whole route folder is gone: nothing is written and no folder is made in its place.
void TestSaveFaults::routeFolderVanished()
{
    QTemporaryDir folder;
    RouteForm page;
    openEditedCity(page, folder.path());
    QVERIFY(QDir(folder.filePath(QStringLiteral("12"))).removeRecursively());

    m_dialogs->answerMessage(QStringLiteral("Перезаписать"));
    const QString problem = failedSaveProblem(page, *m_dialogs);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(!QFileInfo::exists(folder.filePath(QStringLiteral("12"))));
    QCOMPARE(filesBelow(folder.path()), QStringList{QStringLiteral("Reklama/rscript.txt")});
}

QTEST_MAIN(TestSaveFaults)
#include "tst_savefaults.moc"
