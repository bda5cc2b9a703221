// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Message.h"

namespace kuyu {

Text errorNumberText(int number) {
    return U"エラー番号" + decimal(number) + U"のエラーです";
}

} // namespace kuyu
