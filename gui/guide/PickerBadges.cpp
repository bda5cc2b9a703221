// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/guide/PickerBadges.h"

#include "gui/app/App.h"
#include "gui/conditions/Form11.h"
#include "gui/guide/GuideSession.h"
#include "gui/guide/GuideSettings.h"
#include "gui/images/ImageBox.h"

#include <QPainter>
#include <QPainterPath>

namespace kuyu::gui {

CountBadges::CountBadges(QWidget* image) : QWidget(image) {
    setObjectName(QStringLiteral("GuideBadges"));
    // Clicks go through to the illustration underneath.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void CountBadges::setCounts(const QList<int>& counts) {
    counts_ = counts;
    setAccessibleName(texts().join(QLatin1Char(' ')));
    update();
}

QStringList CountBadges::texts() const {
    QStringList out;
    for (int c : counts_) {
        out << QString::number(c);
    }
    return out;
}

void CountBadges::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f = font();
    f.setBold(true);
    f.setPointSize(10);
    p.setFont(f);
    const QFontMetrics fm(f);
    for (int n = 1; n <= counts_.size(); ++n) {
        const QRect cell = Form11::OptionCell(n);
        if (cell.isEmpty()) {
            continue;
        }
        const QString text = QString::number(counts_[n - 1]);
        const int w = fm.horizontalAdvance(text) + 12;
        const int h = fm.height() + 4;
        const QRect badge(cell.right() - w - 3, cell.top() + 3, w, h);
        QPainterPath path;
        path.addRoundedRect(badge, h / 2.0, h / 2.0);
        // Dark blue for a choice that leaves plants, grey for one that leaves none.
        p.fillPath(path, counts_[n - 1] > 0 ? QColor(0, 0, 128, 220) : QColor(96, 96, 96, 200));
        p.setPen(Qt::white);
        p.drawText(badge, Qt::AlignCenter, text);
    }
}

void UpdatePickerBadges(App& app) {
    auto* picker = app.loaded<Form11>();
    if (!picker) {
        return;
    }
    ImageBox* image = picker->image();
    auto* badges = image->findChild<CountBadges*>(QStringLiteral("GuideBadges"));
    const int k = app.state.CurrentCategory;
    if (!CandidateCountsShown(app) || k < 1 || k > CategoryCount) {
        if (badges) {
            badges->hide();
        }
        return;
    }
    if (!badges) {
        badges = new CountBadges(image);
    }
    const GuideCounts counts = SessionOf(app).counts();
    const auto& options = counts.categories[static_cast<std::size_t>(k - 1)].counts;
    badges->setCounts(QList<int>(options.begin(), options.end()));
    badges->setGeometry(image->rect());
    badges->show();
    badges->raise();
}

} // namespace kuyu::gui
