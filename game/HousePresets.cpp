#include "game/HousePresets.h"

#include "game/ComputerCharacter.h"
#include "game/HandOdds.h"

#include <QCoreApplication>

namespace rules {

namespace {

// Our own words for how each rule set plays. Options: 1, 2 players throw after the banker's 6の目,
// 1の目; 3 1のゾロ目 pays five; 4 it loses three; 5 5のゾロ目 pays five; 6, 7 ｽﾙｰ; 8..11 the bank
// passes after the banker's ヒフミ, 場外, 役なし, 1の目; 12 場外 is thrown again.
constexpr std::array<HousePreset, 5> presets{{
    //  name              how it plays                                                   NAGEKAI OYA  1  2  3  4  5  6  7  8  9 10 11 12
    {u"基本の場",     u"三投まで、特別配当もスルーもない素の勝負。",                      3, 3, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {u"親の稼ぎ場",   u"五投まで振れて親の役が揃いやすく、１のゾロ目は５倍勝ち。",        5, 3, {0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {u"子の稼ぎ場",   u"１のゾロ目は３倍負け、親がヒフミを出せば親が流れる。",            3, 3, {0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0}},
    {u"早回しの場",   u"一投勝負で親は毎回交代、親の悪い目でもすぐ流れる。",              1, 1, {0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 0}},
    {u"流しありの場", u"親はいつでもスルーでき、場外は役なしとして振り直す。",            3, 3, {0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1}},
}};

// The same names and lines as the catalogue knows them, for showing each in the language in force.
constexpr std::array<std::array<const char*, 2>, presets.size()> shownTexts{{
    {QT_TRANSLATE_NOOP("rules", "基本の場"), QT_TRANSLATE_NOOP("rules", "三投まで、特別配当もスルーもない素の勝負。")},
    {QT_TRANSLATE_NOOP("rules", "親の稼ぎ場"),
     QT_TRANSLATE_NOOP("rules", "五投まで振れて親の役が揃いやすく、１のゾロ目は５倍勝ち。")},
    {QT_TRANSLATE_NOOP("rules", "子の稼ぎ場"),
     QT_TRANSLATE_NOOP("rules", "１のゾロ目は３倍負け、親がヒフミを出せば親が流れる。")},
    {QT_TRANSLATE_NOOP("rules", "早回しの場"),
     QT_TRANSLATE_NOOP("rules", "一投勝負で親は毎回交代、親の悪い目でもすぐ流れる。")},
    {QT_TRANSLATE_NOOP("rules", "流しありの場"),
     QT_TRANSLATE_NOOP("rules", "親はいつでもスルーでき、場外は役なしとして振り直す。")},
}};

// A preset's name (0) or line (1) in the language in force.
QString shownText(const HousePreset& preset, size_t which)
{
    return QCoreApplication::translate("rules", shownTexts[size_t(&preset - presets.data())][which]);
}

}  // namespace

QString shownPresetName(const HousePreset& preset) { return shownText(preset, 0); }

std::span<const HousePreset> housePresets() { return presets; }

SettingsRecord withPreset(SettingsRecord settings, const HousePreset& preset)
{
    settings.NAGEKAI = preset.nagekai;
    settings.OYA = preset.oya;
    for (int n = 1; n <= 12; ++n)
        settings.check(n) = preset.checks[size_t(n - 1)];
    return settings;
}

const HousePreset* matchingPreset(const SettingsRecord& settings)
{
    for (const HousePreset& preset : presets) {
        bool same = settings.NAGEKAI == preset.nagekai && settings.OYA == preset.oya;
        for (int n = 1; n <= 12 && same; ++n)
            same = settings.option(n) == (preset.checks[size_t(n - 1)] == 1);
        if (same)
            return &preset;
    }
    return nullptr;
}

QString presetDescription(const HousePreset& preset)
{
    const TurnOdds odds = turnOdds(withPreset(SettingsRecord{}, preset));
    const QString favours = odds.bankerEdge >= 0
                                ? QCoreApplication::translate("rules", "親に有利：親の有利 %1").arg(percentText(odds.bankerEdge))
                                : QCoreApplication::translate("rules", "子に有利：子の期待値 %1").arg(percentText(odds.playerExpectation));
    return shownText(preset, 1) + QLatin1Char('\n') + favours;
}

}  // namespace rules
