// The general, front, side, back and running-line tabs: their fill functions, the page
// operations of the board commands, the colour buttons, the board previews and their types.

#include "routeform.h"
#include "ui_routeform.h"

#include "backboardcommands.h"
#include "boardcolorcommands.h"
#include "boardfeed.h"
#include "boardheader.h"
#include "frontboardcommands.h"
#include "fronttablowidget.h"
#include "routedefaults.h"
#include "salontablocommands.h"
#include "sideboardcommands.h"
#include "sofitcolormodel.h"
#include "stationcommands.h"
#include "widgetfill.h"

#include <QCursor>
#include <QEvent>
#include <QMenu>
#include <QStandardItemModel>

#include <initializer_list>
#include <utility>

namespace {

void selectSofitColor(QComboBox *list, int code)
{
    const QSignalBlocker blocker(list);
    list->setCurrentIndex(list->findData(code, SofitColorRole));
}

// The type menus offer the boards each position of a vehicle can carry.
struct TypeEntry
{
    const char *text;
    FrontTabloType type;
};

const std::initializer_list<TypeEntry> frontTypes = {
    {QT_TRANSLATE_NOOP("RouteForm", "Табло 32x320 цветное"), FrontTablo32x320Color},
    {QT_TRANSLATE_NOOP("RouteForm", "Табло 32x192 цветное"), FrontTablo32x192Color},
    {QT_TRANSLATE_NOOP("RouteForm", "Табло 20x200 цветное"), FrontTablo20x200Color},
    {QT_TRANSLATE_NOOP("RouteForm", "Табло 20x160 цветное"), FrontTablo20x160Color},
    {QT_TRANSLATE_NOOP("RouteForm", "Табло 16x128"), FrontTablo16x128},
    {QT_TRANSLATE_NOOP("RouteForm", "Табло 16x128 цветное"), FrontTablo16x128Color},
    {QT_TRANSLATE_NOOP("RouteForm", "Табло 16x96"), FrontTablo16x96},
};

const std::initializer_list<TypeEntry> sideTypes = {
    {QT_TRANSLATE_NOOP("RouteForm", "Табло 32x192 цветное"), FrontTablo32x192Color},
    {QT_TRANSLATE_NOOP("RouteForm", "Табло 24x144 цветное"), FrontTablo24x144Color},
    {QT_TRANSLATE_NOOP("RouteForm", "Табло 20x160 цветное"), FrontTablo20x160Color},
    {QT_TRANSLATE_NOOP("RouteForm", "Табло 20x120 цветное"), FrontTablo20x120Color},
    {QT_TRANSLATE_NOOP("RouteForm", "Табло 16x128"), FrontTablo16x128},
    {QT_TRANSLATE_NOOP("RouteForm", "Табло 16x128 цветное"), FrontTablo16x128Color},
    {QT_TRANSLATE_NOOP("RouteForm", "Табло 16x96"), FrontTablo16x96},
};

const std::initializer_list<TypeEntry> backTypes = {
    {QT_TRANSLATE_NOOP("RouteForm", "Табло 32x256 цветное"), FrontTablo32x256Color},
    {QT_TRANSLATE_NOOP("RouteForm", "Табло 32x192 цветное"), FrontTablo32x192Color},
    {QT_TRANSLATE_NOOP("RouteForm", "Табло 20x160 цветное"), FrontTablo20x160Color},
    {QT_TRANSLATE_NOOP("RouteForm", "Табло 20x40 цветное"), FrontTablo20x40Color},
    {QT_TRANSLATE_NOOP("RouteForm", "Табло 16x128"), FrontTablo16x128},
    {QT_TRANSLATE_NOOP("RouteForm", "Табло 16x128 цветное"), FrontTablo16x128Color},
    {QT_TRANSLATE_NOOP("RouteForm", "Табло 16x96 + софиты"), FrontTablo16x96Sofit},
    {QT_TRANSLATE_NOOP("RouteForm", "Табло 16x96"), FrontTablo16x96},
};

} // namespace

void RouteForm::fillFrontTab()
{
    const int lang = language(FrontLanguage);
    ui->frontNumberEdit->setText(m_route.frontNumber());
    ui->frontStartingPointEdit->setText(m_route.frontStartingPoint(lang));
    ui->frontDestinationEdit->setText(m_route.frontDestination(lang));
    setBitButtons(m_route.frontMode(),
                  {{ui->frontStaticBtn, RouteData::StaticMode},
                   {ui->frontOnlyDestBtn, RouteData::OnlyDestinationMode},
                   {ui->frontCenterBtn, RouteData::CenteredMode},
                   {ui->frontMoscowBtn, RouteData::EnlargedDestinationMode}});
    setBitButtons(m_route.frontFont(), {{ui->frontFont0Btn, 1}, {ui->frontFont1Btn, 2}});
    setSpinValue(ui->frontNameTimeSpn, m_route.frontNameTimeout());
    setButtonColor(ui->frontColorBtn, m_route.frontNumberColor());
    selectSofitColor(ui->leftSofitList, m_route.leftSofitColor());
    selectSofitColor(ui->rightSofitList, m_route.rightSofitColor());
}

