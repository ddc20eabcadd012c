// The route page's life cycle: building the page, opening and saving the route, undo and redo
// with the place of the change brought back into view, the availability flags, the language
// count and the eight language switches.

#include "routeform.h"
#include "ui_routeform.h"

#include "boardcheck.h"
#include "fronttablowidget.h"
#include "generalcommands.h"
#include "routecheck.h"
#include "routedefaults.h"
#include "routemodel.h"
#include "savequestion.h"
#include "shortcuttooltip.h"
#include "sofitcolormodel.h"
#include "stationcommands.h"
#include "textrules.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QUndoStack>

#include <functional>

RouteForm::RouteForm(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::RouteForm>())
{
    ui->setupUi(this);
    ui->setLocationBtn->setEnabled(false);
    ui->gpsBox->hide();
    for (QWidget *button : {ui->addAdTextFileBtn, ui->upAdTextFileBtn, ui->downAdTextFileBtn, ui->removeAdTextFileBtn,
                            ui->addTextFileBtn, ui->upTextFileBtn, ui->downTextFileBtn, ui->removeTextFileBtn,
                            ui->addSoundFileBtn, ui->upSoundFileBtn, ui->downSoundFileBtn, ui->removeSoundFileBtn})
        button->hide();
    connectEditSignals();
    createLanguageGroups();

    m_watcher = new QFileSystemWatcher(this);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &RouteForm::onDirectoryChange);

    // A larger window gives most of its room to the tabs; the stop list never gets narrower
    // than it takes to tell the stops apart.
    ui->pageSplitter->setStretchFactor(0, 1);
    ui->pageSplitter->setStretchFactor(1, 3);
    ui->stationList->setMinimumWidth(180);
    connect(ui->pageSplitter, &QSplitter::splitterMoved, this, [this] { emit splitterStateChanged(splitterState()); });
    createPageShortcuts();

    m_stationModel = new RouteModel(this);
    ui->stationList->setModel(m_stationModel);
    ui->stationList->header()->setSectionResizeMode(QHeaderView::Stretch);
    ui->stationList->header()->hide();
    connect(ui->stationList->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &RouteForm::onCurrentStationChanged);

    m_sofitColorModel = createSofitColorModel(this);
    for (QComboBox *list : {ui->leftSofitList, ui->rightSofitList}) {
        const QSignalBlocker blocker(list);
        list->setModel(m_sofitColorModel);
    }

    m_undoStack = new QUndoStack(this);
    connect(m_undoStack, &QUndoStack::canRedoChanged, this, &RouteForm::setCanRedo);
    connect(m_undoStack, &QUndoStack::canUndoChanged, this, &RouteForm::setCanUndo);
    connect(m_undoStack, &QUndoStack::cleanChanged, this, &RouteForm::onCleanStateChanged);

    m_player = new SoundPlayer(this);
    connectPlayer();

    ui->frontTabloWdt->setType(m_tabloTypes.front);
    ui->sideTabloWdt->setType(m_tabloTypes.side);
    ui->backTabloWdt->setType(m_tabloTypes.back);
    connect(ui->frontTabloWdt, &FrontTabloWidget::contextMenuRequested, this, &RouteForm::showFrontTabloMenu);
    connect(ui->sideTabloWdt, &FrontTabloWidget::contextMenuRequested, this, &RouteForm::showSideTabloMenu);
    connect(ui->backTabloWdt, &FrontTabloWidget::contextMenuRequested, this, &RouteForm::showBackTabloMenu);

    for (QLineEdit *edit :
         {ui->frontStartingPointEdit, ui->frontDestinationEdit, ui->sideStartingPointEdit, ui->sideDestinationEdit,
          ui->sideSepEdit, ui->backStartingPointEdit, ui->backDestinationEdit})
        edit->installEventFilter(this);
}

