#pragma once

#include "swapcommand.h"

// The front board: route number, starting point and destination per language, display mode
// and font bits, name change time, and the two side strips that the back board shares.

class SetFrontNumberCommand : public SwapCommand<QString>
{
public:
    SetFrontNumberCommand(RouteForm *page, const QString &text, QUndoCommand *parent = nullptr);
};

class SetFrontStartingPointCmd : public SwapCommand<QString, int>
{
public:
    SetFrontStartingPointCmd(RouteForm *page, int language, const QString &text, QUndoCommand *parent = nullptr);
};

class SetFrontDestinationCmd : public SwapCommand<QString, int>
{
public:
    SetFrontDestinationCmd(RouteForm *page, int language, const QString &text, QUndoCommand *parent = nullptr);
};

class SetFrontTabloModeCommand : public SwapCommand<int>
{
public:
    SetFrontTabloModeCommand(RouteForm *page, int mode, QUndoCommand *parent = nullptr);
};

class SetFrontTabloFontCommand : public SwapCommand<int>
{
public:
    SetFrontTabloFontCommand(RouteForm *page, int font, QUndoCommand *parent = nullptr);
};

class SetFrontNameTimeoutCmd : public MergingSwapCommand<FrontNameTimeoutId, int>
{
public:
    SetFrontNameTimeoutCmd(RouteForm *page, int seconds, QUndoCommand *parent = nullptr);
};

class SetLeftSofitColorCmd : public SwapCommand<int>
{
public:
    SetLeftSofitColorCmd(RouteForm *page, int code, QUndoCommand *parent = nullptr);
};

class SetRightSofitColorCmd : public SwapCommand<int>
{
public:
    SetRightSofitColorCmd(RouteForm *page, int code, QUndoCommand *parent = nullptr);
};
