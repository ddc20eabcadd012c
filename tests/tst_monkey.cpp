// A seeded monkey on the route page: random user actions through the page's widgets, then the
// promise of the undo stack checked on the files. Undoing everything and saving writes the folder
// as it was opened; redoing everything and saving writes it as it was saved after the run.
//
//   tst_monkey [-seed S] [-seeds K] [-actions N] [QtTest options]
//
// runs K seeds from S (by default 1, 5 and 300; MONKEY_SEED, MONKEY_SEEDS and MONKEY_ACTIONS set
// the defaults). A failure names its seed and the last actions; "-seed S -seeds 1" repeats it.

#include "dialogguard.h"
#include "pagedriver.h"
#include "routedata.h"
#include "routeform.h"
#include "testroutes.h"
#include "testsettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeView>
#include <QUndoStack>
#include <QtTest>

#include <algorithm>
#include <array>
#include <memory>

namespace {

struct MonkeyOptions
{
    quint32 seed = 1;
    int seeds = 5;
    int actions = 300;
};

// The route a seed runs on: the bundled example, or a generated route of some stops.
struct RouteShape
{
    bool example = false;
    int stops = 0;
    bool returnDirection = false;
    int languages = 1;
    bool alternating = false;

    static RouteShape forSeed(quint32 seed)
    {
        static const int stopCounts[] = {0, 1, 2, 40};
        QRandomGenerator random(seed);
        RouteShape shape;
        shape.example = seed % 5 == 4;
        shape.stops = stopCounts[seed % 5 % 4];
        shape.returnDirection = shape.stops >= 2 && random.bounded(2) == 1;
        shape.languages = 1 + int(random.bounded(2));
        shape.alternating = random.bounded(2) == 1;
        return shape;
    }

