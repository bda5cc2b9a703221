// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The image browser's words and its file types, kept in one place exactly as
// the program has always shown them.

#include "gui/widgets/CommonTexts.h"

#include <array>

namespace kuyu::gui::texts {

inline constexpr const char32_t* ImageBrowserCaption = U"画像データファイル選択";
inline constexpr const char32_t* ImageViewerCaption = U"画像ファイル";
inline constexpr const char32_t* ImageDriveCaption = U"ドライブ名:";
inline constexpr const char32_t* ImageFolderCaption = U"フォルダ：";
inline constexpr const char32_t* ImageFileNameCaption = U"画像データファイル名:";
inline constexpr const char32_t* ImageFileTypeCaption = U"ファイルの種類";
inline constexpr const char32_t* ImageShowCaption = U"表示";
inline constexpr const char32_t* ImageCancelCaption = U"中止";
inline constexpr const char32_t* ImageShowItem = U"表示(画像表示）(&V&ﾋ)";
inline constexpr const char32_t* ImageCancelItem = U"中止（キャンセル）(&C&ｿ)";
inline constexpr const char32_t* ImageCloseItem = U"終了(&E&ｲ)";
inline constexpr const char32_t* ImageViewerCloseItem = U"画像表示終了(&E&ｲ)";
inline constexpr const char32_t* ImageCannotLoad = U"画像ファイルがロードできません";
inline constexpr const char32_t* ImageTimes = U"×";
// A folder that cannot be opened for want of permission (error 75 follows).
inline constexpr const char32_t* ImageFolderNoAccess =
    U"このフォルダは開けません（アクセスが許可されていません）";

// The drive list names the folders a person picks from.
inline constexpr const char32_t* ImageRootDriveName = U"ルート";
inline constexpr const char32_t* ImageHomeDriveName = U"ホーム";

// The file-type list, in order, and the pattern of the file list each item
// chooses (patterns separated by ";", matched without regard to letter case).
struct ImageFileType {
    const char32_t* caption;
    const char32_t* pattern;
};
inline constexpr std::array<ImageFileType, 7> ImageFileTypes = {{
    {U"BMP,GIF,Pi,JPGファイル", U"*.BMP;*.GIF;*.JPG;*.JPEG;*.Pi"},
    {U"BMPファイル (*.BMP)", U"*.BMP"},
    {U"GIFファイル (*.GIF)", U"*.GIF"},
    {U"JPGファイル (*.JPG)", U"*.JPG;*.JPEG"},
    {U"Piファイル (*.Pi)", U"*.Pi"},
    {U"ICOファイル (*.ICO)", U"*.ICO"},
    {U"すべてのファイル (*.*)", U"*.*"},
}};
inline constexpr const char32_t* ImageAllFilesPattern = U"*.*";

} // namespace kuyu::gui::texts
