#pragma once

#include <QString>

// Starts the sound AppFolder() + fileName when sound effects are on (SoundFlag 1) and returns at
// once; with sound off it does nothing at all. A sound still playing is replaced, and a failure
// (no file, no sound device) is silence, never a message.
void PlayEffect(const QString& fileName);
