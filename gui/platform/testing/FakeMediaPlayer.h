// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A media player for tests: records what the window asked of it in a log the
// test owns (the window owns and destroys the player), and opens or refuses
// as told.

#include "gui/platform/MediaPlayer.h"

#include <QStringList>

namespace kuyu::gui::testing {

class FakeMediaPlayer : public MediaPlayer {
    Q_OBJECT
  public:
    FakeMediaPlayer(QStringList* log, bool opens) : log_(log), opens_(opens) {}
    ~FakeMediaPlayer() override { *log_ << QStringLiteral("destroyed"); }

    bool open(const QString& path, QString* error) override {
        *log_ << QStringLiteral("open ") + path;
        if (!opens_) {
            if (error) {
                *error = QStringLiteral("no backend");
            }
            return false;
        }
        open_ = true;
        return true;
    }
    void play() override { *log_ << QStringLiteral("play"); }
    void pause() override { *log_ << QStringLiteral("pause"); }
    void stop() override { *log_ << QStringLiteral("stop"); }
    void seek(qint64 ms) override { *log_ << QStringLiteral("seek %1").arg(ms); }
    void close() override {
        if (open_) {
            *log_ << QStringLiteral("close");
            open_ = false;
        }
    }
    bool isOpen() const override { return open_; }
    QWidget* videoWidget() override { return nullptr; }

    // Lets a test play the backend's part.
    void reportDuration(qint64 ms) { emit durationChanged(ms); }
    void reportPosition(qint64 ms) { emit positionChanged(ms); }

  private:
    QStringList* log_;
    bool opens_;
    bool open_ = false;
};

} // namespace kuyu::gui::testing
