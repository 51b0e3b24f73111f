#include "search/ResultList.h"

#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/units.h"
#include "theory/copytext.h"

#include <QDrag>
#include <QHelpEvent>
#include <QMimeData>
#include <QToolTip>

namespace {

// Each item carries its chord besides its text, and the line it copies.
constexpr int kRootRole = Qt::UserRole;
constexpr int kTypeRole = Qt::UserRole + 1;
constexpr int kLineRole = Qt::UserRole + 2;

} // namespace

ResultList::ResultList(QWidget* parent, const char* name, const QRect& twips)
    : QListWidget(parent)
{
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    ui::Place(this, name, twips);
    setFont(ui::GothicFont(9));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, ui::Color(ui::kDarkGreen));
    palette.setColor(QPalette::Text, ui::Color(ui::kBrightGreen));
    setPalette(palette);
}

void ResultList::Add(const theory::ChordHit& hit, theory::SpellingMode spelling)
{
    auto* item = new QListWidgetItem(ui::Utf8(theory::ChordItemText(hit.root, hit.type, spelling)));
    item->setData(kRootRole, hit.root);
    item->setData(kTypeRole, hit.type);
    item->setData(kLineRole, ui::Utf8(theory::ChordCopyText(hit.root, hit.type, spelling)));
    addItem(item);
}

theory::PitchClass ResultList::Root(const QListWidgetItem* item)
{
    return item->data(kRootRole).toInt();
}

theory::ChordType ResultList::Type(const QListWidgetItem* item)
{
    return item->data(kTypeRole).toInt();
}

QString ResultList::Line(const QListWidgetItem* item) { return item->data(kLineRole).toString(); }

void ResultList::FitWholeRows()
{
    auto* probe = new QListWidgetItem(QStringLiteral("C"), this);
    const int row = sizeHintForRow(this->row(probe));
    delete probe;
    const int frame = 2 * frameWidth();
    if (row > 0)
        resize(width(), std::max(1, (height() - frame) / row) * row + frame);
}

QStringList ResultList::mimeTypes() const { return { QStringLiteral("text/plain") }; }

QMimeData* ResultList::mimeData(const QList<QListWidgetItem*>& items) const
{
    QStringList lines;
    for (const QListWidgetItem* item : items)
        lines << Line(item);
    auto* mime = new QMimeData;
    mime->setText(lines.join(QLatin1Char('\n')));
    return mime;
}

void ResultList::startDrag(Qt::DropActions)
{
    if (selectedItems().isEmpty())
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(mimeData(selectedItems()));
    drag->exec(Qt::CopyAction);
}

bool ResultList::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip || !why_)
        return QListWidget::viewportEvent(event);
    // Resting the pointer on a hit explains it, as things stand at that moment.
    const auto* help = static_cast<QHelpEvent*>(event);
    if (const QListWidgetItem* item = itemAt(help->pos()))
        QToolTip::showText(help->globalPos(), why_(item), this);
    else
        QToolTip::hideText();
    return true;
}
