#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "aboutdialog.h"
#include "gtfsdepot.h"
#include "gtfsimport.h"
#include "routecheckdialog.h"
#include "routefolders.h"
#include "routeform.h"
#include "savequestion.h"
#include "shortcuttooltip.h"
#include "tablocolordialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalBlocker>
#include <QTabBar>
#include <QToolButton>

namespace {

const char recentOpenKey[] = "recentOpen";
const char recentPathKey[] = "path";
const char recentColorsKey[] = "recentColors";
const char recentColorKey[] = "color";
const char geometryKey[] = "mainWindow/geometry";
const char windowStateKey[] = "mainWindow/state";
const char splitterKey[] = "routePage/splitter";

// The folders among dropped URLs, as the folder dialog gives them; files and remote URLs are
// no routes.
QStringList droppedFolders(const QMimeData *data)
{
    QStringList folders;
    for (const QUrl &url : data->urls()) {
        const QFileInfo info(url.toLocalFile());
        if (url.isLocalFile() && info.isDir())
            folders.append(QDir::cleanPath(info.absoluteFilePath()));
    }
    return folders;
}

template <typename T> QList<T> readSettingsArray(const char *array, const char *entry)
{
    QSettings settings;
    QList<T> values;
    const int count = settings.beginReadArray(QLatin1String(array));
    for (int index = 0; index < count; ++index) {
        settings.setArrayIndex(index);
        values.append(settings.value(QLatin1String(entry)).template value<T>());
    }
    settings.endArray();
    return values;
}

template <typename T> void writeSettingsArray(const char *array, const char *entry, const QList<T> &values)
{
    QSettings settings;
    settings.beginWriteArray(QLatin1String(array), values.size());
    for (int index = 0; index < values.size(); ++index) {
        settings.setArrayIndex(index);
        settings.setValue(QLatin1String(entry), values.at(index));
    }
    settings.endArray();
}

QStringList readRecentRoutes()
{
    return readSettingsArray<QString>(recentOpenKey, recentPathKey);
}

void writeRecentRoutes(const QStringList &paths)
{
    writeSettingsArray(recentOpenKey, recentPathKey, paths);
}

FrontTabloType storedTabloType(const char *key, FrontTabloType defaultType)
{
    const int type = QSettings().value(QLatin1String(key), int(defaultType)).toInt();
    return type >= 0 && type < frontTabloTypeCount ? FrontTabloType(type) : defaultType;
}

void storeTabloType(const char *key, FrontTabloType type)
{
    QSettings().setValue(QLatin1String(key), int(type));
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::MainWindow>())
    , recentMenu(new QMenu(this))
    , importGtfsAction(new QAction(tr("Импорт из GTFS…"), this))
    , colorDialog(nullptr)
    , checkDialog(new RouteCheckDialog(this))
    , basicColors({0x800000, 0x008000, 0x804000, 0x808000, 0x404040, 0x008080, 0x000080})
{
    // The icons live in this static library, so their registration must be asked for.
    Q_INIT_RESOURCE(icons);
    ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/icons/marvolt.png")));
    ui->saveAction->setEnabled(false);
    ui->undoAction->setEnabled(false);
    ui->redoAction->setEnabled(false);
    ui->checkAction->setEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(true);

    connect(recentMenu, &QMenu::aboutToShow, this, &MainWindow::onRecentMenuAboutToShow);
    connect(recentMenu, &QMenu::triggered, this, &MainWindow::onRecentMenuClicked);
    connect(importGtfsAction, &QAction::triggered, this, &MainWindow::onImportGtfsTriggered);
    createOpenButton();
    createWindowShortcuts();
    restoreWindowState();

    const QStringList recentRoutes = readRecentRoutes();
    if (!recentRoutes.isEmpty())
        lastRoutePath = recentRoutes.first();
    recentColors = readSettingsArray<uint>(recentColorsKey, recentColorKey);

    colorDialog = new TabloColorDialog(this);
    connect(colorDialog, &QDialog::accepted, this, &MainWindow::onTabloColorDlgAccepted);
}

MainWindow::~MainWindow() = default;

void MainWindow::createOpenButton()
{
    auto *openButton = new QToolButton(this);
    openButton->setObjectName(QStringLiteral("openBtn"));
    openButton->setIcon(QIcon(QStringLiteral(":/icons/open.png")));
    openButton->setShortcut(QKeySequence::Open);
    openButton->setToolTip(tr("Открыть маршрут")
                           + QStringLiteral(" (%1)").arg(openButton->shortcut().toString(QKeySequence::NativeText)));
    openButton->setMenu(recentMenu);
    openButton->setPopupMode(QToolButton::MenuButtonPopup);
    connect(openButton, &QToolButton::clicked, this, &MainWindow::onOpenBtnClicked);
    ui->toolBar->insertWidget(ui->saveAction, openButton);
    ui->toolBar->insertSeparator(ui->saveAction);
}

// Every shortcut shows in its action's tool tip. The actions off the tool bar are the window's
// own, so that their keys work wherever the focus is.
void MainWindow::createWindowShortcuts()
{
    // Shift+Tab comes from the keyboard as Backtab.
    ui->previousRouteAction->setShortcuts(
        {ui->previousRouteAction->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)});
    addActions({ui->closeTabAction, ui->nextRouteAction, ui->previousRouteAction});
    for (QAction *action : {ui->saveAction, ui->undoAction, ui->redoAction, ui->checkAction, ui->closeTabAction,
                            ui->nextRouteAction, ui->previousRouteAction})
        showShortcutInToolTip(action);
}

