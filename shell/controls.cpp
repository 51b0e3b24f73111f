#include "shell/controls.h"

#include "shell/fonts.h"
#include "shell/icons.h"
#include "shell/units.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QWidget>

#include <algorithm>

namespace ui {

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

QComboBox* DropDown(QWidget* parent, const QString& name, const QRect& twips,
    std::uint32_t background, std::uint32_t text)
{
    auto* list = new QComboBox(parent);
    Place(list, name, twips);
    list->setFont(GothicFont(9));
    QPalette palette = list->palette();
    for (QPalette::ColorRole role : { QPalette::Base, QPalette::Button, QPalette::Window })
        palette.setColor(role, Color(background));
    for (QPalette::ColorRole role : { QPalette::Text, QPalette::ButtonText, QPalette::WindowText })
        palette.setColor(role, Color(text));
    // The chosen item of the open list in the same two colours, the other way round.
    palette.setColor(QPalette::Highlight, Color(text));
    palette.setColor(QPalette::HighlightedText, Color(background));
    list->setPalette(palette);
    // The open list draws its items as a list view does, in the list's own colours, not as the
    // platform's menu items in its menu colours.
    list->setItemDelegate(new QStyledItemDelegate(list));
    list->view()->setPalette(palette);
    return list;
}

void OfferCopy(QWidget* window, std::function<QString()> line)
{
    auto* copy = new QAction(QCoreApplication::translate("Controls", "コピー"), window);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(copy, &QAction::triggered, window, [line = std::move(line)] {
        if (const QString text = line(); !text.isEmpty())
            QGuiApplication::clipboard()->setText(text);
    });
    window->addAction(copy);
    window->setContextMenuPolicy(Qt::ActionsContextMenu);
}

QPushButton* InstrumentButton(QWidget* parent, const char* name, const QRect& twips)
{
    auto* button = new QPushButton(parent);
    Place(button, QString::fromLatin1(name), twips);
    button->setIcon(SvgIcon(QStringLiteral(":/pictures/instrument.svg"), QSize(14, 14)));
    button->setIconSize(QSize(14, 14));
    PaintButton(button, kBlack);
    button->setToolTip(
        QCoreApplication::translate("Controls", "鍵盤とギターのネックで見る (Instrument)"));
    return button;
}

} // namespace ui
