#include "texteditordlg.h"
#include "ui_texteditordlg.h"

#include "routefile.h"
#include "savequestion.h"
#include "textrules.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMessageBox>

TextEditorDlg::TextEditorDlg(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TextEditorDlg>())
{
    ui->setupUi(this);
    // The help the dialog offers is the command list beside the text, not What's This.
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

TextEditorDlg::~TextEditorDlg() = default;

bool TextEditorDlg::open(const QString &path)
{
    // The whole file, however long, since saving writes back only what the editor holds. A
    // missing file opens empty, and saving creates it; a file that is there but cannot be read
    // is not opened, since saving would replace it with what the editor holds.
    QByteArray content;
    if (!RouteFile::read(path, content) && QFileInfo::exists(path))
        return false;
    windowsLineEnds = content.contains("\r\n");
    ui->plainTextEdit->setPlainText(decodeFileText(content));
    ui->plainTextEdit->document()->setModified(false);
    // Setting an empty text signals the document as modified and then clears the flag without a
    // signal, so an empty file would leave Save enabled with nothing to save.
    ui->saveBtn->setEnabled(false);
    filePath = path;
    setWindowTitle(tr("%1 - Текстовый редактор").arg(QFileInfo(path).fileName()));
    return true;
}

bool TextEditorDlg::save()
{
    QString text = ui->plainTextEdit->toPlainText();
    if (windowsLineEnds)
        text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    if (!RouteFile::write(filePath, text.toUtf8())) {
        QMessageBox::critical(this, tr("Текстовый редактор"), tr("Ошибка сохранения текстового файла!"));
        return false;
    }
    ui->plainTextEdit->document()->setModified(false);
    return true;
}

void TextEditorDlg::on_saveBtn_clicked()
{
    save();
}

void TextEditorDlg::reject()
{
    if (maybeSave())
        QDialog::reject();
}

// Not QDialog's handler, which would ask a second time through reject().
void TextEditorDlg::closeEvent(QCloseEvent *event)
{
    if (maybeSave())
        event->accept();
    else
        event->ignore();
}

bool TextEditorDlg::maybeSave()
{
    if (ui->plainTextEdit->document()->isModified() && !askToSave())
        return false;
    ui->plainTextEdit->clear();
    return true;
}

bool TextEditorDlg::askToSave()
{
    return askToSaveChanges(this, tr("Текстовый файл был изменен. Сохранить изменения?"), [this] { return save(); });
}
