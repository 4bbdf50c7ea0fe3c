#include "forms/Picture.h"

#include <fstream>
#include <ios>
#include <iterator>
#include <system_error>

namespace forms {

namespace {

std::uint32_t le16(const std::vector<std::uint8_t>& d, std::size_t at) {
    return static_cast<std::uint32_t>(d[at]) | (static_cast<std::uint32_t>(d[at + 1]) << 8);
}

std::uint32_t le32(const std::vector<std::uint8_t>& d, std::size_t at) {
    return le16(d, at) | (le16(d, at + 2) << 16);
}

void put16(std::vector<std::uint8_t>& d, std::uint32_t v) {
    d.push_back(static_cast<std::uint8_t>(v & 0xff));
    d.push_back(static_cast<std::uint8_t>((v >> 8) & 0xff));
}

void put32(std::vector<std::uint8_t>& d, std::uint32_t v) {
    put16(d, v & 0xffff);
    put16(d, v >> 16);
}

std::size_t rowBytes(std::size_t width, std::size_t bits) {
    return ((width * bits + 31) / 32) * 4;
}

// One DIB entry of an icon: header, palette, colour bits, AND mask.
std::optional<IconImage> decodeDib(const std::vector<std::uint8_t>& d, std::size_t at,
                                   std::size_t size) {
    if (size < 40 || at + size > d.size()) return std::nullopt;
    const std::size_t headerSize = le32(d, at);
    const auto width = static_cast<std::int32_t>(le32(d, at + 4));
    const auto doubledHeight = static_cast<std::int32_t>(le32(d, at + 8));
    const std::uint32_t bits = le16(d, at + 14);
    const std::uint32_t compression = le32(d, at + 16);
    std::uint32_t paletteSize = le32(d, at + 32);
    if (headerSize < 40 || headerSize > size || compression != 0) return std::nullopt;
    if (width <= 0 || width > 1024 || doubledHeight <= 0 || doubledHeight > 2048)
        return std::nullopt;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return std::nullopt;
    const auto w = static_cast<std::size_t>(width);
    const auto h = static_cast<std::size_t>(doubledHeight / 2);
    if (h == 0) return std::nullopt;
    // Palettised images without a count use the full table of their depth. From
    // 24 bits up a count names an optional table (a palette hint for 256-colour
    // screens) that sits between the header and the bits and is not used here.
    if (bits <= 8 && paletteSize == 0) paletteSize = 1u << bits;
    if (paletteSize > 256) return std::nullopt;

    const std::size_t paletteAt = at + headerSize;
    const std::size_t colourAt = paletteAt + paletteSize * 4;
    const std::size_t colourRow = rowBytes(w, bits);
    const std::size_t maskAt = colourAt + colourRow * h;
    const std::size_t maskRow = rowBytes(w, 1);
    const std::size_t end = at + size;
    if (maskAt > end) return std::nullopt;
    // Some writers leave out the AND mask of 32-bit images.
    const bool hasMask = maskAt + maskRow * h <= end;
    if (!hasMask && bits != 32) return std::nullopt;

    IconImage image;
    image.width = width;
    image.height = static_cast<int>(h);
    image.argb.assign(w * h, 0);
    bool anyAlpha = false;
    for (std::size_t y = 0; y < h; ++y) {
        const std::size_t row = colourAt + (h - 1 - y) * colourRow;  // stored bottom-up
        for (std::size_t x = 0; x < w; ++x) {
            std::uint32_t px = 0;
            if (bits == 32) {
                const std::size_t p = row + x * 4;
                px = (static_cast<std::uint32_t>(d[p + 3]) << 24) | (d[p + 2] << 16) |
                     (d[p + 1] << 8) | d[p];
                anyAlpha = anyAlpha || (px >> 24) != 0;
            } else if (bits == 24) {
                const std::size_t p = row + x * 3;
                px = 0xff000000u | (d[p + 2] << 16) | (d[p + 1] << 8) | d[p];
            } else {
                const std::size_t bitIndex = x * bits;
                const std::uint8_t byte = d[row + bitIndex / 8];
                const unsigned shift = 8 - bits - static_cast<unsigned>(bitIndex % 8);
                const std::uint32_t index = (byte >> shift) & ((1u << bits) - 1);
                if (index >= paletteSize) return std::nullopt;
                const std::size_t p = paletteAt + index * 4;
                px = 0xff000000u | (d[p + 2] << 16) | (d[p + 1] << 8) | d[p];
            }
            image.argb[y * w + x] = px;
        }
    }
    if (bits == 32 && !anyAlpha && !hasMask) {
        // Neither alpha nor a mask: nothing is transparent.
        for (std::uint32_t& px : image.argb)
            px |= 0xff000000u;
    } else if (hasMask && !(bits == 32 && anyAlpha)) {
        for (std::size_t y = 0; y < h; ++y) {
            const std::size_t row = maskAt + (h - 1 - y) * maskRow;
            for (std::size_t x = 0; x < w; ++x) {
                const bool transparent = (d[row + x / 8] >> (7 - x % 8)) & 1;
                std::uint32_t& px = image.argb[y * w + x];
                px = transparent ? 0u : (px | 0xff000000u);
            }
        }
    }
    return image;
}

}  // namespace

const IconImage& Picture::best(int size) const {
    const IconImage* chosen = &images.front();
    for (const IconImage& image : images) {
        const bool fits = image.width >= size;
        const bool chosenFits = chosen->width >= size;
        if ((fits && (!chosenFits || image.width < chosen->width)) ||
            (!fits && !chosenFits && image.width > chosen->width))
            chosen = &image;
    }
    return *chosen;
}

std::optional<std::vector<IconImage>> decodeIcon(const std::vector<std::uint8_t>& data) {
    if (data.size() < 6 || le16(data, 0) != 0 || le16(data, 2) != 1) return std::nullopt;
    const std::size_t count = le16(data, 4);
    if (count == 0 || data.size() < 6 + count * 16) return std::nullopt;
    std::vector<IconImage> images;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = 6 + i * 16;
        const std::size_t size = le32(data, entry + 8);
        const std::size_t offset = le32(data, entry + 12);
        if (offset >= data.size() || size > data.size() - offset) continue;
        if (size >= 8 && data[offset] == 0x89 && data[offset + 1] == 'P') continue;  // PNG entry
        if (auto image = decodeDib(data, offset, size)) images.push_back(std::move(*image));
    }
    if (images.empty()) return std::nullopt;
    return images;
}

