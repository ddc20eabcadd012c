#pragma once

#include <QString>
#include <QtGlobal>

// Mean and worst of the runs, in milliseconds.
struct Timing
{
    double total = 0;
    double worst = 0;
    int runs = 0;

    void add(qint64 nanoseconds)
    {
        total += nanoseconds / 1e6;
        worst = qMax(worst, nanoseconds / 1e6);
        ++runs;
    }
    QByteArray text() const
    {
        return QByteArray::number(total / runs, 'f', 2) + " ms, worst " + QByteArray::number(worst, 'f', 2) + " ms";
    }
};
