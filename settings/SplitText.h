#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Splits text at every occurrence of separator into pieces (left to right) and returns the last
// index, which is the number of separators found. An empty text gives one empty piece and 0.
qint32 SplitText(const QString& text, const QString& separator, QStringList& pieces);
