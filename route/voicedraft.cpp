#include "voicedraft.h"

#include "routewords.h"

#include <QMap>

#include <algorithm>

namespace {

bool isPlanned(const Station &station, VoiceDraftMode mode)
{
    return station.soundFiles.isEmpty() || (mode == VoiceDraftMode::Replace && hasOnlyVoiceDrafts(station));
}

// Whether any entry but index names file.
bool namedElsewhere(const RouteData &route, int index, const QString &file)
{
    for (int other = 0; other < route.stationCount(); ++other) {
        if (other != index && route.stationAt(other)->soundFiles.contains(file, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace

bool isVoiceDraftName(const QString &name)
{
    return name.startsWith(QLatin1String("tts_"), Qt::CaseInsensitive)
        && name.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive);
}

bool hasOnlyVoiceDrafts(const Station &station)
{
    return !station.soundFiles.isEmpty()
        && std::all_of(station.soundFiles.begin(), station.soundFiles.end(), isVoiceDraftName);
}

QStringList spokenTexts(const RouteData &route, int index, int language, bool alternating)
{
    const Station *station = route.stationAt(index);
    QStringList texts{station->name[language].trimmed()};
    // In the alternating layout a next-stop announcement is the text of an entry of its own.
    if (!alternating)
        texts.append(station->nextName[language].trimmed());
    texts.removeAll(QString());
    return texts;
}

QString routeVoice(const RouteData &route, int language)
{
    const QString voice = languageOfStopWord(route.stationWord(language));
    if (!voice.isEmpty())
        return voice;
    for (int index = 0; index < route.stationCount(); ++index) {
        const QString &text = route.stationAt(index)->name[language];
        const auto letter = std::find_if(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
        if (letter != text.end())
            return letter->script() == QChar::Script_Cyrillic ? QStringLiteral("ru") : QStringLiteral("en");
    }
    return QString();
}

QString voiceDraftName(const RouteData &route, int index, const QString &voice)
{
    const QString stem = QStringLiteral("tts_%1_%2").arg(index + 1).arg(voice);
    QString name = stem + QLatin1String(".wav");
    for (int suffix = 2; namedElsewhere(route, index, name); ++suffix)
        name = QStringLiteral("%1_%2.wav").arg(stem).arg(suffix);
    return name;
}

QList<VoiceDraft> planVoiceDrafts(const RouteData &route, const VoiceDraftRequest &request)
{
    QList<VoiceDraft> drafts;
    const int last = std::min(request.last, route.stationCount() - 1);
    for (int index = std::max(request.first, 0); index <= last; ++index) {
        if (!isPlanned(*route.stationAt(index), request.mode))
            continue;
        for (int language = 0; language < 2; ++language) {
            const QString &voice = request.voices[language];
            const QStringList texts = spokenTexts(route, index, language, request.alternating);
            if (!voice.isEmpty() && !texts.isEmpty())
                drafts.append({index, language, voice, voiceDraftName(route, index, voice), texts});
        }
    }
    return drafts;
}

void attachVoiceDrafts(RouteData &route, const QList<VoiceDraft> &drafts)
{
    QMap<int, QStringList> files;
    for (const VoiceDraft &draft : drafts)
        files[draft.station].append(draft.fileName);
    for (auto entry = files.cbegin(); entry != files.cend(); ++entry)
        route.stationAt(entry.key())->soundFiles = entry.value();
}
