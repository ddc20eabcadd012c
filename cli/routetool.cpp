#include "routetool.h"

#include "boardcheck.h"
#include "boardfeed.h"
#include "boardrender.h"
#include "editorini.h"
#include "folderargument.h"
#include "fronttablotype.h"
#include "fronttablowidget.h"
#include "routedata.h"
#include "checkreport.h"
#include "routedump.h"
#include "tablofont.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QSaveFile>

#include <limits>

namespace {

// Two columns, the names padded to the longest, as in the help of other tools.
QString columns(const QList<QPair<QString, QString>> &rows)
{
    int width = 0;
    for (const auto &row : rows)
        width = qMax(width, row.first.size());
    QString text;
    for (const auto &row : rows)
        text += QLatin1String("  ") + row.first.leftJustified(width + 2) + row.second + QLatin1Char('\n');
    return text;
}

QString optionNames(const QCommandLineOption &option)
{
    QStringList names;
    for (const QString &name : option.names())
        names.append((name.size() == 1 ? QLatin1String("-") : QLatin1String("--")) + name);
    QString text = names.join(QLatin1String(", "));
    if (!option.valueName().isEmpty())
        text += QLatin1String(" <") + option.valueName() + QLatin1Char('>');
    return text;
}

// UsageError for a folder that cannot be read, Failure for one with errors (or warnings, when
// strict), else Success.
int checkStatus(const FolderCheck &check, bool strict)
{
    if (!check.error.isEmpty())
        return RouteTool::UsageError;
    for (const RouteProblem &problem : check.problems) {
        if (problem.severity == RouteProblem::Error || (strict && problem.severity == RouteProblem::Warning))
            return RouteTool::Failure;
    }
    return RouteTool::Success;
}

// The report of a check run as the options ask for it; a folder that cannot be read has had its
// message on stderr, and only JSON repeats it.
QByteArray checkOutput(const QCommandLineParser &parser, const QList<FolderCheck> &checks, const QDateTime &checkedAt)
{
    const bool summary = parser.isSet(QStringLiteral("summary"));
    if (parser.isSet(QStringLiteral("json")))
        return checkReportDocument(checks, summary, checkedAt);
    if (summary)
        return checkSummaryText(checks);
    QByteArray text;
    for (const FolderCheck &check : checks) {
        if (check.error.isEmpty())
            text += checkReportText(check.folder, check.problems);
    }
    return text;
}

QCommandLineOption helpOption()
{
    return QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, RouteTool::tr("Show this help."));
}

} // namespace

QString RouteTool::folderOf(const QCommandLineParser &parser)
{
    return folderArgument(parser.positionalArguments().at(0));
}

bool RouteTool::readInteger(const QCommandLineParser &parser, const IntegerOption &option)
{
    if (!parser.isSet(option.name))
        return true;
    bool ok = false;
    const int number = parser.value(option.name).toInt(&ok);
    if (!ok || number < option.minimum || number > option.maximum)
        return false;
    *option.value = number;
    return true;
}

RouteTool::RouteTool(QIODevice &out, QIODevice &err)
    : m_out(out)
    , m_err(err)
{
}

