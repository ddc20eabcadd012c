// The voice drafts of a route's announcements, spoken with espeak-ng.

#include "routetool.h"

#include "folderargument.h"
#include "routedata.h"
#include "speechsynthesizer.h"
#include "voicedrafts.h"

#include <QCommandLineParser>
#include <QDir>
#include <QIODevice>
#include <QRegularExpression>

QList<QCommandLineOption> RouteTool::speakOptions()
{
    return {
        {QStringLiteral("stops"),
         tr("Only the entries numbered A to B, as ost.txt counts them from 1; A alone is one."), QStringLiteral("A-B")},
        {QStringLiteral("missing"), tr("Speak the entries without any sound file (the default).")},
        {QStringLiteral("replace"),
         tr("Speak the entries whose only sound files are drafts as well, replacing those drafts.")},
        {QStringLiteral("voice"),
         tr("The espeak-ng voice of the first language (ru, en, en-US...), and after a comma of the second; by "
            "default the language of the stop word, else Russian for Cyrillic texts and English for Latin ones."),
         QStringLiteral("LANG[,LANG]")},
        {QStringLiteral("rate"),
         tr("Words per minute, %1 to %2 (default %3).")
             .arg(SpeechSynthesizer::minimumRate)
             .arg(SpeechSynthesizer::maximumRate)
             .arg(SpeechSynthesizer::defaultRate),
         QStringLiteral("N")},
        {QStringLiteral("dry-run"), tr("Print the files and their texts only; write nothing.")},
    };
}

namespace {

// "A-B" or "A", entry numbers from 1, as indexes of the stop list; false when it is neither.
bool readStopRange(const QString &text, VoiceDraftRequest &request)
{
    const QStringList bounds = text.split(QLatin1Char('-'));
    bool firstOk = false;
    bool lastOk = false;
    const int first = bounds.first().toInt(&firstOk);
    const int last = bounds.last().toInt(&lastOk);
    if (bounds.size() > 2 || !firstOk || !lastOk || first < 1 || last < first)
        return false;
    request.first = first - 1;
    request.last = last - 1;
    return true;
}

} // namespace

int RouteTool::speak(const QCommandLineParser &parser)
{
    const QString name = QStringLiteral("speak");
    VoiceDraftRequest request;
    if (parser.isSet(QStringLiteral("missing")) && parser.isSet(QStringLiteral("replace")))
        return usageError(tr("speak: give either --missing or --replace."), name);
    if (parser.isSet(QStringLiteral("replace")))
        request.mode = VoiceDraftMode::Replace;
    if (parser.isSet(QStringLiteral("stops")) && !readStopRange(parser.value(QStringLiteral("stops")), request))
        return usageError(tr("speak: --stops must be A-B or A, entry numbers from 1 with A not above B."), name);
    int rate = SpeechSynthesizer::defaultRate;
    if (!readInteger(parser,
                     {QStringLiteral("rate"), SpeechSynthesizer::minimumRate, SpeechSynthesizer::maximumRate, &rate}))
        return usageError(tr("speak: --rate must be a whole number from %1 to %2.")
                              .arg(SpeechSynthesizer::minimumRate)
                              .arg(SpeechSynthesizer::maximumRate),
                          name);
    // A voice is part of the draft's file name, so it may hold nothing that leads elsewhere.
    static const QRegularExpression voices(QStringLiteral("^([A-Za-z0-9-]*)(,[A-Za-z0-9-]*)?$"));
    if (!voices.match(parser.value(QStringLiteral("voice"))).hasMatch())
        return usageError(tr("speak: --voice takes one language tag such as ru or en-US for each of the two "
                             "languages at most, separated by a comma."),
                          name);
    const QString folder = folderOf(parser);
    RouteData route;
    if (!route.load(routePath(folder)))
        return failToRead(route, folder);
    request.alternating = route.looksAlternating();
    const bool everyVoice = chooseVoices(parser, route, request);
    const int status = speakDrafts(folder, route, request, rate, parser.isSet(QStringLiteral("dry-run")));
    return everyVoice ? status : Failure;
}

// The voice of each language the route uses, from --voice or the route; a language without a
// voice is said and left out, and the result is false.
bool RouteTool::chooseVoices(const QCommandLineParser &parser, const RouteData &route, VoiceDraftRequest &request)
{
    const QStringList given = parser.value(QStringLiteral("voice")).split(QLatin1Char(','));
    const int languages = route.hasSecondLanguage() ? 2 : 1;
    bool everyVoice = true;
    for (int language = 0; language < languages; ++language) {
        const QString voice = given.value(language).trimmed();
        request.voices[language] = voice.isEmpty() ? routeVoice(route, language) : voice;
        if (request.voices[language].isEmpty()) {
            everyVoice = false;
            fail(tr("language %1: the route does not tell which it is; give its voice with --voice. Nothing is "
                    "spoken in it.")
                     .arg(language + 1));
        } else if (!SpeechSynthesizer::hasVoice(request.voices[language])) {
            everyVoice = false;
            fail(tr("language %1: espeak-ng has no voice \"%2\". Nothing is spoken in it.")
                     .arg(language + 1)
                     .arg(request.voices[language]));
            request.voices[language].clear();
        }
    }
    return everyVoice;
}

int RouteTool::speakDrafts(const QString &folder, RouteData &route, const VoiceDraftRequest &request, int rate,
                           bool dryRun)
{
    const QList<VoiceDraft> drafts = planVoiceDrafts(route, request);
    const auto line = [&](const VoiceDraft &draft, const QString &duration) {
        m_out.write(QStringLiteral("%1/%2%3: %4\n")
                        .arg(folder, draft.fileName, duration, draft.texts.join(QLatin1String(" / ")))
                        .toUtf8());
    };
    if (dryRun) {
        for (const VoiceDraft &draft : drafts)
            line(draft, QString());
        m_out.write(tr("%1: %n file(s) to write\n", nullptr, drafts.size()).arg(folder).toUtf8());
        return Success;
    }
    qint64 total = 0;
    int written = 0;
    QString failedFile;
    const bool spoken = speakVoiceDrafts(
        route, drafts, rate,
        [&](const VoiceDraft &draft, qint64 duration) {
            line(draft, QStringLiteral(" (%1 s)").arg(duration / 1000.0, 0, 'f', 1));
            total += duration;
            ++written;
        },
        failedFile);
    m_out.write(tr("%1: %n file(s) written, %2 s in all\n", nullptr, written)
                    .arg(folder)
                    .arg(total / 1000.0, 0, 'f', 1)
                    .toUtf8());
    return spoken ? Success : fail(tr("cannot write %1.").arg(QDir(folder).filePath(failedFile)));
}
