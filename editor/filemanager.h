#pragma once

#include <QString>

// Opens the desktop's file manager on the folder of path with that file selected, or on path
// itself when it is a folder. Returns at once; when nothing can open the folder, nothing happens.
void showInFileManager(const QString &path);