QList<RouteTool::Command> RouteTool::commands()
{
    const Argument folder{QStringLiteral("FOLDER"), tr("The route folder, the one that holds ost.txt.")};
    return {
        {QStringLiteral("dump"), tr("Print the route of FOLDER as one JSON object."), {folder}, {}, &RouteTool::dump},
        {QStringLiteral("resave"),
         tr("Load the route of FOLDER and write all its files back in place."),
         {folder},
         {},
         &RouteTool::resave},
        {QStringLiteral("new"),
         tr("Write the example route into FOLDER, creating the folder when needed. Refused when FOLDER already holds "
            "an ost.txt."),
         {folder},
         {},
         &RouteTool::createRoute},
        {QStringLiteral("render"),
         tr("Draw a destination board of the route of FOLDER as the editor previews it, as a PNG picture or as "
            "text."),
         {folder},
         renderOptions(),
         &RouteTool::render},
        {QStringLiteral("measure"),
         tr("Print the width in dots of each TEXT on a board, one number per line."),
         {{QStringLiteral("TEXT..."), tr("The texts to measure.")}},
         measureOptions(),
         &RouteTool::measure,
         true},
        {QStringLiteral("check"),
         tr("Check the routes of the FOLDERs for what the unit would announce or show wrong. Every folder is "
            "checked; the exit status is the worst: 0 when no route has errors, 1 when one has, 2 when a route cannot "
            "be read."),
         {{QStringLiteral("FOLDER..."), tr("The route folders.")}},
         checkOptions(),
         &RouteTool::check,
         true},
        {QStringLiteral("import-gtfs"),
         tr("Create a route folder for one line of a GTFS feed: its stops in both directions with names and "
            "positions, generated announcements, the route number and terminal stops on the boards. FOLDER must be "
            "empty or absent. With --all, create one for every line that has trips, each in a folder of FOLDER "
            "named after the line. With --list, print the feed's routes instead."),
         {{QStringLiteral("FEED"), tr("The GTFS feed, a zip file.")}, folder},
         importGtfsOptions(),
         &RouteTool::importGtfs,
         false,
         true},
        {QStringLiteral("speak"),
         tr("Speak voice drafts of the announcements of FOLDER with espeak-ng: for each entry, the texts the unit "
            "announces in each language of the route, into tts_<entry number>_<voice>.wav, attached to the "
            "entry in ost.txt. Recorded files are never replaced."),
         {folder},
         speakOptions(),
         &RouteTool::speak},
        {QStringLiteral("diff"),
         tr("Print what changed from the route of OLD to that of NEW: stops added, removed, moved and renamed, their "
            "texts, files, positions and radii, the board headers, the settings and texts of script.txt, the "
            "advertising list, the next-stop layout and the language count. Exit status 0 when they are equal, 1 "
            "when they differ, 2 when one cannot be read."),
         {{QStringLiteral("OLD"), tr("The route folder as it was.")},
          {QStringLiteral("NEW"), tr("The route folder as it is.")}},
         diffOptions(),
         &RouteTool::diff},
        {QStringLiteral("rename-stop"),
         tr("Rename a stop in every route given, with what follows from it as in the editor: the side-board name and "
            "the next-stop text of the stop before, where they were made from the old name; texts written by hand "
            "stay. The stop is found by its name without the stop word. Prints what changed per folder; a folder "
            "that cannot be read or written is reported and the others go on."),
         {{QStringLiteral("FOLDER..."), tr("The route folders.")}},
         renameStopOptions(),
         &RouteTool::renameStop,
         true},
    };
}

QList<QCommandLineOption> RouteTool::checkOptions()
{
    return {
        {QStringLiteral("json"),
         tr("Print the report as JSON, with the time of the check and the program version: the object of the "
            "folder, or for several an object listing theirs.")},
        {QStringLiteral("strict"), tr("Fail on warnings as well as on errors.")},
        {QStringLiteral("summary"), tr("Print a line per problem code with its counts over all folders instead.")},
    };
}

// Every folder is checked, readable or not; the exit status is the worst of them.
int RouteTool::check(const QCommandLineParser &parser)
{
    const QDateTime checkedAt = QDateTime::currentDateTimeUtc();
    const bool strict = parser.isSet(QStringLiteral("strict"));
    QList<FolderCheck> checks;
    int status = Success;
    for (const QString &argument : parser.positionalArguments()) {
        checks.append(checkFolder(folderArgument(argument)));
        status = qMax(status, checkStatus(checks.last(), strict));
    }
    m_out.write(checkOutput(parser, checks, checkedAt));
    return status;
}

// A folder that cannot be read is said on stderr at once.
FolderCheck RouteTool::checkFolder(const QString &folder)
{
    FolderCheck check{folder, QString(), {}};
    RouteData route;
    if (!route.load(routePath(folder))) {
        check.error = readError(route, folder);
        fail(check.error);
        return check;
    }
    EditorIni types;
    types.read(routePath(folder));
    check.problems = checkRouteAndBoards(route, types, route.looksAlternating());
    return check;
}

QList<QCommandLineOption> RouteTool::measureOptions()
{
    return {
        {QStringLiteral("font"),
         tr("The board font by name: Font32, Font20, Font16, Font12, Font10Bold, Font10Thin, "
            "Font8Bold, Font8Thin, Digits16, Digits20, Digits24 or Digits32."),
         QStringLiteral("NAME")},
        {QStringLiteral("height"),
         tr("The font the boards use for a line of H dots (16 when neither option is given)."), QStringLiteral("H")},
        {QStringLiteral("bold"), tr("With --height: the thick font where a height has two.")},
    };
}

QList<QCommandLineOption> RouteTool::renderOptions()
{
    return {
        {QStringLiteral("board"), tr("The board: front, side or back."), QStringLiteral("BOARD")},
        {QStringLiteral("type"),
         tr("The board type 0 ... 11; without it the type of the route's editor.ini, else 0 for the front and 1 "
            "for the side and back boards."),
         QStringLiteral("N")},
        {QStringLiteral("frames"),
         tr("Animation frames to run, as after a click on the board; 0 (the default) draws the still board."),
         QStringLiteral("K")},
        {QStringLiteral("language"), tr("The language shown first, 1 (the default) or 2."), QStringLiteral("1|2")},
        {QStringLiteral("png"), tr("Write the painted board to FILE."), QStringLiteral("FILE")},
        {QStringLiteral("ascii"), tr("Print the board, one line per row: \".\" dark, \"#\" lit.")},
    };
}

