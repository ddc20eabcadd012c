// The general and running-line tabs: the announcement words and the next-stop delay, the
// message order of the interior running line and its texts, with the fill functions, page
// operations and slots behind them.

#include "routeform.h"
#include "ui_routeform.h"

#include "generalcommands.h"
#include "routedefaults.h"
#include "salontablocommands.h"
#include "stationcommands.h"
#include "widgetfill.h"

namespace {

// The order is a byte string; the unit stops reading it at the first zero byte.
QString orderText(const QByteArray &order)
{
    const int end = order.indexOf('\0');
    return QString::fromLatin1(end < 0 ? order : order.left(end));
}

// The order as the unit stores it: Latin-1 in capitals. Characters outside Latin-1 and
// question marks are dropped.
QByteArray normalizedOrder(const QString &text)
{
    QByteArray order = text.trimmed().toLatin1().toUpper();
    order.replace('?', QByteArray());
    return order;
}

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

void RouteForm::fillSalonTab()
{
    ui->salonTabloOrderEdit->setText(orderText(m_route.salonTabloOrder()));
    ui->routeTextEdit->setText(m_route.routeText(language(RouteTextLanguage)));
    ui->salonTempEdit->setText(m_route.salonTempText(language(SalonTempLanguage)));
    ui->outsideTempEdit->setText(m_route.outsideTempText(language(OutsideTempLanguage)));
    ui->salonTimeEdit->setText(m_route.salonTimeText());
    setButtonColor(ui->salonColorBtn, m_route.salonColor());
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

void RouteForm::on_nextSeparateCheck_clicked(bool checked)
{
    pushCommand(new SetStationSequencyCommand(this, checked));
}

void RouteForm::on_stationWordEdit_editingFinished()
{
    const int lang = language(GeneralLanguage);
    QString text;
    if (finishEdit(ui->stationWordEdit, m_route.stationWord(lang), text))
        pushCommand(new SetStationWordCommand(this, lang, text));
}

// The next-stop texts generated with the old word are generated again with the new one, in
// the same undo step; texts written by hand stay.
void RouteForm::on_nextWordEdit_editingFinished()
{
    const int lang = language(GeneralLanguage);
    QString text;
    if (!finishEdit(ui->nextWordEdit, m_route.nextWord(lang), text))
        return;
    auto *command = new QUndoCommand;
    new SetNextWordCommand(this, lang, text, command);
    const int count = m_route.stationCount();
    const int back = m_route.backStationIndex();
    if (!isNextSeparate()) {
        for (int index = 0; index + 1 < count; ++index) {
            if (index + 1 != back)
                rewriteNextText(index, lang, m_route.stationAt(index)->nextName[lang], text, command);
        }
        pushCommand(command);
        return;
    }
    for (int entry = count - 2; entry > 0; entry -= 2) {
        if (entry + 1 == back)
            --entry;
        if (entry > 0)
            rewriteNextText(entry, lang, m_route.stationAt(entry)->name[lang], text, command);
    }
    pushCommand(command);
}

// Adds to parent the command that makes nextText of entry (its next-stop text, or its name
// in the separate layout) announce the following entry with word, when the old word made it.
void RouteForm::rewriteNextText(int entry, int language, const QString &nextText, const QString &word,
                                QUndoCommand *parent)
{
    const QString successor = m_route.stationAt(entry + 1)->name[language];
    const QString rewritten = replaceLeadingWord(m_route.stationWord(language), word, successor);
    if (nextText != m_route.toNextText(language, successor) || rewritten == nextText)
        return;
    if (isNextSeparate())
        new SetStationNameCmd(this, entry, language, rewritten, parent);
    else
        new SetStationNextNameCmd(this, entry, language, rewritten, parent);
}

void RouteForm::on_nextDelaySpn_editingFinished()
{
    if (spinChanged(ui->nextDelaySpn, m_route.nextStationDelay()))
        pushCommand(new SetNextStationDelayCmd(this, ui->nextDelaySpn->value()));
}

void RouteForm::on_salonTabloOrderEdit_editingFinished()
{
    const QByteArray order = normalizedOrder(ui->salonTabloOrderEdit->text());
    if (ui->salonTabloOrderEdit->isModified() && order != m_route.salonTabloOrder()) {
        pushCommand(new SetSalonTabloOrderCmd(this, order));
        return;
    }
    ui->salonTabloOrderEdit->setText(orderText(m_route.salonTabloOrder()));
    restoreUndoFlags();
}

void RouteForm::on_autoSalonTabloOrderBtn_clicked()
{
    ui->salonTabloOrderEdit->clearFocus();
    if (m_route.salonTabloOrder() != defaultSalonTabloOrder())
        pushCommand(new SetSalonTabloOrderCmd(this, defaultSalonTabloOrder()));
}

// The letter buttons write into the order edit as if typed: the edit takes the focus, so the
// order is stored when the user leaves it, and at the latest on saving.
void RouteForm::insertOrderText(const QString &text)
{
    ui->salonTabloOrderEdit->setFocus();
    ui->salonTabloOrderEdit->insert(text);
    onTextEdited();
}

void RouteForm::on_salonMBtn_clicked()
{
    insertOrderText(QStringLiteral("M"));
}

void RouteForm::on_salonOBtn_clicked()
{
    insertOrderText(QStringLiteral("O"));
}

void RouteForm::on_salonABtn_clicked()
{
    insertOrderText(QStringLiteral("A"));
}

void RouteForm::on_salonRBtn_clicked()
{
    insertOrderText(QStringLiteral("R"));
}

void RouteForm::on_salonSBtn_clicked()
{
    insertOrderText(QStringLiteral("S"));
}

void RouteForm::on_salonNBtn_clicked()
{
    insertOrderText(QStringLiteral("N"));
}

void RouteForm::on_salonBBtn_clicked()
{
    insertOrderText(QStringLiteral("B"));
}

void RouteForm::on_salonTBtn_clicked()
{
    insertOrderText(QStringLiteral("T"));
}

// The selection becomes a group repeated twice; without one an empty group is inserted.
void RouteForm::on_salonRepeatBtn_clicked()
{
    insertOrderText(QLatin1Char('(') + ui->salonTabloOrderEdit->selectedText() + QLatin1String(")2"));
}

void RouteForm::on_routeTextEdit_editingFinished()
{
    const int lang = language(RouteTextLanguage);
    QString text;
    if (finishEdit(ui->routeTextEdit, m_route.routeText(lang), text))
        pushCommand(new SetRouteTextCmd(this, lang, text));
}

void RouteForm::on_autoRouteTextBtn_clicked()
{
    ui->routeTextEdit->clearFocus();
    const int lang = language(RouteTextLanguage);
    if (m_route.routeText(lang) != defaultRouteText())
        pushCommand(new SetRouteTextCmd(this, lang, defaultRouteText()));
}

void RouteForm::on_outsideTempEdit_editingFinished()
{
    const int lang = language(OutsideTempLanguage);
    QString text;
    if (finishEdit(ui->outsideTempEdit, m_route.outsideTempText(lang), text))
        pushCommand(new SetOutsideTempTextCmd(this, lang, text));
}

void RouteForm::on_autoOutsideTempBtn_clicked()
{
    ui->outsideTempEdit->clearFocus();
    const int lang = language(OutsideTempLanguage);
    if (m_route.outsideTempText(lang) != defaultOutsideTempText())
        pushCommand(new SetOutsideTempTextCmd(this, lang, defaultOutsideTempText()));
}

void RouteForm::on_salonTempEdit_editingFinished()
{
    const int lang = language(SalonTempLanguage);
    QString text;
    if (finishEdit(ui->salonTempEdit, m_route.salonTempText(lang), text))
        pushCommand(new SetSalonTempTextCmd(this, lang, text));
}

void RouteForm::on_autoSalonTempBtn_clicked()
{
    ui->salonTempEdit->clearFocus();
    const int lang = language(SalonTempLanguage);
    if (m_route.salonTempText(lang) != defaultSalonTempText())
        pushCommand(new SetSalonTempTextCmd(this, lang, defaultSalonTempText()));
}

void RouteForm::on_salonTimeEdit_editingFinished()
{
    QString text;
    if (finishEdit(ui->salonTimeEdit, m_route.salonTimeText(), text))
        pushCommand(new SetSalonTimeTextCmd(this, text));
}

void RouteForm::on_autoSalonTimeBtn_clicked()
{
    ui->salonTimeEdit->clearFocus();
    if (m_route.salonTimeText() != defaultSalonTimeText())
        pushCommand(new SetSalonTimeTextCmd(this, defaultSalonTimeText()));
}
