#include "shell/windows.h"

#include "memo/frmMemo.h"
#include "reference/frmReference.h"
#include "shell/frmAuthor.h"
#include "shell/frmLoading.h"
#include "shell/frmMain.h"
#include "shell/registry.h"

void RegisterWindows(WindowRegistry& registry)
{
    registry.Register(
        WindowId::Loading, [](WindowRegistry& r) { return new frmLoading(r.Main()); });
    registry.Register(WindowId::Author, [](WindowRegistry&) { return new frmAuthor; });
    registry.Register(WindowId::Memo, [](WindowRegistry&) { return new frmMemo; });
    registry.Register(WindowId::Reference, [](WindowRegistry&) { return new frmReference; });
}