PicturePtr loadIconFile(const std::filesystem::path& file, std::string relativePath) {
    // A folder opens like a file but fails (and throws) on the first read.
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return nullptr;
    std::vector<std::uint8_t> data;
    try {
        std::ifstream in(file, std::ios::binary);
        if (!in) return nullptr;
        data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::ios_base::failure&) {
        return nullptr;
    }
    auto images = decodeIcon(data);
    if (!images) return nullptr;
    auto picture = std::make_shared<Picture>();
    picture->path = std::move(relativePath);
    picture->images = std::move(*images);
    return picture;
}

std::vector<std::uint8_t> encodeIcon(const std::vector<IconImage>& images) {
    std::vector<std::uint8_t> out;
    put16(out, 0);
    put16(out, 1);
    put16(out, static_cast<std::uint32_t>(images.size()));
    std::vector<std::vector<std::uint8_t>> bodies;
    for (const IconImage& image : images) {
        const auto w = static_cast<std::size_t>(image.width);
        const auto h = static_cast<std::size_t>(image.height);
        const std::size_t maskRow = rowBytes(w, 1);
        std::vector<std::uint8_t> body;
        put32(body, 40);
        put32(body, static_cast<std::uint32_t>(w));
        put32(body, static_cast<std::uint32_t>(h * 2));
        put16(body, 1);
        put16(body, 32);
        put32(body, 0);
        put32(body, static_cast<std::uint32_t>(w * h * 4 + maskRow * h));
        for (int i = 0; i < 4; ++i)
            put32(body, 0);
        for (std::size_t y = h; y-- > 0;)
            for (std::size_t x = 0; x < w; ++x)
                put32(body, image.argb[y * w + x]);
        for (std::size_t y = h; y-- > 0;) {
            std::vector<std::uint8_t> row(maskRow, 0);
            for (std::size_t x = 0; x < w; ++x)
                if ((image.argb[y * w + x] >> 24) == 0) row[x / 8] |= 0x80 >> (x % 8);
            body.insert(body.end(), row.begin(), row.end());
        }
        bodies.push_back(std::move(body));
    }
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        out.push_back(static_cast<std::uint8_t>(images[i].width >= 256 ? 0 : images[i].width));
        out.push_back(static_cast<std::uint8_t>(images[i].height >= 256 ? 0 : images[i].height));
        out.push_back(0);
        out.push_back(0);
        put16(out, 1);
        put16(out, 32);
        put32(out, static_cast<std::uint32_t>(bodies[i].size()));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(bodies[i].size());
    }
    for (const auto& body : bodies)
        out.insert(out.end(), body.begin(), body.end());
    return out;
}

}  // namespace forms
