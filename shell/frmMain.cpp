#include "shell/frmMain.h"

#include "settings/ini.h"
#include "shell/controls.h"
#include "shell/help.h"
#include "shell/icons.h"
#include "shell/toppos.h"
#include "shell/units.h"
#include "shell/wrwinpos.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QPushButton>

#include <optional>

namespace {

constexpr int kButtonTwips = 495;

struct LauncherButton {
    QPushButton* frmMain::*member;
    const char* name;
    const char* picture;
    const char* toolTip;
    void (frmMain::*click)();
};

} // namespace

frmMain::frmMain(WindowRegistry& registry)
    : registry_(registry)
{
    setWindowTitle(QStringLiteral("Rurized "));
    setObjectName(QStringLiteral("frmMain"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(ui::Px(4470), ui::Px(480));
    CreateButtons();
    Load();
}

void frmMain::CreateButtons()
{
    // Left to right as they stand; the tab order below puts the reference book last. The two
    // made-up names say in a few words, as the help does, what their windows are.
    const LauncherButton buttons[] = {
        { &frmMain::cmdScale, "cmdScale", "scale", "ScaleView", &frmMain::cmdScale_Click },
        { &frmMain::cmdKey, "cmdKey", "key", QT_TR_NOOP("RavAvud（調号と近親調）"),
            &frmMain::cmdKey_Click },
        { &frmMain::cmdChord, "cmdChord", "chord", QT_TR_NOOP("VozuvIver（コード表）"),
            &frmMain::cmdChord_Click },
        { &frmMain::cmdDialog, "cmdDialog", "reference", "ReferenceBook",
            &frmMain::cmdDialog_Click },
        { &frmMain::cmdMemo, "cmdMemo", "memo", "MemoPad", &frmMain::cmdMemo_Click },
        { &frmMain::cmdWindow, "cmdWindow", "topmost", QT_TR_NOOP("最前面表示／解除"),
            &frmMain::cmdWindow_Click },
        { &frmMain::cmdHelp, "cmdHelp", "help", QT_TR_NOOP("ヘルプ"), &frmMain::cmdHelp_Click },
        { &frmMain::cmdInfo, "cmdInfo", "info", QT_TR_NOOP("インフォメーション"),
            &frmMain::cmdInfo_Click },
        { &frmMain::cmdClose, "cmdClose", "close", QT_TR_NOOP("閉じる"), &frmMain::cmdClose_Click },
    };
    int left = 0;
    for (const LauncherButton& row : buttons) {
        auto* button = new QPushButton(this);
        ui::Place(button, row.name, QRect(left, 0, kButtonTwips, kButtonTwips));
        button->setIcon(ui::SvgIcon(
            QStringLiteral(":/pictures/launcher/%1.svg").arg(row.picture), QSize(28, 28)));
        button->setIconSize(QSize(28, 28));
        button->setToolTip(tr(row.toolTip));
        ui::PaintButton(button, 0x000000);
        connect(button, &QPushButton::clicked, this, row.click);
        this->*row.member = button;
        left += kButtonTwips;
    }
    QWidget::setTabOrder(cmdScale, cmdKey);
    QWidget::setTabOrder(cmdKey, cmdChord);
    QWidget::setTabOrder(cmdChord, cmdMemo);
    QWidget::setTabOrder(cmdMemo, cmdWindow);
    QWidget::setTabOrder(cmdWindow, cmdHelp);
    QWidget::setTabOrder(cmdHelp, cmdInfo);
    QWidget::setTabOrder(cmdInfo, cmdClose);
    QWidget::setTabOrder(cmdClose, cmdDialog);
}

void frmMain::Load()
{
    registry_.SetMain(this);

    registry_.SetWindowFlag(false);
    if (auto flag = ini::ToBoolean(ini::ReadIni("Main", "WindowFlag")))
        registry_.SetWindowFlag(*flag);

    std::int32_t top = 585;
    std::int32_t left = 975;
    ReadWinPos("Main", this, top, left);

    // The splash paints once before the slower loading of the tool windows.
    if (QWidget* splash = registry_.Touch(WindowId::Loading))
        splash->show();
    QCoreApplication::processEvents();

    // The scale window loads the chord window for its pictures, so the chord window is
    // usually loaded already when its turn comes.
    for (WindowId id : { WindowId::Key, WindowId::Scale, WindowId::Chord, WindowId::Memo }) {
        if (QWidget* window = registry_.Touch(id))
            window->hide();
    }
    registry_.Close(WindowId::Loading);

    if (registry_.WindowFlag()) {
        for (WindowId id : { WindowId::Key, WindowId::Scale, WindowId::Chord, WindowId::Memo })
            TopMostOn(registry_.Touch(id));
        TopMostOn(this);
        TopMostOn(registry_.Touch(WindowId::Reference));
    }
}

void frmMain::Toggle(WindowId id, bool& flag)
{
    QWidget* window = registry_.Touch(id);
    if (!window)
        return;
    if (flag) {
        window->hide();
        if (id == WindowId::Chord) {
            if (QWidget* search = registry_.Touch(WindowId::Search))
                search->hide();
        }
    } else {
        window->show();
    }
    flag = !flag;
}

void frmMain::cmdScale_Click() { Toggle(WindowId::Scale, ScaleFlag); }

void frmMain::cmdKey_Click() { Toggle(WindowId::Key, KeyFlag); }

void frmMain::cmdChord_Click() { Toggle(WindowId::Chord, ChordFlag); }

void frmMain::cmdDialog_Click() { Toggle(WindowId::Reference, ReferenceFlag); }

void frmMain::cmdMemo_Click() { Toggle(WindowId::Memo, MemoFlag); }

void frmMain::cmdWindow_Click()
{
    // The launcher itself stands third in the list; nullopt marks its place.
    const std::optional<WindowId> order[] = { WindowId::Key, WindowId::Scale, std::nullopt,
        WindowId::Chord, WindowId::Memo, WindowId::Reference, WindowId::Matrix, WindowId::Search };
    for (const std::optional<WindowId>& id : order) {
        QWidget* window = id ? registry_.Touch(*id) : this;
        if (registry_.WindowFlag())
            TopMostOff(window);
        else
            TopMostOn(window);
    }
    // The windows that load on first use follow when they are loaded, and as they open.
    for (WindowId id : { WindowId::Progression, WindowId::Instrument }) {
        if (QWidget* window = registry_.Loaded(id); window && registry_.WindowFlag())
            TopMostOff(window);
        else if (window)
            TopMostOn(window);
    }
    registry_.SetWindowFlag(!registry_.WindowFlag());
}

void frmMain::cmdHelp_Click() { ShowHelp(this); }

void frmMain::cmdInfo_Click()
{
    auto* about = qobject_cast<QDialog*>(registry_.Touch(WindowId::Author));
    if (!about)
        return;
    if (registry_.WindowFlag())
        TopMostOn(about);
    about->exec();
}

void frmMain::cmdClose_Click() { close(); }

void frmMain::closeEvent(QCloseEvent* event)
{
    ShutDown();
    event->accept();
}

void frmMain::ShutDown()
{
    if (shutDown_)
        return;
    shutDown_ = true;
    for (WindowId id :
        { WindowId::Scale, WindowId::Key, WindowId::Chord, WindowId::Memo, WindowId::Reference,
            WindowId::Loading, WindowId::Author, WindowId::Search, WindowId::Matrix,
            WindowId::Progression, WindowId::Instrument })
        registry_.Close(id);
    WriteWinPos("Main", this);
    ini::WriteIni("Main", "WindowFlag", registry_.WindowFlag() ? "True" : "False");
    CloseHelp(this);
    QCoreApplication::quit();
}
