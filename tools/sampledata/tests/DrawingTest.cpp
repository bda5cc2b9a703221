// SPDX-License-Identifier: GPL-3.0-or-later
// What a user sees must agree with the data: the drawn flower has the
// plant's colour and petal count, rosette leaves stay at the foot, and every
// option of a category illustration lies inside the region the picker
// answers to, so that a click on a picture picks that picture's option.

#include "Drawing.h"
#include "Pictures.h"
#include "Traits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace sampledata {
namespace {

int countColour(const QImage& image, QColor colour, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            n += image.pixelColor(x, y) == colour;
        }
    }
    return n;
}

PlantInfo plantFrom(const char32_t* code) {
    return PlantInfo{QStringLiteral("ﾃｽﾄ"), QStringLiteral("ﾃｽﾄ"), traitsOf(code)};
}

// The flower takes the primary colour (even positions of the code), not
// the secondary one; a second colour shows only as a small side flower.
TEST(PlantPicture, FlowerShowsThePrimaryColour) {
    for (int primary = 1; primary <= 5; ++primary) {
        const int secondary = primary == 1 ? 3 : 1;
        kuyu::Text code = U"00050Y010501010103010000000001";
        code[0] = static_cast<char32_t>(U'0' + secondary);
        code[1] = static_cast<char32_t>(U'0' + primary);
        const QImage image = plantPicture(plantFrom(code.c_str()));
        const QRect top(0, 0, 200, 130);
        const int main = countColour(image, flowerFill(primary), top);
        const int side = countColour(image, flowerFill(secondary), top);
        EXPECT_GT(main, 1000) << primary;
        EXPECT_GT(main, 3 * side) << primary;
    }
}

// Counts the runs of petal colour round a circle through the petals.
int petalsAround(const QImage& image, QPointF centre, qreal radius, QColor fill) {
    constexpr int Samples = 1440;
    std::vector<bool> on(Samples);
    for (int i = 0; i < Samples; ++i) {
        const qreal a = 2 * std::numbers::pi * i / Samples;
        const QColor c =
            image.pixelColor(QPoint(static_cast<int>(centre.x() + radius * std::cos(a)),
                                    static_cast<int>(centre.y() + radius * std::sin(a))));
        on[static_cast<std::size_t>(i)] = std::abs(c.red() - fill.red()) +
                                              std::abs(c.green() - fill.green()) +
                                              std::abs(c.blue() - fill.blue()) <
                                          40;
    }
    int runs = 0;
    for (int i = 0; i < Samples; ++i) {
        runs += on[static_cast<std::size_t>(i)] &&
                !on[static_cast<std::size_t>((i + Samples - 1) % Samples)];
    }
    return runs;
}

TEST(FlowerCloseUp, ShowsThePetalCountOfTheCode) {
    for (int petals = 1; petals <= 7; ++petals) {
        kuyu::Text code = U"03000Y010501010103010000000001"; // blue, regular with separate petals
        code[3] = static_cast<char32_t>(U'0' + petals);
        const QImage image = flowerCloseUp(plantFrom(code.c_str()));
        const int seen = petalsAround(image, QPointF(120, 102), 92 * 0.75, flowerFill(3));
        if (petals == 7) {
            EXPECT_GE(seen, 7); // "seven or more"
        } else {
            EXPECT_EQ(seen, petals);
        }
    }
}

TEST(PlantPicture, RosetteLeavesStayAtTheFoot) {
    // arrangement: 4 basal rosette, 1 alternate; entire leaves, net veins
    const QImage rosette = plantPicture(plantFrom(U"03050Y050504010103010000000001"));
    const QImage alternate = plantPicture(plantFrom(U"03050Y050501010103010000000001"));
    const QRect upperSides[] = {QRect(0, 130, 80, 95), QRect(120, 130, 80, 95)};
    int rosetteHigh = 0;
    int alternateHigh = 0;
    for (const QRect& r : upperSides) {
        rosetteHigh += countColour(rosette, leafFill(), r);
        alternateHigh += countColour(alternate, leafFill(), r);
    }
    EXPECT_EQ(rosetteHigh, 0);
    EXPECT_GT(alternateHigh, 150);
    EXPECT_GT(countColour(rosette, leafFill(), QRect(0, 230, 200, 60)), 1000);
}

// The picker's option regions in twips: four columns, two rows.
bool inOption(int x, int y, int option) {
    static const int columns[4][2] = {{70, 2100}, {2300, 4330}, {4530, 6560}, {6760, 8890}};
    const int tx = x * 15 + 7; // pixel centre
    const int ty = y * 15 + 7;
    const int* col = columns[(option - 1) % 4];
    const bool row = option <= 4 ? ty < 2680 : (ty > 2730 && ty < 5400);
    return row && tx > col[0] && tx < col[1];
}

TEST(CategoryIllustration, EveryOptionInsideItsRegionAndUnusedCellsEmpty) {
    const int optionCounts[] = {0, 6, 8, 5, 7, 8, 5, 5, 3, 5, 6};
    for (int k = 1; k <= 10; ++k) {
        std::vector<QString> labels;
        for (int n = 1; n <= optionCounts[k]; ++n) {
            labels.push_back(QStringLiteral("ﾗﾍﾞﾙ%1").arg(n));
        }
        const QImage image = categoryIllustration(k, labels);
        ASSERT_EQ(image.size(), QSize(593, 360)); // 8890 x 5400 twips
        const QColor background = image.pixelColor(0, 0);
        int stray = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                bool used = false;
                for (int n = 1; n <= optionCounts[k]; ++n) {
                    used = used || inOption(x, y, n);
                }
                stray += !used && image.pixelColor(x, y) != background;
            }
        }
        EXPECT_EQ(stray, 0) << "category " << k;
    }
}

} // namespace
} // namespace sampledata
