#include "net/StepLog.h"

#include <QJsonDocument>

namespace net {
namespace {

// The steps of one catch-up message, as compact JSON; the envelope's few bytes come on top.
constexpr qsizetype CatchUpBytes = MaxMessageBytes * 3 / 4;

}  // namespace

void StepLog::record(const RoomStep& step)
{
    if (std::holds_alternative<StateMessage>(step))
        return;
    if (std::holds_alternative<GameStartedMessage>(step)) {
        m_steps.clear();
        m_first = m_position;
        m_kept = true;
    }
    ++m_position;
    if (!m_kept)
        return;
    if (m_steps.size() >= MaxKeptSteps) {
        m_kept = false;
        m_steps.clear();
        return;
    }
    m_steps.append(step);
}

QVector<CatchUpMessage> StepLog::catchUp(qint64 seen) const
{
    if (!m_kept)
        return {CatchUpMessage{m_position, {}, true}};
    const qint64 from = seen >= m_first && seen <= m_position ? seen : m_first;
    QVector<CatchUpMessage> messages{CatchUpMessage{from, {}, false}};
    qsizetype bytes = 0;
    for (qsizetype i = from - m_first; i < m_steps.size(); ++i) {
        const qsizetype size = QJsonDocument(stepObject(m_steps.at(i))).toJson(QJsonDocument::Compact).size() + 1;
        if (bytes + size > CatchUpBytes && !messages.last().steps.isEmpty()) {
            messages.append(CatchUpMessage{m_first + i, {}, false});
            bytes = 0;
        }
        messages.last().steps.append(m_steps.at(i));
        bytes += size;
    }
    messages.last().last = true;
    return messages;
}

}  // namespace net
