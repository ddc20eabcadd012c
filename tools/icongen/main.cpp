// Draws Marvolt's tool bar icons as 64x64 PNG files with a transparent
// background. Every icon is built from plain shapes (no fonts), so the output
// is the same on every machine. Usage: icongen OUTPUT_FOLDER

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <QTransform>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int IconSize = 64;

// One palette for the whole set: a blue for documents and media, a teal for
// the history and ordering arrows, amber for folders, green for help and for
// attaching, and red for detaching. Every colour is mid-toned so that the
// icons read on light and dark tool bars alike.
const QColor Blue(0x2f, 0x74, 0xd0);
const QColor BlueDark(0x1d, 0x4b, 0x8f);
const QColor BlueLight(0xdc, 0xe8, 0xf7);
const QColor Teal(0x17, 0x93, 0x9b);
const QColor Amber(0xe0, 0x94, 0x0a);
const QColor AmberLight(0xff, 0xc4, 0x3d);
const QColor Green(0x2e, 0x9e, 0x5b);
const QColor Red(0xd2, 0x45, 0x3c);
const QColor White(0xff, 0xff, 0xff);

// Fills a polygon and strokes it in the same colour with round joins; the
// stroke rounds the corners by half its width, which keeps small sizes soft.
void fillRounded(QPainter &painter, const QPolygonF &polygon, const QColor &color, qreal cornerWidth)
{
    painter.setPen(QPen(color, cornerWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(color);
    painter.drawPolygon(polygon);
}

void fillRoundedRect(QPainter &painter, const QRectF &rect, qreal radius, const QColor &color)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawRoundedRect(rect, radius, radius);
}

void fillCircle(QPainter &painter, const QPointF &centre, qreal radius, const QColor &color)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(centre, radius, radius);
}

void strokePath(QPainter &painter, const QPainterPath &path, const QColor &color, qreal width)
{
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

// Erases everything under the path widened by the given width, so that a small
// sign laid over a bigger shape keeps a transparent gap around it and the two
// stay apart at small sizes.
void clearAround(QPainter &painter, const QPainterPath &path, qreal width)
{
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::black);
    painter.drawPath(path);
    painter.restore();
}

// A straight arrow pointing left with a broad head; the other directions turn
// or mirror it.
void fillArrowLeft(QPainter &painter, const QColor &color)
{
    fillRounded(painter, QPolygonF({{7, 32}, {30, 9}, {30, 23}, {56, 23}, {56, 41}, {30, 41}, {30, 55}}), color, 5);
}

// A sheet of paper with its top right corner folded over.
void fillPage(QPainter &painter)
{
    fillRounded(painter, QPolygonF({{12, 6}, {38, 6}, {52, 20}, {52, 58}, {12, 58}}), Blue, 6);
    fillRounded(painter, QPolygonF({{38, 6}, {38, 20}, {52, 20}}), BlueLight, 3);
}

// A closed folder: the back with its tab, and the front covering all but its
// top edge.
void fillClosedFolder(QPainter &painter)
{
    fillRoundedRect(painter, QRectF(5, 10, 22, 12), 3, Amber);
    fillRoundedRect(painter, QRectF(5, 15, 54, 41), 4, Amber);
    fillRoundedRect(painter, QRectF(5, 22, 54, 34), 4, AmberLight);
}

void drawSave(QPainter &painter)
{
    // Floppy disk: a body with a cut top right corner, the metal shutter at the
    // top and the paper label at the bottom.
    fillRounded(painter, QPolygonF({{10, 10}, {45, 10}, {54, 19}, {54, 54}, {10, 54}}), Blue, 8);
    fillRoundedRect(painter, QRectF(17, 6, 26, 19), 2.5, BlueLight);
    fillRoundedRect(painter, QRectF(33, 10, 6, 11), 1.5, BlueDark);
    fillRoundedRect(painter, QRectF(14, 33, 36, 25), 3, White);
    fillRoundedRect(painter, QRectF(19, 39, 26, 3.5), 1.5, BlueLight);
    fillRoundedRect(painter, QRectF(19, 47, 26, 3.5), 1.5, BlueLight);
}

