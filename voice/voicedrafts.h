#pragma once

#include "voicedraft.h"

#include <QString>

#include <functional>

class RouteData;

enum class VoiceDraftResult { Written, NoVoice, NotWritten };

// Speaks draft at rate (words per minute) into its file in folder, replacing an earlier draft
// of that name; durationMs, when given, receives the length of the file's sound.
VoiceDraftResult writeVoiceDraft(const QString &folder, const VoiceDraft &draft, int rate,
                                 qint64 *durationMs = nullptr);

// Speaks drafts into the route folder one after another, attaches them to their entries and
// writes ost.txt. spoken hears of each file written with its duration. At the first draft
// that cannot be spoken or written, the drafts before it are still attached and saved; false,
// with failedFile naming the file that failed (ost.txt included).
bool speakVoiceDrafts(RouteData &route, const QList<VoiceDraft> &drafts, int rate,
                      const std::function<void(const VoiceDraft &, qint64 durationMs)> &spoken, QString &failedFile);
