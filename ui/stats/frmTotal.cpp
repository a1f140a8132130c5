#include "ui/stats/frmTotal.h"

#include "game/DiceFairness.h"
#include "game/HandOdds.h"
#include "game/Tally.h"
#include "state/Program.h"
#include "ui/stats/RowLabel.h"
#include "ui/widgets/ControlNames.h"
#include "ui/widgets/EscapeCloses.h"
#include "ui/widgets/LiveTexts.h"
#include "ui/widgets/TableFont.h"
#include "ui/widgets/Twips.h"
#include "ui/widgets/Zoom.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

// The count columns: 16 visible rows of 180 twips, two rows between neighbouring grid lines.
constexpr int ColumnTop = 480;
constexpr int ColumnWidth = 855;
constexpr int ColumnHeight = 2895;
constexpr int RowPitch = 180;
constexpr int FirstRow = 1;
constexpr int LastRow = rules::TallyRows - 1;
// The names in Label7's caption are padded to lines five full-width characters wide: wrapped at
// five cells the caption gives one name per line, whatever the font.
constexpr int NameCells = 5;

constexpr int seatLeft(int seat) { return 1200 + 1080 * seat; }
constexpr int TotalLeft = 7680;
constexpr int ExpectLeft = TotalLeft + 1080;
constexpr int GridRight = ExpectLeft + 960;

const QColor gridColour(224, 224, 224);

QRect twipRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

QFont tallyFont(int pixelSize, bool bold)
{
    QFont font = tableFont();
    font.setPixelSize(zoom::scaled(pixelSize));
    font.setBold(bold);
    return font;
}

RowLabel* rowLabel(QWidget* parent, const QString& name, const QRect& place, int pitch)
{
    auto* label = named(new RowLabel(pitch, parent), name);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

// The counts of rows 1..20, each followed by CR LF.
template <typename CountOfRow>
QString columnText(CountOfRow countOfRow)
{
    QString text;
    for (int row = FirstRow; row <= LastRow; ++row)
        text += QString::number(countOfRow(row)) + QStringLiteral("\r\n");
    return text;
}

}  // namespace

frmTotal::frmTotal(QWidget* table) : QWidget(table, Qt::Window)
{
    setObjectName(QStringLiteral("frmTotal"));
    setAttribute(Qt::WA_DeleteOnClose);
    liveWindowTitle(this, [] { return tr("出目集計"); });
    setFixedSize(twips(GridRight + 90), twips(3840));
    buildControls();
    Form_Load();
}