    QString text() const
    {
        if (example)
            return QStringLiteral("the example route");
        return QStringLiteral("%1 entries, %2, %3 language(s), %4")
            .arg(stops)
            .arg(returnDirection ? QStringLiteral("with return") : QStringLiteral("one way"))
            .arg(languages)
            .arg(alternating ? QStringLiteral("next-stop entries") : QStringLiteral("next stop on each entry"));
    }
};

using RouteFiles = std::array<QByteArray, RouteData::routeFileCount>;

// The six route files where the route keeps them now; a missing file reads as a marker no file
// holds.
RouteFiles readRouteFiles(const RouteData &route)
{
    RouteFiles files;
    for (int id = 0; id < RouteData::routeFileCount; ++id) {
        QFile file(route.filePath(RouteData::RouteFileId(id)));
        files[id] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
    return files;
}

// Empty when equal, or the first file and line that differ.
QString difference(const RouteFiles &expected, const RouteFiles &actual)
{
    for (int id = 0; id < RouteData::routeFileCount; ++id) {
        if (expected[id] == actual[id])
            continue;
        const QList<QByteArray> want = expected[id].split('\n');
        const QList<QByteArray> got = actual[id].split('\n');
        int line = 0;
        while (line < want.size() && line < got.size() && want.at(line) == got.at(line))
            ++line;
        return QStringLiteral("%1 line %2: expected \"%3\", got \"%4\"")
            .arg(RouteData::fileName(RouteData::RouteFileId(id)))
            .arg(line + 1)
            .arg(QString::fromUtf8(want.value(line)), QString::fromUtf8(got.value(line)));
    }
    return QString();
}

// Stop texts of entry index in a direction of count entries. In the alternating layout each
// direction ends with a stop entry and alternates backwards from there.
void nameEntry(RouteData &route, Station &station, int index, int count, const RouteShape &shape)
{
    const bool nextEntry = shape.alternating && (count - 1 - index) % 2 == 1;
    for (int language = 0; language < shape.languages; ++language) {
        const QString place = language == 0 ? QStringLiteral("Улица %1.") : QStringLiteral("Street %1.");
        const QString word = nextEntry ? route.nextWord(language) : route.stationWord(language);
        station.name[language] = word + QLatin1Char(' ') + place.arg(index + 1);
        if (!shape.alternating && index < count - 1)
            station.nextName[language] = route.nextWord(language) + QLatin1Char(' ') + place.arg(index + 2);
    }
}

// A route folder written by the program itself, so that its bytes are what a save writes; with
// sound and text files to attach, and two advertising folders to choose between.
QString writeGeneratedRoute(const QTemporaryDir &dir, const RouteShape &shape)
{
    const QString folder = dir.filePath(QStringLiteral("route"));
    RouteData route;
    if (!route.createNew(folder) || !FixtureFiles::writeFile(folder + QLatin1String("/Rek/a.txt"), "A"))
        return QString();
    while (route.stationCount() > 0)
        route.removeStation(0);
    if (shape.languages == 2) {
        route.setStationWord(1, QStringLiteral("Stop"));
        route.setNextWord(1, QStringLiteral("Next stop"));
        route.setFrontDestination(1, QStringLiteral("Park"));
    }
    const int back = shape.returnDirection ? shape.stops / 2 : shape.stops;
    for (int index = 0; index < shape.stops; ++index) {
        auto *station = new Station;
        const bool returning = index >= back;
        nameEntry(route, *station, returning ? index - back : index, returning ? shape.stops - back : back, shape);
        if (index % 3 == 0) {
            station->soundFiles = QStringList{QStringLiteral("01.wav")};
            station->coordinate = QGeoCoordinate(55.75 + index * 0.001, 37.61);
        }
        route.insertStation(index, station);
    }
    route.setBackStationIndex(back);
    route.defaultSideNames();
    route.setAdTextFiles({QStringLiteral("a.txt")});
    if (!route.save())
        return QString();
    const bool files = FixtureFiles::writeFile(folder + QLatin1String("/01.wav"), QByteArray())
        && FixtureFiles::writeFile(folder + QLatin1String("/02.wav"), QByteArray())
        && FixtureFiles::writeFile(folder + QLatin1String("/t1.txt"), "Текст");
    return files ? folder : QString();
}

// A second advertising folder with a list of its own, inside the route folder.
bool writeSecondAdFolder(const QString &routeFolder)
{
    const QString folder = routeFolder + QLatin1String("/Rek2");
    RouteData list;
    list.setAdFolder(folder);
    list.setAdTextFiles({QStringLiteral("b.txt"), QStringLiteral("c.txt")});
    return FixtureFiles::writeFile(folder + QLatin1String("/b.txt"), "B") && list.writeAdTexts();
}

// Whether a user can reach widget: every tab on the way can be opened, every other page on the
// way is the one shown, and nothing on the way is hidden or disabled.
bool reachable(QWidget *widget, const QWidget *page)
{
    if (!widget->isEnabled())
        return false;
    for (QWidget *child = widget; child != page; child = child->parentWidget()) {
        auto *stack = qobject_cast<QStackedWidget *>(child->parentWidget());
        auto *tabs = stack ? qobject_cast<QTabWidget *>(stack->parentWidget()) : nullptr;
        if (tabs) {
            const int tab = tabs->indexOf(child);
            if (!tabs->isTabEnabled(tab) || !tabs->isTabVisible(tab))
                return false;
        } else if (stack ? stack->currentWidget() != child : child->isHidden()) {
            return false;
        }
    }
    return true;
}

// Buttons whose work lies outside the route: sound, speech and the desktop's file manager.
bool leftAlone(const QAbstractButton *button)
{
    static const QStringList names{QStringLiteral("playSoundBtn"),      QStringLiteral("stopSoundBtn"),
                                   QStringLiteral("speakSoundBtn"),     QStringLiteral("openSoundFolderBtn"),
                                   QStringLiteral("openTextFolderBtn"), QStringLiteral("openAdFolderBtn"),
                                   QStringLiteral("openTextFileBtn"),   QStringLiteral("openAdTextFileBtn")};
    return button->objectName().isEmpty() || names.contains(button->objectName());
}

// One run: a page on one route, driven by one seed.
class Monkey
{
public:
    Monkey(RouteForm &page, const QString &folder, quint32 seed)
        : m_page(page)
        , m_random(seed)
        , m_seed(seed)
    {
        const QString parent = QFileInfo(folder).absolutePath();
        m_folders = QStringList{folder + QLatin1String("/Rek"), folder + QLatin1String("/Rek2"), folder, parent,
                                QFileInfo(parent).absolutePath()};
        for (QLineEdit *edit : page.findChildren<QLineEdit *>()) {
            if (!qobject_cast<QAbstractSpinBox *>(edit->parentWidget()) && !edit->objectName().isEmpty())
                m_edits.append(edit);
        }
        for (QAbstractButton *button : page.findChildren<QAbstractButton *>()) {
            if ((qobject_cast<QPushButton *>(button) || qobject_cast<QCheckBox *>(button)) && !leftAlone(button))
                m_buttons.append(button);
        }
        m_spins = page.findChildren<QSpinBox *>();
        m_combos = page.findChildren<QComboBox *>();
        m_lists = page.findChildren<QListWidget *>();
        m_stationList = page.findChild<QTreeView *>(QStringLiteral("stationList"));
    }

    // Answers whatever dialog an action raises, at random unless every save must go through.
    bool answer(QWidget *dialog)
    {
        if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
            // The buttons that answer: "Show Details..." only opens the details.
            QList<QAbstractButton *> buttons;
            for (QAbstractButton *button : box->buttons()) {
                if (box->buttonRole(button) != QMessageBox::ActionRole)
                    buttons.append(button);
            }
            const auto accept = std::find_if(buttons.cbegin(), buttons.cend(), [box](QAbstractButton *button) {
                return box->buttonRole(button) == QMessageBox::AcceptRole;
            });
            QAbstractButton *button = m_saveAlways && accept != buttons.cend() ? *accept : pick(buttons);
            log(QStringLiteral("  answer \"%1\" with %2").arg(box->text(), button->text()));
            button->click();
        } else if (auto *input = qobject_cast<QInputDialog *>(dialog)) {
            static const QStringList names{QString(), QStringLiteral("новый.txt"), QStringLiteral("../x.txt"),
                                           QStringLiteral("t1.txt"), QStringLiteral("a b")};
            if (m_random.bounded(4) > 0)
                input->setTextValue(pick(names));
            log(QStringLiteral("  answer \"%1\" with \"%2\"").arg(input->labelText(), input->textValue()));
            input->done(m_random.bounded(5) > 0 ? QDialog::Accepted : QDialog::Rejected);
        } else if (auto *files = qobject_cast<QFileDialog *>(dialog)) {
            const QString folder = pick(m_folders);
            log(QStringLiteral("  choose folder %1").arg(folder));
            return DialogGuard::acceptFile(files, folder);
        } else {
            log(QStringLiteral("  close %1").arg(QLatin1String(dialog->metaObject()->className())));
            dialog->close();
        }
        return true;
    }

    void step()
    {
        // An action that finds nothing to act on is drawn again.
        while (!act(int(m_random.bounded(14))))
            continue;
        QCoreApplication::processEvents();
    }

    // Empty while the page is consistent, else what is wrong.
    QString brokenInvariant() const
    {
        const RouteData &route = m_page.route();
        if (route.backStationIndex() < 0 || route.backStationIndex() > route.stationCount())
            return QStringLiteral("return direction starts at %1 of %2")
                .arg(route.backStationIndex())
                .arg(route.stationCount());
        if (m_stationList->model()->rowCount() != route.stationCount() + 1)
            return QStringLiteral("%1 list rows for %2 stops")
                .arg(m_stationList->model()->rowCount())
                .arg(route.stationCount());
        for (int index = 0; index < route.stationCount() && m_page.languageCount() == 1; ++index) {
            const Station *station = route.stationAt(index);
            if (!station->name[1].isEmpty() || !station->nextName[1].isEmpty() || !station->sideName[1].isEmpty())
                return QStringLiteral("stop %1 has a second language on a one-language route").arg(index + 1);
        }
        return QString();
    }

    // The seed and the last actions, for a failure message.
    QString report(const QString &failure) const
    {
        return QStringLiteral("%1\nseed %2, the last actions:\n%3")
            .arg(failure)
            .arg(m_seed)
            .arg(m_log.join(QLatin1Char('\n')));
    }

    void setSaveAlways(bool always) { m_saveAlways = always; }

private:
    template <typename T> T pick(const QList<T> &items) { return items.at(int(m_random.bounded(int(items.size())))); }

    template <typename W> W *pickReachable(const QList<W *> &widgets)
    {
        QList<W *> candidates;
        for (W *widget : widgets) {
            if (reachable(widget, &m_page))
                candidates.append(widget);
        }
        if (candidates.isEmpty())
            return nullptr;
        W *widget = pick(candidates);
        PageDriver::reveal(widget);
        return widget;
    }

    // Each action is logged before it is done, so that the dialogs it raises follow it in the log;
    // false when the action finds nothing to act on.
    bool act(int action)
    {
        switch (action) {
        case 0:
        case 1:
        case 2:
            return typeText();
        case 3:
        case 4:
        case 5:
            return click();
        case 6:
            return setSpin();
        case 7:
            return pickCombo();
        case 8:
        case 9:
            return selectEntry();
        case 10:
            return selectFile();
        case 11:
            return deliverColor();
        case 12:
            return undoOrRedo();
        default:
            log(QStringLiteral("save"));
            m_page.saveRoute();
            return true;
        }
    }

    bool typeText()
    {
        static const QStringList texts{QStringLiteral("Вокзал"),
                                       QStringLiteral("  Центр"),
                                       QStringLiteral("Парк_S"),
                                       QStringLiteral("a\\b"),
                                       QStringLiteral("конец\\"),
                                       QStringLiteral("1;2"),
                                       QStringLiteral("_"),
                                       QString(),
                                       QStringLiteral("Остановка Рынок."),
                                       QStringLiteral("Следующая остановка Парк."),
                                       QStringLiteral("END"),
                                       QStringLiteral("STOP"),
                                       QStringLiteral("12А"),
                                       QStringLiteral("Stop Market."),
                                       QStringLiteral("\"кавычки\" "),
                                       QStringLiteral("MOABRSTN")};
        static const QStringList positions{QStringLiteral("55.75580, 37.61730"),
                                           QStringLiteral("55.7 37.6"),
                                           QString(),
                                           QStringLiteral("abc"),
                                           QStringLiteral("91, 200"),
                                           QStringLiteral("-33.86882, 151.20929")};
        QLineEdit *edit = pickReachable(m_edits);
        if (!edit)
            return false;
        const QString text = pick(edit->objectName() == QLatin1String("coordEdit") ? positions : texts);
        log(QStringLiteral("type \"%1\" into %2").arg(text, edit->objectName()));
        PageDriver::enter(edit, text);
        return true;
    }

    bool click()
    {
        QAbstractButton *button = pickReachable(m_buttons);
        if (!button)
            return false;
        log(QStringLiteral("click %1").arg(button->objectName()));
        button->click();
        return true;
    }

    bool setSpin()
    {
        QSpinBox *spin = pickReachable(m_spins);
        if (!spin)
            return false;
        const int value = spin->minimum() + int(m_random.bounded(spin->maximum() - spin->minimum() + 20));
        log(QStringLiteral("type %1 into %2").arg(value).arg(spin->objectName()));
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, QString::number(value));
        spin->clearFocus();
        return true;
    }

