// rscript.txt: the advertising text files of the routes that share an advertising folder, one
// name per line, written in UTF-8 without byte order mark.

#include "adtextlistfile.h"

#include "linereader.h"
#include "routedata.h"
#include "routefile.h"
#include "textrules.h"

namespace {

// The names of the text files that content lists; skipped gets the numbers of the lines that
// name none.
QStringList adTextNames(const QByteArray &content, QList<int> *skipped = nullptr)
{
    QStringList names;
    LineReader reader(content);
    QByteArray line;
    while (reader.readLine(line)) {
        const QString name = decodeFileText(line).trimmed();
        if (fileKind(name) == TextFile)
            names.append(name);
        else if (skipped && !name.isEmpty())
            skipped->append(reader.lineNumber());
    }
    return names;
}

} // namespace

QStringList readAdTextList(const QString &folder)
{
    QByteArray content;
    return RouteFile::read(folder + QLatin1Char('/') + RouteData::fileName(RouteData::AdTextsFile), content)
        ? adTextNames(content)
        : QStringList();
}

void RouteData::parseAdTexts(const std::optional<QByteArray> &content)
{
    QList<int> skipped;
    m_adTextFiles = content ? adTextNames(*content, &skipped) : QStringList();
    for (const int line : skipped)
        skipLine(AdTextsFile, line);
}

QByteArray RouteData::adTextsContent() const
{
    QByteArray content;
    // Appended piece by piece: a string builder expression appended to the content would
    // reserve its exact size and copy the whole list once per name.
    for (const QString &name : m_adTextFiles) {
        content += name.toUtf8();
        content += "\r\n";
    }
    return content;
}
