// Contact sheets: every icon at each of its sizes, actual size and enlarged,
// on black and on the greys of ordinary windows, for judging the drawings.
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <algorithm>
#include <utility>

#include "Forge.h"

namespace iconforge {

namespace {

struct Unit {
    QString race;
    QString slot;
    std::vector<QImage> images;  // as kIconSizes
};

struct Cell {
    QImage image;
    int scale = 1;
    QColor background = Qt::black;
};

constexpr int kGap = 8;
constexpr int kLabel = 18;

QImage sizeOf(const forms::Picture& picture, int size) {
    for (const forms::IconImage& image : picture.images)
        if (image.width == size && image.height == size) return toQImage(image);
    return {};
}

// Reads the icons back from the written files.
std::vector<Unit> readUnits(const QString& outputDir, QStringList& errors) {
    std::vector<Unit> units;
    const QDir pictures(QDir(outputDir).filePath("Pictures"));
    for (const QString& race : pictures.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        QStringList files = QDir(pictures.filePath(race)).entryList({"*.ico"}, QDir::Files);
        std::sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
            return std::pair(a.size(), a) < std::pair(b.size(), b);
        });
        for (const QString& file : files) {
            const QString path = pictures.filePath(race + "/" + file);
            const auto picture = forms::loadIconFile(path.toStdString(), path.toStdString());
            if (!picture) {
                errors << path + ": does not decode";
                continue;
            }
            Unit unit{race, QFileInfo(file).baseName(), {}};
            for (const int size : kIconSizes) {
                unit.images.push_back(sizeOf(*picture, size));
                if (unit.images.back().isNull())
                    errors << path + ": no " + QString::number(size) + " px image";
            }
            units.push_back(std::move(unit));
        }
    }
    return units;
}

int cellsWidth(const std::vector<Cell>& cells) {
    int width = 0;
    for (const Cell& cell : cells)
        width += cell.image.width() * cell.scale + kGap;
    return width - kGap;
}

int cellsHeight(const std::vector<Cell>& cells) {
    int height = 0;
    for (const Cell& cell : cells)
        height = std::max(height, cell.image.height() * cell.scale);
    return height;
}

// Draws the cells side by side from (x, y), each on its background with a
// faint frame, enlarged pixel by pixel.
void drawCells(QPainter& painter, int x, int y, const std::vector<Cell>& cells) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (const Cell& cell : cells) {
        const QRect box(x, y, cell.image.width() * cell.scale, cell.image.height() * cell.scale);
        painter.setPen(QColor(60, 60, 60));
        painter.drawRect(box.adjusted(-1, -1, 0, 0));
        painter.fillRect(box, cell.background);
        painter.drawImage(box, cell.image);
        x += box.width() + kGap;
    }
}

bool save(const QImage& sheet, const QString& file, QStringList& errors) {
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(pngBytes(sheet)) <= 0) {
        errors << file + ": cannot write the sheet";
        return false;
    }
    return true;
}

bool raceSheet(const QString& race, const std::vector<Unit>& units, const QString& file,
               QStringList& errors) {
    const QColor grey(128, 128, 128), window(212, 208, 200);
    std::vector<std::vector<Cell>> rows;
    for (const Unit& unit : units) {
        if (unit.race != race) continue;
        std::vector<Cell> row;
        for (const QImage& image : unit.images)
            row.push_back({image, 1});
        for (const QImage& image : unit.images)
            row.push_back({image, 4});
        row.push_back({unit.images[1], 1, grey});
        row.push_back({unit.images[1], 1, window});
        row.push_back({unit.images[0], 1, window});
        rows.push_back(std::move(row));
    }
    int width = 0, height = kGap;
    for (const auto& row : rows) {
        width = std::max(width, cellsWidth(row) + 2 * kGap);
        height += kLabel + cellsHeight(row) + kGap;
    }
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    QPainter painter(&sheet);
    int y = kGap;
    std::size_t index = 0;
    for (const Unit& unit : units) {
        if (unit.race != race) continue;
        const auto& row = rows[index++];
        painter.setPen(Qt::white);
        painter.drawText(kGap, y + kLabel - 5, unit.race + "/" + unit.slot);
        drawCells(painter, kGap, y + kLabel, row);
        y += kLabel + cellsHeight(row) + kGap;
    }
    painter.end();
    return save(sheet, file, errors);
}

