// Pictures of the game (decoded icon files) as Qt images.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>

#include "forms/Picture.h"

namespace front {

// One decoded icon image: 32-bit ARGB, top row first, as the game keeps it.
QImage toImage(const forms::IconImage& image);

// What an image control of `box` pixels shows of `picture`: the icon image
// closest to the box, scaled down when it is larger. Null for no picture.
QPixmap pixmapFor(const forms::PicturePtr& picture, QSize box);

}  // namespace front
