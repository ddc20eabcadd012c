#include "routefolders.h"

#include "routedata.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

bool holdsRoute(const QString &folder)
{
    return QFileInfo::exists(folder + QLatin1Char('/') + RouteData::fileName(RouteData::StationListFile));
}

} // namespace

QStringList routeFoldersIn(const QString &folder)
{
    if (holdsRoute(folder))
        return {};
    const QDir dir(folder);
    QStringList names = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    names.erase(std::remove_if(names.begin(), names.end(),
                               [&dir](const QString &name) { return !holdsRoute(dir.filePath(name)); }),
                names.end());
    // The C locale compares by code point alone; numeric mode needs a collating locale.
    QCollator collator{QLocale(QLocale::English)};
    collator.setNumericMode(true);
    std::sort(names.begin(), names.end(),
              [&collator](const QString &left, const QString &right) { return collator.compare(left, right) < 0; });
    QStringList folders;
    for (const QString &name : names)
        folders.append(dir.filePath(name));
    return folders;
}
