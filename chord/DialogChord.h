// The interval-name dialog: for each of the 19 matrix slots, which of its two interval names
// the chord window shows.
#pragma once

#include <QDialog>

#include <array>

class QFrame;
class QPushButton;
class QRadioButton;
class frmChord;

class DialogChord : public QDialog {
    Q_OBJECT

public:
    // Owned by the chord window and centred on it; chooses the option of every slot from the
    // chord window's captions as they are now.
    explicit DialogChord(frmChord* chord);

private:
    void OKButton_Click();

    // Frame i holds slot i's pair: Option[i][0] the default name, Option[i][1] the other one.
    std::array<QFrame*, 19> Frame;
    std::array<std::array<QRadioButton*, 2>, 19> Option;
    QPushButton* CancelButton;
    QPushButton* OKButton;

    frmChord* chord_;
};
