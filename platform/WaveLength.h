// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformExport.h"

#include <QString>

#include <chrono>
#include <optional>

// The playing time of a PCM .wav file, read from its header: the size of the
// "data" chunk over the byte rate of the "fmt " chunk. Nothing when the file
// cannot be read or is not a RIFF/WAVE file with both chunks.
PLATFORM_EXPORT std::optional<std::chrono::milliseconds> waveLength(const QString& filePath);
