#pragma once

#include <QString>
#include <QtGlobal>

// The sound of a throw follows the pace of the animation: a long rattle when slow, a short one when fast.
QString throwSound(qint16 speedLevel);
