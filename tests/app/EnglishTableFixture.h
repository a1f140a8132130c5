#pragma once

#include "TableFixture.h"

#include "app/GameLanguage.h"

#include <QSettings>

// A table whose folder holds the English catalogue; Japanese is in force again afterwards and the
// player's choice of language is forgotten, so that no other test meets English.
class EnglishTableFixture : public TableFixture {
public:
    EnglishTableFixture() { folder.copyBuilt({QStringLiteral("qubrin_en.qm")}); }
    ~EnglishTableFixture()
    {
        useLanguage(Language::Japanese);
        QSettings(QStringLiteral("qubrin"), QStringLiteral("qubrin")).remove(QStringLiteral("ui/language"));
    }
};
