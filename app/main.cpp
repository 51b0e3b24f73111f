#include "app/windows.h"
#include "shell/fontconfig_warmup.h"
#include "shell/fonts.h"
#include "shell/frmMain.h"
#include "shell/icons.h"
#include "shell/registry.h"
#include "shell/singlecopy.h"
#include "shell/style.h"
#include "sound/SoundDialog.h"
#include "sound/sound.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QTimer>

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

    Sound sound;
    WindowRegistry registry;
    RegisterWindows(registry, sound);
    frmMain launcher(registry);
    launcher.show();
    // The synthesizer loads once the launcher is up; a press before then loads it at once.
    QTimer::singleShot(300, &sound, &Sound::Start);

    // The launcher's context menu (right click, or the Menu key) keeps its nine buttons as they
    // are.
    QPointer<SoundDialog> soundDialog;
    auto* soundSettings = new QAction(QStringLiteral("音の設定…"), &launcher);
    QObject::connect(soundSettings, &QAction::triggered, &launcher, [&] {
        if (!soundDialog)
            soundDialog = new SoundDialog(sound, &launcher);
        soundDialog->show();
        soundDialog->raise();
        soundDialog->activateWindow();
    });
    launcher.addAction(soundSettings);
    launcher.setContextMenuPolicy(Qt::ActionsContextMenu);
    // Drawn once the launcher is up, not before the splash: every window, shown or hidden,
    // takes the icon from here.
    QApplication::setWindowIcon(ui::SvgIcon(QStringLiteral(":/pictures/icon.svg"), QSize(32, 32)));
    const int status = QApplication::exec();

    // Windows closed at shut-down are deleted once the event loop comes round; let it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
