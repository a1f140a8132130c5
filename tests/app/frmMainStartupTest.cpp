#include "frmMainStartupFixture.h"

#include "ui/widgets/ClickableImage.h"
#include "ui/widgets/CommandLabel.h"
#include "ui/widgets/Shape.h"
#include "ui/widgets/TableFont.h"
#include "ui/widgets/Twips.h"

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

#include <set>

namespace {

// Every named control of the table with the name it must carry.
std::vector<std::pair<QString, QObject*>> namedControls(frmMain& t)
{
    std::vector<std::pair<QString, QObject*>> controls{
        {"Turn", t.Turn},
        {"LabLAST", t.LabLAST},
        {"LabOYA", t.LabOYA},
        {"LabNAGEKAI", t.LabNAGEKAI},
        {"LabBETMIN", t.LabBETMIN},
        {"LabBETMAX", t.LabBETMAX},
        {"L_LabLAST", t.L_LabLAST},
        {"L_LabOYA", t.L_LabOYA},
        {"L_LabNAGEKAI", t.L_LabNAGEKAI},
        {"L_LabBETMIN", t.L_LabBETMIN},
        {"L_LabBETMAX", t.L_LabBETMAX},
        {"bent_Label", t.bent_Label},
        {"turn_Label", t.turn_Label},
        {"turn2_Label", t.turn2_Label},
        {"suru_Label", t.suru_Label},
        {"speed_Image", t.speed_Image},
        {"sound_Image", t.sound_Image},
        {"gameLab", t.gameLab},
        {"changeLab", t.changeLab},
        {"oya", t.oya},
        {"dsp", t.dsp},
        {"Game", t.Game},
        {"set", t.set},
        {"speed", t.speed},
        {"sound", t.sound},
        {"heip", t.heip},
        {"setting", t.setting},
        {"Gamein", t.Gamein},
        {"Gameout", t.Gameout},
        {"iniread", t.iniread},
        {"line", t.line},
        {"GameEnd", t.GameEnd},
        {"total", t.total},
        {"P_speedHi", t.P_speedHi},
        {"P_speedLo", t.P_speedLo},
        {"P_soundon", t.P_soundon},
        {"P_soundoff", t.P_soundoff},
        {"P_Help1", t.P_Help1},
        {"P_readme", t.P_readme},
        {"GameVer", t.GameVer},
        {"Image4_0", t.Image4[0]},
        {"Image4_1", t.Image4[1]},
    };
    const auto perSeat = [&controls](const char* name, const auto& array) {
        for (int seat = 0; seat < 6; ++seat)
            controls.emplace_back(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(seat), array[seat]);
    };
    perSeat("P_Picture", t.P_Picture);
    perSeat("P_nameLab", t.P_nameLab);
    perSeat("P_scoLab", t.P_scoLab);
    perSeat("P_betLab", t.P_betLab);
    perSeat("HScr", t.HScr);
    perSeat("bent_Image", t.bent_Image);
    perSeat("auto_Image", t.auto_Image);
    perSeat("P_Shape", t.P_Shape);
    perSeat("Shape3", t.Shape3);
    perSeat("P_Shape2", t.P_Shape2);
    perSeat("oya_Lab", t.oya_Lab);
    perSeat("P_kail", t.P_kail);
    perSeat("P_yaku", t.P_yaku);
    perSeat("P_Label", t.P_Label);
    perSeat("Image1", t.Image1);
    perSeat("Image2", t.Image2);
    perSeat("Image3", t.Image3);
    return controls;
}

// The menu bar as rows "name|caption|shortcut", one space of indent per submenu level.
void collectMenuRows(const QList<QAction*>& actions, const QString& indent, QStringList& rows)
{
    for (const QAction* action : actions) {
        const QString name = action->menu() ? action->menu()->objectName() : action->objectName();
        const QString caption = action->isSeparator() ? QStringLiteral("-") : action->text();
        rows << indent + name + u'|' + caption + u'|' + action->shortcut().toString(QKeySequence::PortableText);
        if (action->menu())
            collectMenuRows(action->menu()->actions(), indent + u' ', rows);
    }
}

// The table's font for the tests that measure text, as the program sets it.
class TableFontInUse {
public:
    TableFontInUse() : m_saved(QApplication::font()) { QApplication::setFont(tableFont()); }
    ~TableFontInUse() { QApplication::setFont(m_saved); }

private:
    QFont m_saved;
};

bool fits(const QLabel* label, const QString& text)
{
    return QFontMetrics(label->font()).horizontalAdvance(text) <= label->contentsRect().width();
}

}  // namespace

