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

bool askToConfirmSave(QWidget *parent, const QString &question, const QString &proceed, const QStringList &details)
{
    // Enough lines to see what is meant; a long list would push the buttons off the screen.
    const int shown = 10;
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("SaveQuestion", "Сохранение изменений"), question,
                    QMessageBox::NoButton, parent);
    box.setInformativeText(details.mid(0, shown).join(QLatin1Char('\n'))
                           + (details.size() > shown ? QStringLiteral("\n…") : QString()));
    if (details.size() > shown)
        box.setDetailedText(details.join(QLatin1Char('\n')));
    QPushButton *proceedButton = box.addButton(proceed, QMessageBox::AcceptRole);
    QPushButton *cancelButton
        = box.addButton(QCoreApplication::translate("SaveQuestion", "Отмена"), QMessageBox::RejectRole);
    box.setDefaultButton(cancelButton);
    box.setEscapeButton(cancelButton);
    box.exec();
    return box.clickedButton() == proceedButton;
}
