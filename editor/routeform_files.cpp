// The sound and text files of a stop and the advertising texts of the route: the page
// operations of the file list commands, the lists of all files in the folders, and the folder
// watch that keeps those lists up to date.

#include "routeform.h"
#include "ui_routeform.h"

#include "adtextlistfile.h"
#include "filelistcommands.h"
#include "filemanager.h"
#include "textrules.h"
#include "texteditordlg.h"

#include <QDirIterator>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimerEvent>

namespace {

QListWidgetItem *fileItem(const QString &name)
{
    auto *item = new QListWidgetItem(name);
    item->setSizeHint(QSize(0, 40));
    return item;
}

// Fills list with the files of folder that pass accept, keeping the current item where it
// is still listed.
template <typename Accept> void listFolder(QListWidget *list, const QString &folder, Accept accept)
{
    const QString current = list->currentItem() ? list->currentItem()->text() : QString();
    list->clear();
    QDirIterator it(folder, QDir::Files);
    while (it.hasNext()) {
        it.next();
        if (accept(it.fileName()))
            list->addItem(fileItem(it.fileName()));
    }
    const QList<QListWidgetItem *> found = list->findItems(current, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!current.isEmpty() && !found.isEmpty())
        list->setCurrentItem(found.first());
}

// The text a preview label shows: the beginning of the file, as the unit's text files are short.
QString previewText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? decodeFileText(file.read(1024)) : QString();
}

