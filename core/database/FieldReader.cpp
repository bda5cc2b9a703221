// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Errors.h"
#include "core/database/Database.h"

namespace kuyu {

namespace {

// Only the blank is skipped before a field; a tab is data.
bool isBlank(char32_t c) {
    return c == U' ';
}
bool isLineEnd(char32_t c) {
    return c == U'\r' || c == U'\n';
}

} // namespace

FieldReader::FieldReader(Text content) : text_(std::move(content)) {}

bool FieldReader::atEnd() const {
    return pos_ >= text_.size();
}

Text FieldReader::readField() {
    if (pos_ >= text_.size()) {
        throw RunTimeError(err::InputPastEnd);
    }
    const std::size_t n = text_.size();
    while (pos_ < n && isBlank(text_[pos_])) {
        ++pos_;
    }
    Text value;
    if (pos_ < n && text_[pos_] == U'"') {
        // Quoted: commas, blanks and line ends inside are data. Whatever
        // stands between the closing quote and the separator is dropped.
        const std::size_t close = text_.find(U'"', pos_ + 1);
        if (close == Text::npos) {
            value = text_.substr(pos_ + 1);
            pos_ = n;
            return value;
        }
        value = text_.substr(pos_ + 1, close - pos_ - 1);
        pos_ = close + 1;
        while (pos_ < n && text_[pos_] != U',' && !isLineEnd(text_[pos_])) {
            ++pos_;
        }
    } else {
        const std::size_t start = pos_;
        while (pos_ < n && text_[pos_] != U',' && !isLineEnd(text_[pos_])) {
            ++pos_;
        }
        value = text_.substr(start, pos_ - start);
    }
    // Consume the separator: a comma, CR LF, a lone CR or a lone LF.
    if (pos_ < n) {
        if (text_[pos_] == U'\r' && pos_ + 1 < n && text_[pos_ + 1] == U'\n') {
            pos_ += 2;
        } else {
            ++pos_;
        }
    }
    return value;
}

} // namespace kuyu
