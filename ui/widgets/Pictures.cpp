#include "ui/widgets/Pictures.h"

#include "settings/AppFolder.h"

#include <QLabel>
#include <QPixmap>

QString portraitFile(qint16 number)
{
    const QChar last = QString::number(number).back();
    if (last < QLatin1Char('1') || last > QLatin1Char('9'))
        return QString();
    return QStringLiteral("img") + last + QStringLiteral(".gif");
}

QString soundPicture(qint16 soundFlag) { return QStringLiteral("sound_%1.gif").arg(soundFlag); }

QString speedPicture(qint16 speedLevel) { return QStringLiteral("speed_%1.gif").arg(speedLevel); }

void showPicture(QLabel* label, const QString& fileName)
{
    QPixmap picture;
    if (!fileName.isEmpty())
        picture.load(AppFolder() + fileName);
    label->setPixmap(picture);
}
