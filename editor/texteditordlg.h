#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TextEditorDlg;
}

// A small modal editor for one announcement text file of a stop or of the advertising folder.
// The display commands are listed beside the text, because these texts may carry board markup.
class TextEditorDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TextEditorDlg(QWidget *parent = nullptr);
    ~TextEditorDlg() override;

    using QDialog::open;
    // Loads the whole file; a missing file opens as an empty text that saving creates. False,
    // with nothing loaded, when the file is there but cannot be read.
    bool open(const QString &path);
    // Writes the text as UTF-8 without byte order mark; a failure is reported to the user and
    // leaves the file and the unsaved text as they were.
    bool save();

public slots:
    void on_saveBtn_clicked();
    // Esc asks about unsaved changes just as closing the window does.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // True when the dialog may close: the text is unchanged, saved, or the user lets it go.
    bool maybeSave();
    // True when the user had the changes saved successfully or chose to drop them.
    bool askToSave();

    std::unique_ptr<Ui::TextEditorDlg> ui;
    QString filePath;
    // The editor shows every line end as one; a file written with CR LF keeps them.
    bool windowsLineEnds = false;
};
