#include "routedata.h"
#include "stationrename.h"

#include <QtTest>

// A stop renamed by its name in every entry that announces it, with the texts made from the old
// name following, as the editor renames one stop.
class TestStationRename : public QObject
{
    Q_OBJECT

private slots:
    void renameStop_data();
    void renameStop();
};

namespace {

// A route of entries "stop text|next-stop text|side-board name", in both languages when an entry
// holds a second line after "/", with the return direction from back.
void fillRoute(RouteData &route, const QStringList &entries, int back)
{
    route.setStationWord(0, QStringLiteral("Остановка"));
    route.setNextWord(0, QStringLiteral("Следующая остановка"));
    route.setStationWord(1, QStringLiteral("Stop"));
    route.setNextWord(1, QStringLiteral("Next stop"));
    for (const QString &entry : entries) {
        auto *station = new Station;
        const QStringList languages = entry.split(QLatin1Char('/'));
        for (int language = 0; language < languages.size(); ++language) {
            const QStringList texts = languages.at(language).split(QLatin1Char('|'));
            station->name[language] = texts.value(0);
            station->nextName[language] = texts.value(1);
            station->sideName[language] = texts.value(2);
        }
        route.insertStation(route.stationCount(), station);
    }
    route.setBackStationIndex(back < 0 ? route.stationCount() : back);
}

QStringList entriesOf(const RouteData &route)
{
    QStringList entries;
    for (int index = 0; index < route.stationCount(); ++index) {
        const Station *station = route.stationAt(index);
        QString entry
            = station->name[0] + QLatin1Char('|') + station->nextName[0] + QLatin1Char('|') + station->sideName[0];
        if (!station->name[1].isEmpty())
            entry += QLatin1Char('/') + station->name[1] + QLatin1Char('|') + station->nextName[1] + QLatin1Char('|')
                + station->sideName[1];
        entries.append(entry);
    }
    return entries;
}

} // namespace

void TestStationRename::renameStop_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("back");
    QTest::addColumn<bool>("separate");
    QTest::addColumn<QStringList>("renamed");

    const QString a = QStringLiteral("Остановка А.");
    const QString toMarket = QStringLiteral("Следующая остановка Рынок.");
    const QString toNew = QStringLiteral("Следующая остановка Новый рынок.");
    const QString market = QStringLiteral("Остановка Рынок.");
    const QString renamed = QStringLiteral("Остановка Новый рынок.");

    QTest::newRow("side name made with the full stop")
        << QStringList{a + "|" + toMarket + "|А.", market + "||Рынок."} << -1 << false
        << QStringList{a + "|" + toNew + "|А.", renamed + "||Новый рынок."};
    QTest::newRow("side name made without it")
        << QStringList{a + "|" + toMarket + "|А", market + "||Рынок"} << -1 << false
        << QStringList{a + "|" + toNew + "|А", renamed + "||Новый рынок"};
    QTest::newRow("texts written by hand stay") << QStringList{a + "|Едем на рынок|А", market + "||Базар"} << -1
                                                << false << QStringList{a + "|Едем на рынок|А", renamed + "||Базар"};
    QTest::newRow("quoted name") << QStringList{a + "|Следующая остановка \"Рынок\".|А", "Остановка \"Рынок\".||Рынок"}
                                 << -1 << false
                                 << QStringList{a + "|Следующая остановка \"Новый рынок\".|А",
                                                "Остановка \"Новый рынок\".||Новый рынок"};
    QTest::newRow("both directions, nothing crosses their border")
        << QStringList{market + "|Следующая остановка Б.|Рынок", "Остановка Б.|" + toMarket + "|Б", market + "||Рынок",
                       "Остановка В.||В"}
        << 2 << false
        << QStringList{renamed + "|Следующая остановка Б.|Новый рынок", "Остановка Б.|" + toMarket + "|Б",
                       renamed + "||Новый рынок", "Остановка В.||В"};
    QTest::newRow("separate next-stop entries")
        << QStringList{a + "||А", toMarket + "||", market + "||Рынок"} << -1 << true
        << QStringList{a + "||А", toNew + "||", renamed + "||Новый рынок"};
    QTest::newRow("a longer name is another stop")
        << QStringList{a + "|Следующая остановка Рынок старый.|А", "Остановка Рынок старый.||Рынок старый"} << -1
        << false << QStringList{a + "|Следующая остановка Рынок старый.|А", "Остановка Рынок старый.||Рынок старый"};
    QTest::newRow("second language") << QStringList{a + "|" + toMarket + "|А/Stop A.|Next stop Market.|A",
                                                    market + "||Рынок/Stop Market.||Market"}
                                     << -1 << false
                                     << QStringList{a + "|" + toNew + "|А/Stop A.|Next stop New Market.|A",
                                                    renamed + "||Новый рынок/Stop New Market.||New Market"};
}

void TestStationRename::renameStop()
{
    QFETCH(QStringList, entries);
    QFETCH(int, back);
    QFETCH(bool, separate);
    QFETCH(QStringList, renamed);
    RouteData route;
    fillRoute(route, entries, back);
    const QList<StationTextEdit> edits
        = ::renameStop(route, {QStringLiteral("Рынок"), QStringLiteral("Market.")},
                       {QStringLiteral("Новый рынок"), QStringLiteral("New Market")}, separate);
    QCOMPARE(entriesOf(route), renamed);
    // One edit for each text that changed.
    int changed = 0;
    for (int index = 0; index < entries.size(); ++index) {
        const QStringList before = entries.at(index).split(QRegularExpression(QStringLiteral("[|/]")));
        const QStringList after = renamed.at(index).split(QRegularExpression(QStringLiteral("[|/]")));
        for (int text = 0; text < before.size(); ++text)
            changed += int(before.at(text) != after.at(text));
    }
    QCOMPARE(edits.size(), changed);
}

QTEST_GUILESS_MAIN(TestStationRename)
#include "tst_stationrename.moc"