    bool pickCombo()
    {
        QComboBox *combo = pickReachable(m_combos);
        if (!combo || combo->count() == 0)
            return false;
        const int index = int(m_random.bounded(combo->count()));
        log(QStringLiteral("choose %1 in %2").arg(index).arg(combo->objectName()));
        combo->setCurrentIndex(index);
        return true;
    }

    bool selectEntry()
    {
        const int row = int(m_random.bounded(m_stationList->model()->rowCount()));
        log(QStringLiteral("select list row %1").arg(row));
        m_stationList->setCurrentIndex(m_stationList->model()->index(row, 0));
        return true;
    }

    bool selectFile()
    {
        QListWidget *list = pickReachable(m_lists);
        if (!list || list->count() == 0)
            return false;
        const int row = int(m_random.bounded(list->count()));
        log(QStringLiteral("select %1 (%2) in %3").arg(row).arg(list->item(row)->text(), list->objectName()));
        list->setCurrentRow(row);
        return true;
    }

    bool deliverColor()
    {
        static const QStringList boards{QStringLiteral("front"), QStringLiteral("side"), QStringLiteral("back"),
                                        QStringLiteral("salon")};
        const uint color = m_random.bounded(2) ? 0xff0000 : m_random.generate() & 0xffffff;
        const QString board = pick(boards);
        log(QStringLiteral("colour %1 for %2").arg(color, 6, 16, QLatin1Char('0')).arg(board));
        m_page.onTabloColorDialogResult(color, board);
        return true;
    }

