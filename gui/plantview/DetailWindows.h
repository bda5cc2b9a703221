// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The note window Form43T and the video window Form43V of the plant picture
// window.

#include "core/text/NoteText.h" // the note window shows NoteText
#include "core/text/Text.h"

#include "gui/widgets/FormWindow.h"

#include <functional>
#include <memory>

class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QToolButton;

namespace kuyu::gui {

class App;
class MediaPlayer;

// The note: the file's lines, each ended by CR LF.
class Form43T : public FormWindow {
    Q_OBJECT
  public:
    static constexpr const char* Name = "Form43T";
    Form43T(App& app, QWidget* parent);

    // The note exactly as held (CR LF line ends), shown in txtDisplayBox.
    void setNote(const QString& text);
    QString note() const { return note_; }
    QMenu* popupMenu() const { return menu_; }

  protected:
    void onRightClick(QWidget* control, const QPoint& globalPos) override;

  private:
    QPlainTextEdit* text_ = nullptr;
    QPushButton* command1_ = nullptr;
    QMenu* menu_ = nullptr;
    QString note_;
};

// The video: a player with play, pause, stop and a position slider.
class Form43V : public FormWindow {
    Q_OBJECT
  public:
    static constexpr const char* Name = "Form43V";
    using PlayerFactory = std::function<std::unique_ptr<MediaPlayer>(QWidget* videoParent)>;

    Form43V(App& app, QWidget* parent);
    ~Form43V() override;

    // The player made at "Open"; the Qt Multimedia player unless set.
    void setPlayerFactory(PlayerFactory factory) { factory_ = std::move(factory); }
    // "Open": opens the file for playing; throws RunTimeError(57) when no
    // player can take it (the window stays, its controls disabled).
    void openVideo(const QString& nativePath);
    // "Close": stops and releases the file.
    void closeVideo();
    MediaPlayer* player() const { return player_.get(); }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void setControlsEnabled(bool on);
    void showPosition(qint64 ms);

    PlayerFactory factory_;
    std::unique_ptr<MediaPlayer> player_;
    QWidget* videoArea_ = nullptr;
    QWidget* bar_ = nullptr;
    QToolButton* play_ = nullptr;
    QToolButton* pause_ = nullptr;
    QToolButton* stop_ = nullptr;
    QSlider* slider_ = nullptr;
    QLabel* time_ = nullptr;
    QLabel* status_ = nullptr;
    qint64 duration_ = 0;
};

} // namespace kuyu::gui
