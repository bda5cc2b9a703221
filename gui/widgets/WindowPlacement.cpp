// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/WindowPlacement.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QLayout>
#include <QMainWindow>
#include <QMargins>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <iterator>
#include <limits>
#include <optional>

namespace kuyu::gui {

namespace {

constexpr int Gap = 4;

// The usual spot of a window inside the area below the main window: the
// fraction of the free width and height at which its frame's top-left
// corner sits (1 = against the right or bottom edge).
struct Spot {
    double x;
    double y;
};

const QHash<QString, Spot>& usualSpots() {
    static const QHash<QString, Spot> spots = {
        {QStringLiteral("Form41"), {0.0, 0.0}},  // search panel: left, under the main window
        {QStringLiteral("Form53"), {0.0, 0.0}},  // list of every plant: the same place
        {QStringLiteral("Form11"), {1.0, 0.0}},  // picker: right, clear of the panel
        {QStringLiteral("Form42"), {0.4, 0.0}},  // plant window: beside the panel
        {QStringLiteral("Form45"), {0.0, 0.0}},  // pages: left, room for a close-up beside
        {QStringLiteral("Form43"), {1.0, 1.0}},  // close-ups: right, at the bottom
        {QStringLiteral("Form43R"), {1.0, 1.0}}, //   the second one beside the first
        {QStringLiteral("Form43T"), {0.0, 1.0}}, // note: left, at the bottom
        {QStringLiteral("Form43V"), {0.5, 1.0}}, // video: bottom, in the middle
        {QStringLiteral("Form51"), {1.0, 0.0}},  // family window: right
        {QStringLiteral("Form54"), {1.0, 0.0}},  // name search: right
        {QStringLiteral("Form54A"), {1.0, 0.0}}, //   its list below it
    };
    return spots;
}

const QWidget* mainWindowOf(const QWidget* w) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top != w && qobject_cast<const QMainWindow*>(top) && top->isVisible()) {
            return top;
        }
    }
    return nullptr;
}

// The frame's margins as the window system reports them now. A widget's
// own frameGeometry() can lag behind: Qt takes the frame into the widget
// with its next move or resize only, and misses a frame drawn after the
// last one.
QMargins reportedMargins(const QWidget* w) {
    const QWindow* handle = w->windowHandle();
    return handle && w->isVisible() ? handle->frameMargins() : QMargins();
}

QRect frameGeometryOf(const QWidget* w) {
    return w->geometry().marginsAdded(reportedMargins(w));
}

// Whether the window manager has told the window its frame. Until the
// window is on the screen, Qt may still hold a position that includes it.
bool frameKnown(const QWidget* w) {
    return w->isVisible() && w->windowHandle() && w->windowHandle()->isExposed() &&
           !reportedMargins(w).isNull();
}

// The frame the window manager gave the last window seen with one: a window
// not framed yet, even the main window as it first shows, will have the same.
QMargins& lastFrameSeen() {
    static QMargins seen;
    return seen;
}

// The frame's margins around the window's inner area: its own once they are
// reported, else the main window's, else the last seen.
QMargins frameMarginsOf(const QWidget* w) {
    if (const QMargins own = reportedMargins(w); !own.isNull()) {
        return lastFrameSeen() = own;
    }
    if (const QWidget* main = mainWindowOf(w)) {
        if (const QMargins its = reportedMargins(main); !its.isNull()) {
            return lastFrameSeen() = its;
        }
    }
    return lastFrameSeen();
}

// Moves a window that is on its way to the screen, or on it, so that its
// frame's top-left corner lands on `p`, the frame being `frame`. QWidget::move
// adds the frame as the widget holds it, which may be none yet or behind:
// the difference is made up.
void moveShownFrameTo(QWidget* w, QPoint p, const QMargins& frame) {
    const QPoint held = w->geometry().topLeft() - w->frameGeometry().topLeft();
    w->move(p + QPoint(frame.left(), frame.top()) - held);
}

QPoint clampInto(QPoint p, const QSize& size, const QRect& area);