// The undo stack, a child of the page, is destroyed only after this destructor, and clearing
// it then emits its signals; they must not reach the slots of a page already taken apart.
RouteForm::~RouteForm()
{
    m_undoStack->disconnect(this);
}

// Typing offers Save and Undo at once, before the finished edit pushes its command.
void RouteForm::connectEditSignals()
{
    for (QLineEdit *edit : {ui->stationWordEdit,        ui->nextWordEdit,          ui->frontNumberEdit,
                            ui->frontStartingPointEdit, ui->frontDestinationEdit,  ui->sideNumberEdit,
                            ui->sideStartingPointEdit,  ui->sideDestinationEdit,   ui->sideSepEdit,
                            ui->backNumberEdit,         ui->backStartingPointEdit, ui->backDestinationEdit,
                            ui->salonTabloOrderEdit,    ui->routeTextEdit,         ui->salonTempEdit,
                            ui->outsideTempEdit,        ui->salonTimeEdit,         ui->stationNameEdit,
                            ui->nextNameEdit,           ui->sideNameEdit,          ui->coordEdit})
        connect(edit, &QLineEdit::textEdited, this, &RouteForm::onTextEdited);
    for (QSpinBox *spin : {ui->sideStationCountSpn, ui->radiusSpn, ui->nextDelaySpn, ui->frontNameTimeSpn,
                           ui->sideNameTimeSpn, ui->backNameTimeSpn})
        connect(spin, QOverload<int>::of(&QSpinBox::valueChanged), this, &RouteForm::onTextEdited);
}

void RouteForm::createLanguageGroups()
{
    m_langCountGroup = new QButtonGroup(this);
    m_langCountGroup->addButton(ui->langCount1Btn, 1);
    m_langCountGroup->addButton(ui->langCount2Btn, 2);
    connect(m_langCountGroup, &QButtonGroup::idClicked, this, &RouteForm::onLangCountClicked);
    connect(m_langCountGroup, &QButtonGroup::idPressed, this, &RouteForm::clearWidgetFocus);

    using Toggle = void (RouteForm::*)(int, bool);
    const struct
    {
        QPushButton *first;
        QPushButton *second;
        Toggle toggled;
    } groups[LanguageGroupCount] = {
        {ui->generalLang1Btn, ui->generalLang2Btn, &RouteForm::onGeneralLangToggled},
        {ui->frontLang1Btn, ui->frontLang2Btn, &RouteForm::onFrontLangToggled},
        {ui->sideLang1Btn, ui->sideLang2Btn, &RouteForm::onSideLangToggled},
        {ui->backLang1Btn, ui->backLang2Btn, &RouteForm::onBackLangToggled},
        {ui->routeTextLang1Btn, ui->routeTextLang2Btn, &RouteForm::onRouteTextLangToggled},
        {ui->salonTempLang1Btn, ui->salonTempLang2Btn, &RouteForm::onSalonTempLangToggled},
        {ui->outsideTempLang1Btn, ui->outsideTempLang2Btn, &RouteForm::onOutsideTempLangToggled},
        {ui->stationLang1Btn, ui->stationLang2Btn, &RouteForm::onStationLangToggled},
    };
    for (int index = 0; index < LanguageGroupCount; ++index) {
        auto *group = new QButtonGroup(this);
        group->addButton(groups[index].first, 0);
        group->addButton(groups[index].second, 1);
        connect(group, &QButtonGroup::idToggled, this, groups[index].toggled);
        // Pressing a language button ends the edit in progress first, in the old language.
        connect(group, &QButtonGroup::idPressed, this, &RouteForm::clearWidgetFocus);
        m_languageGroups[index] = group;
    }
}

