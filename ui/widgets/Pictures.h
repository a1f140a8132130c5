#pragma once

#include <QString>
#include <QtGlobal>

class QLabel;

// The portrait file of a picture number: "img" + the number's last decimal character + ".gif".
// A last character that is not 1..9 (0, or a minus sign) names no picture: empty text.
QString portraitFile(qint16 number);

// Shows AppFolder() + fileName in the label; a missing or unreadable file (or an empty name)
// leaves the label empty, so the window stays usable.
void showPicture(QLabel* label, const QString& fileName);
