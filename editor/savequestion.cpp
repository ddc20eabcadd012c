#include "savequestion.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

bool askToSaveChanges(QWidget *parent, const QString &question, const std::function<bool()> &save)
{
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("SaveQuestion", "Сохранение изменений"), question,
                    QMessageBox::NoButton, parent);
    QPushButton *saveButton
        = box.addButton(QCoreApplication::translate("SaveQuestion", "Сохранить"), QMessageBox::AcceptRole);
    QPushButton *discardButton
        = box.addButton(QCoreApplication::translate("SaveQuestion", "Не сохранять"), QMessageBox::AcceptRole);
    QPushButton *cancelButton
        = box.addButton(QCoreApplication::translate("SaveQuestion", "Отмена"), QMessageBox::RejectRole);
    box.setDefaultButton(saveButton);
    box.setEscapeButton(cancelButton);
    box.exec();
    if (box.clickedButton() == saveButton)
        return save();
    return box.clickedButton() == discardButton;
}
