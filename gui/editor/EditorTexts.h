// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every word the plant data editor shows itself. The category names and
// option labels come from the core's label table; the words of a refused
// edit or a failed save come from the editor's core.

#include "gui/widgets/CommonTexts.h"

#include <array>

namespace kuyu::gui::texts {

inline constexpr const char32_t* EditorCaption = U"植物データ編集";
// The item of the ｼｽﾃﾑ menu that opens the editor.
inline constexpr const char32_t* EditorMenuItem = U"ﾃﾞｰﾀ編集(&E&ﾍ)";

// The window's own menus and buttons.
inline constexpr const char32_t* EditorMenuFile = U"ファイル(&F)";
inline constexpr const char32_t* EditorMenuEdit = U"編集(&E)";
inline constexpr const char32_t* EditorNew = U"新規";
inline constexpr const char32_t* EditorOpen = U"開く";
inline constexpr const char32_t* EditorSave = U"保存";
inline constexpr const char32_t* EditorUndo = U"元に戻す";
inline constexpr const char32_t* EditorRedo = U"やり直し";
inline constexpr const char32_t* EditorAddPlant = U"植物を追加";
inline constexpr const char32_t* EditorRemovePlant = U"植物を削除";
inline constexpr const char32_t* EditorExportCsv = U"CSV書き出し";
inline constexpr const char32_t* EditorImportCsv = U"CSV読み込み";

// The plant list.
inline constexpr const char32_t* EditorFilter = U"絞り込み:";
inline constexpr const char32_t* EditorFilterHint = U"名前・科名・別名の一部（ひらがなでも可）";
inline constexpr const char32_t* EditorColumnName = U"植物名";
inline constexpr const char32_t* EditorColumnFamily = U"科名";
inline constexpr const char32_t* EditorColumnClass = U"分類";
inline constexpr const char32_t* EditorColumnWarnings = U"警告";
// The columns of the five files, in slot order (植物図, ＵＰ1, ＵＰ2, メモ, 動画).
inline constexpr std::array<const char32_t*, 5> EditorSlotNames = {U"植物図", U"ＵＰ1", U"ＵＰ2",
                                                                   U"メモ", U"動画"};
inline constexpr const char32_t* EditorPresent = U"○";
inline constexpr const char32_t* EditorStatusPlants = U"植物 ";
inline constexpr const char32_t* EditorStatusPlantsUnit = U" 種";
inline constexpr const char32_t* EditorStatusWarnings = U"　警告 ";
inline constexpr const char32_t* EditorStatusWarningsUnit = U" 件";
inline constexpr const char32_t* EditorStatusNoWarnings = U"　警告はありません";
inline constexpr const char32_t* EditorStatusModified = U"　（未保存の変更があります）";
inline constexpr const char32_t* EditorStatusNoFolder =
    U"データフォルダがありません。「新規」か「開く」を押してください";

// One plant.
inline constexpr const char32_t* EditorTabNames = U"名前と分類";
inline constexpr const char32_t* EditorTabStates = U"特徴（絵で選ぶ）";
inline constexpr const char32_t* EditorTabFiles = U"写真とメモ";
inline constexpr const char32_t* EditorName = U"植物名（半角カナ）:";
inline constexpr const char32_t* EditorNameHint = U"ひらがな・全角カタカナは半角カナになります";
inline constexpr const char32_t* EditorFamily = U"科名（「科」は付けない）:";
inline constexpr const char32_t* EditorClass = U"分類:";
inline constexpr const char32_t* EditorNoClass = U"（未設定）";
inline constexpr const char32_t* EditorAliases = U"別名（「、」で区切る）:";
inline constexpr const char32_t* EditorNoPlant =
    U"左の一覧で植物を選ぶか、「植物を追加」を押してください";

// The state of one category.
inline constexpr const char32_t* EditorStateUnknown = U"不明";
inline constexpr const char32_t* EditorStateIndefinite = U"不定";
inline constexpr const char32_t* EditorStateNone = U"なし";
inline constexpr const char32_t* EditorStateSeveral = U"いくつか";
inline constexpr const char32_t* EditorValueSeparator = U"・";
inline constexpr const char32_t* EditorChooseHint =
    U"絵をクリックして、この植物に当てはまるものを選んでください。";
inline constexpr const char32_t* EditorUnknownHelp =
    U"わからないとき（どの条件で探しても残ります）";
inline constexpr const char32_t* EditorIndefiniteHelp = U"決まっていないとき（株によって違う）";
inline constexpr const char32_t* EditorNoneHelp = U"その特徴がないとき（花のないシダなど）";
inline constexpr const char32_t* EditorSeveralHelp =
    U"いくつも当てはまるとき: このボタンを押してから、当てはまる絵を順にクリックします"
    U"（もう一度クリックすると外れます）。選んだどれで探しても見つかります。";
inline constexpr const char32_t* EditorSeveralIndefinite = U"ページでは「不定」と表示（6つまで）";
inline constexpr const char32_t* EditorSeveralFirst =
    U"ページでは最初に選んだものに印を付けて表示（3つまで）";
inline constexpr const char32_t* EditorSecondary = U"別の状態（ＡＩ検索で使う）:";
inline constexpr const char32_t* EditorNoSecondary = U"なし（上と同じ）";
inline constexpr const char32_t* EditorNowChosen = U"いまの選択: ";
inline constexpr const char32_t* EditorNoIllustration =
    U"の絵がみつかりません。下のボタンで選んでください";

// Files.
inline constexpr const char32_t* EditorAttach = U"ファイルを付ける…";
inline constexpr const char32_t* EditorFileThere = U"あり";
inline constexpr const char32_t* EditorFileMissing = U"なし";
inline constexpr const char32_t* EditorDropHint =
    U"写真・メモ（.txt）・動画（.avi）のファイルをこの画面に落としても付けられます。";
inline constexpr const char32_t* EditorNote = U"メモの内容:";
inline constexpr const char32_t* EditorPhotoFilter = U"写真 (*.jpg *.jpeg *.png *.bmp *.gif *.pi)";
inline constexpr const char32_t* EditorNoteFilter = U"メモ (*.txt)";
inline constexpr const char32_t* EditorVideoFilter = U"動画 (*.avi)";
inline constexpr const char32_t* EditorAllFilter = U"すべてのファイル (*)";
inline constexpr const char32_t* EditorCsvFilter = U"CSV (*.csv)";

// Dialog titles.
inline constexpr const char32_t* EditorAttachTitle = U"付けるファイルの選択";
inline constexpr const char32_t* EditorNewTitle = U"新しいデータを作るフォルダの選択";
inline constexpr const char32_t* EditorOpenTitle = U"編集するデータファイルの選択";
inline constexpr const char32_t* EditorExportTitle = U"CSVファイルの書き出し先";
inline constexpr const char32_t* EditorImportTitle = U"読み込むCSVファイルの選択";

// Messages.
inline constexpr const char32_t* EditorTitle = U"植物データ編集";
inline constexpr const char32_t* EditorAskDiscard =
    U"保存していない変更があります。保存せずに進めますか？";
inline constexpr const char32_t* EditorAskOverwrite =
    U"データファイルは、読み込んだ後でほかから書き換えられています。上書きしますか？";
inline constexpr const char32_t* EditorAskRemove = U"を一覧から削除しますか？";
inline constexpr const char32_t* EditorPhotoUnreadable = U"この写真は読み込めません: ";
inline constexpr const char32_t* EditorPhotoTooLarge = U"この写真は大きすぎます（";
inline constexpr const char32_t* EditorPhotoTooLargeEnd = U" MB・1億画素まで）: ";
inline constexpr const char32_t* EditorNoteUnreadable = U"このメモは読み込めません: ";
inline constexpr const char32_t* EditorNoteTooLarge = U"このメモは大きすぎます（1 MB まで）: ";
inline constexpr const char32_t* EditorCannotAttach =
    U"このファイルは付けられません（写真・.txt・.avi のみ）: ";
inline constexpr const char32_t* EditorNeedPlant = U"先に一覧で植物を選んでください";
inline constexpr const char32_t* EditorExported = U"CSVファイルに書き出しました: ";
inline constexpr const char32_t* EditorCsvUnwritable = U"CSVファイルに書き出せません: ";
inline constexpr const char32_t* EditorCsvUnreadable = U"CSVファイルが読み込めません: ";
inline constexpr const char32_t* EditorCsvTooLarge = U"CSVファイルが大きすぎます（16 MB まで）: ";
inline constexpr const char32_t* EditorCsvRefused =
    U"CSVファイルに誤りがあるため、読み込みませんでした。いまのデータはそのままです。";
inline constexpr const char32_t* EditorCsvMoreProblems = U"（ほかにも誤りがあります）";
inline constexpr const char32_t* EditorImported =
    U"CSVファイルを読み込みました。保存すると検索に使われます";

} // namespace kuyu::gui::texts
