#include "ui/widgets/TableFont.h"

#include <QStringList>

QFont tableFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Yu Gothic UI"), QStringLiteral("Meiryo"),
                      QStringLiteral("Hiragino Sans"), QStringLiteral("IPAPGothic"), QStringLiteral("VL PGothic")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(9);
    return font;
}
