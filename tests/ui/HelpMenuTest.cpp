#include "SoundSpeedHelpFixture.h"

#include "ui/options/HelpText.h"
#include "ui/options/TextViewer.h"
#include "ui/options/frmSound.h"
#include "ui/options/frmSpeed.h"
#include "ui/widgets/ClickableImage.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringEncoder>
#include <QTest>

namespace {

using HelpMenu = SoundSpeedHelpTest;

const QString helpBody = QStringLiteral("ちんちろりんの遊び方\n\n親と子がサイコロを三つ振ります。\n");

}  // namespace

TEST_F(HelpMenu, HelpItemsAskTheShellToOpenTheirText)
{
    const struct {
        QAction* item;
        const char* file;
    } cases[] = {{table->P_Help1, "Help1.txt"}, {table->P_readme, "Readme.txt"}};
    for (const auto& c : cases) {
        scripted.shellOpens.clear();
        c.item->trigger();
        EXPECT_EQ(scripted.shellOpens, QStringList{QLatin1String(c.file)});
    }
    EXPECT_TRUE(table->findChildren<TextViewer*>().isEmpty()) << "the shell opened them";
    EXPECT_TRUE(scripted.warnings.size() <= 1) << "no message beyond the start-up's own";
}

TEST_F(HelpMenu, WithoutAShellTheTextOpensInOurOwnViewer)
{
    writeFile(QStringLiteral("Help1.txt"), helpBody.toUtf8());
    writeFile(QStringLiteral("Readme.txt"), "\xEF\xBB\xBF" + QStringLiteral("はじめに読んで下さい").toUtf8());
    scripted.shellSucceeds = false;
    const struct {
        QAction* item;
        const char* file;
        QString text;
    } cases[] = {
        {table->P_Help1, "Help1.txt", helpBody},
        {table->P_readme, "Readme.txt", QStringLiteral("はじめに読んで下さい")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        c.item->trigger();
        TextViewer* viewer = nullptr;
        for (TextViewer* v : table->findChildren<TextViewer*>()) {
            if (v->fileName() == QLatin1String(c.file))
                viewer = v;
        }
        ASSERT_NE(viewer, nullptr);
        EXPECT_TRUE(viewer->isWindow());
        EXPECT_TRUE(viewer->isVisible());
        EXPECT_EQ(viewer->windowTitle(), QLatin1String(c.file));
        EXPECT_TRUE(viewer->text->isReadOnly());
        EXPECT_EQ(viewer->text->toPlainText(), c.text);
    }
    EXPECT_EQ(scripted.shellOpens, (QStringList{QStringLiteral("Help1.txt"), QStringLiteral("Readme.txt")}));
}

TEST_F(HelpMenu, ViewerIsReusedWhileOpenAndClosesByItsButton)
{
    writeFile(QStringLiteral("Help1.txt"), helpBody.toUtf8());
    scripted.shellSucceeds = false;
    table->P_Help1->trigger();
    table->P_Help1->trigger();
    const QList<TextViewer*> viewers = table->findChildren<TextViewer*>();
    ASSERT_EQ(viewers.size(), 1);

    QPointer<TextViewer> viewer = viewers[0];
    QTest::mouseClick(viewer->Command, Qt::LeftButton);
    settle();
    EXPECT_TRUE(viewer.isNull());
    table->P_Help1->trigger();
    EXPECT_EQ(table->findChildren<TextViewer*>().size(), 1);
}

TEST_F(HelpMenu, ViewerReadsShiftJisAndNotesAMissingFile)
{
    QStringEncoder toShiftJis("windows-31j");
    ASSERT_TRUE(toShiftJis.isValid());
    const QString sjisText = QStringLiteral("親のヒフミは倍払い。ﾊﾝｶｸも読めます。");
    writeFile(QStringLiteral("Help1.txt"), toShiftJis(sjisText));
    scripted.shellSucceeds = false;

    openHelpText(table.get(), QStringLiteral("Help1.txt"));
    openHelpText(table.get(), QStringLiteral("Readme.txt"));  // not in the folder

    QMap<QString, QString> shown;
    for (const TextViewer* v : table->findChildren<TextViewer*>())
        shown[v->fileName()] = v->text->toPlainText();
    EXPECT_EQ(shown.value(QStringLiteral("Help1.txt")), sjisText);
    EXPECT_TRUE(shown.value(QStringLiteral("Readme.txt")).contains(QStringLiteral("「Readme.txt」が見つかりません")))
        << shown.value(QStringLiteral("Readme.txt")).toStdString();
}

TEST_F(HelpMenu, ViewerOpenedFromADialogBelongsToTheTable)
{
    // The settings dialog's help button passes the dialog; the viewer must outlive it.
    QPointer<QWidget> dialog = new QWidget(table.get(), Qt::Window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    scripted.shellSucceeds = false;
    openHelpText(dialog, QStringLiteral("Help1.txt"));
    dialog->close();
    settle();
    EXPECT_TRUE(dialog.isNull());
    ASSERT_EQ(table->findChildren<TextViewer*>().size(), 1);
    EXPECT_EQ(table->findChildren<TextViewer*>()[0]->parentWidget(), table.get());
}

TEST_F(HelpMenu, OddFileNamesNeverCrashTheViewer)
{
    scripted.shellSucceeds = false;
    for (const QString& name : {QString(), QStringLiteral("../../etc"), QStringLiteral("nai\u3000.txt")})
        openHelpText(table.get(), name);
    openHelpText(nullptr, QStringLiteral("Help1.txt"));
    EXPECT_GE(table->findChildren<TextViewer*>().size(), 3);
}

TEST_F(HelpMenu, GameEndClosesEveryWindowAtOnce)
{
    scripted.shellSucceeds = false;
    table->show();
    QTest::mouseClick(table->sound_Image, Qt::LeftButton);
    QTest::mouseClick(table->speed_Image, Qt::LeftButton);
    table->P_Help1->trigger();
    QPointer<frmSound> sound = table->soundWindow;
    QPointer<frmSpeed> speed = table->speedWindow;
    QPointer<TextViewer> viewer = table->findChild<TextViewer*>();
    ASSERT_TRUE(sound && speed && viewer);

    table->GameEnd->trigger();
    EXPECT_FALSE(table->isVisible());
    EXPECT_TRUE(scripted.ending());
    settle();
    EXPECT_TRUE(sound.isNull());
    EXPECT_TRUE(speed.isNull());
    EXPECT_TRUE(viewer.isNull());
    EXPECT_TRUE(scripted.questions.isEmpty()) << "nothing is asked";
}

TEST_F(HelpMenu, GameEndInsideAPauseEndsThePause)
{
    table->show();
    QTest::mouseClick(table->sound_Image, Qt::LeftButton);
    scripted.duringWait = [&] { table->GameEnd->trigger(); };
    EXPECT_FALSE(platform().wait(560)) << "the pause reports the end, so the throw sequence stops";
    EXPECT_FALSE(platform().wait(10));
    EXPECT_FALSE(table->isVisible());
    settle();
    EXPECT_TRUE(table->soundWindow.isNull());
}

TEST_F(HelpMenu, GameEndInTheMiddleOfARealThrowSequenceStopsIt)
{
    program::GameSettings.NINZU = 6;
    program::GameSettings.NAGEKAI = 3;
    table->state.OyaSeat = 0;
    table->show();
    int pauses = 0;
    scripted.duringWait = [&] {
        if (++pauses == 3)
            table->GameEnd->trigger();
    };
    table->turn_Label_Click();
    EXPECT_FALSE(table->isVisible());
    EXPECT_EQ(pauses, 3) << "no pause after the end";
    EXPECT_FALSE(scripted.sounds.contains(QStringLiteral("beep2.wav")));
}
