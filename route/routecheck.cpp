// The route check. What the files can carry is not judged by rules of its own: the route is
// written with the writers and read back with the readers, as the next save and the next opening
// would, and every text that does not come back is a problem. Its code only names the likely
// cause.

#include "routecheck.h"

#include "boardheader.h"
#include "routefile.h"
#include "textrules.h"
#include "voicedraft.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace {

// Consecutive stops this far apart are most likely a typing error in a position.
constexpr double distantStopsMetres = 5000;

// The unit reads a trailing "_" and one letter of a first-language starting point or
// destination as a display mode.
bool endsLikeModeSuffix(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    return bytes.size() >= 2 && bytes.at(bytes.size() - 2) == '_';
}

bool holdsFieldSeparator(const QString &text)
{
    return text.contains(QLatin1String("\\\\")) || text.endsWith(QLatin1Char('\\'));
}

class Checker
{
    Q_DECLARE_TR_FUNCTIONS(RouteCheck)

public:
    Checker(const RouteData &route, bool alternating)
        : m_route(route)
        , m_alternating(alternating)
    {
    }

    QList<RouteProblem> run();
    QList<RouteProblem> runSavedTexts()
    {
        checkSavedTexts();
        return m_problems;
    }

private:
    void add(RouteProblem::Severity severity, const char *code, const QString &file, int station, int language,
             const QString &message);
    bool isStop(int index) const { return !m_route.isNextStopEntry(index, m_alternating); }
    // The stop entry after index in its direction, or -1.
    int nextStop(int index) const;

    void checkSavedTexts();
    int checkStopList(const RouteData &back);
    void checkStopTexts(const Station &station, const Station &back, int index);
    void checkText(const QString &text, const QString &back, const QString &file, int station, int language);
    void checkBoards(const RouteData &back);
    void checkScript(const RouteData &back);
    void checkFiles();
    void checkFolderFiles(const QString &folder, const QStringList &named, bool advertising);
    void checkDraftSounds();
    void checkPositions();
    void checkNames();
    void checkSkippedLines();
    void checkEncodings();

    const RouteData &m_route;
    const bool m_alternating;
    QList<RouteProblem> m_problems;
};

QList<RouteProblem> Checker::run()
{
    checkSavedTexts();
    checkFiles();
    checkDraftSounds();
    checkPositions();
    checkNames();
    checkSkippedLines();
    checkEncodings();
    return m_problems;
}

void Checker::add(RouteProblem::Severity severity, const char *code, const QString &file, int station, int language,
                  const QString &message)
{
    m_problems.append({severity, QString::fromLatin1(code), file, station, language, message});
}

int Checker::nextStop(int index) const
{
    const int back = m_route.backStationIndex();
    const int end = index < back ? back : m_route.stationCount();
    for (int next = index + 1; next < end; ++next) {
        if (isStop(next))
            return next;
    }
    return -1;
}

// The route after saving and opening it again, compared with the route now.
void Checker::checkSavedTexts()
{
    RouteData back;
    if (!back.loadContents(m_route.folder(), m_route.fileContents()))
        return;
    const int comparable = checkStopList(back);
    for (int index = 0; index < comparable; ++index)
        checkStopTexts(*m_route.stationAt(index), *back.stationAt(index), index);
    checkBoards(back);
    checkScript(back);
    if (back.adTextFiles() != m_route.adTextFiles())
        add(RouteProblem::Error, "dropped-text", RouteData::fileName(RouteData::AdTextsFile), -1, -1,
            tr("Список рекламных объявлений не сохранится в таком виде."));
}

// A stop text that the unit reads as the end of the list or the start of the return direction
// changes the list itself; the stops from there on cannot be compared. Returns how many can.
int Checker::checkStopList(const RouteData &back)
{
    if (back.stationCount() == m_route.stationCount() && back.backStationIndex() == m_route.backStationIndex())
        return m_route.stationCount();
    int index = 0;
    while (index < back.stationCount() && index < m_route.stationCount()
           && back.stationAt(index)->name[0] == m_route.stationAt(index)->name[0].trimmed())
        ++index;
    if (index < m_route.stationCount())
        add(RouteProblem::Error, "reserved-name", RouteData::fileName(RouteData::StationListFile), index, 0,
            tr("Текст «%1» блок прочитает как конец списка остановок или начало обратного направления.")
                .arg(m_route.stationAt(index)->name[0]));
    return index;
}

