#include "ui/options/ThrowSound.h"

QString throwSound(qint16 speedLevel)
{
    if (speedLevel <= 5)
        return QStringLiteral("beep3.wav");
    if (speedLevel <= 14)
        return QStringLiteral("beep7.wav");
    return QStringLiteral("beep8.wav");
}
