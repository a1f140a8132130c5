#include "settings/SettingsLimits.h"

#include <QtGlobal>

void normaliseEditedFields(SettingsRecord& s)
{
    if (s.SCORE < s.BETMAX)
        s.SCORE = s.BETMAX;
    if (s.SCORE > 999999)
        s.SCORE = 999999;
    if (s.BETMAX > 9999)
        s.BETMAX = 9999;
    if (s.BETMIN > s.BETMAX)
        s.BETMIN = s.BETMAX;
    if (s.BETMIN < 0)
        s.BETMIN = 0;
    if (s.OYA < 1 || s.OYA > 9)
        s.OYA = 3;
    if (s.LAST > 9999)
        s.LAST = 9999;
    if (s.LAST < 1)
        s.LAST = 30;
}

void normaliseSettings(SettingsRecord& s)
{
    if (s.NINZU < 2 || s.NINZU > 6)
        s.NINZU = 6;
    normaliseEditedFields(s);
    if (s.NAGEKAI < 1 || s.NAGEKAI > 5)
        s.NAGEKAI = 3;
    for (int seat = 0; seat < s.NINZU; ++seat) {
        if (s.name(seat).isEmpty())
            s.name(seat) = QStringLiteral("○△□");
    }
}
