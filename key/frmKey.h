// The key window ("RavAvud"): the key signature and names of a chosen key, its dominant and
// its subdominant, on the treble or bass clef.
#pragma once

#include "theory/keys.h"

#include "shell/toolwindow.h"

#include <QPixmap>
#include <QString>

#include <array>

class Player;
class PlayButton;
class QLabel;
class QScrollBar;

class frmKey : public ToolWindow {
    Q_OBJECT

public:
    // The load handler: builds the controls, starts at C major on the treble clef and puts
    // the window back where it was last closed. The window stays hidden.
    explicit frmKey(Player& player);

    // Shows key k with its dominant and subdominant, then sets both selectors to it; a
    // selector that moves runs its change handling, which finds the same key and stops.
    void ShowKey();
    void InitKeyNames();

    // Plays the tonic chord of the key name lblKDS(index) shows: 0 the main key, 1 its minor.
    void PlayKeyName(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Key index k by signature: 0 is seven sharps (top), 7 C major, 14 seven flats.
    QScrollBar* vsbUpDown;
    // Key by tonic name, C♭ at 0 up to C at 14 (KeyNames' chromatic position).
    QScrollBar* vsbCb;
    // 0 treble clef, 1 bass clef.
    QScrollBar* vsbClef;

    // Names of the main key (0 major, 1 minor), the dominant (2, 3) and the subdominant (4, 5).
    std::array<QLabel*, 6> lblKDS;
    QLabel* Label1; // "主調"
    QLabel* Label2; // "上属調"
    QLabel* Label3; // "下属調"
    QLabel* imgMainKey;
    QLabel* imgDominant;
    QLabel* imgSubdominant;
    PlayButton* cmdPlay; // plays the main key's tonic chord

    // The picture library, never shown: picture k has the signature of key index k. The first
    // show draws it all, so that no step of a dragged bar waits for drawing; loaded hidden at
    // start-up, the window draws nothing, and its three picture boxes stay empty until then.
    std::array<QPixmap, theory::kKeyCount> imgKeyG;
    std::array<QPixmap, theory::kKeyCount> imgKeyF;

    // The name table, one row per key index.
    struct KeyNameRow {
        QString major;
        QString minor;
        int chromatic;
    };
    std::array<KeyNameRow, theory::kKeyCount> KeyName;

    void CreateControls();
    // Picture k of the current clef, drawn now if it is not yet.
    const QPixmap& KeyPicture(int index);
    // Puts the pictures of key k, its dominant and subdominant into the three picture boxes.
    void ShowPictures();
    void RenderForScreen();

    void vsbUpDown_Change(int value);
    void vsbCb_Change(int value);
    void vsbClef_Change(int value);

    theory::KeyIndex k = theory::kKeyOfC;
    qreal picturesRatio_ = 0;
    bool shown_ = false;
    bool followsScreen_ = false;
    Player& player_;
};
