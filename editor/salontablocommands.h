#pragma once

#include "swapcommand.h"

#include <QByteArray>

// The interior running line: message order, route text, temperature texts per language, and
// the date-and-time text. Its colour is among the board colours.

class SetSalonTabloOrderCmd : public SwapCommand<QByteArray>
{
public:
    SetSalonTabloOrderCmd(RouteForm *page, const QByteArray &order, QUndoCommand *parent = nullptr);
};

class SetRouteTextCmd : public SwapCommand<QString, int>
{
public:
    SetRouteTextCmd(RouteForm *page, int language, const QString &text, QUndoCommand *parent = nullptr);
};

class SetSalonTempTextCmd : public SwapCommand<QString, int>
{
public:
    SetSalonTempTextCmd(RouteForm *page, int language, const QString &text, QUndoCommand *parent = nullptr);
};

class SetOutsideTempTextCmd : public SwapCommand<QString, int>
{
public:
    SetOutsideTempTextCmd(RouteForm *page, int language, const QString &text, QUndoCommand *parent = nullptr);
};

class SetSalonTimeTextCmd : public SwapCommand<QString>
{
public:
    SetSalonTimeTextCmd(RouteForm *page, const QString &text, QUndoCommand *parent = nullptr);
};
