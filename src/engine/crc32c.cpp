#include "engine/crc32c.h"

#if defined(__GNUC__) && (defined(__i386__) || defined(__x86_64__))
#include <cpuid.h>
#define NV_CRC32C_INSTRUCTION 1
#endif

namespace {

constexpr std::uint32_t kPolynomial = 0x82F63B78;  // reflected

// byByte[0] steps the register by one byte; byByte[k] by a byte followed by
// k zero bytes, so that eight bytes take eight lookups at once. shift[k][b]
// is the register b << 8k after kLane zero bytes. Made on first use, on the
// heap: in the program file they would take 12 KB.
struct Tables {
    std::uint32_t byByte[8][256];
    std::uint32_t shift[4][256];
};
Tables* gTables = nullptr;

void MakeTables() {
    gTables = new Tables;
    auto& byByte = gTables->byByte;
    for (std::uint32_t byte = 0; byte < 256; ++byte) {
        std::uint32_t r = byte;
        for (int bit = 0; bit < 8; ++bit) r = (r >> 1) ^ (kPolynomial & (0u - (r & 1)));
        byByte[0][byte] = r;
    }
    for (int k = 1; k < 8; ++k) {
        for (int byte = 0; byte < 256; ++byte) {
            const std::uint32_t r = byByte[k - 1][byte];
            byByte[k][byte] = (r >> 8) ^ byByte[0][r & 0xFF];
        }
    }
}

inline std::uint32_t Load32(const unsigned char* p) {
    return p[0] | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
           (std::uint32_t{p[3]} << 24);
}

// The register (not inverted) after `size` more bytes.
std::uint32_t StepByTables(std::uint32_t r, const unsigned char* p, std::size_t size) {
    const auto& t = gTables->byByte;
    for (; size >= 8; p += 8, size -= 8) {
        const std::uint32_t low = r ^ Load32(p);
        const std::uint32_t high = Load32(p + 4);
        r = t[7][low & 0xFF] ^ t[6][(low >> 8) & 0xFF] ^ t[5][(low >> 16) & 0xFF] ^
            t[4][low >> 24] ^ t[3][high & 0xFF] ^ t[2][(high >> 8) & 0xFF] ^
            t[1][(high >> 16) & 0xFF] ^ t[0][high >> 24];
    }
    for (; size > 0; ++p, --size) r = (r >> 8) ^ t[0][(r ^ *p) & 0xFF];
    return r;
}

#ifdef NV_CRC32C_INSTRUCTION

// The instruction takes four bytes at a time but needs three cycles for
// them; three runs of kLane bytes in step keep it busy every cycle, and
// their registers are joined by moving each over the bytes after it.
constexpr std::size_t kLane = 4096;

int gHasInstruction = -1;  // not asked yet

__attribute__((target("sse4.2"))) std::uint32_t StepByInstruction(std::uint32_t r,
                                                                  const unsigned char* p,
                                                                  std::size_t size) {
    for (; size >= 4; p += 4, size -= 4) r = __builtin_ia32_crc32si(r, Load32(p));
    for (; size > 0; ++p, --size) r = __builtin_ia32_crc32qi(r, *p);
    return r;
}

std::uint32_t ShiftOverLane(std::uint32_t r) {
    const auto& shift = gTables->shift;
    return shift[0][r & 0xFF] ^ shift[1][(r >> 8) & 0xFF] ^ shift[2][(r >> 16) & 0xFF] ^
           shift[3][r >> 24];
}

__attribute__((target("sse4.2"))) std::uint32_t StepOverZeros(std::uint32_t r) {
    for (std::size_t i = 0; i < kLane; i += 4) r = __builtin_ia32_crc32si(r, 0);
    return r;
}

void MakeShiftTables() {
    std::uint32_t bit[32];
    for (int i = 0; i < 32; ++i) bit[i] = StepOverZeros(1u << i);
    for (int k = 0; k < 4; ++k) {
        for (int b = 0; b < 256; ++b) {
            std::uint32_t r = 0;
            for (int i = 0; i < 8; ++i) {
                if (b & (1 << i)) r ^= bit[8 * k + i];
            }
            gTables->shift[k][b] = r;
        }
    }
}

bool HasInstruction() {
    if (gHasInstruction < 0) {
        unsigned a = 0, b = 0, c = 0, d = 0;
        gHasInstruction = __get_cpuid(1, &a, &b, &c, &d) && (c & bit_SSE4_2) != 0;
        if (gTables == nullptr) MakeTables();
        if (gHasInstruction) MakeShiftTables();
    }
    return gHasInstruction != 0;
}

__attribute__((target("sse4.2"))) std::uint32_t StepInLanes(std::uint32_t r, const unsigned char* p,
                                                            std::size_t size) {
    for (; size >= 3 * kLane; p += 3 * kLane, size -= 3 * kLane) {
        std::uint32_t first = r, second = 0, third = 0;
        for (std::size_t i = 0; i < kLane; i += 4) {
            first = __builtin_ia32_crc32si(first, Load32(p + i));
            second = __builtin_ia32_crc32si(second, Load32(p + kLane + i));
            third = __builtin_ia32_crc32si(third, Load32(p + 2 * kLane + i));
        }
        r = ShiftOverLane(ShiftOverLane(first) ^ second) ^ third;
    }
    return StepByInstruction(r, p, size);
}

#endif

}  // namespace

std::uint32_t Crc32cByTables(const void* data, std::size_t size, std::uint32_t crc) {
    if (gTables == nullptr) MakeTables();
    return ~StepByTables(~crc, static_cast<const unsigned char*>(data), size);
}

std::uint32_t Crc32c(const void* data, std::size_t size, std::uint32_t crc) {
#ifdef NV_CRC32C_INSTRUCTION
    if (HasInstruction()) return ~StepInLanes(~crc, static_cast<const unsigned char*>(data), size);
#endif
    return Crc32cByTables(data, size, crc);
}
