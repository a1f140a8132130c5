#include "platform/Platform.h"

#include "platform/QtPlatform.h"

namespace {

Platform* replacementPlatform = nullptr;

}  // namespace

Platform& platform()
{
    if (replacementPlatform)
        return *replacementPlatform;
    static QtPlatform real;
    return real;
}

void setPlatform(Platform* replacement) { replacementPlatform = replacement; }