// The window comes back as the user left it, maximised included. A first start, or a geometry
// from a screen no longer attached, opens at a size that shows a whole route page.
void MainWindow::restoreWindowState()
{
    QSettings settings;
    if (restoreGeometry(settings.value(QLatin1String(geometryKey)).toByteArray())
        && QGuiApplication::screenAt(geometry().center())) {
        restoreState(settings.value(QLatin1String(windowStateKey)).toByteArray());
        return;
    }
    resize(firstSize());
}

// The window's size hint with a route page in it, whose front board is the widest there is,
// within nine tenths of the screen.
QSize MainWindow::firstSize()
{
    QSize hint;
    {
        const QSignalBlocker blocker(ui->tabWidget);
        RouteForm page;
        page.setFrontTabloType(FrontTablo32x320Color);
        ui->tabWidget->addTab(&page, QString());
        hint = sizeHint();
        ui->tabWidget->removeTab(0);
    }
    return hint.boundedTo(QGuiApplication::primaryScreen()->availableSize() * 0.9);
}

// "Marvolt — 12" with the modified marker of the route shown.
void MainWindow::showRouteInTitle()
{
    const int index = ui->tabWidget->currentIndex();
    setWindowTitle(index < 0 ? QStringLiteral("Marvolt")
                             : QStringLiteral("Marvolt — %1[*]").arg(ui->tabWidget->tabText(index)));
    setWindowModified(currentRoutePage && currentRoutePage->canSave());
}

void MainWindow::on_closeTabAction_triggered()
{
    if (ui->tabWidget->count() > 0)
        on_tabWidget_tabCloseRequested(ui->tabWidget->currentIndex());
}

void MainWindow::on_nextRouteAction_triggered()
{
    if (ui->tabWidget->count() > 0)
        ui->tabWidget->setCurrentIndex((ui->tabWidget->currentIndex() + 1) % ui->tabWidget->count());
}

void MainWindow::on_previousRouteAction_triggered()
{
    const int count = ui->tabWidget->count();
    if (count > 0)
        ui->tabWidget->setCurrentIndex((ui->tabWidget->currentIndex() + count - 1) % count);
}

