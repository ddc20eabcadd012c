#pragma once

#include "editorini.h"
#include "fronttablotype.h"
#include "routedata.h"

#include <QWidget>

#include <memory>

class QMediaPlayer;
class QUndoCommand;
class QUndoStack;
class RouteModel;

namespace Ui {
class RouteForm;
}

// The editor page of one route folder: owns the route, its stop list model, its undo stack
// and its sound player, and tells the main window whether Save, Undo and Redo are possible.
// Undo commands change the route only through the page operations below, which also bring
// the widgets up to date and remember where the change happened.
class RouteForm : public QWidget
{
    Q_OBJECT

public:
    // The route tabs, in their order on the page.
    enum RouteTab { GeneralTab, FrontTab, SideTab, BackTab, SalonTab };

    explicit RouteForm(QWidget *parent = nullptr);
    ~RouteForm() override;

    const RouteData &route() const { return m_route; }
    bool canSave() const { return m_canSave; }
    bool canUndo() const { return m_canUndo; }
    bool canRedo() const { return m_canRedo; }

    FrontTabloType frontTabloType() const { return m_tabloTypes.front; }
    FrontTabloType sideTabloType() const { return m_tabloTypes.side; }
    FrontTabloType backTabloType() const { return m_tabloTypes.back; }
    void setFrontTabloType(FrontTabloType type);
    void setSideTabloType(FrontTabloType type);
    void setBackTabloType(FrontTabloType type);

    // Page operations of the undo commands.
    void setFrontNumberColor(int color);
    void setFrontStartColor(int color);
    void setFrontDestColor(int color);
    void setSideNumberColor(int color);
    void setSideStartColor(int color);
    void setSideDestColor(int color);
    void setBackNumberColor(int color);
    void setBackStartColor(int color);
    void setBackDestColor(int color);
    void setSalonColor(int color);

public slots:
    // Opens the route folder at path; a folder without a readable station list opens with
    // the example content, which is written only when the user saves.
    void openRoute(const QString &path);
    // Saves every file of the route; tells the user when that fails. True when saved.
    bool saveRoute();
    void undo();
    void redo();
    void stopPlaying();
    // Applies a colour picked in the colour dialog to the board named by tabloType
    // ("front", "side", "back" or "salon").
    void onTabloColorDialogResult(uint color, const QString &tabloType);

signals:
    void canSaveChanged(bool canSave);
    void canUndoChanged(bool canUndo);
    void canRedoChanged(bool canRedo);
    void frontTabloTypeChanged(FrontTabloType type);
    void sideTabloTypeChanged(FrontTabloType type);
    void backTabloTypeChanged(FrontTabloType type);
    void showTabloColorDialog(uint color, const QString &title, const QString &tabloType);

private slots:
    void on_frontColorBtn_clicked();
    void on_sideColorBtn_clicked();
    void on_backColorBtn_clicked();
    void on_salonColorBtn_clicked();
    void onCleanStateChanged(bool cleanState);
    void setCanSave(bool canSave);
    void setCanUndo(bool canUndo);
    void setCanRedo(bool canRedo);

private:
    // Where the most recent command changed something, so that undo and redo can bring that
    // place back into view.
    struct LastChange {
        int station = -1;
        RouteTab routeTab = GeneralTab;
    };

    void fillColorButtons();
    void markRouteChange(RouteTab tab);
    void showLastChange();
    void clearFocus();
    // Pushes command when it has children, else discards it: a colour pick that changes
    // nothing leaves the history alone.
    void pushMacro(QUndoCommand *command);
    void pushBoardColors(RouteTab board, int color, QUndoCommand *parent);

    RouteData m_route;
    std::unique_ptr<Ui::RouteForm> ui;
    RouteModel *m_stationModel;
    QUndoStack *m_undoStack;
    QMediaPlayer *m_player;
    LastChange m_lastChange;
    EditorIni m_tabloTypes;
    bool m_canSave = false;
    bool m_canUndo = false;
    bool m_canRedo = false;
};
