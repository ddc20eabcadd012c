#pragma once

#include <QVector>

// Sound as 16-bit mono samples at a sample rate: what the synthesiser makes and a WAV file holds.
struct PcmSound
{
    QVector<qint16> samples;
    int sampleRate = 0;

    qint64 durationMs() const { return sampleRate > 0 ? qint64(samples.size()) * 1000 / sampleRate : 0; }
};
