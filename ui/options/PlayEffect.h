#pragma once

#include <QString>

// Starts the sound AppFolder() + fileName when sound effects are on (SoundFlag 1) and returns at
// once; with sound off it does nothing at all.
void PlayEffect(const QString& fileName);
