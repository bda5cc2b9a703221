// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scripted message boxes for tests: queue what the next boxes must say and
// what the "user" answers. An unexpected box, or a mismatch, is recorded as a
// failure; so is an expectation left over (check with verify()).

#include "gui/platform/Platform.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace kuyu::gui::testing {

class FakeMessageBoxes : public MessageBoxes {
  public:
    struct Expectation {
        QString title;
        QString text;
        Answer answer = Answer::Ok;
    };

    // Expect a box with this title and text; answer it with `answer`.
    void expect(const QString& title, const QString& text, Answer answer = Answer::Ok) {
        queue_.append({title, text, answer});
    }

    Answer show(QWidget* parent, const Message& message) override;

    // Every box shown, in order (title, text, icon, buttons).
    QList<Message> shown;
    // Empty when every box was expected and every expectation met.
    QStringList failures() const;
    bool verify() const { return failures().isEmpty(); }
    void reset() {
        queue_.clear();
        shown.clear();
        errors_.clear();
    }

  private:
    QList<Expectation> queue_;
    QStringList errors_;
};

} // namespace kuyu::gui::testing
