#pragma once
// Every word the printing windows and print jobs show, in one place.

#include "gui/platform/QtText.h"

#include <QString>

namespace kuyu::gui::print {

// Printing the search result.
inline constexpr const char32_t* ResultTitle = U"検索結果（条件）印刷";
inline constexpr const char32_t* ResultAiTitle = U"検索結果（AI条件）印刷";
inline constexpr const char32_t* ResultText = U"検索結果（条件）を印刷します";
inline constexpr const char32_t* ResultAiText = U"検索結果（AI条件）を印刷します";
inline constexpr const char32_t* PaperWidthText = U"用紙の幅はA4の幅(約21cm)が必要です";
inline constexpr const char32_t* PrinterReadyText = U"(プリンタの準備はＯＫ?)";
inline constexpr const char32_t* PrinterErrorText = U"プリンタのエラーです";
inline constexpr const char32_t* ErrorTitle = U"エラーメッセージ";

// The print settings dialog (Form42PB) and the name image window (Form42P).
inline constexpr const char32_t* SettingsCaption = U"印刷の設定をします";
inline constexpr const char32_t* NameImageCaption = U"植物名タイトル";
inline constexpr const char32_t* NameCheck = U"植物名";
inline constexpr const char32_t* CardCheck = U"植物の特徴";
inline constexpr const char32_t* PictureCheck = U"植物図";
inline constexpr const char32_t* CloseUpCheck = U"UP画像";
inline constexpr const char32_t* NameDesignText = U"植物名";
inline constexpr const char32_t* PrinterCaption = U"プリンタ";
inline constexpr const char32_t* PaperCaption = U"印刷可能範囲";
inline constexpr const char32_t* CancelButton = U"キャンセル";
inline constexpr const char32_t* PrintButton = U"印刷実行";
inline constexpr const char32_t* PrinterButton = U"ﾌﾟﾘﾝﾀ設定";
inline constexpr const char32_t* FontButton = U"フォント";
inline constexpr const char32_t* ImageButton = U"イメージ";
inline constexpr const char32_t* MenuPrinter = U"プリンタ設定(&P&ｾ)";
inline constexpr const char32_t* MenuCancel = U"ｷｬﾝｾﾙ(&E&ｲ)";
inline constexpr const char32_t* MenuPrint = U"印刷実行（ＯＫ）(&O&ﾗ)";

// Captions beside the fields: Text1..Text16 (Text11 has none).
struct FieldText {
    const char* name;
    const char32_t* caption;
    const char32_t* design;
};
inline constexpr FieldText Fields[] = {
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
inline constexpr const char32_t* NoticeTitle = U"お知らせ";
inline constexpr const char32_t* WrittenToFileText = U"印刷結果をPDFファイルに書き出しました。";
inline constexpr const char32_t* PdfDevice = U"PDFファイル";
inline constexpr const char32_t* SavePdfTitle = U"PDFファイルに印刷";
inline constexpr const char32_t* PdfFilter = U"PDFファイル (*.pdf)";

inline QString PdfDeviceName() {
    return qs(PdfDevice);
}

} // namespace kuyu::gui::print
