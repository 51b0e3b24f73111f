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

void RegisterWindows(WindowRegistry& registry, Player& player)
{
    registry.Register(
        WindowId::Loading, [](WindowRegistry& r) { return new frmLoading(r.Main()); });
    registry.Register(WindowId::Author, [](WindowRegistry&) { return new frmAuthor; });
    registry.Register(WindowId::Key, [&player](WindowRegistry&) { return new frmKey(player); });
    registry.Register(WindowId::Scale, [&player](WindowRegistry&) { return new frmScale(player); });
    registry.Register(WindowId::Chord, [&player](WindowRegistry& r) { return new frmChord(r, player); });
    registry.Register(WindowId::Search, [](WindowRegistry& r) { return new DialogSarch(r); });
    registry.Register(WindowId::Matrix,
        [](WindowRegistry& r) { return new DialogChord(r.TouchAs<frmChord>(WindowId::Chord)); });
    registry.Register(WindowId::Memo, [](WindowRegistry&) { return new frmMemo; });
    registry.Register(WindowId::Reference, [](WindowRegistry&) { return new frmReference; });
}

void FollowKeyboard(WindowRegistry& registry, Midi& midi)
{
    QObject::connect(&midi, &Midi::HeldChanged, &registry, [&registry](const std::vector<int>& held) {
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
        } else if (chord && chord->isVisible()) {
            if (const auto reading = theory::ReadHeldChord(held))
                chord->ShowChord(reading->root, reading->type);
        }
    });
}
