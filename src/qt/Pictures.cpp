#include "qt/Pictures.h"

#include <algorithm>
#include <cstring>

namespace front {

QImage toImage(const forms::IconImage& image) {
    if (image.width <= 0 || image.height <= 0) return {};
    const auto width = static_cast<std::size_t>(image.width);
    if (image.argb.size() < width * static_cast<std::size_t>(image.height)) return {};
    // Format_ARGB32 keeps each pixel as one 0xAARRGGBB word, as the icon does.
    QImage out(image.width, image.height, QImage::Format_ARGB32);
    for (int y = 0; y < image.height; ++y)
        std::memcpy(out.scanLine(y), image.argb.data() + static_cast<std::size_t>(y) * width,
                    width * sizeof(std::uint32_t));
    return out;
}

QPixmap pixmapFor(const forms::PicturePtr& picture, QSize box) {
    if (!picture || picture->images.empty()) return {};
    const int size = std::max(1, std::min(box.width(), box.height()));
    QImage image = toImage(picture->best(size));
    if (image.isNull()) return {};
    if (image.width() > box.width() || image.height() > box.height())
        image = image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return QPixmap::fromImage(image);
}

}  // namespace front
