// Voice drafts of a whole route as "marvolt-route speak" makes them: a 50-stop route in two
// languages, every entry spoken for real and written, attached and saved.

#include "benchtiming.h"
#include "largeroute.h"
#include "speechsynthesizer.h"
#include "voicedrafts.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

class BenchVoiceDrafts : public QObject
{
    Q_OBJECT

private slots:
    void route();
};

namespace {

constexpr int routeStops = 50;

} // namespace

void BenchVoiceDrafts::route()
{
    Timing speaking;
    QElapsedTimer timer;
    qint64 sound = 0;
    int files = 0;
    for (int run = 0; run < 3; ++run) {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("route"));
        QVERIFY(writeLargeRoute(folder, routeStops));
        RouteData route;
        QVERIFY(route.load(folder));
        for (int index = 0; index < route.stationCount(); ++index)
            route.stationAt(index)->soundFiles.clear();
        timer.start();
        VoiceDraftRequest request;
        request.voices = {routeVoice(route, 0), routeVoice(route, 1)};
        const QList<VoiceDraft> drafts = planVoiceDrafts(route, request);
        sound = 0;
        QString failedFile;
        QVERIFY(speakVoiceDrafts(
            route, drafts, SpeechSynthesizer::defaultRate, [&sound](const VoiceDraft &, qint64 ms) { sound += ms; },
            failedFile));
        speaking.add(timer.nsecsElapsed());
        files = drafts.size();
    }
    qInfo("%d stops, %d drafts of %.1f s sound: %s (%d runs)", routeStops, files, sound / 1000.0,
          speaking.text().constData(), speaking.runs);
}

QTEST_GUILESS_MAIN(BenchVoiceDrafts)
#include "bench_voicedrafts.moc"