int RouteTool::run(const QStringList &arguments)
{
    const QString name = arguments.value(1);
    if (name == QLatin1String("-h") || name == QLatin1String("--help") || name == QLatin1String("help")) {
        m_out.write(toolHelp().toUtf8());
        return Success;
    }
    if (name.isEmpty())
        return usageError(tr("no command given."));
    for (const Command &command : commands()) {
        if (command.name == name)
            return runCommand(command, arguments);
    }
    return usageError(tr("unknown command \"%1\".").arg(name));
}

int RouteTool::runCommand(const Command &command, const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption help = helpOption();
    parser.addOption(help);
    parser.addOptions(command.options);
    if (!parser.parse(QStringList{arguments.at(0)} + arguments.mid(2)))
        return usageError(command.name + QLatin1String(": ") + parser.errorText(), command.name);
    if (parser.isSet(help)) {
        m_out.write(commandHelp(command).toUtf8());
        return Success;
    }
    const int given = parser.positionalArguments().size();
    const int expected = command.arguments.size();
    if (given != expected && !(command.repeatsLastArgument && given > expected)
        && !(command.lastArgumentOptional && given == expected - 1))
        return usageError(tr("%1 expects %2.").arg(command.name, argumentNames(command)), command.name);
    return (this->*command.run)(parser);
}

int RouteTool::dump(const QCommandLineParser &parser)
{
    const QString folder = folderOf(parser);
    RouteData route;
    if (!route.load(routePath(folder)))
        return failToRead(route, folder);
    m_out.write(routeDumpJson(route, folder));
    return Success;
}

int RouteTool::resave(const QCommandLineParser &parser)
{
    const QString folder = folderOf(parser);
    RouteData route;
    if (!route.load(routePath(folder)))
        return failToRead(route, folder);
    if (!route.save())
        return fail(tr("cannot write the route files of %1.").arg(folder));
    return Success;
}

int RouteTool::createRoute(const QCommandLineParser &parser)
{
    const QString folder = folderOf(parser);
    const QString path = routePath(folder);
    // Never overwrite a route: a folder with a station list is somebody's work.
    if (QFileInfo::exists(path + QLatin1String("/ost.txt")))
        return fail(tr("%1 already holds a route.").arg(folder));
    if (!QDir().mkpath(path))
        return fail(tr("cannot create the folder %1.").arg(folder));
    RouteData route;
    route.createNew(path);
    if (!route.save())
        return fail(tr("cannot write the route files of %1.").arg(folder));
    return Success;
}

namespace {

const QStringList boardNames{QStringLiteral("front"), QStringLiteral("side"), QStringLiteral("back")};

// The board type of the route's editor.ini, or the editor's defaults when it has none.
int routeBoardType(const QString &path, OutsideBoard board)
{
    EditorIni ini;
    ini.read(path);
    return board == OutsideBoard::Front ? ini.front : board == OutsideBoard::Side ? ini.side : ini.back;
}

bool writePng(const QImage &image, const QString &path)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit();
}

} // namespace

// What render draws, as its options give it; type -1 takes the route's own board type.
struct RouteTool::RenderSettings
{
    int board = -1;
    int type = -1;
    int frames = 0;
    int language = 1;
};

int RouteTool::render(const QCommandLineParser &parser)
{
    const QString name = QStringLiteral("render");
    RenderSettings settings;
    settings.board = boardNames.indexOf(parser.value(QStringLiteral("board")));
    if (settings.board < 0)
        return usageError(tr("render: --board must be front, side or back."), name);
    if (parser.isSet(QStringLiteral("png")) == parser.isSet(QStringLiteral("ascii")))
        return usageError(tr("render: give either --png FILE or --ascii."), name);
    const IntegerOption integers[] = {
        {QStringLiteral("type"), 0, frontTabloTypeCount - 1, &settings.type},
        {QStringLiteral("frames"), 0, std::numeric_limits<int>::max(), &settings.frames},
        {QStringLiteral("language"), 1, 2, &settings.language},
    };
    for (const IntegerOption &option : integers) {
        if (!readInteger(parser, option))
            return usageError(tr("render: --%1 must be a whole number from %2 to %3.")
                                  .arg(option.name)
                                  .arg(option.minimum)
                                  .arg(option.maximum),
                              name);
    }
    return renderBoard(parser, settings);
}

