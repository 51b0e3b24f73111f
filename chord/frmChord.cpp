#include "chord/frmChord.h"

#include "settings/ini.h"
#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/icons.h"
#include "shell/language.h"
#include "shell/listbar.h"
#include "shell/player.h"
#include "shell/registry.h"
#include "shell/spellingbutton.h"
#include "shell/toppos.h"
#include "shell/units.h"
#include "sound/playbutton.h"
#include "theory/copytext.h"
#include "theory/playback.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDrag>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>

#include <algorithm>
#include <string>

namespace {

constexpr std::uint32_t kLightCyan = 0xFFFF80;
constexpr std::uint32_t kDarkRed = 0x000080;
constexpr std::uint32_t kLightYellow = 0x80FFFF;

// The frames of the tension marks, indexed by theory::TensionFit.
constexpr std::uint32_t kFitColours[] = {
    0x00FF00, // available: green
    0x0000FF, // avoid: red
    0x808080, // outside the key: grey
    0x0080FF, // borrowed from outside the key: orange
};
constexpr int kFitFrameWidth = 2;
constexpr std::uint32_t kHeldColour = 0xFF00FF; // magenta: the keys held on a MIDI keyboard
constexpr std::uint32_t kOmittedColour = 0x808080; // grey: a fifth the hand left out
constexpr int kFifthSlot = 7;

constexpr theory::SpellingMode kDefaultMode = theory::SpellingMode::Mixed;

constexpr ToolFrame kFrame { "frmChord", "VozuvIver", 5775, 2100, true, "Chord", 2325, 1770, true };

QPushButton* PictureButton(
    QWidget* parent, const char* name, const QRect& twips, const QIcon& picture)
{
    auto* button = new QPushButton(parent);
    ui::Place(button, name, twips);
    button->setIcon(picture);
    button->setIconSize(QSize(14, 14));
    ui::PaintButton(button, ui::kBlack);
    return button;
}

void Light(QLabel* cell, bool lit)
{
    ui::Paint(cell, lit ? ui::kYellow : ui::kNavy, lit ? ui::kBlack : kLightCyan);
}

} // namespace

frmChord::frmChord(WindowRegistry& registry, Player& player)
    : ToolWindow(kFrame)
    , registry_(registry)
    , player_(player)
{
    ui::PaintBackground(this, ui::kBlack);
    vsbRoot = ui::VerticalBar(this, "vsbRoot", QRect(60, 60, 255, 1335), 11, 11);
    vsbChordType = ui::VerticalBar(
        this, "vsbChordType", QRect(360, 60, 255, 1335), theory::kChordTypeCount - 1, 0);
    lblStructure = ui::Caption(this, "lblStructure", "Structure", QRect(660, 60, 735, 195));
    lblChord = ui::Caption(this, "lblChord", "ChordType", QRect(660, 720, 915, 195));
    lblTension = ui::Caption(this, "lblTension", "Tension", QRect(1800, 720, 615, 195));
    cmbChordType = ui::DropDown(
        this, "cmbChordType", QRect(660, 900, 1065, 300), ui::kDarkGreen, ui::kBrightGreen);
    for (const theory::ChordTypeRow& row : theory::ChordTypes)
        cmbChordType->addItem(ui::Utf8(row.listText));
    CreateMatrix();
    CreateButtons();
    CreateDiatonicArea();

    connect(vsbRoot, &QScrollBar::valueChanged, this, &frmChord::Hyouji);
    // The tension marks, a key's name for the root and a held chord's bass belong to the chord
    // they were made for: a hand on the root or the chord type clears them, on the type's list
    // too, which moves its bar silently.
    const auto byHand = [this] {
        if (!showing_)
            ChordChangedByHand();
    };
    KeepInStep(vsbChordType, cmbChordType, [this, byHand](int) {
        byHand();
        ShowChordType();
    });
    connect(vsbRoot, &QScrollBar::valueChanged, this, byHand);
    connect(cmdOption, &SpellingButton::ModeChanged, this, [this] {
        ApplySpellingMode();
        Hyouji();
    });
    connect(cmdSarch, &QPushButton::clicked, this, &frmChord::cmdSarch_Click);
    connect(cmdProgression, &QPushButton::clicked, this, &frmChord::OfferChord);
    auto* insert = new QShortcut(QKeySequence(Qt::Key_Insert), this, this, &frmChord::OfferChord);
    insert->setContext(Qt::WindowShortcut);
    connect(cmdSetting, &QPushButton::clicked, this, &frmChord::cmdSetting_Click);
    connect(cmdPlay, &QPushButton::clicked, this, &frmChord::PlayChord);
    connect(cmdGuitar, &QPushButton::clicked, this, &frmChord::InstrumentAsked);
    for (std::size_t i = 0; i < cmddiatonic.size(); ++i)
        connect(cmddiatonic[i], &QPushButton::clicked, this,
            [this, i] { cmddiatonic_Click(static_cast<int>(i)); });
    ui::OfferCopy(this, [this] {
        return ui::Utf8(
            theory::ChordCopyText(Root(), vsbChordType->value(), Spelling(), Names(), voicing_));
    });

    Load();
}

