// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the Windows metafile backgrounds of the game folder's "fondos", record
// by record: `lurimba-wmfgen <game folder>`. Standard C++ only; the output is
// committed and a new run reproduces it byte for byte.
//
// A background lies behind the whole game, so it stays calm: soft flat
// colours, a quiet middle and the details near the edges.
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace {

struct Colour {
  int r, g, b;
};

Colour Mix(Colour from, Colour to, double t) {
  const auto lerp = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
  return {lerp(from.r, to.r), lerp(from.g, to.g), lerp(from.b, to.b)};
}

struct Point {
  int x, y;
};

// A metafile in the making: its records, the header added when it is written.
class Metafile {
 public:
  // The picture is `width` x `height` logical units, shown at `unitsPerInch`.
  Metafile(int width, int height, int unitsPerInch)
      : width_(width), height_(height), unitsPerInch_(unitsPerInch) {
    Record(0x020B, {0, 0});             // SETWINDOWORG y, x
    Record(0x020C, {height_, width_});  // SETWINDOWEXT y, x
    Record(0x0106, {2});                // SETPOLYFILLMODE winding
    Record(0x0102, {1});                // SETBKMODE transparent
  }

  // Every shape is drawn with a brush and a pen of its own, made, selected
  // and deleted around it: slot 0 holds the brush, slot 1 the pen.
  void Fill(Colour fill) {
    Record(0x02FC, {0, ColourLow(fill), ColourHigh(fill), 0});  // CREATEBRUSHINDIRECT solid
    Record(0x012D, {0});                                        // SELECTOBJECT
    Record(0x02FA, {5, 0, 0, 0, 0});                            // CREATEPENINDIRECT null
    Record(0x012D, {1});
  }
  void Outline(Colour line, int width) {
    Record(0x02FC, {1, 0, 0, 0});  // hollow brush
    Record(0x012D, {0});
    Record(0x02FA, {0, width, 0, ColourLow(line), ColourHigh(line)});
    Record(0x012D, {1});
  }
  void Done() {
    Record(0x01F0, {0});  // DELETEOBJECT
    Record(0x01F0, {1});
  }

  void Rectangle(Colour fill, int left, int top, int right, int bottom) {
    Fill(fill);
    Record(0x041B, {bottom, right, top, left});
    Done();
  }
  void Ellipse(Colour fill, int cx, int cy, int rx, int ry) {
    Fill(fill);
    Record(0x0418, {cy + ry, cx + rx, cy - ry, cx - rx});
    Done();
  }
  void Polygon(Colour fill, const std::vector<Point>& points) {
    Fill(fill);
    std::vector<int> params{static_cast<int>(points.size())};
    for (const Point& p : points) {
      params.push_back(p.x);
      params.push_back(p.y);
    }
    Record(0x0324, params);
    Done();
  }
  void Polyline(Colour line, int width, const std::vector<Point>& points) {
    Outline(line, width);
    std::vector<int> params{static_cast<int>(points.size())};
    for (const Point& p : points) {
      params.push_back(p.x);
      params.push_back(p.y);
    }
    Record(0x0325, params);
    Done();
  }

  std::vector<std::uint8_t> Bytes() const {
    std::vector<std::uint8_t> out;
    // The placeable header: the frame and its units per inch.
    const std::vector<int> placeable{0xCDD7, 0x9AC6, 0, 0, 0, width_, height_, unitsPerInch_, 0, 0};
    int checksum = 0;
    for (int word : placeable) {
      Put16(out, word);
      checksum ^= word & 0xFFFF;
    }
    Put16(out, checksum);
    const std::size_t recordWords = records_.size() / 2 + 3;  // and the end-of-file record
    Put16(out, 1);                                            // in memory
    Put16(out, 9);                                            // header words
    Put16(out, 0x0300);                                       // version
    Put32(out, static_cast<std::uint32_t>(9 + recordWords));
    Put16(out, 2);  // objects
    Put32(out, largestRecord_);
    Put16(out, 0);
    out.insert(out.end(), records_.begin(), records_.end());
    Put32(out, 3);
    Put16(out, 0);
    return out;
  }

 private:
  static int ColourLow(Colour c) { return c.r | c.g << 8; }
  static int ColourHigh(Colour c) { return c.b; }

  static void Put16(std::vector<std::uint8_t>& out, int value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
  }
  static void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, static_cast<int>(value & 0xFFFF));
    Put16(out, static_cast<int>(value >> 16));
  }

  void Record(int function, const std::vector<int>& params) {
    const std::uint32_t words = static_cast<std::uint32_t>(3 + params.size());
    largestRecord_ = std::max(largestRecord_, words);
    Put32(records_, words);
    Put16(records_, function);
    for (int param : params)
      Put16(records_, param);
  }

  int width_, height_, unitsPerInch_;
  std::vector<std::uint8_t> records_;
  std::uint32_t largestRecord_ = 0;
};

// --- The hills: a summer meadow under a clear sky ---
// No sun: the top right corner holds the game's clock and counters, and they
// must stay readable on it.

constexpr int kWidth = 1600;  // logical units; at 150 per inch, 1024 x 768 pixels
constexpr int kHeight = 1200;
constexpr double kPi = std::numbers::pi;

