#include "shell/texture.h"

#include <array>
#include <cstdint>
#include <vector>

namespace {

constexpr int kWidth = 446;
constexpr int kHeight = 166;
constexpr int kLevels = 16;

// Palette ends: the darkest and the lightest purple.
constexpr std::array<int, 3> kDark { 20, 8, 24 };
constexpr std::array<int, 3> kLight { 132, 72, 151 };

// Octaves of value noise, coarse to fine: 32-pixel cells make the blotches, the finer ones the
// grain. Each finer octave weighs half as much; the sum is at most 31 * 255.
struct Octave {
    int cell;
    int weight;
};
constexpr std::array<Octave, 5> kOctaves { {
    { 32, 16 },
    { 16, 8 },
    { 8, 4 },
    { 4, 2 },
    { 2, 1 },
} };
constexpr int kMaxSum = 31 * 255;

// Share of the pixels at each level, in 1/1000: a bell around level 7.8, which puts the average
// colour at (78,38,90) whatever the noise, and leaves a few pixels at both ends.
constexpr std::array<int, kLevels> kShare { 2, 5, 13, 28, 53, 86, 121, 147, 153, 138, 107, 72, 42,
    21, 9, 3 };

// xorshift32: the same numbers on every machine and compiler, unlike the standard distributions.
class Random {
public:
    int Byte()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return static_cast<int>(state >> 24);
    }

private:
    std::uint32_t state = 0x52757269; // "Ruri"
};

// Smoothstep 3f^2 - 2f^3 in 1/256 steps, so the blotches show no lattice corners.
int Smooth(int f) { return f * f * (3 * 256 - 2 * f) / (256 * 256); }

// Adds one octave of bilinear value noise, in fixed point so every machine agrees.
void AddOctave(std::vector<int>& sum, Random& random, Octave octave)
{
    // Each octave starts at its own offset inside a cell, so lattice lines of the octaves do not
    // coincide into a visible grid.
    const int dx = random.Byte() % octave.cell;
    const int dy = random.Byte() % octave.cell;
    const int cols = (kWidth + dx) / octave.cell + 2;
    const int rows = (kHeight + dy) / octave.cell + 2;
    std::vector<int> lattice(cols * rows);
    for (int& value : lattice)
        value = random.Byte();

    // Lattice column and weight of the right lattice point (0..255) for every x, and the same
    // down the rows: no division in the pixel loop.
    std::vector<int> column(kWidth), xWeight(kWidth);
    for (int x = 0; x < kWidth; ++x) {
        column[x] = (x + dx) / octave.cell;
        xWeight[x] = Smooth((x + dx) % octave.cell * 256 / octave.cell);
    }

    for (int y = 0; y < kHeight; ++y) {
        const int* top = &lattice[(y + dy) / octave.cell * cols];
        const int* bottom = top + cols;
        const int fy = Smooth((y + dy) % octave.cell * 256 / octave.cell);
        int* out = &sum[y * kWidth];
        for (int x = 0; x < kWidth; ++x) {
            const int cx = column[x];
            const int fx = xWeight[x];
            const int upper = top[cx] * (256 - fx) + top[cx + 1] * fx;
            const int lower = bottom[cx] * (256 - fx) + bottom[cx + 1] * fx;
            out[x] += (upper * (256 - fy) + lower * fy) / (256 * 256) * octave.weight;
        }
    }
}

// Colour of level k, from the dark end (0) to the light end (15). Green follows the slight curve
// t(0.8 + 0.2t): on the straight line the average would be a greenish (78,41,90).
QRgb PaletteColour(int k)
{
    constexpr int n = kLevels - 1;
    std::array<int, 3> c {};
    for (int i = 0; i < 3; ++i) {
        // span * t = span * 5nk / 5n^2; the curve for green is span * k(4n + k) / 5n^2.
        const int span = kLight[i] - kDark[i];
        const int numerator = span * k * (i == 1 ? 4 * n + k : 5 * n);
        c[i] = kDark[i] + (numerator + 5 * n * n / 2) / (5 * n * n);
    }
    return qRgb(c[0], c[1], c[2]);
}

// Level of every noise value, chosen by rank so the levels fill the shares of kShare. Equal
// values share a level, so the borders between levels follow the noise's contours.
std::vector<uchar> LevelOfSum(const std::vector<int>& sum)
{
    std::vector<int> count(kMaxSum + 1);
    for (int s : sum)
        ++count[s];

    std::array<long, kLevels> bound {}; // pixels below the end of each level
    long share = 0;
    for (int k = 0; k < kLevels; ++k) {
        share += kShare[k];
        bound[k] = share * static_cast<long>(sum.size()) / 1000;
    }

    std::vector<uchar> level(kMaxSum + 1);
    long rank = 0;
    int k = 0;
    for (int s = 0; s <= kMaxSum; ++s) {
        while (k < kLevels - 1 && rank >= bound[k])
            ++k;
        level[s] = static_cast<uchar>(k);
        rank += count[s];
    }
    return level;
}

QImage Generate()
{
    std::vector<int> sum(kWidth * kHeight);
    Random random;
    for (const Octave& octave : kOctaves)
        AddOctave(sum, random, octave);
    const std::vector<uchar> level = LevelOfSum(sum);

    QImage image(kWidth, kHeight, QImage::Format_Indexed8);
    QList<QRgb> colours;
    for (int k = 0; k < kLevels; ++k)
        colours.append(PaletteColour(k));
    image.setColorTable(colours);
    for (int y = 0; y < kHeight; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < kWidth; ++x)
            line[x] = level[sum[y * kWidth + x]];
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QImage BackgroundTexture()
{
    // Four windows ask for it; build it once.
    static const QImage texture = Generate();
    return texture;
}
