// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gif_builder.h"

#include <gif_lib.h>

#include <stdexcept>

namespace {

int WriteToArray(GifFileType* gif, const GifByteType* bytes, int length) {
  static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), length);
  return length;
}

// giflib wants tables of a power of two entries; the rest is black.
ColorMapObject* MakeTable(const std::vector<QRgb>& colours) {
  if (colours.empty())
    return nullptr;
  int size = 2;
  while (size < static_cast<int>(colours.size()))
    size *= 2;
  std::vector<GifColorType> entries(size, GifColorType{0, 0, 0});
  for (size_t i = 0; i < colours.size(); ++i) {
    entries[i] = GifColorType{static_cast<GifByteType>(qRed(colours[i])),
                              static_cast<GifByteType>(qGreen(colours[i])),
                              static_cast<GifByteType>(qBlue(colours[i]))};
  }
  return GifMakeMapObject(size, entries.data());
}

void Check(int result, const char* what) {
  if (result != GIF_OK)
    throw std::runtime_error(what);
}

void PutLoopCount(GifFileType* gif, int loops) {
  Check(EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE), "loop leader");
  Check(EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0"), "loop name");
  const unsigned char count[] = {1, static_cast<unsigned char>(loops & 0xff),
                                 static_cast<unsigned char>(loops >> 8)};
  Check(EGifPutExtensionBlock(gif, 3, count), "loop count");
  Check(EGifPutExtensionTrailer(gif), "loop trailer");
}

void PutFrame(GifFileType* gif, const GifFrameDescription& frame) {
  GraphicsControlBlock control{};
  control.DisposalMode = frame.disposal;
  control.DelayTime = frame.delayCs;
  control.TransparentColor = NO_TRANSPARENT_COLOR;
  GifByteType extension[4];
  const size_t length = EGifGCBToExtension(&control, extension);
  Check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension),
        "control block");
  const QRect& a = frame.area;
  Check(EGifPutImageDesc(gif, a.x(), a.y(), a.width(), a.height(), false, nullptr), "image");
  std::vector<GifPixelType> pixels(frame.pixels.begin(), frame.pixels.end());
  for (int y = 0; y < a.height(); ++y)
    Check(EGifPutLine(gif, pixels.data() + y * a.width(), a.width()), "line");
}

}  // namespace

GifFrameDescription SolidFrame(const QRect& area, uint8_t colour, int disposal, int delayCs) {
  GifFrameDescription frame;
  frame.area = area;
  frame.pixels.assign(area.width() * area.height(), colour);
  frame.disposal = disposal;
  frame.delayCs = delayCs;
  return frame;
}

QByteArray BuildGif(const GifDescription& picture) {
  QByteArray bytes;
  int error = 0;
  GifFileType* gif = EGifOpen(&bytes, WriteToArray, &error);
  EGifSetGifVersion(gif, true);
  ColorMapObject* global = MakeTable(picture.colours);
  Check(EGifPutScreenDesc(gif, picture.screen.width(), picture.screen.height(), 8, 0, global),
        "screen");
  GifFreeMapObject(global);
  if (picture.loopCount)
    PutLoopCount(gif, *picture.loopCount);
  for (const GifFrameDescription& frame : picture.frames)
    PutFrame(gif, frame);
  Check(EGifCloseFile(gif, &error), "close");
  return bytes;
}
