#include "app/frmMain.h"

#include "app/GameLanguage.h"
#include "app/LanguageMenu.h"
#include "app/NetworkMenu.h"
#include "app/RoomTable.h"
#include "app/TableZoom.h"
#include "game/GameHistory.h"
#include "game/HandRanking.h"
#include "game/HistoryRecorder.h"
#include "platform/Platform.h"
#include "state/Program.h"
#include "ui/options/frmOdds.h"
#include "ui/settings/frmSet.h"
#include "ui/stats/frmTotal.h"
#include "ui/widgets/BetScrollBar.h"
#include "ui/widgets/ClickableImage.h"
#include "ui/widgets/CommandLabel.h"
#include "ui/widgets/ControlNames.h"
#include "ui/widgets/LiveTexts.h"
#include "ui/widgets/NarrowToFit.h"
#include "ui/widgets/ElidedLabel.h"
#include "ui/widgets/Pictures.h"
#include "ui/widgets/ScreenCentre.h"
#include "ui/widgets/Shape.h"
#include "ui/widgets/TableColours.h"
#include "ui/widgets/Twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>

namespace {

// The table's own colours: a felt table around cream seat frames (tableColours).
const QColor feltColour(38, 104, 70);
const QColor feltText(255, 236, 160);
const QColor headerFill(250, 244, 226);
const QColor headerBorder(170, 140, 90);
const QColor frameBorder(150, 120, 70);
const QColor trayFill(238, 228, 204);
const QColor trayBorder(196, 176, 134);
const QColor captionText(122, 90, 48);
const QColor valueText(40, 40, 40);
const QColor nameText(20, 40, 20);
const QColor bankerText(192, 0, 0);
const QColor quietText(110, 110, 110);

// Top-left corners of the seat panels, in twips, clockwise from seat 0 (middle left).
constexpr std::array<QPoint, 6> panelCorners{{{180, 2940}, {180, 1260}, {3660, 1260},
                                               {3660, 2940}, {3660, 4620}, {180, 4620}}};

// Text colour and weight through the palette and the font, not a style sheet: the play code
// recolours some labels (the hand names) through their palettes.
void paintText(QWidget* widget, const QColor& colour, bool bold = false, int pointSizeDelta = 0)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
    if (bold || pointSizeDelta != 0) {
        QFont font = widget->font();
        font.setBold(bold);
        if (pointSizeDelta != 0 && font.pointSize() > 0)
            font.setPointSize(qMax(6, font.pointSize() + pointSizeDelta));
        widget->setFont(font);
    }
}

QLabel* label(QWidget* parent, const QString& name, const QRect& place,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* l = named(new QLabel(parent), name);
    l->setGeometry(place);
    l->setAlignment(align);
    return l;
}

QLabel* picture(QWidget* parent, const QString& name, const QRect& place)
{
    QLabel* l = label(parent, name, place, Qt::AlignCenter);
    l->setScaledContents(true);
    return l;
}

}  // namespace

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent),
      flow(program::GameSettings, program::RollTally, program::RollTallySum),
      state(flow.state())
{
    setObjectName(QStringLiteral("frmMain"));
    liveWindowTitle(this, [] { return tr("Qubrin　ちんちろりん"); });
    history = new GameHistory(this);
    m_recorder = std::make_unique<HistoryRecorder>(*history, program::GameSettings);
    flow.addListener(m_recorder.get());
    flow.useCharacters(program::Characters);
    buildMenus();
    buildTable();
    connectControls();
    tableZoom = new TableZoom(*this, *view, QSize(twips(7140), twips(6825)));
    connect(tableZoom, &TableZoom::zoomed, this, &frmMain::sizeForSeats);
    // A new zoom gives every control its own font again: a hand name narrows to its label anew.
    connect(tableZoom, &TableZoom::zoomed, this, [this] {
        for (QLabel* hand : P_yaku)
            showNarrowedToFit(hand, hand->text());
    });
    Form_Load();
}

