// The chord search ("Sarch"): every chord of the catalogue, on every root, that contains all
// the notes dragged into its five boxes.
#pragma once

#include <QPointer>
#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class WindowRegistry;
class frmChord;

class DialogSarch : public QWidget {
    Q_OBJECT

public:
    explicit DialogSarch(WindowRegistry& registry);

    // Steps the chord window through all 336 chords and lists those that hold every note of
    // the boxes: plain chords in lstSarch, chords with a tension in lstPass.
    void SearchChords();

    // Moves the chord window to the chord a list item names.
    void ShowResultChord(const QString& item);

    QPushButton* cmdCancel; // "Clear"
    std::array<QLabel*, 5> lblSarch;
    QPushButton* cmdFreeSarch; // "Start"
    QListWidget* lstSarch;
    QListWidget* lstPass;
    QLabel* lblChordHit;
    QLabel* lblTensionHit;
    QCheckBox* chkHighSpeed; // ticked: the chord window is not repainted between chords
    QLabel* Label3; // "NoRefresh"

    bool Searching() const { return searching_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void CreateControls();
    void Load();
    void SetControlsEnabled(bool enabled);
    bool Matches(const frmChord& chord) const;
    void ShakeDialog();

    void cmdCancel_Click();
    void lstSarch_Click();
    void lstPass_Click();
    void lblSarch_DragDrop(int box, const QString& note);

    WindowRegistry& registry_;
    bool searching_ = false;
    bool stopRequested_ = false;
};
