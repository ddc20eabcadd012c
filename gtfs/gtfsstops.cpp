#include "gtfsstops.h"

#include "gtfsfeed.h"
#include "gtfstable.h"

#include <QCoreApplication>
#include <QSet>

namespace {

struct StopRow
{
    QString name;
    QByteArray parentId;
    QGeoCoordinate coordinate;
};

// A stop's name in the second language: given for its stop_id, or for every stop of its name.
struct Translations
{
    QHash<QByteArray, QString> byStopId;
    QHash<QString, QString> byName;

    QString of(const QByteArray &stopId, const QString &name) const
    {
        return byStopId.value(stopId, byName.value(name));
    }
};

QGeoCoordinate coordinate(const QByteArray &latitude, const QByteArray &longitude)
{
    bool latitudeOk = false;
    bool longitudeOk = false;
    const QGeoCoordinate position(latitude.toDouble(&latitudeOk), longitude.toDouble(&longitudeOk));
    return latitudeOk && longitudeOk ? position : QGeoCoordinate();
}

bool readStopRows(GtfsFeed &feed, const QSet<QByteArray> &stopIds, QHash<QByteArray, StopRow> &rows, QString &error)
{
    GtfsTable table;
    int idColumn = -1;
    int nameColumn = -1;
    if (!table.open(feed, "stops.txt", error)
        || !table.findColumns({{"stop_id", &idColumn}, {"stop_name", &nameColumn}}, error))
        return false;
    const int latitudeColumn = table.column("stop_lat");
    const int longitudeColumn = table.column("stop_lon");
    const int parentColumn = table.column("parent_station");
    while (table.readRow()) {
        // Every name is read, the route's or not: the table turns to its legacy encoding at its
        // first line that is not UTF-8, wherever a route's stops stand, so that every import of
        // the feed reads a stop's name alike.
        QString name;
        if (!table.name(nameColumn, name))
            break;
        const QByteArray id = table.field(idColumn);
        if (!stopIds.contains(id))
            continue;
        rows.insert(
            id,
            {name, table.field(parentColumn), coordinate(table.field(latitudeColumn), table.field(longitudeColumn))});
    }
    return table.finish(error);
}

// Both forms of translations.txt are read: the rows for one stop_id (record_id) and the older
// rows for every stop of one name (field_value).
bool readTranslations(GtfsFeed &feed, const QString &language, Translations &translations, QString &error)
{
    if (language.isEmpty() || !feed.hasFile("translations.txt"))
        return true;
    GtfsTable table;
    int tableColumn = -1;
    int fieldColumn = -1;
    int languageColumn = -1;
    int translationColumn = -1;
    if (!table.open(feed, "translations.txt", error)
        || !table.findColumns({{"table_name", &tableColumn},
                               {"field_name", &fieldColumn},
                               {"language", &languageColumn},
                               {"translation", &translationColumn}},
                              error))
        return false;
    const int recordColumn = table.column("record_id");
    const int valueColumn = table.column("field_value");
    // Language codes are IETF tags, which compare without regard to letter case.
    const QByteArray wanted = language.toUtf8().toLower();
    while (table.readRow()) {
        if (table.field(tableColumn) != "stops" || table.field(fieldColumn) != "stop_name"
            || table.field(languageColumn).trimmed().toLower() != wanted)
            continue;
        QString translation;
        QString value;
        if (!table.name(translationColumn, translation) || !table.name(valueColumn, value))
            break;
        const QByteArray record = table.field(recordColumn);
        if (!record.isEmpty())
            translations.byStopId.insert(record, translation);
        else if (!value.isEmpty())
            translations.byName.insert(value, translation);
    }
    return table.finish(error);
}

// Parent stations may stand anywhere in stops.txt, so they are read in a second pass, and only
// when a stop needs one's name.
bool readParentRows(GtfsFeed &feed, const QHash<QByteArray, StopRow> &rows, QHash<QByteArray, StopRow> &parents,
                    QString &error)
{
    QSet<QByteArray> parentIds;
    for (const StopRow &row : rows) {
        if (row.name.isEmpty() && !row.parentId.isEmpty())
            parentIds.insert(row.parentId);
    }
    return parentIds.isEmpty() || readStopRows(feed, parentIds, parents, error);
}

} // namespace

bool readGtfsStops(GtfsFeed &feed, const QList<QByteArray> &stopIds, const QString &language,
                   QHash<QByteArray, GtfsStop> &stops, QString &error)
{
    QHash<QByteArray, StopRow> rows;
    QHash<QByteArray, StopRow> parents;
    Translations translations;
    if (!readStopRows(feed, QSet<QByteArray>(stopIds.cbegin(), stopIds.cend()), rows, error)
        || !readParentRows(feed, rows, parents, error) || !readTranslations(feed, language, translations, error))
        return false;
    for (const QByteArray &id : stopIds) {
        const auto row = rows.constFind(id);
        if (row == rows.constEnd()) {
            error = QCoreApplication::translate("GtfsImport", "stops.txt has no stop %1").arg(QString::fromUtf8(id));
            return false;
        }
        // The translation belongs to whichever stop the name comes from.
        const bool parentNamed = row->name.isEmpty() && parents.contains(row->parentId);
        const QByteArray nameId = parentNamed ? row->parentId : id;
        const QString name = parentNamed ? parents.value(nameId).name : row->name;
        stops.insert(id, {{name, translations.of(nameId, name)}, row->coordinate});
    }
    return true;
}
