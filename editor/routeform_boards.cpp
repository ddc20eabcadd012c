// The general, front, side, back and running-line tabs: their fill functions, the page
// operations of the board commands, the colour buttons, the board previews and their types.

#include "routeform.h"
#include "ui_routeform.h"

#include "backboardcommands.h"
#include "boardcolorcommands.h"
#include "boardfeed.h"
#include "frontboardcommands.h"
#include "fronttablowidget.h"
#include "salontablocommands.h"
#include "sideboardcommands.h"
#include "sofitcolormodel.h"
#include "stationcommands.h"

#include <QCursor>
#include <QMenu>
#include <QStandardItemModel>

#include <initializer_list>
#include <utility>

namespace {

void setSpinValue(QSpinBox *spin, int value)
{
    const QSignalBlocker blocker(spin);
    spin->setValue(value);
}

// Checks each button whose bit is set in bits.
void setBitButtons(int bits, std::initializer_list<std::pair<QAbstractButton *, int>> buttons)
{
    for (const auto &[button, bit] : buttons)
        button->setChecked((bits & bit) != 0);
}

// Re-polishing a style sheet is costly, so an unchanged colour leaves the button alone.
void setButtonColor(QPushButton *button, int color)
{
    const QString style = QStringLiteral("border-image: none; background-color: #%1;")
                              .arg(uint(color) & 0xFFFFFF, 6, 16, QLatin1Char('0'));
    if (button->styleSheet() != style)
        button->setStyleSheet(style);
}

void selectSofitColor(QComboBox *list, int code)
{
    const QSignalBlocker blocker(list);
    list->setCurrentIndex(list->findData(code, SofitColorRole));
}

// The order is a byte string; the unit stops reading it at the first zero byte.
QString orderText(const QByteArray &order)
{
    const int end = order.indexOf('\0');
    return QString::fromLatin1(end < 0 ? order : order.left(end));
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

void RouteForm::fillBoardTabs()
{
    fillGeneralTab();
    fillFrontTab();
    fillSideTab();
    fillBackTab();
    fillSalonTab();
}

void RouteForm::fillGeneralTab()
{
    const int lang = language(GeneralLanguage);
    ui->stationWordEdit->setText(m_route.stationWord(lang));
    ui->nextWordEdit->setText(m_route.nextWord(lang));
    setSpinValue(ui->nextDelaySpn, m_route.nextStationDelay());
}

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

void RouteForm::fillSalonTab()
{
    ui->salonTabloOrderEdit->setText(orderText(m_route.salonTabloOrder()));
    ui->routeTextEdit->setText(m_route.routeText(language(RouteTextLanguage)));
    ui->salonTempEdit->setText(m_route.salonTempText(language(SalonTempLanguage)));
    ui->outsideTempEdit->setText(m_route.outsideTempText(language(OutsideTempLanguage)));
    ui->salonTimeEdit->setText(m_route.salonTimeText());
    setButtonColor(ui->salonColorBtn, m_route.salonColor());
}

// A board setting changed: its tab shows it, the marker points there (and at the language of
// a text), and the preview is repainted once the command is done.
void RouteForm::boardChanged(OutsideBoard board, int language)
{
    static constexpr RouteTab tabs[] = {FrontTab, SideTab, BackTab};
    static constexpr LanguageGroup groups[] = {FrontLanguage, SideLanguage, BackLanguage};
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
        markLanguageChange(tabs[int(board)], groups[int(board)], language);
    markStale(board);
}

void RouteForm::setStationWord(int language, const QString &text)
{
    m_route.setStationWord(language, text);
    fillGeneralTab();
    markLanguageChange(GeneralTab, GeneralLanguage, language);
}

void RouteForm::setNextWord(int language, const QString &text)
{
    m_route.setNextWord(language, text);
    fillGeneralTab();
    markLanguageChange(GeneralTab, GeneralLanguage, language);
}

void RouteForm::setNextStationDelay(int seconds)
{
    m_route.setNextStationDelay(seconds);
    fillGeneralTab();
    markRouteChange(GeneralTab);
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

void RouteForm::setSalonTabloOrder(const QByteArray &order)
{
    m_route.setSalonTabloOrder(order);
    fillSalonTab();
    markSalonChange(SalonOrderTab);
}

void RouteForm::setRouteText(int language, const QString &text)
{
    m_route.setRouteText(language, text);
    fillSalonTab();
    markSalonChange(RouteTextTab, RouteTextLanguage, language);
}

void RouteForm::setSalonTempText(int language, const QString &text)
{
    m_route.setSalonTempText(language, text);
    fillSalonTab();
    markSalonChange(SalonTempTab, SalonTempLanguage, language);
}

void RouteForm::setOutsideTempText(int language, const QString &text)
{
    m_route.setOutsideTempText(language, text);
    fillSalonTab();
    markSalonChange(OutsideTempTab, OutsideTempLanguage, language);
}

void RouteForm::setSalonTimeText(const QString &text)
{
    m_route.setSalonTimeText(text);
    fillSalonTab();
    markSalonChange(SalonTimeTab);
}

void RouteForm::setSalonColor(int color)
{
    m_route.setSalonColor(color);
    fillSalonTab();
    markSalonChange(SalonOrderTab);
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

void RouteForm::on_nextSeparateCheck_clicked(bool checked)
{
    pushCommand(new SetStationSequencyCommand(this, checked));
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
