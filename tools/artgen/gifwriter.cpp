// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gifwriter.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <unordered_map>

namespace art {
namespace {

constexpr int kAlphaThreshold = 128;
constexpr int kTransparentIndex = 0;
constexpr int kMaxColours = 255;  // one entry is kept for transparency

struct Swatch {
  QRgb rgb;
  long count;
};

int channel(QRgb c, int which) {
  return which == 0 ? qRed(c) : (which == 1 ? qGreen(c) : qBlue(c));
}

std::vector<Swatch> histogram(const std::vector<GifFrame>& frames) {
  std::unordered_map<QRgb, long> counts;
  for (const GifFrame& frame : frames) {
    const QImage img = frame.image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
      const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
      for (int x = 0; x < img.width(); ++x) {
        if (qAlpha(row[x]) >= kAlphaThreshold) {
          ++counts[row[x] & 0xFFFFFFu];
        }
      }
    }
  }
  std::vector<Swatch> swatches;
  swatches.reserve(counts.size());
  for (const auto& [rgb, count] : counts) {
    swatches.push_back({rgb, count});
  }
  std::sort(swatches.begin(), swatches.end(),
            [](const Swatch& a, const Swatch& b) { return a.rgb < b.rgb; });
  return swatches;
}

// Widest channel of a box and its spread.
std::pair<int, int> widestChannel(const std::vector<Swatch>& box) {
  int best = 0;
  int spread = -1;
  for (int c = 0; c < 3; ++c) {
    const auto [lo, hi] = std::minmax_element(box.begin(), box.end(), [c](auto& a, auto& b) {
      return channel(a.rgb, c) < channel(b.rgb, c);
    });
    const int s = channel(hi->rgb, c) - channel(lo->rgb, c);
    if (s > spread) {
      spread = s;
      best = c;
    }
  }
  return {best, spread};
}

void splitBox(std::vector<std::vector<Swatch>>& boxes, std::size_t index, int c) {
  std::vector<Swatch>& box = boxes[index];
  std::stable_sort(box.begin(), box.end(), [c](const Swatch& a, const Swatch& b) {
    return channel(a.rgb, c) < channel(b.rgb, c);
  });
  long total = 0;
  for (const Swatch& s : box) {
    total += s.count;
  }
  long running = 0;
  std::size_t cut = 1;
  for (; cut < box.size() - 1; ++cut) {
    running += box[cut - 1].count;
    if (running * 2 >= total) {
      break;
    }
  }
  std::vector<Swatch> upper(box.begin() + static_cast<long>(cut), box.end());
  box.resize(cut);
  boxes.push_back(std::move(upper));
}

QRgb average(const std::vector<Swatch>& box) {
  double r = 0, g = 0, b = 0, n = 0;
  for (const Swatch& s : box) {
    r += qRed(s.rgb) * static_cast<double>(s.count);
    g += qGreen(s.rgb) * static_cast<double>(s.count);
    b += qBlue(s.rgb) * static_cast<double>(s.count);
    n += static_cast<double>(s.count);
  }
  return qRgb(qRound(r / n), qRound(g / n), qRound(b / n));
}

// Median cut down to at most kMaxColours entries.
std::vector<QRgb> buildPalette(const std::vector<GifFrame>& frames) {
  std::vector<Swatch> all = histogram(frames);
  std::vector<QRgb> palette;
  if (all.size() <= static_cast<std::size_t>(kMaxColours)) {
    for (const Swatch& s : all) {
      palette.push_back(s.rgb);
    }
    return palette;
  }
  std::vector<std::vector<Swatch>> boxes{std::move(all)};
  while (boxes.size() < static_cast<std::size_t>(kMaxColours)) {
    std::size_t pick = boxes.size();
    int pickChannel = 0;
    int widest = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      if (boxes[i].size() < 2) {
        continue;
      }
      const auto [c, spread] = widestChannel(boxes[i]);
      if (spread > widest) {
        widest = spread;
        pick = i;
        pickChannel = c;
      }
    }
    if (pick == boxes.size()) {
      break;
    }
    splitBox(boxes, pick, pickChannel);
  }
  for (const auto& box : boxes) {
    palette.push_back(average(box));
  }
  return palette;
}