// The room goes first: it may still be playing on the table.
frmMain::~frmMain() { delete m_room; }

void frmMain::buildMenus()
{
    QMenuBar* bar = menuBar();
    const auto item = [this](QMenu* menu, const char* name, TextInForce caption, const QKeySequence& keys = {}) {
        QAction* action = named(menu->addAction(QString()), QString::fromLatin1(name));
        liveCaption(this, action, caption);
        action->setShortcut(keys);
        return action;
    };
    const auto menu = [this](auto* parent, const char* name, TextInForce title) {
        QMenu* added = named(parent->addMenu(QString()), QString::fromLatin1(name));
        liveTitle(this, added, title);
        return added;
    };
    Game = menu(bar, "Game", [] { return tr("ｹﾞｰﾑ(&G)"); });
    setting = item(Game, "setting", [] { return tr("設定(&S)"); }, QKeySequence(Qt::CTRL | Qt::Key_S));
    Gamein = item(Game, "Gamein", [] { return tr("新規ｹﾞｰﾑ（&N）"); }, QKeySequence(Qt::Key_F2));
    Gameout = item(Game, "Gameout", [] { return tr("ｹﾞｰﾑ中断（&Q）"); }, QKeySequence(Qt::Key_F9));
    iniread = item(Game, "iniread", [] { return tr("読込(&L)"); }, QKeySequence(Qt::CTRL | Qt::Key_L));
    line = named(Game->addSeparator(), QStringLiteral("line"));
    GameEnd = item(Game, "GameEnd", [] { return tr("終了（&X）"); }, QKeySequence(Qt::CTRL | Qt::Key_X));

    set = menu(bar, "set", [] { return tr("ｵﾌﾟｼｮﾝ(&O)"); });
    total = item(set, "total", [] { return tr("出目集計(&D)"); });
    turnHistory = item(set, "turnHistory", [] { return tr("ターン履歴(&T)"); }, QKeySequence(Qt::CTRL | Qt::Key_H));
    gameResult = item(set, "gameResult", [] { return tr("成績(&R)"); }, QKeySequence(Qt::CTRL | Qt::Key_R));
    gameResult->setEnabled(false);
    speed = menu(set, "speed", [] { return tr("スピード"); });
    P_speedHi = item(speed, "P_speedHi", [] { return tr("▲Up"); });
    P_speedLo = item(speed, "P_speedLo", [] { return tr("▼Down"); });
    sound = menu(set, "sound", [] { return tr("効果音を出す"); });
    P_soundon = item(sound, "P_soundon", [] { return tr("ON"); });
    P_soundoff = item(sound, "P_soundoff", [] { return tr("OFF"); });
    P_soundon->setCheckable(true);
    P_soundoff->setCheckable(true);

    view = menu(bar, "view", [] { return tr("表示(&V)"); });

    languageMenu = new LanguageMenu(*menu(bar, "language", [] { return tr("言語(&L)"); }), this);
    networkMenu = new NetworkMenu(*menu(bar, "netMenu", [] { return tr("ネット対戦(&N)"); }), *this);

    heip = menu(bar, "heip", [] { return tr("ﾍﾙﾌﾟ(&H)"); });
    P_Help1 = item(heip, "P_Help1", [] { return tr("ヘルプ(&H)"); });
    P_readme = item(heip, "P_readme", [] { return tr("Rademeを見る(&R)"); });
    P_odds = item(heip, "P_odds", [] { return tr("確率と期待値(&P)"); });
    GameVer = item(heip, "GameVer", [] { return tr("ﾊﾞｰｼﾞｮﾝ情報(&A)"); });
}

