#pragma once

#include "editorini.h"
#include "fronttablotype.h"
#include "routecheck.h"
#include "routedata.h"
#include "soundplayer.h"
#include "voicedraft.h"

#include <QBasicTimer>
#include <QGeoCoordinate>
#include <QModelIndex>
#include <QUrl>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class FrontTabloWidget;
template <typename T> class QFutureWatcher;
class QButtonGroup;
class QFileSystemWatcher;
class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;
class QStandardItemModel;
class QUndoCommand;
class QUndoStack;
class RouteModel;

enum class VoiceDraftResult;

namespace Ui {
class RouteForm;
}

// The editor page of one route folder: owns the route, its stop list model, its undo stack,
// its folder watcher and its sound player, and tells the main window whether Save, Undo and
// Redo are possible. Undo commands change the route only through the page operations below,
// which also bring the widgets up to date and remember where the change happened, so that
// undo and redo can show that place again.
//
// The implementation is split by area: routeform.cpp (opening, saving, undo, languages),
// routeform_general.cpp (general and running-line tabs), routeform_boards.cpp (the three
// outside boards, their previews and types), routeform_station.cpp (the stop list and the stop
// tab), routeform_files.cpp (file lists and the folder watch), routeform_sound.cpp (the sound
// preview and voice drafts) and routeform_coordinates.cpp.
class RouteForm : public QWidget
{
    Q_OBJECT

public:
    // The route tabs, the running-line sub-tabs and the stop tabs, each in its order on the page.
    enum RouteTab { GeneralTab, FrontTab, SideTab, BackTab, SalonTab };
    enum RunningLineTab { SalonOrderTab, RouteTextTab, OutsideTempTab, SalonTempTab, SalonTimeTab, AdTab };
    enum StationTab { StopTab, SoundTab, TextTab, CoordinateTab };
    // The eight language switches of the page, in the order they are built.
    enum LanguageGroup {
        GeneralLanguage,
        FrontLanguage,
        SideLanguage,
        BackLanguage,
        RouteTextLanguage,
        SalonTempLanguage,
        OutsideTempLanguage,
        StationLanguage,
        LanguageGroupCount
    };
    // The three lists of file names the page edits.
    enum FileList { SoundFiles, TextFiles, AdTextFiles };

    explicit RouteForm(QWidget *parent = nullptr);
    ~RouteForm() override;

    const RouteData &route() const { return m_route; }
    bool canSave() const { return m_canSave; }
    bool canUndo() const { return m_canUndo; }
    bool canRedo() const { return m_canRedo; }
    QUndoStack *undoStack() const { return m_undoStack; }
    int languageCount() const { return m_langCount; }
    // The stop shown on the stop tab, or -1 while the route row is selected.
    int currentStation() const { return m_currentStation; }
    bool isNextSeparate() const;

    FrontTabloType frontTabloType() const { return m_tabloTypes.front; }
    FrontTabloType sideTabloType() const { return m_tabloTypes.side; }
    FrontTabloType backTabloType() const { return m_tabloTypes.back; }
    void setFrontTabloType(FrontTabloType type);
    void setSideTabloType(FrontTabloType type);
    void setBackTabloType(FrontTabloType type);

    // Page operations of the undo commands: each stores the value in the route, shows it in
    // its widgets, remembers where it changed and marks the board previews it affects.
    void setStationWord(int language, const QString &text);
    void setNextWord(int language, const QString &text);
    void setNextStationDelay(int seconds);
    void setLangCount(int count);
    void setNextSeparate(bool separate);

    void setFrontNumber(const QString &text);
    void setFrontStartingPoint(int language, const QString &text);
    void setFrontDestination(int language, const QString &text);
    void setFrontTabloMode(int mode);
    void setFrontTabloFont(int font);
    void setFrontNameTimeout(int seconds);
    void setFrontNumberColor(int color);
    void setFrontStartColor(int color);
    void setFrontDestColor(int color);
    void setLeftSofitColor(int code);
    void setRightSofitColor(int code);