bool RouteForm::openRoute(const QString &path)
{
    if (!m_route.load(path)) {
        // Only a folder without a route gets the example content: opening a route that merely
        // failed to read would let the next save overwrite its files with the example, or with
        // defaults.
        const QString unreadable = m_route.unreadableFile();
        if (!unreadable.isEmpty()) {
            QMessageBox::critical(
                this, tr("Приложение"),
                tr("Не удалось прочитать файл %1. Маршрут не открыт.").arg(QDir::toNativeSeparators(unreadable)));
            return false;
        }
        m_route.createNew(path);
    }
    m_stale = {};
    m_currentStation = -1;
    m_lastChange = LastChange();

    m_stationModel->setRoute(&m_route);
    ui->stationList->setCurrentIndex(m_stationModel->routeModelIndex());
    ui->routeTabs->setCurrentIndex(GeneralTab);
    ui->stationTabs->setCurrentIndex(StopTab);
    ui->salonOrderTabs->setCurrentIndex(SalonOrderTab);

    for (int group = 0; group < LanguageGroupCount; ++group)
        selectLanguage(LanguageGroup(group), 0);
    applyLanguageCount(m_route.hasSecondLanguage() ? 2 : 1);
    fillBoardTabs();

    const bool changed = decideNextSeparate();
    setCanSave(changed);

    watchFolders();
    refreshStopFileLists();
    showAdFolder();
    fillFileList(AdTextFiles);

    // A route without editor.ini gets one with the types it opened with. The example content
    // of a folder without a route leaves the folder alone until the user saves.
    if (!m_tabloTypes.read(path) && QFileInfo::exists(m_route.filePath(RouteData::StationListFile)))
        m_tabloTypes.write(path);
    ui->frontTabloWdt->setType(m_tabloTypes.front);
    ui->sideTabloWdt->setType(m_tabloTypes.side);
    ui->backTabloWdt->setType(m_tabloTypes.back);
    updateFrontTablo();
    updateSideTablo();
    updateBackTablo();
    return true;
}

// The last stop of each direction announces no next stop.
bool RouteForm::hasSuccessor(int station) const
{
    return station != m_route.stationCount() - 1 && station != m_route.backStationIndex() - 1;
}

// A route stores its next-stop announcements either on every stop or as list entries of their
// own. The files do not say which; the texts mostly do, and the user is asked when they
// disagree. Returns whether the route had to be changed to fit the answer.
bool RouteForm::decideNextSeparate()
{
    const int count = m_route.stationCount();
    bool anyNextText = false;
    bool everySuccessorAnnounced = true;
    for (int index = 0; index < count; ++index) {
        const Station *station = m_route.stationAt(index);
        for (int language = 0; language < 2; ++language) {
            const bool empty = station->nextName[language].isEmpty();
            anyNextText = anyNextText || !empty;
            if (empty && language < m_langCount && hasSuccessor(index))
                everySuccessorAnnounced = false;
        }
    }

    bool separate;
    if (count >= 2 && m_route.stationAt(0)->nextName[0].isEmpty()) {
        if (!anyNextText) {
            setNextSeparate(true);
            return false;
        }
        separate = askNextSeparate(true);
    } else {
        if (everySuccessorAnnounced) {
            setNextSeparate(false);
            return false;
        }
        separate = askNextSeparate(false);
    }
    setNextSeparate(separate);
    return separate ? clearNextTexts() : fillNextTexts();
}

bool RouteForm::askNextSeparate(bool proposeSeparate)
{
    QMessageBox box(QMessageBox::Question, tr("Приложение"), tr("Маршрут с отдельным объявлением следующей остановки?"),
                    QMessageBox::NoButton, this);
    QPushButton *yes = box.addButton(tr("Да"), QMessageBox::AcceptRole);
    QPushButton *no = box.addButton(tr("Нет"), QMessageBox::RejectRole);
    QPushButton *proposed = proposeSeparate ? yes : no;
    box.setDefaultButton(proposed);
    // Closing the box takes the proposed answer.
    box.setEscapeButton(proposed);
    box.exec();
    return box.clickedButton() == yes;
}

