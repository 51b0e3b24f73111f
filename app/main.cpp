#include "app/windows.h"
#include "shell/fontconfig_warmup.h"
#include "shell/fonts.h"
#include "shell/frmMain.h"
#include "shell/icons.h"
#include "shell/registry.h"
#include "shell/singlecopy.h"
#include "shell/style.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    FontConfigWarmUp fonts;
    QApplication app(argc, argv);
    fonts.Wait();
    ui::SetProgramFonts();
    ui::SetProgramStyle();

    // A second copy ends here, before it reads or writes the settings file.
    SingleCopy copy;
    if (!copy.Acquire()) {
        RefuseSecondCopy();
        return 0;
    }

    WindowRegistry registry;
    RegisterWindows(registry);
    frmMain launcher(registry);
    launcher.show();
    // Drawn once the launcher is up, not before the splash: every window, shown or hidden,
    // takes the icon from here.
    QApplication::setWindowIcon(ui::SvgIcon(QStringLiteral(":/pictures/icon.svg"), QSize(32, 32)));
    const int status = QApplication::exec();

    // Windows closed at shut-down are deleted once the event loop comes round; let it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
