#include "routeform.h"
#include "ui_routeform.h"

#include "boardcolorcommands.h"
#include "routemodel.h"

#include <QApplication>
#include <QMediaPlayer>
#include <QMessageBox>
#include <QUndoStack>

namespace {

QString colorButtonStyle(int color)
{
    return QStringLiteral("border-image: none; background-color: #%1;").arg(uint(color) & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

} // namespace

RouteForm::RouteForm(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::RouteForm>())
    , m_stationModel(new RouteModel(this))
    , m_undoStack(new QUndoStack(this))
    , m_player(new QMediaPlayer(this))
{
    ui->setupUi(this);
    ui->stationList->setModel(m_stationModel);
    m_player->setNotifyInterval(500);
    connect(m_undoStack, &QUndoStack::cleanChanged, this, &RouteForm::onCleanStateChanged);
    connect(m_undoStack, &QUndoStack::canUndoChanged, this, &RouteForm::setCanUndo);
    connect(m_undoStack, &QUndoStack::canRedoChanged, this, &RouteForm::setCanRedo);
}

// The undo stack, a child of the page, is destroyed only after this destructor, and clearing
// it then emits its signals; they must not reach the slots of a page already taken apart.
RouteForm::~RouteForm()
{
    m_undoStack->disconnect(this);
}

void RouteForm::setFrontTabloType(FrontTabloType type)
{
    if (type == m_tabloTypes.front)
        return;
    m_tabloTypes.front = type;
    emit frontTabloTypeChanged(type);
}

void RouteForm::setSideTabloType(FrontTabloType type)
{
    if (type == m_tabloTypes.side)
        return;
    m_tabloTypes.side = type;
    emit sideTabloTypeChanged(type);
}

void RouteForm::setBackTabloType(FrontTabloType type)
{
    if (type == m_tabloTypes.back)
        return;
    m_tabloTypes.back = type;
    emit backTabloTypeChanged(type);
}

void RouteForm::openRoute(const QString &path)
{
    const bool loaded = m_route.load(path);
    if (!loaded)
        m_route.createNew(path);
    m_lastChange = LastChange();
    m_stationModel->setRoute(&m_route);
    ui->stationList->setCurrentIndex(m_stationModel->routeModelIndex());
    ui->routeTabs->setCurrentWidget(ui->generalTab);
    ui->salonOrderTabs->setCurrentWidget(ui->salonTabloOrderTab);
    fillColorButtons();
    setCanSave(false);
    // A route without editor.ini gets one with the types it opened with. The example content
    // of a folder without a route leaves the folder alone until the user saves.
    if (!m_tabloTypes.read(path) && loaded)
        m_tabloTypes.write(path);
}

void RouteForm::fillColorButtons()
{
    ui->frontColorBtn->setStyleSheet(colorButtonStyle(m_route.frontNumberColor()));
    ui->sideColorBtn->setStyleSheet(colorButtonStyle(m_route.sideNumberColor()));
    ui->backColorBtn->setStyleSheet(colorButtonStyle(m_route.backNumberColor()));
    ui->salonColorBtn->setStyleSheet(colorButtonStyle(m_route.salonColor()));
}

void RouteForm::clearFocus()
{
    // Leaving the focused edit finishes its editing, so a pending change is pushed first.
    if (QWidget *focused = QApplication::focusWidget())
        focused->clearFocus();
}

bool RouteForm::saveRoute()
{
    clearFocus();
    if (!m_route.save()) {
        QMessageBox::critical(this, tr("Приложение"), tr("Ошибка сохранения маршрута!"));
        return false;
    }
    setCanSave(false);
    m_undoStack->setClean();
    return true;
}

void RouteForm::undo()
{
    clearFocus();
    m_undoStack->undo();
    showLastChange();
}

void RouteForm::redo()
{
    clearFocus();
    m_undoStack->redo();
    showLastChange();
}

void RouteForm::showLastChange()
{
    const QModelIndex row = m_route.isValidStationIndex(m_lastChange.station)
        ? m_stationModel->stationModelIndex(m_lastChange.station)
        : m_stationModel->routeModelIndex();
    ui->stationList->setCurrentIndex(row);
    ui->routeTabs->setCurrentIndex(m_lastChange.routeTab);
}

void RouteForm::stopPlaying()
{
    m_player->stop();
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

void RouteForm::on_frontColorBtn_clicked()
{
    emit showTabloColorDialog(uint(m_route.frontNumberColor()), tr("Цвет переднего табло"), QStringLiteral("front"));
}

void RouteForm::on_sideColorBtn_clicked()
{
    emit showTabloColorDialog(uint(m_route.sideNumberColor()), tr("Цвет бокового табло"), QStringLiteral("side"));
}

void RouteForm::on_backColorBtn_clicked()
{
    emit showTabloColorDialog(uint(m_route.backNumberColor()), tr("Цвет заднего табло"), QStringLiteral("back"));
}

void RouteForm::on_salonColorBtn_clicked()
{
    emit showTabloColorDialog(uint(m_route.salonColor()), tr("Цвет табло в салоне"), QStringLiteral("salon"));
}

void RouteForm::onTabloColorDialogResult(uint color, const QString &tabloType)
{
    const int rgb = int(color);
    if (tabloType == QLatin1String("front")) {
        auto *command = new QUndoCommand;
        pushBoardColors(FrontTab, rgb, command);
        // Side and back boards that still show the front colour follow it; a board with a
        // colour of its own keeps it.
        if (command->childCount() > 0) {
            if (m_route.sideNumberColor() == m_route.frontNumberColor())
                pushBoardColors(SideTab, rgb, command);
            if (m_route.backNumberColor() == m_route.frontNumberColor())
                pushBoardColors(BackTab, rgb, command);
        }
        pushMacro(command);
    } else if (tabloType == QLatin1String("back")) {
        auto *command = new QUndoCommand;
        pushBoardColors(BackTab, rgb, command);
        pushMacro(command);
    } else if (tabloType == QLatin1String("side")) {
        auto *command = new QUndoCommand;
        pushBoardColors(SideTab, rgb, command);
        pushMacro(command);
    } else if (tabloType == QLatin1String("salon")) {
        if (m_route.salonColor() != rgb)
            m_undoStack->push(new SetSalonColorCmd(this, rgb));
    }
}

void RouteForm::pushBoardColors(RouteTab board, int color, QUndoCommand *parent)
{
    switch (board) {
    case FrontTab:
        if (m_route.frontNumberColor() != color)
            new SetFrontNumberColorCmd(this, color, parent);
        if (m_route.frontStartColor() != color)
            new SetFrontStartColorCmd(this, color, parent);
        if (m_route.frontDestColor() != color)
            new SetFrontDestColorCmd(this, color, parent);
        break;
    case SideTab:
        if (m_route.sideNumberColor() != color)
            new SetSideNumberColorCmd(this, color, parent);
        if (m_route.sideStartColor() != color)
            new SetSideStartColorCmd(this, color, parent);
        if (m_route.sideDestColor() != color)
            new SetSideDestColorCmd(this, color, parent);
        break;
    case BackTab:
        if (m_route.backNumberColor() != color)
            new SetBackNumberColorCmd(this, color, parent);
        if (m_route.backStartColor() != color)
            new SetBackStartColorCmd(this, color, parent);
        if (m_route.backDestColor() != color)
            new SetBackDestColorCmd(this, color, parent);
        break;
    default:
        break;
    }
}

void RouteForm::pushMacro(QUndoCommand *command)
{
    if (command->childCount() > 0)
        m_undoStack->push(command);
    else
        delete command;
}

void RouteForm::markRouteChange(RouteTab tab)
{
    m_lastChange.station = -1;
    m_lastChange.routeTab = tab;
}

void RouteForm::setFrontNumberColor(int color)
{
    m_route.setFrontNumberColor(color);
    ui->frontColorBtn->setStyleSheet(colorButtonStyle(color));
    markRouteChange(FrontTab);
}

void RouteForm::setFrontStartColor(int color)
{
    m_route.setFrontStartColor(color);
    markRouteChange(FrontTab);
}

void RouteForm::setFrontDestColor(int color)
{
    m_route.setFrontDestColor(color);
    markRouteChange(FrontTab);
}

void RouteForm::setSideNumberColor(int color)
{
    m_route.setSideNumberColor(color);
    ui->sideColorBtn->setStyleSheet(colorButtonStyle(color));
    markRouteChange(SideTab);
}

void RouteForm::setSideStartColor(int color)
{
    m_route.setSideStartColor(color);
    markRouteChange(SideTab);
}

void RouteForm::setSideDestColor(int color)
{
    m_route.setSideDestColor(color);
    markRouteChange(SideTab);
}

void RouteForm::setBackNumberColor(int color)
{
    m_route.setBackNumberColor(color);
    ui->backColorBtn->setStyleSheet(colorButtonStyle(color));
    markRouteChange(BackTab);
}

void RouteForm::setBackStartColor(int color)
{
    m_route.setBackStartColor(color);
    markRouteChange(BackTab);
}

void RouteForm::setBackDestColor(int color)
{
    m_route.setBackDestColor(color);
    markRouteChange(BackTab);
}

void RouteForm::setSalonColor(int color)
{
    m_route.setSalonColor(color);
    ui->salonColorBtn->setStyleSheet(colorButtonStyle(color));
    markRouteChange(SalonTab);
}
