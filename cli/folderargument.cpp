#include "folderargument.h"

#include <QDir>
#include <QFileInfo>

QString folderArgument(const QString &argument)
{
    QString folder = argument;
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

QString routePath(const QString &folder)
{
    return QDir::isAbsolutePath(folder) ? folder : QFileInfo(folder).absoluteFilePath();
}