void RouteForm::fillSideTab()
{
    const int lang = language(SideLanguage);
    ui->sideNumberEdit->setText(m_route.sideNumber());
    ui->sideStartingPointEdit->setText(m_route.sideStartingPoint(lang));
    ui->sideDestinationEdit->setText(m_route.sideDestination(lang));
    setBitButtons(m_route.sideMode(),
                  {{ui->sideStaticBtn, RouteData::StaticMode},
                   {ui->sideOnlyDestBtn, RouteData::OnlyDestinationMode},
                   {ui->sideStationVScrollBtn, RouteData::VerticalStationsMode},
                   {ui->sideCenterBtn, RouteData::CenteredMode}});
    setBitButtons(m_route.sideFont(), {{ui->sideFont0Btn, 1}, {ui->sideFont1Btn, 2}});
    setSpinValue(ui->sideStationCountSpn, m_route.sideStationCount());
    ui->sideSepEdit->setText(m_route.sideSeparator());
    setSpinValue(ui->sideNameTimeSpn, m_route.sideNameTimeout());
    setButtonColor(ui->sideColorBtn, m_route.sideNumberColor());
}

void RouteForm::fillBackTab()
{
    const int lang = language(BackLanguage);
    ui->backNumberEdit->setText(m_route.backNumber());
    ui->backStartingPointEdit->setText(m_route.backStartingPoint(lang));
    ui->backDestinationEdit->setText(m_route.backDestination(lang));
    setBitButtons(m_route.backMode(),
                  {{ui->backStaticBtn, RouteData::StaticMode},
                   {ui->backOnlyDestBtn, RouteData::OnlyDestinationMode},
                   {ui->backCenterBtn, RouteData::CenteredMode}});
    setBitButtons(m_route.backFont(), {{ui->backFont0Btn, 1}, {ui->backFont1Btn, 2}});
    setSpinValue(ui->backNameTimeSpn, m_route.backNameTimeout());
    setButtonColor(ui->backColorBtn, m_route.backNumberColor());
}

// A board setting changed: its tab shows it, the marker points there (and at the language of
// a text), and the preview is repainted once the command is done.
void RouteForm::boardChanged(OutsideBoard board, int language)
{
    static constexpr RouteTab tabs[] = {FrontTab, SideTab, BackTab};
    switch (board) {
    case OutsideBoard::Front:
        fillFrontTab();
        break;
    case OutsideBoard::Side:
        fillSideTab();
        break;
    case OutsideBoard::Back:
        fillBackTab();
        break;
    }
    if (language < 0)
        markRouteChange(tabs[int(board)]);
    else
        markLanguageChange(tabs[int(board)], boardLanguage(board), language);
    markStale(board);
}

void RouteForm::setFrontNumber(const QString &text)
{
    m_route.setFrontNumber(text);
    boardChanged(OutsideBoard::Front);
}

void RouteForm::setFrontStartingPoint(int language, const QString &text)
{
    m_route.setFrontStartingPoint(language, text);
    boardChanged(OutsideBoard::Front, language);
}

void RouteForm::setFrontDestination(int language, const QString &text)
{
    m_route.setFrontDestination(language, text);
    boardChanged(OutsideBoard::Front, language);
}

void RouteForm::setFrontTabloMode(int mode)
{
    m_route.setFrontMode(mode);
    boardChanged(OutsideBoard::Front);
}

void RouteForm::setFrontTabloFont(int font)
{
    m_route.setFrontFont(font);
    boardChanged(OutsideBoard::Front);
}

void RouteForm::setFrontNameTimeout(int seconds)
{
    m_route.setFrontNameTimeout(seconds);
    boardChanged(OutsideBoard::Front);
}

void RouteForm::setFrontNumberColor(int color)
{
    m_route.setFrontNumberColor(color);
    boardChanged(OutsideBoard::Front);
}

void RouteForm::setFrontStartColor(int color)
{
    m_route.setFrontStartColor(color);
    boardChanged(OutsideBoard::Front);
}

void RouteForm::setFrontDestColor(int color)
{
    m_route.setFrontDestColor(color);
    boardChanged(OutsideBoard::Front);
}

// The side strips are edited on the front tab and shown on the front and back boards.
void RouteForm::setLeftSofitColor(int code)
{
    m_route.setLeftSofitColor(code);
    boardChanged(OutsideBoard::Front);
    markStale(OutsideBoard::Back);
}

