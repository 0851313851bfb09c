// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The shadowed label: its look by state under the mouse, and where its text,
// shadow and outline land when drawn.
#include "controls/ant_label.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <string>

#include "support/images.h"

using State = TantLabel::State;

namespace {

void Mouse(TantLabel& label, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, at, at, button, held, Qt::NoModifier);
  QApplication::sendEvent(&label, &event);
}

// E the mouse enters, L leaves, P a button goes down on the label, O the held mouse is
// dragged out, I back in, R the button comes up.
void Send(TantLabel& label, char event) {
  const QPoint inside(3, 3);
  QEnterEvent enter(inside, inside, inside);
  QEvent leave(QEvent::Leave);
  if (event == 'E')
    QApplication::sendEvent(&label, &enter);
  else if (event == 'L')
    QApplication::sendEvent(&label, &leave);
  else if (event == 'P')
    Mouse(label, QEvent::MouseButtonPress, inside, Qt::LeftButton);
  else if (event == 'O' || event == 'I')
    Mouse(label, QEvent::MouseMove, event == 'O' ? QPoint(-5, -5) : inside, Qt::LeftButton);
  else if (event == 'R')
    Mouse(label, QEvent::MouseButtonRelease, inside, Qt::NoButton);
}

}  // namespace

TEST(AntLabelStateTest, FollowsTheMouse) {
  const std::pair<const char*, State> cases[] = {
      {"", State::Normal},      {"E", State::Selected},
      {"EL", State::Normal},    {"EP", State::Active},
      {"EPR", State::Selected}, {"EPL", State::Selected},  // leaving while held
      {"EPLR", State::Normal},  {"EPOI", State::Active},   // dragged out and back in
      {"EPORL", State::Normal},                            // Qt's late leave
      {"LE", State::Selected}};
  for (const auto& [events, expected] : cases) {
    TantLabel label;
    label.resize(50, 20);
    for (const char* event = events; *event; ++event)
      Send(label, *event);
    EXPECT_EQ(label.CurrentState(), expected) << events;
  }
}

// --- drawing ----------------------------------------------------------------

namespace {

const QRgb kBackground = qRgb(0, 0, 0);
const QRgb kFront = qRgb(255, 255, 0);
const QRgb kShadow = qRgb(0, 0, 255);
const QRgb kOutline = qRgb(255, 0, 0);
const QSize kSize(120, 40);

QFont PlainFont() {
  QFont font("Liberation Sans");
  font.setPixelSize(22);
  font.setBold(true);
  font.setStyleStrategy(QFont::NoAntialias);  // every pixel is one colour or another
  return font;
}

QImage Render(QWidget& widget, QRgb under = kBackground) {
  QImage image(widget.size(), QImage::Format_ARGB32);
  image.fill(under);
  widget.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
  return image;
}

// A label with the look the drawing tests measure against, in `state`.
void Prepare(TantLabel& label, const QString& caption, Qt::Alignment alignment, QSize size,
             State state = State::Normal) {
  label.setFont(PlainFont());
  label.SetAutoSize(false);
  label.resize(size);
  label.SetCaption(caption);
  label.SetAlignment(alignment);
  QPalette palette = label.palette();
  palette.setColor(QPalette::Window, kBackground);
  label.setPalette(palette);
  label.SetColorFront(state, kFront);
  label.SetColorBack(state, kShadow);
  label.SetHighLightColor(state, kOutline);
}

// The bare text, drawn without shadow or outline.
QImage BareText(const QString& caption, Qt::Alignment alignment, QSize size) {
  TantLabel label;
  Prepare(label, caption, alignment, size);
  label.SetColor3d(false);
  return Render(label);
}

// Paints `colour` where `text` has text, moved by `offset`.
void Paint(QImage& image, const QImage& text, QPoint offset, QRgb colour) {
  for (int y = 0; y < text.height(); ++y) {
    for (int x = 0; x < text.width(); ++x) {
      if (text.pixel(x, y) == kFront && image.rect().contains(QPoint(x, y) + offset))
        image.setPixel(QPoint(x, y) + offset, colour);
    }
  }
}

// The text drawn at `text`, with its shadow at `shadow` and an outline one pixel around it.
QImage Expected(const QImage& pixels, QPoint text, std::optional<QPoint> shadow, bool outline) {
  QImage expected(kSize, QImage::Format_ARGB32);
  expected.fill(kBackground);
  if (shadow)
    Paint(expected, pixels, *shadow, kShadow);
  for (const QPoint around : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)}) {
    if (outline)
      Paint(expected, pixels, text + around, kOutline);
  }
  Paint(expected, pixels, text, kFront);
  return expected;
}

}  // namespace

