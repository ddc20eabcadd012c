#include "sofitcolormodel.h"

#include <QCoreApplication>
#include <QPixmap>

QStandardItemModel *createSofitColorModel(QObject *parent)
{
    struct Entry {
        const char *text;
        QColor color;
        int code;
    };
    const Entry entries[] = {
        {QT_TRANSLATE_NOOP("RouteForm", "Погашен"), Qt::black, 0},
        {QT_TRANSLATE_NOOP("RouteForm", "Белый"), Qt::white, 7},
        {QT_TRANSLATE_NOOP("RouteForm", "Желтый"), QColor(255, 255, 0), 6},
        {QT_TRANSLATE_NOOP("RouteForm", "Зеленый"), QColor(0, 255, 0), 2},
        {QT_TRANSLATE_NOOP("RouteForm", "Красный"), QColor(255, 0, 0), 4},
        {QT_TRANSLATE_NOOP("RouteForm", "Синий"), QColor(0, 0, 255), 1},
    };
    auto *model = new QStandardItemModel(parent);
    for (const Entry &entry : entries) {
        QPixmap swatch(32, 32);
        swatch.fill(entry.color);
        auto *item = new QStandardItem(QIcon(swatch), QCoreApplication::translate("RouteForm", entry.text));
        item->setData(entry.code, SofitColorRole);
        model->appendRow(item);
    }
    return model;
}
