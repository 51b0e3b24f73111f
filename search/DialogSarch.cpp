#include "search/DialogSarch.h"

#include "chord/frmChord.h"
#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/ini.h"
#include "shell/registry.h"
#include "shell/texture.h"
#include "shell/units.h"
#include "theory/chordmatch.h"
#include "theory/chords.h"
#include "theory/spelling.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

#include <string>
#include <vector>

namespace {

QListWidget* ResultList(QWidget* parent, const char* name, const QRect& twips)
{
    auto* list = new QListWidget(parent);
    ui::Place(list, name, twips);
    list->setFont(ui::GothicFont(9));
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, ui::Color(ui::kDarkGreen));
    palette.setColor(QPalette::Text, ui::Color(ui::kBrightGreen));
    list->setPalette(palette);
    return list;
}

QLabel* Counter(QWidget* parent, const char* name, const QRect& twips)
{
    auto* label = new QLabel(parent);
    ui::Place(label, name, twips);
    label->setFont(ui::PGothicFont(9, true));
    ui::PaintText(label, ui::kYellow);
    return label;
}

std::string Utf8(const QString& text) { return text.toStdString(); }

} // namespace

DialogSarch::DialogSarch(WindowRegistry& registry)
    : QWidget(nullptr, ui::kToolWindow)
    , registry_(registry)
{
    setObjectName(QStringLiteral("DialogSarch"));
    setWindowTitle(QStringLiteral("VozuvIver - Search"));
    setFixedSize(ui::Px(3285), ui::Px(1440));
    ui::PaintBackground(this, ui::kBlack);
    CreateControls();

    connect(cmdCancel, &QPushButton::clicked, this, &DialogSarch::cmdCancel_Click);
    connect(cmdFreeSarch, &QPushButton::clicked, this, &DialogSarch::SearchChords);
    connect(lstSarch, &QListWidget::itemClicked, this, &DialogSarch::lstSarch_Click);
    connect(lstSarch, &QListWidget::currentRowChanged, this, &DialogSarch::lstSarch_Click);
    connect(lstPass, &QListWidget::itemClicked, this, &DialogSarch::lstPass_Click);
    connect(lstPass, &QListWidget::currentRowChanged, this, &DialogSarch::lstPass_Click);

    Load();
}

