#include "wavfile.h"

#include <QDataStream>
#include <QSaveFile>

bool writeWavFile(const QString &path, const PcmSound &sound)
{
    const quint32 dataBytes = quint32(sound.samples.size()) * sizeof(qint16);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    const auto tag = [&out](const char *fourBytes) { out.writeRawData(fourBytes, 4); };
    tag("RIFF");
    out << quint32(36 + dataBytes);
    tag("WAVE");
    tag("fmt ");
    // The format chunk: plain PCM, one channel, two bytes a sample.
    out << quint32(16) << quint16(1) << quint16(1) << quint32(sound.sampleRate) << quint32(sound.sampleRate * 2)
        << quint16(2) << quint16(16);
    tag("data");
    out << dataBytes;
    for (qint16 sample : sound.samples)
        out << sample;
    return out.status() == QDataStream::Ok && file.commit();
}
