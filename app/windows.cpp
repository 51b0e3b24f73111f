#include "app/windows.h"

#include "chord/DialogChord.h"
#include "chord/frmChord.h"
#include "key/frmKey.h"
#include "memo/frmMemo.h"
#include "midi/midi.h"
#include "progression/frmProgression.h"
#include "reference/frmReference.h"
#include "scale/frmScale.h"
#include "search/DialogSarch.h"
#include "shell/frmAuthor.h"
#include "shell/frmLoading.h"
#include "shell/registry.h"
#include "shell/toppos.h"
#include "theory/heldnotes.h"

#include <algorithm>
#include <memory>
#include <optional>

namespace {

// A chord the chord window or the search offers goes to the end of the progression, which shows.
void AddToProgression(WindowRegistry& registry, const theory::SongChord& offered)
{
    ShowWindow(registry, WindowId::Progression);
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
    return progression;
}

} // namespace

void RegisterWindows(WindowRegistry& registry, Player& player)
{
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
}

void ShowWindow(WindowRegistry& registry, WindowId id)
{
    QWidget* window = registry.Touch(id);
    if (!window)
        return;
    if (registry.WindowFlag())
        TopMostOn(window);
    window->show();
    window->raise();
    window->activateWindow();
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
