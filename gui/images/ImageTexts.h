#pragma once
// The image browser's words and its file types, kept in one place exactly as
// the program has always shown them.

#include <array>

namespace kuyu::gui::images {

inline constexpr const char* BrowserCaption = "画像データファイル選択";
inline constexpr const char* ViewerCaption = "画像ファイル";
inline constexpr const char* DriveCaption = "ドライブ名:";
inline constexpr const char* FolderCaption = "フォルダ：";
inline constexpr const char* FileNameCaption = "画像データファイル名:";
inline constexpr const char* FileTypeCaption = "ファイルの種類";
inline constexpr const char* ShowCaption = "表示";
inline constexpr const char* CancelCaption = "中止";
inline constexpr const char* CloseCaption = "終了";
inline constexpr const char* ShowItem = "表示(画像表示）(&V&ﾋ)";
inline constexpr const char* CancelItem = "中止（キャンセル）(&C&ｿ)";
inline constexpr const char* CloseItem = "終了(&E&ｲ)";
inline constexpr const char* ViewerCloseItem = "画像表示終了(&E&ｲ)";
inline constexpr const char* CannotLoad = "画像ファイルがロードできません";
inline constexpr const char* ErrorTitle = "エラーメッセージ";
inline constexpr const char* Times = "×";

// The drive list names the folders a person picks from.
inline constexpr const char* RootDriveName = "ルート";
inline constexpr const char* HomeDriveName = "ホーム";

// The file-type list, in order, and the pattern of the file list each item
// chooses (patterns separated by ";", matched without regard to letter case).
struct FileType {
    const char* caption;
    const char* pattern;
};
inline constexpr std::array<FileType, 7> FileTypes = {{
    {"BMP,GIF,Pi,JPGファイル", "*.BMP;*.GIF;*.JPG;*.JPEG;*.Pi"},
    {"BMPファイル (*.BMP)", "*.BMP"},
    {"GIFファイル (*.GIF)", "*.GIF"},
    {"JPGファイル (*.JPG)", "*.JPG;*.JPEG"},
    {"Piファイル (*.Pi)", "*.Pi"},
    {"ICOファイル (*.ICO)", "*.ICO"},
    {"すべてのファイル (*.*)", "*.*"},
}};
inline constexpr const char* AllFilesPattern = "*.*";

} // namespace kuyu::gui::images