bool RouteForm::clearNextTexts()
{
    bool changed = false;
    for (int index = 0; index < m_route.stationCount(); ++index) {
        for (QString &text : m_route.stationAt(index)->nextName) {
            changed = changed || !text.isEmpty();
            text.clear();
        }
    }
    return changed;
}

bool RouteForm::fillNextTexts()
{
    bool changed = false;
    if (m_route.nextWord(0).isEmpty()) {
        m_route.setNextWord(0, defaultNextWord());
        fillGeneralTab();
        changed = true;
    }
    for (int index = 0; index < m_route.stationCount(); ++index) {
        if (!hasSuccessor(index))
            continue;
        Station *station = m_route.stationAt(index);
        for (int language = 0; language < m_langCount; ++language) {
            if (station->nextName[language].isEmpty()) {
                station->nextName[language]
                    = m_route.toNextText(language, m_route.stationAt(index + 1)->name[language]);
                changed = true;
            }
        }
    }
    return changed;
}

bool RouteForm::saveRoute()
{
    clearWidgetFocus();
    if (!confirmLostTexts() || !confirmOverwrite())
        return false;
    if (!m_route.save()) {
        QMessageBox::critical(this, tr("Приложение"), tr("Ошибка сохранения маршрута!"));
        return false;
    }
    setCanSave(false);
    m_undoStack->setClean();
    // A new route gets its editor.ini with its first save.
    if (!QFileInfo::exists(m_route.folder() + QLatin1String("/editor.ini")))
        m_tabloTypes.write(m_route.folder());
    return true;
}

// Texts the files cannot carry as typed (a stop named "END…", a separator inside a text) would
// come back changed at the next opening: the user says whether to save them all the same.
bool RouteForm::confirmLostTexts()
{
    const QList<RouteProblem> problems = checkSavedTexts(m_route, isNextSeparate());
    if (problems.isEmpty())
        return true;
    QStringList details;
    for (const RouteProblem &problem : problems)
        details.append(problem.station < 0 ? problem.message
                                           : tr("Остановка %1: %2").arg(problem.station + 1).arg(problem.message));
    return askToConfirmSave(this, tr("Некоторые тексты не сохранятся так, как введены. Сохранить всё равно?"),
                            tr("Сохранить"), details);
}

// Files another program or another page of this folder changed since this page read or wrote
// them would be overwritten by this page's older copy: the user says whether to.
bool RouteForm::confirmOverwrite()
{
    const QStringList changed = m_route.changedOnDisk();
    return changed.isEmpty()
        || askToConfirmSave(
               this, tr("Файлы маршрута изменены на диске: %1. Перезаписать?").arg(changed.join(QLatin1String(", "))),
               tr("Перезаписать"));
}

void RouteForm::undo()
{
    clearWidgetFocus();
    m_stale = {};
    m_undoStack->undo();
    showLastChange();
    repaintStalePreviews();
}

void RouteForm::redo()
{
    clearWidgetFocus();
    m_stale = {};
    m_undoStack->redo();
    showLastChange();
    repaintStalePreviews();
}

void RouteForm::showLastChange()
{
    showStation(m_lastChange.station);
    ui->routeTabs->setCurrentIndex(m_lastChange.routeTab);
    ui->stationTabs->setCurrentIndex(m_lastChange.stationTab);
    ui->salonOrderTabs->setCurrentIndex(m_lastChange.salonTab);
    for (int group = 0; group < LanguageGroupCount; ++group)
        selectLanguage(LanguageGroup(group), m_lastChange.languages[group]);
    ui->soundFileList->setCurrentRow(m_lastChange.fileRows[SoundFiles]);
    ui->textFileList->setCurrentRow(m_lastChange.fileRows[TextFiles]);
    ui->adTextFileList->setCurrentRow(m_lastChange.fileRows[AdTextFiles]);
}

void RouteForm::pushCommand(QUndoCommand *command, std::optional<OutsideBoard> shown)
{
    m_stale = {};
    m_undoStack->push(command);
    if (shown)
        m_stale[int(*shown)] = false;
    repaintStalePreviews();
}

