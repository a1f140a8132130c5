#include "ui/settings/frmSet.h"

#include "game/HousePresets.h"
#include "platform/Platform.h"
#include "settings/NumberText.h"
#include "settings/SettingsLimits.h"
#include "state/Program.h"
#include "ui/options/HelpText.h"
#include "ui/settings/ChoiceBox.h"
#include "ui/settings/SettingsTexts.h"
#include "ui/widgets/CaptionButton.h"
#include "ui/widgets/ControlNames.h"
#include "ui/widgets/EscapeCloses.h"
#include "ui/widgets/LiveTexts.h"
#include "ui/widgets/Pictures.h"
#include "ui/widgets/Twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

using namespace settingsTexts;

// The rows of the seat frame: left column seats 1, 0, 5 from the top, right column 2, 3, 4.
constexpr std::array<int, 6> seatColumn{0, 0, 1, 1, 1, 0};
constexpr std::array<int, 6> seatRow{1, 0, 0, 1, 2, 2};

QStringList numbers(int from, int to)
{
    QStringList list;
    for (int n = from; n <= to; ++n)
        list.append(QString::number(n));
    return list;
}

QFrame* horizontalLine(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

// A group's title and a tab's caption that follow the language, as LiveTexts' own places do.
void liveTitle(QWidget* window, QGroupBox* group, TextInForce text)
{
    LiveTexts::of(window).add({group, "title", [group] { return group->title(); },
                               [group](const QString& shown) { group->setTitle(shown); }},
                              std::move(text));
}

void liveTab(QWidget* window, QTabWidget* tabs, int index, const char* place, TextInForce text)
{
    LiveTexts::of(window).add({tabs, place, [tabs, index] { return tabs->tabText(index); },
                               [tabs, index](const QString& shown) { tabs->setTabText(index, shown); }},
                              std::move(text));
}

}  // namespace

frmSet::frmSet(QWidget* table) : QWidget(table, Qt::Dialog)
{
    setObjectName(QStringLiteral("frmSet"));
    setAttribute(Qt::WA_DeleteOnClose);
    liveWindowTitle(this, [] { return tr("設定"); });

    auto* layout = new QVBoxLayout(this);
    SSTab1 = named(new QTabWidget(this), "SSTab1");
    SSTab1->addTab(buildSeatsTab(), QString());
    SSTab1->addTab(buildNumbersTab(), QString());
    SSTab1->addTab(buildRulesTab(), QString());
    liveTab(this, SSTab1, 0, "tab0", [] { return tr("参加者"); });
    liveTab(this, SSTab1, 1, "tab1", [] { return tr("数値設定"); });
    liveTab(this, SSTab1, 2, "tab2", [] { return tr("特別ﾙｰﾙ"); });
    layout->addWidget(SSTab1);

    auto* buttons = new QHBoxLayout;
    const auto button = [this, buttons](QPushButton*& target, const char* name, const char* text) {
        target = named(new CaptionButton(this), name);
        liveText(this, target, [text] { return tr(text); });
        target->setAutoDefault(false);
        buttons->addWidget(target);
    };
    button(cmdWPPS, "cmdWPPS", QT_TR_NOOP("保存（&S）"));
    button(cmdGPPS, "cmdGPPS", QT_TR_NOOP("読込(&L)"));
    buttons->addStretch();
    button(OKCom, "OKCom", QT_TR_NOOP("OK"));
    button(cmdQuit, "cmdQuit", QT_TR_NOOP("ｷｬﾝｾﾙ(&C)"));
    button(helpcom, "helpcom", QT_TR_NOOP("ﾍﾙﾌﾟ"));
    layout->addLayout(buttons);

    txtPath = named(new QLineEdit(this), "txtPath");
    txtPath->hide();

    connectControls();
    Form_Load();
    showRuleOdds();
    showPresetName();
    fitToTexts();
}

