#include "routedata.h"
#include "routemodel.h"

#include <QColor>
#include <QFile>
#include <QFont>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The stop list model and the route's own stop operations.
class TestRouteModel : public QObject
{
    Q_OBJECT

private slots:
    void noRouteNoRows();
    void rowsAndRoles();
    void lastStopsInRed_data();
    void lastStopsInRed();
    void insertAndTake();
    void setStationText();
    void setBackStationIndex();
    void insertStationNaming_data();
    void insertStationNaming();
    void strippedName_data();
    void strippedName();
    void relativeAdFolder_data();
    void relativeAdFolder();
    void loadRefusals();
};

namespace {

// A loaded route with the given stops; the last `returning` of them form the return direction.
void loadRoute(RouteData &route, const QTemporaryDir &folder, const QStringList &names, int returning = 0)
{
    QByteArray list = "1\r\n";
    for (int index = 0; index < names.size(); ++index) {
        const bool firstOfReturn = returning > 0 && index == names.size() - returning;
        list += QByteArray::number(index + 1) + (firstOfReturn ? " STOP " : " ") + names.at(index).toUtf8() + "\r\n";
    }
    QFile file(folder.filePath(QStringLiteral("ost.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(list);
    file.close();
    QVERIFY(route.load(folder.path()));
}

QVariant foreground(const RouteModel &model, int row)
{
    return model.data(model.index(row, 0), Qt::ForegroundRole);
}

} // namespace

void TestRouteModel::noRouteNoRows()
{
    RouteModel model;
    QCOMPARE(model.rowCount(), 0);
    QVERIFY(!model.data(model.index(0, 0)).isValid());
    RouteData empty;
    model.setRoute(&empty);
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.stationIndexOf(model.index(0, 0)), -1);
}

void TestRouteModel::rowsAndRoles()
{
    QTemporaryDir folder;
    RouteData route;
    loadRoute(route, folder, {"Вокзал\r\n  Station", "Парк"});
    RouteModel model;
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    model.setRoute(&route);
    QCOMPARE(reset.count(), 1);
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.columnCount(), 1);

    const QModelIndex routeRow = model.routeModelIndex();
    QCOMPARE(routeRow.data().toString(), QStringLiteral("Маршрут"));
    QCOMPARE(routeRow.data(Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 255));
    QCOMPARE(routeRow.data(Qt::FontRole).value<QFont>().pointSizeF(), QFont().pointSizeF() * 2);
    QCOMPARE(routeRow.data(Qt::SizeHintRole).toSize(), QSize(0, 40));
    QCOMPARE(routeRow.data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft | Qt::AlignVCenter));

    const QModelIndex first = model.stationModelIndex(0);
    QCOMPARE(first.data().toString(), QStringLiteral("Вокзал"));
    // A narrow list cuts the text; pointing at it shows the whole, in both languages.
    QCOMPARE(first.data(Qt::ToolTipRole).toString(), QStringLiteral("Вокзал\nStation"));
    QCOMPARE(model.stationModelIndex(1).data(Qt::ToolTipRole).toString(), QStringLiteral("Парк"));
    QVERIFY(!first.data(Qt::FontRole).isValid());
    QCOMPARE(first.data(Qt::SizeHintRole).toSize(), QSize(0, 40));
    QCOMPARE(model.stationIndexOf(first), 0);
    QCOMPARE(model.stationIndexOf(routeRow), -1);
    QCOMPARE(model.stationIndexOf(model.index(3, 0)), -1);
    QVERIFY(!model.data(model.index(3, 0)).isValid());
}

void TestRouteModel::lastStopsInRed_data()
{
    QTest::addColumn<int>("returning");
    QTest::addColumn<QList<int>>("redRows");
    QTest::newRow("one direction") << 0 << QList<int>{4};
    QTest::newRow("two directions") << 2 << QList<int>{2, 4};
}

void TestRouteModel::lastStopsInRed()
{
    QFETCH(int, returning);
    QFETCH(QList<int>, redRows);
    QTemporaryDir folder;
    RouteData route;
    loadRoute(route, folder, {"A", "B", "C", "D"}, returning);
    RouteModel model;
    model.setRoute(&route);
    for (int row = 1; row < model.rowCount(); ++row) {
        const QVariant color = foreground(model, row);
        QCOMPARE(color.isValid(), redRows.contains(row));
        if (color.isValid())
            QCOMPARE(color.value<QColor>(), QColor(255, 0, 0));
    }
}

void TestRouteModel::insertAndTake()
{
    QTemporaryDir folder;
    RouteData route;
    loadRoute(route, folder, {"A", "B"});
    RouteModel model;
    model.setRoute(&route);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);

    Station *taken = model.takeStation(0);
    QCOMPARE(taken->name[0], QStringLiteral("A"));
    QCOMPARE(removed.takeFirst().mid(1), (QVariantList{1, 1}));
    QCOMPARE(model.rowCount(), 2);
    model.insertStation(1, taken);
    QCOMPARE(inserted.takeFirst().mid(1), (QVariantList{2, 2}));
    QCOMPARE(route.stationAt(1), taken);
    model.removeStation(0);
    QCOMPARE(removed.takeFirst().mid(1), (QVariantList{1, 1}));
    QCOMPARE(model.stationModelIndex(0).data().toString(), QStringLiteral("A"));
}