void Checker::checkStopTexts(const Station &station, const Station &back, int index)
{
    const QString stationList = RouteData::fileName(RouteData::StationListFile);
    // A second-language line that names a file is read as the stop's files.
    const bool filesChanged = back.soundFiles != station.soundFiles || back.textFiles != station.textFiles;
    if (filesChanged && !station.name[1].isEmpty() && back.name[1].isEmpty()) {
        add(RouteProblem::Error, "file-like-text", stationList, index, 1,
            tr("Текст «%1» блок прочитает как имя файла.").arg(station.name[1]));
        return;
    }
    if (filesChanged)
        add(RouteProblem::Error, "dropped-text", stationList, index, -1,
            tr("Имена файлов остановки не сохранятся в таком виде."));
    for (int language = 0; language < 2; ++language) {
        checkText(station.name[language], back.name[language], stationList, index, language);
        if (!station.nextName[language].isEmpty() && station.name[language].isEmpty() && language == 1)
            add(RouteProblem::Error, "dropped-text", stationList, index, language,
                tr("Объявление следующей «%1» без объявления остановки на этом языке не сохранится.")
                    .arg(station.nextName[language]));
        else
            checkText(station.nextName[language], back.nextName[language], stationList, index, language);
        checkText(station.sideName[language], back.sideName[language], RouteData::fileName(RouteData::SideBoardFile),
                  index, language);
    }
}

// Blanks around a text are no loss: most readers trim them, and the quoted script texts keep
// them.
void Checker::checkText(const QString &text, const QString &back, const QString &file, int station, int language)
{
    if (text.trimmed() == back.trimmed())
        return;
    if (holdsFieldSeparator(text))
        add(RouteProblem::Error, "separator-in-text", file, station, language,
            tr("Текст «%1» содержит обратную косую черту, которой файл разделяет поля.").arg(text));
    else
        add(RouteProblem::Error, "dropped-text", file, station, language,
            tr("Текст «%1» не сохранится в таком виде.").arg(text));
}

void Checker::checkBoards(const RouteData &back)
{
    for (OutsideBoard board : {OutsideBoard::Front, OutsideBoard::Side, OutsideBoard::Back}) {
        const QString file = RouteData::fileName(RouteData::boardFile(board));
        const BoardHeader header = m_route.boardHeader(board);
        const BoardHeader read = back.boardHeader(board);
        checkText(header.number, read.number, file, -1, -1);
        for (int language = 0; language < 2; ++language) {
            const QString texts[] = {header.startingPoint[language], header.destination[language]};
            const QString readTexts[] = {read.startingPoint[language], read.destination[language]};
            for (int text = 0; text < 2; ++text) {
                if (language == 0 && endsLikeModeSuffix(texts[text]) && texts[text] != readTexts[text])
                    add(RouteProblem::Error, "mode-suffix-in-text", file, -1, 0,
                        tr("Блок прочитает конец текста «%1» как режим табло.").arg(texts[text]));
                else
                    checkText(texts[text], readTexts[text], file, -1, language);
            }
        }
        if (board == OutsideBoard::Side && header.separator != read.separator)
            add(RouteProblem::Error, "separator-in-text", file, -1, -1,
                tr("Разделитель «%1» содержит точку с запятой, которой файл разделяет настройки.")
                    .arg(header.separator));
    }
}

