// A picture loaded from a Windows icon file: every image the file holds,
// decoded to 32-bit ARGB, and the file it came from.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace forms {

struct IconImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;  // row by row from the top, 0xAARRGGBB
};

struct Picture {
    // The file's path relative to the program's folder, with '/' separators.
    std::string path;
    std::vector<IconImage> images;  // in the order of the file's directory

    // The image closest to `size` pixels (the smallest one not below it, else the largest).
    const IconImage& best(int size) const;
};

using PicturePtr = std::shared_ptr<const Picture>;

// Decodes the bytes of an .ico file. Entries stored as DIBs of 1, 4, 8, 24 or
// 32 bits per pixel are read; PNG-compressed entries are skipped. Returns the
// images, or nothing when the data is not an icon file with a readable image.
std::optional<std::vector<IconImage>> decodeIcon(const std::vector<std::uint8_t>& data);

// Reads and decodes an icon file; nullptr when it is missing or unreadable.
PicturePtr loadIconFile(const std::filesystem::path& file, std::string relativePath);

// Writes the images as an .ico file with 32-bit DIB entries (and their AND
// masks), the classic format every Windows version reads.
std::vector<std::uint8_t> encodeIcon(const std::vector<IconImage>& images);

}  // namespace forms
