// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/platform/MediaPlayer.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QPointer>
#include <QUrl>
#include <QVideoWidget>

namespace kuyu::gui {

namespace {

class QtMediaPlayer : public MediaPlayer {
  public:
    explicit QtMediaPlayer(QWidget* videoParent) {
        video_ = new QVideoWidget(videoParent);
        video_->setObjectName(QStringLiteral("Video"));
        video_->setMinimumSize(160, 120);
        player_.setAudioOutput(&audio_);
        player_.setVideoOutput(video_);
        connect(&player_, &QMediaPlayer::positionChanged, this, &MediaPlayer::positionChanged);
        connect(&player_, &QMediaPlayer::durationChanged, this, &MediaPlayer::durationChanged);
        connect(&player_, &QMediaPlayer::playbackStateChanged, this,
                [this](QMediaPlayer::PlaybackState s) {
                    emit playingChanged(s == QMediaPlayer::PlayingState);
                });
        connect(&player_, &QMediaPlayer::errorOccurred, this,
                [this](QMediaPlayer::Error e, const QString& text) {
                    if (e != QMediaPlayer::NoError) {
                        emit failed(text);
                    }
                });
    }
    ~QtMediaPlayer() override {
        close();
        player_.setVideoOutput(nullptr);
        delete video_.data(); // its window may open another file
    }

    bool open(const QString& path, QString* error) override {
        if (!player_.isAvailable()) {
            if (error) {
                *error = QStringLiteral("no media backend");
            }
            return false;
        }
        player_.setSource(QUrl::fromLocalFile(path));
        if (player_.error() != QMediaPlayer::NoError) {
            if (error) {
                *error = player_.errorString();
            }
            player_.setSource(QUrl());
            return false;
        }
        open_ = true;
        return true;
    }
    void play() override {
        if (open_) {
            player_.play();
        }
    }
    void pause() override {
        if (open_) {
            player_.pause();
        }
    }
    void stop() override {
        if (open_) {
            player_.stop();
        }
    }
    void seek(qint64 ms) override {
        if (open_) {
            player_.setPosition(ms);
        }
    }
    void close() override {
        if (!open_) {
            return;
        }
        player_.stop();
        player_.setSource(QUrl());
        open_ = false;
    }
    bool isOpen() const override { return open_; }
    QWidget* videoWidget() override { return video_; }

  private:
    QMediaPlayer player_;
    QAudioOutput audio_;
    QPointer<QVideoWidget> video_; // a child of the window
    bool open_ = false;
};

} // namespace

std::unique_ptr<MediaPlayer> makeQtMediaPlayer(QWidget* videoParent) {
    return std::make_unique<QtMediaPlayer>(videoParent);
}

} // namespace kuyu::gui
