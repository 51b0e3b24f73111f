#include "chord/DialogChord.h"

#include "chord/frmChord.h"
#include "shell/controls.h"
#include "shell/fonts.h"
#include "shell/language.h"
#include "shell/units.h"
#include "theory/chords.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Slots 0..6 in the first row, 7..13 in the second, 14..18 in the third.
QRect FrameTwips(int slot) { return QRect(60 + 780 * (slot % 7), 600 * (slot / 7), 795, 615); }

} // namespace

DialogChord::DialogChord(frmChord* chord)
    : QDialog(chord,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , chord_(chord)
{
    setObjectName(QStringLiteral("DialogChord"));
    setWindowTitle(QStringLiteral("VozuvIver - Matrix"));
    setFixedSize(ui::Px(5565), ui::Px(1920));

    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    ui::Place(CancelButton, QStringLiteral("CancelButton"), QRect(4020, 1320, 675, 495));
    OKButton = new QPushButton(QStringLiteral("Enter"), this);
    ui::Place(OKButton, QStringLiteral("OKButton"), QRect(4800, 1320, 675, 495));
    OKButton->setDefault(true);

    for (int i = 0; i < theory::kMatrixSlots; ++i) {
        const theory::MatrixSlot& slot = theory::MatrixSlots[static_cast<std::size_t>(i)];
        const bool degree = slot.group == theory::SlotGroup::Degree;
        auto* frame = new QFrame(this);
        ui::Place(frame, QStringLiteral("Frame%1").arg(i), FrameTwips(i));
        ui::Paint(
            frame, degree ? ui::kDarkGreen : ui::kDarkPurple, degree ? ui::kYellow : ui::kPink);
        const std::string_view names[] = { slot.defaultName, slot.alternativeName };
        for (int element = 0; element < 2; ++element) {
            // Each frame is the parent of its own pair, so the 19 pairs choose independently.
            auto* option = new QRadioButton(rurized::Translated("Interval", names[element]), frame);
            // As wide as the frame allows, so that a three-character name ("減10") shows whole.
            ui::Place(option, ui::ArrayName(qPrintable(QStringLiteral("Option%1").arg(i)), element),
                QRect(60, 120 + 240 * element, 720, 255));
            option->setFont(ui::PGothicFont(9));
            Option[static_cast<std::size_t>(i)][static_cast<std::size_t>(element)] = option;
        }
        Frame[static_cast<std::size_t>(i)] = frame;
        // A caption that is neither name (a hand-edited settings value) opens on the lower option.
        const bool upper = chord_ && chord_->IntervalName(i) == ui::Utf8(slot.defaultName);
        Option[static_cast<std::size_t>(i)][upper ? 0 : 1]->setChecked(true);
    }
    QWidget::setTabOrder(CancelButton, OKButton);

    connect(OKButton, &QPushButton::clicked, this, &DialogChord::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::close);

    if (chord_)
        move(chord_->frameGeometry().center() - rect().center());
}

void DialogChord::OKButton_Click()
{
    if (chord_) {
        for (int i = 0; i < theory::kMatrixSlots; ++i) {
            const theory::MatrixSlot& slot = theory::MatrixSlots[static_cast<std::size_t>(i)];
            const bool upper = Option[static_cast<std::size_t>(i)][0]->isChecked();
            chord_->SetIntervalName(i, ui::Utf8(upper ? slot.defaultName : slot.alternativeName));
        }
    }
    close();
}
