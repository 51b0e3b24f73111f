#include "shell/spellingbutton.h"

#include "settings/ini.h"
#include "shell/controls.h"
#include "shell/icons.h"
#include "shell/units.h"

#include <array>
#include <string>

namespace {

QIcon Picture(theory::SpellingMode mode)
{
    static const std::array<QIcon, 4> pictures {
        ui::SvgIcon(QStringLiteral(":/pictures/spelling/mixed.svg"), QSize(14, 14)),
        ui::SvgIcon(QStringLiteral(":/pictures/spelling/sharp.svg"), QSize(14, 14)),
        ui::SvgIcon(QStringLiteral(":/pictures/spelling/flat.svg"), QSize(14, 14)),
        ui::SvgIcon(QStringLiteral(":/pictures/spelling/bykey.svg"), QSize(14, 14)),
    };
    return pictures[static_cast<std::size_t>(mode)];
}

} // namespace

SpellingButton::SpellingButton(QWidget* parent, const QRect& twips, theory::SpellingMode mode)
    : QPushButton(parent)
    , mode_(mode)
{
    ui::Place(this, QStringLiteral("cmdOption"), twips);
    setIconSize(QSize(14, 14));
    setToolTip(tr("音名の表記（混合／シャープ／フラット／調号）"));
    ui::PaintButton(this, ui::kBlack);
    Show(mode);
    connect(this, &QPushButton::clicked, this, [this] {
        Show(theory::NextSpellingMode(mode_));
        emit ModeChanged(mode_);
    });
}

void SpellingButton::Load(std::string_view section, theory::SpellingMode fallback)
{
    theory::SpellingMode mode = fallback;
    if (auto stored = ini::ToLong(ini::ReadIni(section, "Cromatic"));
        stored && theory::IsSpellingMode(theory::SpellingMode { *stored }))
        mode = theory::SpellingMode { *stored };
    Show(mode);
}

void SpellingButton::Save(std::string_view section) const
{
    ini::WriteIni(section, "Cromatic", std::to_string(static_cast<int>(mode_)));
}

void SpellingButton::Show(theory::SpellingMode mode)
{
    mode_ = mode;
    setIcon(Picture(mode));
}