// The name the user typed for a new text file: its last path part, ending in ".txt".
QString textFileName(QString name)
{
    name = name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
    name = name.mid(name.lastIndexOf(QLatin1Char('\\')) + 1);
    if (name.isEmpty() || name.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        return name;
    if (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    return name + QLatin1String(".txt");
}

} // namespace

QStringList RouteForm::files(FileList list, int station) const
{
    if (list == AdTextFiles)
        return m_route.adTextFiles();
    const Station *stop = m_route.stationAt(station);
    return list == SoundFiles ? stop->soundFiles : stop->textFiles;
}

void RouteForm::setFiles(FileList list, int station, const QStringList &names)
{
    if (list == AdTextFiles) {
        m_route.setAdTextFiles(names);
        return;
    }
    Station *stop = m_route.stationAt(station);
    (list == SoundFiles ? stop->soundFiles : stop->textFiles) = names;
}

// The list widget that shows the list, or null while another stop is shown.
QListWidget *RouteForm::shownFileList(FileList list, int station) const
{
    if (list == AdTextFiles)
        return ui->adTextFileList;
    if (station != m_currentStation)
        return nullptr;
    return list == SoundFiles ? ui->soundFileList : ui->textFileList;
}

void RouteForm::fillFileList(FileList list)
{
    QListWidget *widget = shownFileList(list, m_currentStation);
    widget->clear();
    for (const QString &name : files(list, m_currentStation))
        widget->addItem(fileItem(name));
}

void RouteForm::insertFile(FileList list, int station, int position, const QString &name)
{
    QStringList names = files(list, station);
    names.insert(position, name);
    setFiles(list, station, names);
    if (QListWidget *widget = shownFileList(list, station)) {
        widget->insertItem(position, fileItem(name));
        if (list == SoundFiles)
            widget->setCurrentRow(position);
    }
    markFileChange(list, station, position);
}

void RouteForm::removeFile(FileList list, int station, int position)
{
    QStringList names = files(list, station);
    names.removeAt(position);
    setFiles(list, station, names);
    if (QListWidget *widget = shownFileList(list, station))
        delete widget->takeItem(position);
    markFileChange(list, station, position);
}

void RouteForm::moveFile(FileList list, int station, int from, int to)
{
    QStringList names = files(list, station);
    names.move(from, to);
    setFiles(list, station, names);
    if (QListWidget *widget = shownFileList(list, station)) {
        widget->insertItem(to, widget->takeItem(from));
        widget->setCurrentRow(to);
    }
    markFileChange(list, station, to);
}

void RouteForm::markFileChange(FileList list, int station, int row)
{
    if (list == AdTextFiles)
        markSalonChange(AdTab);
    else
        markStationChange(station, list == SoundFiles ? SoundTab : TextTab);
    m_lastChange.fileRows[list] = row;
}

void RouteForm::setAdFolder(const QString &path)
{
    // The route folder stays watched even when it held the advertising texts.
    if (m_route.adFolder() != m_route.folder())
        m_watcher->removePath(m_route.adFolder());
    m_route.setAdFolder(path);
    if (QFileInfo(path).isDir())
        m_watcher->addPath(path);
    showAdFolder();
    markSalonChange(AdTab);
}

void RouteForm::showAdFolder()
{
    ui->allAdTextFileLabel->setText(m_route.relativeAdFolder());
    refreshAdFileList();
}

void RouteForm::watchFolders()
{
    for (const QString &folder : {m_route.folder(), m_route.adFolder()}) {
        if (QFileInfo(folder).isDir())
            m_watcher->addPath(folder);
    }
}

void RouteForm::refreshStopFileLists()
{
    listFolder(ui->allSoundFileList, m_route.folder(), [](const QString &name) { return fileKind(name) == SoundFile; });
    listFolder(ui->allTextFileList, m_route.folder(),
               [](const QString &name) { return fileKind(name) == TextFile && !RouteData::isRouteFileName(name); });
}

void RouteForm::refreshAdFileList()
{
    listFolder(ui->allAdTextFileList, m_route.adFolder(),
               [](const QString &name) { return fileKind(name) == TextFile && !RouteData::isAdListFileName(name); });
}

// Copying ten files into a folder brings ten notifications; one refresh after the last is
// enough.
void RouteForm::onDirectoryChange(const QString &path)
{
    if (path.compare(m_route.folder(), Qt::CaseInsensitive) == 0 && !m_folderTimer.isActive())
        m_folderTimer.start(250, Qt::CoarseTimer, this);
    if (path.compare(m_route.adFolder(), Qt::CaseInsensitive) == 0 && !m_adFolderTimer.isActive())
        m_adFolderTimer.start(250, Qt::CoarseTimer, this);
}

void RouteForm::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_folderTimer.timerId()) {
        m_folderTimer.stop();
        refreshStopFileLists();
    } else if (event->timerId() == m_adFolderTimer.timerId()) {
        m_adFolderTimer.stop();
        refreshAdFileList();
    } else if (event->timerId() == m_soundTimer.timerId()) {
        applySelectedSound();
    } else {
        QWidget::timerEvent(event);
    }
}

RouteForm::FileListWidgets RouteForm::fileListWidgets(FileList list) const
{
    switch (list) {
    case SoundFiles:
        return {ui->soundFileList,
                ui->allSoundFileList,
                ui->addSoundFileBtn,
                ui->upSoundFileBtn,
                ui->downSoundFileBtn,
                ui->removeSoundFileBtn,
                nullptr};
    case TextFiles:
        return {ui->textFileList,    ui->allTextFileList,   ui->addTextFileBtn,  ui->upTextFileBtn,
                ui->downTextFileBtn, ui->removeTextFileBtn, ui->textPreviewLabel};
    case AdTextFiles:
        break;
    }
    return {ui->adTextFileList,    ui->allAdTextFileList,   ui->addAdTextFileBtn,  ui->upAdTextFileBtn,
            ui->downAdTextFileBtn, ui->removeAdTextFileBtn, ui->adTextPreviewLabel};
}

QString RouteForm::fileFolder(FileList list) const
{
    return list == AdTextFiles ? m_route.adFolder() : m_route.folder();
}

