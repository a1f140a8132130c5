#include "TableFixture.h"

#include "app/TableZoom.h"
#include "ui/options/frmOdds.h"
#include "ui/settings/frmSet.h"
#include "ui/stats/RowLabel.h"
#include "ui/stats/frmHistory.h"
#include "ui/stats/frmResult.h"
#include "ui/stats/frmTotal.h"
#include "ui/widgets/CommandLabel.h"
#include "ui/widgets/ElidedLabel.h"
#include "ui/widgets/Twips.h"
#include "ui/widgets/Zoom.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpEvent>
#include <QSettings>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <optional>

namespace {

// Six seats with every label filled: a game in its first turn after the banker's throw.
const std::map<QString, QString> sixSeats{{"NINZU", "6"}, {"BETMIN", "100"}, {"BETMAX", "9999"},
                                          {"P_NAME1", "ハナコ"}, {"P_NAME2", "ゲンさん"}};

// Every shown control lies wholly inside its parent, and a label's text fits its width.
void expectNothingClipped(const QWidget& window, int percent)
{
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        if (child->isWindow() || !child->isVisibleTo(&window))
            continue;
        const QString where = child->objectName() + QStringLiteral(" at %1 %").arg(percent);
        EXPECT_TRUE(child->parentWidget()->rect().contains(child->geometry())) << where.toStdString();
        const auto* label = qobject_cast<const QLabel*>(child);
        if (const auto* rows = qobject_cast<const RowLabel*>(child)) {
            // A column of the tally narrows a wide row but never cuts it.
            const QFontMetricsF metrics(rows->font());
            for (const QString& row : rows->rows())
                EXPECT_EQ(RowLabel::fitRow(metrics, row, rows->contentsRect().width()).text, row) << where.toStdString();
        } else if (label && !qobject_cast<const ElidedLabel*>(label) && !label->text().isEmpty()
                   && !label->wordWrap()) {
            const int needed = QFontMetrics(label->font()).horizontalAdvance(label->text());
            EXPECT_LE(needed, label->contentsRect().width()) << where.toStdString();
        }
        // A command's text with its padding and frame.
        if (const auto* command = qobject_cast<const CommandLabel*>(child)) {
            EXPECT_LE(command->fontMetrics().horizontalAdvance(command->text()) + 12, command->width())
                << where.toStdString();
        }
    }
}

void showToolTip(QWidget* widget)
{
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(widget, &help);
}

}  // namespace

class TableZoomed : public ::testing::Test, public TableFixture {
protected:
    ~TableZoomed() override { QSettings(QStringLiteral("qubrin"), QStringLiteral("qubrin")).remove("table/zoom"); }

    void openSixSeatsInPlay(const std::map<QString, QString>& extra = {})
    {
        std::map<QString, QString> settings = sixSeats;
        settings.insert(extra.begin(), extra.end());
        open(settings);
        table->show();
        platform.seconds = 0;  // seat 1 banks
        newGame();
        scriptBets({0.5f, 0.5f, 0.5f, 0.5f});
        openBets();
        scriptThrows({{4, 5, 6}});
        throwDice();
    }

    static void remember(const QString& stored)
    {
        QSettings(QStringLiteral("qubrin"), QStringLiteral("qubrin")).setValue(QStringLiteral("table/zoom"), stored);
    }
};

