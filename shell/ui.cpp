#include "shell/ui.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QIconEngine>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>
#include <QWidget>

#include <fontconfig/fontconfig.h>

#include <vector>

namespace ui {

QRect TwipsRect(int left, int top, int width, int height)
{
    return { Px(left), Px(top), Px(width), Px(height) };
}

QColor Color(std::uint32_t bbggrr)
{
    const Rgb rgb = RgbFromBgr(bbggrr);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

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
    return FontOf(families, points, bold);
}

QFont PGothicFont(double points, bool bold)
{
    static const QStringList families = FirstInstalled(PGothicFamilies());
    return FontOf(families, points, bold);
}

void SetProgramFonts() { QApplication::setFont(PGothicFont(9)); }

QString ArrayName(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

void Place(QWidget* control, const QString& name, const QRect& twips)
{
    control->setObjectName(name);
    control->setAccessibleName(name);
    control->setGeometry(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
}

void Paint(QWidget* widget, std::uint32_t background, std::uint32_t text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Color(background));
    palette.setColor(QPalette::WindowText, Color(text));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void PaintText(QWidget* widget, std::uint32_t text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, Color(text));
    widget->setPalette(palette);
}

void PaintBackground(QWidget* window, std::uint32_t background)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, Color(background));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

void PaintButton(QWidget* button, std::uint32_t face)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, Color(face));
    button->setPalette(palette);
}

QPixmap SvgPixmap(const QString& path, QSize size, qreal devicePixelRatio)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

namespace {

    // Measuring the text loads its font, so the caption widens when its window shows, not
    // while the window loads hidden.
    class CaptionLabel final : public QLabel {
    public:
        using QLabel::QLabel;

    protected:
        void showEvent(QShowEvent* event) override
        {
            resize(std::max(width(), sizeHint().width()), height());
            QLabel::showEvent(event);
        }
    };

} // namespace

QLabel* Caption(QWidget* parent, const QString& name, const QString& text, const QRect& twips)
{
    auto* label = new CaptionLabel(text, parent);
    Place(label, name, twips);
    label->setFont(PGothicFont(9));
    PaintText(label, kWhite);
    return label;
}

QScrollBar* VerticalBar(
    QWidget* parent, const QString& name, const QRect& twips, int maximum, int value)
{
    auto* bar = new QScrollBar(Qt::Vertical, parent);
    Place(bar, name, twips);
    bar->setRange(0, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setValue(value);
    // Reachable with Tab and moved with the arrow keys, not only with the mouse.
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

namespace {

    // QComboBox builds its popup (a window with a list view and scrollers) as soon as it is told
    // of a new face, and every list here gets its face while its window loads hidden at start-up.
    // This one leaves the popup to its first opening and hands it the face then.
    class DropDownList final : public QComboBox {
    public:
        using QComboBox::QComboBox;

        void showPopup() override
        {
            view()->window()->setFont(font());
            QComboBox::showPopup();
        }

    protected:
        void changeEvent(QEvent* event) override
        {
            if (event->type() == QEvent::FontChange && !findChild<QAbstractItemView*>()) {
                QWidget::changeEvent(event); // nothing else depends on the face before then
                return;
            }
            QComboBox::changeEvent(event);
        }
    };

} // namespace

QComboBox* DropDown(QWidget* parent, const QString& name, const QRect& twips,
    std::uint32_t background, std::uint32_t text)
{
    auto* list = new DropDownList(parent);
    Place(list, name, twips);
    list->setFont(GothicFont(9));
    QPalette palette = list->palette();
    for (QPalette::ColorRole role : { QPalette::Base, QPalette::Button, QPalette::Window })
        palette.setColor(role, Color(background));
    for (QPalette::ColorRole role : { QPalette::Text, QPalette::ButtonText, QPalette::WindowText })
        palette.setColor(role, Color(text));
    list->setPalette(palette);
    return list;
}

namespace {

    // An icon that draws its SVG only when a size of it is first asked for, at exactly that size:
    // a window that is never shown costs no drawing, and each screen gets its own rendition.
    // It offers the 1x and 2x sizes, as an icon holding both renditions would.
    class SvgIconEngine : public QIconEngine {
    public:
        SvgIconEngine(QString path, QSize size)
            : path_(std::move(path))
            , size_(size)
        {
        }

        QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
        {
            for (const Rendition& rendition : renditions_) {
                if (rendition.size == size && rendition.mode == mode)
                    return rendition.pixmap;
            }
            QPixmap pixmap = SvgPixmap(path_, size, 1);
            if (mode != QIcon::Normal && !pixmap.isNull()) {
                // Greyed or highlighted as the style draws any other icon in that state.
                QStyleOption option;
                option.palette = QGuiApplication::palette();
                pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
            }
            renditions_.push_back({ size, mode, pixmap });
            return pixmap;
        }

        void paint(
            QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
        {
            const qreal ratio = painter->device()->devicePixelRatioF();
            QPixmap rendition = pixmap(rect.size() * ratio, mode, state);
            rendition.setDevicePixelRatio(ratio);
            painter->drawPixmap(rect, rendition);
        }

        QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
        {
            return { size_, size_ * 2 };
        }

        bool isNull() override { return !QFile::exists(path_); }

        QString key() const override { return QStringLiteral("RurizedSvgIcon"); }

        QIconEngine* clone() const override { return new SvgIconEngine(*this); }

    private:
        struct Rendition {
            QSize size;
            QIcon::Mode mode;
            QPixmap pixmap;
        };
        QString path_;
        QSize size_;
        std::vector<Rendition> renditions_;
    };

} // namespace

QIcon SvgIcon(const QString& path, QSize size) { return QIcon(new SvgIconEngine(path, size)); }

} // namespace ui
