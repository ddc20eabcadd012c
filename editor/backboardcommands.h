#pragma once

#include "swapcommand.h"

// The back board: route number, starting point and destination per language, display mode
// and font bits, and name change time. Its side strips are the front board's.

class SetBackNumberCommand : public SwapCommand<QString>
{
public:
    SetBackNumberCommand(RouteForm *page, const QString &text, QUndoCommand *parent = nullptr);
};

class SetBackStartingPointCmd : public SwapCommand<QString, int>
{
public:
    SetBackStartingPointCmd(RouteForm *page, int language, const QString &text, QUndoCommand *parent = nullptr);
};

class SetBackDestinationCmd : public SwapCommand<QString, int>
{
public:
    SetBackDestinationCmd(RouteForm *page, int language, const QString &text, QUndoCommand *parent = nullptr);
};

class SetBackTabloModeCommand : public SwapCommand<int>
{
public:
    SetBackTabloModeCommand(RouteForm *page, int mode, QUndoCommand *parent = nullptr);
};

class SetBackTabloFontCommand : public SwapCommand<int>
{
public:
    SetBackTabloFontCommand(RouteForm *page, int font, QUndoCommand *parent = nullptr);
};

class SetBackNameTimeoutCmd : public MergingSwapCommand<BackNameTimeoutId, int>
{
public:
    SetBackNameTimeoutCmd(RouteForm *page, int seconds, QUndoCommand *parent = nullptr);
};