// Holds a window's frame on the spot it was moved to while the window
// manager's answers come in. They come late, to the moves and resizes on the
// way as well as to the last, and each may land the frame elsewhere; the
// frame's own size is known only once the window is on the screen. Until the
// answers are surely in, the frame is put back on its spot (inside the
// screen) and the spot, not what the window says meanwhile, counts as where
// the window is.
class FrameHold : public QObject {
  public:
    static void hold(QWidget* w, QPoint spot) {
        FrameHold* h = of(w);
        if (!h) {
            h = new FrameHold(w);
            w->setProperty(Property, QVariant::fromValue<QObject*>(h));
        }
        h->spot_ = spot;
        h->step_ = 0;
        h->since_.start();
        h->timer_.start(Steps[0]);
    }
    static std::optional<QPoint> spotOf(const QWidget* w) {
        if (const FrameHold* h = of(w)) {
            return h->spot_;
        }
        return std::nullopt;
    }

  private:
    static constexpr const char* Property = "kuyuFrameHold";
    // When the frame is checked, in milliseconds after the move; after the
    // last, again every Again until it is in place, for at most Longest.
    static constexpr int Steps[] = {50, 300, 700, 1500};
    static constexpr int Again = 500;
    static constexpr int Longest = 5000;

    explicit FrameHold(QWidget* w) : QObject(w), window_(w) {
        timer_.setSingleShot(true);
        connect(&timer_, &QTimer::timeout, this, [this] { check(); });
    }
    static FrameHold* of(const QWidget* w) {
        return dynamic_cast<FrameHold*>(w->property(Property).value<QObject*>());
    }

    void check() {
        QWidget* w = window_;
        if (!w->isVisible()) {
            release(); // placed again as it shows
            return;
        }
        bool inPlace = false;
        if (frameKnown(w)) {
            const QRect frame = frameGeometryOf(w);
            spot_ = clampInto(spot_, frame.size(), availableArea(w));
            inPlace = frame.topLeft() == spot_;
            if (!inPlace) {
                moveShownFrameTo(w, spot_, reportedMargins(w));
            }
        }
        constexpr int last = static_cast<int>(std::size(Steps)) - 1;
        if (step_ < last) {
            ++step_;
            timer_.start(Steps[step_] - Steps[step_ - 1]);
        } else if (!inPlace && since_.elapsed() < Longest) {
            timer_.start(Again);
        } else {
            release();
            fitOnScreen(w);
        }
    }
    void release() {
        window_->setProperty(Property, QVariant());
        timer_.stop();
        deleteLater();
    }

    QWidget* window_;
    QPoint spot_;
    int step_ = 0;
    QElapsedTimer since_;
    QTimer timer_;
};

// The size the window's frame has, or will have once framed.
QSize frameSizeOf(const QWidget* w) {
    if (frameKnown(w)) {
        return frameGeometryOf(w).size();
    }
    return w->size() + frameExtra(w);
}

// Where the window's frame is, or is headed for while it is held.
QRect frameOf(const QWidget* w) {
    if (const auto spot = FrameHold::spotOf(w)) {
        return {*spot, frameSizeOf(w)};
    }
    if (frameKnown(w)) {
        return frameGeometryOf(w);
    }
    if (w->testAttribute(Qt::WA_WState_Created) && w->isVisible()) {
        // Shown, its frame not told yet: around its inner area.
        const QMargins frame = frameMarginsOf(w);
        return {w->geometry().topLeft() - QPoint(frame.left(), frame.top()), frameSizeOf(w)};
    }
    return {w->pos(), frameSizeOf(w)};
}

// Moves the window so that its frame's top-left corner lands on `p`, and
// holds it there. A window not made yet takes the position as its frame's
// as it shows; one made is placed by its inner area, inside the frame it
// has or, not told yet, will have.
void moveFrameTo(QWidget* w, QPoint p) {
    if (w->testAttribute(Qt::WA_WState_Created)) {
        moveShownFrameTo(w, p, frameMarginsOf(w));
    } else {
        w->move(p);
    }
    FrameHold::hold(w, p);
}

