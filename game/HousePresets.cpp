#include "game/HousePresets.h"

#include "game/ComputerCharacter.h"
#include "game/HandOdds.h"

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

}  // namespace

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
                                ? QStringLiteral("親に有利：親の有利 ") + percentText(odds.bankerEdge)
                                : QStringLiteral("子に有利：子の期待値 ") + percentText(odds.playerExpectation);
    return QString::fromUtf16(preset.plays) + QLatin1Char('\n') + favours;
}

}  // namespace rules
