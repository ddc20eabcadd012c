#include "speechsynthesizer.h"

#include <QMutex>
#include <QMutexLocker>

#include <espeak-ng/speak_lib.h>

namespace {

// espeak-ng keeps its voice, its parameters and the callback that receives the samples in
// globals of the library, and one synthesis runs through all of them. So every call into it
// happens under this lock: a draft spoken on the editor's worker thread must not pick up the
// voice that another page or thread just set.
QMutex &espeakLock()
{
    static QMutex lock;
    return lock;
}

// The sample rate once espeak-ng is started, 0 when it cannot be; started on first use, under
// the lock, and kept for the life of the process as espeak-ng wants.
int espeakSampleRate()
{
    static const int rate = [] {
        // Without DONT_EXIT espeak-ng ends the whole process when its data is missing.
        const int result = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        return result > 0 ? result : 0;
    }();
    return rate;
}

int collectSamples(short *samples, int count, espeak_EVENT *events)
{
    auto *sound = static_cast<PcmSound *>(events ? events->user_data : nullptr);
    if (sound && samples && count > 0)
        sound->samples.append(QVector<qint16>(samples, samples + count));
    return 0;
}

// Picks the voice for a language tag; the lock must be held.
bool selectVoice(const QString &voice)
{
    if (espeakSampleRate() == 0 || voice.isEmpty())
        return false;
    const QByteArray language = voice.toLatin1();
    espeak_VOICE properties{};
    properties.languages = language.constData();
    return espeak_SetVoiceByProperties(&properties) == EE_OK;
}

} // namespace

SpeechSynthesizer::SpeechSynthesizer(const QString &voice, int rate)
    : m_voice(voice)
    , m_rate(rate)
{
}

bool SpeechSynthesizer::hasVoice(const QString &voice)
{
    const QMutexLocker locker(&espeakLock());
    return selectVoice(voice);
}

bool SpeechSynthesizer::speak(const QStringList &texts, PcmSound &sound) const
{
    const QMutexLocker locker(&espeakLock());
    if (!selectVoice(m_voice))
        return false;
    espeak_SetParameter(espeakRATE, m_rate, 0);
    espeak_SetSynthCallback(collectSamples);
    sound.sampleRate = espeakSampleRate();
    sound.samples.clear();
    for (const QString &text : texts) {
        if (!sound.samples.isEmpty())
            sound.samples.append(QVector<qint16>(int(qint64(pauseMs) * sound.sampleRate / 1000), 0));
        const QByteArray utf8 = text.toUtf8();
        if (espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                         &sound)
            != EE_OK)
            return false;
    }
    return true;
}
