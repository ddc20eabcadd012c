// Measures textWidth over a long text of mixed Russian and Latin stop names, numbers and
// punctuation: board layouts measure every text on every redraw and while the user types,
// so measuring has to stay far below a frame's time even for long stop lists.

#include "tablofont.h"

#include <QElapsedTimer>
#include <QtTest>

Q_DECLARE_METATYPE(const TabloFont *)

class BenchTabloFont : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void textWidth_data();
    void textWidth();
    void cleanupTestCase();

private:
    // QtTest calls a benchmark function again until its timing settles, so the runs of
    // all calls are summed per font and reported once at the end.
    struct Timing
    {
        qint64 nanoseconds = 0;
        qint64 characters = 0;
    };

    QString m_text;
    QMap<QString, Timing> m_timings;
};

namespace {

const int repeats = 20000;

} // namespace

void BenchTabloFont::initTestCase()
{
    const QString phrase = QStringLiteral("Маршрут № 12А: Вокзал - Аэропорт (Airport), ул. Щорса, 45; "
                                          "Next stop Ленина Street\n");
    m_text.reserve(phrase.size() * repeats);
    for (int repeat = 0; repeat < repeats; ++repeat)
        m_text += phrase;
}

void BenchTabloFont::textWidth_data()
{
    QTest::addColumn<const TabloFont *>("font");
    QTest::newRow("Font8Thin") << &Font8Thin;
    QTest::newRow("Font32") << &Font32;
}

void BenchTabloFont::textWidth()
{
    QFETCH(const TabloFont *, font);
    Timing &timing = m_timings[QString::fromLatin1(font->name)];
    QElapsedTimer timer;
    int width = 0;
    QBENCHMARK
    {
        timer.start();
        width = ::textWidth(*font, m_text);
        timing.nanoseconds += timer.nsecsElapsed();
        timing.characters += m_text.size();
    }
    QVERIFY(width > m_text.size());
}

void BenchTabloFont::cleanupTestCase()
{
    for (auto it = m_timings.cbegin(); it != m_timings.cend(); ++it) {
        if (it->nanoseconds > 0)
            qInfo("textWidth in %s: %.0f million characters a second", qPrintable(it.key()),
                  it->characters * 1e3 / it->nanoseconds);
    }
}

QTEST_GUILESS_MAIN(BenchTabloFont)
#include "bench_tablofont.moc"
