#include "app/windows.h"

#include "chord/DialogChord.h"
#include "chord/frmChord.h"
#include "key/frmKey.h"
#include "memo/frmMemo.h"
#include "reference/frmReference.h"
#include "scale/frmScale.h"
#include "search/DialogSarch.h"
#include "shell/frmAuthor.h"
#include "shell/frmLoading.h"
#include "shell/registry.h"

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