void frmMain::buildTable()
{
    auto* table = named(new QWidget(this), QStringLiteral("table"));
    table->setAutoFillBackground(true);
    QPalette felt = table->palette();
    felt.setColor(QPalette::Window, feltColour);
    table->setPalette(felt);
    setCentralWidget(table);

    // Along the top, on a strip of its own: the five settings of the game, each after its caption,
    // then the speed and sound pictures.
    auto* header = named(new Shape(headerFill, headerBorder, 4, table), QStringLiteral("header"));
    header->setGeometry(4, 3, 468, 26);
    struct Setting {
        QLabel** caption;
        QLabel** value;
        const char* captionName;
        const char* valueName;
        const char* text;
        int captionWidth;
        int valueWidth;
    };
    const Setting settingLabels[] = {
        {&L_LabLAST, &LabLAST, "L_LabLAST", "LabLAST", QT_TR_NOOP("残り回数"), 50, 31},
        {&L_LabOYA, &LabOYA, "L_LabOYA", "LabOYA", QT_TR_NOOP("親の回数"), 50, 22},
        {&L_LabNAGEKAI, &LabNAGEKAI, "L_LabNAGEKAI", "LabNAGEKAI", QT_TR_NOOP("振る回数"), 50, 22},
        {&L_LabBETMIN, &LabBETMIN, "L_LabBETMIN", "LabBETMIN", QT_TR_NOOP("下限"), 26, 35},
        {&L_LabBETMAX, &LabBETMAX, "L_LabBETMAX", "LabBETMAX", QT_TR_NOOP("上限"), 26, 35},
    };
    int x = 9;
    for (const Setting& s : settingLabels) {
        QLabel* caption = label(table, QString::fromLatin1(s.captionName), QRect(x, 7, s.captionWidth, 18));
        *s.caption = caption;
        // The Japanese captions fill their places; a shorter English one stands against its value, so
        // that it is read with its own number rather than the one before it.
        LiveTexts::of(this).add({caption, "text", [caption] { return caption->text(); },
                                 [caption](const QString& shown) {
                                     caption->setText(shown);
                                     caption->setAlignment(Qt::AlignVCenter | (currentLanguage() == Language::Japanese
                                                                                   ? Qt::AlignLeft
                                                                                   : Qt::AlignRight));
                                 }},
                                [text = s.text] { return tr(text); });
        paintText(*s.caption, captionText);
        x += s.captionWidth + 2;
        *s.value = label(table, QString::fromLatin1(s.valueName), QRect(x, 7, s.valueWidth, 18));
        paintText(*s.value, valueText, true);
        x += s.valueWidth + 3;
    }

    speed_Image = named(new ClickableImage(table), QStringLiteral("speed_Image"));
    speed_Image->setGeometry(380, 6, 64, 20);
    speed_Image->setAlignment(Qt::AlignCenter);
    speed_Image->setScaledContents(true);
    liveToolTip(this, speed_Image, [] { return tr("スピード"); });
    sound_Image = named(new ClickableImage(table), QStringLiteral("sound_Image"));
    sound_Image->setGeometry(446, 6, 24, 20);
    sound_Image->setAlignment(Qt::AlignCenter);
    sound_Image->setScaledContents(true);
    liveToolTip(this, sound_Image, [] { return tr("効果音"); });

    Turn = label(table, QStringLiteral("Turn"), QRect(twips(240), twips(600), 172, 24));
    paintText(Turn, feltText, true, 1);

    const auto command = [this, table](const char* name, const char* text, const char* tip, int left, int width) {
        auto* c = named(new CommandLabel(QString(), table), QString::fromLatin1(name));
        c->setGeometry(twips(left), twips(720) - 4, width, 24);
        liveText(this, c, [text] { return tr(text); });
        liveToolTip(this, c, [tip] { return tr(tip); });
        return c;
    };
    bent_Label = command("bent_Label", QT_TR_NOOP("ベント"), QT_TR_NOOP("ﾀｰﾝのｽﾀｰﾄです"), 2880, 58);
    turn_Label = command("turn_Label", QT_TR_NOOP("実 行"), QT_TR_NOOP("親からサイコロを振ります"), 3840, 58);
    // Wide enough for "Next turn" in its bold face and the focus frame, with the gap the others leave.
    turn2_Label = command("turn2_Label", QT_TR_NOOP("次のﾀｰﾝ"), QT_TR_NOOP("ﾀｰﾝ終了"), 4800, 82);
    suru_Label = command("suru_Label", QT_TR_NOOP("ｽﾙｰ"), QT_TR_NOOP("親を流します"), 6120, 52);

    for (int seat = 0; seat < 6; ++seat)
        buildSeat(seat);

    // Clockwise arrows where the two columns and two rows of seats meet; the second one joins
    // the bottom row of a five- or six-seat table.
    for (int i = 0; i < 2; ++i) {
        Image4[i] = picture(table, elementName("Image4", i), QRect(224, 179 + 112 * i, 16, 16));
        liveToolTip(this, Image4[i], [] { return tr("時計回り"); });
        showPicture(Image4[i], QStringLiteral("arrow.gif"));
    }

    // Diagnostic echoes of the game state; not part of the table's look.
    const auto diagnostic = [table](QLabel*& target, const char* name) {
        target = named(new QLabel(table), QString::fromLatin1(name));
        target->hide();
    };
    diagnostic(gameLab, "gameLab");
    diagnostic(changeLab, "changeLab");
    diagnostic(oya, "oya");
    diagnostic(dsp, "dsp");
    diagnostic(speedLab, "speedLab");
    diagnostic(soundLab, "soundLab");
}

