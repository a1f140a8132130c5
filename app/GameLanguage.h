#pragma once

#include "app/Language.h"

// The language in force for the whole program. Japanese needs no catalogue of the game's own (its
// texts are the source texts) and takes Qt's own Japanese texts; English takes qubrin_en.qm from
// the data folder and Qt's texts as they are written. Every window follows at once.
Language currentLanguage();

// Puts the language in force; false (and Japanese kept) when English's catalogue cannot be loaded.
bool useLanguage(Language language);