// The windows of the program that a new one should not cover, each with the
// weight of covering it: the window in use (usually the one that opened the
// new one, as the name search opens its list) counts most.
struct Taken {
    QRect frame;
    int weight = 1;
};

QList<Taken> takenBy(const QWidget* w) {
    QList<Taken> taken;
    const QWidget* active = QApplication::activeWindow();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top == w || !top->isVisible() || top->isMinimized()) {
            continue;
        }
        const Qt::WindowType type = top->windowType();
        if (type == Qt::Popup || type == Qt::ToolTip || type == Qt::SplashScreen) {
            continue;
        }
        taken << Taken{frameOf(top), top == active ? 64 : 1};
        if (top == active) {
            // Its buttons most of all: where some of it has to be covered,
            // the person still finds NEXT or 終了 where they were.
            for (const QAbstractButton* b : top->findChildren<QAbstractButton*>()) {
                // (the program's windows are children of the main window)
                if (b->window() == top && b->isVisibleTo(top)) {
                    taken << Taken{QRect(b->mapToGlobal(QPoint(0, 0)), b->size()), 4096};
                }
            }
        }
    }
    return taken;
}

qint64 covered(const QRect& r, const QList<Taken>& taken) {
    qint64 total = 0;
    for (const Taken& t : taken) {
        const QRect both = r & t.frame;
        if (!both.isEmpty()) {
            total += qint64{both.width()} * both.height() * t.weight;
        }
    }
    return total;
}

QPoint clampInto(QPoint p, const QSize& size, const QRect& area) {
    p.setX(std::max(area.left(), std::min(p.x(), area.right() + 1 - size.width())));
    p.setY(std::max(area.top(), std::min(p.y(), area.bottom() + 1 - size.height())));
    return p;
}

// A window taller than `height` (frame included) is made as short as its
// layout lets it, down to that height: the room below the main window is
// smaller than the screen, the more so at a large scale, and a window made
// to fit only the screen lands over the main window's menus. Where the
// layout will not go lower, its outer margins give way, down to Tight.
void shortenFor(QWidget* w, int height) {
    if (w->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        return;
    }
    const int inner = height - frameExtra(w).height();
    QLayout* l = w->layout();
    const bool fixed = l && l->sizeConstraint() == QLayout::SetFixedSize;
    const auto shorten = [&] {
        if (fixed) {
            l->activate(); // sets the window's size itself
            return;
        }
        const int least = std::max({w->minimumHeight(), l ? l->minimumSize().height() : 0, 1});
        const int wanted = std::max(inner, least);
        if (wanted < w->height()) {
            w->resize(w->width(), wanted);
        }
    };
    if (w->height() <= inner) {
        return;
    }
    shorten();
    if (w->height() <= inner || !l) {
        return;
    }
    constexpr int Tight = 2;
    const QMargins m = l->contentsMargins();
    const int topSpare = std::max(0, m.top() - Tight);
    const int bottomSpare = std::max(0, m.bottom() - Tight);
    const int give = std::min(topSpare + bottomSpare, w->height() - inner);
    if (give <= 0) {
        return;
    }
    const int fromTop = std::max(give - bottomSpare, std::min(topSpare, (give + 1) / 2));
    l->setContentsMargins(m.left(), m.top() - fromTop, m.right(), m.bottom() - (give - fromTop));
    shorten();
}

} // namespace