void RouteForm::pushMacro(QUndoCommand *command)
{
    if (command->childCount() > 0)
        pushCommand(command);
    else
        delete command;
}

void RouteForm::repaintStalePreviews()
{
    if (m_stale[int(OutsideBoard::Front)])
        updateFrontTablo();
    if (m_stale[int(OutsideBoard::Side)])
        updateSideTablo();
    if (m_stale[int(OutsideBoard::Back)])
        updateBackTablo();
    m_stale = {};
}

void RouteForm::onCleanStateChanged(bool cleanState)
{
    setCanSave(!cleanState);
}

void RouteForm::setCanSave(bool canSave)
{
    if (canSave == m_canSave)
        return;
    m_canSave = canSave;
    emit canSaveChanged(canSave);
}

void RouteForm::setCanUndo(bool canUndo)
{
    if (canUndo == m_canUndo)
        return;
    m_canUndo = canUndo;
    emit canUndoChanged(canUndo);
}

void RouteForm::setCanRedo(bool canRedo)
{
    if (canRedo == m_canRedo)
        return;
    m_canRedo = canRedo;
    emit canRedoChanged(canRedo);
}

// A finished edit: the trimmed text, and whether it differs from stored. An unchanged text is
// put back trimmed, and Undo and Redo go back to what the stack offers, which typing changed.
bool RouteForm::finishEdit(QLineEdit *edit, const QString &stored, QString &text)
{
    text = edit->text().trimmed();
    if (edit->isModified() && text != stored)
        return true;
    if (edit->isModified())
        edit->setText(text);
    restoreUndoFlags();
    return false;
}

bool RouteForm::spinChanged(const QSpinBox *spin, int stored)
{
    return spin->value() != qBound(spin->minimum(), stored, spin->maximum());
}

void RouteForm::restoreUndoFlags()
{
    setCanUndo(m_undoStack->canUndo());
    setCanRedo(m_undoStack->canRedo());
}

// An edit being typed is a change the user can save or take back, though nothing is pushed
// until the edit is finished.
void RouteForm::onTextEdited()
{
    setCanSave(true);
    setCanUndo(true);
    setCanRedo(false);
}

// Leaving the focused edit finishes its editing, so a pending change is pushed first.
void RouteForm::clearWidgetFocus()
{
    if (QWidget *focused = QApplication::focusWidget())
        focused->clearFocus();
}

// Keys that work anywhere on the page, whichever widget has the focus: Ctrl+PgDown and Ctrl+PgUp
// walk the tabs shown, Alt+Down and Alt+Up the stop list.
void RouteForm::createPageShortcuts()
{
    const struct
    {
        const char *name;
        QString toolTip;
        QKeySequence keys;
        std::function<void()> run;
    } shortcuts[] = {
        {"nextTabAction", tr("Следующая вкладка"), QKeySequence(Qt::CTRL | Qt::Key_PageDown),
         [this] { showNeighbourTab(1); }},
        {"previousTabAction", tr("Предыдущая вкладка"), QKeySequence(Qt::CTRL | Qt::Key_PageUp),
         [this] { showNeighbourTab(-1); }},
        {"nextStationAction", tr("Следующая остановка списка"), QKeySequence(Qt::ALT | Qt::Key_Down),
         [this] { selectNeighbourEntry(1); }},
        {"previousStationAction", tr("Предыдущая остановка списка"), QKeySequence(Qt::ALT | Qt::Key_Up),
         [this] { selectNeighbourEntry(-1); }},
    };
    for (const auto &shortcut : shortcuts) {
        auto *action = new QAction(shortcut.toolTip, this);
        action->setObjectName(QLatin1String(shortcut.name));
        action->setShortcut(shortcut.keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        showShortcutInToolTip(action);
        connect(action, &QAction::triggered, this, shortcut.run);
        addAction(action);
    }
}

void RouteForm::showNeighbourTab(int step)
{
    QTabWidget *tabs = ui->rightStack->currentWidget() == ui->routePage ? ui->routeTabs : ui->stationTabs;
    tabs->setCurrentIndex((tabs->currentIndex() + step + tabs->count()) % tabs->count());
}

QByteArray RouteForm::splitterState() const
{
    return ui->pageSplitter->saveState();
}

void RouteForm::restoreSplitterState(const QByteArray &state)
{
    m_splitterPlaced = ui->pageSplitter->restoreState(state);
}

// Until the user places the splitter, the stop list takes a quarter of the page as first shown:
// the tabs' own wish is far wider and would leave the list at its narrowest.
void RouteForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_splitterPlaced)
        return;
    m_splitterPlaced = true;
    ui->pageSplitter->setSizes({width() / 4, width() - width() / 4});
}

