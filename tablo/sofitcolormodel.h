#pragma once

#include <QStandardItemModel>

// Item data role that carries a side-strip colour code (bit 2 red, bit 1 green, bit 0 blue).
constexpr int SofitColorRole = Qt::UserRole + 1;

// The side-strip colours offered for the left and right strips, in menu order, each with
// a 32 x 32 colour swatch and its code under SofitColorRole.
QStandardItemModel *createSofitColorModel(QObject *parent);
