// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints what a compiled Windows resource file (.res) holds, so the packaging check can see the
// executable's icon and version record without a Windows machine:
//   kazoumi-readres FILE.res
// One line a resource, then indented lines for the icons and the version record. Exits 1 when
// the file does not follow the resource format.

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

class Reader {
public:
    explicit Reader(std::vector<unsigned char> bytes) : m_bytes(std::move(bytes)) {}

    std::size_t size() const { return m_bytes.size(); }

    unsigned byte(std::size_t at) const {
        if (at >= m_bytes.size())
            throw std::runtime_error("the file ends too soon");
        return m_bytes[at];
    }
    // Little-endian, as Windows stores every field.
    unsigned word(std::size_t at) const { return byte(at) | byte(at + 1) << 8; }
    std::uint32_t dword(std::size_t at) const {
        return word(at) | std::uint32_t(word(at + 2)) << 16;
    }

    // A text of 16-bit characters ending with a zero character, from `at`; `at` moves past it.
    // The texts here are ASCII, so other characters print as '?'.
    std::string text(std::size_t& at) const {
        std::string result;
        for (unsigned c = word(at); c != 0; c = word(at)) {
            result += c < 0x80 ? char(c) : '?';
            at += 2;
        }
        at += 2;
        return result;
    }

private:
    std::vector<unsigned char> m_bytes;
};

std::size_t dwordAligned(std::size_t at) { return (at + 3) & ~std::size_t(3); }

// A resource's type or name: a number after 0xFFFF, or else a text.
std::string typeOrName(const Reader& file, std::size_t& at) {
    if (file.word(at) == 0xffff) {
        const unsigned id = file.word(at + 2);
        at += 4;
        return std::to_string(id);
    }
    return file.text(at);
}

std::string typeName(const std::string& type) {
    if (type == "3")
        return "ICON";
    if (type == "14")
        return "GROUP_ICON";
    if (type == "16")
        return "VERSION";
    return type;
}

// An icon image: a bitmap header, the palette, the colour rows and the AND mask.
void printIcon(const Reader& file, std::size_t at, std::size_t size) {
    const std::uint32_t width = file.dword(at + 4);
    const std::uint32_t height = file.dword(at + 8) / 2; // the colour rows and the mask rows
    const unsigned bits = file.word(at + 14);
    const std::uint32_t compression = file.dword(at + 16);
    std::printf("  image %u x %u, %u bits a pixel, compression %u\n", unsigned(width),
                unsigned(height), bits, unsigned(compression));
    if (bits > 8 || compression != 0)
        return;
    std::uint32_t colours = file.dword(at + 32);
    if (colours == 0)
        colours = 1u << bits;
    const std::size_t palette = at + file.dword(at);
    std::printf("  palette");
    for (std::uint32_t i = 0; i < colours; ++i) {
        const std::size_t entry = palette + 4 * i;
        std::printf(" %02x%02x%02x", file.byte(entry + 2), file.byte(entry + 1), file.byte(entry));
    }
    std::printf("\n");
    const std::size_t colourRow = (width * bits + 31) / 32 * 4;
    const std::size_t maskRow = (width + 31) / 32 * 4;
    const std::size_t mask = palette + 4 * colours + height * colourRow;
    if (mask + height * maskRow != at + size)
        throw std::runtime_error("an icon image is not the size its header says");
    std::size_t opaque = 0;
    for (std::size_t y = 0; y < height; ++y) {
        for (std::size_t x = 0; x < width; ++x)
            opaque += (file.byte(mask + y * maskRow + x / 8) >> (7 - x % 8) & 1) == 0;
    }
    std::printf("  opaque pixels %zu of %zu\n", opaque, std::size_t(width * height));
}

