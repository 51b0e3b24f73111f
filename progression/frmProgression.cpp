#include "progression/frmProgression.h"

#include "midi/smf.h"
#include "progression/ChordStrip.h"
#include "settings/convert.h"
#include "settings/ini.h"
#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/icons.h"
#include "shell/player.h"
#include "shell/units.h"
#include "sound/playbutton.h"
#include "theory/chordnames.h"
#include "theory/playback.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDrag>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QUrl>

#include <algorithm>
#include <string>

namespace {

constexpr std::uint32_t kDarkRed = 0x000080;
constexpr std::uint32_t kLightYellow = 0x80FFFF;
constexpr int kDefaultTempo = 100;
constexpr int kBeatsChoices[] = { 1, 2, 4 };
constexpr int kUndoDepth = 100;

constexpr ToolFrame kFrame { "frmProgression", "Progression", 7020, 2520, true, "Progression", 4650,
    1770, true };

// The numerals' colours by function (&H00BBGGRR), and what the tooltip says of each.
struct FunctionLook {
    std::uint32_t colour;
    const char* words;
};
constexpr FunctionLook kFunctions[] = {
    { 0xC0C0C0, "" }, // none
    { 0xFFC080, QT_TRANSLATE_NOOP("frmProgression", "T: トニック") },
    { 0x80FF80, QT_TRANSLATE_NOOP("frmProgression", "SD: サブドミナント") },
    { 0x8080FF, QT_TRANSLATE_NOOP("frmProgression", "D: ドミナント") },
    { 0xFF80FF, QT_TRANSLATE_NOOP("frmProgression", "SDm: サブドミナント・マイナー") },
};

// Why a chord is offered next, by theory::Reason.
constexpr const char* kReasons[] = {
    "T → SD",
    "SD → D",
    "D → T",
    "SD → T",
    QT_TRANSLATE_NOOP("frmProgression", "偽終止"),
    QT_TRANSLATE_NOOP("frmProgression", "V7/x: その和音へのドミナント"),
    QT_TRANSLATE_NOOP("frmProgression", "解決先"),
    QT_TRANSLATE_NOOP("frmProgression", "ツー・ファイブ"),
    QT_TRANSLATE_NOOP("frmProgression", "裏コード"),
    QT_TRANSLATE_NOOP("frmProgression", "同主短調から借用"),
};

QString KeyName(theory::Key key)
{
    return ui::Utf8(theory::NoteName(theory::SpellingMode::Mixed, key.tonic))
        + (key.minor ? QStringLiteral("m") : QString());
}

// A slot in the settings file: root, type, bass (-1 for none) and beats, "9,24,-1,4".
std::string StoredSlot(const theory::SongChord& chord, int beats)
{
    return std::to_string(chord.root) + "," + std::to_string(chord.type) + ","
        + std::to_string(chord.bass.value_or(-1)) + "," + std::to_string(beats);
}

} // namespace

