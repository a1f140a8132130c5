#pragma once

#include <QString>

namespace net {

// A name that came over the network, fit to show and store: control and format characters (the
// bidirectional overrides and isolates among them), line separators and unpaired surrogates are
// removed, blanks at the ends trimmed, and the rest cut to MaxNameLength characters. A name left
// empty becomes "○△□", as an empty name of a seat in play does in the settings.
QString cleanName(const QString& raw);

}  // namespace net
