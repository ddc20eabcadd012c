#pragma once

#include <QString>
#include <QStringList>

// A depot: a folder that holds route folders, one per line and vehicle unit.

// The folders directly in folder that hold a route (an ost.txt), as paths in natural order of
// their names ("7", "12", "12А"); empty when folder is itself a route folder or holds none.
QStringList routeFoldersIn(const QString &folder);