    void setSideNumber(const QString &text);
    void setSideStartingPoint(int language, const QString &text);
    void setSideDestination(int language, const QString &text);
    void setSideTabloMode(int mode);
    void setSideTabloFont(int font);
    void setSideNameTimeout(int seconds);
    void setSideNumberColor(int color);
    void setSideStartColor(int color);
    void setSideDestColor(int color);
    void setSideStationCount(int count);
    void setSideSeparator(const QString &text);

    void setBackNumber(const QString &text);
    void setBackStartingPoint(int language, const QString &text);
    void setBackDestination(int language, const QString &text);
    void setBackTabloMode(int mode);
    void setBackTabloFont(int font);
    void setBackNameTimeout(int seconds);
    void setBackNumberColor(int color);
    void setBackStartColor(int color);
    void setBackDestColor(int color);

    void setSalonTabloOrder(const QByteArray &order);
    void setRouteText(int language, const QString &text);
    void setSalonTempText(int language, const QString &text);
    void setOutsideTempText(int language, const QString &text);
    void setSalonTimeText(const QString &text);
    void setSalonColor(int color);

    // Without a record a new stop named with the stop word is inserted.
    void insertStation(int index, Station *station = nullptr);
    Station *takeStation(int index);
    void removeStation(int index);
    void setBackStationIndex(int index);
    void setStationName(int station, int language, const QString &text);
    void setStationNextName(int station, int language, const QString &text);
    void setStationSideName(int station, int language, const QString &text);
    void setStationCoordinate(int station, const QGeoCoordinate &coordinate);
    void setStationRadius(int station, int radius);

    // File lists: station is ignored for AdTextFiles.
    QStringList files(FileList list, int station) const;
    void insertFile(FileList list, int station, int position, const QString &name);
    void removeFile(FileList list, int station, int position);
    void moveFile(FileList list, int station, int from, int to);
    void setAdFolder(const QString &path);
    // The problems of the route as it is now, a pending edit included.
    QList<RouteProblem> checkRoute();
    // Shows the stop, tab and language a problem concerns.
    void showProblem(const RouteProblem &problem);

    // Opens the desktop's file manager on path: a folder, or the folder of a file with the file
    // selected.
    void showInExplorer(const QString &path);

    // The widths of the stop list and of the tabs beside it, as the page's splitter keeps them;
    // the main window remembers them once for all pages.
    QByteArray splitterState() const;
    void restoreSplitterState(const QByteArray &state);

public slots:
    // Opens the route folder at path. A folder without a station list opens with the example
    // content, which is written only when the user saves; a station list that exists but
    // cannot be read is reported and the page stays empty (false).
    bool openRoute(const QString &path);
    // Saves every file of the route; tells the user when that fails. True when saved.
    bool saveRoute();
    void undo();
    void redo();
    void stopPlaying();
    // Applies a colour picked in the colour dialog to the board named by tabloType
    // ("front", "side", "back" or "salon").
    void onTabloColorDialogResult(uint color, const QString &tabloType);
    void updateFrontTablo();
    void updateSideTablo();
    void updateBackTablo();
    // The side board lists the stops from the current one to the end of its direction.
    void setSideTabloStations();

signals:
    void canSaveChanged(bool canSave);
    void canUndoChanged(bool canUndo);
    void canRedoChanged(bool canRedo);
    void frontTabloTypeChanged(FrontTabloType tabloType);
    void sideTabloTypeChanged(FrontTabloType tabloType);
    void backTabloTypeChanged(FrontTabloType tabloType);
    void showTabloColorDialog(uint color, const QString &title, const QString &tabloType);
    // The user moved the splitter between the stop list and the tabs.
    void splitterStateChanged(const QByteArray &state);

private slots:
    void onCleanStateChanged(bool cleanState);
    void setCanSave(bool canSave);
    void setCanUndo(bool canUndo);
    void setCanRedo(bool canRedo);
    void onTextEdited();
    void clearWidgetFocus();
    // Shows the next (step 1) or previous (step -1) tab of the route or stop tabs shown.
    void showNeighbourTab(int step);
    // Selects the next or previous entry of the stop list, the edit in progress finished first.
    void selectNeighbourEntry(int step);
    void onLangCountClicked(int id);
    void onGeneralLangToggled(int id, bool checked);
    void onFrontLangToggled(int id, bool checked);
    void onSideLangToggled(int id, bool checked);
    void onBackLangToggled(int id, bool checked);
    void onRouteTextLangToggled(int id, bool checked);
    void onSalonTempLangToggled(int id, bool checked);
    void onOutsideTempLangToggled(int id, bool checked);
    void onStationLangToggled(int id, bool checked);
    void onCurrentStationChanged(const QModelIndex &current);
    void onDirectoryChange(const QString &path);
    void on_nextSeparateCheck_clicked(bool checked);
    void on_frontColorBtn_clicked();
    void on_sideColorBtn_clicked();
    void on_backColorBtn_clicked();
    void on_salonColorBtn_clicked();
    void showFrontTabloMenu();
    void showSideTabloMenu();
    void showBackTabloMenu();

