#include "routedata.h"

#include "boardheader.h"
#include "routefile.h"

#include <QCryptographicHash>
#include <QFileInfo>

#include <algorithm>

// Where each board keeps the header values that all three board files share.
struct RouteData::BoardFields
{
    QString RouteData::*number;
    TextPair RouteData::*startingPoint;
    TextPair RouteData::*destination;
    int RouteData::*mode;
    int RouteData::*font;
    int RouteData::*nameTimeout;
    int RouteData::*numberColor;
    int RouteData::*startColor;
    int RouteData::*destColor;
};

RouteData::RouteData() = default;
RouteData::~RouteData() = default;

bool RouteData::load(const QString &path)
{
    if (!m_folder.isEmpty() || path.isEmpty())
        return false;
    m_folder = path;
    m_unreadableFile.clear();
    const bool loaded = loadFrom([this](RouteFileId file) {
        std::optional<QByteArray> content = readFile(file);
        if (!content && m_unreadableFile.isEmpty() && isUnreadable(file))
            m_unreadableFile = filePath(file);
        return content;
    });
    if (!loaded || !m_unreadableFile.isEmpty()) {
        m_folder.clear();
        return false;
    }
    return true;
}

// Whether a file that gave no content is there all the same. Anything standing where the
// station list belongs keeps the folder from opening as a new route; a folder in place of
// another file reads as that file missing, as the unit reads it.
bool RouteData::isUnreadable(RouteFileId file) const
{
    const QFileInfo info(filePath(file));
    if (file == StationListFile)
        return info.exists() || info.isSymLink();
    return info.isFile();
}

bool RouteData::loadContents(const QString &folder, const FileContents &contents)
{
    if (!m_folder.isEmpty() || folder.isEmpty())
        return false;
    m_folder = folder;
    return loadFrom([&contents](RouteFileId file) { return std::optional<QByteArray>(contents[file]); });
}

// The order matters: script.txt consults the font flag of ost.txt, the side and back readers
// copy front values as their defaults, coord.txt addresses the stops of ost.txt, and
// rscript.txt is found through the advertising folder of script.txt.
bool RouteData::loadFrom(const FileSource &file)
{
    m_skippedLines.clear();
    if (!parseStationList(file(StationListFile)))
        return false;
    parseScript(file(ScriptFile));
    parseBackBoard(file(BackBoardFile));
    parseSideBoard(file(SideBoardFile));
    parseCoordinates(file(CoordinatesFile));
    parseAdTexts(file(AdTextsFile));
    return true;
}

bool RouteData::save()
{
    if (m_folder.isEmpty())
        return false;
    return writeStationList() && writeCoordinates() && writeSideBoard() && writeScript() && writeBackBoard()
        && writeAdTexts();
}

RouteData::FileContents RouteData::fileContents() const
{
    return {stationListContent(), scriptContent(),      backBoardContent(),
            sideBoardContent(),   coordinatesContent(), adTextsContent()};
}

QString RouteData::fileName(RouteFileId file)
{
    static const char *const names[routeFileCount]
        = {"ost.txt", "script.txt", "backtab.txt", "sidetab.txt", "coord.txt", "rscript.txt"};
    return QString::fromLatin1(names[file]);
}

RouteData::RouteFileId RouteData::boardFile(OutsideBoard board)
{
    static const RouteFileId files[] = {StationListFile, SideBoardFile, BackBoardFile};
    return files[int(board)];
}

QString RouteData::filePath(RouteFileId file) const
{
    return (file == AdTextsFile ? m_adFolder : m_folder) + QLatin1Char('/') + fileName(file);
}

std::optional<QByteArray> RouteData::readFile(RouteFileId file) const
{
    QByteArray content;
    if (!RouteFile::read(filePath(file), content)) {
        m_diskDigests.insert(filePath(file), QByteArray());
        return std::nullopt;
    }
    m_diskDigests.insert(filePath(file), diskDigest(content));
    return content;
}

bool RouteData::writeFile(RouteFileId file, const QByteArray &content) const
{
    if (!RouteFile::write(filePath(file), content))
        return false;
    m_diskDigests.insert(filePath(file), diskDigest(content));
    return true;
}

QByteArray RouteData::diskDigest(const QByteArray &content)
{
    return QCryptographicHash::hash(content, QCryptographicHash::Sha1);
}

