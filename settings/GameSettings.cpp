#include "settings/GameSettings.h"

#include "settings/NumberText.h"

#include <string_view>

namespace {

using S = SettingsRecord;

constexpr std::array<QString S::*, 6> nameFields{&S::P_NAME0, &S::P_NAME1, &S::P_NAME2,
                                                 &S::P_NAME3, &S::P_NAME4, &S::P_NAME5};
constexpr std::array<qint16 S::*, 6> flagFields{&S::P_FLG0, &S::P_FLG1, &S::P_FLG2,
                                                &S::P_FLG3, &S::P_FLG4, &S::P_FLG5};
constexpr std::array<qint16 S::*, 6> imageFields{&S::P_IMAG0, &S::P_IMAG1, &S::P_IMAG2,
                                                 &S::P_IMAG3, &S::P_IMAG4, &S::P_IMAG5};
constexpr std::array<qint16 S::*, 12> checkFields{
    &S::P_CHECK1, &S::P_CHECK2, &S::P_CHECK3, &S::P_CHECK4,  &S::P_CHECK5,  &S::P_CHECK6,
    &S::P_CHECK7, &S::P_CHECK8, &S::P_CHECK9, &S::P_CHECK10, &S::P_CHECK11, &S::P_CHECK12};

constexpr std::array<SettingsKey, SettingsKeyCount> keys{{
    {"NINZU", &S::NINZU},       {"SCORE", &S::SCORE},       {"BETMAX", &S::BETMAX},
    {"BETMIN", &S::BETMIN},     {"OYA", &S::OYA},           {"LAST", &S::LAST},
    {"NAGEKAI", &S::NAGEKAI},   {"P_NAME0", &S::P_NAME0},   {"P_NAME1", &S::P_NAME1},
    {"P_NAME2", &S::P_NAME2},   {"P_NAME3", &S::P_NAME3},   {"P_NAME4", &S::P_NAME4},
    {"P_NAME5", &S::P_NAME5},   {"P_FLG0", &S::P_FLG0},     {"P_FLG1", &S::P_FLG1},
    {"P_FLG2", &S::P_FLG2},     {"P_FLG3", &S::P_FLG3},     {"P_FLG4", &S::P_FLG4},
    {"P_FLG5", &S::P_FLG5},     {"P_IMAG0", &S::P_IMAG0},   {"P_IMAG1", &S::P_IMAG1},
    {"P_IMAG2", &S::P_IMAG2},   {"P_IMAG3", &S::P_IMAG3},   {"P_IMAG4", &S::P_IMAG4},
    {"P_IMAG5", &S::P_IMAG5},   {"P_CHECK1", &S::P_CHECK1}, {"P_CHECK2", &S::P_CHECK2},
    {"P_CHECK3", &S::P_CHECK3}, {"P_CHECK4", &S::P_CHECK4}, {"P_CHECK5", &S::P_CHECK5},
    {"P_CHECK6", &S::P_CHECK6}, {"P_CHECK7", &S::P_CHECK7}, {"P_CHECK8", &S::P_CHECK8},
    {"P_CHECK9", &S::P_CHECK9}, {"P_CHECK10", &S::P_CHECK10}, {"P_CHECK11", &S::P_CHECK11},
    {"P_CHECK12", &S::P_CHECK12},
}};

constexpr bool keyAt(int place, std::string_view key) { return key == keys[static_cast<size_t>(place)].key; }
static_assert(keyAt(KeyNINZU, "NINZU") && keyAt(KeySCORE, "SCORE") && keyAt(KeyBETMAX, "BETMAX") &&
              keyAt(KeyBETMIN, "BETMIN") && keyAt(KeyOYA, "OYA") && keyAt(KeyLAST, "LAST") &&
              keyAt(KeyNAGEKAI, "NAGEKAI") && keyAt(FirstNameKey, "P_NAME0") && keyAt(FirstFlagKey, "P_FLG0") &&
              keyAt(FirstImageKey, "P_IMAG0") && keyAt(FirstCheckKey, "P_CHECK1") &&
              keyAt(SettingsKeyCount - 1, "P_CHECK12"));

}  // namespace

QString& SettingsRecord::name(int seat) { return this->*nameFields.at(static_cast<size_t>(seat)); }
const QString& SettingsRecord::name(int seat) const { return this->*nameFields.at(static_cast<size_t>(seat)); }
qint16& SettingsRecord::flag(int seat) { return this->*flagFields.at(static_cast<size_t>(seat)); }
qint16 SettingsRecord::flag(int seat) const { return this->*flagFields.at(static_cast<size_t>(seat)); }
qint16& SettingsRecord::image(int seat) { return this->*imageFields.at(static_cast<size_t>(seat)); }
qint16 SettingsRecord::image(int seat) const { return this->*imageFields.at(static_cast<size_t>(seat)); }
qint16& SettingsRecord::check(int n) { return this->*checkFields.at(static_cast<size_t>(n - 1)); }
qint16 SettingsRecord::check(int n) const { return this->*checkFields.at(static_cast<size_t>(n - 1)); }

const std::array<SettingsKey, SettingsKeyCount>& settingsKeys() { return keys; }

const SettingsKey* findSettingsKey(const QString& key)
{
    for (const SettingsKey& k : keys) {
        if (key == QLatin1String(k.key))
            return &k;
    }
    return nullptr;
}

bool setFromText(SettingsRecord& settings, const QString& key, const QString& value)
{
    const SettingsKey* k = findSettingsKey(key);
    if (!k)
        return false;
    std::visit(
        [&](auto member) {
            using Field = std::remove_reference_t<decltype(settings.*member)>;
            if constexpr (std::is_same_v<Field, QString>) {
                settings.*member = value;
            } else if constexpr (std::is_same_v<Field, qint16>) {
                if (const auto n = toInt16(value))
                    settings.*member = *n;
            } else {
                if (const auto n = toInt32(value))
                    settings.*member = *n;
            }
        },
        k->field);
    return true;
}
