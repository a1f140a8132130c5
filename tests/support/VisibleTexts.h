#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Kana (full- and half-width), CJK ideographs, the ideographic space and punctuation, full-width forms.
bool containsJapanese(const QString& text);

// Every text a player can read in the widget and its children, each as "objectName: text": the
// window title, tab captions, labels, buttons, group titles, list items and tool tips. Hidden
// widgets count, so that every tab is read whichever is shown.
QStringList visibleTexts(const QWidget* root);
