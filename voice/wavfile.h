#pragma once

#include "pcmsound.h"

#include <QString>

// Writes sound to path as a RIFF WAV file of 16-bit mono PCM, through a temporary file that
// replaces path only when complete; false when that fails.
bool writeWavFile(const QString &path, const PcmSound &sound);
