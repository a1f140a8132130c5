#pragma once

#include <QString>
#include <QtGlobal>

class QLabel;

// The portrait file of a picture number: "img" + the number's last decimal character + ".gif".
// A last character that is not 1..9 (0, or a minus sign) names no picture: empty text.
QString portraitFile(qint16 number);

// The pictures of the sound switch (0 or 1) and of the speed level, on the table and in their windows.
QString soundPicture(qint16 soundFlag);
QString speedPicture(qint16 speedLevel);

// Shows AppFolder() + fileName in the label; a missing or unreadable file (or an empty name)
// leaves the label empty, so the window stays usable.
void showPicture(QLabel* label, const QString& fileName);
