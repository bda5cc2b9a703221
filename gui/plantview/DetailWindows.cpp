// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/plantview/DetailWindows.h"

#include "core/Errors.h"
#include "gui/app/App.h"
#include "gui/plantview/PlantViewTexts.h"
#include "gui/platform/MediaPlayer.h"
#include "gui/widgets/WindowPlacement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace kuyu::gui {

Form43T::Form43T(App& app, QWidget* parent) : FormWindow(app, Name, parent) {
    setWindowTitle(QStringLiteral("Form1"));
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("txtDisplayBox"));
    text_->setReadOnly(true);
    text_->setFont(minchoFont());
    command1_ = makeButton("Command1", q(texts::Close));
    command1_->setFont(QFont(minchoFont().family()));
    // 終了 is both the default and the cancel button.
    setDefaultButton(command1_);
    setCancelButton(command1_);
    connect(command1_, &QPushButton::clicked, this, [this] { unload(); });
    watch(this, RightClick);

    menu_ = makeMenu("MENU_43T", q(texts::NoteMenu));
    auto* item = addMenuItem(menu_, "MENU431T", q(texts::NoteMenuEnd));
    connect(item, &QAction::triggered, command1_, &QPushButton::click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(command1_);
    layout->addLayout(row);
    resize(480, 360);
    placeWindow(this);
}

void Form43T::setNote(const QString& text) {
    note_ = text;
    // The box shows one line per CR LF.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (shown.endsWith(QLatin1Char('\n'))) {
        shown.chop(1);
    }
    text_->setPlainText(shown);
}

void Form43T::onRightClick(QWidget*, const QPoint& globalPos) {
    menu_->popup(globalPos);
}

// --- video -----------------------------------------------------------------

namespace {
QString clock(qint64 ms) {
    const qint64 s = ms / 1000;
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}
} // namespace

Form43V::Form43V(App& app, QWidget* parent) : FormWindow(app, Name, parent) {
    setWindowTitle(QStringLiteral("Form43avi"));
    factory_ = [](QWidget* videoParent) { return makeQtMediaPlayer(videoParent); };

    auto* label1 = makeLabel("Label1", q(texts::VideoHeading));
    label1->setFont(QFont(gothicFont().family()));

    videoArea_ = new QWidget(this);
    videoArea_->setObjectName(QStringLiteral("VideoArea"));
    videoArea_->setMinimumSize(320, 240);
    videoArea_->setAutoFillBackground(true);
    QPalette pal = videoArea_->palette();
    pal.setColor(QPalette::Window, Qt::black);
    videoArea_->setPalette(pal);
    new QVBoxLayout(videoArea_);
    videoArea_->layout()->setContentsMargins(0, 0, 0, 0);

    // The media control bar.
    bar_ = new QWidget(this);
    bar_->setObjectName(QStringLiteral("MMControl1"));
    auto makeToolButton = [this](const char* name, QStyle::StandardPixmap icon,
                                 const QString& tip) {
        auto* b = new QToolButton(bar_);
        b->setObjectName(QString::fromLatin1(name));
        b->setIcon(style()->standardIcon(icon));
        b->setToolTip(tip);
        b->setAccessibleName(tip);
        return b;
    };
    play_ = makeToolButton("Play", QStyle::SP_MediaPlay, q(texts::VideoPlay));
    pause_ = makeToolButton("Pause", QStyle::SP_MediaPause, q(texts::VideoPause));
    stop_ = makeToolButton("Stop", QStyle::SP_MediaStop, q(texts::VideoStop));
    slider_ = new QSlider(Qt::Horizontal, bar_);
    slider_->setObjectName(QStringLiteral("Position"));
    slider_->setAccessibleName(q(texts::VideoPosition));
    time_ = new QLabel(clock(0) + QStringLiteral(" / ") + clock(0), bar_);
    time_->setObjectName(QStringLiteral("Time"));
    auto* barLayout = new QHBoxLayout(bar_);
    barLayout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : std::initializer_list<QWidget*>{play_, pause_, stop_}) {
        barLayout->addWidget(w);
    }
    barLayout->addWidget(slider_, 1);
    barLayout->addWidget(time_);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("Status"));
    status_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1);
    layout->addWidget(videoArea_, 1);
    layout->addWidget(bar_);
    layout->addWidget(status_);

    connect(play_, &QToolButton::clicked, this, [this] {
        if (player_) {
            player_->play();
        }
    });
    connect(pause_, &QToolButton::clicked, this, [this] {
        if (player_) {
            player_->pause();
        }
    });
    connect(stop_, &QToolButton::clicked, this, [this] {
        if (player_) {
            player_->stop();
            player_->seek(0);
        }
    });
    connect(slider_, &QSlider::sliderMoved, this, [this](int value) {
        if (player_) {
            player_->seek(value);
        }
    });
    setControlsEnabled(false);
    placeWindow(this);
}

Form43V::~Form43V() {
    closeVideo();
}

void Form43V::setControlsEnabled(bool on) {
    for (QWidget* w : std::initializer_list<QWidget*>{play_, pause_, stop_, slider_}) {
        w->setEnabled(on);
    }
}

void Form43V::showPosition(qint64 ms) {
    if (!slider_->isSliderDown()) {
        slider_->setValue(static_cast<int>(ms));
    }
    time_->setText(clock(ms) + QStringLiteral(" / ") + clock(duration_));
}

void Form43V::openVideo(const QString& nativePath) {
    closeVideo();
    player_ = factory_(videoArea_);
    if (QWidget* video = player_ ? player_->videoWidget() : nullptr) {
        videoArea_->layout()->addWidget(video);
    }
    QString error;
    if (!player_ || !player_->open(nativePath, &error)) {
        status_->setText(error);
        setControlsEnabled(false);
        player_.reset();
        throw RunTimeError(err::DeviceIo, error.toStdString());
    }
    connect(player_.get(), &MediaPlayer::durationChanged, this, [this](qint64 d) {
        duration_ = d;
        slider_->setRange(0, static_cast<int>(d));
        showPosition(slider_->value());
    });
    connect(player_.get(), &MediaPlayer::positionChanged, this, &Form43V::showPosition);
    connect(player_.get(), &MediaPlayer::failed, this,
            [this](const QString& message) { status_->setText(message); });
    status_->clear();
    duration_ = 0;
    showPosition(0);
    setControlsEnabled(true);
}

void Form43V::closeVideo() {
    if (player_) {
        player_->close();
        player_.reset();
    }
    setControlsEnabled(false);
}

void Form43V::closeEvent(QCloseEvent* event) {
    closeVideo();
    FormWindow::closeEvent(event);
}

} // namespace kuyu::gui
