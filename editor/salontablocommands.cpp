#include "salontablocommands.h"

#include <QObject>

SetSalonTabloOrderCmd::SetSalonTabloOrderCmd(RouteForm *page, const QByteArray &order, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::salonTabloOrder, &RouteForm::setSalonTabloOrder, order, parent)
{
    setText(QObject::tr("Изменение порядка вывода на бегущей строке\n"));
}

SetRouteTextCmd::SetRouteTextCmd(RouteForm *page, int language, const QString &text, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::routeText, &RouteForm::setRouteText, language, text, parent)
{
    setText(QObject::tr("Изменение строки маршрут\n"));
}

SetSalonTempTextCmd::SetSalonTempTextCmd(RouteForm *page, int language, const QString &text, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::salonTempText, &RouteForm::setSalonTempText, language, text, parent)
{
}

SetOutsideTempTextCmd::SetOutsideTempTextCmd(RouteForm *page, int language, const QString &text, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::outsideTempText, &RouteForm::setOutsideTempText, language, text, parent)
{
}

SetSalonTimeTextCmd::SetSalonTimeTextCmd(RouteForm *page, const QString &text, QUndoCommand *parent)
    : SwapCommand(page, &RouteData::salonTimeText, &RouteForm::setSalonTimeText, text, parent)
{
}
