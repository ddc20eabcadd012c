#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// Asks whether to save the changes question speaks of, before they would be lost: "Сохранить"
// runs save and answers whether it succeeded, "Не сохранять" answers true, "Отмена" and
// closing the box answer false.
bool askToSaveChanges(QWidget *parent, const QString &question, const std::function<bool()> &save);

// Asks question before a save that needs the user's word, listing details (the first few in the
// box, all of them behind its details button): the button proceed answers true; "Отмена", the
// default and escape button, and closing the box answer false.
bool askToConfirmSave(QWidget *parent, const QString &question, const QString &proceed,
                      const QStringList &details = QStringList());
