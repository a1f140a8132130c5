#include "settings/GameSettings.h"
#include "settings/NumberText.h"
#include "settings/ProfileSection.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

// Any bytes as a settings file: the section is parsed and every entry applied to a record, as a
// load does. Sanitizers catch memory faults; the checks below catch a wrongly split entry.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    SettingsRecord settings;
    for (const ProfileEntry& entry : parseProfileSection(bytes)) {
        if (entry.key.contains(u'=') || entry.key.contains(u'\n') || entry.value.contains(u'\n'))
            std::abort();
        setFromText(settings, entry.key, entry.value);
        if (const auto n = toInt32(entry.value); n && toInt16(entry.value) && *toInt16(entry.value) != *n)
            std::abort();
    }
    return 0;
}
