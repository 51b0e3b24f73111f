#include "app/windows.h"

#include "chord/DialogChord.h"
#include "chord/frmChord.h"
#include "instrument/frmInstrument.h"
#include "key/frmKey.h"
#include "memo/frmMemo.h"
#include "midi/midi.h"
#include "progression/frmProgression.h"
#include "reference/frmReference.h"
#include "scale/frmScale.h"
#include "search/DialogSarch.h"
#include "shell/controls.h"
#include "shell/frmAuthor.h"
#include "shell/frmLoading.h"
#include "shell/registry.h"
#include "theory/copytext.h"
#include "theory/heldnotes.h"

#include <algorithm>
#include <memory>
#include <optional>

namespace {

// A progression's chord on the instrument, named in the chord window's spelling as the
// progression names it.
void ShowProgressionChord(WindowRegistry& registry, const theory::SongChord& song)
{
    const auto* chord = qobject_cast<frmChord*>(registry.Loaded(WindowId::Chord));
    const theory::SpellingMode mode = chord ? chord->Spelling() : theory::SpellingMode::Mixed;
    const auto names = theory::MatrixNoteNames(song.root, mode, song.type);
    std::array<std::string, theory::kMatrixSlots> cells;
    for (std::size_t s = 0; s < cells.size(); ++s)
        cells[s] = std::string(names[s]);
    ShowOnInstrument(registry,
        QStringLiteral("Progression: ") + ui::Utf8(theory::SongChordName(song, mode)),
        theory::ChordMarking(song.root, song.type, cells), true);
}

// A chord the chord window or the search offers goes to the end of the progression, which shows.
void AddToProgression(WindowRegistry& registry, const theory::SongChord& offered)
{
    registry.Show(WindowId::Progression);
    if (auto* progression = qobject_cast<frmProgression*>(registry.Loaded(WindowId::Progression)))
        progression->Append(offered);
}

frmChord* NewChordWindow(WindowRegistry& registry, Player& player)
{
    auto* chord = new frmChord(registry, player);
    QObject::connect(chord, &frmChord::ChordOffered, chord,
        [&registry](const theory::SongChord& offered) { AddToProgression(registry, offered); });
    return chord;
}

DialogSarch* NewSearchDialog(WindowRegistry& registry)
{
    auto* search = new DialogSarch(registry);
    QObject::connect(search, &DialogSarch::HitOffered, search,
        [&registry](const theory::SongChord& offered) { AddToProgression(registry, offered); });
    return search;
}

frmProgression* NewProgressionWindow(WindowRegistry& registry, Player& player)
{
    auto* progression = new frmProgression(
        player, [] { return ReadMidiSettings().channel; },
        [&registry] {
            const auto* chord = qobject_cast<frmChord*>(registry.Loaded(WindowId::Chord));
            return chord ? chord->Spelling() : theory::SpellingMode::Mixed;
        });
    // A slot clicked shows in the chord window and sounds.
    QObject::connect(progression, &frmProgression::ChordChosen, progression,
        [&registry](const theory::SongChord& chosen) {
            auto* chord = registry.TouchAs<frmChord>(WindowId::Chord);
            chord->ShowChord(chosen.root, chosen.type);
            chord->PlayChord();
        });
    // The slot that sounds while the row plays shows on the instrument.
    QObject::connect(progression, &frmProgression::ChordSounding, progression,
        [&registry](
            const theory::SongChord& sounding) { ShowProgressionChord(registry, sounding); });
    return progression;
}

// What the instrument window last was told to show, kept beside the registry for when it loads.
class InstrumentSubject final : public QObject {
public:
    explicit InstrumentSubject(WindowRegistry& registry)
        : QObject(&registry)
    {
        setObjectName(QStringLiteral("InstrumentSubject"));
    }
    static InstrumentSubject* Of(const WindowRegistry& registry)
    {
        return static_cast<InstrumentSubject*>(registry.findChild<QObject*>(
            QStringLiteral("InstrumentSubject"), Qt::FindDirectChildrenOnly));
    }