class TableAtStart : public StartupTable {
protected:
    TableAtStart() { writeSettings(fourSeats()); }
};

TEST_F(TableAtStart, CaptionNamesTheGameWithAnIdeographicSpace)
{
    EXPECT_EQ(open().windowTitle(), QStringLiteral("Qubrin\u3000ちんちろりん"));
}

TEST_F(TableAtStart, EveryControlCarriesItsNameAndIsFoundByIt)
{
    frmMain& t = open();
    std::set<QObject*> seen;
    for (const auto& [name, control] : namedControls(t)) {
        ASSERT_NE(control, nullptr) << name.toStdString();
        EXPECT_EQ(control->objectName(), name);
        EXPECT_EQ(t.findChild<QObject*>(name), control) << name.toStdString();
        EXPECT_TRUE(seen.insert(control).second) << name.toStdString() << " is another control's too";
    }
}

TEST_F(TableAtStart, MenusComeInOrderWithTheirCaptionsShortcutsAndSeparator)
{
    frmMain& t = open();
    QStringList rows;
    collectMenuRows(t.menuBar()->actions(), QString(), rows);
    const QStringList expected{
        "Game|ｹﾞｰﾑ(&G)|",
        " setting|設定(&S)|Ctrl+S",
        " Gamein|新規ｹﾞｰﾑ（&N）|F2",
        " Gameout|ｹﾞｰﾑ中断（&Q）|F9",
        " iniread|読込(&L)|Ctrl+L",
        " line|-|",
        " GameEnd|終了（&X）|Ctrl+X",
        "set|ｵﾌﾟｼｮﾝ(&O)|",
        " total|出目集計(&D)|",
        " turnHistory|ターン履歴(&T)|Ctrl+H",
        " gameResult|成績(&R)|Ctrl+R",
        " speed|スピード|",
        "  P_speedHi|▲Up|",
        "  P_speedLo|▼Down|",
        " sound|効果音を出す|",
        "  P_soundon|ON|",
        "  P_soundoff|OFF|",
        "view|表示(&V)|",
        " zoomIn|拡大(&I)|Ctrl++",
        " zoomOut|縮小(&O)|Ctrl+-",
        " |-|",
        " zoom100|100 %|Ctrl+0",
        " zoom125|125 %|",
        " zoom150|150 %|",
        " zoom200|200 %|",
        " zoomFit|画面に合わせる(&F)|",
        "language|言語(&L)|",
        " languageJapanese|日本語|",
        " languageEnglish|English|",
        "netMenu|ネット対戦(&N)|",
        " netHost|部屋を作る...|",
        " netJoin|部屋に入る...|",
        " netLeave|部屋を出る|",
        " |-|",
        " netFairness|公平性の検証...|",
        "heip|ﾍﾙﾌﾟ(&H)|",
        " P_Help1|ヘルプ(&H)|",
        " P_readme|Rademeを見る(&R)|",
        " P_odds|確率と期待値(&P)|",
        " GameVer|ﾊﾞｰｼﾞｮﾝ情報(&A)|",
    };
    EXPECT_EQ(rows, expected);
}

TEST_F(TableAtStart, FixedCaptionsAndToolTips)
{
    frmMain& t = open();
    const struct {
        QWidget* control;
        const char* text;
        const char* toolTip;
    } fixed[] = {
        {t.L_LabLAST, "残り回数", ""},
        {t.L_LabOYA, "親の回数", ""},
        {t.L_LabNAGEKAI, "振る回数", ""},
        {t.L_LabBETMIN, "下限", ""},
        {t.L_LabBETMAX, "上限", ""},
        {t.bent_Label, "ベント", "ﾀｰﾝのｽﾀｰﾄです"},
        {t.turn_Label, "実 行", "親からサイコロを振ります"},
        {t.turn2_Label, "次のﾀｰﾝ", "ﾀｰﾝ終了"},
        {t.suru_Label, "ｽﾙｰ", "親を流します"},
    };
    for (const auto& f : fixed) {
        const QString text = qobject_cast<QLabel*>(f.control) ? qobject_cast<QLabel*>(f.control)->text()
                                                               : qobject_cast<CommandLabel*>(f.control)->text();
        EXPECT_EQ(text, QString::fromUtf8(f.text)) << f.control->objectName().toStdString();
        EXPECT_EQ(f.control->toolTip(), QString::fromUtf8(f.toolTip)) << f.text;
    }
    for (int seat = 0; seat < 6; ++seat) {
        EXPECT_EQ(t.P_scoLab[seat]->toolTip(), "ｽｺｱ");
        EXPECT_EQ(t.P_betLab[seat]->toolTip(), "ﾍﾞﾝﾄ");
    }
    EXPECT_EQ(t.Image4[0]->toolTip(), "時計回り");
    EXPECT_EQ(t.Image4[1]->toolTip(), "時計回り");
}

