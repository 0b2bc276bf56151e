// Draws the setup form's pictures: the brand logo (64 x 60) and the two
// button glyphs (a red cross, normal and disabled, 36 x 18; a green chevron,
// 16 x 16), as 24-bit bitmaps. The output is the same on every run, so the
// committed files in resources/form can be checked against it.
//
//   form_pictures DIR           write the three .bmp files into DIR
//   form_pictures --check DIR   exit 1 unless DIR holds exactly what would be written
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Rgb {
    int r, g, b;
};

class Picture {
  public:
    Picture(int width, int height, Rgb fill)
        : width_(width), height_(height), px_(width * height, fill) {}
    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgb& At(int x, int y) { return px_[y * width_ + x]; }  // y = 0 is the top row
    const Rgb& At(int x, int y) const { return px_[y * width_ + x]; }

    // A 24-bit bottom-up BMP file.
    std::string Bmp() const {
        const int rowBytes = (width_ * 3 + 3) & ~3;
        const std::uint32_t imageBytes = rowBytes * height_;
        std::string out;
        auto put16 = [&out](std::uint32_t v) {
            out += static_cast<char>(v & 0xFF);
            out += static_cast<char>((v >> 8) & 0xFF);
        };
        auto put32 = [&](std::uint32_t v) {
            put16(v & 0xFFFF);
            put16(v >> 16);
        };
        out += "BM";
        put32(14 + 40 + imageBytes);
        put32(0);
        put32(14 + 40);
        put32(40);
        put32(width_);
        put32(height_);
        put16(1);
        put16(24);
        put32(0);  // BI_RGB
        put32(imageBytes);
        put32(2835);  // 72 dots per inch
        put32(2835);
        put32(0);
        put32(0);
        for (int y = height_ - 1; y >= 0; --y) {
            for (int x = 0; x < width_; ++x) {
                const Rgb& p = At(x, y);
                out += static_cast<char>(p.b);
                out += static_cast<char>(p.g);
                out += static_cast<char>(p.r);
            }
            out.append(rowBytes - width_ * 3, '\0');
        }
        return out;
    }

  private:
    int width_, height_;
    std::vector<Rgb> px_;
};

struct Point {
    double x, y;
};

double DistanceToSegment(Point p, Point a, Point b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    double t = ((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy);
    t = std::max(0.0, std::min(1.0, t));
    const double ex = a.x + t * dx - p.x, ey = a.y + t * dy - p.y;
    return std::sqrt(ex * ex + ey * ey);
}

double DistanceToPath(Point p, const std::vector<Point>& path) {
    double best = 1e9;
    for (std::size_t i = 1; i < path.size(); ++i) {
        best = std::min(best, DistanceToSegment(p, path[i - 1], path[i]));
    }
    return best;
}

Rgb Mix(Rgb a, Rgb b, double t) {
    auto mix = [t](int u, int v) { return static_cast<int>(std::lround(u + (v - u) * t)); };
    return {mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b)};
}

// Glyphs are keyed on this colour (their bottom-left pixel), so their edges
// are hard: a blended edge would carry a fringe of the key colour.
constexpr Rgb kKey = {255, 0, 255};

// Strokes along `path`: `core` within `coreWidth` of the line, `edge` out to `edgeWidth`.
void StrokeGlyph(Picture& pic, int left, const std::vector<std::vector<Point>>& paths,
                 double coreWidth, double edgeWidth, Rgb core, Rgb edge, int size) {
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Point p = {x + 0.5, y + 0.5};
            double d = 1e9;
            for (const auto& path : paths) d = std::min(d, DistanceToPath(p, path));
            if (d <= coreWidth) {
                pic.At(left + x, y) = core;
            } else if (d <= edgeWidth) {
                pic.At(left + x, y) = edge;
            }
        }
    }
}

Picture CancelGlyph() {
    Picture pic(36, 18, kKey);
    const std::vector<std::vector<Point>> cross = {{{4, 4}, {14, 14}}, {{14, 4}, {4, 14}}};
    StrokeGlyph(pic, 0, cross, 1.2, 2.1, {226, 38, 38}, {150, 12, 12}, 18);
    StrokeGlyph(pic, 18, cross, 1.2, 2.1, {176, 176, 176}, {128, 128, 128}, 18);
    return pic;
}

Picture NextGlyph() {
    Picture pic(16, 16, kKey);
    const std::vector<std::vector<Point>> chevron = {{{5, 3}, {11, 8}, {5, 13}}};
    StrokeGlyph(pic, 0, chevron, 1.3, 2.2, {52, 178, 52}, {0, 104, 0}, 16);
    return pic;
}

// A stylised "N" in white on a diagonal blue-to-teal gradient, drawn with
// 4 x 4 samples per pixel for smooth edges.
Picture BrandLogo() {
    const int w = 64, h = 60;
    Picture pic(w, h, {0, 0, 0});
    const Rgb top = {18, 52, 128}, bottom = {32, 150, 168}, ink = {255, 255, 255};
    const Rgb shadow = {10, 30, 70};
    const std::vector<Point> letter = {{20, 46}, {20, 14}, {44, 46}, {44, 14}};
    auto inLetter = [&](Point p, double dx, double dy) {
        return DistanceToPath({p.x - dx, p.y - dy}, letter) <= 4.2;
    };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            Rgb base = Mix(top, bottom, (x * 0.35 + y) / (w * 0.35 + h - 1.35));
            int inkHits = 0, shadowHits = 0;
            for (int sy = 0; sy < 4; ++sy) {
                for (int sx = 0; sx < 4; ++sx) {
                    Point p = {x + (sx + 0.5) / 4, y + (sy + 0.5) / 4};
                    if (inLetter(p, 0, 0)) {
                        ++inkHits;
                    } else if (inLetter(p, 1.5, 1.5)) {
                        ++shadowHits;
                    }
                }
            }
            Rgb c = Mix(base, shadow, shadowHits / 16.0 * 0.6);
            pic.At(x, y) = Mix(c, ink, inkHits / 16.0);
        }
    }
    return pic;
}

struct Output {
    const char* file;
    std::function<Picture()> draw;
};

const Output kOutputs[] = {
    {"brand_logo.bmp", BrandLogo},
    {"cancel_glyph.bmp", CancelGlyph},
    {"next_glyph.bmp", NextGlyph},
};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

int main(int argc, char** argv) {
    const bool check = argc == 3 && std::string(argv[1]) == "--check";
    if (argc != 2 && !check) {
        std::fprintf(stderr, "usage: form_pictures [--check] DIR\n");
        return 2;
    }
    const std::string dir = argv[argc - 1];
    int status = 0;
    for (const Output& o : kOutputs) {
        const std::string path = dir + "/" + o.file;
        const std::string bytes = o.draw().Bmp();
        if (check) {
            if (ReadFile(path) != bytes) {
                std::fprintf(stderr, "%s differs from what form_pictures draws\n", path.c_str());
                status = 1;
            }
            continue;
        }
        std::ofstream out(path, std::ios::binary);
        out << bytes;
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            status = 1;
        }
    }
    return status;
}
