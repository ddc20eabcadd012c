#include "aboutdialog.h"
#include "ui_aboutdialog.h"

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::AboutDialog>())
{
    ui->setupUi(this);
    ui->versionLabel->setText(tr("Версия %1, Qt %2").arg(QStringLiteral(MARVOLT_VERSION), QString::fromLatin1(qVersion())));
}

AboutDialog::~AboutDialog() = default;
