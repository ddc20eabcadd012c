#include "frontboardcommands.h"

#include <QObject>

SetFrontNumberCommand::SetFrontNumberCommand(RouteForm *page, const QString &text, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::frontNumber, &RouteForm::setFrontNumber, text, parent)
{
    setText(QObject::tr("Смена номера\n"));
}

SetFrontStartingPointCmd::SetFrontStartingPointCmd(RouteForm *page, int language, const QString &text,
                                                   QUndoCommand *parent)
    : SwapCommand(page, &RouteData::frontStartingPoint, &RouteForm::setFrontStartingPoint, language, text, parent)
{
    setText(QObject::tr("Смена пункта отправления\n"));
}

SetFrontDestinationCmd::SetFrontDestinationCmd(RouteForm *page, int language, const QString &text, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::frontDestination, &RouteForm::setFrontDestination, language, text, parent)
{
    setText(QObject::tr("Смена пункта назначения\n"));
}

SetFrontTabloModeCommand::SetFrontTabloModeCommand(RouteForm *page, int mode, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::frontMode, &RouteForm::setFrontTabloMode, mode, parent)
{
    setText(QObject::tr("Выбор режима переднего табло\n"));
}

SetFrontTabloFontCommand::SetFrontTabloFontCommand(RouteForm *page, int font, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::frontFont, &RouteForm::setFrontTabloFont, font & 0xFF, parent)
{
    setText(QObject::tr("Выбор шрифта переднего табло\n"));
}

SetFrontNameTimeoutCmd::SetFrontNameTimeoutCmd(RouteForm *page, int seconds, QUndoCommand *parent)
    : MergingSwapCommand(page, &RouteData::frontNameTimeout, &RouteForm::setFrontNameTimeout, seconds, parent)
{
    setText(QObject::tr("Выбор времени смены текста на переднем табло\n"));
}

SetLeftSofitColorCmd::SetLeftSofitColorCmd(RouteForm *page, int code, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::leftSofitColor, &RouteForm::setLeftSofitColor, code, parent)
{
    setText(QObject::tr("Выбор цвета левого софита\n"));
}

SetRightSofitColorCmd::SetRightSofitColorCmd(RouteForm *page, int code, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::rightSofitColor, &RouteForm::setRightSofitColor, code, parent)
{
    setText(QObject::tr("Выбор цвета правого софита\n"));
}
