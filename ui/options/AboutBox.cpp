#include "ui/options/AboutBox.h"

#include "platform/Platform.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

constexpr int lineWidth = 33;

QString text(const char* source) { return QCoreApplication::translate("AboutBox", source); }

QString padded(const char* line) { return text(line).leftJustified(lineWidth, QLatin1Char(' ')); }

}  // namespace

QString aboutTitle() { return text(QT_TRANSLATE_NOOP("AboutBox", "Qubrin　ﾊﾞｰｼﾞｮﾝ情報")); }

QString aboutText()
{
    const QStringList lines{
        padded(QT_TRANSLATE_NOOP("AboutBox", "Qubrin Ver1.02　")),
        QString(),
        padded(QT_TRANSLATE_NOOP("AboutBox", "(C) 2026 Qubrin Project")),
        padded(QT_TRANSLATE_NOOP("AboutBox", "Made with Qt 6 ― ちんちろりん")),
        padded(QT_TRANSLATE_NOOP("AboutBox", "License: GPL-3.0-or-later")),
    };
    return lines.join(QStringLiteral("\r\n"));
}

void showAboutBox(QWidget* owner) { platform().inform(owner, aboutText(), aboutTitle()); }
