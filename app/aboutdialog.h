#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class AboutDialog;
}

// The about box: program name, version, purpose and the project's address.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);
    ~AboutDialog() override;

private:
    std::unique_ptr<Ui::AboutDialog> ui;
};