void frmSet::fitToTexts()
{
    // The original client area is the least size; the captions of either language may need more.
    const QSize least(twips(6990), twips(5205));
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    layout()->activate();
    setFixedSize(sizeHint().expandedTo(least));
}

bool frmSet::event(QEvent* event)
{
    // The window's own texts follow first (LiveTexts is a child); then the lists and the lines
    // made of several texts, and the size that fits them.
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::LanguageChange) {
        for (QComboBox* box : Comchar) {
            for (int c = 0; c < rules::CharacterCount; ++c)
                box->setItemText(c, rules::shownCharacterName(rules::Character(c)));
        }
        const auto presets = rules::housePresets();
        for (size_t p = 0; p < presets.size(); ++p)
            Comrule->setItemText(int(p) + 1, rules::shownPresetName(presets[p]));
        showRuleOdds();
        showPresetName();
        fitToTexts();
    }
    return handled;
}

QWidget* frmSet::buildSeatsTab()
{
    auto* page = new QWidget(SSTab1);
    auto* pageLayout = new QVBoxLayout(page);

    Frame2 = named(new QGroupBox(page), "Frame2");
    liveTitle(this, Frame2, [] { return tr("参加人物"); });
    auto* frameLayout = new QVBoxLayout(Frame2);
    auto* countRow = new QHBoxLayout;
    L_Comninzu = named(new QLabel(Frame2), "L_Comninzu");
    liveText(this, L_Comninzu, [] { return tr("参加人数"); });
    Comninzu = named(new ChoiceBox(numbers(2, 6), Frame2), "Comninzu");
    L_Comninzu->setBuddy(Comninzu);
    countRow->addWidget(horizontalLine(Frame2), 1);
    countRow->addWidget(L_Comninzu);
    countRow->addWidget(Comninzu);
    countRow->addWidget(horizontalLine(Frame2), 1);
    frameLayout->addLayout(countRow);

    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(6);
    rows->setVerticalSpacing(8);
    rows->setColumnMinimumWidth(1, 16);
    for (int seat = 0; seat < 6; ++seat)
        rows->addWidget(buildSeatRow(seat, Frame2), seatRow[seat], seatColumn[seat] * 2);
    rows->setColumnStretch(0, 1);
    rows->setColumnStretch(2, 1);
    frameLayout->addLayout(rows);
    pageLayout->addWidget(Frame2);

    Frame8 = named(new QGroupBox(page), "Frame8");
    liveTitle(this, Frame8, [] { return tr("イメージ"); });
    auto* catalogue = new QGridLayout(Frame8);
    catalogue->setVerticalSpacing(2);
    for (int k = 0; k < 9; ++k) {
        L_Image2[k] = named(new QLabel(QStringLiteral("--%1--").arg(k + 1), Frame8), elementName("L_Image2", k));
        L_Image2[k]->setAlignment(Qt::AlignCenter);
        Image2[k] = named(new QLabel(Frame8), elementName("Image2", k));
        Image2[k]->setFixedSize(twips(495), twips(495));
        Image2[k]->setScaledContents(true);
        catalogue->addWidget(L_Image2[k], 0, k, Qt::AlignHCenter);
        catalogue->addWidget(Image2[k], 1, k, Qt::AlignHCenter);
        catalogue->setColumnStretch(k, 1);
    }
    pageLayout->addWidget(Frame8);
    pageLayout->addStretch();
    return page;
}