struct DrawCase {
  const char* name;
  Qt::Alignment alignment;
  int depthX, depthY;  // Color3dXDepth, Color3dYDepth
  bool outline;
  QPoint text;                   // where the text moves
  std::optional<QPoint> shadow;  // where the shadow goes, if drawn
};

class AntLabelDrawTest : public ::testing::TestWithParam<DrawCase> {};

// Drawn in the look of the state under the mouse, as the castle page's story is; opaque it
// covers what is behind it, transparent it leaves it.
TEST_P(AntLabelDrawTest, ShadowOutlineAndTextLandWhereExpected) {
  const DrawCase c = GetParam();
  TantLabel label;
  Prepare(label, "Ay&z", c.alignment, kSize, State::Selected);
  Send(label, 'E');
  label.SetColor3dDepth(c.depthX, c.depthY);
  label.SetHighLight(State::Selected, c.outline);
  // Centred text first gives up |X| pixels on the right.
  const QSize narrowed =
      c.alignment == Qt::AlignHCenter ? kSize - QSize(std::abs(c.depthX), 0) : kSize;
  const auto text = BareText("Ay&z", c.alignment, narrowed);
  const QRgb behind = qRgb(0, 128, 0);
  EXPECT_EQ(ImageDifference(Render(label, behind), Expected(text, c.text, c.shadow, c.outline)),
            "");
  label.SetTransparent(true);
  EXPECT_EQ(Render(label, behind).pixel(kSize.width() - 1, kSize.height() - 1), behind);
}

using D = DrawCase;
constexpr Qt::Alignment kLeft = Qt::AlignLeft, kCentre = Qt::AlignHCenter;
const std::nullopt_t kNone = std::nullopt;
INSTANTIATE_TEST_SUITE_P(
    Table, AntLabelDrawTest,
    ::testing::Values(D{"LeftDeep", kLeft, 3, 2, false, {0, 0}, QPoint(3, 2)},
                      D{"LeftNegative", kLeft, -2, -3, false, {2, 3}, QPoint(0, 0)},
                      D{"NoDepthNoShadow", kLeft, 0, 0, false, {0, 0}, kNone},
                      D{"CentredOutlined", kCentre, 1, 1, true, {0, 0}, QPoint(1, 1)},
                      D{"CentredNegative", kCentre, -3, 2, false, {3, 0}, QPoint(0, 2)}),
    [](const auto& info) { return std::string(info.param.name); });

// --- wrapping ---------------------------------------------------------------

// The castle page's story: wrapped in a label of a fixed size.
TEST(AntLabelSize, WrappedTextBreaksIntoLinesInsideTheLabel) {
  TantLabel label;
  Prepare(label, "uno dos tres cuatro", Qt::AlignLeft, QSize(90, 120));
  label.SetColor3d(false);
  const int lineHeight = QFontMetrics(PlainFont()).height();
  const auto lowestText = [&] {
    const QImage image = Render(label);
    int lowest = -1;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x)
        lowest = image.pixel(x, y) == kFront ? y : lowest;
    }
    return lowest;
  };
  EXPECT_LT(lowestText(), lineHeight);
  label.SetWordWrap(true);
  EXPECT_GT(lowestText(), 2 * lineHeight);
  EXPECT_EQ(label.size(), QSize(90, 120));
}
