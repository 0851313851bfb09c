// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/gif_decoder.h"

#include <gif_lib.h>

#include <QRect>
#include <algorithm>
#include <cstring>
#include <memory>

namespace {

struct MemoryReader {
  const QByteArray* data;
  qsizetype position;
};

int ReadFromMemory(GifFileType* gif, GifByteType* buffer, int length) {
  auto* reader = static_cast<MemoryReader*>(gif->UserData);
  const qsizetype available = reader->data->size() - reader->position;
  const int count = static_cast<int>(std::min<qsizetype>(std::max(length, 0), available));
  std::memcpy(buffer, reader->data->constData() + reader->position, count);
  reader->position += count;
  return count;
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};

GraphicsControlBlock NoControl() {
  GraphicsControlBlock control{};
  control.TransparentColor = NO_TRANSPARENT_COLOR;
  return control;
}

// Reads one picture's records in order; each frame is checked against the
// screen and the pixel budget from its descriptor, before its pixels are read.
class Decoder {
 public:
  Decoder(GifFileType& gif, const GifLimits& limits) : gif_(gif), limits_(limits) {}

  std::optional<DecodedGif> Run() {
    const QSize screen(gif_.SWidth, gif_.SHeight);
    if (screen.width() < 1 || screen.height() < 1 || screen.width() > limits_.side ||
        screen.height() > limits_.side)
      return std::nullopt;
    pixels_ = qint64(screen.width()) * screen.height();
    if (pixels_ > limits_.pixels)
      return std::nullopt;
    result_.screen = screen;
    for (;;) {
      GifRecordType type = UNDEFINED_RECORD_TYPE;
      if (DGifGetRecordType(&gif_, &type) == GIF_ERROR)
        return std::nullopt;
      if (type == TERMINATE_RECORD_TYPE)
        break;
      const bool read = type == IMAGE_DESC_RECORD_TYPE  ? ReadImage()
                        : type == EXTENSION_RECORD_TYPE ? ReadExtension()
                                                        : false;
      if (!read)
        return std::nullopt;
    }
    if (result_.frames.empty())
      return std::nullopt;
    result_.loopCount = loopCount_ >= 0 ? loopCount_ : 1;
    return std::move(result_);
  }

 private:
  bool ReadExtension() {
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(&gif_, &code, &block) == GIF_ERROR)
      return false;
    bool first = true;
    bool netscape = false;
    while (block) {
      const int length = block[0];
      if (code == GRAPHICS_EXT_FUNC_CODE && first) {
        control_ = NoControl();
        DGifExtensionToGCB(length, block + 1, &control_);  // a malformed block keeps no control
      } else if (code == APPLICATION_EXT_FUNC_CODE && first) {
        netscape = length == 11 && std::memcmp(block + 1, "NETSCAPE2.0", 11) == 0;
      } else if (netscape && loopCount_ < 0 && length >= 3) {
        loopCount_ = block[2] | (block[3] << 8);
      }
      first = false;
      if (DGifGetExtensionNext(&gif_, &block) == GIF_ERROR)
        return false;
    }
    return true;
  }

  bool ReadImage() {
    if (DGifGetImageDesc(&gif_) == GIF_ERROR)
      return false;
    const GraphicsControlBlock control = control_;
    control_ = NoControl();
    if (static_cast<int>(result_.frames.size()) >= limits_.frames)
      return SkipImageData();
    const GifImageDesc& desc = gif_.Image;
    const QRect area(desc.Left, desc.Top, desc.Width, desc.Height);
    if (area.isEmpty() || !QRect(QPoint(0, 0), result_.screen).contains(area))
      return false;
    pixels_ += qint64(area.width()) * area.height();
    if (pixels_ > limits_.pixels)
      return false;
    GifFrame frame;
    frame.offset = area.topLeft();
    frame.disposal = control.DisposalMode;
    frame.delayMs = control.DelayTime * 10;
    frame.image = QImage(area.size(), QImage::Format_Indexed8);
    if (frame.image.isNull())
      return false;
    frame.image.setColorTable(ColourTable(desc, control.TransparentColor));
    if (!ReadRows(frame.image, desc))
      return false;
    result_.frames.push_back(std::move(frame));
    return true;
  }

  // A frame keeps its colour indices, a quarter of the memory of its colours. Indices outside
  // the colour table and the transparent index stay see-through. Frames of one colour table and
  // transparent index share one table.
  QList<QRgb> ColourTable(const GifImageDesc& desc, int transparent) {
    const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif_.SColorMap;
    if (!desc.ColorMap && transparent == tableTransparent_ && !table_.isEmpty())
      return table_;
    QList<QRgb> table(256, qRgba(0, 0, 0, 0));
    for (int i = 0; map && i < std::min(map->ColorCount, 256); ++i) {
      if (i != transparent) {
        const GifColorType& c = map->Colors[i];
        table[i] = qRgb(c.Red, c.Green, c.Blue);
      }
    }
    if (!desc.ColorMap) {
      table_ = table;
      tableTransparent_ = transparent;
    }
    return table;
  }

  // The rows of an interlaced image come in four passes: every eighth row from
  // row 0, every eighth from row 4, every fourth from row 2, every second from row 1.
  bool ReadRows(QImage& image, const GifImageDesc& desc) {
    const int height = desc.Height;
    static constexpr int kStart[] = {0, 4, 2, 1};
    static constexpr int kStep[] = {8, 8, 4, 2};
    const int passes = desc.Interlace ? 4 : 1;
    for (int pass = 0; pass < passes; ++pass) {
      const int start = desc.Interlace ? kStart[pass] : 0;
      const int step = desc.Interlace ? kStep[pass] : 1;
      for (int y = start; y < height; y += step) {
        if (DGifGetLine(&gif_, image.scanLine(y), desc.Width) == GIF_ERROR)
          return false;
      }
    }
    return true;
  }

  bool SkipImageData() {
    int codeSize = 0;
    GifByteType* block = nullptr;
    if (DGifGetCode(&gif_, &codeSize, &block) == GIF_ERROR)
      return false;
    while (block) {
      if (DGifGetCodeNext(&gif_, &block) == GIF_ERROR)
        return false;
    }
    return true;
  }

  GifFileType& gif_;
  const GifLimits limits_;
  DecodedGif result_;
  GraphicsControlBlock control_ = NoControl();
  int loopCount_ = -1;
  qint64 pixels_ = 0;
  QList<QRgb> table_;  // of the global colour table, for `tableTransparent_`
  int tableTransparent_ = NO_TRANSPARENT_COLOR;
};

}  // namespace

std::optional<DecodedGif> DecodeGif(const QByteArray& data, const GifLimits& limits) {
  MemoryReader reader{&data, 0};
  int error = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&reader, ReadFromMemory, &error));
  if (!gif)
    return std::nullopt;
  return Decoder(*gif, limits).Run();
}