QWidget* frmSet::buildSeatRow(int seat, QWidget* parent)
{
    // One seat: its number, the name above "自動にする", the picture number and its preview.
    auto* row = new QWidget(parent);
    auto* grid = new QGridLayout(row);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);

    L_seat[seat] = named(new QLabel(QString::number(seat + 1), row), elementName("L_seat", seat));
    L_seat[seat]->setAlignment(Qt::AlignCenter);
    L_seat[seat]->setMinimumWidth(12);
    P_nameTex[seat] = named(new QLineEdit(row), elementName("P_nameTex", seat));
    P_nameTex[seat]->setMinimumWidth(twips(1500));
    P_flgCheck[seat] = named(new QCheckBox(row), elementName("P_flgCheck", seat));
    liveText(this, P_flgCheck[seat], [] { return tr("自動にする"); });
    Comchar[seat] = named(new QComboBox(row), elementName("Comchar", seat));
    for (int c = 0; c < rules::CharacterCount; ++c)
        Comchar[seat]->addItem(rules::shownCharacterName(rules::Character(c)));
    liveToolTip(this, Comchar[seat], [] { return tr("コンピュータの性格"); });
    Comimag[seat] = named(new ChoiceBox(numbers(1, 9), row), elementName("Comimag", seat));
    liveToolTip(this, Comimag[seat], [] { return tr("ｲﾒｰｼﾞ№"); });
    P_Imag[seat] = named(new QLabel(row), elementName("P_Imag", seat));
    P_Imag[seat]->setFixedSize(twips(495), twips(495));
    P_Imag[seat]->setScaledContents(true);
    P_Imag[seat]->setFrameShape(QFrame::StyledPanel);

    grid->addWidget(L_seat[seat], 0, 0, 2, 1);
    grid->addWidget(P_nameTex[seat], 0, 1);
    auto* computer = new QHBoxLayout;
    computer->setSpacing(4);
    computer->addWidget(P_flgCheck[seat]);
    computer->addWidget(Comchar[seat], 1);
    grid->addLayout(computer, 1, 1);
    grid->addWidget(Comimag[seat], 0, 2, 2, 1, Qt::AlignVCenter);
    grid->addWidget(P_Imag[seat], 0, 3, 2, 1, Qt::AlignVCenter);
    grid->setColumnStretch(1, 1);
    return row;
}

QWidget* frmSet::buildNumbersTab()
{
    auto* page = new QWidget(SSTab1);
    auto* pageLayout = new QHBoxLayout(page);

    const auto frame = [this, page](QGroupBox*& target, const char* name, const char* title) {
        target = named(new QGroupBox(page), name);
        liveTitle(this, target, [title] { return tr(title); });
        auto* form = new QFormLayout(target);
        form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
        form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return form;
    };
    const auto field = [this](QFormLayout* form, QLabel*& caption, const char* captionName, const char* text,
                              QWidget* control) {
        caption = named(new QLabel(form->parentWidget()), captionName);
        liveText(this, caption, [text] { return tr(text); });
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        caption->setBuddy(control);
        control->setFixedWidth(twips(1500));
        form->addRow(caption, control);
    };
    const auto lineEdit = [](QLineEdit*& target, const char* name, QWidget* parent) {
        target = named(new QLineEdit(parent), name);
        target->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return target;
    };

    QFormLayout* score = frame(Frame10, "Frame10", QT_TR_NOOP("スコア"));
    field(score, L_Txtscore, "L_Txtscore", QT_TR_NOOP("初期値"), lineEdit(Txtscore, "Txtscore", Frame10));

    QFormLayout* bets = frame(Frame3, "Frame3", QT_TR_NOOP("ベント"));
    field(bets, L_txtBETMAX, "L_txtBETMAX", QT_TR_NOOP("上限"), lineEdit(txtBETMAX, "txtBETMAX", Frame3));
    field(bets, L_txtBETMIN, "L_txtBETMIN", QT_TR_NOOP("下限"), lineEdit(txtBETMIN, "txtBETMIN", Frame3));

    QFormLayout* counts = frame(Frame1, "Frame1", QT_TR_NOOP("回数"));
    field(counts, L_txtLAST, "L_txtLAST", QT_TR_NOOP("ゲームの回数"), lineEdit(txtLAST, "txtLAST", Frame1));
    Comoya = named(new ChoiceBox(numbers(1, 9), Frame1), "Comoya");
    field(counts, L_Comoya, "L_Comoya", QT_TR_NOOP("親の回数"), Comoya);
    Comnagekai = named(new ChoiceBox(numbers(1, 5), Frame1), "Comnagekai");
    liveToolTip(this, Comnagekai, [] { return tr("基本は3回です"); });
    field(counts, L_Comnagekai, "L_Comnagekai", QT_TR_NOOP("振る回数"), Comnagekai);

    // The two frames of the left column line their fields up under each other.
    const int captionWidth = std::max({L_Txtscore->sizeHint().width(), L_txtBETMAX->sizeHint().width(),
                                       L_txtBETMIN->sizeHint().width()});
    for (QLabel* caption : {L_Txtscore, L_txtBETMAX, L_txtBETMIN})
        caption->setMinimumWidth(captionWidth);

    auto* money = new QVBoxLayout;
    money->addWidget(Frame10);
    money->addWidget(Frame3);
    money->addStretch();
    auto* turns = new QVBoxLayout;
    turns->addWidget(Frame1);
    turns->addStretch();
    pageLayout->addLayout(money, 1);
    pageLayout->addLayout(turns, 1);
    return page;
}

