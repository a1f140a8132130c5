#include "frmSetFixture.h"

#include "app/GameLanguage.h"
#include "settings/SettingsGaps.h"
#include "support/TextFit.h"
#include "support/VisibleTexts.h"

#include <QCoreApplication>
#include <QTabWidget>

namespace {

class SettingsDialogLanguage : public SettingsDialogTest {
protected:
    SettingsDialogLanguage() { folder.copyBuilt({QStringLiteral("qubrin_en.qm")}); }
    ~SettingsDialogLanguage() override { useLanguage(Language::Japanese); }

    static void speak(Language language)
    {
        ASSERT_TRUE(useLanguage(language));
        QCoreApplication::processEvents();
    }

    // Every tab shown in turn, as a player visits them; with QUBRIN_SHOTS set, each tab is kept as a
    // picture there for a look at its layout.
    QStringList visitTabs(const char* language) const
    {
        QStringList texts;
        const QString shots = qEnvironmentVariable("QUBRIN_SHOTS");
        for (int tab = 0; tab < dialog->SSTab1->count(); ++tab) {
            dialog->SSTab1->setCurrentIndex(tab);
            QCoreApplication::processEvents();
            if (!shots.isEmpty())
                dialog->grab().save(QStringLiteral("%1/frmSet_%2_%3.png").arg(shots, language).arg(tab));
            texts << namedTexts(dialog);
        }
        texts.sort();  // the order of the children is Qt's affair
        return texts;
    }

    // The controls of every tab whose text needs more room than the dialog gives it.
    QStringList cutTexts() const
    {
        QStringList cut;
        for (int tab = 0; tab < dialog->SSTab1->count(); ++tab) {
            dialog->SSTab1->setCurrentIndex(tab);
            QCoreApplication::processEvents();
            for (const QWidget* w : dialog->SSTab1->currentWidget()->findChildren<QWidget*>()) {
                const auto* label = qobject_cast<const QLabel*>(w);
                const bool hasText = (label && !label->text().isEmpty()) || qobject_cast<const QAbstractButton*>(w);
                if (hasText && w->isVisible() && w->width() < w->minimumSizeHint().width())
                    cut << w->objectName();
            }
        }
        return cut;
    }
};

// The odds line is made by the odds window's own texts and follows them.
bool ownText(const QString& text) { return !text.startsWith(QStringLiteral("L_odds: ")); }

TEST_F(SettingsDialogLanguage, EveryTabSpeaksEnglishAtOnceFitsAndComesBackExactly)
{
    open();
    dialog->show();
    const QStringList japanese = visitTabs("ja");
    EXPECT_TRUE(cutTexts().isEmpty()) << cutTexts().join(' ').toStdString();

    speak(Language::English);
    const QStringList english = visitTabs("en");
    ASSERT_EQ(english.size(), japanese.size());
    for (const QString& text : english)
        EXPECT_TRUE(!ownText(text) || !containsJapanese(text)) << text.toStdString();
    for (const char* expected : {"frmSet: Settings", "SSTab1: Rules", "Comchar_0: Gambler", "Comrule: Plain table",
                                 "cmdGPPS: &Load settings"})
        EXPECT_TRUE(english.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_TRUE(cutTexts().isEmpty()) << cutTexts().join(' ').toStdString();
    EXPECT_EQ(textsThatDoNotFit(dialog).join(u'|').toStdString(), "");
    // The names typed by players are never translated.
    EXPECT_EQ(dialog->P_nameTex[0]->text(), playable().name(0));

    speak(Language::Japanese);
    EXPECT_EQ(visitTabs("ja"), japanese);
}

TEST_F(SettingsDialogLanguage, TheChecksAndFilesWarnInEnglish)
{
    open();
    speak(Language::English);
    const struct {
        const char* field;
        const char* typed;
        const char* warning;
    } cases[] = {
        {"Txtscore", "x", "Please enter a number. (ToT)"},
        {"txtLAST", "0", "The value is too small. (ToT)"},
        {"txtLAST", "99999", "The value is too large. (ToT)"},
        {"txtLAST", "a", "Please enter digits. (ToT)"},
    };
    for (const auto& c : cases) {
        type(QString::fromLatin1(c.field), QString::fromLatin1(c.typed));
        const std::string warned = takeWarnings();
        EXPECT_NE(warned.find(c.warning), std::string::npos) << c.field << " " << c.typed << ": " << warned;
        EXPECT_FALSE(containsJapanese(QString::fromStdString(warned))) << warned;
    }
    load(folder.filePath(QStringLiteral("none.ini")));
    EXPECT_EQ(takeWarnings(), "The settings file was not found. (ToT)");
}

TEST_F(SettingsDialogLanguage, ThePartialReadWarningFollowsTheLanguage)
{
    SettingsGaps gaps;
    gaps.missing = QStringList{"P_FLG0", "P_FLG1", "P_FLG2", "P_FLG3", "P_FLG4", "P_FLG5", "P_IMAG0", "P_IMAG1", "P_IMAG2"};
    gaps.unreadable = QStringList{"SCORE"};
    const QString japanese = settingsGapsWarning(gaps);
    speak(Language::English);
    EXPECT_EQ(settingsGapsWarning(gaps).toStdString(),
              "Part of the settings file could not be read.\nMissing: P_FLG0, P_FLG1, P_FLG2, P_FLG3, P_FLG4, "
              "P_FLG5, P_IMAG0, P_IMAG1 and 1 more\nNot a number: SCORE. (ToT)");
    speak(Language::Japanese);
    EXPECT_EQ(settingsGapsWarning(gaps), japanese);
}

}  // namespace
