#include "instrument/painters.h"

#include "shell/fonts.h"
#include "shell/units.h"

#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QStaticText>

#include <cmath>
#include <functional>

namespace instrument {

namespace {

    constexpr std::uint32_t kCyan = 0xFFFF00;
    constexpr std::uint32_t kSearchedRing = ui::kBrightGreen; // the search lists' green
    constexpr int kLineHeight = 14; // a mark of one line

    struct Colours {
        std::uint32_t fill;
        std::uint32_t text;
    };

    // A scale's notes as the scale window's cells, cyan on navy, its root the other way round; a
    // chord's as the chord window's lit cells, black on yellow, its tensions on the pink of the
    // matrix's altered interval names.
    Colours ColoursOf(theory::MarkRole role, bool chord)
    {
        if (!chord)
            return role == theory::MarkRole::Root ? Colours { kCyan, ui::kNavy }
                                                  : Colours { ui::kNavy, kCyan };
        return role == theory::MarkRole::Tension ? Colours { ui::kPink, ui::kBlack }
                                                 : Colours { ui::kYellow, ui::kBlack };
    }

    QString Label(const theory::MarkedNote& note, bool degrees)
    {
        const std::string& text = degrees ? note.degree : note.name;
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
            .replace(QChar(0xFF03), QChar(0x266F));
    }

    // A label in two lines where its letter or number meets its sign: "C♯" is C over ♯, "♭7"
    // ♭ over 7; "C" and "13" stay whole.
    QString Stacked(const QString& label)
    {
        for (qsizetype i = 1; i < label.size(); ++i) {
            if (label[i].isLetterOrNumber() != label[i - 1].isLetterOrNumber())
                return label.left(i) + QLatin1Char('\n') + label.mid(i);
        }
        return label;
    }

    const QFont& MarkFont()
    {
        static const QFont font = ui::PGothicFont(7);
        return font;
    }

    // Each line of text a mark has shown, laid out once: a few dozen names and degrees.
    const QStaticText& Line(const QString& text)
    {
        static QHash<QString, QStaticText> lines;
        auto line = lines.find(text);
        if (line == lines.end()) {
            QStaticText laid(text);
            laid.setTextFormat(Qt::PlainText);
            laid.prepare(QTransform(), MarkFont());
            line = lines.insert(text, laid);
        }
        return *line;
    }

    // Room round a sprite's shape for its ring.
    constexpr int kRingRoom = 3;

    // A shape drawn once at the painter's pixel ratio and then copied: a face holds up to a
    // hundred marks, and drawing each curve anew would cost most of a repaint. Kept by what
    // they show, a few hundred at most.
    void PaintSprite(QPainter& painter, const QRect& place, const QString& key,
        const std::function<void(QPainter&, const QRectF&)>& draw)
    {
        static QHash<QString, QPixmap> sprites;
        const qreal ratio = painter.device()->devicePixelRatioF();
        const QString fullKey = QStringLiteral("%1|%2x%3|%4")
                                    .arg(key)
                                    .arg(place.width())
                                    .arg(place.height())
                                    .arg(ratio);
        auto sprite = sprites.find(fullKey);
        if (sprite == sprites.end()) {
            if (sprites.size() > 1000)
                sprites.clear();
            const QSize size = place.size() + QSize(2 * kRingRoom, 2 * kRingRoom);
            QPixmap pixmap(size * ratio);
            pixmap.setDevicePixelRatio(ratio);
            pixmap.fill(Qt::transparent);
            QPainter shape(&pixmap);
            shape.setRenderHint(QPainter::Antialiasing);
            shape.setFont(MarkFont());
            draw(shape, QRectF(kRingRoom, kRingRoom, place.width(), place.height()));
            sprite = sprites.insert(fullKey, pixmap);
        }
        painter.drawPixmap(place.topLeft() - QPoint(kRingRoom, kRingRoom), *sprite);
    }

} // namespace

void PaintMark(QPainter& painter, QRect place, theory::PitchClass pc, const View& view, bool tall)
{
    const theory::MarkedNote& note = view.marking.notes[static_cast<std::size_t>(pc)];
    if (note.role == theory::MarkRole::None)
        return;
    const Colours colours = ColoursOf(note.role, view.chord);
    const bool root = note.role == theory::MarkRole::Root;
    const bool searched = view.searched >> pc & 1;
    const QString label = Label(note, view.degrees);
    const QStringList lines = (tall ? Stacked(label) : label).split(QLatin1Char('\n'));
    if (lines.size() == 1)
        place.setTop(place.bottom() + 1 - std::min(place.height(), kLineHeight));
    // A label wider than its place widens the pill round its centre.
    int textWidth = 0;
    for (const QString& line : lines)
        textWidth = std::max(textWidth, static_cast<int>(std::ceil(Line(line).size().width())) + 4);
    if (textWidth > place.width())
        place.adjust(-(textWidth - place.width()) / 2, 0, (textWidth - place.width() + 1) / 2, 0);

    const QString key = QStringLiteral("%1|%2|%3|%4|%5")
                            .arg(colours.fill)
                            .arg(colours.text)
                            .arg(int(root) + 2 * int(searched) + 4 * int(view.chord))
                            .arg(lines.join(QLatin1Char('\n')));
    PaintSprite(painter, place, key, [&](QPainter& shape, const QRectF& pill) {
        // The root's mark is square-cornered, every other note's round.
        const qreal radius = root ? 2 : std::min(pill.width(), pill.height()) / 2;
        if (searched) {
            shape.setPen(QPen(ui::Color(kSearchedRing), 2));
            shape.setBrush(Qt::NoBrush);
            shape.drawRoundedRect(pill.adjusted(-2, -2, 2, 2), radius + 2, radius + 2);
        }
        // A scale's notes ringed in cyan, as the scale window frames its cells.
        shape.setPen(QPen(ui::Color(root || !view.chord ? colours.text : colours.fill), 1));
        shape.setBrush(ui::Color(colours.fill));
        shape.drawRoundedRect(pill.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
        shape.setPen(ui::Color(colours.text));
        qreal textHeight = 0;
        for (const QString& line : lines)
            textHeight += Line(line).size().height();
        qreal y = pill.center().y() - textHeight / 2;
        for (const QString& line : lines) {
            const QStaticText& text = Line(line);
            shape.drawStaticText(QPointF(pill.center().x() - text.size().width() / 2, y), text);
            y += text.size().height();
        }
    });
}

void PaintRing(QPainter& painter, const QRect& place, std::uint32_t colour, bool filled)
{
    PaintSprite(painter, place, QStringLiteral("ring|%1|%2").arg(colour).arg(filled),
        [&](QPainter& shape, const QRectF& disc) {
            shape.setPen(QPen(ui::Color(colour), 2));
            shape.setBrush(filled ? QBrush(ui::Color(colour)) : QBrush(Qt::NoBrush));
            shape.drawEllipse(disc.adjusted(-2, -2, 2, 2));
        });
}

} // namespace instrument
