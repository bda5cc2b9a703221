// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A plant's note file as the note window shows it.

#include "core/text/Text.h"

#include <string_view>

namespace kuyu {

// The note text of a file's content: decoded (CP932, or UTF-8 after a byte
// order mark), every line ended by CR LF, the last one included. CR LF, a
// lone CR and a lone LF all end a line.
Text NoteText(std::string_view bytes);

} // namespace kuyu