// A seat: a cream frame around the coloured name panel; below the panel the portrait, the three
// dice in their tray and the throw and hand; along the bottom the bet with its scroll bar and the
// computer's mark.
void frmMain::buildSeat(int seat)
{
    QWidget* table = centralWidget();
    const int x = twips(panelCorners[seat].x());
    const int y = twips(panelCorners[seat].y());

    P_Shape[seat] = named(new Shape(tableColours::FrameFill, frameBorder, 6, table), elementName("P_Shape", seat));
    P_Shape[seat]->setGeometry(x - 3, y - 3, 215, 100);
    Shape3[seat] = named(new Shape(trayFill, trayBorder, 9, table), elementName("Shape3", seat));
    Shape3[seat]->setGeometry(x + 39, y + 29, 107, 39);
    P_Shape2[seat] = named(new Shape(tableColours::PlayerPanel, QColor(110, 140, 110), 4, table),
                           elementName("P_Shape2", seat));
    P_Shape2[seat]->setGeometry(x, y, twips(3135), twips(375));

    // A name too long for its seat ends in "…" and is shown whole in the tool tip.
    P_nameLab[seat] = named(new ElidedLabel(table), elementName("P_nameLab", seat));
    P_nameLab[seat]->setGeometry(x + 6, y + 2, 94, 21);
    paintText(P_nameLab[seat], nameText, true);
    oya_Lab[seat] = label(table, elementName("oya_Lab", seat), QRect(x + 100, y + 2, 50, 21), Qt::AlignCenter);
    paintText(oya_Lab[seat], bankerText, true);
    P_scoLab[seat] = label(table, elementName("P_scoLab", seat), QRect(x + 150, y + 2, 55, 21),
                           Qt::AlignRight | Qt::AlignVCenter);
    paintText(P_scoLab[seat], valueText, true);
    liveToolTip(this, P_scoLab[seat], [] { return tr("ｽｺｱ"); });

    P_Picture[seat] = picture(table, elementName("P_Picture", seat), QRect(x + 3, y + 32, 33, 33));
    const std::array<std::array<QLabel*, 6>*, 3> dice{&Image1, &Image2, &Image3};
    constexpr std::array<const char*, 3> diceNames{"Image1", "Image2", "Image3"};
    for (int die = 0; die < 3; ++die) {
        (*dice[die])[seat] = picture(table, elementName(diceNames[die], seat),
                                     QRect(x + twips(630 + 510 * die), y + 32, twips(495), twips(495)));
    }
    P_reason[seat] = label(table, elementName("P_reason", seat), QRect(x + 39, y + 29, 107, 39), Qt::AlignCenter);
    paintText(P_reason[seat], tableColours::HandBlack, false, -2);
    P_reason[seat]->setWordWrap(true);  // a line too long for the tray wraps rather than being cut
    P_kail[seat] = label(table, elementName("P_kail", seat), QRect(x + 149, y + 29, 38, 16));
    paintText(P_kail[seat], quietText, false, -1);
    P_Label[seat] = label(table, elementName("P_Label", seat), QRect(x + 187, y + 29, 20, 16),
                          Qt::AlignRight | Qt::AlignVCenter);
    paintText(P_Label[seat], quietText, false, -1);
    P_yaku[seat] = label(table, elementName("P_yaku", seat), QRect(x + 148, y + 46, 61, 20));
    paintText(P_yaku[seat], tableColours::HandBlack, true);

    bent_Image[seat] = picture(table, elementName("bent_Image", seat), QRect(x + 5, y + 73, 16, 16));
    showPicture(bent_Image[seat], QStringLiteral("bent.gif"));
    liveToolTip(this, bent_Image[seat], [] { return tr("ﾍﾞﾝﾄ"); });
    P_betLab[seat] = label(table, elementName("P_betLab", seat), QRect(x + 23, y + 71, 36, 20),
                           Qt::AlignRight | Qt::AlignVCenter);
    paintText(P_betLab[seat], valueText, true);
    liveToolTip(this, P_betLab[seat], [] { return tr("ﾍﾞﾝﾄ"); });
    HScr[seat] = named(new BetScrollBar(table), elementName("HScr", seat));
    HScr[seat]->setGeometry(x + 64, y + 73, 118, 16);
    liveToolTip(this, HScr[seat], [] { return tr("ﾍﾞﾝﾄ"); });
    auto_Image[seat] = picture(table, elementName("auto_Image", seat), QRect(x + 189, y + 73, 16, 16));
    liveToolTip(this, auto_Image[seat], [] { return tr("コンピュータ"); });
    showPicture(auto_Image[seat], QStringLiteral("auto.gif"));
}

