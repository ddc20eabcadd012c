#pragma once

#include "swapcommand.h"

// The sound and text files of a stop, the advertising texts of the route and the advertising
// folder. The commands hold only file names; files on disk are never touched.

class AddFileCommand : public QUndoCommand
{
public:
    AddFileCommand(RouteForm *page, RouteForm::FileList list, int station, int position, const QString &name,
                   QUndoCommand *parent);

    void undo() override;
    void redo() override;

private:
    RouteForm *m_page;
    RouteForm::FileList m_list;
    int m_station;
    int m_position;
    QString m_name;
};

// Reads the name at position when made, so that undo can put it back.
class RemoveFileCommand : public QUndoCommand
{
public:
    RemoveFileCommand(RouteForm *page, RouteForm::FileList list, int station, int position, QUndoCommand *parent);

    void undo() override;
    void redo() override;

protected:
    QString name() const { return m_name; }

private:
    RouteForm *m_page;
    RouteForm::FileList m_list;
    int m_station;
    int m_position;
    QString m_name;
};

class MoveFileCommand : public QUndoCommand
{
public:
    MoveFileCommand(RouteForm *page, RouteForm::FileList list, int station, int from, int to, QUndoCommand *parent);

    void undo() override;
    void redo() override;

private:
    RouteForm *m_page;
    RouteForm::FileList m_list;
    int m_station;
    int m_from;
    int m_to;
};

class AddStationTextFileCmd : public AddFileCommand
{
public:
    AddStationTextFileCmd(RouteForm *page, int station, int position, const QString &name,
                          QUndoCommand *parent = nullptr);
};

class RemoveStationTextFileCmd : public RemoveFileCommand
{
public:
    RemoveStationTextFileCmd(RouteForm *page, int station, int position, QUndoCommand *parent = nullptr);
};

class MoveStationTextFileCmd : public MoveFileCommand
{
public:
    MoveStationTextFileCmd(RouteForm *page, int station, int from, int to, QUndoCommand *parent = nullptr);
};

class AddStationSoundFileCmd : public AddFileCommand
{
public:
    AddStationSoundFileCmd(RouteForm *page, int station, int position, const QString &name,
                           QUndoCommand *parent = nullptr);
};

class RemoveStationSoundFileCmd : public RemoveFileCommand
{
public:
    RemoveStationSoundFileCmd(RouteForm *page, int station, int position, QUndoCommand *parent = nullptr);
};

class MoveStationSoundFileCmd : public MoveFileCommand
{
public:
    MoveStationSoundFileCmd(RouteForm *page, int station, int from, int to, QUndoCommand *parent = nullptr);
};

class AddAdwareTextFileCmd : public AddFileCommand
{
public:
    AddAdwareTextFileCmd(RouteForm *page, int position, const QString &name, QUndoCommand *parent = nullptr);
};

class RemoveAdTextFileCmd : public RemoveFileCommand
{
public:
    RemoveAdTextFileCmd(RouteForm *page, int position, QUndoCommand *parent = nullptr);
};

class MoveAdwareTextFileCmd : public MoveFileCommand
{
public:
    MoveAdwareTextFileCmd(RouteForm *page, int from, int to, QUndoCommand *parent = nullptr);
};

class SetAdPathCommand : public SwapCommand<QString>
{
public:
    SetAdPathCommand(RouteForm *page, const QString &path, QUndoCommand *parent = nullptr);
};
