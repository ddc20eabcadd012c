#pragma once

#include "swapcommand.h"

// The side board: route number, starting point and destination per language, display mode
// and font bits, name change time, and its list of the next stops.

class SetSideNumberCommand : public SwapCommand<QString>
{
public:
    SetSideNumberCommand(RouteForm *page, const QString &text, QUndoCommand *parent = nullptr);
};

class SetSideStartingPointCmd : public SwapCommand<QString, int>
{
public:
    SetSideStartingPointCmd(RouteForm *page, int language, const QString &text, QUndoCommand *parent = nullptr);
};

class SetSideDestinationCmd : public SwapCommand<QString, int>
{
public:
    SetSideDestinationCmd(RouteForm *page, int language, const QString &text, QUndoCommand *parent = nullptr);
};

class SetSideTabloModeCommand : public SwapCommand<int>
{
public:
    SetSideTabloModeCommand(RouteForm *page, int mode, QUndoCommand *parent = nullptr);
};

class SetSideTabloFontCommand : public SwapCommand<int>
{
public:
    SetSideTabloFontCommand(RouteForm *page, int font, QUndoCommand *parent = nullptr);
};

class SetSideNameTimeoutCmd : public MergingSwapCommand<SideNameTimeoutId, int>
{
public:
    SetSideNameTimeoutCmd(RouteForm *page, int seconds, QUndoCommand *parent = nullptr);
};

class SetSideStationCountCmd : public SwapCommand<int>
{
public:
    SetSideStationCountCmd(RouteForm *page, int count, QUndoCommand *parent = nullptr);
};

class SetSideSeparatorCmd : public SwapCommand<QString>
{
public:
    SetSideSeparatorCmd(RouteForm *page, const QString &text, QUndoCommand *parent = nullptr);
};
