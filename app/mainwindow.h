#pragma once

#include "fronttablotype.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <memory>

class QAction;
class QMenu;
class RouteCheckDialog;
class RouteForm;
class TabloColorDialog;

namespace Ui {
class MainWindow;
}

// The one window of the program: a tab per open route folder, the tool bar whose Save, Undo
// and Redo act on the current tab, the recently opened folders and the colour dialog that
// every route page shares.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Opens path in a new tab and records it as the most recent folder; a route that cannot be
    // read is reported and gets no tab. A folder without a route that holds route folders may
    // open them all instead, when the user wants.
    void openRouteFolder(const QString &path);
    // Opens each of paths that is a folder, as if chosen in the folder dialog, and returns
    // the others.
    QStringList openRouteFolders(const QStringList &paths);

signals:
    void tabloColorDialogResult(uint color, const QString &tabloType);

public slots:
    void showTabloColorDialog(uint color, const QString &title, const QString &tabloType);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private slots:
    void on_saveAction_triggered();
    void on_undoAction_triggered();
    void on_redoAction_triggered();
    void on_aboutAction_triggered();
    void on_checkAction_triggered();
    void on_tabWidget_tabCloseRequested(int index);
    void on_tabWidget_currentChanged(int index);
    void on_closeTabAction_triggered();
    void on_nextRouteAction_triggered();
    void on_previousRouteAction_triggered();
    void onRecentMenuClicked(QAction *action);
    void onRecentMenuAboutToShow();
    void onOpenBtnClicked();
    void onImportGtfsTriggered();
    void onFrontTabloTypeChanged(FrontTabloType tabloType);
    void onSideTabloTypeChanged(FrontTabloType tabloType);
    void onBackTabloTypeChanged(FrontTabloType tabloType);
    void onTabloColorDlgAccepted();

private:
    void createOpenButton();
    void createWindowShortcuts();
    void restoreWindowState();
    QSize firstSize();
    void showRouteInTitle();
    bool openDepot(const QString &path);
    void importAllGtfsRoutes(const QString &feed);
    bool askYesNo(const QString &question);
    QString startFolder() const;
    void addRecentRoute(const QString &path);
    void removeRecentRoute(const QString &path);
    void addRecentColor(uint color);
    // True when the tab may close: its route is unchanged, saved, or the user lets it go.
    bool maybeSaveTab(int index);
    void closeTab(int index);

    std::unique_ptr<Ui::MainWindow> ui;
    QPointer<RouteForm> currentRoutePage;
    QMenu *recentMenu;
    QAction *importGtfsAction;
    TabloColorDialog *colorDialog;
    RouteCheckDialog *checkDialog;
    QString lastRoutePath;
    const QList<uint> basicColors;
    QList<uint> recentColors;
    static constexpr int maxRecentColors = 5;
    static constexpr int maxRecentRoutes = 10;
};
