#include "sound/playbutton.h"

#include "shell/controls.h"
#include "shell/icons.h"
#include "shell/units.h"
#include "shell/player.h"

#include <QShortcut>

PlayButton::PlayButton(QWidget* parent, const QRect& twips, Player& player)
    : QPushButton(parent)
    , player_(player)
{
    ui::Place(this, QStringLiteral("cmdPlay"), twips);
    setIconSize(QSize(14, 14));
    ui::PaintButton(this, ui::kBlack);
    // Whichever control of the window holds the focus.
    auto* key = new QShortcut(QKeySequence(Qt::Key_P), parent, this, &QPushButton::click);
    key->setContext(Qt::WindowShortcut);
    connect(&player_, &Player::AvailabilityChanged, this, &PlayButton::ShowAvailability);
    ShowAvailability();
}

void PlayButton::ShowAvailability()
{
    const QString why = player_.WhyUnavailable();
    static const QIcon play = ui::SvgIcon(QStringLiteral(":/pictures/sound/play.svg"), QSize(14, 14));
    static const QIcon unavailable
        = ui::SvgIcon(QStringLiteral(":/pictures/sound/unavailable.svg"), QSize(14, 14));
    // Still pressable: a press is the next attempt to make sound come.
    setIcon(why.isEmpty() ? play : unavailable);
    setToolTip(why.isEmpty() ? tr("再生（P）") : why);
    setAccessibleDescription(toolTip());
}