void DialogSarch::CreateControls()
{
    cmdCancel = new QPushButton(QStringLiteral("Clear"), this);
    ui::Place(cmdCancel, QStringLiteral("cmdCancel"), QRect(60, 60, 555, 300));
    for (std::size_t i = 0; i < lblSarch.size(); ++i) {
        auto* box = new QLabel(this);
        ui::Place(box, ui::ArrayName("lblSarch", static_cast<int>(i)),
            QRect(675 + 390 * static_cast<int>(i), 60, 375, 300));
        box->setFrameShape(QFrame::Box);
        box->setAlignment(Qt::AlignCenter);
        box->setFont(ui::GothicFont(9));
        box->setAutoFillBackground(true);
        box->setBackgroundRole(QPalette::Base);
        box->setForegroundRole(QPalette::Text);
        box->setAcceptDrops(true);
        box->installEventFilter(this);
        lblSarch[i] = box;
    }
    cmdFreeSarch = new QPushButton(QStringLiteral("Start"), this);
    ui::Place(cmdFreeSarch, QStringLiteral("cmdFreeSarch"), QRect(2670, 60, 555, 300));

    lstSarch = ResultList(this, "lstSarch", QRect(60, 420, 1380, 735));
    lstPass = ResultList(this, "lstPass", QRect(1845, 420, 1380, 735));
    // The counters stand under their lists, the NoRefresh box between them.
    lblChordHit = Counter(this, "lblChordHit", QRect(60, 1200, 630, 195));
    chkHighSpeed = new QCheckBox(this);
    ui::Place(chkHighSpeed, QStringLiteral("chkHighSpeed"), QRect(705, 1185, 225, 225));
    Label3 = ui::Caption(
        this, QStringLiteral("Label3"), QStringLiteral("NoRefresh"), QRect(930, 1200, 900, 195));
    Label3->setBuddy(chkHighSpeed);
    lblTensionHit = Counter(this, "lblTensionHit", QRect(2145, 1200, 1080, 195));
    lblTensionHit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void DialogSarch::Load()
{
    // 0 clear, 1 ticked, 2 greyed (which counts as ticked); anything else leaves it clear.
    if (auto state = ini::ToInteger(ini::ReadIni("Chord", "HighSpeed"));
        state && *state >= 0 && *state <= 2) {
        chkHighSpeed->setTristate(*state == 2);
        chkHighSpeed->setCheckState(*state == 0 ? Qt::Unchecked
                : *state == 1                   ? Qt::Checked
                                                : Qt::PartiallyChecked);
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void DialogSarch::closeEvent(QCloseEvent* event)
{
    const int state = chkHighSpeed->checkState() == Qt::Unchecked ? 0
        : chkHighSpeed->checkState() == Qt::Checked               ? 1
                                                                  : 2;
    ini::WriteIni("Chord", "HighSpeed", std::to_string(state));
    stopRequested_ = searching_;
    event->accept();
}

void DialogSarch::hideEvent(QHideEvent*)
{
    // Hidden along with the chord window, or closed: a running search stops at the next chord.
    stopRequested_ = searching_;
}

void DialogSarch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, BackgroundTexture());
}

bool DialogSarch::eventFilter(QObject* watched, QEvent* event)
{
    const auto box = std::find(lblSarch.begin(), lblSarch.end(), watched);
    if (box == lblSarch.end())
        return false;
    const int index = static_cast<int>(box - lblSarch.begin());
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        (*box)->setText({});
        return true;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        // Only a note cell of the chord window carries a note; any other text is refused.
        auto* drop = static_cast<QDropEvent*>(event);
        const auto* cell = qobject_cast<QLabel*>(drop->source());
        const bool fromChord = cell && qobject_cast<frmChord*>(cell->window())
            && drop->mimeData()->hasFormat(frmChord::kNoteMimeType);
        const QString note = drop->mimeData()->text();
        if (!fromChord || !theory::NotePitchClass(theory::Trimmed(Utf8(note)))) {
            drop->ignore();
            return true;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        if (event->type() == QEvent::Drop)
            lblSarch_DragDrop(index, note);
        return true;
    }
    default:
        return false;
    }
}

void DialogSarch::lblSarch_DragDrop(int box, const QString& note)
{
    const std::string text = Utf8(note);
    lblSarch[static_cast<std::size_t>(box)]->setText(ui::Utf8(theory::Trimmed(text)));
}

void DialogSarch::cmdCancel_Click()
{
    for (QLabel* box : lblSarch)
        box->setText({});
    lblChordHit->setText({});
    lblTensionHit->setText({});
    lstSarch->clear();
    lstPass->clear();
}

void DialogSarch::SetControlsEnabled(bool enabled)
{
    auto* chord = registry_.TouchAs<frmChord>(WindowId::Chord);
    const std::vector<QWidget*> own = enabled
        ? std::vector<QWidget*> { cmdCancel, cmdFreeSarch, chkHighSpeed, lstSarch, lstPass }
        : std::vector<QWidget*> { cmdCancel, chkHighSpeed, cmdFreeSarch, lstSarch, lstPass };
    for (QWidget* control : own)
        control->setEnabled(enabled);
    for (QLabel* box : lblSarch)
        box->setEnabled(enabled);
    if (!chord)
        return;
    for (QWidget* control : { static_cast<QWidget*>(chord->cmbKey),
             static_cast<QWidget*>(chord->cmdOption), static_cast<QWidget*>(chord->cmdSarch),
             static_cast<QWidget*>(chord->cmdSetting), static_cast<QWidget*>(chord->cmbChordType),
             static_cast<QWidget*>(chord->vsbRoot), static_cast<QWidget*>(chord->vsbChordType) })
        control->setEnabled(enabled);
    for (QPushButton* button : chord->cmddiatonic)
        button->setEnabled(enabled);
    chord->NotesDraggable = enabled;
}