QStringList RouteData::changedOnDisk() const
{
    QStringList changed;
    for (int file = 0; file < routeFileCount; ++file) {
        // The advertising list is written only into a folder that is there.
        if (file == AdTextsFile && !QFileInfo(m_adFolder).isDir())
            continue;
        const QString path = filePath(RouteFileId(file));
        const auto recorded = m_diskDigests.constFind(path);
        if (recorded == m_diskDigests.constEnd())
            continue;
        QByteArray content;
        const QByteArray now = RouteFile::read(path, content) ? diskDigest(content) : QByteArray();
        if (now != *recorded)
            changed.append(fileName(RouteFileId(file)));
    }
    return changed;
}

// Each file read or written on its own, as the file tests do. A file that is missing reads as
// the route's defaults, and false.

bool RouteData::readOne(RouteFileId file, void (RouteData::*parse)(const std::optional<QByteArray> &))
{
    const std::optional<QByteArray> content = readFile(file);
    (this->*parse)(content);
    return content.has_value();
}

bool RouteData::readStationList()
{
    return parseStationList(readFile(StationListFile));
}

bool RouteData::readScript()
{
    return readOne(ScriptFile, &RouteData::parseScript);
}

bool RouteData::readBackBoard()
{
    return readOne(BackBoardFile, &RouteData::parseBackBoard);
}

bool RouteData::readSideBoard()
{
    return readOne(SideBoardFile, &RouteData::parseSideBoard);
}

bool RouteData::readCoordinates()
{
    return readOne(CoordinatesFile, &RouteData::parseCoordinates);
}

bool RouteData::readAdTexts()
{
    return readOne(AdTextsFile, &RouteData::parseAdTexts);
}

bool RouteData::writeStationList() const
{
    return writeFile(StationListFile, stationListContent());
}

bool RouteData::writeScript() const
{
    return writeFile(ScriptFile, scriptContent());
}

bool RouteData::writeBackBoard() const
{
    return writeFile(BackBoardFile, backBoardContent());
}

bool RouteData::writeSideBoard() const
{
    return writeFile(SideBoardFile, sideBoardContent());
}

bool RouteData::writeCoordinates() const
{
    return writeFile(CoordinatesFile, coordinatesContent());
}

// The advertising folder is created only on the user's request; until then the list has
// nowhere to go and the route saves without it.
bool RouteData::writeAdTexts() const
{
    return !QFileInfo::exists(m_adFolder) || writeFile(AdTextsFile, adTextsContent());
}

const RouteData::BoardFields &RouteData::boardFields(OutsideBoard board)
{
    static const BoardFields fields[] = {
        {&RouteData::m_frontNumber, &RouteData::m_frontStartingPoint, &RouteData::m_frontDestination,
         &RouteData::m_frontMode, &RouteData::m_frontFont, &RouteData::m_frontNameTimeout,
         &RouteData::m_frontNumberColor, &RouteData::m_frontStartColor, &RouteData::m_frontDestColor},
        {&RouteData::m_sideNumber, &RouteData::m_sideStartingPoint, &RouteData::m_sideDestination,
         &RouteData::m_sideMode, &RouteData::m_sideFont, &RouteData::m_sideNameTimeout, &RouteData::m_sideNumberColor,
         &RouteData::m_sideStartColor, &RouteData::m_sideDestColor},
        {&RouteData::m_backNumber, &RouteData::m_backStartingPoint, &RouteData::m_backDestination,
         &RouteData::m_backMode, &RouteData::m_backFont, &RouteData::m_backNameTimeout, &RouteData::m_backNumberColor,
         &RouteData::m_backStartColor, &RouteData::m_backDestColor},
    };
    return fields[int(board)];
}

BoardHeader RouteData::boardHeader(OutsideBoard board) const
{
    const BoardFields &field = boardFields(board);
    BoardHeader header;
    header.number = this->*field.number;
    header.startingPoint = this->*field.startingPoint;
    header.destination = this->*field.destination;
    header.mode = this->*field.mode;
    header.font = this->*field.font;
    header.nameTimeout = this->*field.nameTimeout;
    header.numberColor = this->*field.numberColor;
    header.startColor = this->*field.startColor;
    header.destColor = this->*field.destColor;
    if (board == OutsideBoard::Side) {
        header.stationCount = m_sideStationCount;
        header.sValue = m_sideSValue;
        header.separator = m_sideSeparator;
    }
    return header;
}

