#include "boardrender.h"

#include "fronttablowidget.h"

#include <QPainter>

void runBoardFrames(FrontTabloWidget &preview, int frames)
{
    if (frames == 0) {
        preview.refresh();
        return;
    }
    preview.startAnimation();
    for (int frame = 0; frame < frames && preview.isAnimating(); ++frame)
        preview.frame(false);
}

QByteArray boardAscii(const TabloWidget &board)
{
    const QSize size = board.boardSize();
    QByteArray text;
    text.reserve((size.width() + 1) * size.height());
    for (int row = 0; row < size.height(); ++row) {
        for (int col = 0; col < size.width(); ++col)
            text.append(board.dot(col, row) != 0 ? '#' : '.');
        text.append('\n');
    }
    return text;
}

QImage boardImage(const TabloWidget &board)
{
    QImage image(board.maxPitchSize(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    board.paintDots(painter, image.size());
    return image;
}