void TestRouteModel::setStationText()
{
    QTemporaryDir folder;
    RouteData route;
    loadRoute(route, folder, {"A", "B"});
    RouteModel model;
    model.setRoute(&route);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    for (int textNumber = Station::Name1; textNumber <= Station::SideName1; ++textNumber)
        model.setStationText(1, textNumber, QString::number(textNumber));
    QCOMPARE(changed.count(), 0);
    const Station *station = route.stationAt(1);
    QCOMPARE(station->name[1], QStringLiteral("1"));
    QCOMPARE(station->nextName, (TextPair{QStringLiteral("2"), QStringLiteral("3")}));
    QCOMPARE(station->sideName, (TextPair{QStringLiteral("4"), QStringLiteral("5")}));

    model.setStationText(1, Station::Name0, QStringLiteral("Бэ"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().at(0).toModelIndex().row(), 2);
    QCOMPARE(model.stationModelIndex(1).data().toString(), QStringLiteral("Бэ"));
    model.setStationText(5, Station::Name0, QStringLiteral("none"));
    QCOMPARE(changed.count(), 1);
}

void TestRouteModel::setBackStationIndex()
{
    QTemporaryDir folder;
    RouteData route;
    loadRoute(route, folder, {"A", "B", "C", "D"});
    RouteModel model;
    model.setRoute(&route);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.setBackStationIndex(2);
    QCOMPARE(route.backStationIndex(), 2);
    QVERIFY(route.hasReturnDirection());
    QList<int> rows;
    for (const QList<QVariant> &arguments : changed)
        rows.append(arguments.at(0).toModelIndex().row());
    QVERIFY(rows.contains(2));
    QVERIFY(foreground(model, 2).isValid());
    QVERIFY(foreground(model, 4).isValid());
    QVERIFY(!foreground(model, 3).isValid());
}

void TestRouteModel::insertStationNaming_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("name");
    QTest::newRow("word") << QStringLiteral("Остановка") << QStringLiteral("Остановка ");
    QTest::newRow("word with blank") << QStringLiteral("Остановка ") << QStringLiteral("Остановка ");
    QTest::newRow("no word") << QString() << QString();
}

void TestRouteModel::insertStationNaming()
{
    QFETCH(QString, word);
    QFETCH(QString, name);
    RouteData route;
    route.setStationWord(0, word);
    route.setStationWord(1, QStringLiteral("Stop"));
    route.insertStation(0);
    const Station *station = route.stationAt(0);
    QCOMPARE(station->name[0], name);
    QCOMPARE(station->name[1], QStringLiteral("Stop "));
    QCOMPARE(station->radius, quint8(25));
    QVERIFY(!station->coordinate.isValid());
    QVERIFY(station->soundFiles.isEmpty());
}

void TestRouteModel::strippedName_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stripped");

    const QString word = QStringLiteral("Остановка");
    QTest::newRow("quoted with full stop") << word << "Остановка \"Пункт А\"." << "Пункт А";
    QTest::newRow("quoted") << word << "Остановка \"Пункт А\"" << "Пункт А";
    QTest::newRow("plain keeps full stop") << word << "Остановка Пункт А." << "Пункт А.";
    QTest::newRow("other case unchanged") << word << "остановка Пункт А." << "остановка Пункт А.";
    QTest::newRow("no word unchanged") << word << "Вокзал" << "Вокзал";
    QTest::newRow("empty word trims and unquotes") << QString() << "  \"Парк\"  " << "Парк";
    QTest::newRow("even quotes keep the rest") << word << "Остановка \"Парк \"Дружба\"" << "Парк \"Дружба\"";
    QTest::newRow("quote far from end") << word << "Остановка \"Парк\" у реки" << "\"Парк\" у реки";
    QTest::newRow("lone quote") << word << "Остановка \"" << "\"";
    QTest::newRow("word alone") << word << "Остановка" << "";
}

void TestRouteModel::strippedName()
{
    QFETCH(QString, word);
    QFETCH(QString, text);
    QFETCH(QString, stripped);
    RouteData route;
    route.setStationWord(1, word);
    QCOMPARE(route.strippedName(1, text), stripped);
}

void TestRouteModel::relativeAdFolder_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("adFolder");
    QTest::addColumn<QString>("relative");
    QTest::newRow("beside") << "/routes/12" << "/routes/Reklama" << "/Reklama";
    QTest::newRow("inside") << "/routes/12" << "/routes/12/Rek" << "/12/Rek";
}

void TestRouteModel::relativeAdFolder()
{
    QFETCH(QString, folder);
    QFETCH(QString, adFolder);
    QFETCH(QString, relative);
    RouteData route;
    route.setFolder(folder);
    route.setAdFolder(adFolder);
    QCOMPARE(route.relativeAdFolder(), relative);
}

void TestRouteModel::loadRefusals()
{
    QTemporaryDir folder;
    RouteData route;
    QVERIFY(!route.load(QString()));
    QVERIFY(!route.load(folder.path()));
    QCOMPARE(route.folder(), QString());
    loadRoute(route, folder, {"A"});
    QTemporaryDir other;
    RouteData otherRoute;
    loadRoute(otherRoute, other, {"B", "C"});
    QVERIFY(!route.load(other.path()));
    QCOMPARE(route.folder(), folder.path());
    QCOMPARE(route.stationCount(), 1);
}

QTEST_MAIN(TestRouteModel)
#include "tst_routemodel.moc"
