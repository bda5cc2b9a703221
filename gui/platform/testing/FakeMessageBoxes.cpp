// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/platform/testing/FakeMessageBoxes.h"

#include "gui/platform/QtText.h"

namespace kuyu::gui::testing {

Answer FakeMessageBoxes::show(QWidget*, const Message& message) {
    shown.append(message);
    const QString title = qs(message.title);
    const QString text = qs(message.text);
    if (queue_.isEmpty()) {
        errors_ << QStringLiteral("unexpected message box: [%1] %2").arg(title, text);
        // The cautious answer, so an unexpected retry prompt cannot loop.
        if (message.buttons == MessageButtons::OkCancel) {
            return Answer::Cancel;
        }
        return message.buttons == MessageButtons::YesNo ? Answer::No : Answer::Ok;
    }
    const Expectation e = queue_.takeFirst();
    if (e.title != title || e.text != text) {
        errors_
            << QStringLiteral("expected [%1] %2 but got [%3] %4").arg(e.title, e.text, title, text);
    }
    return e.answer;
}

QStringList FakeMessageBoxes::failures() const {
    QStringList all = errors_;
    for (const auto& e : queue_) {
        all << QStringLiteral("expected message box never shown: [%1] %2").arg(e.title, e.text);
    }
    return all;
}

} // namespace kuyu::gui::testing
