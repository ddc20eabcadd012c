#pragma once

#include <QByteArray>

struct Station;

// Appends the sound and text file names of an indented ost.txt line to station, in line
// order; other names are ignored. Returns the number of names appended.
int parseFileList(const QByteArray &line, Station &station);
