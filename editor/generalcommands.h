#pragma once

#include "swapcommand.h"

// The announcement words, the next-stop delay and the number of languages of a route.

class SetStationWordCommand : public SwapCommand<QString, int>
{
public:
    SetStationWordCommand(RouteForm *page, int language, const QString &text, QUndoCommand *parent = nullptr);
};

class SetNextWordCommand : public SwapCommand<QString, int>
{
public:
    SetNextWordCommand(RouteForm *page, int language, const QString &text, QUndoCommand *parent = nullptr);
};

class SetNextStationDelayCmd : public MergingSwapCommand<NextStationDelayId, int>
{
public:
    SetNextStationDelayCmd(RouteForm *page, int seconds, QUndoCommand *parent = nullptr);
};

// The language count belongs to the page, not to the route files.
class SetLangCountCmd : public QUndoCommand
{
public:
    SetLangCountCmd(RouteForm *page, int count, QUndoCommand *parent = nullptr);

    void undo() override;
    void redo() override;

private:
    RouteForm *m_page;
    int m_count;
};
