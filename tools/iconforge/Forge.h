// iconforge: turns the drawings of assets/src into the files the game ships.
//
//   units/<race>/<n>.svg  ->  Pictures/<race>/<n>.ico   (16, 32 and 48 px)
//   title.svg             ->  ui/title.png              (480 px)
//   logo.svg              ->  ui/logo.png               (256 px)
//
// Everything is rendered the same way every time, so the outputs are the same
// bytes on every run and can be checked in beside their drawings.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "forms/Picture.h"

namespace iconforge {

inline constexpr std::array<int, 3> kIconSizes = {16, 32, 48};
inline constexpr int kTitleSize = 480;
inline constexpr int kLogoSize = 256;

// One output file and the drawing it comes from, both relative to their folders.
struct Product {
    enum class Kind { Icon, Png };
    QString source;  // e.g. "units/alieni/3.svg"
    QString output;  // e.g. "Pictures/alieni/3.ico"
    Kind kind = Kind::Icon;
    int size = 0;  // the PNG's edge; icons hold every size of kIconSizes
};

// Renders a square SVG drawing at `size` × `size` pixels with straight
// (not premultiplied) alpha. A null image when the file is missing, is no
// drawing Qt can read, or is not square; `error` then says why.
QImage renderSvg(const QString& file, int size, QString* error = nullptr);

forms::IconImage toIconImage(const QImage& image);
QImage toQImage(const forms::IconImage& image);

// The PNG encoding of an image with no text, time or gamma chunks and a fixed
// resolution, so that equal pixels give equal bytes.
QByteArray pngBytes(const QImage& image);

// The products of the drawings under `sourceDir`, in a fixed order. Unexpected
// files under units/ and missing title or logo drawings are errors.
std::vector<Product> plan(const QString& sourceDir, QStringList& errors);

// The bytes of one product.
QByteArray render(const QString& sourceDir, const Product& product, QStringList& errors);

// Renders every product and writes it under `outputDir`, creating folders as
// needed. False when anything failed (the reasons are in `errors`); Qt's
// complaints about a drawing count as failures. `written` receives the output
// paths relative to `outputDir`.
bool forge(const QString& sourceDir, const QString& outputDir, QStringList& errors,
           QStringList* written = nullptr);

// Contact sheets of what `forge` wrote into `outputDir`, read back from the
// written files: units-<race>.png, units-all.png and ui.png in `sheetDir`.
bool writeSheets(const QString& outputDir, const QString& sheetDir, QStringList& errors);

}  // namespace iconforge
