// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/TitleWindow.h"

#include "gui/app/MainWindow.h"
#include "gui/app/ShellPictures.h"
#include "gui/app/ShellTexts.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace kuyu::gui {

namespace {

QLabel* caption(QWidget* parent, const char* name, const QString& text, int points, bool bold,
                const QColor& colour) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    QFont f(QStringLiteral("ＭＳ 明朝"), points);
    f.setBold(bold);
    l->setFont(f);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colour);
    l->setPalette(pal);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

QFrame* line(QWidget* parent, const char* name) {
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameShape(QFrame::HLine);
    f->setFrameShadow(QFrame::Sunken);
    return f;
}

} // namespace

int Form01::imageForTick(int tick) {
    if (tick == 15) {
        return 3; // the empty meadow once more, a blink before the flower
    }
    if (tick == 16) {
        return 15;
    }
    if (tick >= 3 && tick <= 14) {
        return tick;
    }
    return 0;
}

Form01::Form01(App& app, QWidget* parent) : FormWindow(app, Name, parent) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(q(texts::TitleLabel1));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 253, 240));
    setPalette(pal);

    const QColor deepGreen(20, 80, 40);
    auto* label1 = caption(this, "Label1", q(texts::TitleLabel1), 14, true, deepGreen);
    auto* label2 = caption(this, "Label2", q(texts::TitleLabel2), 30, true, QColor(170, 30, 80));
    auto* label4 = caption(this, "Label4", q(texts::TitleLabel4), 12, false, deepGreen);
    auto* label6 = caption(this, "Label6", q(texts::TitleLabel6), 10, false, deepGreen);
    auto* label3 = caption(this, "Label3", q(texts::TitleLabel3), 9, false, Qt::black);
    auto* label5 = caption(this, "Label5", q(texts::TitleLabel5), 9, false, QColor(90, 90, 90));

    // The frames are held by Image3..Image15 (never shown themselves);
    // Image1 is the small emblem beside the tool's name.
    for (int n = 3; n <= 15; ++n) {
        auto* holder = new QLabel(this);
        holder->setObjectName(QStringLiteral("Image%1").arg(n));
        holder->setPixmap(titleFrame(n));
        holder->hide();
        frames_[n] = holder;
    }
    auto* image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(programIcon().pixmap(32, 32));
    image2_ = new QLabel(this);
    image2_->setObjectName(QStringLiteral("Image2"));
    image2_->setFixedSize(120, 120);
    image2_->setPixmap(titleFrame(3));
    image2_->setFrameShape(QFrame::Box);

    // Shape1: the frame round the whole window.
    auto* shape1 = new QFrame(this);
    shape1->setObjectName(QStringLiteral("Shape1"));
    shape1->setFrameShape(QFrame::Box);
    shape1->setLineWidth(2);
    QPalette framePal = shape1->palette();
    framePal.setColor(QPalette::WindowText, deepGreen);
    shape1->setPalette(framePal);

    auto* nameRow = new QHBoxLayout;
    nameRow->addStretch();
    nameRow->addWidget(image1);
    nameRow->addWidget(label2);
    nameRow->addStretch();

    auto* versionRow = new QHBoxLayout;
    versionRow->addStretch();
    versionRow->addWidget(label4);
    versionRow->addSpacing(16);
    versionRow->addWidget(label6);
    versionRow->addStretch();

    auto* text = new QVBoxLayout;
    text->addWidget(label1);
    text->addWidget(line(this, "Line1"));
    text->addLayout(nameRow);
    text->addLayout(versionRow);
    text->addWidget(line(this, "Line2"));
    text->addWidget(label3);
    text->addWidget(label5);
    text->addStretch();

    auto* inner = new QHBoxLayout(shape1);
    inner->setContentsMargins(16, 16, 16, 16);
    inner->setSpacing(18);
    inner->addWidget(image2_, 0, Qt::AlignVCenter);
    inner->addLayout(text, 1);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->addWidget(shape1);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(10);
    connect(timer_, &QTimer::timeout, this, &Form01::Timer1_Timer);
    timer_->start();

    // In the middle of the screen.
    adjustSize();
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect area = s->availableGeometry();
        move(area.center() - rect().center());
    }
}

void Form01::Timer1_Timer() {
    ++ticks_;
    if (const int image = imageForTick(ticks_)) {
        image2_->setPixmap(frames_[image]->pixmap());
        shown_ = image;
    }
    if (ticks_ == 25) {
        timer_->stop();
        // The main window first, so the program never has no window at all.
        ShowMainWindow(app_, MainWindowHeight);
        unload();
    }
}

} // namespace kuyu::gui
