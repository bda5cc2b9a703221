// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The identification guide's own words, in one place.

#include "gui/widgets/CommonTexts.h"

namespace kuyu::gui::texts {

inline constexpr const char32_t* GuideCaption = U"識別ガイド";
inline constexpr const char32_t* GuidePageNext = U"次に見る特徴";
inline constexpr const char32_t* GuidePageWhy = U"外れた理由";
inline constexpr const char32_t* GuidePageCompare = U"比べる";
inline constexpr const char32_t* GuideBack = U"戻る";
inline constexpr const char32_t* GuidePageCandidates = U"候補";

// The candidates page: "1. ﾂﾎﾞｽﾐﾚ（ｽﾐﾚ科）" then what fits and what does not.
inline constexpr const char32_t* GuideRankTail = U". ";
inline constexpr const char32_t* GuideFamilyLead = U"（";
inline constexpr const char32_t* GuideFamilyTail = U"科）";
inline constexpr const char32_t* GuideFitsLead = U"合う特徴 ";
inline constexpr const char32_t* GuideDisagreeLead = U"　合わない特徴: ";
inline constexpr const char32_t* GuideDisagreeNone = U"　合わない特徴なし";
inline constexpr const char32_t* GuideListSeparator = U"、";
inline constexpr const char32_t* GuideSettled =
    U"ほぼ確かです。1 番目の植物を写真で確かめてください。";
inline constexpr const char32_t* GuideNotSettled =
    U"まだ確かではありません。「次に見る特徴」で特徴を答えてください。";
inline constexpr const char32_t* GuideNotSettledEnd =
    U"まだ確かではありませんが、答えていない特徴では順位が変わりません。写真で比べてください。";
inline constexpr const char32_t* GuideCandidatesHint =
    U"合う特徴の多い順です。植物を押すと写真を表示します。";
inline constexpr const char32_t* GuideCompareTop = U"上の 2 種を比べる";

// 次に見る特徴: the rows answered so far, the unsure box, an option that
// leaves no plant in the search.
inline constexpr const char32_t* GuideAnsweredHeading =
    U"答えた特徴（同じ行でもう一つ押すと「または」）";
inline constexpr const char32_t* GuideUnsure = U"自信がない";
inline constexpr const char32_t* GuideNoPlantLeft = U"検索では該当する植物がなくなります";

// "候補 12 種類（検索）"
inline constexpr const char32_t* GuideCountLead = U"候補 ";
inline constexpr const char32_t* GuideCountTail = U" 種類";
inline constexpr const char32_t* GuideModePlain = U"（検索）";
inline constexpr const char32_t* GuideModeFuzzy = U"（ﾌｧｼﾞｨｰ検索）";
inline constexpr const char32_t* GuideModeAi = U"（ＡＩ検索）";
inline constexpr const char32_t* GuideHistoryLead = U"条件の変更 ";
inline constexpr const char32_t* GuideHistoryTail = U" 回";

inline constexpr const char32_t* GuideNextHint =
    U"上の特徴ほど候補がよく絞れます。植物の様子に合うものを押してください。";
inline constexpr const char32_t* GuideExpectedLead = U"残り約 ";
inline constexpr const char32_t* GuideExpectedTail = U" 種類";
inline constexpr const char32_t* GuideAllSet = U"すべての特徴が選ばれています。";
inline constexpr const char32_t* GuideNoCandidates =
    U"該当する植物がありません。戻るで条件を一つ戻せます。";

inline constexpr const char32_t* GuideWhyPrompt = U"植物名:";
inline constexpr const char32_t* GuideShow = U"表示";
inline constexpr const char32_t* GuideNameHint = U"ひらがな・カタカナで入力できます";
inline constexpr const char32_t* GuideNoSuchPlant = U"その名前の植物は登録されていません。";
inline constexpr const char32_t* GuideWhyColumns[] = {U"特徴", U"選んだ条件", U"この植物",
                                                      U"ＡＩ検索"};
inline constexpr const char32_t* GuideAiPasses = U"通る";
inline constexpr const char32_t* GuideAiFails = U"通らない";
inline constexpr const char32_t* GuideListed = U"○";
inline constexpr const char32_t* GuideNotListed = U"×";
inline constexpr const char32_t* GuideKeptPlain = U"検索 ";
inline constexpr const char32_t* GuideKeptFuzzy = U"　ﾌｧｼﾞｨｰ検索 ";
inline constexpr const char32_t* GuideKeptAi = U"　ＡＩ検索 ";
inline constexpr const char32_t* GuideAllAgree = U"選んだ条件にすべて合っています。";
inline constexpr const char32_t* GuideNameOut = U"名前の欄の文字に合わないため外れています。";

inline constexpr const char32_t* GuideComparePromptA = U"植物 1:";
inline constexpr const char32_t* GuideComparePromptB = U"植物 2:";
inline constexpr const char32_t* GuideCompareFeature = U"特徴";
inline constexpr const char32_t* GuideCompareHint = U"違う特徴は色付きで示します。";

// ｵﾌﾟｼｮﾝ → 候補数の表示, remembered under this key.
inline constexpr const char* GuideBadgeSettingKey = "CandidateCounts";

} // namespace kuyu::gui::texts