TEST_F(TableAtStart, OnlyTheMenuWorksUntilANewGame)
{
    frmMain& t = open();
    for (const CommandLabel* command : {t.bent_Label, t.turn_Label, t.turn2_Label, t.suru_Label})
        EXPECT_FALSE(command->isEnabled()) << command->objectName().toStdString();
    EXPECT_TRUE(t.Gamein->isEnabled());
    EXPECT_FALSE(t.Gameout->isEnabled());
    EXPECT_FALSE(t.iniread->isEnabled());
    for (const QAction* item : {t.setting, t.GameEnd, t.total, t.P_speedHi, t.P_speedLo, t.P_soundon,
                                t.P_soundoff, t.P_Help1, t.P_readme, t.GameVer})
        EXPECT_TRUE(item->isEnabled()) << item->objectName().toStdString();
}

TEST_F(TableAtStart, ProgramValuesAndTheirEchoes)
{
    program::GameFlag = 1;
    program::SpeedLevel = 3;
    program::SoundFlag = 0;
    frmMain& t = open();
    EXPECT_EQ(program::GameFlag, 0);
    EXPECT_EQ(program::SpeedLevel, 7);
    EXPECT_EQ(program::SoundFlag, 1);
    EXPECT_EQ(t.gameLab->text(), "game 0");
    EXPECT_EQ(t.speedLab->text(), "speed 7");
    EXPECT_EQ(t.soundLab->text(), "sound 1");
    EXPECT_TRUE(t.P_soundon->isChecked());
    EXPECT_FALSE(t.P_soundoff->isChecked());
    EXPECT_EQ(t.state.PassCount, 0);
    EXPECT_EQ(t.state.OyaMustPass, 0);
    const std::array<QString, 7> words{"", "のゾロ目", "の目", "役なし", "シゴロ", "ヒフミ", "場\u3000外"};
    EXPECT_EQ(t.state.YakuWord, words);
    EXPECT_TRUE(t.Turn->text().isEmpty());
    EXPECT_FALSE(t.speed_Image->pixmap().isNull()) << "speed_7.gif";
    EXPECT_FALSE(t.sound_Image->pixmap().isNull()) << "sound_1.gif";
    EXPECT_TRUE(platform.warnings.isEmpty()) << platform.warnings.join(u'\n').toStdString();
    EXPECT_TRUE(platform.sounds.isEmpty());
}

TEST_F(TableAtStart, OpensCentredOnTheScreen)
{
    frmMain& t = open();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(t.x(), area.x() + (area.width() - t.width()) / 2);
    EXPECT_EQ(t.y(), area.y() + (area.height() - t.height()) / 2);
}

// A start-up warning is the first thing a new player sees: the real message box stands in the middle
// of the screen over the table, which already has its size and place when the box appears.
TEST_F(StartupTable, StartupWarningsAppearCentredOverTheSizedTable)
{
    const struct {
        const char* fileBytes;  // nullptr: no dice.ini at all
        QString warning;
    } cases[] = {{nullptr, QStringLiteral("設定ﾌｧｲﾙが見つかりません。(ToT)")},
                 {"[Other]\r\nNINZU=4\r\n", QStringLiteral("読み込みに失敗しました。(ToT)")}};
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.warning.toStdString());
        QFile::remove(settingsFile());
        if (c.fileBytes)
            writeBytes(c.fileBytes);
        struct Shown {
            QString text;
            QRect box;
            QWidget* owner = nullptr;
            QRect ownerPlace;
        } shown;
        QTimer watch;
        watch.setInterval(5);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            shown = {box->text(), box->frameGeometry(), box->parentWidget(), box->parentWidget()->geometry()};
            box->accept();
        });
        watch.start();
        setPlatform(nullptr);  // the game's own message box
        frmMain& t = open();
        setPlatform(&platform);
        watch.stop();

        EXPECT_EQ(shown.text, c.warning);
        EXPECT_EQ(shown.owner, &t);
        EXPECT_EQ(shown.ownerPlace.size(), t.size()) << "the table was sized before the warning";
        EXPECT_LE((shown.ownerPlace.center() - area.center()).manhattanLength(), 4) << "and centred";
        EXPECT_LE((shown.box.center() - area.center()).manhattanLength(), 4)
            << "box at " << shown.box.x() << "," << shown.box.y() << " " << shown.box.width() << "x"
            << shown.box.height();
    }
}

