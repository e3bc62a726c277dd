// Loading pictures for the gallery by Windows-form path.
#pragma once

#include <string>

#include <QImage>
#include <QSize>

namespace orv::companions {

// The picture scaled down (never up) to fit within box, keeping its proportions; a null
// image when the file cannot be read as a picture.
QImage loadScaledPicture(const std::string& file, const QSize& box);

// The whole picture; null when it cannot be read.
QImage loadPicture(const std::string& file);

}  // namespace orv::companions
