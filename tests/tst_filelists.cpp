#include "dialogguard.h"
#include "fixturefiles.h"
#include "pagedriver.h"
#include "routeform.h"
#include "testroutes.h"
#include "testsettings.h"
#include "texteditordlg.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeView>
#include <QUndoStack>
#include <QtTest>

#include <memory>

using namespace FixtureFiles;
using namespace PageDriver;
using namespace TestRoutes;

// The sound, text and advertising file lists of a route page, the folder watch, new text
// files, the advertising folder and the sound player's display, driven through the widgets.
class TestFileLists : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void allFiles_data();
    void allFiles();
    void burstRefreshesOnce();
    void buttons_data();
    void buttons();
    void newTextFile_data();
    void newTextFile();
    void moveAdFolder_data();
    void moveAdFolder();
    void player();
    void speakDraft();
    void textEditorFromList();
    void unreadableTextFileIsNotOpened();

private:
    TestSettings m_settings;
    std::unique_ptr<DialogGuard> m_dialogs;
};

namespace {

// A route of two stops in "route" below dir, with the files (paths relative to dir) given.
QString routeWithFiles(const QTemporaryDir &dir, const QStringList &files)
{
    const QString route
        = writeRoute(dir, {QStringLiteral("Остановка А\\\\Следующая остановка Б"), QStringLiteral("Остановка Б")});
    for (const QString &file : files) {
        if (!writeFile(dir.filePath(file), file.toUtf8()))
            qWarning("cannot write %s", qPrintable(file));
    }
    return route;
}

QStringList rows(const QListWidget *list)
{
    QStringList names;
    for (int row = 0; row < list->count(); ++row)
        names.append(list->item(row)->text());
    return names;
}

void selectEntry(RouteForm &page, int index)
{
    auto *list = page.findChild<QTreeView *>(QStringLiteral("stationList"));
    list->setCurrentIndex(list->model()->index(index + 1, 0));
}

} // namespace

void TestFileLists::initTestCase()
{
    // The icons live in the application's resources.
    Q_INIT_RESOURCE(icons);
}

void TestFileLists::init()
{
    m_dialogs = std::make_unique<DialogGuard>();
}

void TestFileLists::cleanup()
{
    m_dialogs.reset();
}

void TestFileLists::allFiles_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("texts") << QStringList{"route/OST.txt", "route/Script~.txt", "route/note.txt", "route/a.wav",
                                          "route/folder.txt/inside.txt"}
                           << "allTextFileList" << QStringList{"note.txt"};
    QTest::newRow("sounds") << QStringList{"route/a.WAV", "route/b.mp3", "route/c.ape", "route/d.ogg", "route/e.txt"}
                            << "allSoundFileList" << QStringList{"a.WAV", "b.mp3", "c.ape"};
    QTest::newRow("advertising texts") << QStringList{"Reklama/rscript.txt", "Reklama/RSCRIPT~.TXT", "Reklama/r1.txt",
                                                      "Reklama/ost.txt", "Reklama/x.wav"}
                                       << "allAdTextFileList" << QStringList{"ost.txt", "r1.txt"};
}

// The lists of all files leave out the route's own files and what is no announcement.
void TestFileLists::allFiles()
{
    QFETCH(QStringList, files);
    QFETCH(QString, list);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    RouteForm page;
    QVERIFY(page.openRoute(routeWithFiles(dir, files)));
    QStringList shown = rows(page.findChild<QListWidget *>(list));
    shown.sort();
    QCOMPARE(shown, expected);
}

// Ten files copied at once are listed by a single refresh.
void TestFileLists::burstRefreshesOnce()
{
    QTemporaryDir dir;
    RouteForm page;
    QVERIFY(page.openRoute(routeWithFiles(dir, {})));
    auto *list = page.findChild<QListWidget *>(QStringLiteral("allTextFileList"));
    QSignalSpy refreshes(list->model(), &QAbstractItemModel::modelReset);
    for (int number = 0; number < 10; ++number)
        QVERIFY(writeFile(dir.filePath(QStringLiteral("route/t%1.txt").arg(number)), "x"));
    QTRY_COMPARE(list->count(), 10);
    QTest::qWait(400);
    QCOMPARE(refreshes.count(), 1);
}

