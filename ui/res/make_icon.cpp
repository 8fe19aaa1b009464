// Draws the program's icon, a storage adapter with its network cable, and writes it as an
// .ico file with one 32 x 32 image in 256 colours. Run at build time on the build machine, so
// the picture lives here as code and the .ico is never edited by hand.
//
// Usage: make_icon OUTPUT.ico

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kSize = 32;

struct Rgb {
  uint8_t r, g, b;
};

bool operator==(Rgb a, Rgb b) {
  return a.r == b.r && a.g == b.g && a.b == b.b;
}

// The picture's colours; all of them are palette entries, so no pixel is approximated.
constexpr Rgb kOutline{0, 0, 0};
constexpr Rgb kBody{192, 192, 192};
constexpr Rgb kHighlight{255, 255, 255};
constexpr Rgb kShadow{128, 128, 128};
constexpr Rgb kDialogBlue{0, 98, 147};
constexpr Rgb kPlatter{96, 160, 200};
constexpr Rgb kSpindle{224, 224, 224};
constexpr Rgb kPort{32, 32, 32};
constexpr Rgb kLedOn{0, 208, 0};
constexpr Rgb kLedAmber{255, 176, 0};
constexpr Rgb kCable{0, 98, 147};

// 16 system colours, a 6 x 6 x 6 colour cube, then the picture's own colours and a grey
// ramp to fill all 256 entries.
std::array<Rgb, 256> MakePalette() {
  static const Rgb system[16] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                 {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                 {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                 {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
  std::array<Rgb, 256> palette{};
  int n = 0;
  for (const Rgb& c : system) palette[n++] = c;
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b)
        palette[n++] = Rgb{uint8_t(r * 51), uint8_t(g * 51), uint8_t(b * 51)};
  for (const Rgb& c : {kDialogBlue, kPlatter, kSpindle, kPort, kLedOn, kLedAmber}) palette[n++] = c;
  for (int level = 0; n < 256; ++level) {
    const uint8_t v = uint8_t(8 + level * 248 / 18);
    palette[n++] = Rgb{v, v, v};
  }
  return palette;
}

struct Canvas {
  std::array<std::array<Rgb, kSize>, kSize> pixel{};
  std::array<std::array<bool, kSize>, kSize> opaque{};

  void Set(int x, int y, Rgb colour) {
    if (x < 0 || y < 0 || x >= kSize || y >= kSize) return;
    pixel[y][x] = colour;
    opaque[y][x] = true;
  }
  void Fill(int left, int top, int right, int bottom, Rgb colour) {
    for (int y = top; y <= bottom; ++y)
      for (int x = left; x <= right; ++x) Set(x, y, colour);
  }
  void Disc(int cx, int cy, int radius, Rgb colour) {
    for (int y = cy - radius; y <= cy + radius; ++y)
      for (int x = cx - radius; x <= cx + radius; ++x)
        if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius) Set(x, y, colour);
  }
};

void DrawAdapter(Canvas& c) {
  // Enclosure with a raised bevel.
  c.Fill(2, 12, 29, 27, kOutline);
  c.Fill(3, 13, 28, 26, kBody);
  c.Fill(3, 13, 28, 13, kHighlight);
  c.Fill(3, 13, 3, 26, kHighlight);
  c.Fill(4, 26, 28, 26, kShadow);
  c.Fill(28, 14, 28, 26, kShadow);

  // The attached disk: a platter seen from the front, with its spindle.
  c.Disc(10, 20, 5, kOutline);
  c.Disc(10, 20, 4, kPlatter);
  c.Set(8, 18, kHighlight);
  c.Set(9, 17, kHighlight);
  c.Disc(10, 20, 1, kSpindle);
  c.Set(10, 20, kOutline);

  // Network port and status lights.
  c.Fill(19, 15, 26, 20, kOutline);
  c.Fill(20, 16, 25, 19, kPort);
  c.Fill(21, 16, 24, 16, kShadow);
  c.Fill(19, 23, 20, 24, kLedOn);
  c.Fill(23, 23, 24, 24, kLedAmber);

  // The cable leaves the port upwards and runs off to the LAN on the right.
  c.Fill(22, 4, 23, 14, kCable);
  c.Fill(22, 3, 31, 4, kCable);
  c.Fill(21, 12, 24, 14, kOutline);
  c.Fill(22, 12, 23, 13, kShadow);
}

int PaletteIndex(const std::array<Rgb, 256>& palette, Rgb colour) {
  for (int i = 0; i < 256; ++i)
    if (palette[i] == colour) return i;
  std::fprintf(stderr, "make_icon: colour %d,%d,%d is not in the palette\n", colour.r, colour.g,
               colour.b);
  std::exit(1);
}

void Put16(std::vector<uint8_t>& out, unsigned v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}

void Put32(std::vector<uint8_t>& out, unsigned v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// ICONDIR, one ICONDIRENTRY, then the image: BITMAPINFOHEADER (height doubled for the
// mask), palette, 8-bit colour rows and 1-bit AND-mask rows, both bottom row first.
std::vector<uint8_t> EncodeIcon(const Canvas& c, const std::array<Rgb, 256>& palette) {
  constexpr unsigned kMaskRowBytes = kSize / 8;  // 4: already a multiple of four
  constexpr unsigned kHeaderBytes = 40;
  constexpr unsigned kImageBytes = kHeaderBytes + 256 * 4 + kSize * kSize + kSize * kMaskRowBytes;
  constexpr unsigned kDirectoryBytes = 6 + 16;

  std::vector<uint8_t> out;
  Put16(out, 0);  // reserved
  Put16(out, 1);  // icon
  Put16(out, 1);  // one image
  out.push_back(kSize);
  out.push_back(kSize);
  out.push_back(0);  // 0 stands for 256 colours
  out.push_back(0);
  Put16(out, 1);  // planes
  Put16(out, 8);  // bits per pixel
  Put32(out, kImageBytes);
  Put32(out, kDirectoryBytes);

  Put32(out, kHeaderBytes);
  Put32(out, kSize);
  Put32(out, kSize * 2);
  Put16(out, 1);
  Put16(out, 8);
  Put32(out, 0);  // BI_RGB
  Put32(out, kSize * kSize + kSize * kMaskRowBytes);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 256);
  Put32(out, 0);
  for (const Rgb& p : palette) {
    out.push_back(p.b);
    out.push_back(p.g);
    out.push_back(p.r);
    out.push_back(0);
  }
  for (int y = kSize - 1; y >= 0; --y)
    for (int x = 0; x < kSize; ++x)
      out.push_back(uint8_t(c.opaque[y][x] ? PaletteIndex(palette, c.pixel[y][x]) : 0));
  for (int y = kSize - 1; y >= 0; --y)
    for (unsigned byte = 0; byte < kMaskRowBytes; ++byte) {
      uint8_t bits = 0;
      for (int bit = 0; bit < 8; ++bit)
        if (!c.opaque[y][byte * 8 + bit]) bits |= uint8_t(0x80 >> bit);
      out.push_back(bits);
    }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icon OUTPUT.ico\n");
    return 2;
  }
  Canvas canvas;
  DrawAdapter(canvas);
  const std::vector<uint8_t> bytes = EncodeIcon(canvas, MakePalette());
  FILE* file = std::fopen(argv[1], "wb");
  if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() ||
      std::fclose(file) != 0) {
    std::perror(argv[1]);
    return 1;
  }
  return 0;
}
