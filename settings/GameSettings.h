#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <variant>

// The 37 settings of a game, one field per key of the settings file and named as the key.
// A freshly made record holds 0 and empty text everywhere: there are no built-in defaults.
struct SettingsRecord {
    qint16 NINZU = 0;
    qint32 SCORE = 0;
    qint32 BETMAX = 0;
    qint32 BETMIN = 0;
    qint32 OYA = 0;
    qint32 LAST = 0;
    qint32 NAGEKAI = 0;
    QString P_NAME0, P_NAME1, P_NAME2, P_NAME3, P_NAME4, P_NAME5;
    qint16 P_FLG0 = 0, P_FLG1 = 0, P_FLG2 = 0, P_FLG3 = 0, P_FLG4 = 0, P_FLG5 = 0;
    qint16 P_IMAG0 = 0, P_IMAG1 = 0, P_IMAG2 = 0, P_IMAG3 = 0, P_IMAG4 = 0, P_IMAG5 = 0;
    qint16 P_CHECK1 = 0, P_CHECK2 = 0, P_CHECK3 = 0, P_CHECK4 = 0, P_CHECK5 = 0, P_CHECK6 = 0;
    qint16 P_CHECK7 = 0, P_CHECK8 = 0, P_CHECK9 = 0, P_CHECK10 = 0, P_CHECK11 = 0, P_CHECK12 = 0;

    // Per-seat access, seat 0..5.
    QString& name(int seat);
    const QString& name(int seat) const;
    qint16& flag(int seat);
    qint16 flag(int seat) const;
    qint16& image(int seat);
    qint16 image(int seat) const;
    // Rule option n, 1..12.
    qint16& check(int n);
    qint16 check(int n) const;

    // The seats a game is played with, 0..seatsInPlay()-1: NINZU when it is 2..6; a hand-edited
    // count outside that range plays the whole table of six.
    int seatsInPlay() const { return NINZU >= 2 && NINZU <= 6 ? NINZU : 6; }
    // The seats the stored count names, within the table (0..6): the rows the settings dialog fills,
    // the tally's columns and the seats a reload of the file resets.
    int seatsListed() const { return qBound(0, static_cast<int>(NINZU), 6); }

    // A seat is the computer's only when its flag is exactly 1; an option is on only when it is exactly 1.
    bool isComputer(int seat) const { return flag(seat) == 1; }
    bool option(int n) const { return check(n) == 1; }

    bool operator==(const SettingsRecord&) const = default;
};

// One key of the settings file with the field it fills.
struct SettingsKey {
    const char* key;
    std::variant<QString SettingsRecord::*, qint16 SettingsRecord::*, qint32 SettingsRecord::*> field;
};

// Places of the keys in settingsKeys(): seven numbers, then six of each per seat, then the twelve
// rule options.
enum SettingsKeyPlace {
    KeyNINZU,
    KeySCORE,
    KeyBETMAX,
    KeyBETMIN,
    KeyOYA,
    KeyLAST,
    KeyNAGEKAI,
    FirstNameKey,
    FirstFlagKey = FirstNameKey + 6,
    FirstImageKey = FirstFlagKey + 6,
    FirstCheckKey = FirstImageKey + 6,
    SettingsKeyCount = FirstCheckKey + 12
};

// The 37 keys in the order a save writes them.
const std::array<SettingsKey, SettingsKeyCount>& settingsKeys();

// The key's entry in settingsKeys(), or nullptr for an unknown key (keys match with their letter case).
const SettingsKey* findSettingsKey(const QString& key);

// Stores a value read from a file into its field: text unchanged, numbers converted with halves to even.
// A number that is not a number or does not fit the field's width leaves the field unchanged.
// Returns false when the key is unknown.
bool setFromText(SettingsRecord& settings, const QString& key, const QString& value);