// The empty table shows the seats a new game would fill, at the window height for that many seats;
// a file without a usable seat count lays out all six.
TEST_F(StartupTable, EmptySeatsOfTheFileAndTheWindowHeightForThem)
{
    const struct {
        const char* ninzu;
        int seats;
        int heightTwips;
    } cases[] = {{"2", 2, 5175}, {"4", 4, 5175}, {"5", 5, 6825}, {"6", 6, 6825},
                 {"0", 6, 6825}, {"-3", 6, 6825}, {"9", 6, 6825}, {"x", 6, 6825}};
    for (const auto& c : cases) {
        writeSettings({{"NINZU", c.ninzu}});
        frmMain& t = open();
        EXPECT_EQ(t.size(), QSize(twips(7140), twips(c.heightTwips))) << c.ninzu;
        EXPECT_EQ(t.Image4[0]->isHidden(), false) << c.ninzu;
        EXPECT_EQ(t.Image4[1]->isHidden(), c.seats < 5) << c.ninzu;
        for (int seat = 0; seat < 6; ++seat) {
            const bool inPlay = seat < c.seats;
            for (const QWidget* part : {static_cast<QWidget*>(t.P_Shape[seat]), static_cast<QWidget*>(t.Shape3[seat]),
                                        static_cast<QWidget*>(t.P_Shape2[seat]), static_cast<QWidget*>(t.P_Picture[seat])})
                EXPECT_EQ(part->isHidden(), !inPlay) << c.ninzu << " " << part->objectName().toStdString();
            // No game yet: no bets, no scroll bars, no computer marks, no names.
            for (const QWidget* part : {static_cast<QWidget*>(t.bent_Image[seat]),
                                        static_cast<QWidget*>(t.auto_Image[seat]), static_cast<QWidget*>(t.HScr[seat])})
                EXPECT_TRUE(part->isHidden()) << c.ninzu << " " << part->objectName().toStdString();
            EXPECT_TRUE(t.P_nameLab[seat]->text().isEmpty());
            EXPECT_TRUE(t.P_scoLab[seat]->text().isEmpty());
        }
    }
}

class TableLayout : public TableAtStart {
protected:
    TableFontInUse font;
};

TEST_F(TableLayout, CaptionsAndLongestValuesFitTheirLabels)
{
    frmMain& t = open();
    std::vector<std::pair<QLabel*, QString>> samples{
        {t.L_LabLAST, "残り回数"}, {t.L_LabOYA, "親の回数"}, {t.L_LabNAGEKAI, "振る回数"},
        {t.L_LabBETMIN, "下限"},   {t.L_LabBETMAX, "上限"},   {t.LabLAST, "9999"},
        {t.LabOYA, "3.0"},         {t.LabNAGEKAI, "5"},       {t.LabBETMIN, "9999"},
        {t.LabBETMAX, "9999"},     {t.Turn, "中断はクリアされました"}, {t.Turn, "ベントを押して下さい"},
    };
    for (int seat = 0; seat < 6; ++seat) {
        samples.insert(samples.end(), {{t.P_nameLab[seat], "ニャンコ先生"},
                                       {t.oya_Lab[seat], "親１２戦"},
                                       {t.P_scoLab[seat], "-999999"},
                                       {t.P_scoLab[seat], "9999999"},
                                       {t.P_betLab[seat], "9999"},
                                       {t.P_kail[seat], "5投目"},
                                       {t.P_Label[seat], "54"},
                                       {t.P_yaku[seat], "1のゾロ目"},
                                       {t.P_yaku[seat], "場\u3000外"}});
    }
    for (const auto& [label, text] : samples)
        EXPECT_TRUE(fits(label, text)) << label->objectName().toStdString() << ": " << text.toStdString();
    for (const CommandLabel* command : {t.bent_Label, t.turn_Label, t.turn2_Label, t.suru_Label}) {
        QFont bold = command->font();
        bold.setBold(true);
        EXPECT_LE(QFontMetrics(bold).horizontalAdvance(command->text()) + 8, command->width())
            << command->objectName().toStdString();
    }
}

