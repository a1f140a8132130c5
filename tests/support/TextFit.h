#pragma once

#include <QStringList>

class QWidget;

// The shown controls of root's tree whose text needs more room than their contents leave it, as
// "objectName: text": a label's text in its font (wrapped where the label wraps; a label that
// elides by design is left out), a button's caption with its frame's padding or its indicator.
QStringList textsThatDoNotFit(const QWidget* root);
