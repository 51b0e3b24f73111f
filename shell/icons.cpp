#include "shell/icons.h"

#include <QApplication>
#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <vector>

namespace ui {

QPixmap SvgPixmap(const QString& path, QSize size, qreal devicePixelRatio)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

namespace {

    // An icon that draws its SVG only when a size of it is first asked for, at exactly that size:
    // a window that is never shown costs no drawing, and each screen gets its own rendition.
    // It offers the 1x and 2x sizes, as an icon holding both renditions would.
    class SvgIconEngine : public QIconEngine {
    public:
        SvgIconEngine(QString path, QSize size)
            : path_(std::move(path))
            , size_(size)
        {
        }

        QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
        {
            for (const Rendition& rendition : renditions_) {
                if (rendition.size == size && rendition.mode == mode)
                    return rendition.pixmap;
            }
            QPixmap pixmap = SvgPixmap(path_, size, 1);
            if (mode != QIcon::Normal && !pixmap.isNull()) {
                // Greyed or highlighted as the style draws any other icon in that state.
                QStyleOption option;
                option.palette = QGuiApplication::palette();
                pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
            }
            renditions_.push_back({ size, mode, pixmap });
            return pixmap;
        }

        void paint(
            QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
        {
            const qreal ratio = painter->device()->devicePixelRatioF();
            QPixmap rendition = pixmap(rect.size() * ratio, mode, state);
            rendition.setDevicePixelRatio(ratio);
            painter->drawPixmap(rect, rendition);
        }

        QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
        {
            return { size_, size_ * 2 };
        }

        bool isNull() override { return !QFile::exists(path_); }

        QString key() const override { return QStringLiteral("RurizedSvgIcon"); }

        QIconEngine* clone() const override { return new SvgIconEngine(*this); }

    private:
        struct Rendition {
            QSize size;
            QIcon::Mode mode;
            QPixmap pixmap;
        };
        QString path_;
        QSize size_;
        std::vector<Rendition> renditions_;
    };

} // namespace

QIcon SvgIcon(const QString& path, QSize size) { return QIcon(new SvgIconEngine(path, size)); }

} // namespace ui
