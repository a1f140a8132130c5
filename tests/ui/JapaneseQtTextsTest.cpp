#include "app/JapaneseQtTexts.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>

#include <gtest/gtest.h>

#include <memory>

namespace {

QString withoutMnemonic(QString text) { return text.remove(QLatin1Char('&')); }

}  // namespace

// The game speaks Japanese, so Qt's own buttons and dialogs must too, on any system locale.
TEST(JapaneseQtTexts, StandardButtonsAndFileDialogsSpeakJapanese)
{
    const std::unique_ptr<QTranslator> translator(installJapaneseQtTexts(*qApp));
    ASSERT_NE(translator, nullptr) << "Qt's Japanese catalogue is missing (Debian: qt6-translations-l10n)";

    const struct {
        QDialogButtonBox::StandardButton button;
        const char* english;
    } buttons[] = {{QDialogButtonBox::Cancel, "Cancel"}, {QDialogButtonBox::Yes, "Yes"},
                   {QDialogButtonBox::No, "No"},         {QDialogButtonBox::Open, "Open"},
                   {QDialogButtonBox::Save, "Save"}};
    for (const auto& b : buttons) {
        QDialogButtonBox box(b.button);
        const QString text = withoutMnemonic(box.button(b.button)->text());
        EXPECT_NE(text, QLatin1String(b.english));
        EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("\\p{Han}|\\p{Hiragana}|\\p{Katakana}"))))
            << b.english << " reads " << text.toStdString();
    }

    QFileDialog dialog(nullptr);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const auto* lookIn = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"));
    ASSERT_NE(lookIn, nullptr);
    EXPECT_NE(withoutMnemonic(lookIn->text()), QStringLiteral("Look in:"));
}