void printIconGroup(const Reader& file, std::size_t at) {
    const unsigned count = file.word(at + 4);
    for (unsigned i = 0; i < count; ++i) {
        const std::size_t entry = at + 6 + 14 * i;
        // A width or height of 0 means 256.
        const unsigned width = file.byte(entry) ? file.byte(entry) : 256;
        const unsigned height = file.byte(entry + 1) ? file.byte(entry + 1) : 256;
        std::printf("  entry %u x %u, %u colours, %u bits a pixel, icon %u\n", width, height,
                    file.byte(entry + 2), file.word(entry + 6), file.word(entry + 12));
    }
}

// A block of the version record: its length, its value's length, whether the value is text,
// its key, the value, then the blocks it holds. Prints the fixed part and every text value by
// its path of keys, such as VS_VERSION_INFO/StringFileInfo/040C04B0/FileVersion.
void printVersionBlock(const Reader& file, std::size_t at, const std::string& path) {
    const std::size_t end = at + file.word(at);
    const unsigned valueLength = file.word(at + 2);
    const bool isText = file.word(at + 4) == 1;
    std::size_t cursor = at + 6;
    const std::string key = file.text(cursor);
    const std::string keyPath = path.empty() ? key : path + "/" + key;
    cursor = dwordAligned(cursor);
    if (key == "VS_VERSION_INFO" && valueLength >= 52) {
        if (file.dword(cursor) != 0xfeef04bd)
            throw std::runtime_error("the fixed version record has a wrong signature");
        const auto version = [&](std::size_t field) {
            const std::uint32_t high = file.dword(cursor + field);
            const std::uint32_t low = file.dword(cursor + field + 4);
            std::printf("%u,%u,%u,%u\n", unsigned(high >> 16), unsigned(high & 0xffff),
                        unsigned(low >> 16), unsigned(low & 0xffff));
        };
        std::printf("  FILEVERSION ");
        version(8);
        std::printf("  PRODUCTVERSION ");
        version(16);
    } else if (isText && valueLength > 0) {
        // The length counts characters; any zeros written into the text end it.
        std::size_t text = cursor;
        std::printf("  %s \"%s\"\n", keyPath.c_str(), file.text(text).c_str());
    }
    cursor = dwordAligned(cursor + (isText ? 2 * valueLength : valueLength));
    while (cursor < end) {
        printVersionBlock(file, cursor, keyPath);
        const unsigned length = file.word(cursor);
        if (length == 0)
            throw std::runtime_error("a version block is empty");
        cursor = dwordAligned(cursor + length);
    }
}

// Each resource: the size of its data and of its header, type, name, then (aligned) the data
// version, memory flags, language, version and characteristics, then the data, padded.
void printResources(const Reader& file) {
    std::size_t at = 0;
    while (at < file.size()) {
        const std::uint32_t dataSize = file.dword(at);
        const std::uint32_t headerSize = file.dword(at + 4);
        std::size_t cursor = at + 8;
        const std::string type = typeName(typeOrName(file, cursor));
        const std::string name = typeOrName(file, cursor);
        cursor = dwordAligned(cursor);
        const unsigned language = file.word(cursor + 6);
        const std::size_t data = at + headerSize;
        if (headerSize < 24 || data + dataSize > file.size())
            throw std::runtime_error("a resource runs past the end of the file");
        // The file starts with an empty resource that marks it as 32-bit.
        if (dataSize > 0) {
            std::printf("%s %s language %04x, %u bytes\n", type.c_str(), name.c_str(), language,
                        unsigned(dataSize));
            if (type == "ICON")
                printIcon(file, data, dataSize);
            else if (type == "GROUP_ICON")
                printIconGroup(file, data);
            else if (type == "VERSION")
                printVersionBlock(file, data, "");
        }
        at = dwordAligned(data + dataSize);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kazoumi-readres FILE.res\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "kazoumi-readres: cannot open %s\n", argv[1]);
        return 1;
    }
    try {
        const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in),
                                               std::istreambuf_iterator<char>()};
        printResources(Reader(bytes));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "kazoumi-readres: %s: %s\n", argv[1], error.what());
        return 1;
    }
    return 0;
}
