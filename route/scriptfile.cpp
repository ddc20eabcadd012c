// script.txt: route-wide "KEY:value" items on header lines, then optional station lines that
// add files to single stops. The writer puts out the seven header lines only; the stops' files
// are saved in ost.txt.

#include "scriptfile.h"

#include "keytoken.h"
#include "linereader.h"
#include "routedata.h"
#include "routedefaults.h"
#include "stationlistfile.h"
#include "textrules.h"

#include <QDir>

namespace {

// A text of two languages; the key of the second language carries a "2".
struct TextPairKey
{
    const char *key;
    QString (RouteData::*get)(int) const;
    void (RouteData::*set)(int, const QString &);
    bool trimmed;
};

// In the order of the written lines 2 to 6.
const TextPairKey textPairKeys[] = {
    {"MARSH", &RouteData::routeText, &RouteData::setRouteText, false},
    {"TEMP_OUT", &RouteData::outsideTempText, &RouteData::setOutsideTempText, false},
    {"TEMP_IN", &RouteData::salonTempText, &RouteData::setSalonTempText, false},
    {"WORD_ST", &RouteData::stationWord, &RouteData::setStationWord, true},
    {"WORD_NEXT_ST", &RouteData::nextWord, &RouteData::setNextWord, true},
};

QString parentFolder(const QString &folder)
{
    return folder.left(folder.lastIndexOf(QLatin1Char('/')));
}

void applyStartValues(RouteData &route)
{
    setScriptDefaults(route);
    route.setAdFolder(parentFolder(route.folder()) + QLatin1String("/Reklama"));
}

// The advertising folder is stored from the parent of the route folder on, between slashes.
// It is decoded like every other text: files from older tools hold it in Windows-1251, and
// reading those bytes as UTF-8 would turn a Cyrillic folder name into replacement characters.
// It lies beside the route folder or inside it; a value that climbs out of the parent folder
// with ".." cannot come from this editor, and taking it would make every save write
// rscript.txt into some other folder, so the default folder stays.
void readAdFolder(RouteData &route, QByteArray value)
{
    if (value.startsWith('/'))
        value.remove(0, 1);
    if (value.endsWith('/'))
        value.chop(1);
    const QString parent = parentFolder(route.folder());
    const QString folder = parent + QLatin1Char('/') + decodeFileText(value);
    const QString cleanParent = QDir::cleanPath(parent);
    const QString cleanFolder = QDir::cleanPath(folder);
    if (cleanFolder == cleanParent || cleanFolder.startsWith(cleanParent + QLatin1Char('/')))
        route.setAdFolder(folder);
}

void readSofitColors(RouteData &route, const QByteArray &value)
{
    if (value.size() >= 1)
        route.setLeftSofitColor(sofitColorFromLetter(value.at(0)));
    if (value.size() >= 2)
        route.setRightSofitColor(sofitColorFromLetter(value.at(1)));
}

void readBrValues(RouteData &route, const QByteArray &value)
{
    for (int index = 0; index < 2 && index < value.size(); ++index) {
        const char digit = value.at(index);
        if (digit >= '0' && digit <= '3')
            route.setBrValues(index, digit - '0');
    }
}

// ost.txt's font item wins; a single "0" means font 0 on both lines.
void readTabloFont(RouteData &route, const QByteArray &value)
{
    if (route.frontFontFromStationList())
        return;
    int font = route.frontFont();
    readFontDigits(value, font);
    route.setFrontFont(font);
}

void readSalonColor(RouteData &route, const QByteArray &value)
{
    if (!value.isEmpty())
        route.setSalonColor(parseHexColor(value.startsWith('#') ? value.mid(1) : value));
}

// 0 when key is the pair's key, 1 when it is that key followed by "2", else -1. Compared in
// place: a hostile header line holds millions of keys.
int pairKeyLanguage(const QByteArray &key, const char *pairKey)
{
    const int size = int(qstrlen(pairKey));
    if (!key.startsWith(pairKey))
        return -1;
    if (key.size() == size)
        return 0;
    return key.size() == size + 1 && key.endsWith('2') ? 1 : -1;
}

bool readTextPairToken(RouteData &route, const QByteArray &key, const QByteArray &value)
{
    for (const TextPairKey &pair : textPairKeys) {
        const int language = pairKeyLanguage(key, pair.key);
        if (language < 0)
            continue;
        const QString text = decodeFileText(value);
        (route.*pair.set)(language, pair.trimmed ? text.trimmed() : text);
        return true;
    }
    return false;
}

void applyHeaderToken(RouteData &route, const QByteArray &key, const QByteArray &value)
{
    if (readTextPairToken(route, key, value))
        return;
    if (key == "BT") {
        if (!value.isEmpty())
            route.setSalonTabloOrder(value);
    } else if (key == "PATH_REKLAMA") {
        readAdFolder(route, value);
    } else if (key == "SM") {
        readSofitColors(route, value);
    } else if (key == "BR") {
        readBrValues(route, value);
    } else if (key == "TABLO_FONT") {
        readTabloFont(route, value);
    } else if (key == "SALON_COLOR") {
        readSalonColor(route, value);
    } else if (key == "CYCLE_PLAY") {
        route.setCyclePlay(true);
    } else if (key == "SALON_TIME") {
        route.setSalonTimeText(decodeFileText(value).trimmed());
    }
}

void readHeaderLine(RouteData &route, const QByteArray &line)
{
    int position = 0;
    QByteArray key;
    QByteArray value;
    while (readKeyToken(line, position, key, value))
        applyHeaderToken(route, key, value);
}

// False when the line names no stop of the route.
bool readStationLine(RouteData &route, const QByteArray &line)
{
    Station *station = route.stationByNumber(stationLineNumber(line));
    if (station)
        readStationFileTokens(line, *station);
    return station != nullptr;
}

QByteArray item(const QByteArray &key, const QByteArray &value)
{
    return ' ' + key + ':' + value;
}

// The order and the advertising folder are written bare, as the on-board unit expects; only
// values that a blank would cut short, or that hold a double quote, are quoted so that they
// come back whole.
QByteArray bareOrQuoted(const QByteArray &value)
{
    return value.contains(' ') || value.contains('"') ? quotedTokenValue(value) : value;
}

QByteArray settingsLine(const RouteData &route)
{
    QByteArray line = "\xEF\xBB\xBF";
    line += item("BT", bareOrQuoted(route.salonTabloOrder()));
    line += item("PATH_REKLAMA", bareOrQuoted((route.relativeAdFolder() + QLatin1Char('/')).toUtf8()));
    line += item("SM",
                 QByteArray(1, sofitColorLetter(route.leftSofitColor())) + sofitColorLetter(route.rightSofitColor()));
    line += item("BR", QByteArray::number(route.brValues(0)) + QByteArray::number(route.brValues(1)));
    line += item("TABLO_FONT", route.frontFont() & 1 ? "0" : "1");
    line += item("SALON_COLOR", '#' + formatHexColor(route.salonColor()));
    if (route.cyclePlay())
        line += " CYCLE_PLAY";
    return line + "\r\n";
}

QByteArray textItem(const QByteArray &key, const QString &text)
{
    return item(key, quotedTokenValue(text.toUtf8()));
}

// The first language is always written, the second only when it has a text.
QByteArray textPairLine(const RouteData &route, const TextPairKey &pair)
{
    QByteArray line = textItem(pair.key, (route.*pair.get)(0));
    const QString second = (route.*pair.get)(1);
    if (!second.isEmpty())
        line += textItem(QByteArray(pair.key) + '2', second);
    return line + "\r\n";
}

} // namespace

