#pragma once

#include "csvreader.h"

#include <QByteArray>
#include <QString>

#include <initializer_list>
#include <memory>
#include <utility>

struct zip;
struct zip_file;

// A GTFS feed: a zip archive of comma-separated tables, read in place without extracting it.
class GtfsFeed
{
public:
    GtfsFeed() = default;
    ~GtfsFeed();
    GtfsFeed(const GtfsFeed &) = delete;
    GtfsFeed &operator=(const GtfsFeed &) = delete;

    // Opens the archive at path; false with error set when it is missing or no zip archive.
    bool open(const QString &path, QString &error);
    // True when the archive holds the table fileName ("stops.txt"), at its top or in one folder.
    bool hasFile(const char *fileName) const;

private:
    friend class GtfsTable;

    zip *m_archive = nullptr;
};

// One table of a feed, streamed row by row out of the archive.
class GtfsTable
{
public:
    GtfsTable() = default;
    ~GtfsTable();
    GtfsTable(const GtfsTable &) = delete;
    GtfsTable &operator=(const GtfsTable &) = delete;

    // Opens fileName in feed and reads its header; false with error naming the file when the
    // feed lacks it or it cannot be read.
    bool open(GtfsFeed &feed, const char *fileName, QString &error);
    // Sets each column number to that of the named column; false with error naming the file and
    // the first missing column.
    bool findColumns(std::initializer_list<std::pair<const char *, int *>> columns, QString &error) const;
    // The number of the named column, or -1 when the table has none.
    int column(const char *name) const { return m_reader->column(name); }

    // Takes the next row; false at the end of the table or of what could be read of it.
    bool readRow() { return m_reader->readRow(); }
    // The field of the current row in column; empty for a column the row or the table lacks.
    QByteArray field(int column) const { return m_reader->field(column); }
    // The field as text: feeds are UTF-8, and blanks around a name are no part of it.
    QString text(int column) const { return QString::fromUtf8(field(column)).trimmed(); }
    // After the last row: false with error set when the rows ended on a damaged archive.
    bool finish(QString &error) const;

private:
    QString m_fileName;
    zip_file *m_file = nullptr;
    std::unique_ptr<CsvReader> m_reader;
};
