// rscript.txt: the advertising text files of the routes that share an advertising folder, one
// name per line, written in UTF-8 without byte order mark.

#include "adtextlistfile.h"

#include "linereader.h"
#include "routedata.h"
#include "routefile.h"
#include "textrules.h"

#include <QFileInfo>

namespace {

QString adTextListPath(const QString &folder)
{
    return folder + QLatin1String("/rscript.txt");
}

bool readAdTextFile(const QString &folder, QStringList &names)
{
    QByteArray content;
    if (!RouteFile::read(adTextListPath(folder), content))
        return false;
    LineReader reader(content);
    QByteArray line;
    while (reader.readLine(line)) {
        const QString name = decodeFileText(line).trimmed();
        if (fileKind(name) == TextFile)
            names.append(name);
    }
    return true;
}

} // namespace

QStringList readAdTextList(const QString &folder)
{
    QStringList names;
    readAdTextFile(folder, names);
    return names;
}

bool RouteData::readAdTexts()
{
    m_adTextFiles.clear();
    return readAdTextFile(m_adFolder, m_adTextFiles);
}

bool RouteData::writeAdTexts() const
{
    // The advertising folder is created only on the user's request; until then the list has
    // nowhere to go and the route saves without it.
    if (!QFileInfo::exists(m_adFolder))
        return true;
    QByteArray content;
    // Appended piece by piece: a string builder expression appended to the content would
    // reserve its exact size and copy the whole list once per name.
    for (const QString &name : m_adTextFiles) {
        content += name.toUtf8();
        content += "\r\n";
    }
    return RouteFile::write(adTextListPath(m_adFolder), content);
}
