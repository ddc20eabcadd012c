#include "sideboardcommands.h"

#include <QObject>

SetSideNumberCommand::SetSideNumberCommand(RouteForm *page, const QString &text, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::sideNumber, &RouteForm::setSideNumber, text, parent)
{
    setText(QObject::tr("Смена номера\n"));
}

SetSideStartingPointCmd::SetSideStartingPointCmd(RouteForm *page, int language, const QString &text,
                                                 QUndoCommand *parent)
    : SwapCommand(page, &RouteData::sideStartingPoint, &RouteForm::setSideStartingPoint, language, text, parent)
{
    setText(QObject::tr("Смена пункта отправления\n"));
}

SetSideDestinationCmd::SetSideDestinationCmd(RouteForm *page, int language, const QString &text, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::sideDestination, &RouteForm::setSideDestination, language, text, parent)
{
    setText(QObject::tr("Смена пункта назначения\n"));
}

// The side and back boards share the texts of the front board's mode and font commands.
SetSideTabloModeCommand::SetSideTabloModeCommand(RouteForm *page, int mode, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::sideMode, &RouteForm::setSideTabloMode, mode, parent)
{
    setText(QObject::tr("Выбор режима переднего табло\n"));
}

SetSideTabloFontCommand::SetSideTabloFontCommand(RouteForm *page, int font, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::sideFont, &RouteForm::setSideTabloFont, font & 0xFF, parent)
{
    setText(QObject::tr("Выбор шрифта переднего табло\n"));
}

SetSideNameTimeoutCmd::SetSideNameTimeoutCmd(RouteForm *page, int seconds, QUndoCommand *parent)
    : MergingSwapCommand(page, &RouteData::sideNameTimeout, &RouteForm::setSideNameTimeout, seconds, parent)
{
    setText(QObject::tr("Выбор времени смены текста на боковом табло\n"));
}

SetSideStationCountCmd::SetSideStationCountCmd(RouteForm *page, int count, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::sideStationCount, &RouteForm::setSideStationCount, count, parent)
{
}

SetSideSeparatorCmd::SetSideSeparatorCmd(RouteForm *page, const QString &text, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::sideSeparator, &RouteForm::setSideSeparator, text, parent)
{
    setText(QObject::tr("Изменение разделителя остановок\n"));
}
