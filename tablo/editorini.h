#pragma once

#include "fronttablotype.h"

#include <QString>

// editor.ini in a route folder: the board type of the front, side and back boards, kept by
// the editor only (the on-board unit does not read it).
struct EditorIni
{
    FrontTabloType front = FrontTablo32x192Color;
    FrontTabloType side = FrontTablo16x128;
    FrontTabloType back = FrontTablo16x128;

    // Reads folder/editor.ini over the current values; false when it cannot be opened.
    bool read(const QString &folder);
    // Replaces folder/editor.ini through a temporary file; false when that fails.
    bool write(const QString &folder) const;
};
