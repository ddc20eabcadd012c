#pragma once

#include "station.h"

struct BoardHeader;

// The three outside boards of a vehicle.
enum class OutsideBoard { Front, Side, Back };

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// The in-memory image of one route folder: the settings of the front, side and back boards
// and of the interior running line, the announcement words, the advertising folder and list,
// and the stops in travel order (forward direction first, then the return direction).
// A plain value without signals; it owns its stops.
class RouteData
{
public:
    // Display mode bits of the three outside boards.
    enum ModeBit {
        StaticMode = 1,
        OnlyDestinationMode = 2,
        VerticalStationsMode = 4,
        CenteredMode = 8,
        EnlargedDestinationMode = 16,
    };

    RouteData();
    ~RouteData();
    RouteData(const RouteData &) = delete;
    RouteData &operator=(const RouteData &) = delete;

    // The files of a route folder, in the order they are read.
    enum RouteFileId { StationListFile, ScriptFile, BackBoardFile, SideBoardFile, CoordinatesFile, AdTextsFile };
    static constexpr int routeFileCount = 6;
    using FileContents = std::array<QByteArray, routeFileCount>;
    // A line a reader passed over: after the end of the stop list, naming no stop, or holding
    // nothing it could read. line counts from 1.
    struct SkippedLine
    {
        RouteFileId file;
        int line;
    };

    // Reads the route folder at path: ost.txt must be readable, the other files are optional,
    // but a file that is there must be readable too, or the route is not loaded: a save would
    // replace it with defaults. Refused when a route is already loaded or path is empty.
    bool load(const QString &path);
    // The path of the file that stopped the last load because it is there but cannot be read;
    // empty when the load succeeded or the folder has no station list.
    QString unreadableFile() const { return m_unreadableFile; }
    // Writes every file of the route folder, stopping at the first one that fails.
    bool save();
    // Every file as save() writes it, and a route read from such contents as load() reads its
    // folder: together, what the next save and the next opening make of a route.
    FileContents fileContents() const;
    bool loadContents(const QString &folder, const FileContents &contents);
    // Where file lies: rscript.txt in the advertising folder, the others in the route folder.
    QString filePath(RouteFileId file) const;
    // The file names as the unit knows them.
    static QString fileName(RouteFileId file);
    // The file that keeps a board's header: the front board's lives in ost.txt.
    static RouteFileId boardFile(OutsideBoard board);
    // The names of the route files whose bytes on disk are no longer those this route last read
    // or wrote there: another program, or another page of the same folder, changed them since.
    // Files this route never read or wrote do not count.
    QStringList changedOnDisk() const;
    // The lines the readers passed over when the route was read.
    const QList<SkippedLine> &skippedLines() const { return m_skippedLines; }

    int stationCount() const { return int(m_stations.size()); }
    // The stop at index, or null when there is none.
    Station *stationAt(int index) const;
    // The stop with the given number as the route files count them, from 1; null when there is
    // none, whatever number a damaged file holds.
    Station *stationByNumber(int number) const { return number > 0 ? stationAt(number - 1) : nullptr; }
    bool isValidStationIndex(int index) const { return index >= 0 && index < stationCount(); }
    bool hasReturnDirection() const { return m_backStationIndex >= 0 && m_backStationIndex < stationCount(); }
    // Inserts station at index (stationCount() appends) and takes ownership. Without a station a
    // new one is made, named with the stop word of each language.
    void insertStation(int index, Station *station = nullptr);
    // Removes the stop at index and hands it to the caller.
    Station *takeStation(int index);
    void removeStation(int index);

    // text without the leading stop word of the language and without enclosing quotes: the
    // side board name derived from a stop announcement.
    QString strippedName(int language, const QString &text) const;
    // adFolder from the last "/" of the route folder on: how script.txt stores it.
    QString relativeAdFolder() const;