frmProgression::frmProgression(
    Player& player, std::function<int()> channel, std::function<theory::SpellingMode()> spelling)
    : ToolWindow(kFrame)
    , player_(player)
    , channel_(std::move(channel))
    , spelling_(std::move(spelling))
{
    ui::PaintBackground(this, ui::kBlack);
    CreateControls();

    connect(picStrip, &ChordStrip::Clicked, this, &frmProgression::picStrip_Clicked);
    connect(picStrip, &ChordStrip::Moved, this, &frmProgression::picStrip_Moved);
    connect(picStrip, &ChordStrip::TextDropped, this,
        [this](const QString& text, int at) { InsertText(text, at); });
    picStrip->OfferDrag([this](int slot) { return DragData(slot); });
    connect(cmbKey, &QComboBox::activated, this, &frmProgression::Show);
    connect(cmbBeats, &QComboBox::activated, this, &frmProgression::cmbBeats_Activated);
    connect(cmdPlay, &QPushButton::clicked, this, [this] { Playing() ? StopRow() : PlayRow(); });
    connect(cmdClear, &QPushButton::clicked, this, &frmProgression::cmdClear_Click);
    connect(lstNext, &QListWidget::itemClicked, this, &frmProgression::lstNext_Clicked);
    connect(lstNext, &QListWidget::itemDoubleClicked, this, &frmProgression::lstNext_DoubleClicked);
    connect(&timer_, &QTimer::timeout, this, &frmProgression::tmrPlay_Timer);

    // Copy, paste, undo, delete and save, by key and in the context menu.
    ui::OfferCopy(this, [this] {
        QStringList names, numerals;
        for (const theory::SongChord& chord : chords_) {
            names << Name(chord);
            numerals << ui::Utf8(theory::RomanNumeral(Key(), chord).text);
        }
        return names.isEmpty()
            ? QString()
            : names.join(QStringLiteral(" – ")) + "\n" + numerals.join(QStringLiteral(" – "));
    });
    const auto action = [this](const QString& text, QKeySequence keys, auto handler) {
        auto* entry = new QAction(text, this);
        entry->setShortcut(keys);
        entry->setShortcutContext(Qt::WindowShortcut);
        connect(entry, &QAction::triggered, this, handler);
        addAction(entry);
    };
    action(tr("貼り付け"), QKeySequence::Paste,
        [this] { InsertText(QGuiApplication::clipboard()->text()); });
    action(tr("元に戻す"), QKeySequence::Undo, [this] { Undo(); });
    action(tr("削除"), QKeySequence::Delete, [this] {
        const int selected = picStrip->Selected();
        if (selected < 0 || selected >= static_cast<int>(row_.size()))
            return;
        std::vector<Slot> row = row_;
        row.erase(row.begin() + selected);
        Change(std::move(row));
    });
    action(tr("MIDI ファイルに保存…"), QKeySequence::Save, [this] { cmdSave_Click(); });

    Load();
}

frmProgression::~frmProgression() = default;