// The advertising folder need not exist until a text goes into it or it is shown; once made,
// it is watched like the route folder.
QString RouteForm::madeFileFolder(FileList list)
{
    const QString folder = fileFolder(list);
    if (list == AdTextFiles && !QFileInfo(folder).isDir() && QDir().mkpath(folder))
        m_watcher->addPath(folder);
    return folder;
}

// The stop whose list is edited, or -1 for the advertising list; false while no stop is shown.
bool RouteForm::editedStation(FileList list, int &station) const
{
    station = list == AdTextFiles ? -1 : m_currentStation;
    return list == AdTextFiles || m_route.isValidStationIndex(station);
}

// Selecting in one list of a pair clears the other: the buttons act on one name at a time.
void RouteForm::attachedRowChanged(FileList list, int row)
{
    const FileListWidgets widgets = fileListWidgets(list);
    if (row >= 0)
        widgets.all->setCurrentRow(-1);
    widgets.up->setEnabled(row > 0);
    widgets.down->setEnabled(row >= 0 && row + 1 < widgets.attached->count());
    for (QWidget *button : {widgets.up, widgets.down, widgets.remove})
        button->setVisible(row >= 0);
    if (row >= 0)
        showSelectedFile(list, widgets.attached->item(row)->text());
    else if (!widgets.all->currentItem())
        showSelectedFile(list, QString());
}

void RouteForm::allFilesRowChanged(FileList list, int row)
{
    const FileListWidgets widgets = fileListWidgets(list);
    if (row >= 0)
        widgets.attached->setCurrentRow(-1);
    widgets.add->setVisible(row >= 0);
    if (row >= 0)
        showSelectedFile(list, widgets.all->item(row)->text());
    else if (!widgets.attached->currentItem())
        showSelectedFile(list, QString());
}

// The player loads a selected sound; a text shows its beginning.
void RouteForm::showSelectedFile(FileList list, const QString &name)
{
    if (list == SoundFiles) {
        selectSound(name);
        return;
    }
    const QString path = name.isEmpty() ? QString() : fileFolder(list) + QLatin1Char('/') + name;
    fileListWidgets(list).preview->setText(path.isEmpty() ? QString() : previewText(path));
}

QUndoCommand *RouteForm::addFileCommand(FileList list, int station, int position, const QString &name)
{
    switch (list) {
    case SoundFiles:
        return new AddStationSoundFileCmd(this, station, position, name);
    case TextFiles:
        return new AddStationTextFileCmd(this, station, position, name);
    case AdTextFiles:
        break;
    }
    return new AddAdwareTextFileCmd(this, position, name);
}

void RouteForm::addSelectedFile(FileList list)
{
    const FileListWidgets widgets = fileListWidgets(list);
    int station;
    if (!editedStation(list, station) || !widgets.all->currentItem())
        return;
    const int position = widgets.attached->count();
    pushCommand(addFileCommand(list, station, position, widgets.all->currentItem()->text()));
    widgets.attached->setCurrentRow(position);
}

void RouteForm::moveSelectedFile(FileList list, int step)
{
    const FileListWidgets widgets = fileListWidgets(list);
    const int from = widgets.attached->currentRow();
    const int to = from + step;
    int station;
    if (!editedStation(list, station) || from < 0 || to < 0 || to >= widgets.attached->count())
        return;
    if (list == SoundFiles)
        pushCommand(new MoveStationSoundFileCmd(this, station, from, to));
    else if (list == TextFiles)
        pushCommand(new MoveStationTextFileCmd(this, station, from, to));
    else
        pushCommand(new MoveAdwareTextFileCmd(this, from, to));
    widgets.attached->setCurrentRow(to);
}

// The name leaves the list; the file stays on disk.
void RouteForm::removeSelectedFile(FileList list)
{
    const FileListWidgets widgets = fileListWidgets(list);
    const int row = widgets.attached->currentRow();
    int station;
    if (!editedStation(list, station) || row < 0)
        return;
    if (list == SoundFiles)
        pushCommand(new RemoveStationSoundFileCmd(this, station, row));
    else if (list == TextFiles)
        pushCommand(new RemoveStationTextFileCmd(this, station, row));
    else
        pushCommand(new RemoveAdTextFileCmd(this, row));
    widgets.attached->setCurrentRow(row);
}