void RouteForm::setRightSofitColor(int code)
{
    m_route.setRightSofitColor(code);
    boardChanged(OutsideBoard::Front);
    markStale(OutsideBoard::Back);
}

void RouteForm::setSideNumber(const QString &text)
{
    m_route.setSideNumber(text);
    boardChanged(OutsideBoard::Side);
}

void RouteForm::setSideStartingPoint(int language, const QString &text)
{
    m_route.setSideStartingPoint(language, text);
    boardChanged(OutsideBoard::Side, language);
}

void RouteForm::setSideDestination(int language, const QString &text)
{
    m_route.setSideDestination(language, text);
    boardChanged(OutsideBoard::Side, language);
}

void RouteForm::setSideTabloMode(int mode)
{
    m_route.setSideMode(mode);
    boardChanged(OutsideBoard::Side);
}

void RouteForm::setSideTabloFont(int font)
{
    m_route.setSideFont(font);
    boardChanged(OutsideBoard::Side);
}

void RouteForm::setSideNameTimeout(int seconds)
{
    m_route.setSideNameTimeout(seconds);
    boardChanged(OutsideBoard::Side);
}

void RouteForm::setSideNumberColor(int color)
{
    m_route.setSideNumberColor(color);
    boardChanged(OutsideBoard::Side);
}

void RouteForm::setSideStartColor(int color)
{
    m_route.setSideStartColor(color);
    boardChanged(OutsideBoard::Side);
}

void RouteForm::setSideDestColor(int color)
{
    m_route.setSideDestColor(color);
    boardChanged(OutsideBoard::Side);
}

void RouteForm::setSideStationCount(int count)
{
    m_route.setSideStationCount(count);
    boardChanged(OutsideBoard::Side);
}

void RouteForm::setSideSeparator(const QString &text)
{
    m_route.setSideSeparator(text);
    boardChanged(OutsideBoard::Side);
}

void RouteForm::setBackNumber(const QString &text)
{
    m_route.setBackNumber(text);
    boardChanged(OutsideBoard::Back);
}

void RouteForm::setBackStartingPoint(int language, const QString &text)
{
    m_route.setBackStartingPoint(language, text);
    boardChanged(OutsideBoard::Back, language);
}

void RouteForm::setBackDestination(int language, const QString &text)
{
    m_route.setBackDestination(language, text);
    boardChanged(OutsideBoard::Back, language);
}

void RouteForm::setBackTabloMode(int mode)
{
    m_route.setBackMode(mode);
    boardChanged(OutsideBoard::Back);
}

void RouteForm::setBackTabloFont(int font)
{
    m_route.setBackFont(font);
    boardChanged(OutsideBoard::Back);
}

void RouteForm::setBackNameTimeout(int seconds)
{
    m_route.setBackNameTimeout(seconds);
    boardChanged(OutsideBoard::Back);
}

void RouteForm::setBackNumberColor(int color)
{
    m_route.setBackNumberColor(color);
    boardChanged(OutsideBoard::Back);
}

void RouteForm::setBackStartColor(int color)
{
    m_route.setBackStartColor(color);
    boardChanged(OutsideBoard::Back);
}

void RouteForm::setBackDestColor(int color)
{
    m_route.setBackDestColor(color);
    boardChanged(OutsideBoard::Back);
}

// Adds to parent the commands that empty the board and running-line texts of language.
void RouteForm::emptyBoardTexts(int language, QUndoCommand *parent)
{
    const RouteData &route = m_route;
    if (!route.frontStartingPoint(language).isEmpty())
        new SetFrontStartingPointCmd(this, language, QString(), parent);
    if (!route.frontDestination(language).isEmpty())
        new SetFrontDestinationCmd(this, language, QString(), parent);
    if (!route.sideStartingPoint(language).isEmpty())
        new SetSideStartingPointCmd(this, language, QString(), parent);
    if (!route.sideDestination(language).isEmpty())
        new SetSideDestinationCmd(this, language, QString(), parent);
    if (!route.backStartingPoint(language).isEmpty())
        new SetBackStartingPointCmd(this, language, QString(), parent);
    if (!route.backDestination(language).isEmpty())
        new SetBackDestinationCmd(this, language, QString(), parent);
    if (!route.routeText(language).isEmpty())
        new SetRouteTextCmd(this, language, QString(), parent);
    if (!route.salonTempText(language).isEmpty())
        new SetSalonTempTextCmd(this, language, QString(), parent);
    if (!route.outsideTempText(language).isEmpty())
        new SetOutsideTempTextCmd(this, language, QString(), parent);
}

void RouteForm::on_frontColorBtn_clicked()
{
    emit showTabloColorDialog(uint(m_route.frontNumberColor()), tr("Цвет переднего табло"), QStringLiteral("front"));
}