// The undo arrow: a U-turn whose head points left. Redo is its mirror image.
void drawUndo(QPainter &painter)
{
    QPainterPath shaft;
    shaft.moveTo(22, 22);
    shaft.lineTo(37, 22);
    shaft.arcTo(QRectF(22, 22, 30, 30), 90, -180);
    shaft.lineTo(24, 52);
    strokePath(painter, shaft, Teal, 8);
    fillRounded(painter, QPolygonF({{7, 22}, {25, 9}, {25, 35}}), Teal, 4);
}

void drawRedo(QPainter &painter)
{
    painter.setTransform(QTransform(-1, 0, 0, 1, IconSize, 0), true);
    drawUndo(painter);
}

void drawInformation(QPainter &painter)
{
    fillCircle(painter, QPointF(32, 32), 28, Blue);
    fillCircle(painter, QPointF(32, 18.5), 5, White);
    fillRoundedRect(painter, QRectF(27.5, 27, 9, 22), 3, White);
}

void drawOpen(QPainter &painter)
{
    // Open folder: the back with its tab, and the front flap tilted forward.
    fillRoundedRect(painter, QRectF(5, 10, 22, 12), 3, Amber);
    fillRoundedRect(painter, QRectF(5, 15, 46, 41), 4, Amber);
    fillRounded(painter, QPolygonF({{17, 29}, {59, 29}, {51, 54}, {7, 54}}), AmberLight, 5);
}

void drawHelp(QPainter &painter)
{
    fillCircle(painter, QPointF(32, 32), 28, Green);
    QPainterPath hook;
    hook.arcMoveTo(QRectF(22, 13, 20, 20), 160);
    hook.arcTo(QRectF(22, 13, 20, 20), 160, -205);
    hook.quadTo(32, 32, 32, 38);
    strokePath(painter, hook, White, 7.5);
    fillCircle(painter, QPointF(32, 48), 4.6, White);
}

void drawPlay(QPainter &painter)
{
    fillRounded(painter, QPolygonF({{19, 11}, {54, 32}, {19, 53}}), Blue, 7);
}

void drawPause(QPainter &painter)
{
    fillRoundedRect(painter, QRectF(14, 9, 13, 46), 3.5, Blue);
    fillRoundedRect(painter, QRectF(37, 9, 13, 46), 3.5, Blue);
}

void drawStop(QPainter &painter)
{
    fillRoundedRect(painter, QRectF(13, 13, 38, 38), 5, Blue);
}

// The route check: a clipboard with a tick, the list of problems it finds.
void drawCheck(QPainter &painter)
{
    fillRoundedRect(painter, QRectF(11, 8, 42, 52), 5, Blue);
    fillRoundedRect(painter, QRectF(16, 15, 32, 40), 3, White);
    fillRoundedRect(painter, QRectF(23, 4, 18, 9), 3, BlueDark);
    QPainterPath tick;
    tick.moveTo(22, 35);
    tick.lineTo(29, 43);
    tick.lineTo(43, 25);
    strokePath(painter, tick, Green, 7);
}

// Attaching moves the name from the list of all files on the right into the
// attached list on the left, so the arrow points left.
void drawAdd(QPainter &painter)
{
    fillArrowLeft(painter, Green);
}

// Detaching only takes the file off the list: a plain cross, no bin.
void drawRemove(QPainter &painter)
{
    QPainterPath cross;
    cross.moveTo(15, 15);
    cross.lineTo(49, 49);
    cross.moveTo(49, 15);
    cross.lineTo(15, 49);
    strokePath(painter, cross, Red, 12);
}

// The up arrow moves the entry one place up; down is its mirror image.
void drawUp(QPainter &painter)
{
    painter.setTransform(QTransform().translate(32, 32).rotate(90).translate(-32, -32), true);
    fillArrowLeft(painter, Teal);
}

void drawDown(QPainter &painter)
{
    painter.setTransform(QTransform(1, 0, 0, -1, 0, IconSize), true);
    drawUp(painter);
}