void RouteForm::onLangCountClicked(int id)
{
    if (id == m_langCount)
        return;
    auto *command = new QUndoCommand;
    for (int language = id; language < m_langCount; ++language)
        emptyLanguage(language, command);
    new SetLangCountCmd(this, id, command);
    pushCommand(command);
}

// Adds to parent the commands that empty every text of language.
void RouteForm::emptyLanguage(int language, QUndoCommand *parent)
{
    const RouteData &route = m_route;
    if (!route.stationWord(language).isEmpty())
        new SetStationWordCommand(this, language, QString(), parent);
    if (!route.nextWord(language).isEmpty())
        new SetNextWordCommand(this, language, QString(), parent);
    emptyBoardTexts(language, parent);
    for (int index = 0; index < route.stationCount(); ++index) {
        const Station *station = route.stationAt(index);
        if (!station->name[language].isEmpty())
            new SetStationNameCmd(this, index, language, QString(), parent);
        if (!station->nextName[language].isEmpty())
            new SetStationNextNameCmd(this, index, language, QString(), parent);
        if (!station->sideName[language].isEmpty())
            new SetStationSideNameCmd(this, index, language, QString(), parent);
    }
}

void RouteForm::setLangCount(int count)
{
    applyLanguageCount(count);
    for (int &language : m_lastChange.languages) {
        if (language >= count)
            language = 0;
    }
    markRouteChange(GeneralTab);
}

void RouteForm::applyLanguageCount(int count)
{
    m_langCountGroup->button(count)->setChecked(true);
    m_langCount = count;
    for (int group = 0; group < LanguageGroupCount; ++group) {
        if (language(LanguageGroup(group)) >= count)
            selectLanguage(LanguageGroup(group), 0);
    }
    for (QWidget *widget : {ui->generalLangWdt, ui->frontLangWdt, ui->sideLangWdt, ui->backLangWdt,
                            ui->routeTextLangWdt, ui->salonTempLangWdt, ui->outsideTempLangWdt, ui->stationLangWdt})
        widget->setVisible(count > 1);
}

int RouteForm::language(LanguageGroup group) const
{
    return qMax(m_languageGroups[group]->checkedId(), 0);
}

void RouteForm::selectLanguage(LanguageGroup group, int language)
{
    m_languageGroups[group]->button(language)->setChecked(true);
}

void RouteForm::onGeneralLangToggled(int id, bool checked)
{
    if (checked)
        fillGeneralTab();
    Q_UNUSED(id)
}

void RouteForm::onFrontLangToggled(int id, bool checked)
{
    if (!checked)
        return;
    fillFrontTab();
    ui->frontTabloWdt->setFirstLanguage(id > 0);
    ui->frontTabloWdt->refresh();
}

void RouteForm::onSideLangToggled(int id, bool checked)
{
    if (!checked)
        return;
    fillSideTab();
    ui->sideTabloWdt->setFirstLanguage(id > 0);
    ui->sideTabloWdt->refresh();
}

