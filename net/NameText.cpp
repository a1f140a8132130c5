#include "net/NameText.h"

#include "net/Protocol.h"

#include <QList>

namespace net {
namespace {

bool shown(char32_t codePoint)
{
    switch (QChar::category(codePoint)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return false;
    default:
        return true;
    }
}

// The characters of the text as code points, unpaired surrogates left out.
QList<char32_t> codePoints(const QString& text)
{
    QList<char32_t> points;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text.at(i);
        if (unit.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            points.append(QChar::surrogateToUcs4(unit, text.at(i + 1)));
            ++i;
        } else if (!unit.isSurrogate()) {
            points.append(unit.unicode());
        }
    }
    return points;
}

}  // namespace

QString cleanName(const QString& raw)
{
    QString kept;
    for (const char32_t codePoint : codePoints(raw)) {
        if (shown(codePoint))
            kept.append(QString::fromUcs4(&codePoint, 1));
    }
    const QList<char32_t> trimmed = codePoints(kept.trimmed());
    // Blanks the cut brings to the end go too, so that a cleaned name cleans to itself.
    const QString cut =
        QString::fromUcs4(trimmed.constData(), qMin<qsizetype>(trimmed.size(), MaxNameLength)).trimmed();
    return cut.isEmpty() ? QStringLiteral("○△□") : cut;
}

}  // namespace net
