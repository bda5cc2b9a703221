#pragma once
// The plant-name illustrated search: the input window (Form54) and the list
// of its hits (Form54A).

#include <QDialog>

class QAction;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

namespace kuyu::gui {

class App;
class PrintBox;

class NameSearchInput : public QDialog {
    Q_OBJECT
  public:
    static constexpr const char* Name = "Form54";
    NameSearchInput(App& app, QWidget* parent);

    QMenu* popupMenu() const { return menu54_; }

  public slots:
    // Esc presses 中止.
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void search();
    void close54();
    void popUpMenu(const QPoint& globalPos);

    App& app_;
    QLineEdit* text1_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QMenu* menu54_ = nullptr;
    QAction* menu542_ = nullptr;
};

class NameSearchList : public QDialog {
    Q_OBJECT
  public:
    static constexpr const char* Name = "Form54A";
    NameSearchList(App& app, QWidget* parent);

    // ShowNameMatchList: the hit rows and the count of distinct plants.
    void showNameMatchList();
    void clearCountLine();

  public slots:
    // Esc presses 終了.
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void showPicture();
    void popUpMenu(const QPoint& globalPos);
    QString selectedRow() const;

    App& app_;
    QListWidget* list1_ = nullptr;
    PrintBox* picture11_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QMenu* menu54A_ = nullptr;
    QMenu* menu54AB_ = nullptr;
    QAction* menu541A_ = nullptr;
};

using Form54 = NameSearchInput;
using Form54A = NameSearchList;

} // namespace kuyu::gui
