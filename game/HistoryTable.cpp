#include "game/HistoryTable.h"

#include "game/HandName.h"
#include "game/Standings.h"

#include <QCoreApplication>

#include <QStringList>

#include <algorithm>

namespace historyTable {

namespace {

QString faceText(qint16 face)
{
    return face >= 1 && face <= 6 ? QString::number(face) : QStringLiteral("×");
}

// Spreadsheet programs take a cell beginning with one of these for a formula. A leading
// apostrophe keeps such a text as text, and the programs show it without the apostrophe.
QString inertText(const QString& text)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    return !text.isEmpty() && formulaStarts.contains(text.front()) ? QLatin1Char('\'') + text : text;
}

// The columns of names and words; the others hold numbers, signed ones included, and stay as they are.
bool textColumn(int column)
{
    return column == BankerColumn || column == NameColumn || column == ThrowsColumn || column == HandColumn;
}

// The hand in the language in force; a record whose value is no hand keeps the name it was given.
QString shownHandName(const SeatTurn& seatTurn)
{
    const QString name = rules::handName(seatTurn.handValue);
    return name.isEmpty() ? seatTurn.handName : name;
}

QPointF scorePoint(const TurnRecord& turn, int seat)
{
    return {double(turn.number), double(turn.seats[seat].score)};
}

QString proofCell(const TurnProofRecord* proof, int seat, int column)
{
    if (proof == nullptr)
        return {};
    switch (column) {
    case CommitmentColumn: return proof->commitment;
    case SeedColumn: return proof->seed;
    case ContributionColumn: return proof->contributions.value(seat);
    case BetDrawsColumn: return proof->betDraws;
    default: return {};
    }
}

}  // namespace

QString header(int column)
{
    static const char* const headers[ProofColumnEnd]{
        QT_TRANSLATE_NOOP("HistoryTable", "ターン"), QT_TRANSLATE_NOOP("HistoryTable", "親"),
        QT_TRANSLATE_NOOP("HistoryTable", "名前"),   QT_TRANSLATE_NOOP("HistoryTable", "出目"),
        QT_TRANSLATE_NOOP("HistoryTable", "役"),     QT_TRANSLATE_NOOP("HistoryTable", "賭け"),
        QT_TRANSLATE_NOOP("HistoryTable", "支払い"), QT_TRANSLATE_NOOP("HistoryTable", "持ち点"),
        QT_TRANSLATE_NOOP("HistoryTable", "理由"),   QT_TRANSLATE_NOOP("HistoryTable", "コミットメント"),
        QT_TRANSLATE_NOOP("HistoryTable", "シード"), QT_TRANSLATE_NOOP("HistoryTable", "寄与"),
        QT_TRANSLATE_NOOP("HistoryTable", "ベントの乱数")};
    return column >= 0 && column < ProofColumnEnd ? QCoreApplication::translate("HistoryTable", headers[column])
                                               : QString();
}

int rowCount(const GameHistory& history) { return int(history.turns().size()) * history.seats(); }

QString cell(const GameHistory& history, int row, int column)
{
    if (row < 0 || row >= rowCount(history))
        return {};
    const TurnRecord& turn = history.turns()[row / history.seats()];
    const int seat = row % history.seats();
    const SeatTurn& seatTurn = turn.seats[seat];
    switch (column) {
    case TurnColumn:
        return QString::number(turn.number);
    case BankerColumn:
        return seat == turn.banker ? QCoreApplication::translate("HistoryTable", "親") : QString();
    case NameColumn:
        return history.names()[seat];
    case ThrowsColumn:
        return throwsText(seatTurn);
    case HandColumn:
        return shownHandName(seatTurn);
    case BetColumn:
        return seat == turn.banker ? QString() : QString::number(seatTurn.bet);
    case PaymentColumn:
        return turn.settled ? signedText(seatTurn.payment) : QString();
    case ScoreColumn:
        return turn.settled ? QString::number(seatTurn.score) : QString();
    case ReasonColumn:
        return seatTurn.reason;
    default:
        return proofCell(history.proof(turn.number), seat, column);
    }
}

QString throwsText(const SeatTurn& seatTurn)
{
    QStringList throws;
    for (const std::array<qint16, 3>& faces : seatTurn.throws)
        throws.append(faceText(faces[0]) + QLatin1Char('-') + faceText(faces[1]) + QLatin1Char('-') + faceText(faces[2]));
    return throws.join(QStringLiteral(" / "));
}

QString csv(const GameHistory& history)
{
    const int columns = history.hasProofs() ? int(ProofColumnEnd) : int(ColumnCount);
    const auto line = [columns](auto textOfColumn) {
        QStringList fields;
        for (int column = 0; column < columns; ++column)
            fields.append(csvField(textOfColumn(column)));
        return fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    };
    QString text = line([](int column) { return header(column); });
    for (int row = 0; row < rowCount(history); ++row)
        text += line([&history, row](int column) {
            const QString value = cell(history, row, column);
            return textColumn(column) ? inertText(value) : value;
        });
    return text;
}

QString csvField(const QString& text)
{
    static const QString special = QStringLiteral(",\"\r\n");
    if (std::none_of(text.cbegin(), text.cend(), [](QChar c) { return special.contains(c); }))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QList<QList<QPointF>> scoreLines(const GameHistory& history)
{
    QList<QList<QPointF>> lines(history.seats(), {QPointF(0, double(history.startingScore()))});
    for (const TurnRecord& turn : history.turns()) {
        if (!turn.settled)
            continue;
        for (int seat = 0; seat < history.seats(); ++seat)
            lines[seat].append(scorePoint(turn, seat));
    }
    return lines;
}

QList<QPointF> lastScorePoints(const GameHistory& history)
{
    const auto last = std::find_if(history.turns().crbegin(), history.turns().crend(),
                                   [](const TurnRecord& turn) { return turn.settled; });
    QList<QPointF> points;
    for (int seat = 0; last != history.turns().crend() && seat < history.seats(); ++seat)
        points.append(scorePoint(*last, seat));
    return points;
}

}  // namespace historyTable