    // The route folder files, one reader and one writer each; true when the file could be
    // read, or was written and committed.
    bool readStationList();
    bool writeStationList() const;
    bool readSideBoard();
    bool writeSideBoard() const;
    bool readBackBoard();
    bool writeBackBoard() const;
    bool readScript();
    bool writeScript() const;
    bool readCoordinates();
    bool writeCoordinates() const;
    // The advertising list lives in rscript.txt of the advertising folder; writing it is
    // skipped (and succeeds) while that folder does not exist.
    bool readAdTexts();
    bool writeAdTexts() const;
    // The values a board shows and its file header holds: number, texts of both languages,
    // colours, mode, font bits and name change step (and the side board's list settings).
    BoardHeader boardHeader(OutsideBoard board) const;

    // Gives the side names of the stops from their announcements, skipping next-stop
    // entries of the alternating layout.
    void defaultSideNames();
    // Whether the stop list looks like the alternating layout, where next-stop announcements
    // are entries of their own: the first of two or more entries announces no next stop.
    bool looksAlternating() const;
    // Whether entry index is a next-stop entry of the alternating layout: each direction ends
    // with a stop entry and alternates backwards from there.
    bool isNextStopEntry(int index, bool alternating) const;
    // Whether the route uses its second language: any text that the editor shows in two
    // languages has one (the side names of the stops aside).
    bool hasSecondLanguage() const;
    // The route's own files, and the copies older tools leave beside them, which are no
    // announcements (any letter case).
    static bool isRouteFileName(const QString &name);
    // rscript.txt and its copy, which list the advertising texts and are none themselves.
    static bool isAdListFileName(const QString &name);

    // Fills an empty route with the example content that a folder without a station list
    // opens with. Refused when a route is loaded or path is empty.
    bool createNew(const QString &path);
    // The stop announcement for a next-stop announcement of the language, and the reverse:
    // the leading announcement word is exchanged.
    QString toStationText(int language, const QString &nextText) const;
    QString toNextText(int language, const QString &stationText) const;

    int backStationIndex() const { return m_backStationIndex; }
    void setBackStationIndex(int index) { m_backStationIndex = index; }
    QString folder() const { return m_folder; }
    void setFolder(const QString &folder) { m_folder = folder; }

    QString frontNumber() const { return m_frontNumber; }
    void setFrontNumber(const QString &text) { m_frontNumber = text; }
    QString frontStartingPoint(int language) const { return m_frontStartingPoint[language]; }
    void setFrontStartingPoint(int language, const QString &text) { m_frontStartingPoint[language] = text; }
    QString frontDestination(int language) const { return m_frontDestination[language]; }
    void setFrontDestination(int language, const QString &text) { m_frontDestination[language] = text; }

    QString sideNumber() const { return m_sideNumber; }
    void setSideNumber(const QString &text) { m_sideNumber = text; }
    QString sideStartingPoint(int language) const { return m_sideStartingPoint[language]; }
    void setSideStartingPoint(int language, const QString &text) { m_sideStartingPoint[language] = text; }
    QString sideDestination(int language) const { return m_sideDestination[language]; }
    void setSideDestination(int language, const QString &text) { m_sideDestination[language] = text; }
    QString sideSeparator() const { return m_sideSeparator; }
    void setSideSeparator(const QString &text) { m_sideSeparator = text; }

    QString backNumber() const { return m_backNumber; }
    void setBackNumber(const QString &text) { m_backNumber = text; }
    QString backStartingPoint(int language) const { return m_backStartingPoint[language]; }
    void setBackStartingPoint(int language, const QString &text) { m_backStartingPoint[language] = text; }
    QString backDestination(int language) const { return m_backDestination[language]; }
    void setBackDestination(int language, const QString &text) { m_backDestination[language] = text; }

    QString stationWord(int language) const { return m_stationWord[language]; }
    void setStationWord(int language, const QString &text) { m_stationWord[language] = text.trimmed(); }
    QString nextWord(int language) const { return m_nextWord[language]; }
    void setNextWord(int language, const QString &text) { m_nextWord[language] = text.trimmed(); }

