#pragma once

#include <QByteArray>
#include <QString>

// Whole-file access for the route-folder files.
namespace RouteFile {

// Reads the file at path as raw bytes; false when it cannot be opened or read.
bool read(const QString &path, QByteArray &content);

// Replaces the file at path with content through a temporary file, so that a failure at any
// point leaves the previous file untouched. True when every byte was written and committed.
bool write(const QString &path, const QByteArray &content);

} // namespace RouteFile