TEST_F(TableZoomed, EveryControlStaysInsideItsParentAndEveryTextFitsAtEachStep)
{
    openSixSeatsInPlay();
    frmMain& t = *table;
    for (const int percent : {100, 125, 150, 175, 200, 250}) {
        t.tableZoom->apply(percent);
        EXPECT_EQ(zoom::percent(), percent);
        EXPECT_EQ(t.size(), QSize(twips(7140), twips(6825))) << percent;
        EXPECT_TRUE(t.rect().contains(t.centralWidget()->geometry())) << percent;
        // Pictures are drawn at the zoomed size, not at the size of their files.
        EXPECT_EQ(t.Image2[1]->width(), qRound(33 * percent / 100.0)) << percent;
        expectNothingClipped(t, percent);

        // Windows opened from the table are built at the zoom in force.
        t.Total_Click();
        t.setting_Click();
        t.gameResult->trigger();
        t.turnHistory->trigger();
        t.P_odds->trigger();
        ASSERT_NE(t.resultWindow, nullptr);
        EXPECT_EQ(t.resultWindow->R_Picture[0]->width(), qRound(40 * percent / 100.0));
        for (QWidget* window : std::initializer_list<QWidget*>{t.tallyWindow, t.settingsWindow, t.resultWindow,
                                                               t.historyWindow, t.oddsWindow}) {
            ASSERT_NE(window, nullptr);
            expectNothingClipped(*window, percent);
            window->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(TableZoomed, AWindowAlreadyOpenKeepsItsSizeUntilItIsOpenedAgain)
{
    openSixSeatsInPlay();
    frmMain& t = *table;
    t.Total_Click();
    const QSize opened = t.tallyWindow->size();
    const QFont font = t.tallyWindow->Label[0]->font();
    t.tableZoom->apply(150);
    EXPECT_EQ(t.tallyWindow->size(), opened);
    EXPECT_EQ(t.tallyWindow->Label[0]->font(), font);
    t.tallyWindow->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    t.Total_Click();
    EXPECT_GT(t.tallyWindow->width(), opened.width() * 14 / 10);
    expectNothingClipped(*t.tallyWindow, 150);
}

TEST_F(TableZoomed, AChoiceIsShownAsLargeAsTheScreenAllows)
{
    const QSize largest(476, 455);
    const int fit = TableZoom::FitToScreen;
    const struct {
        int choice;
        QSize screen;
        int percent;
    } cases[] = {
        {100, {1280, 800}, 100},  {125, {1280, 800}, 125}, {150, {1280, 800}, 150},
        {200, {1280, 800}, 165},  {fit, {1280, 800}, 165}, {200, {1920, 1200}, 200},
        {fit, {1920, 1200}, 253}, {fit, {3840, 2160}, 400}, {125, {800, 600}, 121},
        {100, {640, 480}, 94},    {fit, {300, 200}, 50},   {fit, {}, 100},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TableZoom::percentFor(c.choice, c.screen, largest), c.percent) << c.choice << " " << c.screen.width();
}

TEST_F(TableZoomed, TheChoiceIsRememberedInThePlayersSettingsAndNotInDiceIni)
{
    const struct {
        const char* chosen;  // action chosen in the first run
        const char* stored;
        const char* checked;  // action checked in the next run
    } cases[] = {
        {"zoom125", "125", "zoom125"},
        {"zoomFit", "fit", "zoomFit"},
        {"zoom100", "100", "zoom100"},
    };
    for (const auto& c : cases) {
        open();
        const QByteArray diceIni = [&] {
            QFile file(folder.filePath(QStringLiteral("dice.ini")));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        table->findChild<QAction*>(c.chosen)->trigger();
        table.reset();
        EXPECT_EQ(QSettings(QStringLiteral("qubrin"), QStringLiteral("qubrin")).value("table/zoom").toString(),
                  c.stored);
        QFile file(folder.filePath(QStringLiteral("dice.ini")));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), diceIni) << c.chosen;

        table = std::make_unique<frmMain>();
        EXPECT_TRUE(table->findChild<QAction*>(c.checked)->isChecked()) << c.chosen;
    }
}

TEST_F(TableZoomed, AStoredChoiceThatIsNoStepMeans100Percent)
{
    for (const char* stored : {"", "abc", "300", "0", "-125", "125.0", "fit "}) {
        remember(QString::fromUtf8(stored));
        open();
        EXPECT_EQ(table->tableZoom->choice(), 100) << stored;
        EXPECT_EQ(zoom::percent(), 100) << stored;
        EXPECT_TRUE(table->findChild<QAction*>("zoom100")->isChecked()) << stored;
    }
    remember(QStringLiteral("125"));
    open();
    EXPECT_EQ(table->tableZoom->choice(), 125);
    remember(QStringLiteral("100"));
}

TEST_F(TableZoomed, ZoomKeysStepUpToWhatTheScreenAllowsAndBack)
{
    remember(QStringLiteral("100"));
    open();
    table->show();
    table->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(table.get()));
    const int largest = TableZoom::percentFor(200, table->screen()->availableGeometry().size(),
                                              QSize(twips(7140), twips(6825)));
    const auto key = [this](Qt::Key k) { QTest::keyClick(table.get(), k, Qt::ControlModifier); };
    key(Qt::Key_Minus);
    EXPECT_EQ(zoom::percent(), 100);
    for (int i = 0; i < 5; ++i)
        key(Qt::Key_Plus);
    EXPECT_EQ(zoom::percent(), largest);
    EXPECT_TRUE(table->screen()->availableGeometry().contains(table->frameGeometry()));
    key(Qt::Key_0);
    EXPECT_EQ(zoom::percent(), 100);
    EXPECT_TRUE(table->findChild<QAction*>("zoom100")->isChecked());
    key(Qt::Key_Equal);
    EXPECT_GT(zoom::percent(), 100);
    key(Qt::Key_Minus);
    EXPECT_EQ(zoom::percent(), 100);
}

TEST_F(TableZoomed, ANameTooLongForItsSeatEndsInAnEllipsisAndIsWholeInItsToolTip)
{
    const QString longName = QStringLiteral("ジュゲムジュゲムゴコウノスリキレ");
    openSixSeatsInPlay({{"P_NAME0", longName}});
    frmMain& t = *table;
    t.show();
    for (const int percent : {100, 200}) {
        t.tableZoom->apply(percent);
        auto* cut = qobject_cast<ElidedLabel*>(t.P_nameLab[0]);
        auto* whole = qobject_cast<ElidedLabel*>(t.P_nameLab[1]);
        ASSERT_TRUE(cut && whole);
        EXPECT_EQ(cut->text(), longName);
        EXPECT_TRUE(cut->shownText().endsWith(QStringLiteral("…"))) << percent;
        EXPECT_LE(cut->fontMetrics().horizontalAdvance(cut->shownText()), cut->contentsRect().width());
        showToolTip(cut);
        EXPECT_EQ(QToolTip::text(), longName) << percent;
        EXPECT_EQ(whole->shownText(), "ハナコ");
        showToolTip(whole);
        EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); })) << percent;
    }
}

