#include "key/keypainter.h"

#include "theory/keys.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QSvgRenderer>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <optional>

namespace keypainter {
namespace {

    // The bass clef's bottom line is G2, the treble's E4: every letter of a signature sits two
    // steps lower than on the treble clef (F5 on the treble's top line, F3 on the bass clef's
    // fourth line).
    constexpr int kBassShift = -2;

    // Horizontal spacing in logical pixels: the clef a little after the staff's start, the
    // signature a gap after the clef, each accidental its width and a sliver more. Whole pixels,
    // so that every sharp (and every flat) of a picture falls on the pixel grid alike.
    constexpr double kClefLeft = kStaffLeft + 3;
    constexpr double kTrebleClefWidth = 2.5 * kSpace;
    constexpr double kBassClefWidth = 2.8 * kSpace;
    constexpr double kClefGap = 0.6 * kSpace;
    constexpr double kSharpAdvance = 8;
    constexpr double kFlatAdvance = 7;

    // Engraved sizes, in staff spaces: a sharp is 2.7 spaces tall, a flat 2.45 (its bowl about
    // one space, its stem reaching 1.75 spaces above the bowl's middle).
    constexpr double kSharpHeight = 2.7;
    constexpr double kFlatHeight = 2.45;
    constexpr double kLineWidth = 1.0; // logical pixels, about 0.14 of a space
    // FreeSerif's G clef reaches less than a space above its staff; engraved clefs reach
    // about one and a half. It grows round its curl on the G line.
    constexpr double kTrebleClefGrowth = 1.12;
    constexpr double kGLine = -1; // staff spaces from the bottom line, upward negative

    const QColor kPaper(0xFF, 0xFF, 0xFF);
    const QColor kInk(0x10, 0x10, 0x10);
    // The font's thin strokes (a sharp's stems are under a tenth of a space) are thickened by
    // this much, in staff spaces, like ink spreading on an engraved plate; at 1x it keeps
    // them from fading to grey.
    constexpr double kInkSpread = 0.05;

    enum Symbol { kTrebleClef, kBassClef, kSharp, kFlat, kSymbolCount };

    constexpr std::array<char32_t, kSymbolCount> kCodePoints {
        U'\U0001D11E', // MUSICAL SYMBOL G CLEF
        U'\U0001D122', // MUSICAL SYMBOL F CLEF
        U'\u266F', // MUSIC SHARP SIGN
        U'\u266D', // MUSIC FLAT SIGN
    };
    constexpr char32_t kFiveLineStaff = U'\U0001D11A';
    const char* const kMusicFamily = "FreeSerif";

    // The same shapes as SVG; each viewBox is in hundredths of a staff space around the
    // symbol's anchor (see Shapes).
    constexpr std::array<const char*, kSymbolCount> kOutlineFiles {
        ":/pictures/key/treble-clef.svg",
        ":/pictures/key/bass-clef.svg",
        ":/pictures/key/sharp.svg",
        ":/pictures/key/flat.svg",
    };

    // The music font's shapes in staff spaces, each around its anchor at (0, 0): a clef's left
    // edge on the bottom staff line, a sharp's left edge at its middle, a flat's left edge at
    // the middle of its bowl. Empty when the font or one of its glyphs is missing.
    using Shapes = std::array<QPainterPath, kSymbolCount>;

    std::optional<QPainterPath> GlyphPath(const QRawFont& font, char32_t character)
    {
        if (!font.supportsCharacter(character))
            return std::nullopt;
        const QList<quint32> glyphs = font.glyphIndexesForString(QString::fromUcs4(&character, 1));
        if (glyphs.size() != 1 || glyphs.front() == 0)
            return std::nullopt;
        QPainterPath path = font.pathForGlyph(glyphs.front());
        if (path.isEmpty())
            return std::nullopt;
        return path;
    }

    // Maps a glyph so that the font point (x0, y0) lands on the anchor and one unit becomes
    // `scale` staff spaces.
    QPainterPath Placed(const QPainterPath& glyph, double x0, double y0, double scale)
    {
        return QTransform(scale, 0, 0, scale, -x0 * scale, -y0 * scale).map(glyph);
    }

