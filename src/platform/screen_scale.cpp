#include "platform/screen_scale.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kDesignWidth = 800;
constexpr int kDesignHeight = 600;
constexpr double kStep = 0.05;
bool factorSetHere = false;

}  // namespace

double ScaleFactorFor(QSize available) {
  if (available.width() <= 0 || available.height() <= 0)
    return 1.0;
  const double fit = std::min(static_cast<double>(available.width()) / kDesignWidth,
                              static_cast<double>(available.height()) / kDesignHeight);
  // A small margin keeps 1.8 from becoming 1.75 through rounding of 1080/600.
  const double stepped = std::floor(fit / kStep + 1e-9) * kStep;
  return std::max(1.0, stepped);
}

double ChooseScaleFactor(int& argc, char** argv) {
  if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
    return qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
  QSize available;
  {
    // Only an application object can ask the window system for its screens;
    // this one lives just long enough to ask.
    QGuiApplication probe(argc, argv);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
      available = screen->availableGeometry().size();
  }
  const double factor = ScaleFactorFor(available);
  if (factor > 1.0) {
    qputenv("QT_SCALE_FACTOR", QByteArray::number(factor, 'f', 2));
    factorSetHere = true;
  }
  return factor;
}

void ForgetScaleFactorForChildren() {
  if (factorSetHere)
    qunsetenv("QT_SCALE_FACTOR");
  factorSetHere = false;
}