void TestFileLists::buttons_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("preview");

    QTest::newRow("sound") << "SoundFile"
                           << "wav"
                           << "route"
                           << "";
    QTest::newRow("text") << "TextFile"
                          << "txt"
                          << "route"
                          << "textPreviewLabel";
    QTest::newRow("advertising") << "AdTextFile"
                                 << "txt"
                                 << "Reklama"
                                 << "adTextPreviewLabel";
}

// Add, up and remove on the list pair of each family; the buttons show only when they apply.
void TestFileLists::buttons()
{
    QFETCH(QString, prefix);
    QFETCH(QString, extension);
    QFETCH(QString, folder);
    QFETCH(QString, preview);
    QTemporaryDir dir;
    const QString one = QStringLiteral("one.") + extension;
    const QString two = QStringLiteral("two.") + extension;
    RouteForm page;
    QVERIFY(page.openRoute(routeWithFiles(dir, {folder + QLatin1Char('/') + one, folder + QLatin1Char('/') + two})));
    selectEntry(page, 0);
    const QString lower = prefix.left(1).toLower() + prefix.mid(1);
    auto *attached = page.findChild<QListWidget *>(lower + QStringLiteral("List"));
    auto *all = page.findChild<QListWidget *>(QStringLiteral("all") + prefix + QStringLiteral("List"));
    auto button
        = [&](const char *action) { return page.findChild<QPushButton *>(action + prefix + QStringLiteral("Btn")); };
    reveal(attached);

    for (const QString &name : {one, two}) {
        QVERIFY(button("add")->isHidden());
        all->setCurrentItem(all->findItems(name, Qt::MatchExactly).first());
        QVERIFY(!button("add")->isHidden());
        button("add")->click();
    }
    if (!preview.isEmpty())
        QCOMPARE(page.findChild<QLabel *>(preview)->text(), folder + QLatin1Char('/') + two);
    QCOMPARE(rows(attached), (QStringList{one, two}));
    QCOMPARE(attached->currentRow(), 1);
    QVERIFY(button("add")->isHidden());
    QVERIFY(button("up")->isEnabled());
    QVERIFY(!button("down")->isEnabled());
    button("up")->click();
    QCOMPARE(rows(attached), (QStringList{two, one}));
    QVERIFY(!button("up")->isEnabled());
    button("remove")->click();
    QCOMPARE(rows(attached), QStringList{one});
    QCOMPARE(page.files(RouteForm::FileList(prefix == QLatin1String("SoundFile")      ? 0
                                                : prefix == QLatin1String("TextFile") ? 1
                                                                                      : 2),
                        0),
             QStringList{one});
    QCOMPARE(page.undoStack()->count(), 4);
    for (int step = 0; step < 4; ++step)
        page.undo();
    QCOMPARE(rows(attached), QStringList());
}