void frmProgression::CreateControls()
{
    cmbKey = ui::DropDown(this, "cmbKey", QRect(60, 60, 1335, 300), kDarkRed, kLightYellow);
    cmbKey->addItem(QString());
    for (int k = 0; k < 24; ++k)
        cmbKey->addItem(KeyName({ k / 2, k % 2 == 1 }));
    cmbKey->setToolTip(tr("キー（自動: コードから推定）"));

    spnTempo = new QSpinBox(this);
    ui::Place(spnTempo, QStringLiteral("spnTempo"), QRect(1455, 60, 1050, 300));
    spnTempo->setRange(40, 240);
    spnTempo->setValue(kDefaultTempo);
    spnTempo->setSuffix(QStringLiteral(" BPM"));
    spnTempo->setFont(ui::GothicFont(9));
    spnTempo->setToolTip(tr("テンポ（1分あたりの拍数）"));

    chkLoop = new QCheckBox(tr("ループ"), this);
    ui::Place(chkLoop, QStringLiteral("chkLoop"), QRect(2535, 60, 840, 300));
    chkLoop->setFont(ui::PGothicFont(9));
    ui::PaintText(chkLoop, ui::kWhite);

    cmbBeats = ui::DropDown(
        this, "cmbBeats", QRect(3405, 60, 690, 300), ui::kDarkGreen, ui::kBrightGreen);
    for (int beats : kBeatsChoices) {
        //: The list is narrow: a number and a short unit at most; the tooltip names the unit.
        cmbBeats->addItem(tr("%n拍", nullptr, beats));
    }
    cmbBeats->setCurrentIndex(2);
    cmbBeats->setToolTip(tr("選んだコードの長さ"));

    cmdPlay = new PlayButton(this, QRect(4155, 82, 270, 255), player_);
    cmdRecord = new QPushButton(this);
    ui::Place(cmdRecord, QStringLiteral("cmdRecord"), QRect(4485, 82, 270, 255));
    cmdRecord->setIcon(ui::SvgIcon(QStringLiteral(":/pictures/record.svg"), QSize(14, 14)));
    cmdRecord->setIconSize(QSize(14, 14));
    cmdRecord->setCheckable(true);
    ui::PaintButton(cmdRecord, ui::kBlack);
    cmdRecord->setToolTip(tr("MIDI キーボードで押さえた和音を離すたびに加える"));

    cmdClear = new QPushButton(this);
    ui::Place(cmdClear, QStringLiteral("cmdClear"), QRect(4800, 82, 270, 255));
    cmdClear->setIcon(ui::SvgIcon(QStringLiteral(":/pictures/clear.svg"), QSize(14, 14)));
    cmdClear->setIconSize(QSize(14, 14));
    ui::PaintButton(cmdClear, ui::kBlack);
    cmdClear->setToolTip(tr("すべて消す（Ctrl+Z で戻る）"));

    picStrip = new ChordStrip(this, QRect(60, 420, 5010, 1710));

    lblMessage = new QLabel(this);
    ui::Place(lblMessage, QStringLiteral("lblMessage"), QRect(60, 2190, 4260, 255));
    lblMessage->setFont(ui::PGothicFont(9));
    ui::PaintText(lblMessage, ui::kYellow);

    lblDragRow = new QLabel(QStringLiteral("MIDI ⇲"), this);
    ui::Place(lblDragRow, QStringLiteral("lblDragRow"), QRect(4380, 2190, 690, 255));
    lblDragRow->setFont(ui::PGothicFont(9));
    lblDragRow->setAlignment(Qt::AlignCenter);
    lblDragRow->setFrameShape(QFrame::Box);
    ui::Paint(lblDragRow, ui::kDarkGreen, ui::kBrightGreen);
    lblDragRow->setCursor(Qt::OpenHandCursor);
    lblDragRow->setToolTip(tr("音楽ソフトへドラッグ: 進行全体を MIDI ファイルで"));
    lblDragRow->installEventFilter(this);

    lblNext = ui::Caption(this, "lblNext", "Next", QRect(5160, 60, 600, 195));
    lstNext = new QListWidget(this);
    ui::Place(lstNext, QStringLiteral("lstNext"), QRect(5160, 300, 1800, 2145));
    lstNext->setFont(ui::PGothicFont(9));
    QPalette palette = lstNext->palette();
    palette.setColor(QPalette::Base, ui::Color(ui::kNavy));
    palette.setColor(QPalette::Text, ui::Color(0xFFFF80));
    lstNext->setPalette(palette);
    lstNext->setToolTip(tr("クリックで試聴、ダブルクリックで追加"));
}

void frmProgression::Load()
{
    if (auto key = ini::ToInteger(ini::ReadIni("Progression", "Key"));
        key && *key >= 0 && *key <= 24)
        cmbKey->setCurrentIndex(*key);
    if (auto tempo = ini::ToInteger(ini::ReadIni("Progression", "Tempo")))
        spnTempo->setValue(*tempo);
    if (auto loop = ini::ToBoolean(ini::ReadIni("Progression", "Loop")))
        chkLoop->setChecked(*loop);
    for (int i = 0; i < kMaxSlots; ++i) {
        // root,type,bass,beats; a value that does not read is passed over.
        const QStringList parts
            = QString::fromStdString(ini::ReadIni("Progression", "Slot" + std::to_string(i)))
                  .split(',');
        if (parts.size() != 4)
            continue;
        bool ok[4];
        const int root = parts[0].toInt(&ok[0]), type = parts[1].toInt(&ok[1]),
                  bass = parts[2].toInt(&ok[2]), beats = parts[3].toInt(&ok[3]);
        if (!(ok[0] && ok[1] && ok[2] && ok[3]) || root < 0 || root > 11 || type < 1
            || type >= theory::kChordTypeCount || bass < -1 || bass > 11
            || std::find(std::begin(kBeatsChoices), std::end(kBeatsChoices), beats)
                == std::end(kBeatsChoices))
            continue;
        row_.push_back({ { root, type, bass < 0 ? std::nullopt : std::optional(bass) }, beats });
    }
    Show();
}