void Checker::checkScript(const RouteData &back)
{
    const QString file = RouteData::fileName(RouteData::ScriptFile);
    auto check = [&](const QString &text, const QString &read, int language) {
        if (text.trimmed() == read.trimmed())
            return;
        if (text.endsWith(QLatin1Char('\\')))
            add(RouteProblem::Error, "trailing-backslash", file, -1, language,
                tr("Текст «%1» кончается обратной косой чертой, и блок прочитает за ним следующую настройку.")
                    .arg(text));
        else
            checkText(text, read, file, -1, language);
    };
    check(m_route.salonTimeText(), back.salonTimeText(), -1);
    check(QString::fromLatin1(m_route.salonTabloOrder()), QString::fromLatin1(back.salonTabloOrder()), -1);
    for (int language = 0; language < 2; ++language) {
        check(m_route.routeText(language), back.routeText(language), language);
        check(m_route.outsideTempText(language), back.outsideTempText(language), language);
        check(m_route.salonTempText(language), back.salonTempText(language), language);
        check(m_route.stationWord(language), back.stationWord(language), language);
        check(m_route.nextWord(language), back.nextWord(language), language);
    }
}

// A name is looked up in the folder's list; one with folder parts on the disk.
bool exists(const QSet<QString> &files, const QString &folder, const QString &name)
{
    return files.contains(name)
        || (name.contains(QLatin1Char('/')) && QFileInfo(folder + QLatin1Char('/') + name).isFile());
}

void Checker::checkFiles()
{
    const QStringList folderFiles = QDir(m_route.folder()).entryList(QDir::Files);
    const QSet<QString> files(folderFiles.begin(), folderFiles.end());
    QStringList named;
    for (int index = 0; index < m_route.stationCount(); ++index) {
        const Station *station = m_route.stationAt(index);
        for (const QString &name : station->soundFiles + station->textFiles) {
            named.append(name);
            if (!exists(files, m_route.folder(), name))
                add(RouteProblem::Error, "missing-file", name, index, -1,
                    tr("Файла %1 нет в папке маршрута.").arg(name));
        }
    }
    const QStringList adTexts = m_route.adTextFiles();
    // Advertising texts kept in the route folder are named too.
    const bool sameFolder = QDir(m_route.adFolder()) == QDir(m_route.folder());
    checkFolderFiles(m_route.folder(), sameFolder ? named + adTexts : named, false);
    if (!QFileInfo(m_route.adFolder()).isDir()) {
        if (!adTexts.isEmpty())
            add(RouteProblem::Error, "missing-ad-folder", m_route.relativeAdFolder(), -1, -1,
                tr("Папки с рекламой %1 нет, а рекламные объявления названы.").arg(m_route.relativeAdFolder()));
        return;
    }
    for (const QString &name : adTexts) {
        if (!QFileInfo(m_route.adFolder() + QLatin1Char('/') + name).isFile())
            add(RouteProblem::Error, "missing-file", name, -1, -1, tr("Файла %1 нет в папке с рекламой.").arg(name));
    }
    if (!sameFolder)
        checkFolderFiles(m_route.adFolder(), adTexts, true);
}

// Sounds and texts in folder that nothing names; the route's own files are none.
void Checker::checkFolderFiles(const QString &folder, const QStringList &named, bool advertising)
{
    const QSet<QString> names(named.begin(), named.end());
    for (const QString &name : QDir(folder).entryList(QDir::Files, QDir::Name)) {
        const int kind = fileKind(name);
        if (names.contains(name) || kind == OtherFile || (advertising && kind != TextFile)
            || RouteData::isRouteFileName(name) || RouteData::isAdListFileName(name))
            continue;
        add(RouteProblem::Info, "unused-file", name, -1, -1,
            advertising ? tr("Текст %1 не назван в списке рекламы.").arg(name)
                        : tr("Файл %1 не назван ни у одной остановки.").arg(name));
    }
}

// Drafts let a route be tried on a vehicle; taking it out with nothing but drafts should be meant.
void Checker::checkDraftSounds()
{
    for (int index = 0; index < m_route.stationCount(); ++index) {
        const Station *station = m_route.stationAt(index);
        if (hasOnlyVoiceDrafts(*station))
            add(RouteProblem::Info, "draft-sound", station->soundFiles.first(), index, -1,
                tr("Звук объявления — только черновик синтезатора речи: %1.")
                    .arg(station->soundFiles.join(QLatin1String(", "))));
    }
}

