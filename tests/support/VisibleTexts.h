#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Kana (full and half width), ideographs, the ideographic space and punctuation and the full-width forms.
bool containsJapanese(const QString& text);

// Every text a player can see in a window: its title, the texts of its visible labels and buttons,
// the tool tips, the headers and cells (and their tips) of its item views and the texts drawn in
// its graphics views (a chart's titles and legend). Empty texts are left out.
QStringList visibleTexts(const QWidget* root);

// Every text a player can read in the widget and its children, each as "objectName: text": the
// window title, tab captions, labels, buttons, group titles, list items and tool tips. Hidden
// widgets count, so that every tab is read whichever is shown.
QStringList namedTexts(const QWidget* root);