void frmProgression::WriteSettings()
{
    StopRow();
    ini::WriteIni("Progression", "Key", std::to_string(cmbKey->currentIndex()));
    ini::WriteIni("Progression", "Tempo", std::to_string(spnTempo->value()));
    ini::WriteIni("Progression", "Loop", chkLoop->isChecked() ? "1" : "0");
    for (int i = 0; i < kMaxSlots; ++i) {
        const bool used = i < static_cast<int>(row_.size());
        if (used || !ini::ReadIni("Progression", "Slot" + std::to_string(i)).empty())
            ini::WriteIni("Progression", "Slot" + std::to_string(i),
                used ? StoredSlot(row_[static_cast<std::size_t>(i)].chord,
                    row_[static_cast<std::size_t>(i)].beats)
                     : "");
    }
}

theory::Key frmProgression::Key() const
{
    const int index = cmbKey->currentIndex();
    if (index <= 0)
        return theory::GuessKey(chords_);
    return { (index - 1) / 2, (index - 1) % 2 == 1 };
}

void frmProgression::Show()
{
    chords_.clear();
    for (const Slot& slot : row_)
        chords_.push_back(slot.chord);
    cmbKey->setItemText(0, tr("自動 (%1)").arg(KeyName(theory::GuessKey(chords_))));
    const theory::Key key = Key();
    std::vector<StripSlot> shown;
    for (const Slot& slot : row_) {
        const theory::Numeral numeral = theory::RomanNumeral(key, slot.chord);
        const FunctionLook& look = kFunctions[static_cast<int>(numeral.function)];
        shown.push_back({ Name(slot.chord), ui::Utf8(numeral.text), ui::Color(look.colour),
            QCoreApplication::translate("frmProgression", look.words), slot.beats });
    }
    picStrip->SetSlots(std::move(shown));
    const int selected = picStrip->Selected();
    if (selected >= 0 && selected < static_cast<int>(row_.size())) {
        const int beats = row_[static_cast<std::size_t>(selected)].beats;
        cmbBeats->setCurrentIndex(
            static_cast<int>(std::find(std::begin(kBeatsChoices), std::end(kBeatsChoices), beats)
                - std::begin(kBeatsChoices)));
    }
    ShowNext();
}

QString frmProgression::Name(const theory::SongChord& chord) const
{
    return ui::Utf8(
        theory::SongChordName(chord, spelling_ ? spelling_() : theory::SpellingMode::Mixed));
}

void frmProgression::ShowNext()
{
    lstNext->clear();
    const int selected = picStrip->Selected();
    if (chords_.empty())
        return;
    const theory::SongChord& after = selected >= 0 && selected < static_cast<int>(chords_.size())
        ? chords_[static_cast<std::size_t>(selected)]
        : chords_.back();
    for (const theory::Suggestion& next : theory::NextChords(Key(), after)) {
        auto* item = new QListWidgetItem(Name(next.chord) + QStringLiteral("  ")
                + QCoreApplication::translate(
                    "frmProgression", kReasons[static_cast<int>(next.reason)]),
            lstNext);
        item->setData(Qt::UserRole, next.chord.root);
        item->setData(Qt::UserRole + 1, next.chord.type);
    }
}

void frmProgression::Change(std::vector<Slot> row)
{
    if (row == row_)
        return;
    undo_.push_back(std::move(row_));
    if (undo_.size() > kUndoDepth)
        undo_.erase(undo_.begin());
    row_ = std::move(row);
    lblMessage->clear();
    Show();
}

void frmProgression::Undo()
{
    if (undo_.empty())
        return;
    row_ = std::move(undo_.back());
    undo_.pop_back();
    Show();
}

