// The launcher bar: nine picture buttons that show and hide the tool windows, switch
// always-on-top, open help and the about window, and end the program.
#pragma once

#include "shell/registry.h"

#include <QWidget>

class QPushButton;

class frmMain : public QWidget {
    Q_OBJECT

public:
    // Loading the launcher starts the program: it reads its settings, shows the splash while it
    // loads the tool windows hidden, and applies the saved always-on-top state. The caller has
    // already refused a second copy, and shows the launcher afterwards.
    explicit frmMain(WindowRegistry& registry);

    // Closes every loaded window (each writes its own settings), saves the launcher's own
    // settings, closes help and ends the program. Runs for every request to close the launcher.
    void ShutDown();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Each flag says that the next click on its button hides its window. Only that button
    // changes it, so after its window was closed some other way, the next click loads the
    // window hidden and only the click after that shows it.
    bool ScaleFlag = false;
    bool KeyFlag = false;
    bool ChordFlag = false;
    bool MemoFlag = false;
    bool ReferenceFlag = false;

    QPushButton* cmdScale;
    QPushButton* cmdKey;
    QPushButton* cmdChord;
    QPushButton* cmdDialog;
    QPushButton* cmdMemo;
    QPushButton* cmdWindow;
    QPushButton* cmdHelp;
    QPushButton* cmdInfo;
    QPushButton* cmdClose;

    void CreateButtons();
    void Load();
    void Toggle(WindowId id, bool& flag);

    void cmdScale_Click();
    void cmdKey_Click();
    void cmdChord_Click();
    void cmdDialog_Click();
    void cmdMemo_Click();
    void cmdWindow_Click();
    void cmdHelp_Click();
    void cmdInfo_Click();
    void cmdClose_Click();

    WindowRegistry& registry_;
    bool shutDown_ = false;
};
