#include "filemanager.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <QProcess>
#else
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QUrl>
#endif

#ifdef Q_OS_WIN

void showInFileManager(const QString &path)
{
    // Explorer takes "/select,<file>" as a single argument and marks that file in its folder.
    QString argument = QDir::toNativeSeparators(path);
    if (!QFileInfo(path).isDir())
        argument.prepend(QStringLiteral("/select,"));
    QProcess::startDetached(QStringLiteral("explorer.exe"), {argument});
}

#else

namespace {

// Without a file manager on the bus the desktop can still open the folder, only without the
// file marked.
void openFolder(const QString &folder)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

} // namespace

void showInFileManager(const QString &path)
{
    const QFileInfo info(path);
    const bool isFolder = info.isDir();
    const QString folder = isFolder ? info.absoluteFilePath() : info.absolutePath();

    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        openFolder(folder);
        return;
    }

    // The interface takes URIs, so blanks and Cyrillic letters travel percent-encoded.
    const QString uri = QUrl::fromLocalFile(info.absoluteFilePath()).toString(QUrl::FullyEncoded);
    QDBusMessage message = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"),
        isFolder ? QStringLiteral("ShowFolders") : QStringLiteral("ShowItems"));
    message << QStringList{uri} << QString();

    // The file manager is usually started by the bus on this very call, which can take seconds:
    // the button must not freeze the page meanwhile, so the answer is only watched for.
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(message), QCoreApplication::instance());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, [folder](QDBusPendingCallWatcher *call) {
        if (call->isError())
            openFolder(folder);
        call->deleteLater();
    });
}

#endif
