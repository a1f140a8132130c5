#pragma once

#include <QString>

class QWidget;

// The About box: a plain message box with OK, titled "Qubrin　ﾊﾞｰｼﾞｮﾝ情報".
void showAboutBox(QWidget* owner);

// Its title and text: the version line, an empty line, the maker's notice and the licence, joined by
// CR LF; every non-empty line is padded with blanks to 33 characters.
QString aboutTitle();
QString aboutText();