void frmChord::CreateMatrix()
{
    // Structure row: slots 0..11 across the top; tension row: slots 12..18 beside the list.
    for (int i = 0; i < theory::kMatrixSlots; ++i) {
        const bool tension = i >= theory::kFirstTensionSlot;
        const int left = tension ? 1800 + 420 * (i - theory::kFirstTensionSlot) : 660 + 420 * i;
        const int top = tension ? 900 : 240;
        const theory::MatrixSlot& slot = theory::MatrixSlots[static_cast<std::size_t>(i)];

        auto* note = new QLabel(this);
        ui::Place(note, ui::ArrayName("lblNote", i), QRect(left, top, 435, 255));
        note->setFont(ui::GothicFont(9));
        note->setAlignment(Qt::AlignCenter);
        Light(note, false);
        note->installEventFilter(this);
        lblNote[static_cast<std::size_t>(i)] = note;

        intervalNames_[static_cast<std::size_t>(i)] = ui::Utf8(slot.defaultName);
        auto* name = new QLabel(rurized::Translated("Interval", slot.defaultName), this);
        ui::Place(name, ui::ArrayName("Matrix", i), QRect(left, top + 300, 405, 195));
        name->setFont(ui::PGothicFont(8.25));
        name->setAlignment(Qt::AlignCenter);
        ui::PaintText(name, slot.group == theory::SlotGroup::Degree ? ui::kYellow : ui::kPink);
        Matrix[static_cast<std::size_t>(i)] = name;
    }
}

void frmChord::CreateButtons()
{
    // Two rows of three beside the tension row.
    cmdOption = new SpellingButton(this, QRect(4785, 780, 270, 255), kDefaultMode);
    cmdSarch = PictureButton(this, "cmdSarch", QRect(5115, 780, 270, 255),
        ui::SvgIcon(QStringLiteral(":/pictures/search.svg"), QSize(14, 14)));
    cmdProgression = PictureButton(this, "cmdProgression", QRect(5445, 780, 270, 255),
        ui::SvgIcon(QStringLiteral(":/pictures/progression.svg"), QSize(14, 14)));
    cmdSetting = PictureButton(this, "cmdSetting", QRect(5115, 1080, 270, 255),
        ui::SvgIcon(QStringLiteral(":/pictures/setting.svg"), QSize(14, 14)));
    cmdSarch->setToolTip(tr("コードを検索"));
    cmdProgression->setToolTip(tr("コード進行に加える（Insert、Shift+ダイアトニック）"));
    cmdSetting->setToolTip(tr("音程名の設定"));
    // Where the guitar button first stood, beside the interval names' gear; the guitar button,
    // which opens the instrument window, ends the second row.
    cmdPlay = new PlayButton(this, QRect(4785, 1080, 270, 255), player_);
    cmdGuitar = ui::InstrumentButton(this, "cmdGuitar", QRect(5445, 1080, 270, 255));
}