// Asks for the name of a new text file, proposing the first free "s0.txt", "s1.txt"... (for
// advertising texts "r0.txt"...), creates it empty unless it exists, and attaches it.
void RouteForm::createTextFile(FileList list)
{
    int station;
    if (!editedStation(list, station))
        return;
    const QString folder = fileFolder(list);
    const QString pattern = list == AdTextFiles ? QStringLiteral("r%1.txt") : QStringLiteral("s%1.txt");
    int number = 0;
    while (QFileInfo::exists(folder + QLatin1Char('/') + pattern.arg(number)))
        ++number;
    QInputDialog dialog(this);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(tr("Имя файла"));
    dialog.setLabelText(tr("Введите имя для нового файла."));
    dialog.setOkButtonText(tr("OK"));
    dialog.setCancelButtonText(tr("Отмена"));
    dialog.setTextValue(pattern.arg(number));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString name = textFileName(dialog.textValue());
    if (name.isEmpty())
        return;
    madeFileFolder(list);
    // An existing file is attached as it is; a file that cannot be made, or a name taken by a
    // folder, is not attached, as the unit would look for it in vain.
    QFile file(folder + QLatin1Char('/') + name);
    const QFileInfo info(file.fileName());
    if (!info.isFile() && (info.exists() || !file.open(QIODevice::NewOnly))) {
        QMessageBox::critical(this, tr("Приложение"),
                              tr("Не удалось создать файл %1.").arg(QDir::toNativeSeparators(file.fileName())));
        return;
    }
    file.close();
    pushCommand(addFileCommand(list, station, fileListWidgets(list).attached->count(), name));
}

// The selected name of the pair, the attached list first; empty when neither has one.
QString RouteForm::selectedFile(FileList list) const
{
    const FileListWidgets widgets = fileListWidgets(list);
    const QListWidgetItem *item
        = widgets.attached->currentItem() ? widgets.attached->currentItem() : widgets.all->currentItem();
    return item ? item->text() : QString();
}

void RouteForm::openTextFile(FileList list)
{
    const QString name = selectedFile(list);
    if (name.isEmpty())
        return;
    const QString path = fileFolder(list) + QLatin1Char('/') + name;
    TextEditorDlg editor(this);
    if (!editor.open(path)) {
        QMessageBox::critical(this, tr("Приложение"),
                              tr("Не удалось прочитать файл %1.").arg(QDir::toNativeSeparators(path)));
        return;
    }
    editor.exec();
    // The text may have changed under its preview.
    showSelectedFile(list, name);
}

void RouteForm::showFileFolder(FileList list)
{
    const QString folder = madeFileFolder(list);
    const QString name = selectedFile(list);
    showInExplorer(name.isEmpty() ? folder : folder + QLatin1Char('/') + name);
}

void RouteForm::showInExplorer(const QString &path)
{
    showInFileManager(path);
}