class Mapper {
 public:
  explicit Mapper(const std::vector<QRgb>& palette) : palette_(palette) {}
  GifPixelType index(QRgb pixel) {
    if (qAlpha(pixel) < kAlphaThreshold) {
      return kTransparentIndex;
    }
    const QRgb rgb = pixel & 0xFFFFFFu;
    const auto found = cache_.find(rgb);
    if (found != cache_.end()) {
      return found->second;
    }
    long best = -1;
    GifPixelType bestIndex = 1;
    for (std::size_t i = 0; i < palette_.size(); ++i) {
      const long dr = qRed(rgb) - qRed(palette_[i]);
      const long dg = qGreen(rgb) - qGreen(palette_[i]);
      const long db = qBlue(rgb) - qBlue(palette_[i]);
      const long d = 2 * dr * dr + 4 * dg * dg + 3 * db * db;
      if (best < 0 || d < best) {
        best = d;
        bestIndex = static_cast<GifPixelType>(i + 1);
      }
    }
    cache_[rgb] = bestIndex;
    return bestIndex;
  }

 private:
  const std::vector<QRgb>& palette_;
  std::unordered_map<QRgb, GifPixelType> cache_;
};

bool putLoopForever(GifFileType* gif) {
  static const char kAppId[] = "NETSCAPE2.0";
  const std::array<GifByteType, 3> loop{1, 0, 0};  // sub-block 1, loop count 0 = endless
  return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
         EGifPutExtensionBlock(gif, 11, kAppId) == GIF_OK &&
         EGifPutExtensionBlock(gif, 3, loop.data()) == GIF_OK &&
         EGifPutExtensionTrailer(gif) == GIF_OK;
}

// giflib writes the rows exactly as they are handed over, so an interlaced
// image must be given every 8th row from 0, then every 8th from 4, every 4th
// from 2 and finally every 2nd from 1.
std::vector<int> rowOrder(int height, bool interlaced) {
  std::vector<int> rows;
  rows.reserve(static_cast<std::size_t>(height));
  if (!interlaced) {
    for (int y = 0; y < height; ++y) {
      rows.push_back(y);
    }
    return rows;
  }
  constexpr std::array<int, 4> kStart{0, 4, 2, 1};
  constexpr std::array<int, 4> kStep{8, 8, 4, 2};
  for (std::size_t pass = 0; pass < kStart.size(); ++pass) {
    for (int y = kStart[pass]; y < height; y += kStep[pass]) {
      rows.push_back(y);
    }
  }
  return rows;
}

bool putFrame(GifFileType* gif, const GifFrame& frame, Mapper& mapper) {
  GraphicsControlBlock gcb{};
  gcb.DisposalMode = static_cast<int>(frame.disposal);
  gcb.UserInputFlag = false;
  gcb.DelayTime = frame.delayCs;
  gcb.TransparentColor = kTransparentIndex;
  std::array<GifByteType, 4> ext{};
  EGifGCBToExtension(&gcb, ext.data());
  const QImage img = frame.image.convertToFormat(QImage::Format_ARGB32);
  if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, ext.data()) != GIF_OK ||
      EGifPutImageDesc(gif, frame.offset.x(), frame.offset.y(), img.width(), img.height(),
                       frame.interlaced, nullptr) != GIF_OK) {
    return false;
  }
  std::vector<GifPixelType> line(static_cast<std::size_t>(img.width()));
  for (const int y : rowOrder(img.height(), frame.interlaced)) {
    const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    for (int x = 0; x < img.width(); ++x) {
      line[static_cast<std::size_t>(x)] = mapper.index(row[x]);
    }
    if (EGifPutLine(gif, line.data(), img.width()) != GIF_OK) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool writeGif(const QString& path, QSize canvas, const std::vector<GifFrame>& frames) {
  const std::vector<QRgb> palette = buildPalette(frames);
  std::array<GifColorType, 256> colours{};
  colours[kTransparentIndex] = {160, 140, 120};  // wall-like, in case transparency is ignored
  for (std::size_t i = 0; i < palette.size(); ++i) {
    colours[i + 1] = {static_cast<GifByteType>(qRed(palette[i])),
                      static_cast<GifByteType>(qGreen(palette[i])),
                      static_cast<GifByteType>(qBlue(palette[i]))};
  }
  ColorMapObject* map = GifMakeMapObject(256, colours.data());
  int error = 0;
  GifFileType* gif = EGifOpenFileName(path.toLocal8Bit().constData(), false, &error);
  if (gif == nullptr || map == nullptr) {
    GifFreeMapObject(map);
    return false;
  }
  EGifSetGifVersion(gif, true);
  bool ok = EGifPutScreenDesc(gif, canvas.width(), canvas.height(), 8, kTransparentIndex, map) ==
                GIF_OK &&
            putLoopForever(gif);
  Mapper mapper(palette);
  for (const GifFrame& frame : frames) {
    ok = ok && putFrame(gif, frame, mapper);
  }
  ok = (EGifCloseFile(gif, &error) == GIF_OK) && ok;
  GifFreeMapObject(map);
  return ok;
}

}  // namespace art