void frmChord::CreateDiatonicArea()
{
    lblKey = ui::Caption(this, "lblKey", "Key", QRect(60, 1500, 375, 195));
    cmbKey = ui::DropDown(this, "cmbKey", QRect(60, 1740, 690, 300), kDarkRed, kLightYellow);
    for (int k = 0; k < 12; ++k)
        cmbKey->addItem(QString());
    lblMajor = ui::Caption(this, "lblMajor", "Major", QRect(1620, 1560, 465, 195));
    lblMinor = ui::Caption(this, "lblMinor", "Minor", QRect(4860, 1860, 465, 195));

    // Major row, then minor row, left to right.
    const int lefts[]
        = { 2100, 2550, 3000, 3450, 3900, 4350, 4830, 750, 1200, 2130, 2610, 3150, 3630, 4140 };
    const int widths[] = { 435, 435, 435, 435, 435, 465, 885, 435, 915, 465, 525, 465, 495, 675 };
    for (std::size_t i = 0; i < cmddiatonic.size(); ++i) {
        const theory::DiatonicButton& diatonic = theory::DiatonicButtons[i];
        const int top = diatonic.row == theory::DiatonicRow::Major ? 1500 : 1800;
        auto* button = new QPushButton(ui::Utf8(diatonic.caption), this);
        ui::Place(button, ui::ArrayName("cmddiatonic", static_cast<int>(i)),
            QRect(lefts[i], top, widths[i], 255));
        button->setFont(ui::PGothicFont(9, diatonic.primary));
        cmddiatonic[i] = button;
    }
}

void frmChord::Load()
{
    cmbKey->setCurrentIndex(11);
    cmdOption->Load("Chord", kDefaultMode);
    for (int i = 0; i < theory::kMatrixSlots; ++i) {
        const std::string name = ini::ReadIni("Chord", "Matrix" + std::to_string(i));
        if (!name.empty())
            SetIntervalName(i, QString::fromStdString(name));
    }
    ApplySpellingMode();
    Hyouji();
}

theory::PitchClass frmChord::Root() const { return 11 - vsbRoot->value(); }

theory::SpellingMode frmChord::Spelling() const { return cmdOption->Mode(); }

QString frmChord::IntervalName(int slot) const
{
    return intervalNames_[static_cast<std::size_t>(slot)];
}

QString frmChord::IntervalCaption(int slot) const
{
    return Matrix[static_cast<std::size_t>(slot)]->text();
}

void frmChord::SetIntervalName(int slot, const QString& name)
{
    intervalNames_[static_cast<std::size_t>(slot)] = name;
    Matrix[static_cast<std::size_t>(slot)]->setText(
        rurized::Translated("Interval", name.toStdString()));
    Hyouji(); // by key, a renamed interval takes the letter of its new name
}

theory::ByKeyNames frmChord::Names() const
{
    std::array<std::string, theory::kMatrixSlots> shown;
    for (std::size_t s = 0; s < shown.size(); ++s)
        shown[s] = intervalNames_[s].toStdString();
    return { keyRoot_, theory::AlternativeNames(shown) };
}

QString frmChord::ChordName() const
{
    return ui::Utf8(
        theory::ChordName(Root(), vsbChordType->value(), Spelling(), Names(), voicing_));
}

theory::ChordType frmChord::Type() const { return vsbChordType->value(); }

QString frmChord::NoteCell(int slot) const
{
    return lblNote[static_cast<std::size_t>(slot)]->text();
}

std::uint16_t frmChord::ChordPitches() const
{
    return theory::ChordPitchMask(Root(), vsbChordType->value());
}

void frmChord::Hyouji()
{
    const auto cells = theory::MatrixNoteNames(Root(), Spelling(), vsbChordType->value(), Names());
    for (std::size_t i = 0; i < cells.size(); ++i)
        lblNote[i]->setText(ui::Utf8(cells[i]));
    if (held_ || voicing_.bass)
        ShowHeld(); // the held keys stay on their pitch classes as the root moves
    emit ChordShown();
}

void frmChord::ShowHeldChord(const theory::HeldChord& chord)
{
    showing_ = true;
    ShowChord(chord.root, chord.type);
    showing_ = false;
    MarkTensions({});
    keyRoot_.reset();
    voicing_ = { chord.bass, chord.noFifth };
    ShowChordType();
}

