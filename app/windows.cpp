#include "app/windows.h"

#include "chord/DialogChord.h"
#include "chord/frmChord.h"
#include "key/frmKey.h"
#include "memo/frmMemo.h"
#include "midi/midi.h"
#include "reference/frmReference.h"
#include "scale/frmScale.h"
#include "search/DialogSarch.h"
#include "shell/frmAuthor.h"
#include "shell/frmLoading.h"
#include "shell/registry.h"
#include "theory/heldnotes.h"

#include <algorithm>
#include <memory>

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
        WindowId::Chord, [&player](WindowRegistry& r) { return new frmChord(r, player); });
    registry.Register(WindowId::Search, [](WindowRegistry& r) { return new DialogSarch(r); });
    registry.Register(WindowId::Matrix,
        [](WindowRegistry& r) { return new DialogChord(r.TouchAs<frmChord>(WindowId::Chord)); });
    registry.Register(WindowId::Memo, [](WindowRegistry&) { return new frmMemo; });
    registry.Register(WindowId::Reference, [](WindowRegistry&) { return new frmReference; });
}

void FollowKeyboard(WindowRegistry& registry, Midi& midi)
{
    // The chord shown is the one held when the last key went down: letting go of keys one by
    // one never changes it.
    auto before = std::make_shared<std::vector<int>>();
    QObject::connect(
        &midi, &Midi::HeldChanged, &registry, [&registry, before](const std::vector<int>& held) {
            const bool keyWentDown = std::any_of(held.begin(), held.end(), [&before](int note) {
                return std::find(before->begin(), before->end(), note) == before->end();
            });
            *before = held;
            auto* chord = qobject_cast<frmChord*>(registry.Loaded(WindowId::Chord));
            auto* search = qobject_cast<DialogSarch*>(registry.Loaded(WindowId::Search));
            std::uint16_t pitchClasses = 0;
            for (int note : held)
                pitchClasses |= static_cast<std::uint16_t>(1u << (note % 12));
            if (chord)
                chord->MarkHeld(pitchClasses);
            // Letting go of every key keeps the last chord until the next key goes down.
            if (held.empty())
                return;
            if (search && search->isVisible()) {
                search->SearchHeld(theory::SearchBoxNotes(held));
            } else if (chord && chord->isVisible() && keyWentDown) {
                if (const auto reading = theory::ReadHeldChord(held))
                    chord->ShowHeldChord(*reading);
            }
        });
}
