#pragma once

#include "swapcommand.h"

#include <memory>

// The stop list: stops added and removed, the start of the return direction, the texts of a
// stop, and the switch between the two ways of storing next-stop announcements.

class AddStationCommand : public QUndoCommand
{
public:
    AddStationCommand(RouteForm *page, int index, QUndoCommand *parent = nullptr);

    void undo() override;
    void redo() override;

private:
    RouteForm *m_page;
    int m_index;
};

class RemoveStationCommand : public QUndoCommand
{
public:
    RemoveStationCommand(RouteForm *page, int index, QUndoCommand *parent = nullptr);

    void undo() override;
    void redo() override;

private:
    RouteForm *m_page;
    int m_index;
    // The removed stop while it is out of the route; null while the route owns it.
    std::unique_ptr<Station> m_station;
};

class SetBackStationIndexCmd : public SwapCommand<int>
{
public:
    SetBackStationIndexCmd(RouteForm *page, int index, QUndoCommand *parent = nullptr);
};

class SetStationNameCmd : public SwapCommand<QString, int, int>
{
public:
    SetStationNameCmd(RouteForm *page, int station, int language, const QString &text, QUndoCommand *parent = nullptr);
};

class SetStationNextNameCmd : public SwapCommand<QString, int, int>
{
public:
    SetStationNextNameCmd(RouteForm *page, int station, int language, const QString &text,
                          QUndoCommand *parent = nullptr);
};

class SetStationSideNameCmd : public SwapCommand<QString, int, int>
{
public:
    SetStationSideNameCmd(RouteForm *page, int station, int language, const QString &text,
                          QUndoCommand *parent = nullptr);
};

// Converts the stop list between a next-stop text on every stop and next-stop announcements
// as entries of their own between the stops. The children that do it are built from the
// route as it is when the command is made.
class SetStationSequencyCommand : public QUndoCommand
{
public:
    SetStationSequencyCommand(RouteForm *page, bool separate, QUndoCommand *parent = nullptr);

    void undo() override;
    void redo() override;

private:
    int addNextEntries(const RouteData &route);
    int foldNextEntries(const RouteData &route);

    RouteForm *m_page;
    bool m_separate;
};