    QString salonTimeText() const { return m_salonTimeText; }
    void setSalonTimeText(const QString &text) { m_salonTimeText = text; }
    QByteArray salonTabloOrder() const { return m_salonTabloOrder; }
    void setSalonTabloOrder(const QByteArray &order) { m_salonTabloOrder = order; }
    QString adFolder() const { return m_adFolder; }
    void setAdFolder(const QString &folder) { m_adFolder = folder; }
    QString salonTempText(int language) const { return m_salonTempText[language]; }
    void setSalonTempText(int language, const QString &text) { m_salonTempText[language] = text; }
    QString outsideTempText(int language) const { return m_outsideTempText[language]; }
    void setOutsideTempText(int language, const QString &text) { m_outsideTempText[language] = text; }
    QString routeText(int language) const { return m_routeText[language]; }
    void setRouteText(int language, const QString &text) { m_routeText[language] = text; }
    QStringList adTextFiles() const { return m_adTextFiles; }
    void setAdTextFiles(const QStringList &files) { m_adTextFiles = files; }

    int leftSofitColor() const { return m_leftSofitColor; }
    void setLeftSofitColor(int code) { m_leftSofitColor = code; }
    int rightSofitColor() const { return m_rightSofitColor; }
    void setRightSofitColor(int code) { m_rightSofitColor = code; }
    int brValues(int index) const { return m_brValues[index]; }
    void setBrValues(int index, int value) { m_brValues[index] = value; }

    int frontNumberColor() const { return m_frontNumberColor; }
    void setFrontNumberColor(int color) { m_frontNumberColor = color; }
    int frontStartColor() const { return m_frontStartColor; }
    void setFrontStartColor(int color) { m_frontStartColor = color; }
    int frontDestColor() const { return m_frontDestColor; }
    void setFrontDestColor(int color) { m_frontDestColor = color; }
    int sideNumberColor() const { return m_sideNumberColor; }
    void setSideNumberColor(int color) { m_sideNumberColor = color; }
    int sideStartColor() const { return m_sideStartColor; }
    void setSideStartColor(int color) { m_sideStartColor = color; }
    int sideDestColor() const { return m_sideDestColor; }
    void setSideDestColor(int color) { m_sideDestColor = color; }
    int backNumberColor() const { return m_backNumberColor; }
    void setBackNumberColor(int color) { m_backNumberColor = color; }
    int backStartColor() const { return m_backStartColor; }
    void setBackStartColor(int color) { m_backStartColor = color; }
    int backDestColor() const { return m_backDestColor; }
    void setBackDestColor(int color) { m_backDestColor = color; }
    int salonColor() const { return m_salonColor; }
    void setSalonColor(int color) { m_salonColor = color; }

    int frontFont() const { return m_frontFont; }
    void setFrontFont(int font) { m_frontFont = font; }
    int sideFont() const { return m_sideFont; }
    void setSideFont(int font) { m_sideFont = font; }
    int backFont() const { return m_backFont; }
    void setBackFont(int font) { m_backFont = font; }
    int frontMode() const { return m_frontMode; }
    void setFrontMode(int mode) { m_frontMode = mode; }
    int sideMode() const { return m_sideMode; }
    void setSideMode(int mode) { m_sideMode = mode; }
    int backMode() const { return m_backMode; }
    void setBackMode(int mode) { m_backMode = mode; }

    int frontNameTimeout() const { return m_frontNameTimeout; }
    void setFrontNameTimeout(int timeout) { m_frontNameTimeout = timeout; }
    int backNameTimeout() const { return m_backNameTimeout; }
    void setBackNameTimeout(int timeout) { m_backNameTimeout = timeout; }
    int nextStationDelay() const { return m_nextStationDelay; }
    void setNextStationDelay(int seconds) { m_nextStationDelay = seconds; }
    int sideSValue() const { return m_sideSValue; }
    void setSideSValue(int value) { m_sideSValue = value; }
    int sideNameTimeout() const { return m_sideNameTimeout; }
    void setSideNameTimeout(int timeout) { m_sideNameTimeout = timeout; }
    int sideStationCount() const { return m_sideStationCount; }
    void setSideStationCount(int count) { m_sideStationCount = count; }