void TestFileLists::newTextFile_data()
{
    QTest::addColumn<bool>("advertising");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("proposed");
    QTest::addColumn<QString>("attached");
    // Whether the file cannot be made, which is said in a message box.
    QTest::addColumn<bool>("refused");

    // An empty typed text takes the proposal; "-" cancels the dialog.
    QTest::newRow("proposal skips taken names") << false << QStringList{"route/s0.txt", "route/s1.txt"} << ""
                                                << "s2.txt"
                                                << "s2.txt" << false;
    QTest::newRow("extension added") << false << QStringList() << "Вокзал"
                                     << "s0.txt"
                                     << "Вокзал.txt" << false;
    QTest::newRow("full stop dropped") << false << QStringList() << "abc."
                                       << "s0.txt"
                                       << "abc.txt" << false;
    QTest::newRow("folder parts dropped") << false << QStringList() << "x/y\\z"
                                          << "s0.txt"
                                          << "z.txt" << false;
    QTest::newRow("capital extension kept") << false << QStringList() << "A.TXT"
                                            << "s0.txt"
                                            << "A.TXT" << false;
    QTest::newRow("no name after the folder parts") << false << QStringList() << "abc/"
                                                    << "s0.txt"
                                                    << "" << false;
    QTest::newRow("cancelled") << false << QStringList() << "-"
                               << "s0.txt"
                               << "" << false;
    QTest::newRow("existing file kept") << false << QStringList{"route/keep.txt"} << "keep.txt"
                                        << "s0.txt"
                                        << "keep.txt" << false;
    QTest::newRow("advertising folder made") << true << QStringList() << ""
                                             << "r0.txt"
                                             << "r0.txt" << false;
    QTest::newRow("folder that cannot be made") << true << QStringList{"Reklama"} << ""
                                                << "r0.txt"
                                                << "" << true;
    QTest::newRow("name taken by a folder") << false << QStringList{"route/taken.txt/inside.wav"} << "taken.txt"
                                            << "s0.txt"
                                            << "" << true;
}

void TestFileLists::newTextFile()
{
    QFETCH(bool, advertising);
    QFETCH(QStringList, files);
    QFETCH(QString, typed);
    QFETCH(QString, proposed);
    QFETCH(QString, attached);
    QTemporaryDir dir;
    RouteForm page;
    QVERIFY(page.openRoute(routeWithFiles(dir, files)));
    selectEntry(page, 0);
    const QString folder = dir.filePath(advertising ? QStringLiteral("Reklama") : QStringLiteral("route"));
    QString proposal;
    m_dialogs->expect<QInputDialog>([&](QInputDialog *dialog) {
        proposal = dialog->textValue();
        if (typed == QLatin1String("-")) {
            dialog->reject();
            return true;
        }
        if (!typed.isEmpty())
            dialog->setTextValue(typed);
        dialog->accept();
        return true;
    });
    QFETCH(bool, refused);
    if (refused)
        m_dialogs->answerMessage(QStringLiteral("OK"));
    page.findChild<QPushButton *>(advertising ? QStringLiteral("newAdTextFileBtn") : QStringLiteral("newTextFileBtn"))
        ->click();
    QCOMPARE(proposal, proposed);
    QCOMPARE(m_dialogs->seenTexts().size(), refused ? 2 : 1);
    QCOMPARE(page.files(advertising ? RouteForm::AdTextFiles : RouteForm::TextFiles, 0),
             attached.isEmpty() ? QStringList() : QStringList{attached});
    if (attached.isEmpty())
        return;
    QByteArray content;
    QVERIFY(readFile(folder + QLatin1Char('/') + attached, content));
    // A file that existed keeps its content; a new one is empty.
    QCOMPARE(content.isEmpty(), !files.contains(QStringLiteral("route/") + attached));
}

void TestFileLists::moveAdFolder_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<bool>("refused");

    QTest::newRow("beside the route") << "Ads2" << QStringList{"r5.txt", "r6.txt"} << false;
    QTest::newRow("inside the route") << "route/Rek" << QStringList() << false;
    const QStringList old{"r1.txt", "r2.txt", "r3.txt"};
    QTest::newRow("the same folder") << "Reklama" << old << false;
    QTest::newRow("outside") << "/" << old << true;
    QTest::newRow("a folder named like the parent and more") << "2/ads" << old << true;
}

