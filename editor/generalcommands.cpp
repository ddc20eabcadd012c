#include "generalcommands.h"

#include <QObject>

SetStationWordCommand::SetStationWordCommand(RouteForm *page, int language, const QString &text, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::stationWord, &RouteForm::setStationWord, language, text, parent)
{
}

SetNextWordCommand::SetNextWordCommand(RouteForm *page, int language, const QString &text, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::nextWord, &RouteForm::setNextWord, language, text, parent)
{
}

SetNextStationDelayCmd::SetNextStationDelayCmd(RouteForm *page, int seconds, QUndoCommand *parent)
    : MergingSwapCommand(page, &RouteData::nextStationDelay, &RouteForm::setNextStationDelay, seconds, parent)
{
    setText(QObject::tr("Изменение задержки объявления следующей\n"));
}

SetLangCountCmd::SetLangCountCmd(RouteForm *page, int count, QUndoCommand *parent)
    : QUndoCommand(parent)
    , m_page(page)
    , m_count(count)
{
}

void SetLangCountCmd::undo()
{
    redo();
}

void SetLangCountCmd::redo()
{
    const int current = m_page->languageCount();
    m_page->setLangCount(m_count);
    m_count = current;
}
