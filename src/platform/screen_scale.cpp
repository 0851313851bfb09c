// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/screen_scale.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

namespace {

constexpr double kStep = 0.05;
bool factorSetHere = false;
// Open until the application object has its own connection: an X server with
// no other client resets when its last client leaves, and would refuse the
// program's connection while it does.
xcb_connection_t* probeConnection = nullptr;

// The area of the X screen that windows may use: the desktop's work area
// (the screen less its panels) when a window manager publishes one, else the
// whole root window. Asked straight of the X server: an application object
// would cost a whole second start of the window system's connection.
QSize XAvailableSize() {
  int screenNumber = 0;
  xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
  probeConnection = connection;
  if (xcb_connection_has_error(connection))
    return {};
  xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
  for (int i = 0; i < screenNumber && screens.rem; ++i)
    xcb_screen_next(&screens);
  if (!screens.rem)
    return {};
  const xcb_screen_t* screen = screens.data;
  QSize size(screen->width_in_pixels, screen->height_in_pixels);

  const char kWorkArea[] = "_NET_WORKAREA";
  std::unique_ptr<xcb_intern_atom_reply_t, void (*)(void*)> atom(
      xcb_intern_atom_reply(
          connection, xcb_intern_atom(connection, 1, std::strlen(kWorkArea), kWorkArea), nullptr),
      std::free);
  if (!atom || atom->atom == XCB_ATOM_NONE)
    return size;
  std::unique_ptr<xcb_get_property_reply_t, void (*)(void*)> area(
      xcb_get_property_reply(
          connection,
          xcb_get_property(connection, 0, screen->root, atom->atom, XCB_ATOM_CARDINAL, 0, 4),
          nullptr),
      std::free);
  // x, y, width, height of the first desktop.
  if (area && area->format == 32 && xcb_get_property_value_length(area.get()) >= 16) {
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(area.get()));
    if (values[2] > 0 && values[3] > 0)
      size = QSize(static_cast<int>(values[2]), static_cast<int>(values[3]));
  }
  return size;
}

// Whether Qt will draw through the X server (its default on Debian's desktops).
bool UsesX() {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  return qEnvironmentVariableIsSet("DISPLAY") && (platform.isEmpty() || platform.startsWith("xcb"));
}

}  // namespace

double ScaleFactorFor(QSize available, QSize window) {
  if (available.width() <= 0 || available.height() <= 0 || window.isEmpty())
    return 1.0;
  const double fit = std::min(static_cast<double>(available.width()) / window.width(),
                              static_cast<double>(available.height()) / window.height());
  // A small margin keeps 1.8 from becoming 1.75 through rounding of 1080/600.
  const double stepped = std::floor(fit / kStep + 1e-9) * kStep;
  return std::max(1.0, stepped);
}

double ChooseScaleFactor(int& argc, char** argv, QSize window) {
  if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
    return qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
  QSize available;
  if (UsesX()) {
    available = XAvailableSize();
  } else {
    // Elsewhere only an application object can ask the window system for its
    // screens; this one lives just long enough to ask.
    QGuiApplication probe(argc, argv);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
      available = screen->availableGeometry().size();
  }
  const double factor = ScaleFactorFor(available, window);
  if (factor > 1.0) {
    qputenv("QT_SCALE_FACTOR", QByteArray::number(factor, 'f', 2));
    factorSetHere = true;
  }
  return factor;
}

void ReleaseScaleProbe() {
  if (factorSetHere)
    qunsetenv("QT_SCALE_FACTOR");
  factorSetHere = false;
  if (probeConnection)
    xcb_disconnect(probeConnection);
  probeConnection = nullptr;
}
