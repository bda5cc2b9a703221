// SPDX-License-Identifier: GPL-3.0-or-later
#include "Indexed.h"

#include <algorithm>
#include <unordered_map>

namespace sampledata {
namespace {

int distance(QRgb a, QRgb b) {
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

} // namespace

IndexedPicture quantise(const QImage& source, int colours) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    IndexedPicture out;
    out.width = image.width();
    out.height = image.height();

    std::unordered_map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            ++counts[row[x] | 0xFF000000u];
        }
    }
    std::vector<std::pair<QRgb, int>> ranked(counts.begin(), counts.end());
    // Ties broken by colour value so that the output does not depend on the
    // hash order.
    std::sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    // With few entries, a frequent edge shade must not crowd out a small
    // but distinct colour (a flower's centre): take well-separated colours
    // first, then fill up with the rest in order of frequency.
    const int separation = colours <= 16 ? 9 * 40 * 40 : 0;
    std::vector<bool> taken(ranked.size(), false);
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t r = 0; r < ranked.size(); ++r) {
            if (static_cast<int>(out.palette.size()) >= colours) {
                break;
            }
            if (taken[r]) {
                continue;
            }
            const bool apart = std::all_of(out.palette.begin(), out.palette.end(), [&](QRgb p) {
                return distance(p, ranked[r].first) >= separation;
            });
            if (pass == 1 || apart) {
                out.palette.push_back(ranked[r].first);
                taken[r] = true;
            }
        }
    }

    std::unordered_map<QRgb, std::uint8_t> nearest;
    out.indexes.resize(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height));
    std::size_t i = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x, ++i) {
            const QRgb c = row[x] | 0xFF000000u;
            auto it = nearest.find(c);
            if (it == nearest.end()) {
                std::size_t best = 0;
                for (std::size_t p = 1; p < out.palette.size(); ++p) {
                    if (distance(c, out.palette[p]) < distance(c, out.palette[best])) {
                        best = p;
                    }
                }
                it = nearest.emplace(c, static_cast<std::uint8_t>(best)).first;
            }
            out.indexes[i] = it->second;
        }
    }
    return out;
}

} // namespace sampledata