void RouteForm::on_sideColorBtn_clicked()
{
    emit showTabloColorDialog(uint(m_route.sideNumberColor()), tr("Цвет бокового табло"), QStringLiteral("side"));
}

void RouteForm::on_backColorBtn_clicked()
{
    emit showTabloColorDialog(uint(m_route.backNumberColor()), tr("Цвет заднего табло"), QStringLiteral("back"));
}

void RouteForm::on_salonColorBtn_clicked()
{
    emit showTabloColorDialog(uint(m_route.salonColor()), tr("Цвет табло в салоне"), QStringLiteral("salon"));
}

void RouteForm::onTabloColorDialogResult(uint color, const QString &tabloType)
{
    const int rgb = int(color);
    auto *command = new QUndoCommand;
    if (tabloType == QLatin1String("front")) {
        addBoardColors(OutsideBoard::Front, rgb, command);
        // Side and back boards that still show the front colour follow it; a board with a
        // colour of its own keeps it.
        if (command->childCount() > 0) {
            if (m_route.sideNumberColor() == m_route.frontNumberColor())
                addBoardColors(OutsideBoard::Side, rgb, command);
            if (m_route.backNumberColor() == m_route.frontNumberColor())
                addBoardColors(OutsideBoard::Back, rgb, command);
        }
    } else if (tabloType == QLatin1String("back")) {
        addBoardColors(OutsideBoard::Back, rgb, command);
    } else if (tabloType == QLatin1String("side")) {
        addBoardColors(OutsideBoard::Side, rgb, command);
    } else if (tabloType == QLatin1String("salon") && m_route.salonColor() != rgb) {
        new SetSalonColorCmd(this, rgb, command);
    }
    pushMacro(command);
}

// Adds to parent a command for each colour of board that differs from color.
void RouteForm::addBoardColors(OutsideBoard board, int color, QUndoCommand *parent)
{
    switch (board) {
    case OutsideBoard::Front:
        if (m_route.frontNumberColor() != color)
            new SetFrontNumberColorCmd(this, color, parent);
        if (m_route.frontStartColor() != color)
            new SetFrontStartColorCmd(this, color, parent);
        if (m_route.frontDestColor() != color)
            new SetFrontDestColorCmd(this, color, parent);
        break;
    case OutsideBoard::Side:
        if (m_route.sideNumberColor() != color)
            new SetSideNumberColorCmd(this, color, parent);
        if (m_route.sideStartColor() != color)
            new SetSideStartColorCmd(this, color, parent);
        if (m_route.sideDestColor() != color)
            new SetSideDestColorCmd(this, color, parent);
        break;
    case OutsideBoard::Back:
        if (m_route.backNumberColor() != color)
            new SetBackNumberColorCmd(this, color, parent);
        if (m_route.backStartColor() != color)
            new SetBackStartColorCmd(this, color, parent);
        if (m_route.backDestColor() != color)
            new SetBackDestColorCmd(this, color, parent);
        break;
    }
}

FrontTabloWidget *RouteForm::preview(OutsideBoard board) const
{
    switch (board) {
    case OutsideBoard::Front:
        return ui->frontTabloWdt;
    case OutsideBoard::Side:
        return ui->sideTabloWdt;
    case OutsideBoard::Back:
        break;
    }
    return ui->backTabloWdt;
}

void RouteForm::updateFrontTablo()
{
    feedBoard(*ui->frontTabloWdt, m_route, OutsideBoard::Front);
    ui->frontTabloWdt->refresh();
}

void RouteForm::updateSideTablo()
{
    feedBoard(*ui->sideTabloWdt, m_route, OutsideBoard::Side, m_currentStation);
    ui->sideTabloWdt->refresh();
}

void RouteForm::updateBackTablo()
{
    feedBoard(*ui->backTabloWdt, m_route, OutsideBoard::Back);
    ui->backTabloWdt->refresh();
}

void RouteForm::setSideTabloStations()
{
    feedSideStops(*ui->sideTabloWdt, m_route, m_currentStation);
}

void RouteForm::setFrontTabloType(FrontTabloType type)
{
    setBoardTabloType(OutsideBoard::Front, type);
}

void RouteForm::setSideTabloType(FrontTabloType type)
{
    setBoardTabloType(OutsideBoard::Side, type);
}

void RouteForm::setBackTabloType(FrontTabloType type)
{
    setBoardTabloType(OutsideBoard::Back, type);
}

