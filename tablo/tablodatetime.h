#pragma once

#include <QDateTime>
#include <QString>

// Expands a board date-and-time template ("hh:mm dd.MM.yy", text in single quotes kept
// as typed) with the current local date and time.
QString formatTabloDateTime(const QString &format);
// Same as above at the given moment, so previews and tests can choose the time shown.
QString formatTabloDateTime(const QString &format, const QDateTime &moment);