void frmChord::ChordChangedByHand()
{
    MarkTensions({});
    const bool marked = keyRoot_ || voicing_ != theory::Voicing {};
    keyRoot_.reset();
    voicing_ = {};
    if (marked) {
        ShowChordType();
        ShowHeld();
    }
}

void frmChord::ShowChord(theory::PitchClass root, theory::ChordType type)
{
    vsbChordType->setValue(type);
    vsbRoot->setValue(11 - theory::Transposed(root, 0));
}

void frmChord::ShowChordType()
{
    const std::uint32_t lit = theory::LitSlotMask(vsbChordType->value());
    for (std::size_t i = 0; i < lblNote.size(); ++i) {
        if ((lit ^ shownLit_) >> i & 1)
            Light(lblNote[i], lit >> i & 1);
    }
    shownLit_ = lit;
    MarkOmittedFifth();
    Hyouji(); // by key, the names follow the chord too
}

void frmChord::MarkOmittedFifth()
{
    QLabel* fifth = lblNote[kFifthSlot];
    if (voicing_.noFifth && (shownLit_ >> kFifthSlot & 1)) {
        ui::Paint(fifth, kOmittedColour, ui::kBlack);
        fifth->setToolTip(tr("押さえていない5度 (no 5th)"));
    } else {
        Light(fifth, shownLit_ >> kFifthSlot & 1);
        fifth->setToolTip(QString());
    }
}

void frmChord::ApplySpellingMode()
{
    // Respelling the items in place keeps the chosen key chosen. By key a lone tonic reads as
    // in the mixed table, whose C＃, E♭, F＃, A♭ and B♭ each name a usual major or minor key.
    for (int k = 0; k < cmbKey->count(); ++k)
        cmbKey->setItemText(k, ui::Utf8(theory::NoteName(Spelling(), 11 - k)));
}