QRect availableArea(const QWidget* w) {
    const QScreen* screen = w && w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

QSize frameExtra(const QWidget* w) {
    const QMargins m = frameMarginsOf(w);
    return {m.left() + m.right(), m.top() + m.bottom()};
}

void fitOnScreen(QWidget* w) {
    if (!w || !w->isWindow()) {
        return;
    }
    const QRect area = availableArea(w);
    const QSize extra = frameExtra(w);
    const QSize most = (area.size() - extra).expandedTo(QSize(1, 1));
    if (w->width() > most.width() || w->height() > most.height()) {
        QLayout* l = w->layout();
        if (l) {
            // Its minimum as the controls stand now, not as they stood when
            // the layout last ran.
            l->activate();
        }
        // A layout that fixes the size has to give way as well.
        if (l && l->sizeConstraint() == QLayout::SetFixedSize) {
            l->setSizeConstraint(QLayout::SetMinAndMaxSize);
        }
        w->setMaximumSize(w->maximumSize().boundedTo(most));
        // A minimum set here is kept for good: the layout no longer lowers
        // it, so it is set only where it has to come down.
        if (w->minimumWidth() > most.width() || w->minimumHeight() > most.height()) {
            w->setMinimumSize(w->minimumSize().boundedTo(most));
        }
        w->resize(w->size().boundedTo(most));
    }
    const QRect frame = frameOf(w);
    const QPoint inside = clampInto(frame.topLeft(), frame.size(), area);
    if (inside != frame.topLeft()) {
        moveFrameTo(w, inside);
    }
}

namespace {

// A window placed before it shows is placed again as it first shows: its
// constructor or opener may still change its size (a picture, a list), and
// the other windows may have moved by then.
class PlaceOnShow : public QObject {
  public:
    PlaceOnShow(QWidget* w, void (*place)(QWidget*, const QWidget*), const QWidget* asker)
        : QObject(w), place_(place), asker_(asker) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* w = static_cast<QWidget*>(watched);
            w->removeEventFilter(this);
            w->setProperty(Pending, QVariant());
            deleteLater();
            place_(w, asker_);
        }
        return false;
    }
    // Places `w` now and, when it is not showing yet, once more as it shows;
    // the last call before it shows decides how.
    static void placeAndOnShow(QWidget* w, void (*place)(QWidget*, const QWidget*),
                               const QWidget* asker = nullptr) {
        if (!w) {
            return;
        }
        if (!w->isVisible()) {
            QObject* pending = w->property(Pending).value<QObject*>();
            if (auto* filter = dynamic_cast<PlaceOnShow*>(pending)) {
                filter->place_ = place;
                filter->asker_ = asker;
            } else {
                auto* made = new PlaceOnShow(w, place, asker);
                w->setProperty(Pending, QVariant::fromValue<QObject*>(made));
                w->installEventFilter(made);
            }
        }
        place(w, asker);
    }
    static void placeNow(QWidget* w, const QWidget* anchor);
    static void centreNow(QWidget* w, const QWidget* asker);

  private:
    static constexpr const char* Pending = "kuyuPlaceOnShow";
    void (*place_)(QWidget*, const QWidget*);
    QPointer<const QWidget> asker_;
};

} // namespace

bool placementPending(const QWidget* w) {
    return w && FrameHold::spotOf(w).has_value();
}

void placeWindow(QWidget* w) {
    PlaceOnShow::placeAndOnShow(w, &PlaceOnShow::placeNow);
}

void placeWindowBeside(QWidget* w, const QWidget* anchor) {
    PlaceOnShow::placeAndOnShow(w, &PlaceOnShow::placeNow, anchor);
}

void placeDialog(QWidget* dialog, const QWidget* asker) {
    PlaceOnShow::placeAndOnShow(dialog, &PlaceOnShow::centreNow, asker);
}

void PlaceOnShow::centreNow(QWidget* w, const QWidget* asker) {
    fitOnScreen(w);
    const QRect area = availableArea(w);
    QRect over = area;
    const QWidget* main = mainWindowOf(w);
    if (asker && asker->window() != main && asker->window()->isVisible()) {
        over = frameOf(asker->window());
    } else if (main) {
        over.setTop(std::min(area.bottom(), frameOf(main).bottom() + 1 + Gap));
    }
    const QSize size = frameOf(w).size();
    moveFrameTo(w,
                clampInto(over.center() - QPoint(size.width() / 2, size.height() / 2), size, area));
}