QWidget* frmSet::buildRulesTab()
{
    auto* page = new QWidget(SSTab1);
    auto* pageLayout = new QVBoxLayout(page);
    auto* presetRow = new QHBoxLayout;
    L_Comrule = named(new QLabel(page), "L_Comrule");
    liveText(this, L_Comrule, [] { return tr("ハウスルール"); });
    Comrule = named(new QComboBox(page), "Comrule");
    Comrule->addItem(QString());  // the options match no house
    for (const rules::HousePreset& preset : rules::housePresets())
        Comrule->addItem(rules::shownPresetName(preset));
    L_Comrule->setBuddy(Comrule);
    presetRow->addWidget(L_Comrule);
    presetRow->addWidget(Comrule);
    presetRow->addStretch();
    pageLayout->addLayout(presetRow);
    L_preset = named(new QLabel(page), "L_preset");
    // Two lines whatever the house, so that the tab keeps its size.
    L_preset->setMinimumHeight(2 * L_preset->fontMetrics().lineSpacing());
    pageLayout->addWidget(L_preset);
    auto* grid = new QGridLayout;
    pageLayout->addLayout(grid);

    struct Box {
        QCheckBox** box;
        const char* name;
        const char* caption;
    };
    const auto frame = [this, page](QGroupBox*& target, const char* name, const char* title,
                                    std::initializer_list<Box> boxes) {
        target = named(new QGroupBox(page), name);
        liveTitle(this, target, [title] { return tr(title); });
        auto* column = new QVBoxLayout(target);
        column->setSpacing(2);
        column->setContentsMargins(10, 4, 10, 6);
        for (const Box& b : boxes) {
            *b.box = named(new QCheckBox(target), b.name);
            liveText(this, *b.box, [caption = b.caption] { return tr(caption); });
            column->addWidget(*b.box);
        }
        column->addStretch();
        return target;
    };
    frame(Frame4, "Frame4", QT_TR_NOOP("特別配当"),
          {{&P_Check3, "P_Check3", QT_TR_NOOP("１のゾロ目を５倍勝ちにする")},
           {&P_Check4, "P_Check4", QT_TR_NOOP("１のゾロ目を３倍負けにする")},
           {&P_Check5, "P_Check5", QT_TR_NOOP("５のゾロ目を５倍勝ちにする")}});
    frame(Frame5, "Frame5", QT_TR_NOOP("親の出目で子は？"),
          {{&P_Check1, "P_Check1", QT_TR_NOOP("親が６の目の場合、子は出来る")},
           {&P_Check2, "P_Check2", QT_TR_NOOP("親が１の目の場合、子は出来る")}});
    frame(Frame6, "Frame6", QT_TR_NOOP("親のスルー"),
          {{&P_Check6, "P_Check6", QT_TR_NOOP("親をスルーする事が出来る")},
           {&P_Check7, "P_Check7", QT_TR_NOOP("親をスルーする事が出来るが、1回は必ずする")}});
    frame(Frame7, "Frame7", QT_TR_NOOP("親の出目でスルーする"),
          {{&P_Check8, "P_Check8", QT_TR_NOOP("親がヒフミ(3倍負け含む)の場合")},
           {&P_Check9, "P_Check9", QT_TR_NOOP("親が場外の場合")},
           {&P_Check10, "P_Check10", QT_TR_NOOP("親が役なしの場合")},
           {&P_Check11, "P_Check11", QT_TR_NOOP("親が1の目の場合")}});
    frame(Frame9, "Frame9", QT_TR_NOOP("その他"), {{&P_Check12, "P_Check12", QT_TR_NOOP("場外は役なしと同じとする")}});
    liveToolTip(this, P_Check12, [] { return tr("基本はその場で終了"); });

    grid->addWidget(Frame4, 0, 0);
    grid->addWidget(Frame5, 1, 0);
    grid->addWidget(Frame6, 2, 0);
    grid->addWidget(Frame7, 2, 1, 2, 1);
    grid->addWidget(Frame9, 3, 0);
    grid->setRowStretch(4, 1);
    L_odds = named(new QLabel(page), "L_odds");
    grid->addWidget(L_odds, 5, 0, 1, 2);
    return page;
}

