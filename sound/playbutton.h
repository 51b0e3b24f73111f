// A window's play button: a picture that shows whether a press can sound, a tooltip that says
// why not, and the key P anywhere in its window.
#pragma once

#include <QPushButton>

class Player;

class PlayButton : public QPushButton {
    Q_OBJECT

public:
    // Named "cmdPlay", at twips in parent, which is the window.
    PlayButton(QWidget* parent, const QRect& twips, Player& player);

private:
    void ShowAvailability();

    Player& player_;
};
