#include "app/playrouter.h"
#include "app/windows.h"
#include "engines/engines.h"
#include "midi/MidiDialog.h"
#include "midi/midi.h"
#include "shell/fontconfig_warmup.h"
#include "shell/fonts.h"
#include "shell/frmMain.h"
#include "shell/icons.h"
#include "shell/language.h"
#include "shell/registry.h"
#include "shell/singlecopy.h"
#include "shell/style.h"
#include "sound/SoundDialog.h"
#include "sound/sound.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QTimer>

#include <memory>

namespace {

// An entry of the launcher's context menu that opens a settings dialog, one at a time.
template <class Dialog, class Service>
void AddSettingsEntry(QWidget& launcher, const char* text, Service& service)
{
    auto* entry = new QAction(QString::fromUtf8(text), &launcher);
    auto dialog = std::make_shared<QPointer<Dialog>>();
    QObject::connect(entry, &QAction::triggered, &launcher, [&launcher, &service, dialog] {
        if (!*dialog)
            *dialog = new Dialog(service, &launcher);
        (*dialog)->show();
        (*dialog)->raise();
        (*dialog)->activateWindow();
    });
    launcher.addAction(entry);
}

} // namespace

int main(int argc, char* argv[])
{
    FontConfigWarmUp fonts;
    QApplication app(argc, argv);
    fonts.Wait();
    ui::SetProgramFonts();
    ui::SetProgramStyle();

    // A second copy ends here, before it reads or writes the settings file: its message is in
    // the desktop's language.
    rurized::InstallLanguage(rurized::DesktopLanguage());
    SingleCopy copy;
    if (!copy.Acquire()) {
        RefuseSecondCopy();
        return 0;
    }
    rurized::InstallChosenLanguage();

    Sound sound(engines::LoadSynth, QString::fromUtf8(engines::kSynthModule));
    Midi midi(engines::OpenPorts);
    PlayRouter player(sound, midi);
    WindowRegistry registry;
    RegisterWindows(registry, player);
    FollowKeyboard(registry, midi);
    frmMain launcher(registry);
    launcher.show();
    // The synthesizer and the MIDI ports open once the launcher is up; a press before then
    // loads the synthesizer at once.
    QTimer::singleShot(300, &sound, &Sound::Start);
    QTimer::singleShot(300, &midi, &Midi::Start);

    // The launcher's context menu (right click, or the Menu key) keeps its nine buttons as they
    // are.
    AddSettingsEntry<SoundDialog>(launcher, "音の設定…", sound);
    AddSettingsEntry<MidiDialog>(launcher, "MIDI の設定…", midi);
    auto* progression = new QAction(QStringLiteral("コード進行（Progression）"), &launcher);
    QObject::connect(progression, &QAction::triggered, &launcher,
        [&registry] { registry.Show(WindowId::Progression); });
    launcher.addAction(progression);
    auto* instrument = new QAction(QStringLiteral("鍵盤とネック（Instrument）"), &launcher);
    QObject::connect(instrument, &QAction::triggered, &launcher,
        [&registry] { registry.Show(WindowId::Instrument); });
    launcher.addAction(instrument);
    rurized::AddLanguageEntries(launcher);
    launcher.setContextMenuPolicy(Qt::ActionsContextMenu);
    // Drawn once the launcher is up, not before the splash: every window, shown or hidden,
    // takes the icon from here.
    QApplication::setWindowIcon(ui::SvgIcon(QStringLiteral(":/pictures/icon.svg"), QSize(32, 32)));
    const int status = QApplication::exec();

    // Windows closed at shut-down are deleted once the event loop comes round; let it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
