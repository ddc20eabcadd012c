#pragma once

#include <QByteArray>
#include <QImage>

class FrontTabloWidget;
class TabloWidget;

// Shows the still board when frames is 0; otherwise starts the animation as a click does and
// runs frames timer ticks of it (none when the board has nothing to animate).
void runBoardFrames(FrontTabloWidget &preview, int frames);

// The dots of a board, one line per row: "." for a dark dot, "#" for a lit one.
QByteArray boardAscii(const TabloWidget &board);

// The board as the widget paints it at its largest pitch: square dots on a black panel.
QImage boardImage(const TabloWidget &board);