// Another advertising folder brings its own list; the move is one undo step. Folders outside
// the route's parent folder are refused.
void TestFileLists::moveAdFolder()
{
    QFETCH(QString, target);
    QFETCH(QStringList, list);
    QFETCH(bool, refused);
    QTemporaryDir dir;
    RouteForm page;
    const QString route = routeWithFiles(dir, {"route/Rek/r9.txt"});
    QVERIFY(writeFile(dir.filePath(QStringLiteral("Reklama/rscript.txt")), "r1.txt\r\nr2.txt\r\nr3.txt\r\n"));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("Ads2/rscript.txt")), "r5.txt\r\nr6.txt\r\n"));
    QVERIFY(page.openRoute(route));
    const QString path = target.startsWith(QLatin1Char('/')) ? target
        : target.startsWith(QLatin1Char('2'))                ? dir.path() + target
                                                             : dir.filePath(target);
    QVERIFY(QDir().mkpath(path));
    m_dialogs->answerFile(path);
    if (refused)
        m_dialogs->answerMessage(QStringLiteral("OK"));
    page.findChild<QPushButton *>(QStringLiteral("moveAdFolderBtn"))->click();
    if (target.startsWith(QLatin1Char('2')))
        QDir(dir.path() + QLatin1Char('2')).removeRecursively();
    QCOMPARE(m_dialogs->seenTexts().size(), refused ? 2 : 1);
    QCOMPARE(page.route().adTextFiles(), list);
    const bool moved = !refused && target != QLatin1String("Reklama");
    QCOMPARE(page.route().adFolder(), moved ? path : dir.filePath(QStringLiteral("Reklama")));
    QCOMPARE(page.undoStack()->count(), moved ? 1 : 0);
    if (!moved)
        return;
    QCOMPARE(page.findChild<QLabel *>(QStringLiteral("allAdTextFileLabel"))->text(), QLatin1Char('/') + target);
    page.undo();
    QCOMPARE(page.route().adTextFiles(), (QStringList{"r1.txt", "r2.txt", "r3.txt"}));
    QCOMPARE(page.route().adFolder(), dir.filePath(QStringLiteral("Reklama")));
}

// The player's time, its buttons, and the name and error of the file loaded.
void TestFileLists::player()
{
    QTemporaryDir dir;
    RouteForm page;
    QVERIFY(page.openRoute(writeRoute(
        dir, {QStringLiteral("Остановка А\\\\Следующая остановка Б\r\n  gone.wav"), QStringLiteral("Остановка Б")})));
    selectEntry(page, 0);
    auto *time = page.findChild<QLabel *>(QStringLiteral("playPositionLabel"));
    QVERIFY(QMetaObject::invokeMethod(&page, "onMediaDurationChanged", Q_ARG(qint64, 185000)));
    QCOMPARE(time->text(), QStringLiteral("00:00 / 03:05"));
    QVERIFY(QMetaObject::invokeMethod(&page, "onMediaPositionChanged", Q_ARG(qint64, 6000500)));
    QCOMPARE(time->text(), QStringLiteral("100:00 / 00:00"));

    auto *play = page.findChild<QPushButton *>(QStringLiteral("playSoundBtn"));
    auto *stop = page.findChild<QPushButton *>(QStringLiteral("stopSoundBtn"));
    const QImage pause = QIcon(QStringLiteral(":/icons/pause.png")).pixmap(32).toImage();
    QVERIFY(!pause.isNull());
    const struct
    {
        SoundPlayer::State state;
        bool pauseIcon;
        bool stopEnabled;
    } states[] = {{SoundPlayer::PlayingState, true, true},
                  {SoundPlayer::PausedState, false, true},
                  {SoundPlayer::StoppedState, false, false}};
    for (const auto &state : states) {
        QVERIFY(QMetaObject::invokeMethod(&page, "onMediaStateChanged", Q_ARG(SoundPlayer::State, state.state)));
        QCOMPARE(play->icon().pixmap(32).toImage() == pause, state.pauseIcon);
        QCOMPARE(stop->isEnabled(), state.stopEnabled);
    }

    auto *sounds = page.findChild<QListWidget *>(QStringLiteral("soundFileList"));
    sounds->setCurrentRow(0);
    QTRY_COMPARE(page.findChild<QLabel *>(QStringLiteral("playNameLabel"))->text(), QStringLiteral("gone.wav"));
    QTRY_COMPARE(page.findChild<QLabel *>(QStringLiteral("playErrorLabel"))->text(),
                 QStringLiteral("Ошибка воспроизведения!"));
}

