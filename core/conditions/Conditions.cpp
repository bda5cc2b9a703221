// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/conditions/Conditions.h"

#include "core/Errors.h"

#include <vector>

namespace kuyu {

namespace {

struct CategoryText {
    const char32_t* name;
    std::vector<const char32_t*> options;
};

// Category names and option labels, 1..11. The "&" inside labels and the
// trailing blank of "分類 " are part of the texts.
const std::array<CategoryText, ClassCategory + 1>& labelTable() {
    static const std::array<CategoryText, ClassCategory + 1> table{{
        {U"", {}},
        {U"花の色", {U"赤系", U"黄系", U"青系", U"緑系", U"白系", U"不明"}},
        {U"花弁数", {U"1枚", U"2枚", U"3枚", U"4枚", U"5枚", U"6枚", U"7以上", U"不明"}},
        {U"花序", {U"総状", U"穂状", U"散形", U"頭状", U"不明"}},
        {U"花の形", {U"整&離", U"不&離", U"整&合", U"不&合", U"ｽﾐﾚ形", U"舌･管", U"不明"}},
        {U"ｵｼﾍﾞ数", {U"1本", U"2本", U"3本", U"4本", U"5本", U"6本", U"7以上", U"不明"}},
        {U"葉序", {U"互生", U"対生", U"輪生", U"根生", U"不明"}},
        {U"葉の形", {U"全縁", U"鋸歯", U"深裂", U"複葉", U"不明"}},
        {U"葉脈", {U"網状", U"平行", U"不明"}},
        {U"茎形状", {U"ﾂﾙ状", U"ﾂﾙ&毛", U"直状", U"直&毛", U"不明"}},
        {U"茎断面", {U"円形", U"円&空", U"3角", U"4角", U"5角", U"不明"}},
        {U"分類 ", {U"双子葉類離弁花", U"双子葉類合弁花", U"単子葉類", U"シダ植物", U"裸子植物"}},
    }};
    return table;
}

const std::array<CategoryInfo, CategoryCount + 1>& categoryTable() {
    static const std::array<CategoryInfo, CategoryCount + 1> table{{
        {0, U"", U"", "", ""},
        {6, U"花の色", U"IRO", "MENU11", "toku01"},
        {8, U"花びらの数", U"MAISUU", "MENU12", "toku02"},
        {5, U"花のつき方", U"KAJO", "MENU13", "toku03"},
        {7, U"花の形", U"HANAGATA", "MENU14", "toku04"},
        {8, U"おしべの数", U"OSIBE", "MENU15", "toku05"},
        {5, U"葉のつき方", U"HATSUKI", "MENU21", "toku06"},
        {5, U"葉の形", U"HAKEI", "MENU22", "toku07"},
        {3, U"葉脈", U"YOUMYAKU", "MENU23", "toku08"},
        {5, U"茎の形状", U"KUKIKEI", "MENU31", "toku09"},
        {6, U"茎の断面", U"KUKIDAN", "MENU32", "toku10"},
    }};
    return table;
}

const Text PickerHint = U"  (わからない場合は無理をせずに不明を選んで下さい。）";
const Text PickerCurrent1 = U"  現在 ";
const Text PickerCurrent2 = U" 番が選択されています。";

// The numeric value of one character as the old Val() gave it for a digit;
// anything else counts as 0.
int digitValue(char32_t c) {
    return (c >= U'0' && c <= U'9') ? static_cast<int>(c - U'0') : 0;
}

} // namespace

const CategoryInfo& Category(int k) {
    if (k < 1 || k > CategoryCount) {
        throw RunTimeError(err::SubscriptOutOfRange);
    }
    return categoryTable()[static_cast<std::size_t>(k)];
}

void FillOptionLabels(AppState& state) {
    const auto& table = labelTable();
    for (int k = 1; k <= ClassCategory; ++k) {
        auto& row = state.OptionLabel[static_cast<std::size_t>(k)];
        row.fill(Text{});
        const CategoryText& c = table[static_cast<std::size_t>(k)];
        row[0] = c.name;
        for (std::size_t n = 0; n < c.options.size(); ++n) {
            row[n + 1] = c.options[n];
        }
    }
}

void ResetSelection(AppState& state) {
    state.SelectionCode = emptySelectionCode();
    state.CategoryChosen.fill(false);
    state.CurrentCategory = 0;
    state.CurrentOption = 0;
}

Text BeginConditionPicker(AppState& state) {
    const int k = state.CurrentCategory;
    if (k < 1 || k > ClassCategory) {
        throw RunTimeError(err::SubscriptOutOfRange);
    }
    const Text& name = state.OptionLabel[static_cast<std::size_t>(k)][0];
    state.CurrentOption = 0;
    const Text d = mid(state.SelectionCode, static_cast<std::size_t>(k), 1);
    if (d != U"0") {
        state.CurrentOption = static_cast<std::int16_t>(d.empty() ? 0 : digitValue(d[0]));
        return name + PickerCurrent1 + d + PickerCurrent2;
    }
    return name + PickerHint;
}

void CommitCondition(AppState& state) {
    const int k = state.CurrentCategory;
    if (k < 1 || k > CategoryCount) {
        throw RunTimeError(err::SubscriptOutOfRange);
    }
    if (state.CurrentOption == state.OptionCount) {
        state.CurrentOption = 0;
    }
    const Text digits = decimal(state.CurrentOption);
    if (state.SelectionCode.size() < CodeLength) {
        state.SelectionCode.resize(CodeLength, U' ');
    }
    state.SelectionCode[static_cast<std::size_t>(k - 1)] = digits.back();
    state.CategoryChosen[static_cast<std::size_t>(k)] = state.CurrentOption != 0;
}

Message ClearConditionsQuestion() {
    Message m;
    m.text = U"      検索条件を初期化します";
    m.title = U"検索条件解除";
    m.buttons = MessageButtons::YesNo;
    m.systemModal = true;
    return m;
}

void ClearAllConditions(AppState& state) {
    state.SelectionCode = emptySelectionCode();
    state.CategoryChosen.fill(false);
}

} // namespace kuyu
