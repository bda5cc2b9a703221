// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A message box as the core asks for it; the windows show it through the
// message-box adapter. The core decides every word, the title and the icon.

#include "core/text/Text.h"

namespace kuyu {

enum class MessageIcon { None, Critical, Question, Exclamation, Information };
// OkCancel: OK, and a second button that gives up what failed.
enum class MessageButtons { Ok, YesNo, OkCancel };

struct Message {
    Text text;
    Text title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    bool systemModal = false;

    bool operator==(const Message&) const = default;
};

// "エラー番号" + number + "のエラーです"
Text errorNumberText(int number);

} // namespace kuyu