// "Озвучить" speaks the stop shown into a draft off the user-interface thread, attaches it in one
// undo step, selects it and plays it; undo detaches it and leaves the file.
void TestFileLists::speakDraft()
{
    QTemporaryDir dir;
    RouteForm page;
    QVERIFY(page.openRoute(routeWithFiles(dir, {})));
    selectEntry(page, 0);
    auto *speak = page.findChild<QPushButton *>(QStringLiteral("speakSoundBtn"));
    speak->click();
    QVERIFY(!speak->isEnabled());
    QCOMPARE(page.cursor().shape(), Qt::BusyCursor);
    QTRY_VERIFY_WITH_TIMEOUT(speak->isEnabled(), 20000);
    QCOMPARE(page.cursor().shape(), Qt::ArrowCursor);

    const QString draft = QStringLiteral("tts_1_ru.wav");
    QCOMPARE(page.undoStack()->count(), 1);
    QCOMPARE(page.route().stationAt(0)->soundFiles, QStringList{draft});
    auto *sounds = page.findChild<QListWidget *>(QStringLiteral("soundFileList"));
    QCOMPARE(sounds->currentItem()->text(), draft);
    QCOMPARE(page.findChild<QLabel *>(QStringLiteral("playNameLabel"))->text(), draft);
    page.undoStack()->undo();
    QCOMPARE(rows(sounds), QStringList());
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("route/") + draft)).size() > 44);
}

// A text file opens in the editor from either list; its preview shows what was saved.
void TestFileLists::textEditorFromList()
{
    QTemporaryDir dir;
    RouteForm page;
    QVERIFY(page.openRoute(routeWithFiles(dir, {"route/note.txt"})));
    selectEntry(page, 0);
    auto *all = page.findChild<QListWidget *>(QStringLiteral("allTextFileList"));
    all->setCurrentRow(0);
    QString title;
    m_dialogs->expect<TextEditorDlg>([&title](TextEditorDlg *editor) {
        title = editor->windowTitle();
        auto *text = editor->findChild<QPlainTextEdit *>(QStringLiteral("plainTextEdit"));
        text->setPlainText(QStringLiteral("Новый текст"));
        editor->save();
        editor->close();
        return true;
    });
    page.findChild<QPushButton *>(QStringLiteral("openTextFileBtn"))->click();
    QVERIFY(title.startsWith(QStringLiteral("note.txt")));
    QCOMPARE(page.findChild<QLabel *>(QStringLiteral("textPreviewLabel"))->text(), QStringLiteral("Новый текст"));
}

// A text file that is there but cannot be read is said so and not opened, since saving the
// editor's empty text would replace it. Reading the process's own memory from address 0 fails
// with a real input/output error.
void TestFileLists::unreadableTextFileIsNotOpened()
{
    QTemporaryDir dir;
    RouteForm page;
    const QString route = routeWithFiles(dir, {});
    const QString path = route + QStringLiteral("/note.txt");
    QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), path));
    QVERIFY(page.openRoute(route));
    selectEntry(page, 0);
    page.findChild<QListWidget *>(QStringLiteral("allTextFileList"))->setCurrentRow(0);
    m_dialogs->answerMessage(QStringLiteral("OK"));
    page.findChild<QPushButton *>(QStringLiteral("openTextFileBtn"))->click();
    QCOMPARE(m_dialogs->seenTexts(), QStringList{QStringLiteral("Не удалось прочитать файл %1.").arg(path)});
}

QTEST_MAIN(TestFileLists)
#include "tst_filelists.moc"
