#include "fixturefiles.h"
#include "routedata.h"
#include "speechsynthesizer.h"
#include "voicedraft.h"
#include "wavfile.h"

#include <QtEndian>
#include <QtTest>

// Voice drafts: real synthesis with espeak-ng into WAV files, and the rules that choose the
// entries, texts and file names of the drafts of a route.
class TestVoice : public QObject
{
    Q_OBJECT

private slots:
    void synthesis_data();
    void synthesis();
    void unknownVoice();
    void plan_data();
    void plan();
};

namespace {

quint32 le32(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

Station *station(const QString &name, const QString &next, const QStringList &sounds)
{
    auto *stop = new Station;
    stop->name[0] = name;
    stop->nextName[0] = next;
    stop->soundFiles = sounds;
    return stop;
}

} // namespace

void TestVoice::synthesis_data()
{
    QTest::addColumn<QString>("voice");
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("Russian") << "ru"
                             << QStringList{"Остановка Театр драмы.", "Следующая остановка Железнодорожный вокзал."};
    QTest::newRow("English") << "en" << QStringList{"Stop Drama Theatre.", "Next stop Railway Station. Terminus."};
}

// A short text gives a WAV file of 16-bit mono PCM at 22,050 Hz between 0.3 and 10 seconds
// long; two texts with a pause give a longer one.
void TestVoice::synthesis()
{
    QFETCH(QString, voice);
    QFETCH(QStringList, texts);
    const SpeechSynthesizer synthesizer(voice);
    PcmSound shortSound;
    PcmSound longSound;
    QVERIFY(synthesizer.speak(texts.mid(0, 1), shortSound));
    QVERIFY(synthesizer.speak(texts, longSound));
    QVERIFY(longSound.samples.size() > shortSound.samples.size() + SpeechSynthesizer::pauseMs * 22);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("draft.wav"));
    QVERIFY(writeWavFile(path, shortSound));
    QByteArray wav;
    QVERIFY(FixtureFiles::readFile(path, wav));
    QVERIFY(wav.size() > 44);
    // A format chunk of 16 bytes: PCM, mono, 22,050 Hz, 44,100 bytes a second, 2 bytes a sample of 16 bits.
    QCOMPARE(wav.left(4) + wav.mid(8, 28) + wav.mid(36, 4),
             "RIFFWAVEfmt " + QByteArray::fromHex("10000000 0100 0100 22560000 44ac0000 0200 1000") + "data");
    QCOMPARE(le32(wav, 4), quint32(wav.size() - 8));
    QCOMPARE(le32(wav, 40), quint32(wav.size() - 44));
    const double seconds = (wav.size() - 44) / 2 / 22050.0;
    QVERIFY2(seconds > 0.3 && seconds < 10, qPrintable(QString::number(seconds)));
}

void TestVoice::unknownVoice()
{
    QVERIFY(SpeechSynthesizer::hasVoice(QStringLiteral("ru")));
    QVERIFY(!SpeechSynthesizer::hasVoice(QStringLiteral("xx")));
    PcmSound sound;
    QVERIFY(!SpeechSynthesizer(QStringLiteral("xx")).speak({QStringLiteral("Stop")}, sound));
}

void TestVoice::plan_data()
{
    QTest::addColumn<bool>("replace");
    QTest::addColumn<bool>("alternating");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    // Each draft as entry number, file and texts; then the sound files of every entry attached.
    QTest::addColumn<QStringList>("drafts");
    QTest::addColumn<QStringList>("attached");

    // Entry 4 names the file entry 1 would speak into, and entry 4's draft has its old number.
    const QString one = QStringLiteral("1 tts_1_ru_2.wav Остановка А/Следующая остановка Б");
    QTest::newRow("missing") << false << false << 0 << 9 << QStringList{one}
                             << QStringList{"tts_1_ru_2.wav", "b.wav", "tts_3_ru.wav", "tts_1_ru.wav"};
    QTest::newRow("replace") << true << false << 0 << 9
                             << QStringList{one, "3 tts_3_ru.wav Остановка В", "4 tts_4_ru.wav Остановка Г"}
                             << QStringList{"tts_1_ru_2.wav", "b.wav", "tts_3_ru.wav", "tts_4_ru.wav"};
    QTest::newRow("alternating layout") << false << true << 0 << 9 << QStringList{"1 tts_1_ru_2.wav Остановка А"}
                                        << QStringList{"tts_1_ru_2.wav", "b.wav", "tts_3_ru.wav", "tts_1_ru.wav"};
    QTest::newRow("one entry") << true << false << 1 << 2 << QStringList{"3 tts_3_ru.wav Остановка В"}
                               << QStringList{"", "b.wav", "tts_3_ru.wav", "tts_1_ru.wav"};
}

// Recordings are never planned over; drafts are, with --replace, under names no other entry uses.
void TestVoice::plan()
{
    QFETCH(bool, replace);
    QFETCH(bool, alternating);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QStringList, drafts);
    QFETCH(QStringList, attached);
    RouteData route;
    route.insertStation(0, station(QStringLiteral("Остановка А"), QStringLiteral("Следующая остановка Б"), {}));
    route.insertStation(1, station(QStringLiteral("Остановка Б"), QString(), {QStringLiteral("b.wav")}));
    route.insertStation(2, station(QStringLiteral("Остановка В"), QString(), {QStringLiteral("tts_3_ru.wav")}));
    route.insertStation(3, station(QStringLiteral("Остановка Г"), QString(), {QStringLiteral("tts_1_ru.wav")}));

    VoiceDraftRequest request;
    request.mode = replace ? VoiceDraftMode::Replace : VoiceDraftMode::Missing;
    request.alternating = alternating;
    request.first = first;
    request.last = last;
    // The route has no stop word: its Cyrillic texts tell the voice.
    request.voices = {routeVoice(route, 0), routeVoice(route, 1)};
    QCOMPARE(request.voices[1], QString());
    const QList<VoiceDraft> planned = planVoiceDrafts(route, request);
    QStringList found;
    for (const VoiceDraft &draft : planned)
        found.append(QStringLiteral("%1 %2 %3").arg(draft.station + 1).arg(draft.fileName, draft.texts.join('/')));
    QCOMPARE(found, drafts);

    attachVoiceDrafts(route, planned);
    QStringList sounds;
    for (int index = 0; index < route.stationCount(); ++index)
        sounds.append(route.stationAt(index)->soundFiles.join(','));
    QCOMPARE(sounds, attached);
}

QTEST_GUILESS_MAIN(TestVoice)
#include "tst_voice.moc"
