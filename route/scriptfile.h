#pragma once

#include <QByteArray>

struct Station;

// The letter script.txt stores for a soffit colour code (bit 2 red, bit 1 green, bit 0 blue);
// codes the lamps cannot show are written as "O", off.
char sofitColorLetter(int code);
// The soffit colour code of an upper-case letter of script.txt; any other byte is 0, off.
int sofitColorFromLetter(char letter);

// Appends the sound and text file names of a script.txt station line to station, after the
// files it already has; the leading station number is no file name and drops out. Returns the
// number of names appended.
int readStationFileTokens(const QByteArray &line, Station &station);
