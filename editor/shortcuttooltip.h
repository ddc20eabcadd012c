#pragma once

class QAction;

// Adds the action's shortcut to its tool tip, "Сохранить изменения (Ctrl+S)", in the form the
// desktop shows shortcuts, so that every shortcut can be found by pointing at its action.
void showShortcutInToolTip(QAction *action);
