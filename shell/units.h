// The program's measures: window geometry in twips, colours as 24-bit &H00BBGGRR values, font
// sizes in points.
#pragma once

#include <QColor>
#include <QRect>

#include <cstdint>

namespace ui {

// 15 twips to a logical pixel at 96 dpi; Qt's own scaling handles high-dpi screens.
inline constexpr int kTwipsPerPixel = 15;

// Rounded to the nearest pixel, halves away from zero: 7 twips are 0 px, 8 are 1 px.
constexpr int Px(int twips)
{
    const long long wide = twips; // a stored position may be any 32-bit value
    const long long half = kTwipsPerPixel / 2;
    return static_cast<int>(
        wide >= 0 ? (wide + half) / kTwipsPerPixel : -((-wide + half) / kTwipsPerPixel));
}

constexpr int Twips(int pixels) { return pixels * kTwipsPerPixel; }

inline QRect TwipsRect(int left, int top, int width, int height)
{
    return { Px(left), Px(top), Px(width), Px(height) };
}

struct Rgb {
    int red;
    int green;
    int blue;
};

// The program writes its colours blue-green-red: &H00400000 is navy, red 0, green 0, blue 64.
constexpr Rgb RgbFromBgr(std::uint32_t bbggrr)
{
    return { static_cast<int>(bbggrr & 0xFF), static_cast<int>(bbggrr >> 8 & 0xFF),
        static_cast<int>(bbggrr >> 16 & 0xFF) };
}

inline QColor Color(std::uint32_t bbggrr)
{
    const Rgb rgb = RgbFromBgr(bbggrr);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// Colours several windows share.
inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kWhite = 0xFFFFFF;
inline constexpr std::uint32_t kNavy = 0x400000;
inline constexpr std::uint32_t kDarkGreen = 0x004000;
inline constexpr std::uint32_t kDarkPurple = 0x400040;
inline constexpr std::uint32_t kBrightGreen = 0x00FF00;
inline constexpr std::uint32_t kYellow = 0x00FFFF;
inline constexpr std::uint32_t kPink = 0xFFC0FF;

// Font sizes are points at 96 dpi, the resolution the twips geometry assumes, so a label's
// text fits its cell whatever the screen reports: 9 pt is 12 px.
constexpr int PointsToPixels(double points) { return static_cast<int>(points * 96.0 / 72.0 + 0.5); }

} // namespace ui
