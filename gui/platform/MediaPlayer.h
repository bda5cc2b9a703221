// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The video window's player, behind a small interface so the window can be
// driven in tests without a video backend. It is told "Open" and "Close";
// playing, pausing, stopping and seeking are the user's, through the window's
// control bar.

#include <QObject>
#include <QString>
#include <memory>

class QWidget;

namespace kuyu::gui {

class MediaPlayer : public QObject {
    Q_OBJECT
  public:
    ~MediaPlayer() override = default;

    // Opens `path` for playing. False, with `error` set, when no player can
    // take it (no backend, say); errors found later are signalled by failed().
    virtual bool open(const QString& path, QString* error) = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    virtual void seek(qint64 milliseconds) = 0;
    // Stops and releases the file.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // The widget the picture is drawn in, or nullptr when there is none.
    virtual QWidget* videoWidget() = 0;

  signals:
    void positionChanged(qint64 milliseconds);
    void durationChanged(qint64 milliseconds);
    void playingChanged(bool playing);
    void failed(const QString& message);
};

// The Qt Multimedia player; its video widget is a child of `videoParent`.
std::unique_ptr<MediaPlayer> makeQtMediaPlayer(QWidget* videoParent);

} // namespace kuyu::gui