void PlaceOnShow::placeNow(QWidget* w, const QWidget* anchor) {
    fitOnScreen(w);
    const QRect area = availableArea(w);
    QRect free = area;
    if (const QWidget* main = mainWindowOf(w)) {
        free.setTop(std::min(area.bottom(), frameOf(main).bottom() + 1 + Gap));
    }
    shortenFor(w, free.height());
    const QSize size = frameOf(w).size();
    // The main window's strip stays clear unless the window is too tall for
    // the rest of the screen.
    const QRect room = size.height() <= free.height() ? free : area;
    const Spot spot = usualSpots().value(w->objectName(), Spot{0.5, 0.5});
    QPoint usual =
        clampInto(QPoint(free.left() + static_cast<int>((free.width() - size.width()) * spot.x),
                         free.top() + static_cast<int>((free.height() - size.height()) * spot.y)),
                  size, room);
    // A window opened from another one (a close-up from the pages) is
    // usually to its right, level with its top.
    if (anchor && anchor->isVisible() && anchor->window() != w) {
        const QRect a = frameOf(anchor->window());
        usual = clampInto(QPoint(a.right() + 1 + Gap, a.top()), size, room);
    }

    // Candidates: the usual spot, then against each edge of every window
    // already showing, and the corners of the free area.
    const QList<Taken> taken = takenBy(w);
    QList<QPoint> candidates{usual};
    for (const Taken& k : taken) {
        const QRect& t = k.frame;
        candidates << QPoint(t.right() + 1 + Gap, t.top()) << QPoint(t.left(), t.bottom() + 1 + Gap)
                   << QPoint(t.left() - Gap - size.width(), t.top())
                   << QPoint(usual.x(), t.bottom() + 1 + Gap)
                   << QPoint(t.right() + 1 + Gap, usual.y())
                   << QPoint(t.left() - Gap - size.width(), usual.y())
                   << QPoint(t.left(), t.top() - Gap - size.height())
                   << QPoint(usual.x(), t.top() - Gap - size.height())
                   << QPoint(t.right() + 1 - size.width(), t.top() - Gap - size.height())
                   << QPoint(t.right() + 1 - size.width(), t.bottom() + 1 + Gap);
    }
    candidates << free.topLeft() << QPoint(free.right() + 1 - size.width(), free.top())
               << QPoint(free.left(), free.bottom() + 1 - size.height())
               << QPoint(free.right() + 1 - size.width(), free.bottom() + 1 - size.height());

    QPoint best = usual;
    qint64 bestCover = std::numeric_limits<qint64>::max();
    qint64 bestDistance = std::numeric_limits<qint64>::max();
    for (QPoint c : candidates) {
        c = clampInto(c, size, room);
        const qint64 cover = covered(QRect(c, size), taken);
        const qint64 distance = (QPoint(c - usual)).manhattanLength();
        if (cover < bestCover || (cover == bestCover && distance < bestDistance)) {
            best = c;
            bestCover = cover;
            bestDistance = distance;
        }
    }
    moveFrameTo(w, best);
}

int titleBarWidth(const QWidget* w, const QString& caption) {
    // Window managers draw the title in a bold face of about the window's
    // size, beside its icon and its three buttons.
    constexpr int Buttons = 110;
    QFont font = w ? w->font() : QApplication::font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(caption) + Buttons;
}

void showRestored(QWidget* w) {
    if (!w) {
        return;
    }
    if (w->isMinimized()) {
        w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    }
    w->show();
    w->raise();
}

namespace {

class ScreenBounds : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::Show || type == QEvent::Resize) {
            auto* w = qobject_cast<QWidget*>(watched);
            if (w && w->isWindow() && w->windowType() != Qt::Popup &&
                w->windowType() != Qt::ToolTip && !busy_) {
                busy_ = true;
                fitOnScreen(w);
                busy_ = false;
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool busy_ = false;
};

} // namespace

void installScreenBounds() {
    static ScreenBounds* bounds = nullptr;
    if (!bounds && qApp) {
        bounds = new ScreenBounds(qApp);
        qApp->installEventFilter(bounds);
    }
}

} // namespace kuyu::gui
