#include "TableFixture.h"

#include "app/GameLanguage.h"
#include "ui/options/TextViewer.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

// The help opens in the language in force, whether the desktop or the game's own viewer shows it.
class HelpLanguage : public ::testing::Test, public TableFixture {
protected:
    HelpLanguage()
    {
        folder.copyBuilt({QStringLiteral("qubrin_en.qm")});
        folder.write(QStringLiteral("Help1.txt"), QStringLiteral("ヘルプ本文").toUtf8());
        folder.write(QStringLiteral("Help1_en.txt"), "The English help");
        folder.write(QStringLiteral("Readme.txt"), "Read me");
    }
    ~HelpLanguage() override
    {
        useLanguage(Language::Japanese);
        QSettings(QStringLiteral("qubrin"), QStringLiteral("qubrin")).remove(QStringLiteral("ui/language"));
    }

    void choose(const char* item)
    {
        table->findChild<QAction*>(item)->trigger();
        QCoreApplication::processEvents();
    }

    TextViewer* openViewer(QAction* action)
    {
        platform.textProgramRegistered = false;
        action->trigger();
        const QList<TextViewer*> viewers = table->findChildren<TextViewer*>();
        return viewers.isEmpty() ? nullptr : viewers.last();
    }
};

TEST_F(HelpLanguage, TheDesktopOpensTheEditionOfTheLanguageAndTheJapaneseOneWhereNoneIs)
{
    const struct {
        const char* language;
        bool englishFile;
        QStringList opened;
    } cases[] = {
        {"languageJapanese", true, {"Help1.txt", "Readme.txt"}},
        {"languageEnglish", true, {"Help1_en.txt", "Readme.txt"}},
        {"languageEnglish", false, {"Help1.txt", "Readme.txt"}},
    };
    open();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.language) + (c.englishFile ? " with" : " without") + " Help1_en.txt");
        if (!c.englishFile)
            QFile::remove(folder.filePath(QStringLiteral("Help1_en.txt")));
        choose(c.language);
        platform.shellOpens.clear();
        table->P_Help1->trigger();
        table->P_readme->trigger();
        EXPECT_EQ(platform.shellOpens, c.opened);
    }
}

TEST_F(HelpLanguage, AnOpenViewerFollowsASwitchOfLanguageAndOneHelpWindowStaysOpen)
{
    open();
    TextViewer* viewer = openViewer(table->P_Help1);
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->text->toPlainText(), QStringLiteral("ヘルプ本文"));

    choose("languageEnglish");
    EXPECT_EQ(viewer->text->toPlainText(), "The English help");
    EXPECT_EQ(viewer->windowTitle(), "Help1_en.txt");
    EXPECT_EQ(viewer->Command->text(), "Close");
    EXPECT_EQ(openViewer(table->P_Help1), viewer);
    EXPECT_EQ(table->findChildren<TextViewer*>().size(), 1);

    choose("languageJapanese");
    EXPECT_EQ(viewer->text->toPlainText(), QStringLiteral("ヘルプ本文"));
    EXPECT_EQ(viewer->windowTitle(), "Help1.txt");
}

TEST_F(HelpLanguage, AViewerOpenedInEnglishWithoutTheEnglishFileShowsTheJapaneseHelp)
{
    QFile::remove(folder.filePath(QStringLiteral("Help1_en.txt")));
    open();
    choose("languageEnglish");
    TextViewer* viewer = openViewer(table->P_Help1);
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->text->toPlainText(), QStringLiteral("ヘルプ本文"));
    EXPECT_EQ(viewer->windowTitle(), "Help1.txt");
}

// The English help as built is shown whole: no line of it wraps in the viewer, so its tables line up.
TEST_F(HelpLanguage, EveryLineOfTheBuiltEnglishHelpFitsTheViewerUnwrapped)
{
    QFile built(QCoreApplication::applicationDirPath() + QStringLiteral("/Help1_en.txt"));
    ASSERT_TRUE(built.open(QIODevice::ReadOnly));
    folder.write(QStringLiteral("Help1_en.txt"), built.readAll());
    open();
    choose("languageEnglish");
    TextViewer* viewer = openViewer(table->P_Help1);
    ASSERT_NE(viewer, nullptr);
    const QStringList lines = viewer->text->toPlainText().split(u'\n');
    ASSERT_GT(lines.size(), 300);
    EXPECT_TRUE(lines.first().startsWith("Qubrin"));
    const QFontMetricsF metrics(viewer->text->font());
    const qreal room = viewer->text->viewport()->width() - 2 * viewer->text->document()->documentMargin();
    for (const QString& line : lines)
        EXPECT_LE(metrics.horizontalAdvance(line), room) << line.toStdString();
}

}  // namespace