TEST_F(TableLayout, NothingOverlapsAndEverySeatFitsTheTallWindow)
{
    writeSettings({{"NINZU", "6"}});
    frmMain& t = open();
    t.show();
    QCoreApplication::processEvents();
    const QRect client = t.centralWidget()->rect();
    const auto disjoint = [](const std::vector<QWidget*>& widgets, const char* what) {
        for (size_t i = 0; i < widgets.size(); ++i) {
            for (size_t j = i + 1; j < widgets.size(); ++j) {
                EXPECT_FALSE(widgets[i]->geometry().intersects(widgets[j]->geometry()))
                    << what << ": " << widgets[i]->objectName().toStdString() << " and "
                    << widgets[j]->objectName().toStdString();
            }
        }
    };
    std::vector<QWidget*> top{t.L_LabLAST,   t.LabLAST,     t.L_LabOYA,    t.LabOYA,      t.L_LabNAGEKAI,
                              t.LabNAGEKAI,  t.L_LabBETMIN, t.LabBETMIN,   t.L_LabBETMAX, t.LabBETMAX,
                              t.speed_Image, t.sound_Image, t.Turn,        t.bent_Label,  t.turn_Label,
                              t.turn2_Label, t.suru_Label};
    for (QWidget* w : top)
        EXPECT_TRUE(client.contains(w->geometry())) << w->objectName().toStdString();
    std::vector<QWidget*> frames(t.Image4.begin(), t.Image4.end());
    for (int seat = 0; seat < 6; ++seat) {
        const QRect frame = t.P_Shape[seat]->geometry();
        EXPECT_TRUE(client.contains(frame)) << seat;
        frames.push_back(t.P_Shape[seat]);
        top.push_back(t.P_Shape[seat]);
        const std::vector<QWidget*> parts{t.P_Shape2[seat], t.P_Picture[seat], t.Shape3[seat],  t.P_kail[seat],
                                          t.P_Label[seat],  t.P_yaku[seat],    t.bent_Image[seat], t.P_betLab[seat],
                                          t.HScr[seat],     t.auto_Image[seat]};
        for (QWidget* part : parts)
            EXPECT_TRUE(frame.contains(part->geometry())) << part->objectName().toStdString();
        disjoint(parts, "seat");
        disjoint({t.P_nameLab[seat], t.oya_Lab[seat], t.P_scoLab[seat]}, "name panel");
        for (QLabel* onPanel : {t.P_nameLab[seat], t.oya_Lab[seat], t.P_scoLab[seat]})
            EXPECT_TRUE(t.P_Shape2[seat]->geometry().contains(onPanel->geometry())) << onPanel->objectName().toStdString();
        disjoint({t.Image1[seat], t.Image2[seat], t.Image3[seat]}, "dice");
        for (QLabel* die : {t.Image1[seat], t.Image2[seat], t.Image3[seat]})
            EXPECT_TRUE(t.Shape3[seat]->geometry().contains(die->geometry())) << die->objectName().toStdString();
    }
    disjoint(frames, "table");
    disjoint(top, "top of the table");
}

TEST_F(TableLayout, SeatPanelsCommandsAndStatusLineStandWhereTheTwipsPutThem)
{
    frmMain& t = open();
    const QPoint corners[] = {{180, 2940}, {180, 1260}, {3660, 1260}, {3660, 2940}, {3660, 4620}, {180, 4620}};
    for (int seat = 0; seat < 6; ++seat) {
        EXPECT_EQ(t.P_Shape2[seat]->geometry(),
                  QRect(twips(corners[seat].x()), twips(corners[seat].y()), twips(3135), twips(375)));
    }
    EXPECT_EQ(t.Turn->pos(), QPoint(twips(240), twips(600)));
    const std::pair<CommandLabel*, int> commands[] = {
        {t.bent_Label, 2880}, {t.turn_Label, 3840}, {t.turn2_Label, 4800}, {t.suru_Label, 6120}};
    for (const auto& [command, left] : commands) {
        EXPECT_EQ(command->x(), twips(left)) << command->objectName().toStdString();
        EXPECT_LE(std::abs(command->geometry().center().y() - twips(720 + 120)), 4) << command->objectName().toStdString();
    }
}
