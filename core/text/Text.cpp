// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/Text.h"

#include <cerrno>
#include <iconv.h>
#include <memory>
#include <stdexcept>

namespace kuyu {

namespace {

struct IconvCloser {
    void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};
using IconvHandle = std::unique_ptr<void, IconvCloser>;

IconvHandle openIconv(const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    return IconvHandle(cd);
}

// One converter per thread and direction; opening iconv is not free.
iconv_t cp932ToUtf32() {
    thread_local IconvHandle h = openIconv("UTF-32LE", "CP932");
    return static_cast<iconv_t>(h.get());
}
iconv_t utf32ToCp932() {
    thread_local IconvHandle h = openIconv("CP932", "UTF-32LE");
    return static_cast<iconv_t>(h.get());
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

} // namespace

Text fromUtf8(std::string_view s) {
    Text out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b0 = static_cast<unsigned char>(s[i]);
        int len = 0;
        char32_t c = 0;
        if (b0 < 0x80) {
            out.push_back(b0);
            ++i;
            continue;
        } else if ((b0 & 0xE0) == 0xC0) {
            len = 2;
            c = b0 & 0x1F;
        } else if ((b0 & 0xF0) == 0xE0) {
            len = 3;
            c = b0 & 0x0F;
        } else if ((b0 & 0xF8) == 0xF0) {
            len = 4;
            c = b0 & 0x07;
        } else {
            out.push_back(U'\uFFFD');
            ++i;
            continue;
        }
        if (i + len > s.size()) {
            out.push_back(U'\uFFFD');
            ++i;
            continue;
        }
        bool ok = true;
        for (int k = 1; k < len; ++k) {
            const auto b = static_cast<unsigned char>(s[i + k]);
            if ((b & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            c = (c << 6) | (b & 0x3F);
        }
        if (!ok) {
            out.push_back(U'\uFFFD');
            ++i;
            continue;
        }
        out.push_back(c);
        i += len;
    }
    return out;
}

std::string toUtf8(TextView text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text) {
        appendUtf8(out, c);
    }
    return out;
}

namespace {

// Runs the multi-byte part of CP932 through iconv, appending to `out`.
void decodeThroughIconv(std::string_view bytes, Text& out) {
    iconv_t cd = cp932ToUtf32();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char buffer[4096];
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t r = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        const std::size_t produced = (sizeof buffer - outLeft) / 4;
        for (std::size_t k = 0; k < produced; ++k) {
            const auto* p = reinterpret_cast<const unsigned char*>(buffer + 4 * k);
            out.push_back(static_cast<char32_t>(p[0] | (p[1] << 8) | (p[2] << 16) | (p[3] << 24)));
        }
        if (r == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG) {
                continue;
            }
            // An invalid or truncated sequence: one replacement per byte, go on.
            out.push_back(U'\uFFFD');
            ++in;
            --inLeft;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
}

bool isLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

} // namespace

Text decodeCp932(std::string_view bytes) {
    // Plant names and aliases are mostly ASCII and half-width katakana, which
    // are single bytes with a fixed mapping; only the double-byte runs go
    // through iconv. The name filter reads the alias file on every search, so
    // this matters.
    Text out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            out.push_back(b);
            ++i;
        } else if (b >= 0xA1 && b <= 0xDF) {
            out.push_back(0xFF61 + (b - 0xA1));
            ++i;
        } else {
            std::size_t j = i;
            while (j < bytes.size()) {
                const auto c = static_cast<unsigned char>(bytes[j]);
                if (c < 0x80 || (c >= 0xA1 && c <= 0xDF)) {
                    break;
                }
                j += isLeadByte(c) ? 2 : 1;
            }
            j = std::min(j, bytes.size());
            decodeThroughIconv(bytes.substr(i, j - i), out);
            i = j;
        }
    }
    return out;
}

std::optional<char32_t> firstCharNotInCp932(TextView text) {
    for (const char32_t c : text) {
        if (c < 0x80) {
            continue;
        }
        const auto bytes = encodeCp932(TextView(&c, 1));
        if (!bytes || decodeCp932(*bytes) != Text(1, c)) {
            return c;
        }
    }
    return std::nullopt;
}

Text toCp932Forms(TextView text) {
    Text out(text);
    for (char32_t& c : out) {
        switch (c) {
        case U'\u301C': // WAVE DASH
            c = U'\uFF5E';
            break;
        case U'\u2016': // DOUBLE VERTICAL LINE
            c = U'\u2225';
            break;
        case U'\u2212': // MINUS SIGN
            c = U'\uFF0D';
            break;
        case U'\u2014': // EM DASH
            c = U'\u2015';
            break;
        case U'\u00A2': // CENT SIGN
            c = U'\uFFE0';
            break;
        case U'\u00A3': // POUND SIGN
            c = U'\uFFE1';
            break;
        case U'\u00AC': // NOT SIGN
            c = U'\uFFE2';
            break;
        default:
            break;
        }
    }
    return out;
}

std::optional<std::string> encodeCp932(TextView text) {
    bool ascii = true;
    for (char32_t c : text) {
        if (c >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii) {
        return std::string(text.begin(), text.end());
    }
    std::string in;
    in.reserve(text.size() * 4);
    for (char32_t c : text) {
        in.push_back(static_cast<char>(c & 0xFF));
        in.push_back(static_cast<char>((c >> 8) & 0xFF));
        in.push_back(static_cast<char>((c >> 16) & 0xFF));
        in.push_back(static_cast<char>((c >> 24) & 0xFF));
    }
    iconv_t cd = utf32ToCp932();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    out.reserve(text.size() * 2);
    char buffer[4096];
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer, sizeof buffer - outLeft);
        if (r == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG) {
                continue;
            }
            return std::nullopt;
        }
    }
    return out;
}

Text decodeFileText(std::string_view bytes) {
    if (bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xEF &&
        static_cast<unsigned char>(bytes[1]) == 0xBB &&
        static_cast<unsigned char>(bytes[2]) == 0xBF) {
        return fromUtf8(bytes.substr(3));
    }
    return decodeCp932(bytes);
}

Text mid(TextView text, std::size_t start1, std::size_t count) {
    if (start1 == 0) {
        start1 = 1;
    }
    if (start1 > text.size()) {
        return {};
    }
    return Text(text.substr(start1 - 1, count));
}

Text left(TextView text, std::size_t count) {
    return Text(text.substr(0, count));
}

Text right(TextView text, std::size_t count) {
    if (count >= text.size()) {
        return Text(text);
    }
    return Text(text.substr(text.size() - count));
}

Text decimal(long value) {
    const std::string s = std::to_string(value);
    return Text(s.begin(), s.end());
}

Text numberWithSign(long value) {
    if (value < 0) {
        return decimal(value);
    }
    return U" " + decimal(value);
}

Text upperAscii(TextView text) {
    Text out(text);
    for (auto& c : out) {
        c = upperAscii(c);
    }
    return out;
}

bool endsWithIgnoringAsciiCase(TextView text, TextView suffix) {
    if (text.size() < suffix.size()) {
        return false;
    }
    const TextView tail = text.substr(text.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        if (upperAscii(tail[i]) != upperAscii(suffix[i])) {
            return false;
        }
    }
    return true;
}

} // namespace kuyu
