// Reads the version resource of a Windows program on the build machine, the
// way the system's file properties find it, and prints it as UTF-8 lines:
//   version_info PROGRAM.exe
//   language 0x0419
//   file_version 1500.0.0.0
//   product_version 1500.0.0.0
//   translation 0x0419 1251
//   string 041904E3 CompanyName=...
// Exit code 1 with a reason on stderr when the file has no readable one.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Fault : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Image {
  public:
    explicit Image(const std::string& path) : in_(path, std::ios::binary) {
        if (!in_) throw Fault("cannot open " + path);
    }
    std::vector<unsigned char> Read(std::uint64_t offset, std::uint32_t size) {
        std::vector<unsigned char> bytes(size);
        in_.seekg(static_cast<std::streamoff>(offset));
        in_.read(reinterpret_cast<char*>(bytes.data()), size);
        if (!in_) throw Fault("the file ends inside a structure at " + std::to_string(offset));
        return bytes;
    }

  private:
    std::ifstream in_;
};

std::uint32_t Le(const std::vector<unsigned char>& b, std::size_t at, int size) {
    if (at + size > b.size()) throw Fault("a structure runs past its end");
    std::uint32_t value = 0;
    for (int i = size; i-- > 0;) value = value << 8 | b[at + i];
    return value;
}

struct Section {
    std::uint32_t rva, size, offset;
};

// The resource data of the first entry of each level under type 16.
std::vector<unsigned char> VersionResource(Image& image, std::uint32_t* language) {
    auto dos = image.Read(0, 64);
    if (Le(dos, 0, 2) != 0x5A4D) throw Fault("not an MZ file");
    std::uint32_t pe = Le(dos, 0x3C, 4);
    auto header = image.Read(pe, 24 + 96 + 16 * 8);
    if (Le(header, 0, 4) != 0x4550) throw Fault("no PE signature");
    if (Le(header, 24, 2) != 0x10B) throw Fault("not PE32");
    std::uint32_t sections = Le(header, 6, 2);
    std::uint32_t optional = Le(header, 20, 2);
    std::uint32_t rsrcRva = Le(header, 24 + 96 + 2 * 8, 4);
    if (rsrcRva == 0) throw Fault("no version resource: no resources at all");
    auto table = image.Read(pe + 24 + optional, sections * 40);
    std::vector<Section> map;
    for (std::uint32_t i = 0; i < sections; ++i) {
        map.push_back(
            {Le(table, i * 40 + 12, 4), Le(table, i * 40 + 16, 4), Le(table, i * 40 + 20, 4)});
    }
    auto offsetOf = [&](std::uint32_t rva) -> std::uint64_t {
        for (const Section& s : map) {
            if (rva >= s.rva && rva < s.rva + s.size) return std::uint64_t{s.offset} + rva - s.rva;
        }
        throw Fault("an address outside every section");
    };
    std::uint64_t root = offsetOf(rsrcRva);
    // Finds id among the entries of the directory at dir; 0: the first entry.
    auto entry = [&](std::uint32_t dir, std::uint32_t id, bool* found) {
        auto head = image.Read(root + dir, 16);
        std::uint32_t count = Le(head, 12, 2) + Le(head, 14, 2);
        auto entries = image.Read(root + dir + 16, count * 8);
        for (std::uint32_t i = 0; i < count; ++i) {
            std::uint32_t name = Le(entries, i * 8, 4);
            if (id == 0 || name == id) {
                *found = true;
                if (language) *language = name;
                return Le(entries, i * 8 + 4, 4);
            }
        }
        *found = false;
        return 0u;
    };
    bool found = false;
    std::uint32_t types = entry(0, 16, &found);
    if (!found) throw Fault("no version resource");
    std::uint32_t names = entry(types & 0x7FFFFFFF, 0, &found);
    std::uint32_t leaf = entry(names & 0x7FFFFFFF, 0, &found);
    auto data = image.Read(root + leaf, 16);
    return image.Read(offsetOf(Le(data, 0, 4)), Le(data, 4, 4));
}

