#include "instrument/painters.h"

#include "shell/fonts.h"
#include "shell/units.h"

#include <QFontMetricsF>
#include <QPainter>

namespace instrument {

namespace {

    // The scale window's cells: cyan on navy, the root the other way round.
    constexpr std::uint32_t kCyan = 0xFFFF00;
    // The chord window's lit cells: black on yellow; its altered interval names' pink for the
    // tensions.
    constexpr std::uint32_t kSearchedRing = ui::kBrightGreen; // the search lists' green
    constexpr qreal kLineHeight = 14; // a mark of one line

    struct Colours {
        std::uint32_t fill;
        std::uint32_t text;
    };

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

} // namespace

void PaintMark(QPainter& painter, QRectF place, theory::PitchClass pc, const View& view, bool tall)
{
    const theory::MarkedNote& note = view.marking.notes[static_cast<std::size_t>(pc)];
    if (note.role == theory::MarkRole::None)
        return;
    static const QFont font = ui::PGothicFont(7);
    const Colours colours = ColoursOf(note.role, view.chord);
    const bool root = note.role == theory::MarkRole::Root;
    QString label = Label(note, view.degrees);
    if (tall)
        label = Stacked(label);
    if (!label.contains(QLatin1Char('\n')))
        place.setTop(place.bottom() - std::min(place.height(), kLineHeight));

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font);
    // A label wider than its place widens the pill round its centre.
    const qreal textWidth
        = painter.fontMetrics().boundingRect(QRect(), Qt::AlignCenter, label).width() + 4;
    QRectF pill = place;
    if (textWidth > pill.width())
        pill.adjust(-(textWidth - pill.width()) / 2, 0, (textWidth - pill.width()) / 2, 0);
    // The root's mark is square-cornered, every other note's round.
    const qreal radius = root ? 2 : std::min(pill.width(), pill.height()) / 2;
    if (view.searched >> pc & 1) {
        painter.setPen(QPen(ui::Color(kSearchedRing), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(pill.adjusted(-2, -2, 2, 2), radius + 2, radius + 2);
    }
    painter.setPen(QPen(ui::Color(root ? colours.text : colours.fill), 1));
    painter.setBrush(ui::Color(colours.fill));
    painter.drawRoundedRect(pill.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.setPen(ui::Color(colours.text));
    painter.drawText(pill, Qt::AlignCenter, label);
    painter.restore();
}

} // namespace instrument