bool DialogSarch::Matches(const frmChord& chord) const
{
    // The chord as the window shows it: its 19 names and which of them are lit.
    const QColor lit = ui::Color(ui::kYellow);
    std::array<std::string, theory::kMatrixSlots> names;
    std::array<std::string_view, theory::kMatrixSlots> cells;
    std::uint32_t litMask = 0;
    for (std::size_t k = 0; k < names.size(); ++k) {
        names[k] = Utf8(chord.lblNote[k]->text());
        cells[k] = names[k];
        if (chord.lblNote[k]->palette().color(QPalette::Window) == lit)
            litMask |= 1u << k;
    }
    for (const QLabel* box : lblSarch) {
        if (!theory::BoxMatches(Utf8(box->text()), cells, litMask))
            return false;
    }
    return true;
}

void DialogSarch::SearchChords()
{
    if (searching_)
        return;
    if (std::all_of(lblSarch.begin(), lblSarch.end(),
            [](const QLabel* box) { return box->text().isEmpty(); }))
        return;
    QPointer<frmChord> chord = registry_.TouchAs<frmChord>(WindowId::Chord);
    if (!chord)
        return;
    const QPointer<DialogSarch> self(this);
    searching_ = true;
    stopRequested_ = false;

    setCursor(Qt::WaitCursor);
    chord->setCursor(Qt::WaitCursor);
    lstSarch->clear();
    lstPass->clear();
    SetControlsEnabled(false);
    lblChordHit->setText(QStringLiteral("Please"));
    lblTensionHit->setText(QStringLiteral("Wait..."));
    QCoreApplication::processEvents();

    // Roots from B (value 0) down to C (value 11), every chord type on each.
    for (int rootValue = 0; rootValue < 12 && self && chord && !stopRequested_; ++rootValue) {
        chord->vsbRoot->setValue(rootValue);
        for (int type = 1; type < theory::kChordTypeCount; ++type) {
            chord->vsbChordType->setValue(type);
            chord->Hyouji();
            if (chkHighSpeed->checkState() == Qt::Unchecked) {
                QCoreApplication::processEvents();
                if (!self || !chord || stopRequested_)
                    break;
            }
            if (Matches(*chord)) {
                const QString item
                    = chord->lblNote[0]->text() + chord->cmbChordType->itemText(type);
                (theory::LightsTension(type) ? lstPass : lstSarch)->addItem(item);
            }
        }
    }
    if (!self)
        return; // deleted with its window; nothing of it is left to restore

    lblChordHit->setText(QStringLiteral("%1Hit!").arg(lstSarch->count()));
    lblTensionHit->setText(QStringLiteral("%1Hit!").arg(lstPass->count()));
    unsetCursor();
    if (chord)
        chord->unsetCursor();
    SetControlsEnabled(true);
    searching_ = false;
    if (!stopRequested_ && isVisible())
        ShakeDialog();
}

void DialogSarch::ShakeDialog()
{
    // 26 jolts down and to the right of its place, each shown for a moment.
    const QPointer<DialogSarch> self(this);
    const QPoint home = pos();
    for (int step = 0; step < 26; ++step) {
        const int down = static_cast<int>(QRandomGenerator::global()->bounded(61));
        const int right = static_cast<int>(QRandomGenerator::global()->bounded(61));
        move(home + QPoint(ui::Px(right), ui::Px(down)));
        QEventLoop pause;
        QTimer::singleShot(15, &pause, &QEventLoop::quit);
        pause.exec();
        if (!self)
            return;
    }
    move(home);
}

void DialogSarch::ShowResultChord(const QString& item)
{
    auto* chord = registry_.TouchAs<frmChord>(WindowId::Chord);
    if (!chord)
        return;
    const theory::ResultChord result = theory::ParseResultItem(Utf8(item));
    chord->vsbRoot->setValue(result.rootValue);
    chord->vsbChordType->setValue(result.chordType);
}

void DialogSarch::lstSarch_Click()
{
    if (searching_ || lstSarch->currentRow() < 0)
        return;
    ShowResultChord(lstSarch->currentItem()->text());
    lblChordHit->setText(
        QStringLiteral("%1/%2").arg(lstSarch->currentRow() + 1).arg(lstSarch->count()));
}

void DialogSarch::lstPass_Click()
{
    if (searching_ || lstPass->currentRow() < 0)
        return;
    ShowResultChord(lstPass->currentItem()->text());
    lblTensionHit->setText(
        QStringLiteral("%1/%2").arg(lstPass->currentRow() + 1).arg(lstPass->count()));
}
