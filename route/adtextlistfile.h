#pragma once

#include <QString>
#include <QStringList>

// The advertising text files listed in rscript.txt of folder, in play order; empty when the
// file cannot be read. Lines that name no ".txt" file are left out.
QStringList readAdTextList(const QString &folder);