void frmMain::connectControls()
{
    connect(setting, &QAction::triggered, this, &frmMain::setting_Click);
    connect(Gamein, &QAction::triggered, this, &frmMain::Gamein_Click);
    connect(Gameout, &QAction::triggered, this, &frmMain::Gameout_Click);
    connect(iniread, &QAction::triggered, this, &frmMain::iniread_Click);
    connect(GameEnd, &QAction::triggered, this, &frmMain::GameEnd_Click);
    connect(total, &QAction::triggered, this, &frmMain::Total_Click);
    connect(turnHistory, &QAction::triggered, this, &frmMain::turnHistory_Click);
    connect(gameResult, &QAction::triggered, this, &frmMain::gameResult_Click);
    connect(P_speedHi, &QAction::triggered, this, &frmMain::P_speedHi_Click);
    connect(P_speedLo, &QAction::triggered, this, &frmMain::P_speedLo_Click);
    connect(P_soundon, &QAction::triggered, this, &frmMain::P_soundon_Click);
    connect(P_soundoff, &QAction::triggered, this, &frmMain::P_soundoff_Click);
    connect(P_Help1, &QAction::triggered, this, &frmMain::P_Help1_Click);
    connect(P_readme, &QAction::triggered, this, &frmMain::P_readme_Click);
    connect(P_odds, &QAction::triggered, this, &frmMain::P_odds_Click);
    connect(GameVer, &QAction::triggered, this, &frmMain::GameVer_Click);
    connect(bent_Label, &QPushButton::clicked, this, &frmMain::bent_Label_Click);
    connect(turn_Label, &QPushButton::clicked, this, &frmMain::turn_Label_Click);
    connect(turn2_Label, &QPushButton::clicked, this, &frmMain::turn2_Label_Click);
    connect(suru_Label, &QPushButton::clicked, this, &frmMain::suru_Label_Click);
    connect(speed_Image, &ClickableImage::clicked, this, &frmMain::speed_Image_Click);
    connect(sound_Image, &ClickableImage::clicked, this, &frmMain::sound_Image_Click);
    for (int seat = 0; seat < 6; ++seat)
        connect(HScr[seat], &QScrollBar::valueChanged, this, [this, seat] { HScr_Change(seat); });
}