void RouteForm::setBoardTabloType(OutsideBoard board, FrontTabloType type)
{
    FrontTabloType &stored = board == OutsideBoard::Front ? m_tabloTypes.front
        : board == OutsideBoard::Side                     ? m_tabloTypes.side
                                                          : m_tabloTypes.back;
    if (type == stored)
        return;
    stored = type;
    preview(board)->setType(type);
    preview(board)->refresh();
    switch (board) {
    case OutsideBoard::Front:
        emit frontTabloTypeChanged(type);
        break;
    case OutsideBoard::Side:
        emit sideTabloTypeChanged(type);
        break;
    case OutsideBoard::Back:
        emit backTabloTypeChanged(type);
        break;
    }
}

void RouteForm::showFrontTabloMenu()
{
    showTabloMenu(OutsideBoard::Front);
}

void RouteForm::showSideTabloMenu()
{
    showTabloMenu(OutsideBoard::Side);
}

void RouteForm::showBackTabloMenu()
{
    showTabloMenu(OutsideBoard::Back);
}

void RouteForm::showTabloMenu(OutsideBoard board)
{
    const FrontTabloType current = board == OutsideBoard::Front ? m_tabloTypes.front
        : board == OutsideBoard::Side                           ? m_tabloTypes.side
                                                                : m_tabloTypes.back;
    const std::initializer_list<TypeEntry> &entries = board == OutsideBoard::Front ? frontTypes
        : board == OutsideBoard::Side                                              ? sideTypes
                                                                                   : backTypes;
    QMenu menu(this);
    for (const TypeEntry &entry : entries) {
        QAction *action = menu.addAction(tr(entry.text));
        action->setCheckable(true);
        action->setChecked(entry.type == current);
        action->setData(int(entry.type));
    }
    const QAction *picked = menu.exec(QCursor::pos());
    if (!picked)
        return;
    setBoardTabloType(board, FrontTabloType(picked->data().toInt()));
    // Every pick is written, even of the checked type, so that editor.ini always exists after one.
    if (!m_route.folder().isEmpty())
        m_tabloTypes.write(m_route.folder());
}

// The line edits of a board's number, starting point and destination.
QLineEdit *RouteForm::boardEdit(OutsideBoard board, BoardText field) const
{
    QLineEdit *const edits[3][3] = {
        {ui->frontNumberEdit, ui->frontStartingPointEdit, ui->frontDestinationEdit},
        {ui->sideNumberEdit, ui->sideStartingPointEdit, ui->sideDestinationEdit},
        {ui->backNumberEdit, ui->backStartingPointEdit, ui->backDestinationEdit},
    };
    return edits[int(board)][int(field)];
}

RouteForm::LanguageGroup RouteForm::boardLanguage(OutsideBoard board)
{
    static constexpr LanguageGroup groups[] = {FrontLanguage, SideLanguage, BackLanguage};
    return groups[int(board)];
}

QString RouteForm::boardText(OutsideBoard board, BoardText field, int language) const
{
    const BoardHeader header = m_route.boardHeader(board);
    switch (field) {
    case BoardText::Number:
        return header.number;
    case BoardText::StartingPoint:
        return header.startingPoint[language];
    case BoardText::Destination:
        break;
    }
    return header.destination[language];
}

// Adds to parent the command that sets field of board.
void RouteForm::addBoardTextCommand(OutsideBoard board, BoardText field, int language, const QString &text,
                                    QUndoCommand *parent)
{
    switch (field) {
    case BoardText::Number:
        if (board == OutsideBoard::Front)
            new SetFrontNumberCommand(this, text, parent);
        else if (board == OutsideBoard::Side)
            new SetSideNumberCommand(this, text, parent);
        else
            new SetBackNumberCommand(this, text, parent);
        break;
    case BoardText::StartingPoint:
        if (board == OutsideBoard::Front)
            new SetFrontStartingPointCmd(this, language, text, parent);
        else if (board == OutsideBoard::Side)
            new SetSideStartingPointCmd(this, language, text, parent);
        else
            new SetBackStartingPointCmd(this, language, text, parent);
        break;
    case BoardText::Destination:
        if (board == OutsideBoard::Front)
            new SetFrontDestinationCmd(this, language, text, parent);
        else if (board == OutsideBoard::Side)
            new SetSideDestinationCmd(this, language, text, parent);
        else
            new SetBackDestinationCmd(this, language, text, parent);
        break;
    }
}

// The front board leads: the side and back boards take a new front text while they still
// show the old one. The preview of the edited board already shows the text.
void RouteForm::finishBoardText(OutsideBoard board, BoardText field)
{
    const int lang = language(boardLanguage(board));
    const QString stored = boardText(board, field, lang);
    QString text;
    if (!finishEdit(boardEdit(board, field), stored, text))
        return;
    auto *command = new QUndoCommand;
    addBoardTextCommand(board, field, lang, text, command);
    if (board == OutsideBoard::Front) {
        for (const OutsideBoard follower : {OutsideBoard::Side, OutsideBoard::Back}) {
            if (boardText(follower, field, lang) == stored)
                addBoardTextCommand(follower, field, lang, text, command);
        }
    }
    pushCommand(command, board);
}