// Another advertising folder, beside or inside the route folder, brings its own list of texts:
// the old list, the folder and the new list change in one undo step.
void RouteForm::on_moveAdFolderBtn_clicked()
{
    // Whole folder names count: "/routes2" does not lie in "/routes".
    const QString parent = m_route.folder().left(m_route.folder().lastIndexOf(QLatin1Char('/')));
    // A missing advertising folder cannot be shown; the dialog then starts beside the route.
    const QString start = QFileInfo(m_route.adFolder()).isDir() ? m_route.adFolder() : parent;
    const QString path
        = QFileDialog::getExistingDirectory(this, tr("Выберите папку с рекламой"), start, QFileDialog::ShowDirsOnly);
    if (path.isEmpty() || path.compare(m_route.adFolder(), Qt::CaseInsensitive) == 0)
        return;
    if (path != parent && !path.startsWith(parent + QLatin1Char('/'))) {
        QMessageBox::critical(this, QString(), tr("Папка с рекламой должна быть в папке с маршрутом или рядом с ней!"));
        return;
    }
    // The old names go from the last: each removal keeps the name and place it had, so that
    // undo puts the old list back as it was.
    auto *command = new QUndoCommand;
    for (int index = m_route.adTextFiles().size() - 1; index >= 0; --index)
        new RemoveAdTextFileCmd(this, index, command);
    new SetAdPathCommand(this, path, command);
    const QStringList names = readAdTextList(path);
    for (int index = 0; index < names.size(); ++index)
        new AddAdwareTextFileCmd(this, index, names.at(index), command);
    pushCommand(command);
}

void RouteForm::on_soundFileList_currentRowChanged(int row)
{
    attachedRowChanged(SoundFiles, row);
}

void RouteForm::on_allSoundFileList_currentRowChanged(int row)
{
    allFilesRowChanged(SoundFiles, row);
}

void RouteForm::on_textFileList_currentRowChanged(int row)
{
    attachedRowChanged(TextFiles, row);
}

void RouteForm::on_allTextFileList_currentRowChanged(int row)
{
    allFilesRowChanged(TextFiles, row);
}

void RouteForm::on_adTextFileList_currentRowChanged(int row)
{
    attachedRowChanged(AdTextFiles, row);
}

void RouteForm::on_allAdTextFileList_currentRowChanged(int row)
{
    allFilesRowChanged(AdTextFiles, row);
}

void RouteForm::on_addSoundFileBtn_clicked()
{
    addSelectedFile(SoundFiles);
}

void RouteForm::on_upSoundFileBtn_clicked()
{
    moveSelectedFile(SoundFiles, -1);
}

void RouteForm::on_downSoundFileBtn_clicked()
{
    moveSelectedFile(SoundFiles, 1);
}

void RouteForm::on_removeSoundFileBtn_clicked()
{
    removeSelectedFile(SoundFiles);
}

void RouteForm::on_openSoundFolderBtn_clicked()
{
    showFileFolder(SoundFiles);
}

void RouteForm::on_addTextFileBtn_clicked()
{
    addSelectedFile(TextFiles);
}

void RouteForm::on_upTextFileBtn_clicked()
{
    moveSelectedFile(TextFiles, -1);
}

void RouteForm::on_downTextFileBtn_clicked()
{
    moveSelectedFile(TextFiles, 1);
}

void RouteForm::on_removeTextFileBtn_clicked()
{
    removeSelectedFile(TextFiles);
}

void RouteForm::on_newTextFileBtn_clicked()
{
    createTextFile(TextFiles);
}

void RouteForm::on_openTextFolderBtn_clicked()
{
    showFileFolder(TextFiles);
}

void RouteForm::on_openTextFileBtn_clicked()
{
    openTextFile(TextFiles);
}

void RouteForm::on_addAdTextFileBtn_clicked()
{
    addSelectedFile(AdTextFiles);
}

void RouteForm::on_upAdTextFileBtn_clicked()
{
    moveSelectedFile(AdTextFiles, -1);
}

void RouteForm::on_downAdTextFileBtn_clicked()
{
    moveSelectedFile(AdTextFiles, 1);
}

void RouteForm::on_removeAdTextFileBtn_clicked()
{
    removeSelectedFile(AdTextFiles);
}

void RouteForm::on_newAdTextFileBtn_clicked()
{
    createTextFile(AdTextFiles);
}

void RouteForm::on_openAdFolderBtn_clicked()
{
    showFileFolder(AdTextFiles);
}

void RouteForm::on_openAdTextFileBtn_clicked()
{
    openTextFile(AdTextFiles);
}