void frmChord::SetBusy(bool busy)
{
    busy_ = busy;
    for (QWidget* control : std::initializer_list<QWidget*> { cmbKey, cmdOption, cmdSarch,
             cmdProgression, cmdSetting, cmdPlay, cmbChordType, vsbRoot, vsbChordType })
        control->setEnabled(!busy);
    for (QPushButton* button : cmddiatonic)
        button->setEnabled(!busy);
    if (busy)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

void frmChord::cmdSarch_Click() { registry_.Show(WindowId::Search); }

void frmChord::cmdSetting_Click()
{
    auto* dialog = qobject_cast<QDialog*>(registry_.Touch(WindowId::Matrix));
    if (!dialog)
        return;
    if (registry_.WindowFlag())
        TopMostOn(dialog);
    dialog->exec();
}

void frmChord::cmddiatonic_Click(int index)
{
    // The chord type first, then the root: each scroll bar's own change handling shows it.
    const theory::DiatonicButton& button = theory::DiatonicButtons[static_cast<std::size_t>(index)];
    const theory::PitchClass tonic = 11 - cmbKey->currentIndex();
    showing_ = true;
    ShowChord(theory::DiatonicRoot(tonic, button.step), button.chordType);
    showing_ = false;
    const bool wasHeld = voicing_ != theory::Voicing {};
    voicing_ = {};
    keyRoot_ = theory::DiatonicRootName(tonic, index);
    keyScale_ = theory::DiatonicScaleMask(tonic, index);
    if (wasHeld) {
        ShowChordType();
        ShowHeld();
    }
    Hyouji();
    MarkTensions(theory::DiatonicTensionFits(tonic, index));
    PlayChord();
    if (QGuiApplication::keyboardModifiers() & Qt::ShiftModifier)
        OfferChord();
}

void frmChord::OfferChord()
{
    if (vsbChordType->value() != theory::kNoChord)
        emit ChordOffered({ Root(), vsbChordType->value(), voicing_.bass });
}

void frmChord::PlayChord() { player_.Play(theory::ChordPhrase(Root(), vsbChordType->value())); }

void frmChord::MarkTensions(const theory::TensionFits& fits)
{
    const bool marked
        = std::any_of(fits.begin(), fits.end(), [](const auto& fit) { return fit.has_value(); });
    if (!marked && !tensionsMarked_)
        return;
    tensionsMarked_ = marked;
    const QString legend = marked
        ? tr("緑の枠: 使えるテンション\n赤の枠: アボイド・ノート\n"
             "橙の枠: キーの外から借りてよく使うテンション\n灰色の枠: キーの外の音")
        : QString();
    for (std::size_t i = 0; i < fits.size(); ++i) {
        QLabel* cell = lblNote[theory::kFirstTensionSlot + i];
        cell->setToolTip(legend);
        if (!fits[i]) {
            cell->setFrameStyle(QFrame::NoFrame);
            continue;
        }
        // A raised panel draws its frame in the light and dark colours, which the lit and unlit
        // colours of the cell leave alone.
        QPalette palette = cell->palette();
        const QColor colour = ui::Color(kFitColours[static_cast<std::size_t>(*fits[i])]);
        palette.setColor(QPalette::Light, colour);
        palette.setColor(QPalette::Dark, colour);
        cell->setPalette(palette);
        cell->setFrameStyle(QFrame::Panel | QFrame::Raised);
        cell->setLineWidth(kFitFrameWidth);
    }
}

void frmChord::MarkHeld(std::uint16_t pitchClasses)
{
    const bool wasHeld = held_ != 0;
    held_ = pitchClasses;
    if (held_ || wasHeld)
        ShowHeld();
}

void frmChord::ShowHeld()
{
    // A slash chord's bass in white, whether or not it is still held.
    const int bassSlot
        = voicing_.bass ? theory::Transposed(*voicing_.bass, -Root()) : theory::kMatrixSlots;
    for (int s = 0; s < theory::kFirstTensionSlot; ++s) {
        QLabel* cell = lblNote[static_cast<std::size_t>(s)];
        const bool bass = s == bassSlot && s != 0;
        if (s != kFifthSlot || !voicing_.noFifth)
            cell->setToolTip(bass ? tr("ベース: %1").arg(ChordName()) : QString());
        if (!bass && !(held_ >> theory::Transposed(Root(), s) & 1)) {
            cell->setFrameStyle(QFrame::NoFrame);
            continue;
        }
        const QColor colour = ui::Color(bass ? ui::kWhite : kHeldColour);
        QPalette palette = cell->palette();
        palette.setColor(QPalette::Light, colour);
        palette.setColor(QPalette::Dark, colour);
        cell->setPalette(palette);
        cell->setFrameStyle(QFrame::Panel | QFrame::Raised);
        cell->setLineWidth(kFitFrameWidth);
    }
}

bool frmChord::eventFilter(QObject* watched, QEvent* event)
{
    auto* cell = qobject_cast<QLabel*>(watched);
    if (!cell || busy_
        || (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseMove))
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
        pressedAt_ = mouse->position().toPoint();
        return true;
    }
    if (event->type() == QEvent::MouseMove && (mouse->buttons() & Qt::LeftButton)
        && (mouse->position().toPoint() - pressedAt_).manhattanLength()
            >= QApplication::startDragDistance()) {
        DragNote(cell);
        return true;
    }
    return false;
}

void frmChord::DragNote(QLabel* cell)
{
    auto* mime = new QMimeData;
    mime->setText(cell->text());
    mime->setData(kNoteMimeType, cell->text().toUtf8());
    auto* drag = new QDrag(cell);
    drag->setMimeData(mime);
    drag->setPixmap(cell->grab());
    drag->setHotSpot(pressedAt_);
    drag->exec(Qt::CopyAction);
}

void frmChord::WriteSettings()
{
    cmdOption->Save("Chord");
    for (int i = 0; i < theory::kMatrixSlots; ++i)
        ini::WriteIni("Chord", "Matrix" + std::to_string(i), IntervalName(i).toStdString());
}

void frmChord::paintEvent(QPaintEvent* event)
{
    ToolWindow::paintEvent(event);
    // A white line parts the matrix from the diatonic area.
    QPainter painter(this);
    painter.setPen(ui::Color(ui::kWhite));
    painter.drawLine(ui::Px(60), ui::Px(1440), ui::Px(5700), ui::Px(1440));
}