void frmMain::Form_Load()
{
    program::GameFlag = 0;
    gameLab->setText(QStringLiteral("game 0"));
    Gameout->setEnabled(false);
    iniread->setEnabled(false);
    program::SpeedLevel = 7;
    P_False();
    state.YakuWord = rules::handWords();
    program::SoundFlag = 1;
    P_soundon->setChecked(true);
    // A message of the reading is centred over the table, so the table takes its size and place
    // first, and again for the seat count the file holds.
    layOutEmptyTable();
    ReadSettingsFile();
    showSpeedState();
    showSoundState();
    layOutEmptyTable();
}

// No game yet: the table shows the empty seats a new game would fill, without bets, scroll bars or
// computer marks, centred on the screen at the height for that many seats.
void frmMain::layOutEmptyTable()
{
    for (int seat = 0; seat < 6; ++seat) {
        showSeat(seat, seat < program::GameSettings.seatsInPlay());
        for (QWidget* part : std::initializer_list<QWidget*>{bent_Image[seat], auto_Image[seat], HScr[seat], P_reason[seat]})
            part->hide();
    }
    sizeForSeats();
    centreOnScreen(this, QGuiApplication::primaryScreen());
}

void frmMain::showSeat(int seat, bool inPlay)
{
    const std::array<QWidget*, 7> parts{HScr[seat],      P_Shape[seat],    Shape3[seat],  bent_Image[seat],
                                        auto_Image[seat], P_Shape2[seat], P_Picture[seat]};
    for (QWidget* part : parts)
        part->setVisible(inPlay);
    if (!inPlay) {
        P_reason[seat]->hide();
        P_nameLab[seat]->clear();
        P_scoLab[seat]->clear();
    }
}

void frmMain::sizeForSeats()
{
    const bool bottomRow = program::GameSettings.seatsInPlay() >= 5;
    setFixedSize(twips(7140), twips((bottomRow ? 6825 : 5175) + (m_room ? RoomTable::StripTwips : 0)));
    Image4[1]->setVisible(bottomRow);
}

void frmMain::showPortrait(int seat)
{
    showPicture(P_Picture[seat], portraitFile(program::GameSettings.image(seat)));
}

void frmMain::setting_Click()
{
    if (!settingsWindow) {
        settingsWindow = new frmSet(this);
        connect(settingsWindow, &frmSet::settingsApplied, this, &frmMain::showSettingLabels);
        settingsWindow->show();
    }
    settingsWindow->raise();
    settingsWindow->activateWindow();
}

void frmMain::Total_Click()
{
    if (!tallyWindow) {
        tallyWindow = new frmTotal(this);
        tallyWindow->show();
    }
    tallyWindow->raise();
    tallyWindow->activateWindow();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // Closing the table ends the program, also in the middle of a throw sequence: the pauses
    // end at once and the sequence returns before anything else touches the table.
    platform().endWaits();
    if (m_room)
        m_room->leave();
    closeOptionWindows();
    if (settingsWindow)
        settingsWindow->close();
    // The tally, odds, history and result windows go with the table.
    for (QWidget* window : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (window->isWindow())
            window->close();
    }
    event->accept();
}