int RouteTool::renderBoard(const QCommandLineParser &parser, const RenderSettings &settings)
{
    const QString folder = folderOf(parser);
    RouteData route;
    if (!route.load(routePath(folder)))
        return failToRead(route, folder);
    const auto board = OutsideBoard(settings.board);
    FrontTabloWidget preview;
    preview.setType(settings.type >= 0 ? settings.type : routeBoardType(routePath(folder), board));
    feedBoard(preview, route, board);
    preview.setFirstLanguage(settings.language == 2);
    runBoardFrames(preview, settings.frames);

    if (parser.isSet(QStringLiteral("ascii"))) {
        m_out.write(boardAscii(preview));
        return Success;
    }
    const QString png = parser.value(QStringLiteral("png"));
    if (!writePng(boardImage(preview), png))
        return fail(tr("cannot write %1.").arg(png));
    return Success;
}

int RouteTool::measure(const QCommandLineParser &parser)
{
    const QString name = QStringLiteral("measure");
    const bool byName = parser.isSet(QStringLiteral("font"));
    if (byName && (parser.isSet(QStringLiteral("height")) || parser.isSet(QStringLiteral("bold"))))
        return usageError(tr("measure: give either --font or --height, not both."), name);
    const TabloFont *font = nullptr;
    if (byName) {
        font = tabloFontByName(parser.value(QStringLiteral("font")));
        if (!font)
            return usageError(tr("measure: there is no font \"%1\".").arg(parser.value(QStringLiteral("font"))), name);
    } else {
        int height = 16;
        if (!readInteger(parser, {QStringLiteral("height"), 1, 1024, &height}))
            return usageError(tr("measure: --height must be a whole number from 1 to 1024."), name);
        font = &fontForHeight(height, parser.isSet(QStringLiteral("bold")));
    }
    for (const QString &text : parser.positionalArguments())
        m_out.write(QByteArray::number(textWidth(*font, text)) + '\n');
    return Success;
}

QString RouteTool::toolHelp()
{
    QList<QPair<QString, QString>> rows;
    for (const Command &command : commands())
        rows.append({command.name, command.summary});
    return tr("Usage: %1 COMMAND [options] ARGUMENTS\n"
              "Reads and writes the route folders of the on-board passenger information unit.\n\n"
              "Commands:\n")
               .arg(toolName)
        + columns(rows) + tr("\nRun \"%1 COMMAND --help\" for the arguments of a command.\n").arg(toolName);
}

QString RouteTool::argumentNames(const Command &command)
{
    QStringList names;
    for (const Argument &argument : command.arguments)
        names.append(argument.name);
    return names.join(QLatin1Char(' '));
}

QString RouteTool::commandHelp(const Command &command)
{
    QList<QPair<QString, QString>> arguments;
    for (const Argument &argument : command.arguments)
        arguments.append({argument.name, argument.description});
    QList<QPair<QString, QString>> options;
    for (const QCommandLineOption &option : QList<QCommandLineOption>{helpOption()} + command.options)
        options.append({optionNames(option), option.description()});
    return tr("Usage: %1 %2 [options] %3\n%4\n\nArguments:\n")
               .arg(toolName, command.name, argumentNames(command), command.summary)
        + columns(arguments) + tr("\nOptions:\n") + columns(options);
}

int RouteTool::usageError(const QString &message, const QString &commandName)
{
    const QString hint = commandName.isEmpty()
        ? tr("Run \"%1 --help\" for the commands.").arg(toolName)
        : tr("Run \"%1 %2 --help\" for its arguments.").arg(toolName, commandName);
    m_err.write((toolName + QLatin1String(": ") + message + QLatin1Char(' ') + hint + QLatin1Char('\n')).toUtf8());
    return UsageError;
}

// Input the tool cannot use, such as a damaged feed, is refused like a wrong command line, as
// check refuses a folder it cannot read.
int RouteTool::refuse(const QString &message)
{
    fail(message);
    return UsageError;
}

int RouteTool::fail(const QString &message)
{
    m_err.write((toolName + QLatin1String(": ") + message + QLatin1Char('\n')).toUtf8());
    return Failure;
}

QString RouteTool::readError(const RouteData &route, const QString &folder)
{
    return route.unreadableFile().isEmpty() ? tr("cannot read the station list of %1.").arg(folder)
                                            : tr("cannot read %1.").arg(route.unreadableFile());
}

// A route file that is there but cannot be read is refused like a damaged feed: nothing is
// written, and the status is that of a route the check cannot read.
int RouteTool::failToRead(const RouteData &route, const QString &folder)
{
    const QString error = readError(route, folder);
    return route.unreadableFile().isEmpty() ? fail(error) : refuse(error);
}
