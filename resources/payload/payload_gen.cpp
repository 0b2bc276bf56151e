// Build-time helper of the payload (runs on the build machine), reading the
// one table of the product's files (installation/product_files.h):
//   payload_gen standins DIR full|small   writes stand-ins for the data files
//   payload_gen placeholder FILE LABEL    writes a small placeholder program file
//   payload_gen check DIR                 checks a folder of real payload files
//   payload_gen files DIR                 lists the files such a folder holds
//   payload_gen datafiles DIR             lists the data files among them
//   payload_gen listing DIR               each file's name, size and stamp
//   payload_gen count                     how many files the product has
//   payload_gen rc OUT.rc DATADIR EXE UNINSTALL DLL
//                                         writes the resource script of the payload
// The data files' stand-ins keep the catalogue's names, sizes (full profile)
// and version stamps, with a fast deterministic filling that does not
// compress, so that timings and memory behave as with the real files.
// The resource script also carries each item's CRC-32C, taken from the bytes
// the resource compiler packs, for the installer to check its writes against.
#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "engine/crc32c.h"
#include "installation/product_files.h"

namespace {

using Role = ProductFile::Role;

std::string Upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

// The payload item of a file: its name without the extension, and the
// extension, both in capitals.
std::string ItemName(const ProductFile& file) {
    const std::string name = file.name;
    return Upper(name.substr(0, name.rfind('.')));
}
std::string ItemType(const ProductFile& file) {
    const std::string name = file.name;
    return Upper(name.substr(name.rfind('.') + 1));
}

// A data file shorter than this has no stamp: its stamp lies past the end.
std::uint64_t ShortestWithStamp(const ProductFile& file) {
    return std::uint64_t{file.stamp.offset} + file.stamp.width;
}

bool WriteFile(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) std::cerr << "payload_gen: cannot write " << path << "\n";
    return static_cast<bool>(out);
}

std::vector<unsigned char> StandInBytes(std::size_t index, std::uint32_t size,
                                        const ProductFile& file) {
    std::vector<unsigned char> bytes(size);
    std::uint64_t state = 0x9E3779B97F4A7C15ULL * (index + 1);  // xorshift64, never 0
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        for (int b = 0; b < 8; ++b) bytes[i + b] = static_cast<unsigned char>(state >> (8 * b));
    }
    for (; i < size; ++i) bytes[i] = static_cast<unsigned char>(i * 131 + index);
    if (size >= ShortestWithStamp(file)) {
        std::uint32_t stamp = file.standInStamp;
        for (std::uint32_t b = 0; b < file.stamp.width; ++b, stamp >>= 8) {
            bytes[file.stamp.offset + b] = static_cast<unsigned char>(stamp & 0xFF);
        }
    }
    return bytes;
}

int WriteStandIns(const std::string& dir, const std::string& profile) {
    if (profile != "full" && profile != "small") {
        std::cerr << "payload_gen: profile must be full or small, not " << profile << "\n";
        return 1;
    }
    std::size_t index = 0;
    for (const ProductFile& file : kProductFiles) {
        if (file.role != Role::Data) continue;
        // The small profile: 1 to 4 KiB per file, for quick builds and tests.
        std::uint32_t size = profile == "full"
                                 ? file.standInSize
                                 : static_cast<std::uint32_t>(1024 + (index * 997) % 3072);
        if (!WriteFile(dir + "/" + file.name, StandInBytes(index, size, file))) return 1;
        ++index;
    }
    return 0;
}

int WritePlaceholder(const std::string& path, const std::string& label) {
    std::string text = "MZ placeholder for " + label + ": not a program\n";
    return WriteFile(path, std::vector<unsigned char>(text.begin(), text.end())) ? 0 : 1;
}

bool FileSize(const std::string& path, std::uint64_t* size) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    *size = static_cast<std::uint64_t>(info.st_size);
    return true;
}

int Check(const std::string& dir) {
    std::vector<std::string> problems;
    std::uint64_t size = 0;
    for (const ProductFile& file : kProductFiles) {
        const std::string name = file.name;
        if (!FileSize(dir + "/" + name, &size)) {
            problems.push_back(name + " is missing");
        } else if (size < ShortestWithStamp(file)) {
            problems.push_back(name + " has " + std::to_string(size) +
                               " bytes, too few to hold its version stamp");
        }
    }
    if (problems.empty()) return 0;
    std::cerr << "The payload folder " << dir << " cannot be packed:\n";
    for (const std::string& problem : problems) std::cerr << "  " << problem << "\n";
    return 1;
}

