#pragma once

#include "game/GameHistory.h"

#include <QList>
#include <QPointF>
#include <QString>

// The history as a table of text, one row per seat and turn, shared by the history window and
// the CSV export so that both say the same.
namespace historyTable {

enum Column { TurnColumn, BankerColumn, NameColumn, ThrowsColumn, HandColumn, BetColumn, PaymentColumn,
              ScoreColumn, ReasonColumn, ColumnCount };
// A network game's CSV has four more: the turn's commitment, seed, the seat's contribution and
// the draws of the computer's bets (empty for a turn without a proof).
enum ProofColumn { CommitmentColumn = ColumnCount, SeedColumn, ContributionColumn, BetDrawsColumn, ProofColumnEnd };

QString header(int column);

// Rows of the game: its turns times its seats. Row r is seat r % seats of turn r / seats.
int rowCount(const GameHistory& history);
// The text of a cell; payment and score stay empty until the turn is settled, the bet is empty
// for the banker, and a row or column outside the table gives empty text.
QString cell(const GameHistory& history, int row, int column);

// Faces of the throws, "4-5-6 / 1-2-4"; a die out of the bowl is "×".
QString throwsText(const SeatTurn& seatTurn);

// The whole table as CSV (header first, lines ending in CR LF), with the proof columns when the game
// has proofs; fields holding a comma, a double
// quote or a line break are quoted, their quotes doubled. A text a spreadsheet would run as a
// formula (beginning with =, +, -, @, TAB or CR) gets a leading apostrophe; numbers stay plain.
QString csv(const GameHistory& history);
QString csvField(const QString& text);

// Each seat's score over the game for a chart: (0, starting score), then (turn, score after it)
// for every settled turn.
QList<QList<QPointF>> scoreLines(const GameHistory& history);
// The point of each seat that the last settled turn adds to those lines; none before the first.
QList<QPointF> lastScorePoints(const GameHistory& history);

}  // namespace historyTable
