// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The platform services over Qt: message boxes, the file dialog, the help
// window, the toolbar-layout store and the beep.

#include "gui/platform/Platform.h"

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QFontDialog;
class QPrinter;
class QTextBrowser;

namespace kuyu::gui {

class QtMessageBoxes : public MessageBoxes {
  public:
    Answer show(QWidget* parent, const Message& message) override;
};

// One file dialog for the whole run: the name chosen last for the same kind
// of file is offered again. Before the first choice a data file or a
// spreadsheet is looked for in the current folder, a photo in the pictures
// folder.
class QtDialogs : public Dialogs {
  public:
    std::optional<QString> openFile(QWidget* parent, const QString& title,
                                    const QStringList& filters,
                                    FileChoice kind = FileChoice::DataFile) override;
    QString lastFileName() const override { return remembered(FileChoice::DataFile).file; }
    std::optional<QString> chooseFolder(QWidget* parent, const QString& title) override;
    std::optional<QString> saveFile(QWidget* parent, const QString& title,
                                    const QStringList& filters, const QString& suggested) override;

    bool choosePrinter(QWidget* parent) override;
    QPrinter* printer() override;
    int copies() const override;
    std::optional<FontChoice> chooseFont(QWidget* parent) override;
    FontChoice lastFont() const override { return font_; }
    bool prepareOutput(QWidget* parent, const QString& suggestedName) override;

    QtDialogs();
    ~QtDialogs() override;

  private:
    struct Remembered {
        QString file;
        QString filter;
    };
    Remembered& remembered(FileChoice kind) { return remembered_[static_cast<std::size_t>(kind)]; }
    const Remembered& remembered(FileChoice kind) const {
        return remembered_[static_cast<std::size_t>(kind)];
    }
    std::array<Remembered, 3> remembered_;
    std::unique_ptr<QPrinter> printer_;
    int copies_ = 1;
    bool fileChosen_ = false; // the printer dialog named the PDF file
    FontChoice font_;
};

// The font dialog: Qt's font chooser (scalable fonts, underline and
// strike-through) with a colour list below, as a print font needs.
class FontChoiceDialog : public QDialog {
    Q_OBJECT
  public:
    FontChoiceDialog(const FontChoice& initial, QWidget* parent = nullptr);
    FontChoice choice() const;

  private:
    QFontDialog* fonts_;
    QComboBox* colours_;
    QCheckBox* bold_;
    QCheckBox* italic_;
};

// The help window: a browser over the bundled HTML manual.
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);
    void showPage(const QString& page);
    QUrl currentPage() const;

  private:
    QTextBrowser* browser_;
};

class QtHelpViewer : public HelpViewer {
  public:
    QtHelpViewer();
    ~QtHelpViewer() override;
    void showContents() override;
    void showHowToUse() override;
    void quit() override;
    void setHelpFile(const QString& name) override { contents_ = name; }
    HelpWindow* window() const { return window_; }

  private:
    void open(const QString& page);
    QString contents_ = QStringLiteral("index.html");
    QPointer<HelpWindow> window_;
};

// Key "1/MyToolbar1/True" is group "1/MyToolbar1", value "True".
class QtSettingsStore : public SettingsStore {
  public:
    explicit QtSettingsStore(QString file) : file_(std::move(file)) {}
    bool save(const QString& key, const QStringList& value) override;
    std::optional<QStringList> load(const QString& key) const override;
    QString location() const override { return file_; }
    QString file() const { return file_; }

  private:
    QString file_;
};

class QtBeeper : public Beeper {
  public:
    void beep() override;
};

// The settings file of the user: ~/.config/kuyu/kuyu.ini or the platform's
// equivalent.
QString defaultSettingsFile();

// All the real services together.
Platform makeQtPlatform(const QString& settingsFile = defaultSettingsFile());

// The URL of a page of the bundled manual ("index.html", "howto.html").
QUrl helpPageUrl(const QString& page);

} // namespace kuyu::gui
