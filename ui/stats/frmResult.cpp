#include "ui/stats/frmResult.h"

#include "game/GameHistory.h"
#include "game/HandName.h"
#include "game/Standings.h"
#include "state/Program.h"
#include "ui/widgets/ControlNames.h"
#include "ui/widgets/EnterClicks.h"
#include "ui/widgets/EscapeCloses.h"
#include "ui/widgets/LiveTexts.h"
#include "ui/widgets/Pictures.h"
#include "ui/widgets/TableColours.h"
#include "ui/widgets/TableFont.h"
#include "ui/widgets/Zoom.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <array>

namespace {

const QColor winnerColour(184, 120, 0);
const QColor gainColour(0, 110, 0);
const QColor lossColour(192, 0, 0);
constexpr int PortraitSize = 40;

QFont sized(int pixelSize, bool bold)
{
    QFont font = tableFont();
    font.setPixelSize(zoom::scaled(pixelSize));
    font.setBold(bold);
    return font;
}

void paintText(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

}  // namespace

frmResult::frmResult(QWidget* table, const GameHistory* history) : QWidget(table, Qt::Window), m_history(history)
{
    setObjectName(QStringLiteral("frmResult"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    connect(history, &GameHistory::changed, this, &frmResult::showStandings);
    showStandings();
    ensurePolished();
    adjustSize();  // its final size, so that it can be placed before it is shown
}

void frmResult::buildControls()
{
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, tableColours::FrameFill);
    setPalette(background);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(4);
    headLab = named(new QLabel(this), "headLab");
    headLab->setFont(sized(18, true));
    headLab->setAlignment(Qt::AlignCenter);
    grid->addWidget(headLab, 0, 0, 1, 7);

    const std::array<TextInForce, 7> headers{
        [] { return tr("順位"); }, [] { return QString(); },   [] { return tr("名前"); },    [] { return tr("持ち点"); },
        [] { return tr("増減"); }, [] { return tr("親"); }, [] { return tr("最高の役"); }};
    for (int column = 0; column < int(headers.size()); ++column) {
        auto* head = new QLabel(this);
        liveText(this, head, headers[column]);
        head->setFont(sized(12, true));
        head->setAlignment(column >= 3 && column <= 5 ? Qt::AlignRight : Qt::AlignLeft);
        grid->addWidget(head, 1, column);
    }

    const auto cell = [this, grid](const char* name, int row, int column, int pixelSize, Qt::Alignment align) {
        auto* label = named(new QLabel(this), elementName(name, row));
        label->setFont(sized(pixelSize, column <= 2));
        label->setAlignment(align | Qt::AlignVCenter);
        grid->addWidget(label, row + 2, column);
        return label;
    };
    for (int row = 0; row < 6; ++row) {
        rankLab[row] = cell("rankLab", row, 0, 18, Qt::AlignHCenter);
        R_Picture[row] = cell("R_Picture", row, 1, 12, Qt::AlignHCenter);
        R_Picture[row]->setFixedSize(zoom::scaled(PortraitSize), zoom::scaled(PortraitSize));
        R_Picture[row]->setScaledContents(true);
        nameLab[row] = cell("nameLab", row, 2, 14, Qt::AlignLeft);
        nameLab[row]->setMinimumWidth(120);
        scoLab[row] = cell("scoLab", row, 3, 14, Qt::AlignRight);
        gainLab[row] = cell("gainLab", row, 4, 14, Qt::AlignRight);
        oyaLab[row] = cell("oyaLab", row, 5, 14, Qt::AlignRight);
        bestLab[row] = cell("bestLab", row, 6, 14, Qt::AlignLeft);
    }

    closeCommand = named(new QPushButton(this), "closeCommand");
    liveText(this, closeCommand, [] { return tr("閉じる"); });
    grid->addWidget(closeCommand, 8, 5, 1, 2);
    connect(closeCommand, &QPushButton::clicked, this, &QWidget::close);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    new EscapeCloses(this);
    new EnterClicks(this, closeCommand);
}

void frmResult::showStandings()
{
    const int played = int(std::count_if(m_history->turns().cbegin(), m_history->turns().cend(),
                                          [](const TurnRecord& turn) { return turn.settled; }));
    const bool finished = m_history->finished();
    const auto title = [finished] { return finished ? tr("対局結果") : tr("途中経過"); };
    liveWindowTitle(this, title);
    liveText(this, headLab, [title, played] { return title() + tr("　%1ターン").arg(played); });

    const QList<SeatStanding> table = standings(*m_history);
    for (int row = 0; row < 6; ++row) {
        const bool used = row < table.size();
        for (QLabel* label : {rankLab[row], R_Picture[row], nameLab[row], scoLab[row], gainLab[row], oyaLab[row],
                              bestLab[row]})
            label->setVisible(used);
        if (!used)
            continue;
        const SeatStanding& seat = table[row];
        liveText(this, rankLab[row], [rank = seat.rank] { return tr("%1位").arg(rank); });
        paintText(rankLab[row], seat.rank == 1 ? winnerColour : tableColours::HandBlack);
        showPicture(R_Picture[row], portraitFile(program::GameSettings.image(seat.seat)));
        nameLab[row]->setText(seat.name);
        nameLab[row]->setToolTip(seat.name);
        scoLab[row]->setText(QString::number(seat.score));
        gainLab[row]->setText(signedText(seat.gain));
        paintText(gainLab[row], seat.gain > 0 ? gainColour : (seat.gain < 0 ? lossColour : tableColours::HandBlack));
        liveText(this, oyaLab[row], [turns = seat.bankerTurns] { return tr("%1回").arg(turns); });
        liveText(this, bestLab[row], [best = seat.bestHand] {
            return best == 0 ? QStringLiteral("―") : rules::handName(best);
        });
    }
}