void MainWindow::openRouteFolder(const QString &path)
{
    if (openDepot(path))
        return;
    lastRoutePath = path;

    auto *page = new RouteForm;
    page->setFrontTabloType(storedTabloType("frontTablo/type", FrontTablo32x192Color));
    connect(page, &RouteForm::frontTabloTypeChanged, this, &MainWindow::onFrontTabloTypeChanged);
    page->setSideTabloType(storedTabloType("sideTablo/type", FrontTablo16x128));
    connect(page, &RouteForm::sideTabloTypeChanged, this, &MainWindow::onSideTabloTypeChanged);
    page->setBackTabloType(storedTabloType("backTablo/type", FrontTablo16x128));
    connect(page, &RouteForm::backTabloTypeChanged, this, &MainWindow::onBackTabloTypeChanged);
    connect(page, &RouteForm::showTabloColorDialog, this, &MainWindow::showTabloColorDialog);
    // One splitter position for all pages: the last one the user set.
    page->restoreSplitterState(QSettings().value(QLatin1String(splitterKey)).toByteArray());
    connect(page, &RouteForm::splitterStateChanged, this,
            [](const QByteArray &state) { QSettings().setValue(QLatin1String(splitterKey), state); });
    // A route that cannot be read is not opened; the page has told the user why.
    if (!page->openRoute(path)) {
        delete page;
        return;
    }
    addRecentRoute(path);

    const int index = ui->tabWidget->addTab(page, path.mid(path.lastIndexOf(QLatin1Char('/')) + 1));
    ui->tabWidget->setTabToolTip(index, path);
    QTabBar *tabBar = ui->tabWidget->tabBar();
    QWidget *closeButton = tabBar->tabButton(index, QTabBar::RightSide);
    if (!closeButton)
        closeButton = tabBar->tabButton(index, QTabBar::LeftSide);
    if (closeButton)
        closeButton->setToolTip(tr("Закрыть маршрут"));
    ui->tabWidget->setCurrentIndex(index);
}

// A folder without a route of its own that holds route folders is a depot: all its routes may
// open at once, or else the folder opens as any other without a route.
bool MainWindow::openDepot(const QString &path)
{
    const QStringList routes = routeFoldersIn(path);
    if (routes.isEmpty() || !askYesNo(tr("В папке %1 маршрутов. Открыть все?").arg(routes.size())))
        return false;
    for (const QString &route : routes)
        openRouteFolder(route);
    return true;
}

