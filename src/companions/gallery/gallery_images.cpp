#include "companions/gallery/gallery_images.h"

#include <QImageReader>

#include "platform/file_system.h"
#include "platform/services.h"

namespace orv::companions {

namespace {
QString hostPath(const std::string& file)
{
    return QString::fromStdString(platform::services().files->hostPath(file).string());
}
}  // namespace

QImage loadScaledPicture(const std::string& file, const QSize& box)
{
    QImageReader reader(hostPath(file));
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (full.isValid() && (full.width() > box.width() || full.height() > box.height()))
        reader.setScaledSize(full.scaled(box, Qt::KeepAspectRatio));  // decodes at the small size
    QImage image = reader.read();
    if (!image.isNull() && (image.width() > box.width() || image.height() > box.height()))
        image = image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

QImage loadPicture(const std::string& file)
{
    QImageReader reader(hostPath(file));
    reader.setAutoTransform(true);
    return reader.read();
}

}  // namespace orv::companions