void RouteForm::onBackLangToggled(int id, bool checked)
{
    if (!checked)
        return;
    fillBackTab();
    ui->backTabloWdt->setFirstLanguage(id > 0);
    ui->backTabloWdt->refresh();
}

void RouteForm::onRouteTextLangToggled(int id, bool checked)
{
    if (checked)
        fillSalonTab();
    Q_UNUSED(id)
}

void RouteForm::onSalonTempLangToggled(int id, bool checked)
{
    if (checked)
        fillSalonTab();
    Q_UNUSED(id)
}

void RouteForm::onOutsideTempLangToggled(int id, bool checked)
{
    if (checked)
        fillSalonTab();
    Q_UNUSED(id)
}

void RouteForm::onStationLangToggled(int id, bool checked)
{
    if (checked && m_route.isValidStationIndex(m_currentStation))
        showStationTexts(m_currentStation, id);
}

void RouteForm::markRouteChange(RouteTab tab)
{
    m_lastChange.station = -1;
    m_lastChange.routeTab = tab;
}

void RouteForm::markLanguageChange(RouteTab tab, LanguageGroup group, int language)
{
    markRouteChange(tab);
    m_lastChange.languages[group] = language;
}

void RouteForm::markSalonChange(RunningLineTab tab, LanguageGroup group, int language)
{
    markRouteChange(SalonTab);
    m_lastChange.salonTab = tab;
    if (group != LanguageGroupCount)
        m_lastChange.languages[group] = language;
}

void RouteForm::markStationChange(int station, StationTab tab)
{
    m_lastChange.station = station;
    m_lastChange.stationTab = tab;
}

QList<RouteProblem> RouteForm::checkRoute()
{
    clearWidgetFocus();
    return checkRouteAndBoards(m_route, m_tabloTypes, isNextSeparate());
}

// A problem of a stop shows the tab of what it is about; one of the route shows the tab of
// the file it is in.
void RouteForm::showProblem(const RouteProblem &problem)
{
    const QString code = problem.code;
    showStation(problem.station);
    if (problem.station >= 0) {
        StationTab tab = StopTab;
        if (code == QLatin1String("missing-file"))
            tab = fileKind(problem.file) == SoundFile ? SoundTab : TextTab;
        else if (problem.file == RouteData::fileName(RouteData::CoordinatesFile))
            tab = CoordinateTab;
        ui->stationTabs->setCurrentIndex(tab);
        if (problem.language >= 0 && problem.language < m_langCount)
            selectLanguage(StationLanguage, problem.language);
        return;
    }
    const struct
    {
        OutsideBoard board;
        RouteTab tab;
        LanguageGroup language;
    } boards[] = {{OutsideBoard::Front, FrontTab, FrontLanguage},
                  {OutsideBoard::Side, SideTab, SideLanguage},
                  {OutsideBoard::Back, BackTab, BackLanguage}};
    ui->routeTabs->setCurrentIndex(GeneralTab);
    for (const auto &board : boards) {
        if (problem.file == RouteData::fileName(RouteData::boardFile(board.board))
            && code != QLatin1String("ignored-line") && code != QLatin1String("legacy-encoding")) {
            ui->routeTabs->setCurrentIndex(board.tab);
            if (problem.language >= 0 && problem.language < m_langCount)
                selectLanguage(board.language, problem.language);
        }
    }
    if (problem.file == RouteData::fileName(RouteData::ScriptFile) && code != QLatin1String("legacy-encoding"))
        ui->routeTabs->setCurrentIndex(SalonTab);
    if (code == QLatin1String("missing-ad-folder") || (code == QLatin1String("missing-file") && problem.station < 0)
        || problem.file == RouteData::fileName(RouteData::AdTextsFile)) {
        ui->routeTabs->setCurrentIndex(SalonTab);
        ui->salonOrderTabs->setCurrentIndex(AdTab);
    }
}
