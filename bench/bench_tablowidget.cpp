// Animation frames of the widest board (320 x 32) in its two busiest layouts: the running
// line with both strips lit, and the side board's rising stop list under a running upper line.
// Each frame is timed twice: the frame step alone, and painting the board into an image as
// the widget's repaint does. A frame and its paint have 16 ms; they should take well under 1.

#include "fronttablotype.h"
#include "fronttablowidget.h"
#include "routedata.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QtTest>

class BenchTabloWidget : public QObject
{
    Q_OBJECT

private slots:
    void runningLineFrame();
    void runningLinePaint();
    void verticalStopsFrame();
    void verticalStopsPaint();
    void cleanupTestCase();

private:
    // QtTest repeats a benchmark until its timing settles, so all runs are summed and
    // reported once at the end.
    struct Timing
    {
        qint64 nanoseconds = 0;
        qint64 frames = 0;
    };

    void timeFrames(FrontTabloWidget &board, Timing &timing);
    void timePaints(FrontTabloWidget &board, Timing &timing);
    static void report(const char *what, const Timing &timing);

    Timing m_runningFrame;
    Timing m_runningPaint;
    Timing m_verticalFrame;
    Timing m_verticalPaint;
};

namespace {

const int framesPerRun = 500;

void setUpRunningLine(FrontTabloWidget &board)
{
    board.setType(FrontTablo32x320Color);
    board.setNumber(QStringLiteral("147Э"));
    board.setStartingPoint(0, QStringLiteral("Микрорайон Северный, улица Строителей"));
    board.setDestination(0, QStringLiteral("Железнодорожный вокзал, Центральная площадь"));
    board.setStartingPoint(1, QStringLiteral("Severny District, Builders Street"));
    board.setDestination(1, QStringLiteral("Railway Station, Central Square"));
    board.setLeftStrip(2);
    board.setRightStrip(4);
    board.startAnimation();
}

void setUpVerticalStops(FrontTabloWidget &board)
{
    board.setType(FrontTablo32x320Color);
    board.setMode(RouteData::VerticalStationsMode | RouteData::CenteredMode);
    board.setNumber(QStringLiteral("147Э"));
    board.setStartingPoint(0, QStringLiteral("Микрорайон Северный"));
    board.setDestination(0, QStringLiteral("Железнодорожный вокзал"));
    board.setStops(0,
                   {QStringLiteral("Улица Гагарина"), QStringLiteral("Центральный рынок"),
                    QStringLiteral("Площадь Ленина"), QStringLiteral("Театр драмы")});
    board.setStops(1, {QStringLiteral("Gagarin Street"), QStringLiteral("Central Market")});
    board.setSeparator(QStringLiteral("hh:mm dd.MM.yy"));
    // No standing time: every frame moves a stop, the most work a frame of this layout does.
    board.setStopTime(0);
    board.startAnimation();
}

} // namespace

void BenchTabloWidget::timeFrames(FrontTabloWidget &board, Timing &timing)
{
    QElapsedTimer timer;
    QBENCHMARK
    {
        timer.start();
        for (int frame = 0; frame < framesPerRun; ++frame)
            board.frame(false);
        timing.nanoseconds += timer.nsecsElapsed();
        timing.frames += framesPerRun;
    }
}

void BenchTabloWidget::timePaints(FrontTabloWidget &board, Timing &timing)
{
    // The frames are stepped outside the clock; the image is the size of the painting at the
    // largest dots, as a preview on a wide window shows it.
    QImage image(board.maxPitchSize(), QImage::Format_RGB32);
    QElapsedTimer timer;
    QBENCHMARK
    {
        for (int frame = 0; frame < framesPerRun; ++frame) {
            board.frame(false);
            timer.start();
            QPainter painter(&image);
            board.paintDots(painter, image.size());
            painter.end();
            timing.nanoseconds += timer.nsecsElapsed();
        }
        timing.frames += framesPerRun;
    }
}

void BenchTabloWidget::runningLineFrame()
{
    FrontTabloWidget board;
    setUpRunningLine(board);
    timeFrames(board, m_runningFrame);
}

void BenchTabloWidget::runningLinePaint()
{
    FrontTabloWidget board;
    setUpRunningLine(board);
    timePaints(board, m_runningPaint);
}

void BenchTabloWidget::verticalStopsFrame()
{
    FrontTabloWidget board;
    setUpVerticalStops(board);
    timeFrames(board, m_verticalFrame);
}

void BenchTabloWidget::verticalStopsPaint()
{
    FrontTabloWidget board;
    setUpVerticalStops(board);
    timePaints(board, m_verticalPaint);
}

void BenchTabloWidget::cleanupTestCase()
{
    report("running line, frame step", m_runningFrame);
    report("running line, paint", m_runningPaint);
    report("vertical stops, frame step", m_verticalFrame);
    report("vertical stops, paint", m_verticalPaint);
}

void BenchTabloWidget::report(const char *what, const Timing &timing)
{
    if (timing.frames == 0)
        return;
    qInfo("%s: %.2f us per frame (mean of %lld frames)", what, timing.nanoseconds / 1e3 / timing.frames, timing.frames);
}

int main(int argc, char *argv[])
{
    // Benchmarks run on machines without a display as often as with one.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchTabloWidget bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_tablowidget.moc"
