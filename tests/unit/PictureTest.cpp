// The icon codec: the unit icons the game ships, the 32-bit icons the asset
// tool writes, and the classic palettised and 24-bit icons older tools wrote.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "forms/Picture.h"
#include "model/RaceCatalog.h"

namespace {

using forms::IconImage;
using Bytes = std::vector<std::uint8_t>;

const std::filesystem::path kAssets = ZARVOKAN_ASSETS_DIR;
const char* const kRaces[] = {"animalite", "alieni", "spaceni", "insecti"};

void put16(Bytes& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xff));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xff));
}

void put32(Bytes& out, std::uint32_t v) {
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

void set32(Bytes& out, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<std::uint8_t>((v >> (8 * i)) & 0xff);
}

// An .ico file around ready-made entries: the header, one directory record
// per entry, then the entries one after another.
Bytes iconFile(const std::vector<Bytes>& entries) {
    Bytes out;
    put16(out, 0);
    put16(out, 1);
    put16(out, static_cast<std::uint32_t>(entries.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
    for (const Bytes& entry : entries) {
        out.insert(out.end(), {16, 16, 0, 0});
        put16(out, 1);
        put16(out, 32);
        put32(out, static_cast<std::uint32_t>(entry.size()));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(entry.size());
    }
    for (const Bytes& entry : entries)
        out.insert(out.end(), entry.begin(), entry.end());
    return out;
}

// A DIB entry as classic icon editors wrote it, laid out byte by byte:
// BITMAPINFOHEADER, colour table, colour rows bottom-up and padded to four
// bytes, then the AND mask the same way (a set bit is a transparent pixel).
struct Classic {
    const char* name;
    int bits;
    int width;
    int height;
    std::vector<std::uint32_t> palette;  // 0x00RRGGBB; written as B, G, R, 0
    std::vector<std::uint32_t> pixels;   // top row first: indices, or 0x00RRGGBB from 24 bits up
    std::vector<int> transparent;        // AND mask, top row first, 1 = transparent
    std::uint32_t colorsUsed = 0;        // biClrUsed; 0 = the full table of the depth

    Bytes dib() const {
        Bytes out;
        put32(out, 40);
        put32(out, static_cast<std::uint32_t>(width));
        put32(out, static_cast<std::uint32_t>(height * 2));
        put16(out, 1);
        put16(out, static_cast<std::uint32_t>(bits));
        put32(out, 0);  // BI_RGB
        put32(out, 0);
        put32(out, 0);
        put32(out, 0);
        put32(out, colorsUsed);
        put32(out, 0);
        for (const std::uint32_t c : palette) {
            out.push_back(static_cast<std::uint8_t>(c & 0xff));
            out.push_back(static_cast<std::uint8_t>((c >> 8) & 0xff));
            out.push_back(static_cast<std::uint8_t>((c >> 16) & 0xff));
            out.push_back(0);
        }
        for (int y = height - 1; y >= 0; --y) {
            Bytes row;
            int used = 0;  // bits already used in the last byte
            for (int x = 0; x < width; ++x) {
                const std::uint32_t p = pixels[static_cast<std::size_t>(y * width + x)];
                if (bits == 24 || bits == 32) {
                    row.push_back(static_cast<std::uint8_t>(p & 0xff));
                    row.push_back(static_cast<std::uint8_t>((p >> 8) & 0xff));
                    row.push_back(static_cast<std::uint8_t>((p >> 16) & 0xff));
                    if (bits == 32) row.push_back(static_cast<std::uint8_t>(p >> 24));
                } else if (bits == 8) {
                    row.push_back(static_cast<std::uint8_t>(p));
                } else {  // 1 and 4 bits: the leftmost pixel in the highest bits
                    if (used == 0) row.push_back(0);
                    used += bits;
                    row.back() = static_cast<std::uint8_t>(row.back() | (p << (8 - used)));
                    if (used == 8) used = 0;
                }
            }
            while (row.size() % 4)
                row.push_back(0);
            out.insert(out.end(), row.begin(), row.end());
        }
        for (int y = height - 1; y >= 0; --y) {
            Bytes row(static_cast<std::size_t>((width + 31) / 32 * 4), 0);
            for (int x = 0; x < width; ++x)
                if (transparent[static_cast<std::size_t>(y * width + x)])
                    row[static_cast<std::size_t>(x / 8)] |=
                        static_cast<std::uint8_t>(0x80 >> (x % 8));
            out.insert(out.end(), row.begin(), row.end());
        }
        return out;
    }

    // What the decoder must make of it.
    std::vector<std::uint32_t> expected() const {
        std::vector<std::uint32_t> argb;
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            const std::uint32_t rgb = bits >= 24 ? pixels[i] & 0xffffff : palette[pixels[i]];
            argb.push_back(transparent[i] ? 0u : 0xff000000u | rgb);
        }
        return argb;
    }
};

std::vector<std::uint32_t> ramp(int count) {
    std::vector<std::uint32_t> palette;
    for (int i = 0; i < count; ++i) {
        const auto v = static_cast<std::uint32_t>(i);
        palette.push_back(((v * 37u) & 0xff) << 16 | ((v * 91u + 7) & 0xff) << 8 |
                          ((255 - v) & 0xff));
    }
    return palette;
}

// Each row differs from the others and no row reads the same both ways, so a
// flipped or mirrored image cannot pass.
const Classic kClassics[] = {
    {"1 bpp", 1, 3, 2, {0x102030, 0xe0c0a0}, {1, 0, 0, 0, 1, 1}, {0, 0, 1, 0, 0, 0}},
    {"1 bpp across a byte",
     1,
     10,
     2,
     {0x000000, 0xffffff},
     {1, 0, 1, 1, 0, 0, 0, 1, 0, 1, 0, 1, 0, 0, 1, 1, 1, 0, 1, 1},
     {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"4 bpp", 4, 3, 2, ramp(16), {1, 15, 7, 0, 9, 14}, {0, 1, 0, 0, 0, 0}},
    {"8 bpp", 8, 3, 2, ramp(256), {0, 200, 255, 17, 128, 64}, {0, 0, 0, 1, 0, 0}},
    {"8 bpp, short colour table", 8, 3, 2, ramp(3), {2, 0, 1, 1, 1, 0}, {0, 0, 0, 0, 0, 1}, 3},
    {"24 bpp",
     24,
     3,
     2,
     {},
     {0xff0000, 0x00ff00, 0x0000ff, 0x123456, 0xabcdef, 0x010203},
     {0, 0, 0, 0, 1, 0}},
    {"24 bpp with an optimisation colour table",
     24,
     3,
     2,
     ramp(2),
     {0xff0000, 0x00ff00, 0x0000ff, 0x123456, 0xabcdef, 0x010203},
     {1, 0, 0, 0, 0, 0},
     2},
    // 32-bit colour with every alpha byte zero: the AND mask is the transparency.
    {"32 bpp without alpha",
     32,
     3,
     2,
     {},
     {0x00ff8000, 0x000080ff, 0x00777777, 0, 0x00ffffff, 1},
     {0, 0, 1, 0, 0, 0}},
};

TEST(IconDecoder, ReadsClassicDepthsWithTheirMasks) {
    for (const Classic& c : kClassics) {
        SCOPED_TRACE(c.name);
        const auto images = forms::decodeIcon(iconFile({c.dib()}));
        ASSERT_TRUE(images.has_value());
        ASSERT_EQ(images->size(), 1u);
        EXPECT_EQ((*images)[0].width, c.width);
        EXPECT_EQ((*images)[0].height, c.height);
        EXPECT_EQ((*images)[0].argb, c.expected());
    }
}

TEST(IconDecoder, ReadsEveryEntryInDirectoryOrderAndSkipsPngEntries) {
    const Classic& small = kClassics[2];
    const Classic& large = kClassics[1];
    Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    png.resize(64, 0);

    const auto both = forms::decodeIcon(iconFile({large.dib(), png, small.dib()}));
    ASSERT_TRUE(both.has_value());
    ASSERT_EQ(both->size(), 2u);
    EXPECT_EQ((*both)[0].argb, large.expected());
    EXPECT_EQ((*both)[1].argb, small.expected());

    EXPECT_FALSE(forms::decodeIcon(iconFile({png})).has_value());
}

// A 32-bit entry with alpha that leaves out its AND mask, as some writers do.
TEST(IconDecoder, ReadsThirtyTwoBitEntriesWithoutMask) {
    struct Case {
        const char* name;
        std::vector<std::uint32_t> pixels;
        std::vector<std::uint32_t> expected;
    };
    const Case cases[] = {
        {"with alpha",
         {0x80ff0000, 0x00000000, 0xff00ff00, 0x40010203},
         {0x80ff0000, 0x00000000, 0xff00ff00, 0x40010203}},
        // No alpha and no mask: nothing says any pixel is transparent.
        {"without alpha",
         {0x00ff0000, 0x00000000, 0x0000ff00, 0x00010203},
         {0xffff0000, 0xff000000, 0xff00ff00, 0xff010203}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Classic image{c.name, 32, 2, 2, {}, c.pixels, {0, 0, 0, 0}};
        Bytes dib = image.dib();
        dib.resize(dib.size() - 8);  // the two rows of the mask
        const auto images = forms::decodeIcon(iconFile({dib}));
        ASSERT_TRUE(images.has_value());
        EXPECT_EQ((*images)[0].argb, c.expected);
    }
}

TEST(IconDecoder, RejectsDataThatIsNoReadableIcon) {
    const Bytes good = iconFile({kClassics[3].dib()});
    ASSERT_TRUE(forms::decodeIcon(good).has_value());
    const std::size_t dib = 6 + 16;  // where the only entry starts
    struct Case {
        const char* name;
        void (*spoil)(Bytes&, std::size_t dib);
    };
    const Case cases[] = {
        {"nothing", [](Bytes& d, std::size_t) { d.clear(); }},
        {"header only", [](Bytes& d, std::size_t) { d.resize(6); }},
        {"cursor file", [](Bytes& d, std::size_t) { d[2] = 2; }},
        {"no entries", [](Bytes& d, std::size_t) { d[4] = 0; }},
        {"directory cut short", [](Bytes& d, std::size_t) { d.resize(6 + 10); }},
        {"entry past the end",
         [](Bytes& d, std::size_t) { set32(d, 18, static_cast<std::uint32_t>(d.size())); }},
        {"entry longer than the file", [](Bytes& d, std::size_t) { set32(d, 14, 0x7fffffff); }},
        {"old OS/2 header", [](Bytes& d, std::size_t at) { set32(d, at, 12); }},
        {"header bigger than the entry", [](Bytes& d, std::size_t at) { set32(d, at, 100000); }},
        {"run-length compressed", [](Bytes& d, std::size_t at) { set32(d, at + 16, 1); }},
        {"16 bits per pixel", [](Bytes& d, std::size_t at) { d[at + 14] = 16; }},
        {"no width", [](Bytes& d, std::size_t at) { set32(d, at + 4, 0); }},
        {"top-down rows",
         [](Bytes& d, std::size_t at) { set32(d, at + 8, static_cast<std::uint32_t>(-4)); }},
        {"colour index past the table",
         [](Bytes& d, std::size_t) {
             const Classic shortTable{"", 8, 2, 1, ramp(2), {1, 2}, {0, 0}, 2};
             d = iconFile({shortTable.dib()});
         }},
        {"colour table over 256", [](Bytes& d, std::size_t at) { set32(d, at + 32, 257); }},
        {"garbage", [](Bytes& d, std::size_t) { d.assign(200, 0xab); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes data = good;
        c.spoil(data, dib);
        EXPECT_FALSE(forms::decodeIcon(data).has_value());
    }
}

// Cutting the file, or making the directory claim less than the entry needs,
// anywhere before its last byte leaves nothing readable (a palettised entry
// needs its mask); a 32-bit entry needs all of its colours.
TEST(IconDecoder, RejectsEveryTruncation) {
    const Bytes good = iconFile({kClassics[3].dib()});
    const std::size_t entrySize = good.size() - 22;
    for (std::size_t n = 0; n < good.size(); ++n) {
        SCOPED_TRACE("file cut to " + std::to_string(n) + " bytes");
        EXPECT_FALSE(forms::decodeIcon(Bytes(good.begin(), good.begin() + static_cast<long>(n)))
                         .has_value());
    }
    for (std::size_t n = 0; n < entrySize; ++n) {
        SCOPED_TRACE("entry said to be " + std::to_string(n) + " bytes");
        Bytes data = good;
        set32(data, 14, static_cast<std::uint32_t>(n));
        EXPECT_FALSE(forms::decodeIcon(data).has_value());
    }
    Bytes deep = forms::encodeIcon({IconImage{3, 2, {0xff010203, 0x80040506, 0, 1, 2, 3}}});
    const std::size_t colours = 40 + 3 * 2 * 4;
    for (std::size_t n = 0; n <= colours; ++n) {
        SCOPED_TRACE("32-bit entry said to be " + std::to_string(n) + " bytes");
        set32(deep, 14, static_cast<std::uint32_t>(n));
        EXPECT_EQ(forms::decodeIcon(deep).has_value(), n == colours);
    }
}

IconImage pattern(int width, int height, std::uint32_t seed) {
    IconImage image{width, height, {}};
    std::uint32_t s = seed;
    for (int i = 0; i < width * height; ++i) {
        s = s * 1664525u + 1013904223u;
        const std::uint32_t alpha = std::uint32_t{0xff00ff80} >> (8 * (s >> 30)) & 0xff;
        image.argb.push_back(alpha == 0 ? 0 : (alpha << 24) | (s >> 8 & 0xffffff));
    }
    return image;
}

TEST(IconEncoder, RoundTripKeepsEveryPixelAndAlpha) {
    struct Case {
        const char* name;
        std::vector<IconImage> images;
    };
    const Case cases[] = {
        {"the unit icon sizes", {pattern(16, 16, 1), pattern(32, 32, 2), pattern(48, 48, 3)}},
        {"rows not a multiple of 32 pixels", {pattern(17, 5, 4), pattern(33, 2, 5)}},
        {"one pixel", {pattern(1, 1, 6)}},
        {"256 pixels, stored as 0 in the directory", {pattern(256, 256, 7)}},
        {"fully opaque", {IconImage{2, 1, {0xff123456, 0xffabcdef}}}},
        {"fully transparent", {IconImage{3, 1, {0, 0, 0}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto decoded = forms::decodeIcon(forms::encodeIcon(c.images));
        ASSERT_TRUE(decoded.has_value());
        ASSERT_EQ(decoded->size(), c.images.size());
        for (std::size_t i = 0; i < c.images.size(); ++i) {
            EXPECT_EQ((*decoded)[i].width, c.images[i].width);
            EXPECT_EQ((*decoded)[i].height, c.images[i].height);
            EXPECT_EQ((*decoded)[i].argb, c.images[i].argb);
        }
    }
}

// Windows picks an entry by its directory record, so that has to describe it.
TEST(IconEncoder, DirectoryDescribesEachEntry) {
    const std::vector<IconImage> images = {pattern(16, 16, 1), pattern(48, 48, 2)};
    const Bytes data = forms::encodeIcon(images);
    auto at16 = [&](std::size_t i) { return data[i] | data[i + 1] << 8; };
    auto at32 = [&](std::size_t i) {
        return static_cast<std::size_t>(at16(i)) | static_cast<std::size_t>(at16(i + 2)) << 16;
    };
    std::size_t end = 6 + 16 * images.size();
    for (std::size_t i = 0; i < images.size(); ++i) {
        SCOPED_TRACE("entry " + std::to_string(i));
        const std::size_t record = 6 + 16 * i;
        const auto w = static_cast<std::size_t>(images[i].width);
        EXPECT_EQ(data[record], w);
        EXPECT_EQ(data[record + 1], w);
        EXPECT_EQ(at16(record + 4), 1);   // planes
        EXPECT_EQ(at16(record + 6), 32);  // bits per pixel
        EXPECT_EQ(at32(record + 8), 40 + w * w * 4 + (w + 31) / 32 * 4 * w);
        EXPECT_EQ(at32(record + 12), end);
        end += at32(record + 8);
    }
    EXPECT_EQ(end, data.size());
}

TEST(IconFile, MissingOrUnreadableFilesGiveNothing) {
    const auto dir = std::filesystem::temp_directory_path() / "zarvokan-picture-test";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "garbage.ico", std::ios::binary) << "not an icon at all";
    std::ofstream(dir / "empty.ico", std::ios::binary).flush();
    EXPECT_EQ(forms::loadIconFile(dir / "missing.ico", "missing.ico"), nullptr);
    EXPECT_EQ(forms::loadIconFile(dir / "garbage.ico", "garbage.ico"), nullptr);
    EXPECT_EQ(forms::loadIconFile(dir / "empty.ico", "empty.ico"), nullptr);
    EXPECT_EQ(forms::loadIconFile(dir, "a folder"), nullptr);
    std::filesystem::remove_all(dir);
}

// The icons under assets/Pictures, where the race catalogue points.
TEST(UnitIcons, EveryUnitHasItsOwnIconAtSixteenThirtyTwoAndFortyEight) {
    std::vector<forms::PicturePtr> icons;
    for (const char* race : kRaces) {
        for (int slot = 1; slot <= 5; ++slot) {
            const std::string relative = game::RaceCatalog::iconPath(race, slot);
            SCOPED_TRACE(relative);
            const auto picture = forms::loadIconFile(kAssets / relative, relative);
            ASSERT_NE(picture, nullptr);
            EXPECT_EQ(picture->path, relative);
            ASSERT_EQ(picture->images.size(), 3u);
            std::set<int> sizes;
            for (const IconImage& image : picture->images) {
                SCOPED_TRACE(std::to_string(image.width) + " px");
                EXPECT_EQ(image.width, image.height);
                sizes.insert(image.width);
                std::size_t opaque = 0, clear = 0;
                for (const std::uint32_t px : image.argb) {
                    opaque += (px >> 24) == 0xff;
                    clear += (px >> 24) == 0;
                }
                // A drawing on a transparent ground: neither a blank nor a filled square.
                EXPECT_GE(opaque * 10, image.argb.size());
                EXPECT_GE(clear * 10, image.argb.size());
            }
            EXPECT_EQ(sizes, (std::set<int>{16, 32, 48}));
            icons.push_back(picture);
        }
    }
    for (std::size_t a = 0; a < icons.size(); ++a)
        for (std::size_t b = a + 1; b < icons.size(); ++b)
            for (std::size_t i = 0; i < 3; ++i)
                EXPECT_NE(icons[a]->images[i].argb, icons[b]->images[i].argb)
                    << icons[a]->path << " and " << icons[b]->path << " share an image";
}

TEST(UnitIcons, EveryCatalogueUnitFindsItsIcon) {
    for (const game::RaceEntry& race : game::RaceCatalog::entries()) {
        for (const game::UnitEntry& unit : race.units) {
            SCOPED_TRACE(race.key + ": " + unit.name);
            EXPECT_NE(forms::loadIconFile(kAssets / unit.icon, unit.icon), nullptr);
        }
    }
}

}  // namespace