// Resource scripts take forward slashes, and a double quote is doubled.
std::string Quoted(const std::string& path) {
    std::string quoted = "\"";
    for (char c : path) {
        if (c == '\\') c = '/';
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

// The paths of the files a payload folder must hold, as a CMake list.
int ListFiles(const std::string& dir, bool dataOnly) {
    std::string list;
    for (const ProductFile& file : kProductFiles) {
        if (!dataOnly || file.role == Role::Data) list += dir + "/" + file.name + ";";
    }
    list.pop_back();
    std::cout << list;
    return 0;
}

// One line per file of a payload folder, in the table's order: its name, its
// size and its version stamp ("-" for a file without one), for the release
// listing. False when a file cannot be read.
int Listing(const std::string& dir) {
    for (const ProductFile& file : kProductFiles) {
        const std::string path = dir + "/" + file.name;
        std::uint64_t size = 0;
        if (!FileSize(path, &size)) {
            std::cerr << "payload_gen: cannot read " << path << "\n";
            return 1;
        }
        std::string stamp = "-";
        if (file.stamp.width != 0) {
            std::ifstream in(path, std::ios::binary);
            std::vector<char> bytes(ShortestWithStamp(file));
            in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            std::uint32_t value = 0;
            for (std::uint32_t b = file.stamp.width; b-- > 0;) {
                value = value * 256 + static_cast<unsigned char>(bytes[file.stamp.offset + b]);
            }
            stamp = in ? std::to_string(value) : "-";
        }
        std::cout << file.name << " " << size << " " << stamp << "\n";
    }
    return 0;
}

// The checksum of a whole file; false when it cannot be read.
bool FileChecksum(const std::string& path, std::uint32_t* crc) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> piece(1 << 20);
    *crc = 0;
    while (in) {
        in.read(piece.data(), static_cast<std::streamsize>(piece.size()));
        *crc = Crc32c(piece.data(), static_cast<std::size_t>(in.gcount()), *crc);
    }
    return in.eof();
}

struct Item {
    std::string name;
    std::string type;
    std::string path;
};

int WriteScript(const std::string& out, const std::string& dataDir, const std::string& exe,
                const std::string& uninstall, const std::string& dll) {
    std::vector<Item> items;
    for (const ProductFile& file : kProductFiles) {
        const std::string path = file.role == Role::Program       ? exe
                                 : file.role == Role::Uninstaller ? uninstall
                                 : file.role == Role::Library     ? dll
                                                                  : dataDir + "/" + file.name;
        items.push_back({ItemName(file), ItemType(file), path});
    }
    std::ofstream rc(out, std::ios::trunc);
    rc << "// Generated by payload_gen: the product's files as resources of setup.exe.\n";
    for (const Item& item : items)
        rc << item.name << " " << item.type << " " << Quoted(item.path) << "\n";
    rc << "// The CRC-32C of each item (TYPE.NAME), checked as the item is written.\n";
    for (const Item& item : items) {
        std::uint32_t crc = 0;
        if (!FileChecksum(item.path, &crc)) {
            std::cerr << "payload_gen: cannot read " << item.path << "\n";
            return 1;
        }
        char value[16];
        std::snprintf(value, sizeof value, "0x%08XL", static_cast<unsigned>(crc));
        rc << item.type << "." << item.name << " CRC32C { " << value << " }\n";
    }
    rc.close();
    if (!rc) std::cerr << "payload_gen: cannot write " << out << "\n";
    return rc ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 3 && args[0] == "standins") return WriteStandIns(args[1], args[2]);
    if (args.size() == 3 && args[0] == "placeholder") return WritePlaceholder(args[1], args[2]);
    if (args.size() == 2 && args[0] == "check") return Check(args[1]);
    if (args.size() == 2 && args[0] == "files") return ListFiles(args[1], false);
    if (args.size() == 2 && args[0] == "datafiles") return ListFiles(args[1], true);
    if (args.size() == 2 && args[0] == "listing") return Listing(args[1]);
    if (args.size() == 1 && args[0] == "count") {
        std::cout << kProductFileCount << "\n";
        return 0;
    }
    if (args.size() == 6 && args[0] == "rc") {
        return WriteScript(args[1], args[2], args[3], args[4], args[5]);
    }
    std::cerr << "usage: payload_gen standins DIR full|small | placeholder FILE LABEL | "
                 "check DIR | files DIR | datafiles DIR | listing DIR | count | "
                 "rc OUT DATADIR EXE UNINSTALL DLL\n";
    return 2;
}