// A qubrin.conf that is not the program's own file (a link into a dotfile manager's shared file, say)
// is left byte for byte as it was; the zoom then holds for this run only.
TEST_F(TableZoomed, AForeignFileBehindQubrinConfIsNeverRewritten)
{
    const QString conf = QSettings(QStringLiteral("qubrin"), QStringLiteral("qubrin")).fileName();
    const QString target = folder.filePath(QStringLiteral("shared.conf"));
    const struct {
        const char* what;
        std::optional<QByteArray> targetBytes;  // nullopt: the link points nowhere
        bool linked;
        bool stored;
    } cases[] = {
        {"a link to another program's settings", "[user]\nname=ミケ\nemail=m@example.org\n", true, false},
        {"a link to a binary file", QByteArray("\x7f" "ELF\0\1\2\3=\xff\xfe[", 12), true, false},
        {"another program's settings in our name", "[General]\ncolour=blue\n", false, false},
        {"a link that points nowhere", std::nullopt, true, false},
        {"a link to our own file", "[table]\nzoom=100\n", true, true},
    };
    for (const auto& c : cases) {
        QFile::remove(conf);
        QFile::remove(target);
        QDir().mkpath(QFileInfo(conf).path());
        if (c.targetBytes)
            folder.write(QStringLiteral("shared.conf"), *c.targetBytes);
        if (c.linked)
            ASSERT_TRUE(QFile::link(target, conf)) << c.what;
        else
            ASSERT_TRUE(QFile::rename(target, conf)) << c.what;
        const QString written = c.linked ? target : conf;

        open();
        table->findChild<QAction*>("zoom125")->trigger();
        EXPECT_EQ(zoom::percent(), 125) << c.what;
        EXPECT_TRUE(table->findChild<QAction*>("zoom125")->isChecked()) << c.what;
        table.reset();

        if (c.stored) {
            EXPECT_EQ(QSettings(QStringLiteral("qubrin"), QStringLiteral("qubrin")).value("table/zoom").toString(), "125");
        } else if (c.targetBytes) {
            QFile file(written);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.what;
            EXPECT_EQ(file.readAll(), *c.targetBytes) << c.what;
        } else {
            EXPECT_FALSE(QFileInfo::exists(target)) << c.what;
        }
    }
    QFile::remove(conf);
}