    bool undoOrRedo()
    {
        if (m_random.bounded(3) == 0) {
            log(QStringLiteral("redo"));
            m_page.redo();
        } else {
            log(QStringLiteral("undo"));
            m_page.undo();
        }
        return true;
    }

    // Each entry names the undo stack's place and size before the action.
    void log(const QString &action)
    {
        m_log.append(
            QStringLiteral("%1/%2 %3").arg(m_page.undoStack()->index()).arg(m_page.undoStack()->count()).arg(action));
        if (m_log.size() > 20)
            m_log.removeFirst();
    }

    RouteForm &m_page;
    QRandomGenerator m_random;
    const quint32 m_seed;
    QStringList m_folders;
    QList<QLineEdit *> m_edits;
    QList<QAbstractButton *> m_buttons;
    QList<QSpinBox *> m_spins;
    QList<QComboBox *> m_combos;
    QList<QListWidget *> m_lists;
    QTreeView *m_stationList;
    QStringList m_log;
    bool m_saveAlways = false;
};

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT

public:
    explicit TestMonkey(const MonkeyOptions &options)
        : m_options(options)
    {
    }

private slots:
    void init();
    void undoRedoEverything_data();
    void undoRedoEverything();

private:
    const MonkeyOptions m_options;
    TestSettings m_settings;
};

