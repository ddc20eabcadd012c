#pragma once

#include <QMetaType>

// The type of an outside board: its size in dots and whether it has side strips.
// A route page keeps one per board; editor.ini and the user settings store the number.
enum FrontTabloType {
    FrontTablo32x192Color = 0,
    FrontTablo16x128 = 1,
    FrontTablo16x96Sofit = 2,
    FrontTablo16x96 = 3,
    FrontTablo32x320Color = 4,
    FrontTablo32x256Color = 5,
    FrontTablo24x144Color = 6,
    FrontTablo16x128Color = 7,
    FrontTablo20x200Color = 8,
    FrontTablo20x160Color = 9,
    FrontTablo20x120Color = 10,
    FrontTablo20x40Color = 11,
};

constexpr int frontTabloTypeCount = 12;

Q_DECLARE_METATYPE(FrontTabloType)
