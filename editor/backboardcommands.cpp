#include "backboardcommands.h"

#include <QObject>

SetBackNumberCommand::SetBackNumberCommand(RouteForm *page, const QString &text, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::backNumber, &RouteForm::setBackNumber, text, parent)
{
    setText(QObject::tr("Смена номера\n"));
}

SetBackStartingPointCmd::SetBackStartingPointCmd(RouteForm *page, int language, const QString &text,
                                                 QUndoCommand *parent)
    : SwapCommand(page, &RouteData::backStartingPoint, &RouteForm::setBackStartingPoint, language, text, parent)
{
    setText(QObject::tr("Смена пункта отправления\n"));
}

SetBackDestinationCmd::SetBackDestinationCmd(RouteForm *page, int language, const QString &text, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::backDestination, &RouteForm::setBackDestination, language, text, parent)
{
    setText(QObject::tr("Смена пункта назначения\n"));
}

// The side and back boards share the texts of the front board's mode and font commands.
SetBackTabloModeCommand::SetBackTabloModeCommand(RouteForm *page, int mode, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::backMode, &RouteForm::setBackTabloMode, mode, parent)
{
    setText(QObject::tr("Выбор режима переднего табло\n"));
}

SetBackTabloFontCommand::SetBackTabloFontCommand(RouteForm *page, int font, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::backFont, &RouteForm::setBackTabloFont, font & 0xFF, parent)
{
    setText(QObject::tr("Выбор шрифта переднего табло\n"));
}

SetBackNameTimeoutCmd::SetBackNameTimeoutCmd(RouteForm *page, int seconds, QUndoCommand *parent)
    : MergingSwapCommand(page, &RouteData::backNameTimeout, &RouteForm::setBackNameTimeout, seconds, parent)
{
    setText(QObject::tr("Выбор времени смены текста на заднем табло\n"));
}
