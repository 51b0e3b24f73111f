#include "shell/windows.h"

#include "key/frmKey.h"
#include "shell/frmAuthor.h"
#include "shell/frmLoading.h"
#include "shell/frmMain.h"
#include "shell/registry.h"

void RegisterWindows(WindowRegistry& registry)
{
    registry.Register(
        WindowId::Loading, [](WindowRegistry& r) { return new frmLoading(r.Main()); });
    registry.Register(WindowId::Author, [](WindowRegistry&) { return new frmAuthor; });
    registry.Register(WindowId::Key, [](WindowRegistry&) { return new frmKey; });
}
