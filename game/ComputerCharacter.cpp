#include "game/ComputerCharacter.h"

#include "settings/NumberText.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>

namespace rules {

namespace {

struct CharacterInfo {
    Character character;
    const char* name;  // the name settings and rooms compare; the catalogue gives its English
    const char* key;
    // Below this banker's edge a computer banker passes the bank when it may.
    long double passBelowEdge;
};

constexpr long double Never = -std::numeric_limits<long double>::infinity();

// 堅実 gives the bank away unless it earns clearly; 計算 as soon as it loses on average; 強気 only
// when it loses heavily; 博徒 never.
const std::array<CharacterInfo, CharacterCount> characters{{
    {Character::Omakase, QT_TRANSLATE_NOOP("rules", "おまかせ"), "omakase", Never},
    {Character::Steady, QT_TRANSLATE_NOOP("rules", "堅実"), "steady", 0.005L},
    {Character::Calculating, QT_TRANSLATE_NOOP("rules", "計算"), "calculating", 0},
    {Character::Bold, QT_TRANSLATE_NOOP("rules", "強気"), "bold", -0.05L},
    {Character::Gambler, QT_TRANSLATE_NOOP("rules", "博徒"), "gambler", Never},
}};

const CharacterInfo& info(Character character)
{
    const auto found = std::find_if(characters.begin(), characters.end(),
                                    [character](const CharacterInfo& c) { return c.character == character; });
    return found != characters.end() ? *found : characters.front();
}

double drawOf(const BetView& view) { return view.draw >= 0.0f ? std::min(double(view.draw), 1.0) : 0.0; }

// A shaped bet from a share of the span above the minimum.
qint16 shareOfSpan(const BetLimits& limits, double share)
{
    const double span = double(limits.max) - double(limits.min);
    return shapeBet(qint64(limits.min + roundHalfEven(share * span)), limits);
}

BetDecision decided(Character character, Motive motive, long double share, qint64 bet, qint16 lastBet = 0)
{
    return {qint16(bet), {character, motive, double(share), qint16(bet), lastBet}};
}

BetDecision steady(const BetView& view)
{
    const bool favoured = view.playerExpectation > 0;
    return decided(Character::Steady, favoured ? Motive::Larger : Motive::Small, view.playerExpectation,
                   shareOfSpan(view.limits, (drawOf(view) + (favoured ? 1 : 0)) / 4));
}

BetDecision calculating(const BetView& view)
{
    const BetLimits& limits = view.limits;
    if (view.playerExpectation <= 0)
        return decided(Character::Calculating, Motive::Minimum, view.playerExpectation, limits.min);
    if (view.score <= 0)
        return decided(Character::Calculating, Motive::NoScore, view.playerExpectation, limits.min);
    const long double fraction = view.playerExpectation / std::max(view.playerSecondMoment, view.playerExpectation);
    const long double stake = std::min<long double>(fraction * view.score, MaxBetLimit + 1);
    return decided(Character::Calculating, Motive::Kelly, fraction, shapeBet(qint64(stake), limits));
}

BetDecision bold(const BetView& view)
{
    if (view.lastPayment > 0)
        return decided(Character::Bold, Motive::AfterWin, view.playerExpectation, view.limits.max);
    return decided(Character::Bold, Motive::Large, view.playerExpectation,
                   shareOfSpan(view.limits, (1 + drawOf(view)) / 2));
}

BetDecision gambler(const BetView& view)
{
    const BetLimits& limits = view.limits;
    // The stake it starts from: the minimum, or the smallest round bet when the minimum is no bet.
    const qint16 unit = limits.min > 0 ? limits.min : std::min<qint16>(10, limits.max);
    const qint64 cap = std::clamp<qint64>(view.score, unit, limits.max);
    const auto made = [&](Motive motive, qint64 bet) {
        return decided(Character::Gambler, motive, view.playerExpectation, bet, view.lastBet);
    };
    if (view.lastBet <= 0)
        return made(Motive::First, unit);
    if (view.lastPayment > 0)
        return made(Motive::Restart, unit);
    if (view.lastPayment == 0)
        return made(Motive::Same, std::clamp<qint64>(view.lastBet, unit, cap));
    const qint64 doubled = 2 * qint64(view.lastBet);
    if (doubled <= cap)
        return made(Motive::Double, std::max<qint64>(doubled, unit));
    return made(cap == limits.max ? Motive::DoubleToLimit : Motive::DoubleToScore, cap);
}

QString expectationText(long double share) { return QCoreApplication::translate("rules", "期待値 %1").arg(percentText(share)); }

}  // namespace

QString characterName(Character character) { return QString::fromUtf8(info(character).name); }

QString shownCharacterName(Character character)
{
    return QCoreApplication::translate("rules", info(character).name);
}

QString characterKey(Character character) { return QString::fromLatin1(info(character).key); }

Character characterFromKey(const QString& key)
{
    for (const CharacterInfo& c : characters) {
        if (key == QLatin1String(c.key))
            return c.character;
    }
    return Character::Omakase;
}

BetDecision decideBet(Character character, const BetView& view)
{
    switch (character) {
    case Character::Steady:
        return steady(view);
    case Character::Calculating:
        return calculating(view);
    case Character::Bold:
        return bold(view);
    case Character::Gambler:
        return gambler(view);
    case Character::Omakase:
        break;
    }
    return randomBet(view.draw, view.limits);
}

PassDecision decidePass(Character character, long double bankerEdge)
{
    const CharacterInfo& c = info(character);
    if (c.character == Character::Omakase)
        return {};
    const bool pass = bankerEdge < c.passBelowEdge;
    return {pass, {character, pass ? Motive::PassBank : Motive::KeepBank, double(bankerEdge), 0, 0}};
}

QString reasonText(const Reason& r)
{
    const QString bet = QString::number(r.bet);
    QString seen;
    QString done;
    switch (r.motive) {
    case Motive::None:
        return {};
    case Motive::Random:
        seen = QCoreApplication::translate("rules", "運まかせ");
        done = bet;
        break;
    case Motive::Small:
    case Motive::Larger:
        seen = expectationText(r.share);
        done = (r.motive == Motive::Small ? QCoreApplication::translate("rules", "控えめ %1") : QCoreApplication::translate("rules", "やや多め %1")).arg(bet);
        break;
    case Motive::Minimum:
        seen = expectationText(r.share);
        done = QCoreApplication::translate("rules", "最低額 %1").arg(bet);
        break;
    case Motive::NoScore:
        seen = QCoreApplication::translate("rules", "持ち点なし");
        done = QCoreApplication::translate("rules", "最低額 %1").arg(bet);
        break;
    case Motive::Kelly:
        seen = QCoreApplication::translate("rules", "持ち点の%1%").arg(QString::number(double(r.share * 100), 'f', 1));
        done = bet;
        break;
    case Motive::Large:
        seen = expectationText(r.share);
        done = QCoreApplication::translate("rules", "大きく %1").arg(bet);
        break;
    case Motive::AfterWin:
        seen = QCoreApplication::translate("rules", "前回勝ち");
        done = QCoreApplication::translate("rules", "上限 %1").arg(bet);
        break;
    case Motive::First:
        seen = QCoreApplication::translate("rules", "初手");
        done = bet;
        break;
    case Motive::Restart:
        seen = QCoreApplication::translate("rules", "勝ち");
        done = QCoreApplication::translate("rules", "振り出し %1").arg(bet);
        break;
    case Motive::Same:
        seen = QCoreApplication::translate("rules", "分け");
        done = QCoreApplication::translate("rules", "据え置き %1").arg(bet);
        break;
    case Motive::Double:
    case Motive::DoubleToLimit:
    case Motive::DoubleToScore:
        seen = QCoreApplication::translate("rules", "負け %1 の倍").arg(r.lastBet);
        done = r.motive == Motive::Double          ? bet
               : r.motive == Motive::DoubleToLimit ? QCoreApplication::translate("rules", "上限 %1").arg(bet)
                                                   : QCoreApplication::translate("rules", "持ち点 %1").arg(bet);
        break;
    case Motive::KeepBank:
    case Motive::PassBank:
        seen = QCoreApplication::translate("rules", "親の有利 %1").arg(percentText(r.share));
        done = r.motive == Motive::PassBank ? QCoreApplication::translate("rules", "ｽﾙｰ") : QCoreApplication::translate("rules", "親を続ける");
        break;
    }
    // In the language in force when it is made; a history keeps the line as it was then.
    return QCoreApplication::translate("rules", "%1: %2 → %3").arg(shownCharacterName(r.character), seen, done);
}

QString percentText(long double share)
{
    const double percent = double(share * 100);
    const QString digits = QString::number(std::abs(percent), 'f', 2);
    // A share that rounds to zero shows no sign of its own.
    if (digits == QLatin1String("0.00"))
        return QStringLiteral("±0.00%");
    return (percent < 0 ? QStringLiteral("−") : QStringLiteral("+")) + digits + QStringLiteral("%");
}

}  // namespace rules
