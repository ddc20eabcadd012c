#include "voicedrafts.h"

#include "routedata.h"
#include "speechsynthesizer.h"
#include "wavfile.h"

VoiceDraftResult writeVoiceDraft(const QString &folder, const VoiceDraft &draft, int rate, qint64 *durationMs)
{
    PcmSound sound;
    if (!SpeechSynthesizer(draft.voice, rate).speak(draft.texts, sound))
        return VoiceDraftResult::NoVoice;
    if (!writeWavFile(folder + QLatin1Char('/') + draft.fileName, sound))
        return VoiceDraftResult::NotWritten;
    if (durationMs)
        *durationMs = sound.durationMs();
    return VoiceDraftResult::Written;
}

bool speakVoiceDrafts(RouteData &route, const QList<VoiceDraft> &drafts, int rate,
                      const std::function<void(const VoiceDraft &, qint64 durationMs)> &spoken, QString &failedFile)
{
    failedFile.clear();
    QList<VoiceDraft> written;
    for (const VoiceDraft &draft : drafts) {
        qint64 duration = 0;
        if (writeVoiceDraft(route.folder(), draft, rate, &duration) != VoiceDraftResult::Written) {
            failedFile = draft.fileName;
            break;
        }
        written.append(draft);
        spoken(draft, duration);
    }
    if (written.isEmpty())
        return failedFile.isEmpty();
    attachVoiceDrafts(route, written);
    if (!route.writeStationList()) {
        failedFile = RouteData::fileName(RouteData::StationListFile);
        return false;
    }
    return failedFile.isEmpty();
}