// While a text is typed the preview shows it; the route takes it when the edit is finished.
void RouteForm::previewTypedText(OutsideBoard board, BoardText field, const QString &text)
{
    FrontTabloWidget *tablo = preview(board);
    tablo->stopAnimation();
    const int lang = language(boardLanguage(board));
    if (field == BoardText::Number)
        tablo->setNumber(text.trimmed());
    else if (field == BoardText::StartingPoint)
        tablo->setStartingPoint(lang, text.trimmed());
    else
        tablo->setDestination(lang, text.trimmed());
    tablo->refresh();
}

// A single moving line hides characters at its left so that the edit cursor stays in view.
void RouteForm::followCursor(OutsideBoard board, QLineEdit *edit, int position)
{
    FrontTabloWidget *tablo = preview(board);
    if (!edit->hasFocus() || (tablo->mode() & RouteData::StaticMode) != 0)
        return;
    if (keepCursorInView(tablo, position))
        tablo->refresh();
}

bool RouteForm::keepCursorInView(FrontTabloWidget *board, int position)
{
    const int offset = board->textOffset();
    if (position >= offset && position - offset <= 11)
        return false;
    board->setTextOffset(qMax(position - 2, 0));
    return true;
}

// The edited text comes first on the board, and is the one a board of only the destination shows.
void RouteForm::boardTextFocus(OutsideBoard board, QLineEdit *edit, bool startingPoint, bool focusIn)
{
    FrontTabloWidget *tablo = preview(board);
    const bool still = (tablo->mode() & RouteData::StaticMode) != 0;
    if (focusIn) {
        const bool onlyDestination = (tablo->mode() & RouteData::OnlyDestinationMode) != 0;
        const bool noList = tablo->stops(0).isEmpty() && tablo->stops(1).isEmpty() && tablo->separator().isEmpty();
        tablo->setStartFirst(startingPoint != (onlyDestination || (still && noList)));
        if (still)
            tablo->setTextOffset(0);
        else
            keepCursorInView(tablo, edit->cursorPosition());
        tablo->refresh();
    } else if (!still && tablo->textOffset() != 0) {
        tablo->setTextOffset(0);
        tablo->refresh();
    }
}