// "Да" or "Нет"; closing the box is "Нет".
bool MainWindow::askYesNo(const QString &question)
{
    QMessageBox box(QMessageBox::Question, tr("Приложение"), question, QMessageBox::NoButton, this);
    QPushButton *yes = box.addButton(tr("Да"), QMessageBox::AcceptRole);
    QPushButton *no = box.addButton(tr("Нет"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

QStringList MainWindow::openRouteFolders(const QStringList &paths)
{
    QStringList skipped;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (info.isDir())
            openRouteFolder(QDir::cleanPath(info.absoluteFilePath()));
        else
            skipped.append(path);
    }
    return skipped;
}

void MainWindow::addRecentRoute(const QString &path)
{
    QStringList paths{path};
    for (const QString &stored : readRecentRoutes()) {
        if (paths.size() >= maxRecentRoutes)
            break;
        if (stored != path)
            paths.append(stored);
    }
    writeRecentRoutes(paths);
}

void MainWindow::removeRecentRoute(const QString &path)
{
    QStringList paths = readRecentRoutes();
    paths.removeAll(path);
    writeRecentRoutes(paths);
}

void MainWindow::addRecentColor(uint color)
{
    if (basicColors.contains(color) || recentColors.contains(color))
        return;
    recentColors.prepend(color);
    if (recentColors.size() > maxRecentColors)
        recentColors.removeLast();
    writeSettingsArray(recentColorsKey, recentColorKey, recentColors);
}

void MainWindow::onRecentMenuAboutToShow()
{
    recentMenu->clear();
    for (const QString &path : readRecentRoutes())
        recentMenu->addAction(path);
    recentMenu->addSeparator();
    recentMenu->addAction(importGtfsAction);
}

void MainWindow::onRecentMenuClicked(QAction *action)
{
    const QString path = action->text();
    if (path.isEmpty() || action == importGtfsAction)
        return;
    // A folder moved or deleted since would open as an example route that can never be saved.
    if (!QFileInfo(path).isDir()) {
        QMessageBox::warning(this, tr("Приложение"), tr("Папка %1 не найдена.").arg(QDir::toNativeSeparators(path)));
        removeRecentRoute(path);
        return;
    }
    openRouteFolder(path);
}

// The folder that holds the route opened last: routes are usually kept side by side. When that
// folder is gone the dialogs start at home, never in a folder they cannot show.
QString MainWindow::startFolder() const
{
    const QString folder = QFileInfo(lastRoutePath).path();
    return !lastRoutePath.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

void MainWindow::onOpenBtnClicked()
{
    const QString path = QFileDialog::getExistingDirectory(this, tr("Выберите папку с маршрутом"), startFolder(),
                                                           QFileDialog::ShowDirsOnly);
    if (!path.isEmpty())
        openRouteFolder(path);
}

// A new route from the city's published timetable data: the feed, one of its lines, and an empty
// folder for it; the route then opens like any other.
void MainWindow::onImportGtfsTriggered()
{
    const QString feed
        = QFileDialog::getOpenFileName(this, tr("Выберите данные GTFS"), startFolder(), tr("Данные GTFS (*.zip)"));
    if (feed.isEmpty())
        return;
    QList<GtfsRouteSummary> routes;
    QString error;
    if (!listGtfsRoutes(feed, routes, error) || routes.isEmpty()) {
        QMessageBox::critical(this, tr("Импорт из GTFS"),
                              routes.isEmpty() && error.isEmpty() ? tr("В данных нет маршрутов.") : error);
        return;
    }
    QStringList names{tr("Все маршруты")};
    for (const GtfsRouteSummary &route : routes)
        names.append(tr("%1 — %2 (рейсов туда %3, обратно %4)")
                         .arg(route.shortName.isEmpty() ? route.id : route.shortName, route.longName)
                         .arg(route.trips[0])
                         .arg(route.trips[1]));
    bool chosen = false;
    const QString name = QInputDialog::getItem(this, tr("Импорт из GTFS"), tr("Маршрут:"), names, 0, false, &chosen);
    if (!chosen)
        return;
    if (names.indexOf(name) == 0) {
        importAllGtfsRoutes(feed);
        return;
    }
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Выберите пустую папку для маршрута"),
                                                             QFileInfo(feed).path(), QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return;
    GtfsImportOptions options;
    options.route = routes.at(names.indexOf(name) - 1).id;
    QStringList notes;
    if (importGtfsIntoFolder(feed, options, folder, notes, error) != GtfsImportResult::Imported) {
        QMessageBox::critical(this, tr("Импорт из GTFS"), error);
        return;
    }
    openRouteFolder(folder);
}

// Every line of the feed into a folder of its own in an empty folder, then, when the user wants,
// each in a tab.
void MainWindow::importAllGtfsRoutes(const QString &feed)
{
    const QString depot = QFileDialog::getExistingDirectory(this, tr("Выберите пустую папку для маршрутов"),
                                                            QFileInfo(feed).path(), QFileDialog::ShowDirsOnly);
    if (depot.isEmpty())
        return;
    if (!QDir(depot).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
        QMessageBox::critical(this, tr("Импорт из GTFS"),
                              tr("Папка %1 не пуста.").arg(QDir::toNativeSeparators(depot)));
        return;
    }
    GtfsDepotImport result;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const GtfsImportResult imported = importGtfsDepot(feed, GtfsImportOptions(), depot, result);
    QApplication::restoreOverrideCursor();
    // Routes written before a folder that failed are there all the same.
    if (imported != GtfsImportResult::Imported)
        QMessageBox::critical(this, tr("Импорт из GTFS"), result.error);
    if (result.routes.isEmpty() || !askYesNo(tr("Открыть %1 маршрутов?").arg(result.routes.size())))
        return;
    for (const GtfsDepotRoute &route : result.routes)
        openRouteFolder(route.folder);
}

void MainWindow::on_saveAction_triggered()
{
    if (currentRoutePage)
        currentRoutePage->saveRoute();
}

void MainWindow::on_undoAction_triggered()
{
    if (currentRoutePage)
        currentRoutePage->undo();
}

void MainWindow::on_redoAction_triggered()
{
    if (currentRoutePage)
        currentRoutePage->redo();
}

void MainWindow::on_aboutAction_triggered()
{
    AboutDialog dialog(this);
    dialog.exec();
}

// The check sees the route as it is in the editor, unsaved changes included; the list stays open
// beside the window while the user mends what it found.
void MainWindow::on_checkAction_triggered()
{
    if (!currentRoutePage)
        return;
    checkDialog->showProblems(currentRoutePage, currentRoutePage->checkRoute());
    checkDialog->show();
    checkDialog->raise();
    checkDialog->activateWindow();
}

void MainWindow::on_tabWidget_tabCloseRequested(int index)
{
    if (maybeSaveTab(index))
        closeTab(index);
}

void MainWindow::on_tabWidget_currentChanged(int index)
{
    if (currentRoutePage) {
        disconnect(currentRoutePage, &RouteForm::canSaveChanged, this, &QWidget::setWindowModified);
        disconnect(currentRoutePage, nullptr, ui->saveAction, nullptr);
        disconnect(currentRoutePage, nullptr, ui->undoAction, nullptr);
        disconnect(currentRoutePage, nullptr, ui->redoAction, nullptr);
        currentRoutePage->stopPlaying();
    }
    currentRoutePage = qobject_cast<RouteForm *>(ui->tabWidget->widget(index));
    ui->checkAction->setEnabled(currentRoutePage != nullptr);
    showRouteInTitle();
    if (!currentRoutePage) {
        ui->saveAction->setEnabled(false);
        ui->undoAction->setEnabled(false);
        ui->redoAction->setEnabled(false);
        return;
    }
    connect(currentRoutePage, &RouteForm::canSaveChanged, ui->saveAction, &QAction::setEnabled);
    connect(currentRoutePage, &RouteForm::canSaveChanged, this, &QWidget::setWindowModified);
    connect(currentRoutePage, &RouteForm::canUndoChanged, ui->undoAction, &QAction::setEnabled);
    connect(currentRoutePage, &RouteForm::canRedoChanged, ui->redoAction, &QAction::setEnabled);
    ui->saveAction->setEnabled(currentRoutePage->canSave());
    ui->undoAction->setEnabled(currentRoutePage->canUndo());
    ui->redoAction->setEnabled(currentRoutePage->canRedo());
}

bool MainWindow::maybeSaveTab(int index)
{
    auto *page = qobject_cast<RouteForm *>(ui->tabWidget->widget(index));
    if (!page || !page->canSave())
        return true;
    return askToSaveChanges(this, tr("Маршрут был изменен. Сохранить изменения?"),
                            [page] { return page->saveRoute(); });
}

void MainWindow::closeTab(int index)
{
    QWidget *page = ui->tabWidget->widget(index);
    ui->tabWidget->removeTab(index);
    delete page;
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedFolders(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

// Each folder dropped opens in a tab of its own, as if chosen in the folder dialog.
void MainWindow::dropEvent(QDropEvent *event)
{
    const QStringList folders = droppedFolders(event->mimeData());
    if (folders.isEmpty())
        return;
    event->acceptProposedAction();
    for (const QString &folder : folders)
        openRouteFolder(folder);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    for (int index = ui->tabWidget->count() - 1; index >= 0; --index) {
        if (!maybeSaveTab(index)) {
            event->ignore();
            return;
        }
        closeTab(index);
    }
    QSettings settings;
    settings.setValue(QLatin1String(geometryKey), saveGeometry());
    settings.setValue(QLatin1String(windowStateKey), saveState());
    event->accept();
}

void MainWindow::onFrontTabloTypeChanged(FrontTabloType tabloType)
{
    storeTabloType("frontTablo/type", tabloType);
}

void MainWindow::onSideTabloTypeChanged(FrontTabloType tabloType)
{
    storeTabloType("sideTablo/type", tabloType);
}

void MainWindow::onBackTabloTypeChanged(FrontTabloType tabloType)
{
    storeTabloType("backTablo/type", tabloType);
}

void MainWindow::showTabloColorDialog(uint color, const QString &title, const QString &tabloType)
{
    // Only the page that asked hears the answer: another open route may have a board of the
    // same kind, and a colour picked here must not change it.
    QMetaObject::Connection answer;
    if (auto *page = qobject_cast<RouteForm *>(sender()))
        answer = connect(this, &MainWindow::tabloColorDialogResult, page, &RouteForm::onTabloColorDialogResult);
    colorDialog->setRecentColors(basicColors + recentColors);
    colorDialog->setProperty("tabloType", tabloType);
    colorDialog->setWindowTitle(title);
    colorDialog->setColor(color);
    colorDialog->adjustSize();
    colorDialog->exec();
    disconnect(answer);
}

void MainWindow::onTabloColorDlgAccepted()
{
    const uint color = uint(colorDialog->color());
    addRecentColor(color);
    emit tabloColorDialogResult(color, colorDialog->property("tabloType").toString());
}
