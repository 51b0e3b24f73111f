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

void RegisterWindows(WindowRegistry& registry)
{
    registry.Register(
        WindowId::Loading, [](WindowRegistry& r) { return new frmLoading(r.Main()); });
    registry.Register(WindowId::Author, [](WindowRegistry&) { return new frmAuthor; });
    registry.Register(WindowId::Key, [](WindowRegistry&) { return new frmKey; });
    registry.Register(WindowId::Scale, [](WindowRegistry&) { return new frmScale; });
    registry.Register(WindowId::Chord, [](WindowRegistry& r) { return new frmChord(r); });
    registry.Register(WindowId::Search, [](WindowRegistry& r) { return new DialogSarch(r); });
    registry.Register(WindowId::Matrix,
        [](WindowRegistry& r) { return new DialogChord(r.TouchAs<frmChord>(WindowId::Chord)); });
    registry.Register(WindowId::Memo, [](WindowRegistry&) { return new frmMemo; });
    registry.Register(WindowId::Reference, [](WindowRegistry&) { return new frmReference; });
}
