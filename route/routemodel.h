#pragma once

#include <QAbstractListModel>

class RouteData;
struct Station;

// The stop list of a route page: row 0 stands for the route itself, rows 1 to n for the
// stops. The last stop of each direction shows in red.
class RouteModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit RouteModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // Shows route, which the model does not own (null shows nothing).
    void setRoute(RouteData *route);

    void insertStation(int index, Station *station = nullptr);
    void removeStation(int index);
    Station *takeStation(int index);

    QModelIndex stationModelIndex(int index) const;
    QModelIndex routeModelIndex() const;
    // The stop index of a model row, or -1 for the route row and invalid indexes.
    int stationIndexOf(const QModelIndex &index) const;

    // Sets text number textNumber (0 to 5) of the stop at index.
    void setStationText(int index, int textNumber, const QString &text);
    void setBackStationIndex(int index);

private:
    bool isLastOfDirection(int row) const;
    static QString toolTip(const Station &station);

    RouteData *m_route = nullptr;
};