void drawFolder(QPainter &painter)
{
    // Closed folder with a magnifier over its lower right corner: look the file
    // up in the file manager.
    fillClosedFolder(painter);
    QPainterPath magnifier;
    magnifier.addEllipse(QPointF(40, 39), 11, 11);
    magnifier.moveTo(48, 47);
    magnifier.lineTo(57, 56);
    clearAround(painter, magnifier, 15);
    fillCircle(painter, QPointF(40, 39), 11, BlueLight);
    strokePath(painter, magnifier, BlueDark, 6);
}

void drawNewFile(QPainter &painter)
{
    // A blank page with a plus sign on it.
    fillPage(painter);
    fillRoundedRect(painter, QRectF(20, 34.5, 24, 7), 2, White);
    fillRoundedRect(painter, QRectF(28.5, 26, 7, 24), 2, White);
}

void drawEdit(QPainter &painter)
{
    // A page of text with a pencil writing on its lower right corner.
    fillPage(painter);
    fillRoundedRect(painter, QRectF(18, 16, 15, 3.5), 1.5, White);
    fillRoundedRect(painter, QRectF(18, 26, 27, 3.5), 1.5, White);
    fillRoundedRect(painter, QRectF(18, 36, 20, 3.5), 1.5, White);
    fillRoundedRect(painter, QRectF(18, 46, 10, 3.5), 1.5, White);

    // The pencil is drawn lying along the x axis with its point at the origin,
    // then turned so that it points down to the left.
    painter.save();
    painter.translate(29, 58);
    painter.rotate(-45);
    QPainterPath pencil;
    pencil.addPolygon(QPolygonF({{0, 0}, {11, -6.5}, {40, -6.5}, {40, 6.5}, {11, 6.5}}));
    pencil.closeSubpath();
    clearAround(painter, pencil, 7);
    fillRounded(painter, QPolygonF({{11, -6.5}, {40, -6.5}, {40, 6.5}, {11, 6.5}}), Amber, 2);
    fillRounded(painter, QPolygonF({{33, -6.5}, {40, -6.5}, {40, 6.5}, {33, 6.5}}), BlueDark, 2);
    fillRounded(painter, QPolygonF({{0, 0}, {11, -6.5}, {11, 6.5}}), AmberLight, 2);
    fillRounded(painter, QPolygonF({{0, 0}, {4, -2.4}, {4, 2.4}}), BlueDark, 2);
    painter.restore();
}

void drawMoveFolder(QPainter &painter)
{
    // Closed folder with an arrow leaving it to the right: pick another folder.
    fillClosedFolder(painter);
    const QPolygonF arrow({{30, 32}, {44, 32}, {44, 24}, {60, 40}, {44, 56}, {44, 48}, {30, 48}});
    QPainterPath outline;
    outline.addPolygon(arrow);
    outline.closeSubpath();
    clearAround(painter, outline, 11);
    fillRounded(painter, arrow, Teal, 4);
}

struct Icon
{
    const char *name;
    std::function<void(QPainter &)> draw;
};

bool writeIcon(const QDir &folder, const Icon &icon)
{
    QImage image(IconSize, IconSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        icon.draw(painter);
    }
    const QString path = folder.filePath(QString::fromLatin1(icon.name) + QStringLiteral(".png"));
    return image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG");
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: icongen OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "icongen: cannot create %s\n", argv[1]);
        return 1;
    }

    const std::vector<Icon> icons = {
        {"save", drawSave},
        {"undo", drawUndo},
        {"redo", drawRedo},
        {"information", drawInformation},
        {"open", drawOpen},
        {"help", drawHelp},
        {"play", drawPlay},
        {"pause", drawPause},
        {"stop", drawStop},
        {"add", drawAdd},
        {"remove", drawRemove},
        {"up", drawUp},
        {"down", drawDown},
        {"folder", drawFolder},
        {"newfile", drawNewFile},
        {"edit", drawEdit},
        {"movefolder", drawMoveFolder},
        {"check", drawCheck},
    };
    for (const Icon &icon : icons) {
        if (!writeIcon(folder, icon)) {
            std::fprintf(stderr, "icongen: cannot write %s.png\n", icon.name);
            return 1;
        }
    }
    return 0;
}
