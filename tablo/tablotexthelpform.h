#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TabloTextHelpForm;
}

// Lists the inline commands (font, effect, display time) that the on-board unit reads in
// running-line texts. The editor stores those commands as typed, so this list is all the
// help the user gets; the route page shows one beside each message editor.
class TabloTextHelpForm : public QWidget
{
    Q_OBJECT

public:
    explicit TabloTextHelpForm(QWidget *parent = nullptr);
    ~TabloTextHelpForm() override;

private:
    std::unique_ptr<Ui::TabloTextHelpForm> ui;
};
