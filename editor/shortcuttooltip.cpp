#include "shortcuttooltip.h"

#include <QAction>

void showShortcutInToolTip(QAction *action)
{
    if (action->shortcut().isEmpty())
        return;
    action->setToolTip(
        QStringLiteral("%1 (%2)").arg(action->toolTip(), action->shortcut().toString(QKeySequence::NativeText)));
}
