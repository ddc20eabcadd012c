#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

// Answers the modal message boxes a test provokes, in order, by clicking the button with the
// given text, and records the text of each box it answered.
class MessageBoxAnswerer : public QObject
{
public:
    explicit MessageBoxAnswerer(const QStringList &answers)
        : m_answers(answers)
    {
        connect(&m_timer, &QTimer::timeout, this, &MessageBoxAnswerer::answer);
        m_timer.start(10);
    }

    QStringList seenTexts() const { return m_seenTexts; }
    bool allAnswered() const { return m_answers.isEmpty(); }

private:
    void answer()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || m_answers.isEmpty())
            return;
        const QString wanted = m_answers.takeFirst();
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == wanted) {
                m_seenTexts.append(box->text());
                button->click();
                return;
            }
        }
        qWarning("no button %s in the message box \"%s\"", qPrintable(wanted), qPrintable(box->text()));
        box->reject();
    }

    QStringList m_answers;
    QStringList m_seenTexts;
    QTimer m_timer;
};
