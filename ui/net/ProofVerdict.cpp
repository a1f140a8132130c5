#include "ui/net/ProofVerdict.h"

#include <QCoreApplication>

namespace ProofVerdict {

QString word(const net::TurnProof::Check& check)
{
    using V = net::TurnProof::Verdict;
    switch (check.verdict) {
    case V::Verified: return QCoreApplication::translate("ProofVerdict", "検証済み");
    case V::Incomplete: return QCoreApplication::translate("ProofVerdict", "検証できません");
    case V::WrongSeed:
    case V::WrongBetDraw:
    case V::WrongFace:
    case V::ContributionLeftOut: break;
    }
    return QCoreApplication::translate("ProofVerdict", "⚠ 検証に失敗");
}

QString sentence(const net::TurnProof::Check& check)
{
    using V = net::TurnProof::Verdict;
    switch (check.verdict) {
    case V::Verified:
        return QCoreApplication::translate("ProofVerdict", "サイコロは部屋が先に約束したシードどおりでした。");
    case V::Incomplete:
        return QCoreApplication::translate("ProofVerdict", "このターンはベントの開始を見ていないか、部屋が証明を送らなかったため検証できません。");
    case V::WrongSeed:
        return QCoreApplication::translate("ProofVerdict", "サイコロの検証に失敗しました：明かされたシードが約束と一致しません。");
    case V::WrongBetDraw:
        return QCoreApplication::translate("ProofVerdict", "サイコロの検証に失敗しました：コンピュータのベントの乱数 %1 がシードと一致しません。")
            .arg(check.index + 1);
    case V::WrongFace:
        return QCoreApplication::translate("ProofVerdict", "サイコロの検証に失敗しました：%1 投目の %2 個目のサイコロがシードと一致しません。")
            .arg(check.index / 3 + 1)
            .arg(check.index % 3 + 1);
    case V::ContributionLeftOut:
        return QCoreApplication::translate("ProofVerdict", "サイコロの検証に失敗しました：部屋はあなたの送った乱数を使わずに振りました。");
    }
    return {};
}

}  // namespace ProofVerdict
