#include "shell/style.h"

#include "shell/units.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

namespace ui {

namespace {

    // The platform's focus outline is dark blue, all but invisible on the black launcher and
    // the textured windows; every control here shows its focus in a colour that reads on its
    // own face instead: yellow on dark, navy on light.
    class ProgramStyle final : public QProxyStyle {
    public:
        void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
            const QWidget* widget) const override
        {
            if (element == PE_FrameFocusRect) {
                FocusMark(painter, option->rect, option->palette.color(QPalette::Button), 1);
                return;
            }
            QProxyStyle::drawPrimitive(element, option, painter, widget);
        }

        void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
            const QWidget* widget) const override
        {
            if (element != CE_PushButton || !(option->state & State_HasFocus)) {
                QProxyStyle::drawControl(element, option, painter, widget);
                return;
            }
            const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
            QStyleOptionButton unfocused = *button;
            unfocused.state &= ~State_HasFocus;
            QProxyStyle::drawControl(element, &unfocused, painter, widget);
            FocusMark(painter, option->rect.adjusted(2, 2, -2, -2),
                option->palette.color(QPalette::Button), 1);
        }

        void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
            QPainter* painter, const QWidget* widget) const override
        {
            if (control == CC_ScrollBar) {
                QStyleOptionSlider bar = *qstyleoption_cast<const QStyleOptionSlider*>(option);
                const bool focused = bar.state & State_HasFocus;
                bar.state &= ~State_HasFocus;
                QProxyStyle::drawComplexControl(control, &bar, painter, widget);
                // The thumb in the navy of an unlit note cell on the pale groove, so the root's
                // place reads at a glance.
                const QRect thumb = subControlRect(control, &bar, SC_ScrollBarSlider, widget);
                if (thumb.isValid() && (bar.state & State_Enabled)) {
                    painter->save();
                    painter->setPen(Color(kWhite));
                    painter->setBrush(Color(kNavy));
                    painter->drawRect(thumb.adjusted(1, 1, -2, -2));
                    painter->restore();
                }
                if (focused)
                    FocusMark(painter, bar.rect, Color(kBlack), 2);
                return;
            }
            if (control == CC_ComboBox && (option->state & State_HasFocus)) {
                QStyleOptionComboBox list = *qstyleoption_cast<const QStyleOptionComboBox*>(option);
                list.state &= ~State_HasFocus;
                QProxyStyle::drawComplexControl(control, &list, painter, widget);
                FocusMark(painter, list.rect, Color(kBlack), 2);
                return;
            }
            QProxyStyle::drawComplexControl(control, option, painter, widget);
        }

    private:
        // A solid frame of the given width just inside rect, yellow where the face beneath is
        // dark, navy where it is light.
        static void FocusMark(QPainter* painter, const QRect& rect, const QColor& face, int width)
        {
            painter->save();
            painter->setRenderHint(QPainter::Antialiasing, false);
            painter->setPen(Qt::NoPen);
            painter->setBrush(face.lightness() < 128 ? Color(kYellow) : Color(kNavy));
            const QRect inner = rect.adjusted(width, width, -width, -width);
            painter->drawRect(QRect(rect.left(), rect.top(), rect.width(), width));
            painter->drawRect(QRect(rect.left(), inner.bottom() + 1, rect.width(), width));
            painter->drawRect(QRect(rect.left(), inner.top(), width, inner.height()));
            painter->drawRect(QRect(inner.right() + 1, inner.top(), width, inner.height()));
            painter->restore();
        }
    };

} // namespace

void SetProgramStyle() { QApplication::setStyle(new ProgramStyle); }

} // namespace ui