void Checker::checkPositions()
{
    for (int index = 0; index < m_route.stationCount(); ++index) {
        if (!isStop(index))
            continue;
        const Station *station = m_route.stationAt(index);
        if (!station->coordinate.isValid()) {
            add(RouteProblem::Warning, "no-position", RouteData::fileName(RouteData::CoordinatesFile), index, -1,
                tr("У остановки нет координат: она будет объявлена после отъезда от предыдущей."));
            continue;
        }
        const int next = nextStop(index);
        const Station *following = m_route.stationAt(next);
        if (!following || !following->coordinate.isValid())
            continue;
        const double metres = station->coordinate.distanceTo(following->coordinate);
        if (metres < station->radius + following->radius)
            add(RouteProblem::Warning, "overlapping-radius", RouteData::fileName(RouteData::CoordinatesFile), next, -1,
                tr("Круг объявления остановки заходит на круг предыдущей: между ними %1 м.").arg(qRound(metres)));
        else if (metres > distantStopsMetres)
            add(RouteProblem::Warning, "distant-stops", RouteData::fileName(RouteData::CoordinatesFile), next, -1,
                tr("До предыдущей остановки %1 км: проверьте координаты.").arg(metres / 1000, 0, 'f', 1));
    }
}

void Checker::checkNames()
{
    const QString file = RouteData::fileName(RouteData::StationListFile);
    const bool twoLanguages = m_route.hasSecondLanguage();
    for (int index = 0; index < m_route.stationCount(); ++index) {
        const Station *station = m_route.stationAt(index);
        if (station->name[0].trimmed().isEmpty()) {
            add(RouteProblem::Warning, "empty-name", file, index, 0, tr("Объявление пустое."));
            continue;
        }
        if (twoLanguages && station->name[1].trimmed().isEmpty())
            add(RouteProblem::Warning, "missing-translation", file, index, 1, tr("Нет объявления на втором языке."));
        const Station *following = m_route.stationAt(isStop(index) ? nextStop(index) : -1);
        if (following && following->name[0] == station->name[0])
            add(RouteProblem::Warning, "repeated-stop", file, nextStop(index), 0,
                tr("Остановка «%1» повторяется подряд.").arg(station->name[0]));
    }
}

void Checker::checkSkippedLines()
{
    for (const RouteData::SkippedLine &line : m_route.skippedLines())
        add(RouteProblem::Warning, "ignored-line", RouteData::fileName(line.file), -1, -1,
            tr("Строка %1 не читается: она после конца списка, называет несуществующую остановку или не "
               "содержит ничего понятного.")
                .arg(line.line));
}

// Files older tools wrote in Windows-1251; the next save writes them in UTF-8.
void Checker::checkEncodings()
{
    for (int file = 0; file < RouteData::routeFileCount; ++file) {
        QByteArray content;
        const auto id = RouteData::RouteFileId(file);
        if (RouteFile::read(m_route.filePath(id), content) && !looksLikeUtf8(content))
            add(RouteProblem::Info, "legacy-encoding", RouteData::fileName(id), -1, -1,
                tr("Файл в кодировке Windows-1251; при сохранении он будет записан в UTF-8."));
    }
}

} // namespace

QString severityName(RouteProblem::Severity severity)
{
    switch (severity) {
    case RouteProblem::Error:
        return QStringLiteral("error");
    case RouteProblem::Warning:
        return QStringLiteral("warning");
    case RouteProblem::Info:
        break;
    }
    return QStringLiteral("info");
}

QList<RouteProblem> checkRoute(const RouteData &route, bool alternating)
{
    return Checker(route, alternating).run();
}

QList<RouteProblem> checkSavedTexts(const RouteData &route, bool alternating)
{
    return Checker(route, alternating).runSavedTexts();
}

void sortProblems(QList<RouteProblem> &problems)
{
    std::stable_sort(problems.begin(), problems.end(), [](const RouteProblem &a, const RouteProblem &b) {
        return a.severity != b.severity ? a.severity < b.severity : a.station < b.station;
    });
}