void TestMonkey::init()
{
    m_settings.clear();
}

void TestMonkey::undoRedoEverything_data()
{
    QTest::addColumn<quint32>("seed");
    for (int run = 0; run < m_options.seeds; ++run) {
        const quint32 seed = m_options.seed + quint32(run);
        QTest::addRow("seed %u: %s", seed, qPrintable(RouteShape::forSeed(seed).text())) << seed;
    }
}

void TestMonkey::undoRedoEverything()
{
    QFETCH(quint32, seed);
    const RouteShape shape = RouteShape::forSeed(seed);
    QTemporaryDir dir;
    const QString folder = shape.example ? TestRoutes::copyExample(dir) : writeGeneratedRoute(dir, shape);
    QVERIFY(!folder.isEmpty());
    QVERIFY(writeSecondAdFolder(folder));

    RouteForm page;
    page.resize(1200, 800);
    QVERIFY(PageDriver::activate(&page));
    Monkey monkey(page, folder, seed);
    DialogGuard dialogs;
    dialogs.answerOthers([&monkey](QWidget *dialog) { return monkey.answer(dialog); });
    QVERIFY(page.openRoute(folder));
    // The layout question may change the route as it opens; it is then saved as changed.
    monkey.setSaveAlways(true);
    if (page.canSave())
        QVERIFY(page.saveRoute());
    const RouteFiles opened = readRouteFiles(page.route());
    monkey.setSaveAlways(false);

    for (int action = 0; action < m_options.actions; ++action) {
        monkey.step();
        const QString broken = monkey.brokenInvariant();
        QVERIFY2(broken.isEmpty(), qPrintable(monkey.report(broken)));
    }

    monkey.setSaveAlways(true);
    QVERIFY2(page.saveRoute(), qPrintable(monkey.report(QStringLiteral("the edited route does not save"))));
    const RouteFiles edited = readRouteFiles(page.route());
    // Commands undone during the run stay undone: redo goes back to where the run ended.
    const int steps = page.undoStack()->index();
    while (page.canUndo()) {
        page.undo();
        const QString broken = monkey.brokenInvariant();
        QVERIFY2(
            broken.isEmpty(),
            qPrintable(monkey.report(QStringLiteral("undo to %1: %2").arg(page.undoStack()->index()).arg(broken))));
    }
    QVERIFY(page.saveRoute());
    QString differs = difference(opened, readRouteFiles(page.route()));
    QVERIFY2(differs.isEmpty(),
             qPrintable(monkey.report(QStringLiteral("after undoing %1 steps, %2").arg(steps).arg(differs))));
    while (page.undoStack()->index() < steps) {
        page.redo();
        const QString broken = monkey.brokenInvariant();
        QVERIFY2(broken.isEmpty(), qPrintable(monkey.report(QStringLiteral("redo: ") + broken)));
    }
    QVERIFY(page.saveRoute());
    differs = difference(edited, readRouteFiles(page.route()));
    QVERIFY2(differs.isEmpty(),
             qPrintable(monkey.report(QStringLiteral("after redoing %1 steps, %2").arg(steps).arg(differs))));
}

namespace {

// Takes "-name value" out of arguments, falling back to the environment variable, then to value.
template <typename T> void takeOption(QStringList &arguments, const QString &name, const char *variable, T &value)
{
    if (qEnvironmentVariableIsSet(variable))
        value = T(qEnvironmentVariableIntValue(variable));
    const int at = arguments.indexOf(name);
    if (at > 0 && at + 1 < arguments.size()) {
        value = T(arguments.at(at + 1).toLongLong());
        arguments.erase(arguments.begin() + at, arguments.begin() + at + 2);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QStringList arguments = app.arguments();
    MonkeyOptions options;
    takeOption(arguments, QStringLiteral("-seed"), "MONKEY_SEED", options.seed);
    takeOption(arguments, QStringLiteral("-seeds"), "MONKEY_SEEDS", options.seeds);
    takeOption(arguments, QStringLiteral("-actions"), "MONKEY_ACTIONS", options.actions);
    TestMonkey test(options);
    return QTest::qExec(&test, arguments);
}

#include "tst_monkey.moc"
