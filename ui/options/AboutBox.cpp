#include "ui/options/AboutBox.h"

#include "platform/Platform.h"

#include <QStringList>

namespace {

constexpr int lineWidth = 33;

QString padded(const QString& line) { return line.leftJustified(lineWidth, QLatin1Char(' ')); }

}  // namespace

QString aboutTitle() { return QStringLiteral("Qubrin　ﾊﾞｰｼﾞｮﾝ情報"); }

QString aboutText()
{
    const QStringList lines{
        padded(QStringLiteral("Qubrin Ver1.02　")),
        QString(),
        padded(QStringLiteral("(C) 2026 Qubrin Project")),
        padded(QStringLiteral("Made with Qt 6 ― ちんちろりん")),
        padded(QStringLiteral("License: GPL-3.0-or-later")),
    };
    return lines.join(QStringLiteral("\r\n"));
}

void showAboutBox(QWidget* owner) { platform().inform(owner, aboutText(), aboutTitle()); }
