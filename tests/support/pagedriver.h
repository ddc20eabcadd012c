#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QtTest>

// Drives a route page the way a user does: its tabs are opened to reach a widget, text is
// typed key by key (Cyrillic included, which QTest::keyClicks cannot type) and edits are left
// so that their editing finishes.
namespace PageDriver {

// Shows page as the active window, so that its widgets take the keyboard focus.
inline bool activate(QWidget *page)
{
    page->show();
    QApplication::setActiveWindow(page);
    return QTest::qWaitForWindowActive(page);
}

// Opens the tabs and stack pages that hold widget.
inline void reveal(QWidget *widget)
{
    for (QWidget *child = widget; child->parentWidget(); child = child->parentWidget()) {
        auto *stack = qobject_cast<QStackedWidget *>(child->parentWidget());
        if (!stack)
            continue;
        if (auto *tabs = qobject_cast<QTabWidget *>(stack->parentWidget()))
            tabs->setCurrentWidget(child);
        else
            stack->setCurrentWidget(child);
    }
}

// Types text at the cursor of the focused widget.
inline void typeText(QWidget *widget, const QString &text)
{
    for (const QChar character : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
}

// Replaces the text of edit by typing, without leaving it.
inline void retype(QLineEdit *edit, const QString &text)
{
    reveal(edit);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    typeText(edit, text);
}

// Replaces the text of edit by typing and leaves the edit.
inline void enter(QLineEdit *edit, const QString &text)
{
    retype(edit, text);
    edit->clearFocus();
}

} // namespace PageDriver