    bool cyclePlay() const { return m_cyclePlay; }
    void setCyclePlay(bool cycle) { m_cyclePlay = cycle; }
    bool frontFontFromStationList() const { return m_frontFontFromStationList; }
    void setFrontFontFromStationList(bool fromStationList) { m_frontFontFromStationList = fromStationList; }

private:
    struct BoardFields;
    // The content of a file, or none when it is missing or cannot be read.
    using FileSource = std::function<std::optional<QByteArray>(RouteFileId)>;

    bool loadFrom(const FileSource &file);
    bool parseStationList(const std::optional<QByteArray> &content);
    void parseScript(const std::optional<QByteArray> &content);
    void parseBackBoard(const std::optional<QByteArray> &content);
    void parseSideBoard(const std::optional<QByteArray> &content);
    void parseCoordinates(const std::optional<QByteArray> &content);
    void parseAdTexts(const std::optional<QByteArray> &content);
    QByteArray stationListContent() const;
    QByteArray scriptContent() const;
    QByteArray backBoardContent() const;
    QByteArray sideBoardContent() const;
    QByteArray coordinatesContent() const;
    QByteArray adTextsContent() const;
    std::optional<QByteArray> readFile(RouteFileId file) const;
    bool isUnreadable(RouteFileId file) const;
    static QByteArray diskDigest(const QByteArray &content);
    bool readOne(RouteFileId file, void (RouteData::*parse)(const std::optional<QByteArray> &));
    bool writeFile(RouteFileId file, const QByteArray &content) const;
    void skipLine(RouteFileId file, int line) { m_skippedLines.append({file, line}); }

    static const BoardFields &boardFields(OutsideBoard board);
    void setBoardHeader(OutsideBoard board, const BoardHeader &header);

    std::vector<std::unique_ptr<Station>> m_stations;
    QList<SkippedLine> m_skippedLines;
    QString m_unreadableFile;
    // What each file path held when this route last read or wrote it: a digest of its bytes, or
    // an empty array when the file was missing. Kept by the const readers and writers, since it
    // describes the disk rather than the route.
    mutable QHash<QString, QByteArray> m_diskDigests;
    int m_backStationIndex = 0;
    QString m_folder;
    QString m_frontNumber;
    TextPair m_frontStartingPoint;
    TextPair m_frontDestination;
    QString m_sideNumber;
    TextPair m_sideStartingPoint;
    TextPair m_sideDestination;
    QString m_sideSeparator;
    QString m_backNumber;
    TextPair m_backStartingPoint;
    TextPair m_backDestination;
    TextPair m_stationWord;
    TextPair m_nextWord;
    QString m_salonTimeText;
    QByteArray m_salonTabloOrder;
    QString m_adFolder;
    TextPair m_salonTempText;
    TextPair m_outsideTempText;
    TextPair m_routeText;
    QStringList m_adTextFiles;
    int m_leftSofitColor = 0;
    int m_rightSofitColor = 0;
    int m_brValues[2] = {0, 0};
    int m_frontNumberColor = 0;
    int m_frontStartColor = 0;
    int m_frontDestColor = 0;
    int m_sideNumberColor = 0;
    int m_sideStartColor = 0;
    int m_sideDestColor = 0;
    int m_backNumberColor = 0;
    int m_backStartColor = 0;
    int m_backDestColor = 0;
    int m_salonColor = 0;
    int m_frontFont = 0;
    int m_sideFont = 0;
    int m_backFont = 0;
    int m_frontMode = 0;
    int m_sideMode = 0;
    int m_backMode = 0;
    int m_frontNameTimeout = 0;
    int m_backNameTimeout = 0;
    int m_nextStationDelay = 0;
    int m_sideSValue = 0;
    int m_sideNameTimeout = 0;
    int m_sideStationCount = 0;
    bool m_cyclePlay = false;
    bool m_frontFontFromStationList = false;
};
