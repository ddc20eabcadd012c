#pragma once

#include "routecheck.h"

#include <QDialog>
#include <QPointer>

#include <memory>

class QTreeWidgetItem;
class RouteForm;

namespace Ui {
class RouteCheckDialog;
}

// The problems the route check found on a route page, one row each. The dialog stays open
// beside the window: activating a row shows its stop and tab on the page.
class RouteCheckDialog : public QDialog
{
    Q_OBJECT

public:
    explicit RouteCheckDialog(QWidget *parent = nullptr);
    ~RouteCheckDialog() override;

    // Lists the problems of page, replacing those shown before.
    void showProblems(RouteForm *page, const QList<RouteProblem> &problems);

private slots:
    void on_problemList_itemActivated(QTreeWidgetItem *item);

private:
    std::unique_ptr<Ui::RouteCheckDialog> ui;
    QPointer<RouteForm> m_page;
    QList<RouteProblem> m_problems;
};
