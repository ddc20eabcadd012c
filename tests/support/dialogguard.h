#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QtTest>

#include <functional>

// Answers the modal dialogs and popup menus a test provokes, so that no test ever waits on a
// window nobody answers. One guard lives on the stack of a test function (or from init() to
// cleanup()), and its timer goes with it.
//
// Expected dialogs are named in order by type and, optionally, by text (a message box's text,
// an input dialog's label, or else the window title) and answered by a handler. Any other modal
// or popup is closed at once and recorded; a handler that cannot answer yet is asked again until
// the dialog has been open for `deadline` ms, and then it too is closed and recorded. When the
// guard goes, the test fails naming every dialog it did not expect and every expected one that
// never showed.
class DialogGuard : public QObject
{
public:
    // Answers a dialog; false when it is not ready yet and should be asked again.
    using Handler = std::function<bool(QWidget *)>;
    static constexpr int deadline = 5000;

    DialogGuard()
    {
        // Qt's own dialogs, never the desktop's, which a test could not reach.
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        connect(&m_timer, &QTimer::timeout, this, &DialogGuard::look);
        m_timer.start(10);
    }

    ~DialogGuard() override
    {
        m_timer.stop();
        QStringList faults = m_unexpected;
        for (const Expected &expected : m_expected)
            faults.append(QStringLiteral("expected %1 \"%2\" never showed").arg(expected.type, expected.text));
        if (faults.isEmpty())
            return;
        const QByteArray message = "dialogs: " + faults.join(QLatin1String("; ")).toUtf8();
        // A test that failed already keeps its first failure; the dialogs are still named.
        if (QTest::currentTestFailed())
            qWarning("%s", message.constData());
        else
            QTest::qFail(message.constData(), __FILE__, __LINE__);
    }

    // The next message box (whose text is text, when given) is answered with the button whose
    // text is button.
    DialogGuard &answerMessage(const QString &button, const QString &text = QString())
    {
        return expect<QMessageBox>(
            [button](QMessageBox *box) {
                for (QAbstractButton *candidate : box->buttons()) {
                    if (candidate->text() == button) {
                        candidate->click();
                        return true;
                    }
                }
                qWarning("no button %s in the message box \"%s\"", qPrintable(button), qPrintable(box->text()));
                return false;
            },
            text);
    }

    // The next file dialog is answered with path: a file, or a folder in the folder modes. A
    // folder is shown and taken as it is. A file name is put into the name field, which takes it
    // only while it has no focus; a window that becomes active late gives the field the focus.
    DialogGuard &answerFile(const QString &path)
    {
        return expect<QFileDialog>([path](QFileDialog *dialog) { return acceptFile(dialog, path); });
    }

    // Accepts dialog with path, as answerFile() does; false while the dialog does not take it.
    static bool acceptFile(QFileDialog *dialog, const QString &path)
    {
        const QFileDialog::FileMode mode = dialog->fileMode();
        // getExistingDirectory() asks in a mode of its own, DirectoryOnly.
        if (mode != QFileDialog::AnyFile && mode != QFileDialog::ExistingFile && mode != QFileDialog::ExistingFiles) {
            dialog->setDirectory(path);
        } else {
            if (QWidget *field = dialog->focusWidget())
                field->clearFocus();
            dialog->setDirectory(QFileInfo(path).absolutePath());
            dialog->selectFile(QFileInfo(path).fileName());
        }
        // accept() is protected; the slot is reached through the meta-object as the OK button does.
        QMetaObject::invokeMethod(dialog, "accept");
        return !dialog->isVisible();
    }

    // Every dialog and popup that no expectation names goes to handler instead of failing the
    // test: for a test whose random actions cannot know which dialogs they raise.
    DialogGuard &answerOthers(Handler handler)
    {
        m_others = std::move(handler);
        return *this;
    }

    // The next dialog of type Dialog (with text, when given) is answered by handler, which
    // returns false when the dialog is not ready yet.
    template <typename Dialog>
    DialogGuard &expect(std::function<bool(Dialog *)> handler, const QString &text = QString())
    {
        m_expected.append({QLatin1String(Dialog::staticMetaObject.className()), text,
                           [handler](QWidget *widget) { return handler(qobject_cast<Dialog *>(widget)); },
                           [](QWidget *widget) { return qobject_cast<Dialog *>(widget) != nullptr; }});
        return *this;
    }

    // The texts of the dialogs answered, in order.
    QStringList seenTexts() const { return m_seenTexts; }

    // The text a dialog is known by: what a message box says, what an input dialog asks, or else
    // its title.
    static QString textOf(QWidget *widget)
    {
        if (auto *box = qobject_cast<QMessageBox *>(widget))
            return box->text();
        if (auto *input = qobject_cast<QInputDialog *>(widget))
            return input->labelText();
        return widget->windowTitle();
    }

private:
    struct Expected
    {
        QString type;
        QString text;
        Handler answer;
        std::function<bool(QWidget *)> matches;
    };

    void look()
    {
        QWidget *widget = QApplication::activePopupWidget();
        if (!widget)
            widget = QApplication::activeModalWidget();
        if (!widget || !widget->isVisible()) {
            m_answered = nullptr;
            return;
        }
        if (widget == m_answered) {
            record(widget, QStringLiteral("left open by its answer"));
            finish(widget);
            return;
        }
        if (widget != m_current) {
            m_current = widget;
            m_open.start();
            m_pending = takeExpected(widget);
        }
        if (!m_pending.answer) {
            record(widget, QStringLiteral("not expected"));
            finish(widget);
            return;
        }
        const QString text = textOf(widget);
        if (m_pending.answer(widget)) {
            m_seenTexts.append(text);
            m_answered = widget;
            m_pending = {};
            m_current = nullptr;
        } else if (m_open.elapsed() >= deadline) {
            record(widget, QStringLiteral("not answered within %1 ms").arg(deadline));
            finish(widget);
        }
    }

    void finish(QWidget *widget)
    {
        m_pending = {};
        m_current = nullptr;
        m_answered = nullptr;
        close(widget);
    }

    Expected takeExpected(QWidget *widget)
    {
        const QString text = textOf(widget);
        for (int index = 0; index < m_expected.size(); ++index) {
            const Expected &expected = m_expected.at(index);
            if (expected.matches(widget) && (expected.text.isEmpty() || expected.text == text))
                return m_expected.takeAt(index);
        }
        if (m_others)
            return {QString(), QString(), m_others, {}};
        return {};
    }

    void record(QWidget *widget, const QString &why)
    {
        m_unexpected.append(
            QStringLiteral("%1 \"%2\" \"%3\" %4")
                .arg(QLatin1String(widget->metaObject()->className()), widget->windowTitle(), textOf(widget), why));
    }

    // Closes a dialog as its escape key would, or else rejects it.
    static void close(QWidget *widget)
    {
        if (auto *box = qobject_cast<QMessageBox *>(widget); box && box->escapeButton()) {
            box->escapeButton()->click();
        } else if (auto *dialog = qobject_cast<QDialog *>(widget)) {
            dialog->reject();
        } else {
            widget->close();
        }
    }

    QTimer m_timer;
    QList<Expected> m_expected;
    Handler m_others;
    QStringList m_seenTexts;
    QStringList m_unexpected;
    QPointer<QWidget> m_current;
    QPointer<QWidget> m_answered;
    QElapsedTimer m_open;
    Expected m_pending;
};
