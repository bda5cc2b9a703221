// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scripted fakes of every platform service, and a Platform made of them, so a
// test can build its App without a single real dialog.

#include "gui/platform/Platform.h"
#include "gui/platform/testing/FakeMessageBoxes.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace kuyu::gui::testing {

// The file dialog: answers with the queued paths in turn; an empty queue, or
// a queued cancel, is a cancel. Remembers every call.
class FakeDialogs : public Dialogs {
  public:
    void queuePath(const QString& path) { queue_.append(path); }
    void queueCancel() { queue_.append(std::nullopt); }

    std::optional<QString> openFile(QWidget* parent, const QString& title,
                                    const QStringList& filters,
                                    FileChoice kind = FileChoice::DataFile) override;
    QString lastFileName() const override { return last_; }
    // The folder and save dialogs answer from the same queue, in turn.
    std::optional<QString> chooseFolder(QWidget* parent, const QString& title) override;
    std::optional<QString> saveFile(QWidget* parent, const QString& title,
                                    const QStringList& filters, const QString& suggested) override;

    // The printer dialog: queued answers in turn (an empty queue cancels).
    void queuePrinter(bool accept, int copies = 1) { printerAnswers_.append({accept, copies}); }
    bool choosePrinter(QWidget* parent) override;
    int copies() const override { return copies_; }
    // The font dialog: queued choices in turn (nullopt or an empty queue cancels).
    void queueFont(std::optional<FontChoice> choice) { fontAnswers_.append(std::move(choice)); }
    std::optional<FontChoice> chooseFont(QWidget* parent) override;
    FontChoice lastFont() const override { return font_; }
    // Before each printout; answers `prepareAnswer`.
    bool prepareOutput(QWidget* parent, const QString& suggestedName) override {
        (void)parent;
        prepared << suggestedName;
        return prepareAnswer;
    }
    bool prepareAnswer = true;
    QStringList prepared;
    int printerCalls = 0;
    int fontCalls = 0;

    struct Call {
        QString title;
        QStringList filters;
        FileChoice kind = FileChoice::DataFile; // openFile's kind
    };
    QList<Call> calls;

  private:
    QList<std::optional<QString>> queue_;
    QString last_;
    QList<std::pair<bool, int>> printerAnswers_;
    int copies_ = 1;
    QList<std::optional<FontChoice>> fontAnswers_;
    FontChoice font_;
};

// Records what the program asked of the help viewer: "contents", "howto",
// "quit", in order.
class FakeHelpViewer : public HelpViewer {
  public:
    void showContents() override { calls << QStringLiteral("contents"); }
    void showHowToUse() override { calls << QStringLiteral("howto"); }
    void quit() override { calls << QStringLiteral("quit"); }
    void setHelpFile(const QString& name) override { helpFile = name; }
    QStringList calls;
    QString helpFile;
};

// A settings store in memory; `failing` makes every read fail (as a broken
// file would) while saves still count.
class MemorySettingsStore : public SettingsStore {
  public:
    bool save(const QString& key, const QStringList& value) override {
        ++saves;
        if (failingSave) {
            return false;
        }
        values[key] = value;
        return true;
    }
    QString location() const override { return QStringLiteral("/memory/kuyu.ini"); }
    std::optional<QStringList> load(const QString& key) const override {
        if (failing || !values.contains(key)) {
            return std::nullopt;
        }
        return values.value(key);
    }
    QMap<QString, QStringList> values;
    int saves = 0;
    bool failing = false;
    bool failingSave = false; // every save fails (an unwritable store)
};

class CountingBeeper : public Beeper {
  public:
    void beep() override { ++count; }
    int count = 0;
};

// A Platform of fakes with typed access to each. The Platform owns them.
struct FakePlatform {
    FakePlatform();
    Platform platform;
    FakeMessageBoxes* messages;
    FakeDialogs* dialogs;
    FakeHelpViewer* help;
    MemorySettingsStore* settings;
    CountingBeeper* beeper;
};

} // namespace kuyu::gui::testing
