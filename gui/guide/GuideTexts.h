#pragma once
// The identification guide's own words, in one place.

namespace kuyu::gui::guide {

inline constexpr const char* Caption = "識別ガイド";
inline constexpr const char* PageNext = "次に見る特徴";
inline constexpr const char* PageWhy = "外れた理由";
inline constexpr const char* PageCompare = "比べる";
inline constexpr const char* Back = "戻る";
inline constexpr const char* Close = "終了";

// "候補 12 種類（検索）"
inline constexpr const char* CountLead = "候補 ";
inline constexpr const char* CountTail = " 種類";
inline constexpr const char* ModePlain = "（検索）";
inline constexpr const char* ModeFuzzy = "（ﾌｧｼﾞｨｰ検索）";
inline constexpr const char* ModeAi = "（ＡＩ検索）";
inline constexpr const char* HistoryLead = "条件の変更 ";
inline constexpr const char* HistoryTail = " 回";

inline constexpr const char* NextHint =
    "上の特徴ほど候補がよく絞れます。植物の様子に合うものを押してください。";
inline constexpr const char* ExpectedLead = "残り約 ";
inline constexpr const char* ExpectedTail = " 種類";
inline constexpr const char* AllSet = "すべての特徴が選ばれています。";
inline constexpr const char* NoCandidates = "該当する植物がありません。戻るで条件を一つ戻せます。";

inline constexpr const char* WhyPrompt = "植物名:";
inline constexpr const char* Show = "表示";
inline constexpr const char* NameHint = "ひらがな・カタカナで入力できます";
inline constexpr const char* NoSuchPlant = "その名前の植物は登録されていません。";
inline constexpr const char* WhyColumns[] = {"特徴", "選んだ条件", "この植物", "ＡＩ検索"};
inline constexpr const char* AiPasses = "通る";
inline constexpr const char* AiFails = "通らない";
inline constexpr const char* Listed = "○";
inline constexpr const char* NotListed = "×";
inline constexpr const char* KeptPlain = "検索 ";
inline constexpr const char* KeptFuzzy = "　ﾌｧｼﾞｨｰ検索 ";
inline constexpr const char* KeptAi = "　ＡＩ検索 ";
inline constexpr const char* AllAgree = "選んだ条件にすべて合っています。";
inline constexpr const char* NameOut = "名前の欄の文字に合わないため外れています。";

inline constexpr const char* ComparePromptA = "植物 1:";
inline constexpr const char* ComparePromptB = "植物 2:";
inline constexpr const char* CompareFeature = "特徴";
inline constexpr const char* CompareHint = "違う特徴は色付きで示します。";

// ｵﾌﾟｼｮﾝ → 候補数の表示, remembered under this key.
inline constexpr const char* BadgeSettingKey = "CandidateCounts";

} // namespace kuyu::gui::guide