void frmProgression::Say(const QString& words) { lblMessage->setText(words); }

bool frmProgression::Append(const theory::SongChord& chord)
{
    if (row_.size() >= kMaxSlots) {
        Say(tr("コードは %1 個までです").arg(kMaxSlots));
        return false;
    }
    std::vector<Slot> row = row_;
    row.push_back({ chord, 4 });
    Change(std::move(row));
    picStrip->Select(static_cast<int>(row_.size()) - 1);
    ShowNext();
    return true;
}

bool frmProgression::InsertText(const QString& text, int index)
{
    const theory::ReadChords read = theory::ReadChordNames(text.toStdString());
    if (!read.unread.empty()) {
        Say(tr("コード名として読めません: %1").arg(QString::fromStdString(read.unread)));
        return false;
    }
    if (read.chords.empty()) {
        Say(tr("コード名がありません"));
        return false;
    }
    if (row_.size() + read.chords.size() > kMaxSlots) {
        Say(tr("コードは %1 個までです").arg(kMaxSlots));
        return false;
    }
    std::vector<Slot> row = row_;
    const auto at
        = index < 0 || index > static_cast<int>(row.size()) ? row.end() : row.begin() + index;
    std::vector<Slot> added;
    for (const theory::SongChord& chord : read.chords)
        added.push_back({ chord, 4 });
    row.insert(at, added.begin(), added.end());
    Change(std::move(row));
    return true;
}

bool frmProgression::Recording() const { return cmdRecord->isChecked(); }

void frmProgression::picStrip_Clicked(int index)
{
    Show();
    emit ChordChosen(chords_[static_cast<std::size_t>(index)]);
}

void frmProgression::picStrip_Moved(int from, int to)
{
    if (from < 0 || from >= static_cast<int>(row_.size()))
        return;
    std::vector<Slot> row = row_;
    const Slot moved = row[static_cast<std::size_t>(from)];
    row.erase(row.begin() + from);
    to = std::clamp(to > from ? to - 1 : to, 0, static_cast<int>(row.size()));
    row.insert(row.begin() + to, moved);
    Change(std::move(row));
    picStrip->Select(to);
}

void frmProgression::cmbBeats_Activated(int index)
{
    const int selected = picStrip->Selected();
    if (selected < 0 || selected >= static_cast<int>(row_.size()))
        return;
    std::vector<Slot> row = row_;
    row[static_cast<std::size_t>(selected)].beats = kBeatsChoices[index];
    Change(std::move(row));
}

void frmProgression::cmdClear_Click()
{
    StopRow();
    Change({});
    Say(tr("Ctrl+Z で元に戻せます"));
}

void frmProgression::lstNext_Clicked(QListWidgetItem* item)
{
    player_.Play(theory::ChordPhrase(
        item->data(Qt::UserRole).toInt(), item->data(Qt::UserRole + 1).toInt()));
}

void frmProgression::lstNext_DoubleClicked(QListWidgetItem* item)
{
    Append({ item->data(Qt::UserRole).toInt(), item->data(Qt::UserRole + 1).toInt(), {} });
}

int frmProgression::Tempo() const { return spnTempo->value(); }

theory::Phrase frmProgression::RowPhrase() const
{
    const std::vector<std::vector<int>> voiced = theory::VoiceLead(chords_);
    theory::Phrase phrase;
    int at = 0;
    for (std::size_t i = 0; i < row_.size(); ++i) {
        const int length = row_[i].beats * 60000 / Tempo();
        phrase.push_back({ voiced[i], at, length });
        at += length;
    }
    return phrase;
}

void frmProgression::PlayRow()
{
    if (row_.empty()) {
        Say(tr("コードがありません"));
        return;
    }
    const theory::Phrase phrase = RowPhrase();
    startsMs_.clear();
    for (const theory::PlayedNotes& step : phrase)
        startsMs_.push_back(step.startMs);
    startsMs_.push_back(theory::PhraseLength(phrase));
    player_.Play(phrase);
    clock_.start();
    timer_.start(15);
    tmrPlay_Timer();
}

