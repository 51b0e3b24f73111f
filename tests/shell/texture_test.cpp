#include "shell/texture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <vector>

namespace {

constexpr QRgb kDarkest = qRgb(20, 8, 24);
constexpr QRgb kLightest = qRgb(132, 72, 151);

int Brightness(QRgb colour) { return qRed(colour) + qGreen(colour) + qBlue(colour); }

std::set<QRgb> Colours(const QImage& image)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

TEST(BackgroundTexture, CoversTheToolWindowBackground)
{
    const QImage texture = BackgroundTexture();
    EXPECT_EQ(texture.width(), 446);
    EXPECT_EQ(texture.height(), 166);
}

TEST(BackgroundTexture, UsesSixteenPurplesFromTheDarkToTheLightEnd)
{
    const std::set<QRgb> colours = Colours(BackgroundTexture());
    ASSERT_EQ(colours.size(), 16u);
    const auto [darkest, lightest] = std::minmax_element(colours.begin(), colours.end(),
        [](QRgb a, QRgb b) { return Brightness(a) < Brightness(b); });
    EXPECT_EQ(*darkest, kDarkest);
    EXPECT_EQ(*lightest, kLightest);
}

TEST(BackgroundTexture, AveragesToTheMiddlePurple)
{
    const QImage texture = BackgroundTexture();
    double red = 0, green = 0, blue = 0;
    for (int y = 0; y < texture.height(); ++y) {
        for (int x = 0; x < texture.width(); ++x) {
            const QRgb c = texture.pixel(x, y);
            red += qRed(c);
            green += qGreen(c);
            blue += qBlue(c);
        }
    }
    const double pixels = 446.0 * 166.0;
    EXPECT_NEAR(red / pixels, 78, 3);
    EXPECT_NEAR(green / pixels, 38, 3);
    EXPECT_NEAR(blue / pixels, 90, 3);
}

// Mottled, not static: neighbouring pixels are nearly always of the same or the next shade (TV
// static would jump further in most pairs).
TEST(BackgroundTexture, ChangesShadeGradually)
{
    const QImage texture = BackgroundTexture();
    const std::set<QRgb> colours = Colours(texture);
    std::vector<QRgb> byBrightness(colours.begin(), colours.end());
    std::sort(byBrightness.begin(), byBrightness.end(),
        [](QRgb a, QRgb b) { return Brightness(a) < Brightness(b); });
    std::map<QRgb, int> shade;
    for (int i = 0; i < static_cast<int>(byBrightness.size()); ++i)
        shade[byBrightness[i]] = i;

    int pairs = 0, jumps = 0;
    for (int y = 0; y + 1 < texture.height(); ++y) {
        for (int x = 0; x + 1 < texture.width(); ++x) {
            const int here = shade[texture.pixel(x, y)];
            for (QRgb next : { texture.pixel(x + 1, y), texture.pixel(x, y + 1) }) {
                ++pairs;
                jumps += std::abs(shade[next] - here) > 1;
            }
        }
    }
    EXPECT_LT(jumps, pairs / 100);
}

TEST(BackgroundTexture, IsTheSameOnEveryCall)
{
    QImage first = BackgroundTexture();
    const QImage copy = first.copy();
    first.fill(Qt::white); // a window painting on its copy
    EXPECT_EQ(BackgroundTexture(), copy);
}

} // namespace