    // routeform_station.cpp
    void on_stationNameEdit_editingFinished();
    void on_autoStationNameBtn_clicked();
    void on_nextNameEdit_editingFinished();
    void on_autoNextNameBtn_clicked();
    void on_sideNameEdit_editingFinished();
    void on_autoSideNameBtn_clicked();
    void on_addStationBtn_clicked();
    void on_addNextStationBtn_clicked();
    void on_removeStationBtn_clicked();

    // routeform_files.cpp
    void on_soundFileList_currentRowChanged(int row);
    void on_allSoundFileList_currentRowChanged(int row);
    void on_textFileList_currentRowChanged(int row);
    void on_allTextFileList_currentRowChanged(int row);
    void on_adTextFileList_currentRowChanged(int row);
    void on_allAdTextFileList_currentRowChanged(int row);
    void on_addSoundFileBtn_clicked();
    void on_upSoundFileBtn_clicked();
    void on_downSoundFileBtn_clicked();
    void on_removeSoundFileBtn_clicked();
    void on_openSoundFolderBtn_clicked();
    void on_addTextFileBtn_clicked();
    void on_upTextFileBtn_clicked();
    void on_downTextFileBtn_clicked();
    void on_removeTextFileBtn_clicked();
    void on_newTextFileBtn_clicked();
    void on_openTextFolderBtn_clicked();
    void on_openTextFileBtn_clicked();
    void on_addAdTextFileBtn_clicked();
    void on_upAdTextFileBtn_clicked();
    void on_downAdTextFileBtn_clicked();
    void on_removeAdTextFileBtn_clicked();
    void on_newAdTextFileBtn_clicked();
    void on_openAdFolderBtn_clicked();
    void on_openAdTextFileBtn_clicked();
    void on_moveAdFolderBtn_clicked();

    // routeform_sound.cpp
    void on_playSoundBtn_clicked();
    void on_stopSoundBtn_clicked();
    void onMediaPositionChanged(qint64 position);
    void onMediaDurationChanged(qint64 duration);
    void onMediaStateChanged(SoundPlayer::State state);
    void on_playSoundSlider_valueChanged(int value);
    void on_speakSoundBtn_clicked();
    void updatePlayNameLabel(const QUrl &source);
    void updatePlayErrorLabel(SoundPlayer::Error error);

    // routeform_coordinates.cpp
    void on_coordEdit_editingFinished();
    void on_radiusSpn_editingFinished();
    void on_setAllRadiusBtn_clicked();

