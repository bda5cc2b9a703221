// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print settings dialog Form42PB ("印刷の設定をします"): which of the
// four items of a plant page print, where (millimetres from the printable
// area's top-left) and how large, with a scaled preview of the sheet whose
// items can be dragged into place and sized by their lower-right corner.
// And the name image window Form42P, which shows the name in the print font.

#include "gui/platform/Platform.h"
#include "gui/widgets/FormWindow.h"

#include <QFont>
#include <QFrame>
#include <QImage>
#include <QSizeF>
#include <array>
#include <optional>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace kuyu::gui {

// One item of the sheet preview: a picture stretched to its size, the name
// in its font, or the features card drawn to its scale.
class SheetItem : public QWidget {
    Q_OBJECT
  public:
    enum Kind { Picture, Name, Card };
    SheetItem(Kind kind, const char* name, QWidget* parent);
    Kind kind() const { return kind_; }
    void setPicture(const QImage& image);
    void setName(const QString& text, const QFont& font, const QColor& colour);
    QString nameText() const { return name_; }
    QFont nameFont() const { return font_; }
    // The card at `zoom` preview twips per page twip (and a 1800-twip card).
    void setCardZoom(double zoom);
    double cardZoom() const { return zoom_; }
    QStringList cardCaptions() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Kind kind_;
    QImage image_;
    QString name_;
    QFont font_;
    QColor colour_ = Qt::black;
    double zoom_ = 0;
};

class Form42P : public FormWindow {
    Q_OBJECT
  public:
    static constexpr const char* Name = "Form42P";
    Form42P(App& app, QWidget* parent);
    QLabel* label1() const { return label1_; }
    // Label1 shows `text` in the chosen font; the window fits it.
    void setName(const QString& text, const FontChoice& font);

  private:
    QLabel* label1_;
};

class Form42PB : public FormWindow {
    Q_OBJECT
  public:
    static constexpr const char* Name = "Form42PB";
    Form42PB(App& app, QWidget* parent);

    // The fields by role; the numbers are those of their controls Text1..Text16.
    enum class Field {
        PictureZoom = 1,
        PictureLeft,
        PictureTop,
        PictureWidth,
        PictureHeight,
        CloseUpZoom,
        CloseUpLeft,
        CloseUpTop,
        CloseUpWidth,
        CloseUpHeight,
        NameText,
        CardLeft,
        CardTop,
        NameLeft,
        NameTop,
        CardZoom,
    };
    static constexpr int FieldCount = 16;
    // The four items and their check boxes Che1..Che4.
    enum class Item { Name = 1, Card, Picture, CloseUp };
    static constexpr int ItemCount = 4;

    // Fills the dialog for the plant of the plant picture window and shows it.
    void open();

    // Text1..Text16 and Che1..Che4 by their control number.
    QLineEdit* field(int n) const { return field(static_cast<Field>(n)); }
    QLineEdit* field(Field f) const { return fields_.at(static_cast<std::size_t>(f)); }
    QCheckBox* check(int n) const { return check(static_cast<Item>(n)); }
    QCheckBox* check(Item i) const { return checks_.at(static_cast<std::size_t>(i)); }
    SheetItem* item(const char* name) const;
    QWidget* sheet() const { return sheet_; }
    QMenu* popupMenu() const { return menu_; }

    // The dialog's procedures, each reading the fields and shared state.
    void PrintSettingsRefresh();
    void PlaceNamePreview();
    void DrawCardPreview();
    void ChooseNameFont();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void onRightClick(QWidget* control, const QPoint& globalPos) override;

  private:
    // The plant picture and the close-up: the same five fields, a preview
    // and what the windows showed when the dialog opened.
    struct PictureGroup {
        Field zoom, left, top, width, height;
        Item item;
        SheetItem* preview = nullptr;
        QImage image;
        QSizeF twips;
    };

    void build();
    QWidget* buildGroup(Item item, const char32_t* caption,
                        std::initializer_list<std::initializer_list<Field>> rows,
                        QWidget* extra = nullptr);
    void buildMenu();
    void setGroupEnabled(Item item, bool on);
    void choosePrinterAndPaper(); // Command3
    void layOutSheet();           // its steps 3 to 5
    // The other two of a picture's scale, width and height from field f.
    void fillFromField(const PictureGroup& g, Field f, double v);
    void drawNamePreview();
    void placeCard();
    void showNameImage(); // Command5
    void cancel();        // Command1
    void printPage();     // Command2
    // Numeric fields commit on Enter and on losing the focus.
    bool commit(Field f);
    double value(Field f) const;
    void setValue(Field f, double v);
    const PictureGroup* groupOf(Field f) const;
    const PictureGroup* groupOf(const SheetItem* preview) const;
    // The largest value a field takes, and its text read by the commit rule
    // (nullopt for text the rule refuses).
    double limit(Field f) const;
    std::optional<double> committed(Field f) const;
    bool showsCloseUp() const;
    // Preview twips to the item's pixel rectangle on the sheet.
    QRect previewRect(double left, double top, double width, double height) const;
    QPoint previewPos(Field left, Field top) const;
    bool inSizingCorner(const QWidget* item, QPoint pos) const;
    void drop(SheetItem* item, QPoint posInItem);
    void resizeItem(SheetItem* item, QPoint posInItem);

    std::array<QLineEdit*, FieldCount + 1> fields_{}; // at their control numbers
    std::array<QCheckBox*, ItemCount + 1> checks_{};
    std::array<QWidget*, ItemCount + 1> groups_{};
    // The last good value of each field: what prints while its text is one
    // the commit rule refuses, as the preview still shows it.
    std::array<double, FieldCount + 1> lastGood_{};
    QLabel* label12_ = nullptr;
    QLabel* label14_ = nullptr;
    QFrame* previewArea_ = nullptr;
    QFrame* sheet_ = nullptr;   // Picture2
    QFrame* outline_ = nullptr; // Image3
    SheetItem* picture3_ = nullptr;
    SheetItem* picture4_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command3_ = nullptr;
    QPushButton* command4_ = nullptr;
    QPushButton* command5_ = nullptr;
    QMenu* menu_ = nullptr;
    QAction* printItem_ = nullptr;

    PictureGroup picture_{Field::PictureZoom,
                          Field::PictureLeft,
                          Field::PictureTop,
                          Field::PictureWidth,
                          Field::PictureHeight,
                          Item::Picture,
                          nullptr,
                          {},
                          {}};
    PictureGroup closeUp_{Field::CloseUpZoom,
                          Field::CloseUpLeft,
                          Field::CloseUpTop,
                          Field::CloseUpWidth,
                          Field::CloseUpHeight,
                          Item::CloseUp,
                          nullptr,
                          {},
                          {}};
    bool closeUpSame_ = false;
    QString classification_;

    // A drag or a sizing in progress; where inside the item the mouse was
    // pressed, preview twips.
    SheetItem* dragging_ = nullptr;
    SheetItem* sizing_ = nullptr;
    QPoint pressPos_;
    double dragOffsetX_ = 0;
    double dragOffsetY_ = 0;
    bool moved_ = false;
    bool closing_ = false;
};

// The print button of the plant picture window: opens Form42PB afresh.
void OpenPrintSettings(App& app);

} // namespace kuyu::gui
