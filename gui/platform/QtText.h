// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text crosses from the core (UTF-32) to Qt here and nowhere else.

#include "core/text/Text.h"

#include <QString>

namespace kuyu::gui {

inline QString qs(const Text& t) {
    return QString::fromUcs4(t.data(), static_cast<qsizetype>(t.size()));
}
inline Text ts(const QString& s) {
    const auto v = s.toUcs4();
    return Text(v.begin(), v.end());
}

} // namespace kuyu::gui
