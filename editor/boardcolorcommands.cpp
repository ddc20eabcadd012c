#include "boardcolorcommands.h"

#include <QObject>

SetFrontNumberColorCmd::SetFrontNumberColorCmd(RouteForm *page, int color, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::frontNumberColor, &RouteForm::setFrontNumberColor, color, parent)
{
    setText(QObject::tr("Выбор цвета переднего табло\n"));
}

SetFrontStartColorCmd::SetFrontStartColorCmd(RouteForm *page, int color, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::frontStartColor, &RouteForm::setFrontStartColor, color, parent)
{
    setText(QObject::tr("Выбор цвета переднего табло\n"));
}

SetFrontDestColorCmd::SetFrontDestColorCmd(RouteForm *page, int color, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::frontDestColor, &RouteForm::setFrontDestColor, color, parent)
{
    setText(QObject::tr("Выбор цвета переднего табло\n"));
}

SetSideNumberColorCmd::SetSideNumberColorCmd(RouteForm *page, int color, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::sideNumberColor, &RouteForm::setSideNumberColor, color, parent)
{
    setText(QObject::tr("Выбор цвета бокового табло\n"));
}

SetSideStartColorCmd::SetSideStartColorCmd(RouteForm *page, int color, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::sideStartColor, &RouteForm::setSideStartColor, color, parent)
{
    setText(QObject::tr("Выбор цвета бокового табло\n"));
}

SetSideDestColorCmd::SetSideDestColorCmd(RouteForm *page, int color, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::sideDestColor, &RouteForm::setSideDestColor, color, parent)
{
    setText(QObject::tr("Выбор цвета бокового табло\n"));
}

SetBackNumberColorCmd::SetBackNumberColorCmd(RouteForm *page, int color, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::backNumberColor, &RouteForm::setBackNumberColor, color, parent)
{
    setText(QObject::tr("Выбор цвета заднего табло\n"));
}

SetBackStartColorCmd::SetBackStartColorCmd(RouteForm *page, int color, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::backStartColor, &RouteForm::setBackStartColor, color, parent)
{
    setText(QObject::tr("Выбор цвета заднего табло\n"));
}

SetBackDestColorCmd::SetBackDestColorCmd(RouteForm *page, int color, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::backDestColor, &RouteForm::setBackDestColor, color, parent)
{
    setText(QObject::tr("Выбор цвета заднего табло\n"));
}

SetSalonColorCmd::SetSalonColorCmd(RouteForm *page, int color, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::salonColor, &RouteForm::setSalonColor, color, parent)
{
    setText(QObject::tr("Выбор цвета табло в салоне\n"));
}
