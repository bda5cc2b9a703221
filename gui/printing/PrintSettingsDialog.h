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

    // Fills the dialog for the plant of the plant picture window and shows it.
    void open();

    QLineEdit* field(int n) const { return fields_.at(static_cast<std::size_t>(n)); }
    QCheckBox* check(int n) const { return checks_.at(static_cast<std::size_t>(n)); }
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
    void build();
    QWidget* buildGroup(int check, const char32_t* caption,
                        std::initializer_list<std::initializer_list<int>> rows,
                        QWidget* extra = nullptr);
    void setGroupEnabled(int check, bool on);
    void choosePrinterAndPaper(); // Command3
    void layOutSheet();           // its steps 3 to 5
    void fillPictureSizes(bool closeUpToo);
    void drawNamePreview();
    void placeCard();
    void showNameImage(); // Command5
    void cancel();        // Command1
    void printPage();     // Command2
    // Numeric fields commit on Enter and on losing the focus.
    bool commit(int n);
    double value(int n) const;
    void setValue(int n, double v);
    // Preview twips to the item's pixel rectangle on the sheet.
    QRect previewRect(double left, double top, double width, double height) const;
    bool inSizingCorner(const QWidget* item, QPoint pos) const;
    void drop(SheetItem* item, QPoint posInItem);
    void resizeItem(SheetItem* item, QPoint posInItem);

    std::array<QLineEdit*, 17> fields_{}; // Text1..Text16 at 1..16
    std::array<QCheckBox*, 5> checks_{};  // Che1..Che4 at 1..4
    std::array<QWidget*, 5> groups_{};
    QLabel* label12_ = nullptr;
    QLabel* label14_ = nullptr;
    QFrame* previewArea_ = nullptr;
    QFrame* sheet_ = nullptr;   // Picture2
    QFrame* outline_ = nullptr; // Image3
    SheetItem* image1_ = nullptr;
    SheetItem* image2_ = nullptr;
    SheetItem* picture3_ = nullptr;
    SheetItem* picture4_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command3_ = nullptr;
    QPushButton* command4_ = nullptr;
    QMenu* menu_ = nullptr;

    // What the plant picture and close-up windows showed on opening.
    QImage picture_;
    QSizeF pictureTwips_;
    bool closeUpSame_ = false;
    QImage closeUp_;
    QSizeF closeUpTwips_;
    QString classification_;

    // A drag or a sizing in progress.
    SheetItem* dragging_ = nullptr;
    SheetItem* sizing_ = nullptr;
    QPoint pressPos_;
    bool moved_ = false;
    bool closing_ = false;
};

// The print button of the plant picture window: opens Form42PB afresh.
void OpenPrintSettings(App& app);

// Prints the plant page as the dialog set it up, one job per copy.
struct PlantPage;
void PrintPlantPageCommand(App& app, const PlantPage& page);

} // namespace kuyu::gui
