// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every word the printing windows and print jobs show, in one place.

#include "gui/widgets/CommonTexts.h"

#include <QString>

namespace kuyu::gui::texts {

// Printing the search result.
inline constexpr const char32_t* PrintResultTitle = U"検索結果（条件）印刷";
inline constexpr const char32_t* PrintResultAiTitle = U"検索結果（AI条件）印刷";
inline constexpr const char32_t* PrintResultText = U"検索結果（条件）を印刷します";
inline constexpr const char32_t* PrintResultAiText = U"検索結果（AI条件）を印刷します";
inline constexpr const char32_t* PrintPaperWidthText = U"用紙の幅はA4の幅(約21cm)が必要です";
inline constexpr const char32_t* PrinterReadyText = U"(プリンタの準備はＯＫ?)";
inline constexpr const char32_t* PrinterErrorText = U"プリンタのエラーです";
// Around the number of any other printing error.
inline constexpr const char32_t* PrintErrorNumberLead = U"エラー番号";
inline constexpr const char32_t* PrintErrorNumberTail = U"のエラーです";

// The print settings dialog (Form42PB) and the name image window (Form42P).
inline constexpr const char32_t* PrintSettingsCaption = U"印刷の設定をします";
inline constexpr const char32_t* PrintNameImageCaption = U"植物名タイトル";
inline constexpr const char32_t* PrintNameCheck = U"植物名";
inline constexpr const char32_t* PrintCardCheck = U"植物の特徴";
inline constexpr const char32_t* PrintPictureCheck = U"植物図";
inline constexpr const char32_t* PrintCloseUpCheck = U"UP画像";
inline constexpr const char32_t* PrintNameDesignText = U"植物名";
inline constexpr const char32_t* PrinterCaption = U"プリンタ";
inline constexpr const char32_t* PrintPaperCaption = U"印刷可能範囲";
inline constexpr const char32_t* PrintButton = U"印刷実行";
inline constexpr const char32_t* PrinterButton = U"ﾌﾟﾘﾝﾀ設定";
inline constexpr const char32_t* PrintFontButton = U"フォント";
inline constexpr const char32_t* PrintImageButton = U"イメージ";
inline constexpr const char32_t* PrintMenuPrinter = U"プリンタ設定(&P&ｾ)";
inline constexpr const char32_t* PrintMenuCancel = U"ｷｬﾝｾﾙ(&E&ｲ)";
inline constexpr const char32_t* PrintMenuPrint = U"印刷実行（ＯＫ）(&O&ﾗ)";

// Captions beside the fields: Text1..Text16 (Text11 has none).
struct PrintFieldText {
    const char* name;
    const char32_t* caption;
    const char32_t* design;
};
inline constexpr PrintFieldText PrintFields[] = {
    {"Text1", U"画像倍率(X)", U"1"},    {"Text2", U"左から(L)", U"30"},
    {"Text3", U"上から(Ｔ)", U"30"},    {"Text4", U"画像の幅(W)", U"0"},
    {"Text5", U"画像の高さ(H)", U"0"},  {"Text6", U"画像倍率(X)", U"1"},
    {"Text7", U"左から(L)", U"30"},     {"Text8", U"上から(T)", U"125"},
    {"Text9", U"画像の幅(W)", U"0"},    {"Text10", U"画像の高さ(H)", U"0"},
    {"Text11", U"", U"植物名"},         {"Text12", U"左から(L)", U"100"},
    {"Text13", U"上から(T)", U"30"},    {"Text14", U"左から（Ｌ）", U"30"},
    {"Text15", U"上から（Ｔ）", U"20"}, {"Text16", U"表示倍率(X)", U"1"},
};

// Our own words: where a printout went when there is no printer.
inline constexpr const char32_t* PrintNoticeTitle = U"お知らせ";
inline constexpr const char32_t* PrintWrittenToFileText =
    U"印刷結果をPDFファイルに書き出しました。";
inline constexpr const char32_t* PdfDevice = U"PDFファイル";
// 印刷実行 with none of the four items ticked.
inline constexpr const char32_t* PrintNothingChosenText = U"印刷する項目が選ばれていません。";
inline constexpr const char32_t* PrintChooseItemText =
    U"植物名、植物の特徴、植物図、UP画像のどれかにチェックを付けてください。";

inline QString PdfDeviceName() {
    return q(PdfDevice);
}

} // namespace kuyu::gui::texts
