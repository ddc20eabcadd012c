#pragma once

#include "routeform.h"

#include <QUndoCommand>

#include <functional>
#include <tuple>
#include <utility>

// The pattern most route edits follow: redo() exchanges the stored value with the route's
// value through a page operation, so that undo() is simply the same exchange again. Index
// addresses the value: nothing for a route-wide setting, a language, a stop, or a stop and a
// language.
template <typename Value, typename... Index> class SwapCommand : public QUndoCommand
{
public:
    using Getter = std::function<Value(const RouteData &, Index...)>;
    using PageOperation = std::function<void(RouteForm &, Index..., const Value &)>;

    SwapCommand(RouteForm *page, Getter getter, PageOperation operation, Index... index, const Value &value,
                QUndoCommand *parent)
        : QUndoCommand(parent)
        , m_page(page)
        , m_getter(std::move(getter))
        , m_operation(std::move(operation))
        , m_index(index...)
        , m_value(value)
    {
    }

    void redo() override
    {
        Value current = std::apply([this](Index... index) { return m_getter(m_page->route(), index...); }, m_index);
        std::apply([this](Index... index) { m_operation(*m_page, index..., m_value); }, m_index);
        m_value = std::move(current);
    }

    void undo() override { redo(); }

protected:
    const std::tuple<Index...> &index() const { return m_index; }

private:
    RouteForm *m_page;
    Getter m_getter;
    PageOperation m_operation;
    std::tuple<Index...> m_index;
    Value m_value;
};

// The ids of the commands that merge: consecutive changes of one spin box make one undo step.
enum CommandId {
    StationRadiusId = 0,
    NextStationDelayId = 1,
    FrontNameTimeoutId = 2,
    BackNameTimeoutId = 3,
    SideNameTimeoutId = 4,
};

// A swap command that merges into the command before it when that has the same id. It takes
// nothing from the newer command: the route already holds the newest value, and the older
// command still stores the value from before the first change, so one undo returns to that.
// Qt never merges across the clean state, so a change after a save is a step of its own.
template <CommandId Id, typename Value, typename... Index>
class MergingSwapCommand : public SwapCommand<Value, Index...>
{
public:
    using SwapCommand<Value, Index...>::SwapCommand;

    int id() const override { return Id; }
    bool mergeWith(const QUndoCommand *other) override { return other->id() == Id; }
};