rules::SeatCharacters frmSet::chosenCharacters() const
{
    rules::SeatCharacters characters{};
    for (int seat = 0; seat < 6; ++seat)
        characters[size_t(seat)] = rules::Character(std::max(0, Comchar[seat]->currentIndex()));
    return characters;
}

void frmSet::showCharacters(const rules::SeatCharacters& characters)
{
    for (int seat = 0; seat < 6; ++seat)
        Comchar[seat]->setCurrentIndex(int(characters[size_t(seat)]));
}

bool frmSet::ticked(const QCheckBox* box) { return box->checkState() == Qt::Checked; }

std::array<QCheckBox*, 12> frmSet::checks() const
{
    return {P_Check1, P_Check2, P_Check3, P_Check4,  P_Check5,  P_Check6,
            P_Check7, P_Check8, P_Check9, P_Check10, P_Check11, P_Check12};
}

void frmSet::connectControls()
{
    connect(Comninzu, &ChoiceBox::chosen, this, &frmSet::Comninzu_Click);
    connect(Comninzu, &ChoiceBox::put, this, [this](bool inList) {
        if (inList)
            Comninzu_Click();
    });
    for (int seat = 0; seat < 6; ++seat) {
        // The preview follows whatever the box holds; only the player's choice is checked, since a
        // file may hold any text there (an empty one for a seat out of play).
        connect(Comimag[seat], &ChoiceBox::chosen, this, [this, seat] { Comimag_Click(seat); });
        connect(Comimag[seat], &ChoiceBox::put, this, [this, seat] { showPortrait(seat); });
    }
    connect(Txtscore, &QLineEdit::textChanged, this, &frmSet::Txtscore_Change);
    connect(txtBETMAX, &QLineEdit::textChanged, this, &frmSet::txtBETMAX_Change);
    connect(txtBETMIN, &QLineEdit::textChanged, this, &frmSet::txtBETMIN_Change);
    connect(txtLAST, &QLineEdit::textChanged, this, &frmSet::txtLAST_Change);
    // Choosing from these lists is no change of text; only the dialog's own entries are checked.
    connect(Comoya, &ChoiceBox::put, this, &frmSet::Comoya_Change);
    connect(Comnagekai, &ChoiceBox::put, this, &frmSet::Comnagekai_Change);

    connect(P_Check3, &QCheckBox::stateChanged, this, &frmSet::P_Check3_Click);
    connect(P_Check4, &QCheckBox::stateChanged, this, &frmSet::P_Check4_Click);
    connect(P_Check5, &QCheckBox::stateChanged, this, &frmSet::P_Check5_Click);
    connect(P_Check6, &QCheckBox::stateChanged, this, &frmSet::P_Check6_Click);
    connect(P_Check7, &QCheckBox::stateChanged, this, &frmSet::P_Check7_Click);
    for (QCheckBox* box : checks()) {
        connect(box, &QCheckBox::stateChanged, this, &frmSet::showRuleOdds);
        connect(box, &QCheckBox::stateChanged, this, &frmSet::showPresetName);
    }
    connect(Comnagekai, &ChoiceBox::put, this, &frmSet::showRuleOdds);
    connect(Comnagekai, &ChoiceBox::chosen, this, &frmSet::showRuleOdds);
    for (ChoiceBox* count : {Comnagekai, Comoya}) {
        connect(count, &ChoiceBox::put, this, &frmSet::showPresetName);
        connect(count, &ChoiceBox::chosen, this, &frmSet::showPresetName);
    }
    connect(Comrule, &QComboBox::activated, this, &frmSet::Comrule_Click);
    // A box greyed by a settings file becomes a plain two-state box once the player clicks it.
    std::array<QCheckBox*, 18> boxes{};
    std::copy(P_flgCheck.begin(), P_flgCheck.end(), boxes.begin());
    const auto rules = checks();
    std::copy(rules.begin(), rules.end(), boxes.begin() + 6);
    for (QCheckBox* box : boxes)
        connect(box, &QCheckBox::clicked, box, [box] { box->setTristate(false); });

    connect(OKCom, &QPushButton::clicked, this, &frmSet::OKCom_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmSet::cmdQuit_Click);
    connect(helpcom, &QPushButton::clicked, this, &frmSet::helpcom_Click);
    connect(cmdWPPS, &QPushButton::clicked, this, &frmSet::cmdWPPS_Click);
    connect(cmdGPPS, &QPushButton::clicked, this, &frmSet::cmdGPPS_Click);
    new EscapeCloses(this);
}

