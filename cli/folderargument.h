#pragma once

#include <QString>

// The folder as the user gave it, without trailing "/": how messages and the dump name it.
QString folderArgument(const QString &argument);

// A route finds its advertising folder through the parent of its folder, so a relative folder
// is made absolute before the route sees it.
QString routePath(const QString &folder);
