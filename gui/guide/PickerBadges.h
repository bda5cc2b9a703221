// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The count badges of the condition picker: in the corner of each option's
// picture cell, the number of plants the search would list with that option,
// while ｵﾌﾟｼｮﾝ → 候補数の表示 is on.

#include <QStringList>
#include <QWidget>

namespace kuyu::gui {

class App;

class CountBadges : public QWidget {
    Q_OBJECT
  public:
    explicit CountBadges(QWidget* image);
    // counts[n - 1] for options 1..counts.size().
    void setCounts(const QList<int>& counts);
    // The badges as they read, option by option ("12", ...), for screen
    // readers and tests.
    QStringList texts() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QList<int> counts_;
};

// Shows, updates or hides the badges of the open picker.
void UpdatePickerBadges(App& app);

} // namespace kuyu::gui