void frmSet::Form_Load()
{
    const SettingsRecord& settings = program::GameSettings;
    // Each fill runs the field's check, as any change does; the checks read GameSettings afresh.
    Comninzu->setText(QString::number(settings.NINZU));
    putText(Txtscore, QString::number(settings.SCORE));
    putText(txtBETMAX, QString::number(settings.BETMAX));
    putText(txtBETMIN, QString::number(settings.BETMIN));
    Comoya->setText(QString::number(settings.OYA));
    putText(txtLAST, QString::number(settings.LAST));
    Comnagekai->setText(QString::number(settings.NAGEKAI));

    for (int k = 0; k < 9; ++k)
        showPicture(Image2[k], portraitFile(static_cast<qint16>(k + 1)));

    const int inPlay = program::GameSettings.seatsListed();
    for (int seat = 0; seat < inPlay; ++seat) {
        P_nameTex[seat]->setText(settings.name(seat));
        Comimag[seat]->setText(QString::number(settings.image(seat)));
        if (settings.flag(seat) == 1)
            P_flgCheck[seat]->setChecked(true);
        Comchar[seat]->setCurrentIndex(int(program::Characters[size_t(seat)]));
    }
    for (int seat = inPlay; seat < 6; ++seat)
        setSeatRowEnabled(seat, false);

    const auto boxes = checks();
    for (int n = 1; n <= 12; ++n) {
        if (settings.check(n) == 1)
            boxes[n - 1]->setChecked(true);
    }

    txtPath->setText(presetPath());

    if (program::GameFlag != 0) {
        LockSettings();
    } else {
        UnlockSettings();
        applyStoredInterlocks();
    }
}

void frmSet::setSeatRowEnabled(int seat, bool enabled)
{
    P_nameTex[seat]->setEnabled(enabled);
    P_flgCheck[seat]->setEnabled(enabled);
    Comchar[seat]->setEnabled(enabled);
    Comimag[seat]->setEnabled(enabled);
}

