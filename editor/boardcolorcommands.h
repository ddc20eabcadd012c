#pragma once

#include "swapcommand.h"

// Colours of the number, starting point and destination of the three outside boards, and
// of the interior running line. Each is 0xRRGGBB.

class SetFrontNumberColorCmd : public SwapCommand<int>
{
public:
    SetFrontNumberColorCmd(RouteForm *page, int color, QUndoCommand *parent = nullptr);
};

class SetFrontStartColorCmd : public SwapCommand<int>
{
public:
    SetFrontStartColorCmd(RouteForm *page, int color, QUndoCommand *parent = nullptr);
};

class SetFrontDestColorCmd : public SwapCommand<int>
{
public:
    SetFrontDestColorCmd(RouteForm *page, int color, QUndoCommand *parent = nullptr);
};

class SetSideNumberColorCmd : public SwapCommand<int>
{
public:
    SetSideNumberColorCmd(RouteForm *page, int color, QUndoCommand *parent = nullptr);
};

class SetSideStartColorCmd : public SwapCommand<int>
{
public:
    SetSideStartColorCmd(RouteForm *page, int color, QUndoCommand *parent = nullptr);
};

class SetSideDestColorCmd : public SwapCommand<int>
{
public:
    SetSideDestColorCmd(RouteForm *page, int color, QUndoCommand *parent = nullptr);
};

class SetBackNumberColorCmd : public SwapCommand<int>
{
public:
    SetBackNumberColorCmd(RouteForm *page, int color, QUndoCommand *parent = nullptr);
};

class SetBackStartColorCmd : public SwapCommand<int>
{
public:
    SetBackStartColorCmd(RouteForm *page, int color, QUndoCommand *parent = nullptr);
};

class SetBackDestColorCmd : public SwapCommand<int>
{
public:
    SetBackDestColorCmd(RouteForm *page, int color, QUndoCommand *parent = nullptr);
};

class SetSalonColorCmd : public SwapCommand<int>
{
public:
    SetSalonColorCmd(RouteForm *page, int color, QUndoCommand *parent = nullptr);
};
