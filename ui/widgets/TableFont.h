#pragma once

#include <QFont>

// The font of the table and of every window opened from it: a Japanese sans-serif face at 9 pt,
// so that kana and kanji take their Japanese shapes. Where none of the preferred faces is
// installed the system's sans-serif stands in.
QFont tableFont();
