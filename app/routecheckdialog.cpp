#include "routecheckdialog.h"
#include "ui_routecheckdialog.h"

#include "routeform.h"

#include <QStyle>

namespace {

QString severityText(RouteProblem::Severity severity)
{
    switch (severity) {
    case RouteProblem::Error:
        return RouteCheckDialog::tr("Ошибка");
    case RouteProblem::Warning:
        return RouteCheckDialog::tr("Предупреждение");
    case RouteProblem::Info:
        break;
    }
    return RouteCheckDialog::tr("Сведения");
}

QStyle::StandardPixmap severityIcon(RouteProblem::Severity severity)
{
    switch (severity) {
    case RouteProblem::Error:
        return QStyle::SP_MessageBoxCritical;
    case RouteProblem::Warning:
        return QStyle::SP_MessageBoxWarning;
    case RouteProblem::Info:
        break;
    }
    return QStyle::SP_MessageBoxInformation;
}

} // namespace

RouteCheckDialog::RouteCheckDialog(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::RouteCheckDialog>())
{
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

RouteCheckDialog::~RouteCheckDialog() = default;

void RouteCheckDialog::showProblems(RouteForm *page, const QList<RouteProblem> &problems)
{
    m_page = page;
    m_problems = problems;
    ui->problemList->clear();
    int counts[3] = {0, 0, 0};
    for (const RouteProblem &problem : problems) {
        ++counts[problem.severity];
        auto *item = new QTreeWidgetItem(ui->problemList);
        item->setIcon(0, style()->standardIcon(severityIcon(problem.severity)));
        item->setText(0, severityText(problem.severity));
        item->setText(1, problem.station >= 0 ? QString::number(problem.station + 1) : QString());
        item->setText(2, problem.message);
        item->setToolTip(2, problem.code + QLatin1String(", ") + problem.file);
    }
    // The level and the stop whole; the message takes the rest and shows whole when widened.
    ui->problemList->resizeColumnToContents(0);
    ui->problemList->resizeColumnToContents(1);
    ui->summaryLabel->setText(problems.isEmpty() ? tr("Проблем не найдено.")
                                                 : tr("Ошибок: %1, предупреждений: %2, сведений: %3.")
                                                       .arg(counts[RouteProblem::Error])
                                                       .arg(counts[RouteProblem::Warning])
                                                       .arg(counts[RouteProblem::Info]));
}

void RouteCheckDialog::on_problemList_itemActivated(QTreeWidgetItem *item)
{
    const int row = ui->problemList->indexOfTopLevelItem(item);
    if (m_page && row >= 0 && row < m_problems.size())
        m_page->showProblem(m_problems.at(row));
}
