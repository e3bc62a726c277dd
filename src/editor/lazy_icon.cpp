#include "editor/lazy_icon.h"

#include <memory>

#include <QIconEngine>
#include <QPixmap>

namespace orv::editor {

namespace {

// Forwards everything to the icon made on first use. QIcon's copies share one engine; a
// clone (made when a copy is changed) gets a state of its own.
class LazyIconEngine final : public QIconEngine {
public:
    struct Shared {
        std::function<QIcon()> make;
        QIcon icon;
        bool made = false;
    };

    explicit LazyIconEngine(std::shared_ptr<Shared> shared) : shared_(std::move(shared)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        // size is in device pixels; QIcon sets the pixmap's ratio afterwards.
        return icon().pixmap((QSizeF(size) / scale).toSize(), scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QString iconName() override { return icon().name(); }
    bool isNull() override { return shared_->made && shared_->icon.isNull(); }
    void addPixmap(const QPixmap& pixmap, QIcon::Mode mode, QIcon::State state) override
    {
        icon().addPixmap(pixmap, mode, state);
    }
    void addFile(const QString& file, const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        icon().addFile(file, size, mode, state);
    }
    QString key() const override { return QStringLiteral("OrvantoLazyIcon"); }
    QIconEngine* clone() const override { return new LazyIconEngine(std::make_shared<Shared>(*shared_)); }

private:
    QIcon& icon()
    {
        if (!shared_->made) {
            shared_->made = true;
            shared_->icon = shared_->make();
            shared_->make = nullptr;
        }
        return shared_->icon;
    }

    std::shared_ptr<Shared> shared_;
};

}  // namespace

QIcon lazyIcon(std::function<QIcon()> make)
{
    auto shared = std::make_shared<LazyIconEngine::Shared>();
    shared->make = std::move(make);
    return QIcon(new LazyIconEngine(std::move(shared)));
}

}  // namespace orv::editor