void RouteData::setBoardHeader(OutsideBoard board, const BoardHeader &header)
{
    const BoardFields &field = boardFields(board);
    this->*field.number = header.number;
    this->*field.startingPoint = header.startingPoint;
    this->*field.destination = header.destination;
    this->*field.mode = header.mode;
    this->*field.font = header.font;
    this->*field.nameTimeout = header.nameTimeout;
    this->*field.numberColor = header.numberColor;
    this->*field.startColor = header.startColor;
    this->*field.destColor = header.destColor;
    if (board == OutsideBoard::Side) {
        m_sideStationCount = header.stationCount;
        m_sideSValue = header.sValue;
        m_sideSeparator = header.separator;
    }
}

Station *RouteData::stationAt(int index) const
{
    return isValidStationIndex(index) ? m_stations[index].get() : nullptr;
}

void RouteData::insertStation(int index, Station *station)
{
    Q_ASSERT(index >= 0 && index <= stationCount());
    if (!station) {
        station = new Station;
        for (int language = 0; language < 2; ++language) {
            const QString word = m_stationWord[language];
            if (!word.isEmpty())
                station->name[language] = word.endsWith(QLatin1Char(' ')) ? word : word + QLatin1Char(' ');
        }
    }
    m_stations.emplace(m_stations.begin() + index, station);
}

Station *RouteData::takeStation(int index)
{
    Q_ASSERT(isValidStationIndex(index));
    Station *station = m_stations[index].release();
    m_stations.erase(m_stations.begin() + index);
    return station;
}

void RouteData::removeStation(int index)
{
    Q_ASSERT(isValidStationIndex(index));
    m_stations.erase(m_stations.begin() + index);
}

bool RouteData::looksAlternating() const
{
    return stationCount() >= 2 && m_stations[0]->nextName[0].isEmpty();
}

bool RouteData::isNextStopEntry(int index, bool alternating) const
{
    if (!alternating)
        return false;
    const int end = index < m_backStationIndex ? m_backStationIndex : stationCount();
    return (index - end - 1) % 2 != 0;
}

bool RouteData::hasSecondLanguage() const
{
    const int second = 1;
    const QString routeTexts[] = {
        m_frontStartingPoint[second], m_frontDestination[second], m_backDestination[second],
        m_backStartingPoint[second],  m_sideDestination[second],  m_sideStartingPoint[second],
        m_stationWord[second],        m_nextWord[second],         m_routeText[second],
        m_outsideTempText[second],    m_salonTempText[second],
    };
    for (const QString &text : routeTexts) {
        if (!text.isEmpty())
            return true;
    }
    return std::any_of(m_stations.begin(), m_stations.end(), [second](const auto &station) {
        return !station->name[second].isEmpty() || !station->nextName[second].isEmpty();
    });
}

bool RouteData::isRouteFileName(const QString &name)
{
    static const QStringList routeFiles = {
        QStringLiteral("ost.txt"),      QStringLiteral("ost~.txt"),     QStringLiteral("coord.txt"),
        QStringLiteral("coord~.txt"),   QStringLiteral("script.txt"),   QStringLiteral("script~.txt"),
        QStringLiteral("backtab.txt"),  QStringLiteral("backtab~.txt"), QStringLiteral("sidetab.txt"),
        QStringLiteral("sidetab~.txt"),
    };
    return routeFiles.contains(name, Qt::CaseInsensitive);
}

bool RouteData::isAdListFileName(const QString &name)
{
    return name.compare(QLatin1String("rscript.txt"), Qt::CaseInsensitive) == 0
        || name.compare(QLatin1String("rscript~.txt"), Qt::CaseInsensitive) == 0;
}

QString RouteData::strippedName(int language, const QString &text) const
{
    const QString word = m_stationWord[language];
    if (!text.startsWith(word))
        return text;
    const QString rest = text.mid(word.size()).trimmed();
    if (!rest.startsWith(QLatin1Char('"')))
        return rest;
    // Names in quotes, with or without a closing full stop: «"Пункт А".» gives «Пункт А».
    // The unquoted name is trimmed like every side name read from sidetab.txt, so that a
    // derived name survives saving and reading back.
    const int lastQuote = rest.lastIndexOf(QLatin1Char('"'));
    if (lastQuote <= 0 || lastQuote < rest.size() - 2)
        return rest;
    const int quotesAfterFirst = rest.count(QLatin1Char('"')) - 1;
    return (quotesAfterFirst % 2 == 1 ? rest.mid(1, lastQuote - 1) : rest.mid(1)).trimmed();
}

QString RouteData::relativeAdFolder() const
{
    return m_adFolder.mid(m_folder.lastIndexOf(QLatin1Char('/')));
}
