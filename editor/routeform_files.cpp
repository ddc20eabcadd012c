// The sound and text files of a stop and the advertising texts of the route: the page
// operations of the file list commands, the lists of all files in the folders, and the folder
// watch that keeps those lists up to date.

#include "routeform.h"
#include "ui_routeform.h"

#include "textrules.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QFileSystemWatcher>
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

// The route's own files and the copies older tools leave beside them are no announcements.
bool isRouteFile(const QString &name)
{
    static const QStringList routeFiles = {
        QStringLiteral("ost.txt"),      QStringLiteral("ost~.txt"),     QStringLiteral("coord.txt"),
        QStringLiteral("coord~.txt"),   QStringLiteral("script.txt"),   QStringLiteral("script~.txt"),
        QStringLiteral("backtab.txt"),  QStringLiteral("backtab~.txt"), QStringLiteral("sidetab.txt"),
        QStringLiteral("sidetab~.txt"),
    };
    return routeFiles.contains(name, Qt::CaseInsensitive);
}

bool isAdListFile(const QString &name)
{
    return name.compare(QLatin1String("rscript.txt"), Qt::CaseInsensitive) == 0
        || name.compare(QLatin1String("rscript~.txt"), Qt::CaseInsensitive) == 0;
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
               [](const QString &name) { return fileKind(name) == TextFile && !isRouteFile(name); });
}

void RouteForm::refreshAdFileList()
{
    listFolder(ui->allAdTextFileList, m_route.adFolder(),
               [](const QString &name) { return fileKind(name) == TextFile && !isAdListFile(name); });
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
    } else {
        QWidget::timerEvent(event);
    }
}