    std::optional<Shapes> LoadFontShapes()
    {
        QFont font(QString::fromLatin1(kMusicFamily));
        font.setPixelSize(1000);
        if (!QFontDatabase::families().contains(QString::fromLatin1(kMusicFamily))
            || QFontInfo(font).family() != QString::fromLatin1(kMusicFamily))
            return std::nullopt;
        const QRawFont raw = QRawFont::fromFont(font);
        if (!raw.isValid() || raw.familyName() != QString::fromLatin1(kMusicFamily))
            return std::nullopt;

        // The font's own five-line staff tells where its clefs sit: FreeSerif draws the G clef's
        // curl round the staff glyph's second line and the F clef's dots round its fourth.
        const std::optional<QPainterPath> staff = GlyphPath(raw, kFiveLineStaff);
        if (!staff)
            return std::nullopt;
        const QList<QPolygonF> lines = staff->toFillPolygons();
        if (lines.size() != 5)
            return std::nullopt;
        std::vector<double> centres;
        for (const QPolygonF& line : lines)
            centres.push_back(line.boundingRect().center().y());
        std::sort(centres.begin(), centres.end());
        const double unitsPerSpace = (centres.back() - centres.front()) / 4;
        const double bottomLine = centres.back();
        if (unitsPerSpace <= 0)
            return std::nullopt;

        std::array<QPainterPath, kSymbolCount> glyphs;
        for (int symbol = 0; symbol < kSymbolCount; ++symbol) {
            const std::optional<QPainterPath> path
                = GlyphPath(raw, kCodePoints[static_cast<std::size_t>(symbol)]);
            if (!path)
                return std::nullopt;
            glyphs[static_cast<std::size_t>(symbol)] = *path;
        }

        Shapes shapes;
        for (Symbol clef : { kTrebleClef, kBassClef }) {
            const QPainterPath& glyph = glyphs[clef];
            shapes[clef]
                = Placed(glyph, glyph.boundingRect().left(), bottomLine, 1 / unitsPerSpace);
        }
        shapes[kTrebleClef] = QTransform(
            kTrebleClefGrowth, 0, 0, kTrebleClefGrowth, 0, kGLine * (1 - kTrebleClefGrowth))
                                  .map(shapes[kTrebleClef]);
        // The text sharp and flat are drawn larger than a staff's: scale them to engraved
        // sizes instead.
        const QRectF sharp = glyphs[kSharp].boundingRect();
        shapes[kSharp] = Placed(
            glyphs[kSharp], sharp.left(), sharp.center().y(), kSharpHeight / sharp.height());
        // A flat's stem stands at its left, so its right half is the bowl alone.
        const QRectF flat = glyphs[kFlat].boundingRect();
        QPainterPath rightHalf;
        rightHalf.addRect(flat.adjusted(flat.width() / 2, -1, 1, 1));
        const QRectF bowl = glyphs[kFlat].intersected(rightHalf).boundingRect();
        shapes[kFlat]
            = Placed(glyphs[kFlat], flat.left(), bowl.center().y(), kFlatHeight / flat.height());
        return shapes;
    }

    const std::optional<Shapes>& FontShapes()
    {
        static const std::optional<Shapes> shapes = LoadFontShapes();
        return shapes;
    }

    // Draws a symbol with its anchor at a device-pixel point, one staff space being `space`
    // device pixels.
    void DrawSymbol(
        QPainter& painter, Symbol symbol, QPointF anchor, double space, GlyphSource source)
    {
        const std::optional<Shapes>& shapes = FontShapes();
        if (source == GlyphSource::MusicFont && shapes) {
            const QPainterPath& shape = (*shapes)[static_cast<std::size_t>(symbol)];
            const QPainterPath placed
                = QTransform(space, 0, 0, space, anchor.x(), anchor.y()).map(shape);
            painter.fillPath(placed, kInk);
            painter.strokePath(placed, QPen(kInk, kInkSpread * space));
            return;
        }
        QSvgRenderer outline(QString::fromLatin1(kOutlineFiles[static_cast<std::size_t>(symbol)]));
        const QRectF box = outline.viewBoxF();
        const double scale = space / 100;
        outline.render(&painter, QRectF(anchor + box.topLeft() * scale, box.size() * scale));
    }

} // namespace

ClefBox ClefPlace(Clef clef)
{
    const double width = clef == Clef::Treble ? kTrebleClefWidth : kBassClefWidth;
    return { kClefLeft, width };
}

std::vector<Accidental> SignatureLayout(Clef clef, int k)
{
    if (k < 0 || k >= theory::kKeyCount)
        return {};
    const bool sharps = theory::SignatureAccidentals(k) > 0;
    const int shift = clef == Clef::Bass ? kBassShift : 0;
    const ClefBox box = ClefPlace(clef);
    const double first = std::ceil(box.left + box.width + kClefGap);
    const double advance = sharps ? kSharpAdvance : kFlatAdvance;

    std::vector<Accidental> layout;
    for (int step : theory::SignatureSteps(k)) {
        layout.push_back(
            { sharps, step + shift, first + static_cast<double>(layout.size()) * advance });
    }
    return layout;
}

GlyphSource AvailableGlyphs()
{
    static const GlyphSource source = [] {
        if (FontShapes())
            return GlyphSource::MusicFont;
        qWarning("Rurized: the music font %s is missing; the key signatures are drawn from the "
                 "program's own outlines",
            kMusicFamily);
        return GlyphSource::Outlines;
    }();
    return source;
}

QPixmap Paint(Clef clef, int k, qreal devicePixelRatio, GlyphSource source)
{
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1;
    QImage image(
        qRound(kWidth * ratio), qRound(kHeight * ratio), QImage::Format_ARGB32_Premultiplied);
    image.fill(kPaper);
    {
        // Drawn in device pixels, so that the staff lines can be snapped to whole pixels.
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        const int thickness = std::max(1, qRound(kLineWidth * ratio));
        const int left = qRound(kStaffLeft * ratio);
        const int right = qRound(kStaffRight * ratio);
        for (int line = 0; line < 5; ++line) {
            const int top = qRound(StepY(2 * line) * ratio - thickness / 2.0);
            painter.fillRect(left, top, right - left, thickness, kInk);
        }

        const double space = kSpace * ratio;
        const ClefBox box = ClefPlace(clef);
        DrawSymbol(painter, clef == Clef::Treble ? kTrebleClef : kBassClef,
            QPointF(qRound(box.left * ratio), StepY(0) * ratio), space, source);
        for (const Accidental& accidental : SignatureLayout(clef, k)) {
            DrawSymbol(painter, accidental.sharp ? kSharp : kFlat,
                QPointF(qRound(accidental.x * ratio), StepY(accidental.step) * ratio), space,
                source);
        }
    }
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(std::move(image));
}

} // namespace keypainter
