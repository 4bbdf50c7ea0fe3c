#include "Forge.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QtGlobal>
#include <algorithm>
#include <utility>

namespace iconforge {

namespace {

// Qt reports drawings it cannot fully understand (unknown elements, broken
// references) as warnings and renders what it can; while one of these is
// alive such warnings are collected instead, so a bad drawing fails the run.
class CollectWarnings {
  public:
    explicit CollectWarnings(QStringList& sink) : previous_(qInstallMessageHandler(&collect)) {
        sink_ = &sink;
    }
    ~CollectWarnings() {
        qInstallMessageHandler(previous_);
        sink_ = nullptr;
    }
    CollectWarnings(const CollectWarnings&) = delete;
    CollectWarnings& operator=(const CollectWarnings&) = delete;

  private:
    static void collect(QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (sink_ && type != QtDebugMsg && type != QtInfoMsg) sink_->append(message);
    }
    static inline QStringList* sink_ = nullptr;
    QtMessageHandler previous_;
};

// 96 dots per inch, written into every PNG so that the bytes never depend on
// the screen the tool happens to run with.
constexpr int kDotsPerMeter = 3780;

bool opaque(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(row[x]) != 255) return false;
    }
    return true;
}

}  // namespace

QImage renderSvg(const QString& file, int size, QString* error) {
    auto fail = [&](QString why) {
        if (error) *error = file + ": " + std::move(why);
        return QImage();
    };
    if (!QFileInfo(file).isFile()) return fail("no such file");
    QSvgRenderer renderer(file);
    if (!renderer.isValid()) return fail("not a drawing Qt can read");
    const QRectF box = renderer.viewBoxF();
    if (box.isEmpty() || box.width() != box.height()) return fail("the view box is not square");
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

forms::IconImage toIconImage(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    forms::IconImage icon;
    icon.width = image.width();
    icon.height = image.height();
    icon.argb.reserve(static_cast<std::size_t>(icon.width) * static_cast<std::size_t>(icon.height));
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        icon.argb.insert(icon.argb.end(), row, row + image.width());
    }
    return icon;
}

QImage toQImage(const forms::IconImage& icon) {
    QImage image(icon.width, icon.height, QImage::Format_ARGB32);
    for (int y = 0; y < icon.height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < icon.width; ++x)
            row[x] = icon.argb[static_cast<std::size_t>(y) * static_cast<std::size_t>(icon.width) +
                               static_cast<std::size_t>(x)];
    }
    return image;
}

QByteArray pngBytes(const QImage& source) {
    // A copy without any text the image might carry; fully opaque pictures
    // are stored without an alpha channel.
    QImage image = opaque(source) ? source.convertToFormat(QImage::Format_RGB32)
                                  : source.convertToFormat(QImage::Format_ARGB32);
    for (const QString& key : image.textKeys())
        image.setText(key, QString());
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) return {};
    return bytes;
}

std::vector<Product> plan(const QString& sourceDir, QStringList& errors) {
    std::vector<Product> products;
    const QDir root(sourceDir);
    if (!root.exists()) {
        errors << sourceDir + ": no such folder";
        return products;
    }
    static const QRegularExpression raceName("^[a-z]+$");
    static const QRegularExpression unitName("^([1-9][0-9]*)\\.svg$");
    const auto everything = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden;

    for (const QString& entry : root.entryList(everything, QDir::Name)) {
        if (entry != "units" && entry != "title.svg" && entry != "logo.svg")
            errors << root.filePath(entry) + ": unexpected file";
    }
    const QDir units(root.filePath("units"));
    if (!units.exists()) errors << units.path() + ": no such folder";
    for (const QString& race : units.entryList(everything, QDir::Name)) {
        const QFileInfo raceInfo(units.filePath(race));
        if (!raceInfo.isDir() || !raceName.match(race).hasMatch()) {
            errors << raceInfo.filePath() + ": expected a folder named by a race key";
            continue;
        }
        const QDir raceDir(raceInfo.filePath());
        QStringList files = raceDir.entryList(everything);
        // 1, 2, ... 10 rather than 1, 10, 2.
        std::sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
            return std::pair(a.size(), a) < std::pair(b.size(), b);
        });
        if (files.isEmpty()) errors << raceDir.path() + ": no drawings";
        for (const QString& file : files) {
            const auto match = unitName.match(file);
            if (!match.hasMatch() || !QFileInfo(raceDir.filePath(file)).isFile()) {
                errors << raceDir.filePath(file) + ": expected <slot>.svg";
                continue;
            }
            products.push_back({"units/" + race + "/" + file,
                                "Pictures/" + race + "/" + match.captured(1) + ".ico",
                                Product::Kind::Icon, 0});
        }
    }
    products.push_back({"title.svg", "ui/title.png", Product::Kind::Png, kTitleSize});
    products.push_back({"logo.svg", "ui/logo.png", Product::Kind::Png, kLogoSize});
    return products;
}

QByteArray render(const QString& sourceDir, const Product& product, QStringList& errors) {
    const QString file = QDir(sourceDir).filePath(product.source);
    QStringList warnings;
    QByteArray bytes;
    {
        const CollectWarnings collect(warnings);
        QString error;
        if (product.kind == Product::Kind::Icon) {
            std::vector<forms::IconImage> images;
            for (const int size : kIconSizes) {
                const QImage image = renderSvg(file, size, &error);
                if (image.isNull()) break;
                images.push_back(toIconImage(image));
            }
            if (images.size() == kIconSizes.size()) {
                const std::vector<std::uint8_t> icon = forms::encodeIcon(images);
                bytes = QByteArray(reinterpret_cast<const char*>(icon.data()),
                                   static_cast<qsizetype>(icon.size()));
            }
        } else {
            const QImage image = renderSvg(file, product.size, &error);
            if (!image.isNull()) bytes = pngBytes(image);
            if (!image.isNull() && bytes.isEmpty()) error = file + ": could not encode the PNG";
        }
        if (!error.isEmpty()) errors << error;
    }
    warnings.removeDuplicates();  // the same complaint for every size
    for (const QString& warning : warnings)
        errors << file + ": " + warning;
    if (!warnings.isEmpty()) return {};
    return bytes;
}

bool forge(const QString& sourceDir, const QString& outputDir, QStringList& errors,
           QStringList* written) {
    const std::size_t before = static_cast<std::size_t>(errors.size());
    const std::vector<Product> products = plan(sourceDir, errors);
    if (static_cast<std::size_t>(errors.size()) != before) return false;
    const QDir out(outputDir);
    for (const Product& product : products) {
        const QByteArray bytes = render(sourceDir, product, errors);
        if (bytes.isEmpty()) continue;
        const QString target = out.filePath(product.output);
        if (!QDir().mkpath(QFileInfo(target).path())) {
            errors << QFileInfo(target).path() + ": cannot create the folder";
            continue;
        }
        QSaveFile file(target);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
            !file.commit()) {
            errors << target + ": " + file.errorString();
            continue;
        }
        if (written) written->append(product.output);
    }
    return static_cast<std::size_t>(errors.size()) == before;
}

}  // namespace iconforge
