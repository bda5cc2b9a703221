// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The platform services the windows rely on, behind small interfaces: a real
// Qt implementation for the program and a scripted fake for the tests, so no
// test ever blocks on a modal dialog.

#include "core/Message.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace kuyu::gui {

enum class Answer { Ok, Yes, No, Cancel };

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // Shows the box and returns the button the user pressed.
    virtual Answer show(QWidget* parent, const Message& message) = 0;
};

// A font as the font dialog gives it: face, size, bold, italic, underline,
// strike-through, and its colour.
struct FontChoice {
    QFont font;
    QColor colour = Qt::black;
};

// What a file is opened for. Each kind keeps its own last choice: a person
// attaching photos expects the folder of the last photo, not the folder of
// the data file.
enum class FileChoice { DataFile, Attachment, Spreadsheet };

// File-open, printer and font dialogs. They keep their choices for the run,
// and report a cancel by returning nullopt / false.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Returns the chosen file's absolute path, or nullopt on cancel.
    // `filters` are Qt name filters, e.g. "Data Files (*.dat)".
    virtual std::optional<QString> openFile(QWidget* parent, const QString& title,
                                            const QStringList& filters,
                                            FileChoice kind = FileChoice::DataFile) = 0;
    // The data file chosen last (kept for the run), empty before the first
    // choice.
    virtual QString lastFileName() const = 0;
    // A folder (made in the dialog if need be); nullopt on cancel.
    virtual std::optional<QString> chooseFolder(QWidget* parent, const QString& title) {
        (void)parent;
        (void)title;
        return std::nullopt;
    }
    // A file to write, `suggested` offered first; nullopt on cancel.
    virtual std::optional<QString> saveFile(QWidget* parent, const QString& title,
                                            const QStringList& filters, const QString& suggested) {
        (void)parent;
        (void)title;
        (void)filters;
        (void)suggested;
        return std::nullopt;
    }

    // The printer dialog over the program's one printer. False on cancel; the
    // printer keeps the choice (device, orientation, paper, copies) for the run.
    virtual bool choosePrinter(QWidget* parent) {
        (void)parent;
        return false;
    }
    // That printer; nullptr where there is none (a fake).
    virtual QPrinter* printer() { return nullptr; }
    // Copies chosen last; 1 before any choice.
    virtual int copies() const { return 1; }
    // The font dialog (scalable fonts, with effects and colour). nullopt on
    // cancel; the choice is kept for the run and offered again.
    virtual std::optional<FontChoice> chooseFont(QWidget* parent) {
        (void)parent;
        return std::nullopt;
    }
    virtual FontChoice lastFont() const { return {}; }
    // Just before a printout. Where the printer writes a PDF file (there is
    // no printer here), asks for the file unless it was chosen in the
    // printer dialog for this printout; false on cancel.
    virtual bool prepareOutput(QWidget* parent, const QString& suggestedName) {
        (void)parent;
        (void)suggestedName;
        return true;
    }
};

// The help viewer: contents, its own how-to page, and quitting.
class HelpViewer {
  public:
    virtual ~HelpViewer() = default;
    virtual void showContents() = 0;
    virtual void showHowToUse() = 0;
    virtual void quit() = 0;
    // The help file start-up names; a viewer with one manual may ignore it.
    virtual void setHelpFile(const QString& name) { (void)name; }
};

// Where the toolbar layout is kept between runs.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // False when the value could not be written.
    virtual bool save(const QString& key, const QStringList& value) = 0;
    // nullopt when nothing was saved or it cannot be read.
    virtual std::optional<QStringList> load(const QString& key) const = 0;
    // Where the values are kept, for telling the person (a file path).
    virtual QString location() const { return {}; }
};

class Beeper {
  public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

// Everything together, owned by the application (or by a test).
struct Platform {
    std::unique_ptr<MessageBoxes> messages;
    std::unique_ptr<Dialogs> dialogs;
    std::unique_ptr<HelpViewer> help;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<Beeper> beeper;
};

} // namespace kuyu::gui