    QString title;
    theory::Marking marking;
    bool chord = false;
    std::uint16_t searched = 0;
    bool set = false;
};

QString ScaleTitle(const frmScale& scale)
{
    return QStringLiteral("ScaleView: ")
        + ui::Utf8(theory::ScaleCopyText(scale.Root(), scale.Scale(), scale.Spelling()));
}

theory::Marking ChordMarking(const frmChord& chord)
{
    std::array<std::string, theory::kMatrixSlots> cells;
    for (int s = 0; s < theory::kMatrixSlots; ++s)
        cells[static_cast<std::size_t>(s)] = chord.NoteCell(s).toStdString();
    return theory::ChordMarking(chord.ChordRoot(), chord.Type(), cells);
}

// The instrument follows the window the user touched last; it loads showing what was last shown,
// else the scale window's scale.
void FollowOnInstrument(WindowRegistry& registry)
{
    new InstrumentSubject(registry);
    QObject::connect(&registry, &WindowRegistry::WindowLoaded, &registry, [&registry](WindowId id) {
        if (id == WindowId::Scale) {
            auto* scale = qobject_cast<frmScale*>(registry.Loaded(id));
            QObject::connect(scale, &frmScale::ScaleShown, scale, [&registry, scale] {
                ShowOnInstrument(registry, ScaleTitle(*scale),
                    theory::ScaleMarking(scale->Root(), scale->Scale(), scale->Spelling()), false);
            });
            QObject::connect(scale, &frmScale::InstrumentAsked, scale,
                [&registry] { registry.Show(WindowId::Instrument); });
        } else if (id == WindowId::Chord) {
            auto* chord = qobject_cast<frmChord*>(registry.Loaded(id));
            QObject::connect(chord, &frmChord::ChordShown, chord, [&registry, chord] {
                ShowOnInstrument(registry, QStringLiteral("VozuvIver: ") + chord->ChordName(),
                    ChordMarking(*chord), true);
            });
            QObject::connect(chord, &frmChord::InstrumentAsked, chord,
                [&registry] { registry.Show(WindowId::Instrument); });
        } else if (id == WindowId::Search) {
            auto* search = qobject_cast<DialogSarch*>(registry.Loaded(id));
            QObject::connect(
                search, &DialogSarch::HitShown, search, [&registry](std::uint16_t searched) {
                    const auto* chord = qobject_cast<frmChord*>(registry.Loaded(WindowId::Chord));
                    if (chord)
                        ShowOnInstrument(registry,
                            QStringLiteral("VozuvIver - Search: ") + chord->ChordName(),
                            ChordMarking(*chord), true, searched);
                });
        } else if (id == WindowId::Instrument) {
            auto* instrument = qobject_cast<frmInstrument*>(registry.Loaded(id));
            const InstrumentSubject* last = InstrumentSubject::Of(registry);
            if (last->set)
                instrument->Show(last->title, last->marking, last->chord, last->searched);
            else if (const auto* scale = qobject_cast<frmScale*>(registry.Loaded(WindowId::Scale)))
                instrument->Show(ScaleTitle(*scale),
                    theory::ScaleMarking(scale->Root(), scale->Scale(), scale->Spelling()), false);
            // With the search open, a click on a key or a string puts its note in a box.
            QObject::connect(
                instrument, &frmInstrument::NoteClicked, instrument, [&registry](int note) {
                    auto* search = qobject_cast<DialogSarch*>(registry.Loaded(WindowId::Search));
                    if (search && search->isVisible())
                        search->PutNote(note % 12);
                });
        }
    });
}

} // namespace

void ShowOnInstrument(WindowRegistry& registry, const QString& title,
    const theory::Marking& marking, bool chord, std::uint16_t searched)
{
    if (InstrumentSubject* last = InstrumentSubject::Of(registry)) {
        last->title = title;
        last->marking = marking;
        last->chord = chord;
        last->searched = searched;
        last->set = true;
    }
    if (auto* instrument = qobject_cast<frmInstrument*>(registry.Loaded(WindowId::Instrument)))
        instrument->Show(title, marking, chord, searched);
}