bool allSheet(const std::vector<Unit>& units, const QStringList& races, const QString& file,
              QStringList& errors) {
    auto cellsOf = [](const Unit& unit) {
        return std::vector<Cell>{
            {unit.images[0], 1}, {unit.images[1], 1}, {unit.images[2], 1}, {unit.images[1], 2}};
    };
    int columnWidth = 0, rowHeight = 0, rowsCount = 0;
    for (const Unit& unit : units) {
        columnWidth = std::max(columnWidth, cellsWidth(cellsOf(unit)));
        rowHeight = std::max(rowHeight, cellsHeight(cellsOf(unit)));
        rowsCount = std::max(rowsCount, unit.slot.toInt());
    }
    const auto columns = static_cast<int>(races.size());
    QImage sheet(kGap + columns * (columnWidth + 3 * kGap),
                 kGap + kLabel + rowsCount * (rowHeight + kGap), QImage::Format_RGB32);
    sheet.fill(Qt::black);
    QPainter painter(&sheet);
    painter.setPen(Qt::white);
    for (int c = 0; c < columns; ++c)
        painter.drawText(kGap + c * (columnWidth + 3 * kGap), kLabel - 5, races[c]);
    for (const Unit& unit : units) {
        const auto column = static_cast<int>(races.indexOf(unit.race));
        const int row = unit.slot.toInt() - 1;
        drawCells(painter, kGap + column * (columnWidth + 3 * kGap),
                  kGap + kLabel + row * (rowHeight + kGap), cellsOf(unit));
    }
    painter.end();
    return save(sheet, file, errors);
}

bool uiSheet(const QString& outputDir, const QString& file, QStringList& errors) {
    const QImage title(QDir(outputDir).filePath("ui/title.png"));
    const QImage logo(QDir(outputDir).filePath("ui/logo.png"));
    if (title.isNull() || logo.isNull()) {
        errors << outputDir + ": no ui/title.png or ui/logo.png to show";
        return false;
    }
    std::vector<Cell> cells{{title, 1}, {logo, 1}};
    for (const int size : {64, 32, 16})
        cells.push_back(
            {logo.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation), 1});
    cells.push_back({logo.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation), 1,
                     QColor(212, 208, 200)});
    QImage sheet(cellsWidth(cells) + 2 * kGap, cellsHeight(cells) + 2 * kGap, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    QPainter painter(&sheet);
    drawCells(painter, kGap, kGap, cells);
    painter.end();
    return save(sheet, file, errors);
}

}  // namespace

bool writeSheets(const QString& outputDir, const QString& sheetDir, QStringList& errors) {
    const std::size_t before = static_cast<std::size_t>(errors.size());
    const std::vector<Unit> units = readUnits(outputDir, errors);
    if (static_cast<std::size_t>(errors.size()) != before) return false;
    if (!QDir().mkpath(sheetDir)) {
        errors << sheetDir + ": cannot create the folder";
        return false;
    }
    QStringList races;
    for (const Unit& unit : units)
        if (!races.contains(unit.race)) races << unit.race;
    const QDir dir(sheetDir);
    for (const QString& race : races)
        raceSheet(race, units, dir.filePath("units-" + race + ".png"), errors);
    if (!units.empty()) allSheet(units, races, dir.filePath("units-all.png"), errors);
    uiSheet(outputDir, dir.filePath("ui.png"), errors);
    return static_cast<std::size_t>(errors.size()) == before;
}

}  // namespace iconforge
