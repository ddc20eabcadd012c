#pragma once

#include "pcmsound.h"

#include <QString>
#include <QStringList>

// Speaks texts with espeak-ng in this process, into 16-bit mono PCM at espeak-ng's 22,050 Hz.
// Any number of synthesizers may exist on any threads; they speak one at a time.
class SpeechSynthesizer
{
public:
    // Words per minute. espeak-ng's own 175 is hurried for an announcement over a vehicle's
    // loudspeakers.
    static constexpr int defaultRate = 150;
    static constexpr int minimumRate = 80;
    static constexpr int maximumRate = 450;
    // The silence between the texts of one announcement.
    static constexpr int pauseMs = 600;

    // voice is a language tag ("ru", "en-US").
    explicit SpeechSynthesizer(const QString &voice, int rate = defaultRate);

    // Whether espeak-ng can be started and has a voice for the language tag voice.
    static bool hasVoice(const QString &voice);
    // Speaks texts one after another, with a pause between; false when espeak-ng cannot be
    // started or has no voice for the language.
    bool speak(const QStringList &texts, PcmSound &sound) const;

private:
    QString m_voice;
    int m_rate;
};