char sofitColorLetter(int code)
{
    switch (code) {
    case 1:
        return 'B';
    case 2:
        return 'G';
    case 4:
        return 'R';
    case 6:
        return 'Y';
    case 7:
        return 'W';
    default:
        return 'O';
    }
}

int sofitColorFromLetter(char letter)
{
    switch (letter) {
    case 'B':
        return 1;
    case 'G':
        return 2;
    case 'R':
        return 4;
    case 'Y':
        return 6;
    case 'W':
        return 7;
    default:
        return 0;
    }
}

// A station line has the grammar of an ost.txt files line, so the same scanner reads both.
int readStationFileTokens(const QByteArray &line, Station &station)
{
    return parseFileList(line, station);
}

void RouteData::parseScript(const std::optional<QByteArray> &content)
{
    applyStartValues(*this);
    if (!content)
        return;
    LineReader reader(*content);
    QByteArray line;
    bool inHeader = true;
    while (reader.readLine(line)) {
        inHeader = inHeader && isHeaderLine(line);
        if (inHeader)
            readHeaderLine(*this, line);
        else if (!readStationLine(*this, line) && !line.trimmed().isEmpty())
            skipLine(ScriptFile, reader.lineNumber());
    }
}

QByteArray RouteData::scriptContent() const
{
    QByteArray content = settingsLine(*this);
    for (const TextPairKey &pair : textPairKeys)
        content += textPairLine(*this, pair);
    content += textItem("SALON_TIME", m_salonTimeText) + "\r\n";
    return content;
}