void RegisterWindows(WindowRegistry& registry, Player& player)
{
    FollowOnInstrument(registry);
    registry.Register(
        WindowId::Loading, [](WindowRegistry& r) { return new frmLoading(r.Main()); });
    registry.Register(WindowId::Author, [](WindowRegistry&) { return new frmAuthor; });
    registry.Register(WindowId::Key, [&player](WindowRegistry&) { return new frmKey(player); });
    registry.Register(WindowId::Scale, [&player](WindowRegistry& r) {
        auto* scale = new frmScale(player);
        scale->FollowChords([&r]() -> ChordInView {
            const auto* chord = qobject_cast<frmChord*>(r.Loaded(WindowId::Chord));
            if (!chord)
                return {};
            return { chord->ChordPitches(), chord->KeyScale() };
        });
        return scale;
    });
    registry.Register(
        WindowId::Chord, [&player](WindowRegistry& r) { return NewChordWindow(r, player); });
    registry.Register(WindowId::Search, [](WindowRegistry& r) { return NewSearchDialog(r); });
    registry.Register(WindowId::Matrix,
        [](WindowRegistry& r) { return new DialogChord(r.TouchAs<frmChord>(WindowId::Chord)); });
    registry.Register(WindowId::Memo, [](WindowRegistry&) { return new frmMemo; });
    registry.Register(WindowId::Reference, [](WindowRegistry&) { return new frmReference; });
    registry.Register(WindowId::Progression,
        [&player](WindowRegistry& r) { return NewProgressionWindow(r, player); });
    registry.Register(
        WindowId::Instrument, [&player](WindowRegistry&) { return new frmInstrument(player); });
}

namespace {

// What the held keys did since the last report: the chord shown is the one held when the last
// key went down, so letting go of keys one by one never changes it.
struct Hands {
    std::vector<int> before;
    std::optional<theory::HeldChord> recorded; // for the progression, until every key is up
};

void FollowHands(WindowRegistry& registry, Hands& hands, const std::vector<int>& held)
{
    const bool keyWentDown = std::any_of(held.begin(), held.end(), [&hands](int note) {
        return std::find(hands.before.begin(), hands.before.end(), note) == hands.before.end();
    });
    hands.before = held;
    auto* chord = qobject_cast<frmChord*>(registry.Loaded(WindowId::Chord));
    auto* search = qobject_cast<DialogSarch*>(registry.Loaded(WindowId::Search));
    auto* progression = qobject_cast<frmProgression*>(registry.Loaded(WindowId::Progression));
    std::uint16_t pitchClasses = 0;
    for (int note : held)
        pitchClasses |= static_cast<std::uint16_t>(1u << (note % 12));
    if (chord)
        chord->MarkHeld(pitchClasses);
    if (auto* instrument = qobject_cast<frmInstrument*>(registry.Loaded(WindowId::Instrument)))
        instrument->MarkHeld(held);
    if (progression && progression->Recording()) {
        if (keyWentDown)
            hands.recorded = theory::ReadHeldChord(held);
        if (held.empty() && hands.recorded) {
            const theory::HeldChord& read = *hands.recorded;
            progression->Append({ read.root, read.type,
                read.bass == read.root ? std::nullopt : std::optional(read.bass) });
            hands.recorded.reset();
        }
    }
    // Letting go of every key keeps the last chord until the next key goes down.
    if (held.empty())
        return;
    if (search && search->isVisible()) {
        search->SearchHeld(theory::SearchBoxNotes(held));
    } else if (chord && chord->isVisible() && keyWentDown) {
        if (const auto reading = theory::ReadHeldChord(held))
            chord->ShowHeldChord(*reading);
    }
}

} // namespace

void FollowKeyboard(WindowRegistry& registry, Midi& midi)
{
    auto hands = std::make_shared<Hands>();
    QObject::connect(&midi, &Midi::HeldChanged, &registry,
        [&registry, hands](const std::vector<int>& held) { FollowHands(registry, *hands, held); });
}
