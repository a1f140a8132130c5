#pragma once

class QCoreApplication;
class QTranslator;

// Puts Qt's own Japanese texts (qtbase_ja from Qt's translations folder) into the application, so
// that the standard dialogs and buttons speak the game's language whatever the system locale is.
// Returns the translator, owned by app, or nullptr when the catalogue is not installed.
QTranslator* installJapaneseQtTexts(QCoreApplication& app);