std::array<QWidget*, 22> frmSet::lockedInGame() const
{
    std::array<QWidget*, 22> controls{Comninzu, Txtscore, txtBETMAX, txtBETMIN, Comoya,
                                      txtLAST,  Comnagekai, cmdGPPS, cmdWPPS, Comrule};
    const auto rules = checks();
    std::copy(rules.begin(), rules.end(), controls.begin() + 10);
    return controls;
}

void frmSet::LockSettings()
{
    for (int seat = 0; seat < program::GameSettings.seatsListed(); ++seat) {
        P_flgCheck[seat]->setEnabled(false);
        Comchar[seat]->setEnabled(false);
    }
    for (QWidget* control : lockedInGame())
        control->setEnabled(false);
}

void frmSet::UnlockSettings()
{
    for (int seat = 0; seat < 6; ++seat) {
        P_flgCheck[seat]->setEnabled(true);
        Comchar[seat]->setEnabled(true);
    }
    for (QWidget* control : lockedInGame())
        control->setEnabled(true);
}

void frmSet::excludeOtherPayouts(bool onesPayFive)
{
    // A triple of ones paying five excludes both other special payouts: they are cleared and closed.
    for (QCheckBox* box : {P_Check4, P_Check5}) {
        if (onesPayFive)
            box->setChecked(false);
        box->setEnabled(!onesPayFive);
    }
}

void frmSet::applyStoredInterlocks()
{
    // From the stored options, not from the boxes; P_CHECK5 comes last and decides P_Check3.
    const SettingsRecord& settings = program::GameSettings;
    excludeOtherPayouts(settings.check(3) == 1);
    P_Check3->setEnabled(settings.check(4) != 1);
    P_Check3->setEnabled(settings.check(5) != 1);
    P_Check7->setEnabled(settings.check(6) != 1);
    P_Check6->setEnabled(settings.check(7) != 1);
}

void frmSet::Comninzu_Click()
{
    const std::optional<qint16> value = toInt16(Comninzu->text());
    if (!value)
        platform().warn(this, shown(digitsMessage));
    if (!value || *value < 2 || *value > 6) {
        Comninzu->setText(QStringLiteral("6"));  // a list item: this handler runs again with it
        return;
    }
    for (int seat = 0; seat < 6; ++seat)
        setSeatRowEnabled(seat, seat < *value);
}

void frmSet::Comimag_Click(int index)
{
    showPortrait(index);
    if (!toInt16(Comimag[index]->text()))
        platform().warn(this, shown(digitsMessage));
}

void frmSet::showPortrait(int seat)
{
    if (const std::optional<qint16> number = toInt16(Comimag[seat]->text()))
        showPicture(P_Imag[seat], portraitFile(*number));
    else
        P_Imag[seat]->clear();
}

void frmSet::P_Check3_Click() { excludeOtherPayouts(ticked(P_Check3)); }

// Each rule looks at its own box only: clearing one of 4 and 5 frees 3 although the other is ticked.
void frmSet::P_Check4_Click() { P_Check3->setEnabled(!ticked(P_Check4)); }
void frmSet::P_Check5_Click() { P_Check3->setEnabled(!ticked(P_Check5)); }
void frmSet::P_Check6_Click() { P_Check7->setEnabled(!ticked(P_Check6)); }
void frmSet::P_Check7_Click() { P_Check6->setEnabled(!ticked(P_Check7)); }

void frmSet::cmdQuit_Click() { close(); }

void frmSet::closeEvent(QCloseEvent* event)
{
    // The number fields store into GameSettings as they change, and a closed dialog leaves them
    // there; whatever way it closes, they are brought into the ranges a game can be played with.
    SettingsRecord& settings = program::GameSettings;
    if (settings.NINZU < 2 || settings.NINZU > 6)
        settings.NINZU = 6;
    normaliseEditedFields(settings);
    event->accept();
}

void frmSet::helpcom_Click() { openHelpText(this, QStringLiteral("Help1.txt")); }
