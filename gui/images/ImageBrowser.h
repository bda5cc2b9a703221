// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The image browser: the file chooser Form72 ("画像データファイル選択") and the
// viewer Form72A ("画像ファイル"), which shows any picture file on the machine
// at its natural size, Pi pictures included.

#include "gui/widgets/FormWindow.h"

#include <QImage>
#include <QList>
#include <QString>

#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QScrollArea;
class QTreeWidget;
class QTreeWidgetItem;

namespace kuyu::gui {

class ImageBox;

// One entry of the drive list: what it is called and the folder it opens.
struct Drive {
    QString name;
    QString root;
};

// The places a person picks from: the root folder, the home folder, then
// every volume mounted under /media, /run/media or /mnt (sticks and cards),
// each named by its label and mount point.
QList<Drive> mountedDrives();

class Form72 : public FormWindow {
    Q_OBJECT
  public:
    static constexpr const char* Name = "Form72";
    Form72(App& app, QWidget* parent);

    // MENU72: Label3 shows the folder, the combined file type is chosen and
    // the window comes up.
    void open();

    QString dirPath() const { return dirPath_; }   // the path of Dir1
    QString filePath() const { return filePath_; } // the folder File1 lists
    QString pattern() const { return pattern_; }   // the pattern of File1
    QString fileName() const;                      // Text1
    void clearFileName();

    // The drive list; start-up reads the mounted volumes.
    void setDrives(const QList<Drive>& drives);
    // Dir1 (and File1 and Label3) move to `folder`. A folder that cannot be
    // read changes nothing and returns false.
    bool setDirPath(const QString& folder);
    // The name on disk (bytes) of the file Text1 names when it is the chosen
    // row of File1; nullopt for a name typed in, which is looked up.
    std::optional<std::string> chosenFileOnDisk() const;

  protected:
    void onRightClick(QWidget* control, const QPoint& globalPos) override;
    bool onActivateKey(QWidget* control, int key) override;

  private:
    // setDirPath, answering 0 or the error number of the folder's listing.
    int changeFolder(const QString& folder);
    void applyFileType(bool starRule);
    void setPattern(const QString& pattern);
    void refreshFiles();
    void fillFolders(const QString& folder, const QStringList& children);
    void chooseDrive(int index);
    int driveOf(const QString& path) const;
    void showDriveOf(const QString& path);
    void openFolderItem(QTreeWidgetItem* item);
    void takeFileName();

    QComboBox* drive1_ = nullptr;
    QTreeWidget* dir1_ = nullptr;
    QLabel* label3_ = nullptr;
    QListWidget* file1_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command3_ = nullptr;
    QMenu* menu_ = nullptr;
    QList<Drive> drives_;
    QString dirPath_;
    QString filePath_;
    QString pattern_;
};

class Form72A : public FormWindow {
    Q_OBJECT
  public:
    static constexpr const char* Name = "Form72A";
    Form72A(App& app, QWidget* parent);

    // Shows `picture` at its natural size under `caption`, the window sized
    // around it; a picture larger than the screen scrolls.
    void showPicture(const QImage& picture, const QString& caption);
    ImageBox* image() const { return image1_; }

  protected:
    void onRightClick(QWidget* control, const QPoint& globalPos) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void layOut();

    QScrollArea* area_ = nullptr;
    ImageBox* image1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QMenu* menu_ = nullptr;
    bool placed_ = false;
};

// Loads the file named by Text1 of Form72, in the folder its File1 lists,
// into the viewer and shows it. Failures are reported here.
void ViewImageFile(App& app);

} // namespace kuyu::gui
