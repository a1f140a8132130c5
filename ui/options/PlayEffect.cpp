#include "ui/options/PlayEffect.h"

#include "platform/Platform.h"
#include "settings/AppFolder.h"
#include "state/Program.h"

void PlayEffect(const QString& fileName)
{
    if (program::SoundFlag == 1)
        platform().playSound(AppFolder() + fileName);
}
