#include "shell/fonts.h"

#include "shell/units.h"

#include <QApplication>
#include <QScreen>

#include <fontconfig/fontconfig.h>

namespace ui {

QStringList GothicFamilies()
{
    return { "ＭＳ ゴシック", "MS Gothic", "IPAGothic", "IPAexGothic", "monospace" };
}

QStringList PGothicFamilies()
{
    return { "ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic", "IPAexGothic", "sans-serif" };
}

// Whether fontconfig knows a family of that name. Asked of fontconfig itself rather than of Qt's
// font list: Qt builds that list from every font on the system the first time it is asked,
// which is worth doing only once there is text to show. The windows get their faces while they
// load hidden, before the launcher appears, and nothing loads a font until after that.
static bool Installed(const QString& family)
{
    const QByteArray name = family.toUtf8();
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.constData()));
    FcObjectSet* properties = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern, properties);
    const bool found = fonts && fonts->nfont > 0;
    if (fonts)
        FcFontSetDestroy(fonts);
    FcObjectSetDestroy(properties);
    FcPatternDestroy(pattern);
    return found;
}

// The first family of the list this system has, alone (the generic last one when it has none).
// For every further family a font names, Qt asks fontconfig for that family's fallbacks as it
// loads the font, once per script of the text shown. With one family, fallbacks are looked up
// only for a character the font lacks.
static QStringList FirstInstalled(const QStringList& families)
{
    for (const QString& family : families) {
        if (Installed(family))
            return { family };
    }
    return { families.last() };
}

static QFont FontOf(const QStringList& families, double points, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(PointsToPixels(points));
    font.setBold(bold);
    // Unhinted outlines, as at any pixel ratio above one: at these sizes they look the same as
    // lightly hinted ones, and the Gothic's first glyph no longer waits for FreeType's
    // auto-hinter to study the whole font (a tenth of the work before the launcher appears).
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont GothicFont(double points, bool bold)
{
    static const QStringList families = FirstInstalled(GothicFamilies());
    QFont font = FontOf(families, points, bold);
    // At 12 px the monospaced Gothic draws "m" 6 px wide for three stems and two gaps, which
    // run into a solid block wherever the glyph starts on a whole pixel ("A　m" read "A■").
    // Half a pixel larger, the stems stand apart at every placement. Qt takes a fractional size
    // only in points, which it turns into pixels at the screen's logical resolution.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal dpi = screen ? screen->logicalDotsPerInchY() : 96;
    font.setPointSizeF((PointsToPixels(points) + 0.5) * 72 / dpi);
    return font;
}

QFont PGothicFont(double points, bool bold)
{
    static const QStringList families = FirstInstalled(PGothicFamilies());
    return FontOf(families, points, bold);
}

void SetProgramFonts() { QApplication::setFont(PGothicFont(9)); }

} // namespace ui
