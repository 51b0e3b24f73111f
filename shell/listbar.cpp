#include "shell/listbar.h"

#include <QComboBox>
#include <QScrollBar>
#include <QSignalBlocker>

void KeepInStep(QScrollBar* bar, QComboBox* list, std::function<void(int index)> changed)
{
    QObject::connect(bar, &QScrollBar::valueChanged, list, [list, changed](int index) {
        if (list->currentIndex() != index) {
            const QSignalBlocker quiet(list);
            list->setCurrentIndex(index);
        }
        changed(index);
    });
    QObject::connect(list, &QComboBox::currentIndexChanged, bar, [bar, changed](int index) {
        if (index < 0)
            return;
        if (bar->value() != index) {
            const QSignalBlocker quiet(bar);
            bar->setValue(index);
        }
        changed(index);
    });
}
