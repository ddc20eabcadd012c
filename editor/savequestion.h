#pragma once

#include <QString>

#include <functional>

class QWidget;

// Asks whether to save the changes question speaks of, before they would be lost: "Сохранить"
// runs save and answers whether it succeeded, "Не сохранять" answers true, "Отмена" and
// closing the box answer false.
bool askToSaveChanges(QWidget *parent, const QString &question, const std::function<bool()> &save);
