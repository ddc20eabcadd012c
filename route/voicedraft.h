#pragma once

#include "routedata.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <limits>

// Voice drafts: sound files a speech synthesiser makes from an entry's announcement texts, so
// that a route can be heard on the vehicle before the studio records it. Their names,
// "tts_<entry number>_<voice>.wav", tell them from recordings, which are never replaced.

// One draft to speak: the texts of one entry in one language, in the voice of that language.
struct VoiceDraft
{
    int station = -1;
    int language = 0;
    QString voice;
    QString fileName;
    QStringList texts;
};

// Which entries get drafts.
enum class VoiceDraftMode {
    // Entries without any sound file.
    Missing,
    // Those, and entries whose sound files are all drafts, which are spoken anew.
    Replace,
};

struct VoiceDraftRequest
{
    VoiceDraftMode mode = VoiceDraftMode::Missing;
    // Whether next-stop announcements are entries of their own.
    bool alternating = false;
    // The entries, as indexes of the stop list from first to last.
    int first = 0;
    int last = std::numeric_limits<int>::max();
    // The voice of each route language; an empty voice leaves the language unspoken.
    std::array<QString, 2> voices;
};

// Whether name is a draft's: "tts_" and ".wav" in any letter case.
bool isVoiceDraftName(const QString &name);
// Whether station has sound files and all of them are drafts.
bool hasOnlyVoiceDrafts(const Station &station);
// The texts the unit announces for entry index in language, in order: the stop text, and the
// next-stop text where the layout keeps it on the stop entry; empty texts are left out.
QStringList spokenTexts(const RouteData &route, int index, int language, bool alternating);
// The voice of a route language, an IETF language tag: the language whose stop word the route
// uses, else Russian when the first letter of its stop texts is Cyrillic and English when it is
// any other; empty when no stop text of the language has a letter.
QString routeVoice(const RouteData &route, int language);
// The name of a draft of entry index in voice: "tts_<entry number>_<voice>.wav", or, when
// another entry names that file, the first of "…_2.wav", "…_3.wav"… that none names, so that a
// draft never speaks over another entry's file.
QString voiceDraftName(const RouteData &route, int index, const QString &voice);
// The drafts request asks for, by entry and then by language.
QList<VoiceDraft> planVoiceDrafts(const RouteData &route, const VoiceDraftRequest &request);
// Attaches drafts spoken for the entries they name: each entry's sound files become its drafts,
// in their order. Only entries without sound files or with drafts alone are planned, so no
// recording is ever detached.
void attachVoiceDrafts(RouteData &route, const QList<VoiceDraft> &drafts);
