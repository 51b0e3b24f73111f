#include "search/DialogSarch.h"

#include "chord/frmChord.h"
#include "scale/frmScale.h"
#include "search/ResultList.h"
#include "settings/ini.h"
#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/registry.h"
#include "shell/units.h"
#include "shell/wrwinpos.h"
#include "theory/scales.h"

#include <QAction>
#include <QCheckBox>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>

#include <string>

namespace {

QLabel* Counter(QWidget* parent, const char* name, const QRect& twips)
{
    auto* label = new QLabel(parent);
    ui::Place(label, name, twips);
    label->setFont(ui::PGothicFont(9, true));
    ui::PaintText(label, ui::kYellow);
    return label;
}

std::string Utf8(const QString& text) { return text.toStdString(); }

// A row below the lists holds InScale and the chosen hit's explanation.
constexpr ToolFrame kFrame { "DialogSarch", "VozuvIver - Search", 3285, 1920, true, nullptr, 0, 0,
    true };

} // namespace

DialogSarch::DialogSarch(WindowRegistry& registry)
    : ToolWindow(kFrame)
    , registry_(registry)
{
    ui::PaintBackground(this, ui::kBlack);
    CreateControls();
    // One chord per turn of the event loop; the shake's 26 jolts are each shown for a moment.
    stepper_.setInterval(0);
    shaker_.setInterval(15);

    connect(cmdCancel, &QPushButton::clicked, this, &DialogSarch::cmdCancel_Click);
    connect(cmdFreeSarch, &QPushButton::clicked, this, &DialogSarch::SearchChords);
    connect(lstSarch, &QListWidget::itemClicked, this, &DialogSarch::lstSarch_Click);
    connect(lstSarch, &QListWidget::currentRowChanged, this, &DialogSarch::lstSarch_Click);
    connect(lstPass, &QListWidget::itemClicked, this, &DialogSarch::lstPass_Click);
    connect(lstPass, &QListWidget::currentRowChanged, this, &DialogSarch::lstPass_Click);
    for (QListWidget* list : { lstSarch, lstPass })
        connect(list, &QListWidget::itemDoubleClicked, this, &DialogSarch::PlayHit);
    connect(&stepper_, &QTimer::timeout, this, &DialogSarch::Step);
    connect(&shaker_, &QTimer::timeout, this, &DialogSarch::Shake);
    connect(chkInScale, &QCheckBox::toggled, this, &DialogSarch::Refilter);
    for (auto signal : { &WindowRegistry::WindowLoaded, &WindowRegistry::WindowUnloaded })
        connect(&registry_, signal, this, [this](WindowId id) {
            if (id == WindowId::Scale)
                WatchScale();
        });
    ui::OfferCopy(this, [this] {
        const QListWidgetItem* item = lastList_ ? lastList_->currentItem() : nullptr;
        return item ? ResultList::Line(item) : QString();
    });

    Load();
    WatchScale();
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

    lstSarch = new ResultList(this, "lstSarch", QRect(60, 420, 1380, 735));
    lstPass = new ResultList(this, "lstPass", QRect(1845, 420, 1380, 735));
    // The counters stand under their lists, the NoRefresh box between them.
    lblChordHit = Counter(this, "lblChordHit", QRect(60, 1200, 630, 195));
    chkHighSpeed = new QCheckBox(this);
    ui::Place(chkHighSpeed, QStringLiteral("chkHighSpeed"), QRect(705, 1185, 225, 225));
    Label3 = ui::Caption(
        this, QStringLiteral("Label3"), QStringLiteral("NoRefresh"), QRect(930, 1200, 900, 195));
    Label3->setBuddy(chkHighSpeed);
    lblTensionHit = Counter(this, "lblTensionHit", QRect(2145, 1200, 1080, 195));
    lblTensionHit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    chkInScale = new QCheckBox(this);
    ui::Place(chkInScale, QStringLiteral("chkInScale"), QRect(60, 1425, 225, 225));
    lblInScale = ui::Caption(
        this, QStringLiteral("lblInScale"), QStringLiteral("InScale"), QRect(285, 1440, 615, 195));
    lblInScale->setBuddy(chkInScale);
    lblWhy = new QLabel(this);
    ui::Place(lblWhy, QStringLiteral("lblWhy"), QRect(960, 1440, 2265, 450));
    lblWhy->setFont(ui::PGothicFont(9));
    lblWhy->setWordWrap(true);
    lblWhy->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui::PaintText(lblWhy, ui::kWhite);
    for (ResultList* list : { lstSarch, lstPass }) {
        list->Explain([this](const QListWidgetItem* item) { return Why(item); });
        auto* offer = new QAction(tr("コード進行に加える"), list);
        connect(offer, &QAction::triggered, this, [this, list] {
            if (const QListWidgetItem* item = list->currentItem())
                emit HitOffered({ ResultList::Root(item), ResultList::Type(item), {} });
        });
        list->addAction(offer);
        list->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
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
}

void DialogSarch::PlaceBesideChord()
{
    const QWidget* chord = registry_.Loaded(WindowId::Chord);
    if (chord && chord->isVisible())
        PlaceBeside(this, chord);
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void DialogSarch::WriteSettings()
{
    const int state = chkHighSpeed->checkState() == Qt::Unchecked ? 0
        : chkHighSpeed->checkState() == Qt::Checked               ? 1
                                                                  : 2;
    ini::WriteIni("Chord", "HighSpeed", std::to_string(state));
}

void DialogSarch::showEvent(QShowEvent* event)
{
    if (!rowsFitted_) {
        lstSarch->FitWholeRows();
        lstPass->FitWholeRows();
        rowsFitted_ = true;
        // From then on it stays where the user puts it, hidden and shown with the chord window.
        PlaceBesideChord();
    }
    ToolWindow::showEvent(event);
}

void DialogSarch::hideEvent(QHideEvent* event)
{
    // Hidden along with the chord window, or closed: a running search stops where it is.
    if (Searching())
        FinishSearch(false);
    if (shaker_.isActive()) {
        shaker_.stop();
        move(home_);
    }
    ToolWindow::hideEvent(event);
}

bool DialogSarch::eventFilter(QObject* watched, QEvent* event)
{
    const auto box = std::find(lblSarch.begin(), lblSarch.end(), watched);
    if (box == lblSarch.end())
        return false;
    const int index = static_cast<int>(box - lblSarch.begin());
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (!(*box)->text().isEmpty()) {
            (*box)->setText({});
            BoxesChanged();
        }
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
    BoxesChanged();
}

std::uint16_t DialogSarch::BoxNotes() const
{
    std::uint16_t notes = 0;
    for (const QLabel* box : lblSarch) {
        if (auto pc = theory::NotePitchClass(Utf8(box->text())))
            notes |= static_cast<std::uint16_t>(1u << *pc);
    }
    return notes;
}

void DialogSarch::BoxesChanged()
{
    heldBass_.reset(); // a box changed by hand
    if (!searched_ || Searching())
        return;
    notes_ = BoxNotes();
    if (notes_ == 0) {
        cmdCancel_Click();
        return;
    }
    found_ = theory::SearchChords(notes_);
    Relist();
}

void DialogSarch::cmdCancel_Click()
{
    for (QLabel* box : lblSarch)
        box->setText({});
    lblChordHit->setText({});
    lblTensionHit->setText({});
    lblWhy->clear();
    lstSarch->clear();
    lstPass->clear();
    found_.clear();
    searched_ = false;
}

void DialogSarch::SearchHeld(const std::vector<theory::PitchClass>& notes)
{
    if (notes.empty())
        return;
    if (Searching())
        FinishSearch(false);
    const theory::SpellingMode mode = BoxSpelling();
    for (std::size_t i = 0; i < lblSarch.size(); ++i)
        lblSarch[i]->setText(
            i < notes.size() ? ui::Utf8(theory::NoteName(mode, notes[i])) : QString());
    held_ = true;
    SearchChords();
    held_ = false;
    heldBass_ = notes.front();
}

theory::SpellingMode DialogSarch::BoxSpelling()
{
    const auto* chord = registry_.TouchAs<frmChord>(WindowId::Chord);
    return chord && theory::IsSpellingTable(chord->Spelling()) ? chord->Spelling()
                                                               : theory::SpellingMode::Mixed;
}

bool DialogSarch::PutNote(theory::PitchClass note)
{
    const auto box = std::find_if(
        lblSarch.begin(), lblSarch.end(), [](const QLabel* box) { return box->text().isEmpty(); });
    if (box == lblSarch.end() || Searching())
        return false;
    (*box)->setText(ui::Utf8(theory::NoteName(BoxSpelling(), note)));
    BoxesChanged(); // as a dropped note
    return true;
}

void DialogSarch::SearchChords()
{
    if (Searching())
        return;
    const std::uint16_t notes = BoxNotes();
    chord_ = registry_.TouchAs<frmChord>(WindowId::Chord);
    if (notes == 0 || !chord_)
        return;
    if (shaker_.isActive()) { // a search started mid-shake starts from the dialog's place
        shaker_.stop();
        move(home_);
    }
    notes_ = notes;
    found_ = theory::SearchChords(notes);
    searched_ = true;
    refilter_ = false;
    hits_ = KeptHits();
    listed_ = 0;
    lstSarch->clear();
    lstPass->clear();
    lblWhy->clear();

    if (held_ || chkHighSpeed->checkState() != Qt::Unchecked) {
        for (const theory::ChordHit& hit : hits_)
            AddHit(hit);
        listed_ = hits_.size();
        const theory::ChordOnRoot last = theory::SearchStep(theory::kSearchSteps - 1);
        chord_->ShowChord(last.root, last.type);
        FinishSearch(!held_); // hands on a keyboard would keep the dialog shaking
        return;
    }
    for (QWidget* control : std::initializer_list<QWidget*> {
             cmdCancel, cmdFreeSarch, chkHighSpeed, chkInScale, lstSarch, lstPass })
        control->setEnabled(false);
    for (QLabel* box : lblSarch)
        box->setEnabled(false);
    chord_->SetBusy(true);
    setCursor(Qt::WaitCursor);
    lblChordHit->setText(QStringLiteral("Please"));
    lblTensionHit->setText(QStringLiteral("Wait..."));
    step_ = 0;
    stepper_.start();
}

void DialogSarch::Step()
{
    if (!chord_ || step_ >= theory::kSearchSteps) {
        FinishSearch(step_ >= theory::kSearchSteps);
        return;
    }
    const theory::ChordOnRoot chord = theory::SearchStep(step_++);
    chord_->ShowChord(chord.root, chord.type);
    if (listed_ < hits_.size() && hits_[listed_].root == chord.root
        && hits_[listed_].type == chord.type)
        AddHit(hits_[listed_++]);
}

void DialogSarch::AddHit(const theory::ChordHit& hit)
{
    (hit.list == theory::HitList::Tension ? lstPass : lstSarch)->Add(hit, chord_->Spelling());
}

void DialogSarch::FinishSearch(bool shake)
{
    const bool stepped = Searching();
    stepper_.stop();
    lblChordHit->setText(QStringLiteral("%1Hit!").arg(lstSarch->count()));
    lblTensionHit->setText(QStringLiteral("%1Hit!").arg(lstPass->count()));
    if (stepped) {
        for (QWidget* control : std::initializer_list<QWidget*> {
                 cmdCancel, cmdFreeSarch, chkHighSpeed, lstSarch, lstPass })
            control->setEnabled(true);
        for (QLabel* box : lblSarch)
            box->setEnabled(true);
        unsetCursor();
        if (chord_)
            chord_->SetBusy(false);
        WatchScale();
        if (refilter_)
            Relist();
    }
    if (shake && isVisible()) {
        home_ = pos();
        jolts_ = 0;
        shaker_.start();
    }
}

void DialogSarch::Shake()
{
    // 26 jolts down and to the right of its place, then back home.
    if (jolts_++ == 26) {
        shaker_.stop();
        move(home_);
        return;
    }
    const int down = static_cast<int>(QRandomGenerator::global()->bounded(61));
    const int right = static_cast<int>(QRandomGenerator::global()->bounded(61));
    move(home_ + QPoint(ui::Px(right), ui::Px(down)));
}

void DialogSarch::ShowResultChord(const QListWidgetItem* item)
{
    if (auto* chord = registry_.TouchAs<frmChord>(WindowId::Chord)) {
        chord->ShowChord(ResultList::Root(item), ResultList::Type(item));
        emit HitShown(notes_);
    }
}

void DialogSarch::PlayHit(QListWidgetItem* item)
{
    if (Searching())
        return;
    if (auto* chord = registry_.TouchAs<frmChord>(WindowId::Chord)) {
        ShowResultChord(item);
        chord->PlayChord();
    }
}

void DialogSarch::WatchScale()
{
    auto* scale = qobject_cast<frmScale*>(registry_.Loaded(WindowId::Scale));
    if (scale != scale_) {
        scale_ = scale;
        if (scale)
            connect(scale, &frmScale::ScaleShown, this, &DialogSarch::ScaleChanged);
        else if (chkInScale->isChecked())
            chkInScale->setChecked(false); // lists every hit again
    }
    chkInScale->setEnabled(scale && !Searching());
    const QString why = scale ? QString() : tr("ScaleView が開かれていると使えます");
    chkInScale->setToolTip(why);
    lblInScale->setToolTip(why);
}

void DialogSarch::ScaleChanged()
{
    if (chkInScale->isChecked())
        Refilter();
}

void DialogSarch::Refilter()
{
    if (Searching())
        refilter_ = true;
    else
        Relist();
}

std::vector<theory::ChordHit> DialogSarch::KeptHits() const
{
    if (!scale_ || !chkInScale->isChecked())
        return found_;
    return theory::HitsInScale(found_, theory::ScalePitchMask(scale_->Root(), scale_->Scale()));
}

void DialogSarch::Relist()
{
    chord_ = registry_.TouchAs<frmChord>(WindowId::Chord);
    if (!searched_ || !chord_)
        return;
    lstSarch->clear();
    lstPass->clear();
    lblWhy->clear();
    for (const theory::ChordHit& hit : KeptHits())
        AddHit(hit);
    lblChordHit->setText(QStringLiteral("%1Hit!").arg(lstSarch->count()));
    lblTensionHit->setText(QStringLiteral("%1Hit!").arg(lstPass->count()));
}

QString DialogSarch::Why(const QListWidgetItem* item)
{
    auto* chord = registry_.TouchAs<frmChord>(WindowId::Chord);
    if (!chord || !item)
        return {};
    std::array<std::string, theory::kMatrixSlots> names;
    for (int s = 0; s < theory::kMatrixSlots; ++s)
        names[static_cast<std::size_t>(s)] = Utf8(chord->IntervalCaption(s));
    return ui::Utf8(theory::ExplainHit(ResultList::Root(item), ResultList::Type(item), notes_,
        chord->Spelling(), names, heldBass_));
}

void DialogSarch::ShowWhy(const QListWidgetItem* item) { lblWhy->setText(Why(item)); }

void DialogSarch::lstSarch_Click()
{
    if (Searching() || lstSarch->currentRow() < 0)
        return;
    lastList_ = lstSarch;
    ShowResultChord(lstSarch->currentItem());
    ShowWhy(lstSarch->currentItem());
    lblChordHit->setText(
        QStringLiteral("%1/%2").arg(lstSarch->currentRow() + 1).arg(lstSarch->count()));
}

void DialogSarch::lstPass_Click()
{
    if (Searching() || lstPass->currentRow() < 0)
        return;
    lastList_ = lstPass;
    ShowResultChord(lstPass->currentItem());
    ShowWhy(lstPass->currentItem());
    lblTensionHit->setText(
        QStringLiteral("%1/%2").arg(lstPass->currentRow() + 1).arg(lstPass->count()));
}