    // routeform_general.cpp
    void on_stationWordEdit_editingFinished();
    void on_nextWordEdit_editingFinished();
    void on_nextDelaySpn_editingFinished();
    void on_salonTabloOrderEdit_editingFinished();
    void on_autoSalonTabloOrderBtn_clicked();
    void on_salonMBtn_clicked();
    void on_salonOBtn_clicked();
    void on_salonABtn_clicked();
    void on_salonRBtn_clicked();
    void on_salonSBtn_clicked();
    void on_salonNBtn_clicked();
    void on_salonBBtn_clicked();
    void on_salonTBtn_clicked();
    void on_salonRepeatBtn_clicked();
    void on_routeTextEdit_editingFinished();
    void on_autoRouteTextBtn_clicked();
    void on_outsideTempEdit_editingFinished();
    void on_autoOutsideTempBtn_clicked();
    void on_salonTempEdit_editingFinished();
    void on_autoSalonTempBtn_clicked();
    void on_salonTimeEdit_editingFinished();
    void on_autoSalonTimeBtn_clicked();

    // routeform_boards.cpp
    void on_frontNumberEdit_editingFinished();
    void on_frontStartingPointEdit_editingFinished();
    void on_frontDestinationEdit_editingFinished();
    void on_frontNumberEdit_textEdited(const QString &text);
    void on_frontStartingPointEdit_textEdited(const QString &text);
    void on_frontDestinationEdit_textEdited(const QString &text);
    void on_frontStartingPointEdit_cursorPositionChanged(int oldPosition, int position);
    void on_frontDestinationEdit_cursorPositionChanged(int oldPosition, int position);
    void on_frontStaticBtn_clicked(bool checked);
    void on_frontOnlyDestBtn_clicked(bool checked);
    void on_frontCenterBtn_clicked(bool checked);
    void on_frontMoscowBtn_clicked(bool checked);
    void on_frontFont0Btn_clicked(bool checked);
    void on_frontFont1Btn_clicked(bool checked);
    void on_frontNameTimeSpn_editingFinished();
    void on_leftSofitList_currentIndexChanged(int index);
    void on_rightSofitList_currentIndexChanged(int index);
    void on_sideNumberEdit_editingFinished();
    void on_sideStartingPointEdit_editingFinished();
    void on_sideDestinationEdit_editingFinished();
    void on_sideNumberEdit_textEdited(const QString &text);
    void on_sideStartingPointEdit_textEdited(const QString &text);
    void on_sideDestinationEdit_textEdited(const QString &text);
    void on_sideStartingPointEdit_cursorPositionChanged(int oldPosition, int position);
    void on_sideDestinationEdit_cursorPositionChanged(int oldPosition, int position);
    void on_sideStaticBtn_clicked(bool checked);
    void on_sideOnlyDestBtn_clicked(bool checked);
    void on_sideCenterBtn_clicked(bool checked);
    void on_sideStationVScrollBtn_clicked(bool checked);
    void on_sideFont0Btn_clicked(bool checked);
    void on_sideFont1Btn_clicked(bool checked);
    void on_sideNameTimeSpn_editingFinished();
    void on_sideStationCountSpn_editingFinished();
    void on_sideSepEdit_editingFinished();
    void on_sideSepEdit_textEdited(const QString &text);
    void on_autoSideSepBtn_clicked();
    void on_backNumberEdit_editingFinished();
    void on_backStartingPointEdit_editingFinished();
    void on_backDestinationEdit_editingFinished();
    void on_backNumberEdit_textEdited(const QString &text);
    void on_backStartingPointEdit_textEdited(const QString &text);
    void on_backDestinationEdit_textEdited(const QString &text);
    void on_backStartingPointEdit_cursorPositionChanged(int oldPosition, int position);
    void on_backDestinationEdit_cursorPositionChanged(int oldPosition, int position);
    void on_backStaticBtn_clicked(bool checked);
    void on_backOnlyDestBtn_clicked(bool checked);
    void on_backCenterBtn_clicked(bool checked);
    void on_backFont0Btn_clicked(bool checked);
    void on_backFont1Btn_clicked(bool checked);
    void on_backNameTimeSpn_editingFinished();

protected:
    void timerEvent(QTimerEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void createPageShortcuts();
    // Where the most recent command changed something, so that undo and redo can bring that
    // place back into view.
    struct LastChange
    {
        int station = -1;
        RouteTab routeTab = GeneralTab;
        RunningLineTab salonTab = SalonOrderTab;
        StationTab stationTab = StopTab;
        std::array<int, 3> fileRows{};
        std::array<int, LanguageGroupCount> languages{};
    };

    // routeform.cpp: the frame every area shares.
    void connectEditSignals();
    void createLanguageGroups();
    void applyLanguageCount(int count);
    bool hasSuccessor(int station) const;
    bool decideNextSeparate();
    bool askNextSeparate(bool proposeSeparate);
    bool clearNextTexts();
    bool fillNextTexts();
    void emptyLanguage(int language, QUndoCommand *parent);
    int language(LanguageGroup group) const;
    void selectLanguage(LanguageGroup group, int language);
    void showLastChange();
    // Pushes command and repaints the previews it made stale, except the one that already
    // shows the change.
    void pushCommand(QUndoCommand *command, std::optional<OutsideBoard> shown = std::nullopt);
    // True with the trimmed text when the user typed in edit and left a text other than stored.
    // An edit left untouched changes nothing, though it may show its value cut to its length.
    bool finishEdit(QLineEdit *edit, const QString &stored, QString &text);
    bool confirmLostTexts();
    bool confirmOverwrite();
    // True when the user set spin to a value other than stored. A stored value beyond the spin
    // box's range shows clamped and stays until the user picks another.
    static bool spinChanged(const QSpinBox *spin, int stored);
    void restoreUndoFlags();
    // Pushes command when it has children, else discards it.
    void pushMacro(QUndoCommand *command);
    void markRouteChange(RouteTab tab);
    void markLanguageChange(RouteTab tab, LanguageGroup group, int language);
    void markSalonChange(RunningLineTab tab, LanguageGroup group = LanguageGroupCount, int language = 0);
    void markStationChange(int station, StationTab tab);
    void markStale(OutsideBoard board) { m_stale[int(board)] = true; }
    void repaintStalePreviews();

    // routeform_general.cpp
    void fillBoardTabs();
    void rewriteNextText(int entry, int language, const QString &nextText, const QString &word, QUndoCommand *parent);
    void insertOrderText(const QString &text);

    // routeform_boards.cpp
    enum class BoardText { Number, StartingPoint, Destination };
    QLineEdit *boardEdit(OutsideBoard board, BoardText field) const;
    static LanguageGroup boardLanguage(OutsideBoard board);
    QString boardText(OutsideBoard board, BoardText field, int language) const;
    void addBoardTextCommand(OutsideBoard board, BoardText field, int language, const QString &text,
                             QUndoCommand *parent);
    void finishBoardText(OutsideBoard board, BoardText field);
    void previewTypedText(OutsideBoard board, BoardText field, const QString &text);
    void followCursor(OutsideBoard board, QLineEdit *edit, int position);
    static bool keepCursorInView(FrontTabloWidget *tablo, int position);
    void boardTextFocus(OutsideBoard board, QLineEdit *edit, bool startingPoint, bool focusIn);
    void setBoardModeBit(OutsideBoard board, int bit, bool checked);
    void setBoardFontBit(OutsideBoard board, int bit, bool checked);
    void finishNameTime(OutsideBoard board, QSpinBox *spin);
    void pickSofitColor(bool left, int index);
    void fillGeneralTab();
    void fillFrontTab();
    void fillSideTab();
    void fillBackTab();
    void fillSalonTab();
    void boardChanged(OutsideBoard board, int language = -1);
    FrontTabloWidget *preview(OutsideBoard board) const;
    void setBoardTabloType(OutsideBoard board, FrontTabloType type);
    void showTabloMenu(OutsideBoard board);
    void addBoardColors(OutsideBoard board, int color, QUndoCommand *parent);
    void emptyBoardTexts(int language, QUndoCommand *parent);

    // routeform_station.cpp
    void fillStationPage();
    bool isNextEntry(int station) const;
    void showStationTexts(int station, int language);
    void showStation(int index);
    int newStationPosition() const;
    void setStationText(int station, int textNumber, const QString &text);

    // routeform_sound.cpp
    void connectPlayer();
    void selectSound(const QString &name);
    void applySelectedSound();
    void showPlayTime(qint64 position, qint64 duration);
    void onVoiceDraftSpoken();
    void playVoiceDraft(int station);

    // routeform_files.cpp
    // The widgets of one file list pair: attached names on the left, all files on the right.
    struct FileListWidgets
    {
        QListWidget *attached;
        QListWidget *all;
        QWidget *add;
        QWidget *up;
        QWidget *down;
        QWidget *remove;
        QLabel *preview;
    };
    FileListWidgets fileListWidgets(FileList list) const;
    QString fileFolder(FileList list) const;
    QString madeFileFolder(FileList list);
    bool editedStation(FileList list, int &station) const;
    void attachedRowChanged(FileList list, int row);
    void allFilesRowChanged(FileList list, int row);
    void showSelectedFile(FileList list, const QString &name);
    QUndoCommand *addFileCommand(FileList list, int station, int position, const QString &name);
    void addSelectedFile(FileList list);
    void moveSelectedFile(FileList list, int step);
    void removeSelectedFile(FileList list);
    void createTextFile(FileList list);
    QString selectedFile(FileList list) const;
    void openTextFile(FileList list);
    void showFileFolder(FileList list);
    QListWidget *shownFileList(FileList list, int station) const;
    void setFiles(FileList list, int station, const QStringList &names);
    void fillFileList(FileList list);
    void markFileChange(FileList list, int station, int row);
    void showAdFolder();
    void watchFolders();
    void refreshStopFileLists();
    void refreshAdFileList();

    RouteData m_route;
    // Merge bursts of folder change notifications into one refresh of the file lists.
    QBasicTimer m_folderTimer;
    QBasicTimer m_adFolderTimer;
    // The sound selected and the sound the player holds: the player loads the selection when
    // this timer fires, so that selections passed over, or a list refilled with the same
    // selection, load nothing.
    QBasicTimer m_soundTimer;
    QUrl m_selectedSound;
    QUrl m_loadedSound;
    std::unique_ptr<Ui::RouteForm> ui;
    // Whether the splitter has its place, from the user's last choice or from the first showing.
    bool m_splitterPlaced = false;
    RouteModel *m_stationModel;
    QUndoStack *m_undoStack;
    QFileSystemWatcher *m_watcher;
    QButtonGroup *m_langCountGroup;
    std::array<QButtonGroup *, LanguageGroupCount> m_languageGroups{};
    QStandardItemModel *m_sofitColorModel;
    SoundPlayer *m_player;
    // The voice draft being spoken on a worker thread, and the entry it is for, which may move
    // or go while it speaks.
    QFutureWatcher<VoiceDraftResult> *m_draftWatcher;
    VoiceDraft m_draft;
    const Station *m_draftStation = nullptr;
    int m_langCount = 1;
    int m_currentStation = -1;
    LastChange m_lastChange;
    EditorIni m_tabloTypes;
    bool m_canSave = false;
    bool m_canUndo = false;
    bool m_canRedo = false;
    // Indexed by OutsideBoard: previews that must be repainted after the current change.
    std::array<bool, 3> m_stale{};
};
