#include "settings/SplitText.h"

qint32 SplitText(const QString& text, const QString& separator, QStringList& pieces)
{
    // Copies first: the caller may pass an element of pieces as the text or the separator.
    const QString source = text;
    const QString sep = separator;
    pieces.clear();
    if (sep.isEmpty()) {
        // An empty separator occurs nowhere; searching for it would never advance.
        pieces.append(source);
        return 0;
    }
    qsizetype start = 0;
    for (;;) {
        const qsizetype found = source.indexOf(sep, start, Qt::CaseSensitive);
        if (found < 0)
            break;
        pieces.append(source.mid(start, found - start));
        start = found + sep.size();
    }
    pieces.append(source.mid(start));
    return static_cast<qint32>(pieces.size() - 1);
}
