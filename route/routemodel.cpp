#include "routemodel.h"

#include "routedata.h"

#include <QColor>
#include <QFont>
#include <QSize>

RouteModel::RouteModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

int RouteModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_route || m_route->folder().isEmpty())
        return 0;
    return m_route->stationCount() + 1;
}

int RouteModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1;
}

bool RouteModel::isLastOfDirection(int row) const
{
    return row == m_route->backStationIndex() || row == m_route->stationCount();
}

QVariant RouteModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.column() != 0 || index.row() >= rowCount())
        return QVariant();
    const int row = index.row();
    switch (role) {
    case Qt::DisplayRole:
        return row == 0 ? tr("Маршрут") : m_route->stationAt(row - 1)->name[0];
    case Qt::ToolTipRole:
        return row == 0 ? QVariant() : QVariant(toolTip(*m_route->stationAt(row - 1)));
    case Qt::FontRole:
        if (row == 0) {
            QFont font;
            font.setPointSizeF(font.pointSizeF() * 2);
            return font;
        }
        return QVariant();
    case Qt::TextAlignmentRole:
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (row == 0)
            return QColor(0, 0, 255);
        return isLastOfDirection(row) ? QVariant(QColor(255, 0, 0)) : QVariant();
    case Qt::SizeHintRole:
        return QSize(0, 40);
    default:
        return QVariant();
    }
}

// The whole text of a stop, which a narrow list cuts: both languages when it has two.
QString RouteModel::toolTip(const Station &station)
{
    return station.name[1].isEmpty() ? station.name[0] : station.name[0] + QLatin1Char('\n') + station.name[1];
}

void RouteModel::setRoute(RouteData *route)
{
    beginResetModel();
    m_route = route;
    endResetModel();
}

void RouteModel::insertStation(int index, Station *station)
{
    beginInsertRows(QModelIndex(), index + 1, index + 1);
    m_route->insertStation(index, station);
    endInsertRows();
}

void RouteModel::removeStation(int index)
{
    beginRemoveRows(QModelIndex(), index + 1, index + 1);
    m_route->removeStation(index);
    endRemoveRows();
}

Station *RouteModel::takeStation(int index)
{
    beginRemoveRows(QModelIndex(), index + 1, index + 1);
    Station *station = m_route->takeStation(index);
    endRemoveRows();
    return station;
}

QModelIndex RouteModel::stationModelIndex(int index) const
{
    return this->index(index + 1, 0);
}

QModelIndex RouteModel::routeModelIndex() const
{
    return index(0, 0);
}

int RouteModel::stationIndexOf(const QModelIndex &index) const
{
    if (!index.isValid() || index.row() < 1 || index.row() >= rowCount())
        return -1;
    return index.row() - 1;
}

void RouteModel::setStationText(int index, int textNumber, const QString &text)
{
    Station *station = m_route ? m_route->stationAt(index) : nullptr;
    if (!station)
        return;
    station->text(textNumber) = text;
    if (textNumber == Station::Name0) {
        const QModelIndex changed = stationModelIndex(index);
        emit dataChanged(changed, changed, {Qt::DisplayRole});
    }
}

void RouteModel::setBackStationIndex(int index)
{
    const int oldRow = m_route->backStationIndex();
    m_route->setBackStationIndex(index);
    for (const int row : {oldRow, index}) {
        const QModelIndex changed = this->index(row, 0);
        if (changed.isValid())
            emit dataChanged(changed, changed, {Qt::ForegroundRole});
    }
}