void frmProgression::StopRow()
{
    if (!timer_.isActive())
        return;
    timer_.stop();
    picStrip->Light(-1);
    player_.Play({});
}

void frmProgression::tmrPlay_Timer()
{
    const qint64 now = clock_.elapsed();
    if (now >= startsMs_.back()) {
        if (chkLoop->isChecked() && !row_.empty()) {
            PlayRow();
        } else {
            timer_.stop();
            picStrip->Light(-1);
        }
        return;
    }
    const int slot = static_cast<int>(std::upper_bound(startsMs_.begin(), startsMs_.end(), now)
                         - startsMs_.begin())
        - 1;
    if (slot != picStrip->Lit() && slot < static_cast<int>(chords_.size())) {
        picStrip->Light(slot);
        emit ChordSounding(chords_[static_cast<std::size_t>(slot)]);
    }
}

std::vector<std::uint8_t> frmProgression::MidiFile(int slot) const
{
    const theory::Phrase phrase = RowPhrase();
    std::vector<midi::SmfNote> notes;
    int at = 0;
    for (std::size_t i = 0; i < phrase.size(); ++i) {
        if (slot >= 0 && static_cast<int>(i) != slot)
            continue;
        const int length = row_[i].beats * midi::kTicksPerQuarter;
        for (int note : phrase[i].notes)
            notes.push_back({ note, at, length });
        at += length;
    }
    return midi::StandardMidiFile(notes, Tempo(), channel_ ? channel_() : 1);
}

QMimeData* frmProgression::DragData(int slot) const
{
    auto* data = new QMimeData;
    const std::vector<std::uint8_t> bytes = MidiFile(slot);
    const QByteArray file(
        reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    data->setData(QStringLiteral("audio/midi"), file);
    // Music programs that take files rather than data get one in the temporary folder.
    QFile out(QDir::temp().filePath(QStringLiteral("Rurized progression.mid")));
    if (out.open(QIODevice::WriteOnly) && out.write(file) == file.size())
        data->setUrls({ QUrl::fromLocalFile(out.fileName()) });
    QStringList names;
    for (std::size_t i = 0; i < chords_.size(); ++i) {
        if (slot < 0 || static_cast<int>(i) == slot)
            names << Name(chords_[i]);
    }
    data->setText(names.join(QStringLiteral(" – ")));
    return data;
}

bool frmProgression::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != lblDragRow
        || (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseMove))
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (event->type() == QEvent::MouseButtonPress) {
        pressedAt_ = mouse->position().toPoint();
        return true;
    }
    if ((mouse->buttons() & Qt::LeftButton) && !row_.empty()
        && (mouse->position().toPoint() - pressedAt_).manhattanLength()
            >= QApplication::startDragDistance()) {
        auto* drag = new QDrag(lblDragRow);
        drag->setMimeData(DragData(-1));
        drag->setPixmap(lblDragRow->grab());
        drag->exec(Qt::CopyAction);
        return true;
    }
    return false;
}

void frmProgression::cmdSave_Click()
{
    if (row_.empty()) {
        Say(tr("コードがありません"));
        return;
    }
    const QString path = QFileDialog::getSaveFileName(this, tr("MIDI ファイルに保存"),
        QDir::home().filePath(QStringLiteral("progression.mid")), QStringLiteral("MIDI (*.mid)"));
    if (path.isEmpty())
        return;
    const std::vector<std::uint8_t> bytes = MidiFile();
    QFile out(path);
    const bool written = out.open(QIODevice::WriteOnly)
        && out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()))
            == static_cast<qint64>(bytes.size());
    Say(written ? tr("保存しました: %1").arg(path)
                : tr("保存できません: %1").arg(out.errorString()));
}