void frmTotal::buildControls()
{
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);

    // The grid goes first so that the texts are painted over it.
    constexpr std::array<int, 9> lineTops{840, 1200, 1560, 1920, 2280, 2640, 3000, 3360, ColumnTop};
    for (int i = 0; i < int(Line1.size()); ++i) {
        const int left = i == 2 ? 360 : 240;
        Line1[i] = named(new QFrame(this), elementName("Line1", i));
        Line1[i]->setGeometry(twips(left), twips(lineTops[i]), twips(GridRight) - twips(left), 1);
        Line1[i]->setAutoFillBackground(true);
        QPalette line = Line1[i]->palette();
        line.setColor(QPalette::Window, gridColour);
        Line1[i]->setPalette(line);
    }

    // The row names a size below the counts, so that kana that reach above a kanji stay off
    // the grid line over their row.
    const QFont nameFont = tallyFont(10, false);
    const QFont countFont = tallyFont(11, false);
    const QFont headFont = tallyFont(12, true);
    const int pitch = twips(RowPitch);

    Label7 = rowLabel(this, QStringLiteral("Label7"), twipRect(240, ColumnTop, ColumnWidth, ColumnHeight), pitch);
    Label7->setFont(nameFont);
    // A caption of one name per line (the English one) needs no wrap.
    RowLabel* names = Label7;
    LiveTexts::of(this).add({names, "text", [names] { return names->text(); },
                             [names](const QString& shown) {
                                 names->setWrapCells(shown.contains(QLatin1Char('\n')) ? 0 : NameCells);
                                 names->setText(shown);
                             }},
                            [] {
                                return tr("1のゾロ目２のゾロ目３のゾロ目４のゾロ目５のゾロ目６のゾロ目"
                                          "　　　シゴロ　　　６の目　　　５の目　　　４の目　　　３の目"
                                          "　　　２の目　　　１の目　　　役なし　　　場　外　　　ヒフミ　");
                            });

    for (int seat = 0; seat < 6; ++seat) {
        const QRect head = twipRect(seatLeft(seat), 60, ColumnWidth, 375);
        Label1[seat] = rowLabel(this, elementName("Label1", seat), head, head.height());
        Label1[seat]->setFont(headFont);
        Label[seat] = rowLabel(this, elementName("Label", seat),
                               twipRect(seatLeft(seat), ColumnTop, ColumnWidth, ColumnHeight), pitch);
        Label[seat]->setFont(countFont);
    }

    Total = named(new QLabel(QStringLiteral("Total"), this), QStringLiteral("Total"));
    Total->setGeometry(twipRect(TotalLeft, 120, ColumnWidth, 255));
    Total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Total->setFont(headFont);
    Total_Label = rowLabel(this, QStringLiteral("Total_Label"), twipRect(TotalLeft, ColumnTop, ColumnWidth, ColumnHeight),
                           pitch);
    QFont sumFont = countFont;
    sumFont.setBold(true);
    Total_Label->setFont(sumFont);

    Expect = named(new QLabel(this), QStringLiteral("Expect"));
    liveText(this, Expect, [] { return tr("期待数"); });
    Expect->setGeometry(twipRect(ExpectLeft, 120, ColumnWidth, 255));
    Expect->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Expect->setFont(headFont);
    liveToolTip(this, Expect, [] { return tr("集計した役の数から見込まれる、各役の出る数"); });
    Expect_Label = rowLabel(this, QStringLiteral("Expect_Label"),
                            twipRect(ExpectLeft, ColumnTop, ColumnWidth, ColumnHeight), pitch);
    Expect_Label->setFont(countFont);
    QPalette grey = Expect_Label->palette();
    grey.setColor(QPalette::WindowText, QColor(96, 96, 96));
    Expect_Label->setPalette(grey);

    L_fair = named(new QLabel(this), QStringLiteral("L_fair"));
    L_fair->setGeometry(twipRect(240, 3480, 4680, 315));
    L_fair->setFont(countFont);
    liveToolTip(this, L_fair, [] {
        return tr("出た役の数を期待数と比べるカイ二乗検定です。p値が0.01より小さければ、"
                  "サイコロの偏りが疑われます。\n期待数が5に満たない役はひとまとめにし、"
                  "どの組も期待数5以上になってから判定します。");
    });

    Command2 = named(new QPushButton(this), QStringLiteral("Command2"));
    liveText(this, Command2, [] { return tr("集計クリア"); });
    Command2->setGeometry(twipRect(5040, 3480, 1455, 315));
    Command1 = named(new QPushButton(this), QStringLiteral("Command1"));
    liveText(this, Command1, [] { return tr("閉じる"); });
    Command1->setGeometry(twipRect(6840, 3480, 1455, 315));
    connect(Command2, &QPushButton::clicked, this, &frmTotal::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &frmTotal::Command1_Click);
    new EscapeCloses(this);
}

void frmTotal::Form_Load()
{
    const int seats = program::GameSettings.seatsListed();
    program::RollTallySum = rules::tallySums(program::RollTally, seats);
    for (int seat = 0; seat < seats; ++seat) {
        const QString& name = program::GameSettings.name(seat);
        Label1[seat]->setText(name);
        Label1[seat]->setToolTip(name);
    }
    showCounts(seats);
}

// Fills the count columns of seats 0..seats-1 and the sums from RollTally and RollTallySum.
void frmTotal::showCounts(int seats)
{
    for (int seat = 0; seat < seats; ++seat)
        Label[seat]->setText(columnText([seat](int row) { return program::RollTally[row][seat]; }));
    Total_Label->setText(columnText([](int row) { return program::RollTallySum[row]; }));
    showExpected();
}

// The expected counts of the hand rows for the hands in RollTallySum, under the rules in force.
void frmTotal::showExpected()
{
    const rules::TurnOdds odds = rules::turnOdds(program::GameSettings);
    const rules::RowCounts expected =
        rules::expectedRowCounts(odds.finalHand, rules::handsCounted(program::RollTallySum));
    QString text;
    for (int row = FirstRow; row <= LastRow; ++row) {
        if (row <= rules::LastHandRow)
            text += QString::number(double(expected[row]), 'f', 1);
        text += QStringLiteral("\r\n");
    }
    Expect_Label->setText(text);

    const rules::FairnessTest test = rules::diceFairness(program::RollTallySum, odds.finalHand);
    liveText(this, L_fair, [test] {
        return test.meaningful ? tr("サイコロの公平性　p値 %1（χ² %2、自由度 %3）")
                                     .arg(QString::number(test.pValue, 'f', 3))
                                     .arg(QString::number(test.chiSquare, 'f', 2))
                                     .arg(test.degreesOfFreedom)
                               : tr("サイコロの公平性　集計中");
    });
}

void frmTotal::Command2_Click()
{
    rules::clearTally(program::RollTally, program::RollTallySum);
    showCounts(6);
}

void frmTotal::Command1_Click() { close(); }
