#pragma once

#include "csvreader.h"

#include <QByteArray>
#include <QString>

#include <initializer_list>
#include <memory>
#include <utility>

class GtfsFeed;
struct zip_file;

// One table of a feed, streamed row by row out of the archive. Whatever is wrong with a row ends
// the table with an error that names the table, the line and the column.
class GtfsTable
{
public:
    GtfsTable() = default;
    ~GtfsTable();
    GtfsTable(const GtfsTable &) = delete;
    GtfsTable &operator=(const GtfsTable &) = delete;

    // Opens fileName in feed and reads its header; false with error naming the file when the
    // feed lacks it, claims a size it cannot hold, or it cannot be read.
    bool open(GtfsFeed &feed, const char *fileName, QString &error);
    // Sets each column number to that of the named column; false with error naming the file and
    // the first missing column.
    bool findColumns(std::initializer_list<std::pair<const char *, int *>> columns, QString &error) const;
    // The number of the named column, or -1 when the table has none.
    int column(const char *name) const { return m_reader->column(name); }

    // Takes the next row; false at the end of the table or when reading it ended on an error.
    bool readRow() { return m_error.isEmpty() && m_reader->readRow(); }
    // The field of the current row in column; empty for a column the row or the table lacks.
    QByteArray field(int column) const { return m_reader->field(column); }
    // The field without a copy, valid only until the next row: for looking up ids row by row.
    std::string_view fieldView(int column) const { return m_reader->fieldView(column); }
    // The field as text, without the blanks around it. Feeds are UTF-8; from the first line that
    // is not, the table is read in the legacy encoding of the feed's language, with a warning.
    QString text(int column);
    // The field as a name: false, ending the table with an error, when it is longer than a name
    // may be.
    bool name(int column, QString &name);
    // Ends the table with an error about the current row and column (-1 for the whole row); false.
    bool fail(const QString &message, int column = -1);
    // After the last row: false with error set when reading ended on an error.
    bool finish(QString &error) const;

private:
    bool openMember(QString &error);
    QString located(int line, int column, const QString &message) const;
    QString readerError() const;

    GtfsFeed *m_feed = nullptr;
    QString m_fileName;
    zip_file *m_file = nullptr;
    // What the archive says the table unpacks to, and what was unpacked so far.
    qint64 m_claimedSize = 0;
    qint64 m_readSize = 0;
    std::unique_ptr<CsvReader> m_reader;
    bool m_legacyEncoding = false;
    QString m_error;
};