// A band of land whose top edge rolls: from `top` down to the bottom edge.
std::vector<Point> RollingLand(int top, int height, double phase, double bumps) {
  std::vector<Point> points;
  for (int x = -20; x <= kWidth + 20; x += 20) {
    const double wave = 0.5 + 0.5 * std::sin(phase + x * bumps * kPi / kWidth);
    points.push_back({x, static_cast<int>(std::lround(top - height * wave))});
  }
  points.push_back({kWidth + 20, kHeight + 20});
  points.push_back({-20, kHeight + 20});
  return points;
}

void Sky(Metafile& wmf) {
  const Colour top{62, 132, 208};
  const Colour horizon{206, 234, 252};
  constexpr int kBands = 40;
  constexpr int kSkyBottom = 900;
  for (int band = 0; band < kBands; ++band) {
    const int y0 = kSkyBottom * band / kBands;
    const int y1 = kSkyBottom * (band + 1) / kBands + 2;  // overlap: no seams
    wmf.Rectangle(Mix(top, horizon, double(band) / (kBands - 1)), -10, y0, kWidth + 10, y1);
  }
}

void Cloud(Metafile& wmf, int cx, int cy, double size) {
  const Colour shade{214, 230, 246};
  const Colour white{255, 255, 255};
  const auto s = [size](int v) { return static_cast<int>(std::lround(v * size)); };
  wmf.Ellipse(shade, cx, cy + s(18), s(120), s(34));
  wmf.Ellipse(white, cx - s(60), cy, s(52), s(36));
  wmf.Ellipse(white, cx + s(8), cy - s(18), s(64), s(50));
  wmf.Ellipse(white, cx + s(70), cy + s(2), s(48), s(32));
  wmf.Ellipse(white, cx, cy + s(10), s(110), s(26));
}

void Tree(Metafile& wmf, int x, int ground, double size) {
  const auto s = [size](int v) { return static_cast<int>(std::lround(v * size)); };
  wmf.Rectangle({120, 82, 50}, x - s(14), ground - s(150), x + s(14), ground + s(6));
  wmf.Ellipse({48, 120, 60}, x, ground - s(210), s(96), s(90));
  wmf.Ellipse({64, 146, 72}, x - s(40), ground - s(186), s(60), s(56));
  wmf.Ellipse({76, 160, 80}, x + s(34), ground - s(236), s(58), s(52));
  wmf.Ellipse({98, 178, 92}, x - s(14), ground - s(252), s(40), s(34));
}

void Flower(Metafile& wmf, int x, int y, Colour petals) {
  wmf.Polyline({60, 130, 56}, 5, {{x, y}, {x + 4, y + 40}, {x + 2, y + 70}});
  wmf.Ellipse({80, 150, 70}, x + 16, y + 42, 14, 6);
  for (int i = 0; i < 5; ++i) {
    const double angle = 2 * kPi * i / 5 - kPi / 2;
    const int px = x + static_cast<int>(std::lround(15 * std::cos(angle)));
    const int py = y + static_cast<int>(std::lround(15 * std::sin(angle)));
    wmf.Ellipse(petals, px, py, 12, 12);
  }
  wmf.Ellipse({250, 200, 60}, x, y, 9, 9);
}

void Butterfly(Metafile& wmf, int x, int y) {
  wmf.Ellipse({244, 150, 60}, x - 16, y - 8, 16, 12);
  wmf.Ellipse({244, 150, 60}, x + 16, y - 8, 16, 12);
  wmf.Ellipse({250, 190, 90}, x - 12, y + 10, 11, 9);
  wmf.Ellipse({250, 190, 90}, x + 12, y + 10, 11, 9);
  wmf.Ellipse({70, 50, 40}, x, y, 4, 16);
}

Metafile Hills() {
  Metafile wmf(kWidth, kHeight, 150);
  Sky(wmf);
  Cloud(wmf, 250, 150, 1.5);
  Cloud(wmf, 800, 90, 0.9);
  Cloud(wmf, 1400, 560, 1.0);
  Cloud(wmf, 470, 420, 0.8);
  // Three bands of hills, the far ones paler.
  wmf.Polygon({170, 214, 176}, RollingLand(760, 120, 0.6, 3.0));
  wmf.Polygon({136, 196, 120}, RollingLand(870, 110, 2.1, 2.2));
  wmf.Polygon({106, 176, 92}, RollingLand(1010, 70, 4.0, 1.6));
  // Trees at both sides, a little one far away.
  Tree(wmf, 140, 1000, 1.5);
  Tree(wmf, 300, 1040, 1.0);
  Tree(wmf, 1480, 1010, 1.4);
  Tree(wmf, 1050, 820, 0.45);
  // Flowers along the bottom edge.
  const Colour colours[] = {
      {236, 84, 96}, {255, 255, 255}, {246, 136, 196}, {150, 120, 236}, {255, 186, 60}};
  int which = 0;
  for (int x = 40; x < kWidth; x += 92) {
    const int y = 1090 + ((x * 37) % 60);
    Flower(wmf, x, y, colours[which++ % 5]);
  }
  Butterfly(wmf, 420, 920);
  Butterfly(wmf, 1300, 880);
  return wmf;
}

bool Write(const std::string& path, const Metafile& wmf) {
  const std::vector<std::uint8_t> bytes = wmf.Bytes();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    std::cerr << "cannot write " << path << "\n";
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: lurimba-wmfgen <game folder>\n";
    return 2;
  }
  const std::string folder = argv[1];
  return Write(folder + "/fondos/colinas.wmf", Hills()) ? 0 : 1;
}
