// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/platform/testing/FakePlatform.h"

namespace kuyu::gui::testing {

std::optional<QString> FakeDialogs::openFile(QWidget*, const QString& title,
                                             const QStringList& filters, FileChoice kind) {
    calls.append({title, filters, kind});
    if (queue_.isEmpty()) {
        return std::nullopt;
    }
    const std::optional<QString> answer = queue_.takeFirst();
    if (answer && kind == FileChoice::DataFile) {
        last_ = *answer;
    }
    return answer;
}

std::optional<QString> FakeDialogs::chooseFolder(QWidget*, const QString& title) {
    calls.append({title, {}});
    return queue_.isEmpty() ? std::nullopt : queue_.takeFirst();
}

std::optional<QString> FakeDialogs::saveFile(QWidget*, const QString& title,
                                             const QStringList& filters, const QString&) {
    calls.append({title, filters});
    return queue_.isEmpty() ? std::nullopt : queue_.takeFirst();
}

bool FakeDialogs::choosePrinter(QWidget*) {
    ++printerCalls;
    if (printerAnswers_.isEmpty()) {
        return false;
    }
    const auto [accept, copies] = printerAnswers_.takeFirst();
    if (accept) {
        copies_ = copies;
    }
    return accept;
}

std::optional<FontChoice> FakeDialogs::chooseFont(QWidget*) {
    ++fontCalls;
    if (fontAnswers_.isEmpty()) {
        return std::nullopt;
    }
    auto answer = fontAnswers_.takeFirst();
    if (answer) {
        font_ = *answer;
    }
    return answer;
}

FakePlatform::FakePlatform() {
    auto m = std::make_unique<FakeMessageBoxes>();
    auto d = std::make_unique<FakeDialogs>();
    auto h = std::make_unique<FakeHelpViewer>();
    auto s = std::make_unique<MemorySettingsStore>();
    auto b = std::make_unique<CountingBeeper>();
    messages = m.get();
    dialogs = d.get();
    help = h.get();
    settings = s.get();
    beeper = b.get();
    platform.messages = std::move(m);
    platform.dialogs = std::move(d);
    platform.help = std::move(h);
    platform.settings = std::move(s);
    platform.beeper = std::move(b);
}

} // namespace kuyu::gui::testing
