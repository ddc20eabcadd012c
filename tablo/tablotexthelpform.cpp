#include "tablotexthelpform.h"
#include "ui_tablotexthelpform.h"

TabloTextHelpForm::TabloTextHelpForm(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::TabloTextHelpForm>())
{
    ui->setupUi(this);
}

// Defined here, where Ui::TabloTextHelpForm is complete, so the unique_ptr can delete it.
TabloTextHelpForm::~TabloTextHelpForm() = default;
