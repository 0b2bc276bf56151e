// Build-machine helper of the end-to-end tests: copies a program and flips
// one bit in the middle of one of its resources, found through the PE
// resource table as the loader finds it, the way a damaged download would
// spoil one payload item.
//
//   damage_item IN.exe OUT.exe TYPE NAME     prints the flipped byte's offset
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> image;

std::uint32_t U16(std::size_t at) {
    return at + 2 <= image.size() ? image[at] | image[at + 1] << 8 : 0;
}
std::uint32_t U32(std::size_t at) { return U16(at) | U16(at + 2) << 16; }

struct Section {
    std::uint32_t rva, size, offset;
};
std::vector<Section> sections;

// The file offset of an RVA, or 0 when no section holds it.
std::size_t Offset(std::uint32_t rva) {
    for (const Section& s : sections) {
        if (rva >= s.rva && rva < s.rva + s.size) return rva - s.rva + s.offset;
    }
    return 0;
}

// The entry of the resource directory at `dir` (an offset in the file) named
// `name` without regard to ASCII case; 0 when there is none.
std::uint32_t Entry(std::size_t root, std::size_t dir, const std::string& name) {
    const std::uint32_t count = U16(dir + 12) + U16(dir + 14);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t entry = dir + 16 + 8 * i;
        const std::uint32_t id = U32(entry);
        if ((id & 0x80000000u) == 0) continue;  // a number, not a name
        const std::size_t text = root + (id & 0x7FFFFFFF);
        std::string found;
        for (std::uint32_t c = 0; c < U16(text); ++c)
            found += static_cast<char>(U16(text + 2 + 2 * c));
        bool same = found.size() == name.size();
        for (std::size_t c = 0; same && c < name.size(); ++c)
            same = std::toupper(found[c]) == std::toupper(name[c]);
        if (same) return U32(entry + 4);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: damage_item IN.exe OUT.exe TYPE NAME\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    image.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    const std::size_t pe = U32(0x3C);
    if (image.size() < 64 || U32(pe) != 0x4550) {
        std::cerr << "damage_item: " << argv[1] << " is not a PE file\n";
        return 1;
    }
    const std::size_t optional = pe + 24;
    const std::size_t table = optional + U16(pe + 20);
    for (std::uint32_t i = 0; i < U16(pe + 6); ++i) {
        const std::size_t s = table + 40 * i;
        sections.push_back({U32(s + 12), U32(s + 8), U32(s + 20)});
    }
    // The resource table: data directory 2 of a PE32 optional header.
    const std::size_t root = Offset(U32(optional + 96 + 2 * 8));
    std::uint32_t names = root ? Entry(root, root, argv[3]) : 0;
    std::uint32_t languages =
        names & 0x80000000u ? Entry(root, root + (names & 0x7FFFFFFF), argv[4]) : 0;
    if ((languages & 0x80000000u) == 0) {
        std::cerr << "damage_item: no resource " << argv[3] << " " << argv[4] << "\n";
        return 1;
    }
    const std::size_t first = root + (languages & 0x7FFFFFFF) + 16;  // the first language
    const std::size_t leaf = root + U32(first + 4);
    const std::size_t data = Offset(U32(leaf));
    const std::uint32_t size = U32(leaf + 4);
    if (data == 0 || size == 0 || data + size > image.size()) {
        std::cerr << "damage_item: resource " << argv[3] << " " << argv[4]
                  << " lies outside the file\n";
        return 1;
    }
    const std::size_t at = data + size / 2;
    image[at] ^= 0x01;
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()),
              static_cast<std::streamsize>(image.size()));
    if (!out) {
        std::cerr << "damage_item: cannot write " << argv[2] << "\n";
        return 1;
    }
    std::cout << at << "\n";
    return 0;
}
