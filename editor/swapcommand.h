#pragma once

#include "routeform.h"

#include <QUndoCommand>

// The pattern most route edits follow: redo() exchanges the stored value with the route's
// value through a page operation, so that undo() is simply the same exchange again.
template <typename Value>
class SwapCommand : public QUndoCommand
{
public:
    using Getter = Value (RouteData::*)() const;
    using PageOperation = void (RouteForm::*)(Value);

    SwapCommand(RouteForm *page, Getter getter, PageOperation operation, Value value, QUndoCommand *parent)
        : QUndoCommand(parent)
        , m_page(page)
        , m_getter(getter)
        , m_operation(operation)
        , m_value(value)
    {
    }

    void redo() override
    {
        const Value current = (m_page->route().*m_getter)();
        (m_page->*m_operation)(m_value);
        m_value = current;
    }

    void undo() override { redo(); }

private:
    RouteForm *m_page;
    Getter m_getter;
    PageOperation m_operation;
    Value m_value;
};
