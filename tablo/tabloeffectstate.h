#pragma once

#include "tablofont.h"

#include <QString>

// The working record of one animated text on a board: what is shown, in which font, where,
// and how far the effect has got. The board widget's step functions advance it one frame at
// a time; the caller owns it and sets it up before the first step.
struct TabloEffectState
{
    QString text;
    // Null draws nothing, as if every character were unmapped.
    const TabloFont *font = nullptr;
    // Next character of text to feed into a running line.
    int charIndex = 0;
    // The board region the effect works in.
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    // Frames or columns left, as each effect counts them.
    int step = 0;
    // Draw the text centred between x and the clip's right edge.
    bool centred = false;
};