// Watches the focus of the starting-point, destination and separator edits; lets every event through.
bool RouteForm::eventFilter(QObject *watched, QEvent *event)
{
    const bool focusIn = event->type() == QEvent::FocusIn;
    if (!focusIn && event->type() != QEvent::FocusOut)
        return QWidget::eventFilter(watched, event);
    if (watched == ui->sideSepEdit) {
        ui->sideTabloWdt->setSeparatorFocus(focusIn);
        ui->sideTabloWdt->refresh();
    }
    for (const OutsideBoard board : {OutsideBoard::Front, OutsideBoard::Side, OutsideBoard::Back}) {
        for (const BoardText field : {BoardText::StartingPoint, BoardText::Destination}) {
            if (watched == boardEdit(board, field))
                boardTextFocus(board, boardEdit(board, field), field == BoardText::StartingPoint, focusIn);
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Mode and font buttons push even an unchanged value: each click is a step of its own.
void RouteForm::setBoardModeBit(OutsideBoard board, int bit, bool checked)
{
    int mode = m_route.boardHeader(board).mode;
    mode = checked ? mode | bit : mode & ~bit;
    // The front board shows its destination either alone or enlarged, not both.
    if (board == OutsideBoard::Front && checked && bit == RouteData::OnlyDestinationMode)
        mode &= ~RouteData::EnlargedDestinationMode;
    if (board == OutsideBoard::Front && checked && bit == RouteData::EnlargedDestinationMode)
        mode &= ~RouteData::OnlyDestinationMode;
    if (board == OutsideBoard::Front)
        pushCommand(new SetFrontTabloModeCommand(this, mode));
    else if (board == OutsideBoard::Side)
        pushCommand(new SetSideTabloModeCommand(this, mode));
    else
        pushCommand(new SetBackTabloModeCommand(this, mode));
}

void RouteForm::setBoardFontBit(OutsideBoard board, int bit, bool checked)
{
    int font = m_route.boardHeader(board).font;
    font = checked ? font | bit : font & ~bit;
    if (board == OutsideBoard::Front)
        pushCommand(new SetFrontTabloFontCommand(this, font));
    else if (board == OutsideBoard::Side)
        pushCommand(new SetSideTabloFontCommand(this, font));
    else
        pushCommand(new SetBackTabloFontCommand(this, font));
}

void RouteForm::finishNameTime(OutsideBoard board, QSpinBox *spin)
{
    const int seconds = spin->value();
    if (!spinChanged(spin, m_route.boardHeader(board).nameTimeout))
        return;
    if (board == OutsideBoard::Front)
        pushCommand(new SetFrontNameTimeoutCmd(this, seconds));
    else if (board == OutsideBoard::Side)
        pushCommand(new SetSideNameTimeoutCmd(this, seconds));
    else
        pushCommand(new SetBackNameTimeoutCmd(this, seconds));
}

void RouteForm::pickSofitColor(bool left, int index)
{
    if (index < 0)
        return;
    const int code = m_sofitColorModel->item(index)->data(SofitColorRole).toInt();
    if (code != (left ? m_route.leftSofitColor() : m_route.rightSofitColor())) {
        pushCommand(left ? static_cast<QUndoCommand *>(new SetLeftSofitColorCmd(this, code))
                         : new SetRightSofitColorCmd(this, code));
        return;
    }
    updateFrontTablo();
    updateBackTablo();
}

void RouteForm::on_frontNumberEdit_editingFinished()
{
    finishBoardText(OutsideBoard::Front, BoardText::Number);
}

void RouteForm::on_frontStartingPointEdit_editingFinished()
{
    finishBoardText(OutsideBoard::Front, BoardText::StartingPoint);
}

void RouteForm::on_frontDestinationEdit_editingFinished()
{
    finishBoardText(OutsideBoard::Front, BoardText::Destination);
}

void RouteForm::on_frontNumberEdit_textEdited(const QString &text)
{
    previewTypedText(OutsideBoard::Front, BoardText::Number, text);
}

void RouteForm::on_frontStartingPointEdit_textEdited(const QString &text)
{
    previewTypedText(OutsideBoard::Front, BoardText::StartingPoint, text);
}

void RouteForm::on_frontDestinationEdit_textEdited(const QString &text)
{
    previewTypedText(OutsideBoard::Front, BoardText::Destination, text);
}

void RouteForm::on_frontStartingPointEdit_cursorPositionChanged(int, int position)
{
    followCursor(OutsideBoard::Front, ui->frontStartingPointEdit, position);
}

void RouteForm::on_frontDestinationEdit_cursorPositionChanged(int, int position)
{
    followCursor(OutsideBoard::Front, ui->frontDestinationEdit, position);
}

void RouteForm::on_frontStaticBtn_clicked(bool checked)
{
    setBoardModeBit(OutsideBoard::Front, RouteData::StaticMode, checked);
}

void RouteForm::on_frontOnlyDestBtn_clicked(bool checked)
{
    setBoardModeBit(OutsideBoard::Front, RouteData::OnlyDestinationMode, checked);
}

void RouteForm::on_frontCenterBtn_clicked(bool checked)
{
    setBoardModeBit(OutsideBoard::Front, RouteData::CenteredMode, checked);
}

void RouteForm::on_frontMoscowBtn_clicked(bool checked)
{
    setBoardModeBit(OutsideBoard::Front, RouteData::EnlargedDestinationMode, checked);
}

void RouteForm::on_frontFont0Btn_clicked(bool checked)
{
    setBoardFontBit(OutsideBoard::Front, 1, checked);
}

void RouteForm::on_frontFont1Btn_clicked(bool checked)
{
    setBoardFontBit(OutsideBoard::Front, 2, checked);
}

void RouteForm::on_frontNameTimeSpn_editingFinished()
{
    finishNameTime(OutsideBoard::Front, ui->frontNameTimeSpn);
}

void RouteForm::on_leftSofitList_currentIndexChanged(int index)
{
    pickSofitColor(true, index);
}

void RouteForm::on_rightSofitList_currentIndexChanged(int index)
{
    pickSofitColor(false, index);
}

void RouteForm::on_sideNumberEdit_editingFinished()
{
    finishBoardText(OutsideBoard::Side, BoardText::Number);
}

void RouteForm::on_sideStartingPointEdit_editingFinished()
{
    finishBoardText(OutsideBoard::Side, BoardText::StartingPoint);
}

void RouteForm::on_sideDestinationEdit_editingFinished()
{
    finishBoardText(OutsideBoard::Side, BoardText::Destination);
}

void RouteForm::on_sideNumberEdit_textEdited(const QString &text)
{
    previewTypedText(OutsideBoard::Side, BoardText::Number, text);
}

void RouteForm::on_sideStartingPointEdit_textEdited(const QString &text)
{
    previewTypedText(OutsideBoard::Side, BoardText::StartingPoint, text);
}

void RouteForm::on_sideDestinationEdit_textEdited(const QString &text)
{
    previewTypedText(OutsideBoard::Side, BoardText::Destination, text);
}

void RouteForm::on_sideStartingPointEdit_cursorPositionChanged(int, int position)
{
    followCursor(OutsideBoard::Side, ui->sideStartingPointEdit, position);
}

void RouteForm::on_sideDestinationEdit_cursorPositionChanged(int, int position)
{
    followCursor(OutsideBoard::Side, ui->sideDestinationEdit, position);
}

void RouteForm::on_sideStaticBtn_clicked(bool checked)
{
    setBoardModeBit(OutsideBoard::Side, RouteData::StaticMode, checked);
}

void RouteForm::on_sideOnlyDestBtn_clicked(bool checked)
{
    setBoardModeBit(OutsideBoard::Side, RouteData::OnlyDestinationMode, checked);
}

void RouteForm::on_sideCenterBtn_clicked(bool checked)
{
    setBoardModeBit(OutsideBoard::Side, RouteData::CenteredMode, checked);
}

void RouteForm::on_sideStationVScrollBtn_clicked(bool checked)
{
    setBoardModeBit(OutsideBoard::Side, RouteData::VerticalStationsMode, checked);
}

void RouteForm::on_sideFont0Btn_clicked(bool checked)
{
    setBoardFontBit(OutsideBoard::Side, 1, checked);
}

void RouteForm::on_sideFont1Btn_clicked(bool checked)
{
    setBoardFontBit(OutsideBoard::Side, 2, checked);
}

void RouteForm::on_sideNameTimeSpn_editingFinished()
{
    finishNameTime(OutsideBoard::Side, ui->sideNameTimeSpn);
}

void RouteForm::on_sideStationCountSpn_editingFinished()
{
    if (spinChanged(ui->sideStationCountSpn, m_route.sideStationCount()))
        pushCommand(new SetSideStationCountCmd(this, ui->sideStationCountSpn->value()));
}

void RouteForm::on_sideSepEdit_editingFinished()
{
    QString text;
    if (finishEdit(ui->sideSepEdit, m_route.sideSeparator(), text))
        pushCommand(new SetSideSeparatorCmd(this, text));
}

void RouteForm::on_sideSepEdit_textEdited(const QString &text)
{
    ui->sideTabloWdt->stopAnimation();
    ui->sideTabloWdt->setSeparator(text.trimmed());
    ui->sideTabloWdt->refresh();
}

void RouteForm::on_autoSideSepBtn_clicked()
{
    ui->sideSepEdit->clearFocus();
    if (m_route.sideSeparator() != defaultSideSeparator())
        pushCommand(new SetSideSeparatorCmd(this, defaultSideSeparator()));
}

void RouteForm::on_backNumberEdit_editingFinished()
{
    finishBoardText(OutsideBoard::Back, BoardText::Number);
}

void RouteForm::on_backStartingPointEdit_editingFinished()
{
    finishBoardText(OutsideBoard::Back, BoardText::StartingPoint);
}

void RouteForm::on_backDestinationEdit_editingFinished()
{
    finishBoardText(OutsideBoard::Back, BoardText::Destination);
}

void RouteForm::on_backNumberEdit_textEdited(const QString &text)
{
    previewTypedText(OutsideBoard::Back, BoardText::Number, text);
}

void RouteForm::on_backStartingPointEdit_textEdited(const QString &text)
{
    previewTypedText(OutsideBoard::Back, BoardText::StartingPoint, text);
}

void RouteForm::on_backDestinationEdit_textEdited(const QString &text)
{
    previewTypedText(OutsideBoard::Back, BoardText::Destination, text);
}

void RouteForm::on_backStartingPointEdit_cursorPositionChanged(int, int position)
{
    followCursor(OutsideBoard::Back, ui->backStartingPointEdit, position);
}

void RouteForm::on_backDestinationEdit_cursorPositionChanged(int, int position)
{
    followCursor(OutsideBoard::Back, ui->backDestinationEdit, position);
}

void RouteForm::on_backStaticBtn_clicked(bool checked)
{
    setBoardModeBit(OutsideBoard::Back, RouteData::StaticMode, checked);
}

void RouteForm::on_backOnlyDestBtn_clicked(bool checked)
{
    setBoardModeBit(OutsideBoard::Back, RouteData::OnlyDestinationMode, checked);
}

void RouteForm::on_backCenterBtn_clicked(bool checked)
{
    setBoardModeBit(OutsideBoard::Back, RouteData::CenteredMode, checked);
}

void RouteForm::on_backFont0Btn_clicked(bool checked)
{
    setBoardFontBit(OutsideBoard::Back, 1, checked);
}

void RouteForm::on_backFont1Btn_clicked(bool checked)
{
    setBoardFontBit(OutsideBoard::Back, 2, checked);
}

void RouteForm::on_backNameTimeSpn_editingFinished()
{
    finishNameTime(OutsideBoard::Back, ui->backNameTimeSpn);
}