std::string Utf8(const std::vector<unsigned char>& b, std::size_t at, std::size_t end) {
    std::string text;
    for (; at + 2 <= end; at += 2) {
        std::uint32_t c = Le(b, at, 2);
        if (c == 0) break;
        if (c < 0x80) {
            text += static_cast<char>(c);
        } else if (c < 0x800) {
            text += static_cast<char>(0xC0 | c >> 6);
            text += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            text += static_cast<char>(0xE0 | c >> 12);
            text += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            text += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return text;
}

// One block: wLength, wValueLength, wType, its key, its value, its children.
struct Block {
    std::string key;
    std::size_t value, valueEnd, children, end;
    bool text;
};

Block ReadBlock(const std::vector<unsigned char>& b, std::size_t at) {
    Block block;
    std::size_t length = Le(b, at, 2);
    std::size_t valueLength = Le(b, at + 2, 2);
    block.text = Le(b, at + 4, 2) == 1;
    block.end = at + length;
    if (length < 6 || block.end > b.size()) throw Fault("a version block of a wrong length");
    block.key = Utf8(b, at + 6, block.end);
    std::size_t keyEnd = at + 6;
    while (Le(b, keyEnd, 2) != 0) keyEnd += 2;
    block.value = (keyEnd + 2 + 3) & ~std::size_t{3};
    block.valueEnd = block.value + valueLength * (block.text ? 2 : 1);
    if (block.valueEnd > block.end) throw Fault("a version value runs past its block");
    block.children = (block.valueEnd + 3) & ~std::size_t{3};
    return block;
}

template <typename Visit>
void EachChild(const std::vector<unsigned char>& b, const Block& parent, Visit visit) {
    for (std::size_t at = parent.children; at + 6 <= parent.end;) {
        Block child = ReadBlock(b, at);
        visit(child);
        at = (child.end + 3) & ~std::size_t{3};
    }
}

std::string Version(const std::vector<unsigned char>& b, std::size_t at) {
    std::uint32_t ms = Le(b, at, 4), ls = Le(b, at + 4, 4);
    return std::to_string(ms >> 16) + "." + std::to_string(ms & 0xFFFF) + "." +
           std::to_string(ls >> 16) + "." + std::to_string(ls & 0xFFFF);
}

std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", value);
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: version_info PROGRAM.exe\n";
        return 2;
    }
    try {
        Image image(argv[1]);
        std::uint32_t language = 0;
        auto b = VersionResource(image, &language);
        Block root = ReadBlock(b, 0);
        if (root.key != "VS_VERSION_INFO")
            throw Fault("the version resource is not VS_VERSION_INFO");
        if (root.valueEnd - root.value < 52 || Le(b, root.value, 4) != 0xFEEF04BD) {
            throw Fault("no fixed file information");
        }
        std::cout << "language " << Hex(language) << "\n";
        std::cout << "file_version " << Version(b, root.value + 8) << "\n";
        std::cout << "product_version " << Version(b, root.value + 16) << "\n";
        EachChild(b, root, [&](const Block& info) {
            EachChild(b, info, [&](const Block& item) {
                if (info.key == "VarFileInfo" && item.key == "Translation") {
                    for (std::size_t at = item.value; at + 4 <= item.valueEnd; at += 4) {
                        std::cout << "translation " << Hex(Le(b, at, 2)) << " " << Le(b, at + 2, 2)
                                  << "\n";
                    }
                } else if (info.key == "StringFileInfo") {
                    EachChild(b, item, [&](const Block& string) {
                        std::cout << "string " << item.key << " " << string.key << "="
                                  << Utf8(b, string.value, string.valueEnd) << "\n";
                    });
                }
            });
        });
    } catch (const Fault& fault) {
        std::cerr << argv[1] << ": " << fault.what() << "\n";
        return 1;
    }
    return 0;
}
