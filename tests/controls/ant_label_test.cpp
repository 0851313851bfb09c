// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The shadowed label: its look by state under the mouse, and where its text,
// shadow and outline land when drawn.
#include "controls/ant_label.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <string>

#include "support/images.h"

using State = TantLabel::State;
using Style = TantLabel::HighLightStyle;

namespace {

void Mouse(TantLabel& label, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, at, at, button, held, Qt::NoModifier);
  QApplication::sendEvent(&label, &event);
}

// E the mouse enters, L leaves, P a button goes down on the label, O the held mouse is
// dragged out, I back in, R the button comes up; D disabled, N enabled; X made inactive.
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
  else if (event == 'X')
    label.SetActive(false);
  else
    label.setEnabled(event == 'N');
}

const Qt::CursorShape kCursors[] = {Qt::ArrowCursor, Qt::PointingHandCursor, Qt::CrossCursor,
                                    Qt::ForbiddenCursor};

}  // namespace

struct StateCase {
  const char* events;
  State expected;
  int enters, leaves;  // signals raised
};

class AntLabelStateTest : public ::testing::TestWithParam<StateCase> {};

TEST_P(AntLabelStateTest, FollowsTheMouse) {
  const StateCase c = GetParam();
  TantLabel label;
  label.resize(50, 20);
  for (State s : {State::Normal, State::Selected, State::Active, State::Disabled}) {
    label.SetCursors(s, kCursors[static_cast<int>(s)]);
    label.SetUnderLine(s, s == State::Selected);
  }
  QSignalSpy enters(&label, &TantLabel::OnMouseEnter);
  QSignalSpy leaves(&label, &TantLabel::OnMouseLeave);
  for (const char* event = c.events; *event; ++event)
    Send(label, *event);
  EXPECT_EQ(label.CurrentState(), c.expected);
  EXPECT_EQ(label.cursor().shape(), kCursors[static_cast<int>(c.expected)]);
  EXPECT_EQ(label.font().underline(), c.expected == State::Selected);
  EXPECT_EQ(enters.count(), c.enters);
  EXPECT_EQ(leaves.count(), c.leaves);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AntLabelStateTest,
    ::testing::Values(
        StateCase{"", State::Normal, 0, 0}, StateCase{"E", State::Selected, 1, 0},
        StateCase{"EL", State::Normal, 1, 1}, StateCase{"EP", State::Active, 1, 0},
        StateCase{"EPR", State::Selected, 1, 0},
        StateCase{"EPL", State::Selected, 1, 1},  // leaving while held
        StateCase{"EPLR", State::Normal, 1, 1},
        StateCase{"EPOI", State::Active, 2, 1},   // dragged out and back in
        StateCase{"EPORL", State::Normal, 1, 1},  // Qt's late leave
        StateCase{"LE", State::Selected, 1, 0}, StateCase{"XEP", State::Normal, 1, 0},
        StateCase{"XEPL", State::Normal, 1, 1}, StateCase{"XD", State::Disabled, 0, 0},
        StateCase{"EDL", State::Disabled, 1, 1}, StateCase{"EDP", State::Disabled, 1, 0},
        StateCase{"DE", State::Disabled, 1, 0}, StateCase{"EDNL", State::Normal, 1, 1},
        StateCase{"EDNPR", State::Selected, 1, 0}),
    [](const auto& info) { return *info.param.events ? info.param.events : "Nothing"; });

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

// A label with the look the drawing tests measure against.
void Prepare(TantLabel& label, const QString& caption, Qt::Alignment alignment, QSize size) {
  label.setFont(PlainFont());
  label.SetAutoSize(false);
  label.resize(size);
  label.SetCaption(caption);
  label.SetAlignment(alignment);
  QPalette palette = label.palette();
  palette.setColor(QPalette::Window, kBackground);
  label.setPalette(palette);
  label.SetColorFront(State::Normal, kFront);
  label.SetColorBack(State::Normal, kShadow);
  label.SetHighLightColor(State::Normal, kOutline);
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

// The text drawn at `text` in `front`, with its shadow at `shadow` and the outline of `style`.
QImage Expected(const QImage& pixels, QPoint text, QRgb front, std::optional<QPoint> shadow,
                QRgb back, std::optional<Style> style) {
  QImage expected(kSize, QImage::Format_ARGB32);
  expected.fill(kBackground);
  if (shadow)
    Paint(expected, pixels, *shadow, back);
  for (int x = -1; x <= 1; ++x) {
    for (int y = -1; y <= 1; ++y) {
      const Style unwanted = x != 0 && y != 0 ? Style::hlsNormal : Style::hlsDiagonal;
      if (style && *style != unwanted && (x != 0 || y != 0))
        Paint(expected, pixels, text + QPoint(x, y), kOutline);
    }
  }
  Paint(expected, pixels, text, front);
  return expected;
}

}  // namespace

struct DrawCase {
  const char* name;
  Qt::Alignment alignment;
  int depthX, depthY;  // Color3dXDepth, Color3dYDepth
  std::optional<Style> outline;
  QPoint text;                   // where the text moves
  std::optional<QPoint> shadow;  // where the shadow goes, if drawn
};

class AntLabelDrawTest : public ::testing::TestWithParam<DrawCase> {};

TEST_P(AntLabelDrawTest, ShadowOutlineAndTextLandWhereExpected) {
  const DrawCase c = GetParam();
  TantLabel label;
  Prepare(label, "Ay&z", c.alignment, kSize);
  label.SetColor3dDepth(c.depthX, c.depthY);
  label.SetHighLight(State::Normal, c.outline.has_value());
  label.SetHighLightStyle(c.outline.value_or(Style::hlsNormal));
  // Centred text first gives up |X| pixels on the right.
  const QSize narrowed =
      c.alignment == Qt::AlignHCenter ? kSize - QSize(std::abs(c.depthX), 0) : kSize;
  const auto text = BareText("Ay&z", c.alignment, narrowed);
  EXPECT_EQ(
      ImageDifference(Render(label), Expected(text, c.text, kFront, c.shadow, kShadow, c.outline)),
      "");
}

using D = DrawCase;
constexpr Style kPlain = Style::hlsNormal, kDiagonal = Style::hlsDiagonal, kFull = Style::hlsFull;
constexpr Qt::Alignment kLeft = Qt::AlignLeft, kRight = Qt::AlignRight, kCentre = Qt::AlignHCenter;
const std::nullopt_t kNone = std::nullopt;
INSTANTIATE_TEST_SUITE_P(
    Table, AntLabelDrawTest,
    ::testing::Values(D{"LeftDeep", kLeft, 3, 2, kNone, {0, 0}, QPoint(3, 2)},
                      D{"LeftNegative", kLeft, -2, -3, kNone, {2, 3}, QPoint(0, 0)},
                      D{"RightPositive", kRight, 2, 1, kNone, {-2, 0}, QPoint(0, 1)},
                      D{"RightNegative", kRight, -2, -1, kNone, {0, 1}, QPoint(-2, 0)},
                      D{"NoDepthNoShadow", kLeft, 0, 0, kNone, {0, 0}, kNone},
                      D{"CentredOutlineNormal", kCentre, 1, 1, kPlain, {0, 0}, QPoint(1, 1)},
                      D{"OutlineDiagonal", kLeft, 1, 1, kDiagonal, {0, 0}, QPoint(1, 1)},
                      D{"OutlineFull", kCentre, 2, 2, kFull, {0, 0}, QPoint(2, 2)},
                      D{"CentredNegative", kCentre, -3, 2, kNone, {3, 0}, QPoint(0, 2)}),
    [](const auto& info) { return std::string(info.param.name); });

// The look the castle page gives its story under the mouse, over what is behind it.
TEST(AntLabelDraw, EachStateDrawsInItsOwnColoursAndTransparentLeavesWhatIsBehind) {
  TantLabel label;
  Prepare(label, "Ay", Qt::AlignLeft, kSize);
  label.SetColorFront(State::Selected, qRgb(255, 255, 255));
  label.SetColorBack(State::Selected, qRgb(0, 0, 128));
  label.SetHighLight(State::Selected, true);
  label.SetHighLightColor(State::Selected, kOutline);
  Send(label, 'E');
  const auto text = BareText("Ay", Qt::AlignLeft, kSize);
  const QImage selected =
      Expected(text, {0, 0}, qRgb(255, 255, 255), QPoint(1, 1), qRgb(0, 0, 128), kPlain);
  EXPECT_EQ(ImageDifference(Render(label), selected), "");
  const QRgb behind = qRgb(0, 128, 0);
  const QPoint corner(kSize.width() - 1, kSize.height() - 1);
  EXPECT_EQ(Render(label, behind).pixel(corner), kBackground);
  label.SetTransparent(true);
  EXPECT_EQ(Render(label, behind).pixel(corner), behind);
}

// --- sizing to the text -----------------------------------------------------

// The castle page's story: wrapped in a label of a fixed size. Sized to its text, a label
// takes the text plus the outline margins, and a wrapped one grows down.
TEST(AntLabelSize, WrappedTextBreaksIntoLinesAndAutoSizeFitsTheText) {
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
  label.SetAutoSize(true);
  EXPECT_LE(label.width(), 90);
  EXPECT_GT(label.height(), 2 * lineHeight);
  label.SetWordWrap(false);
  label.SetCaption(" ");
  const QSize space = label.size();
  label.SetCaption("");
  EXPECT_EQ(label.size(), space) << "an empty caption measures as a space";
  label.SetHighLightDepth(3, 2);
  EXPECT_EQ(label.size(), space + QSize(4, 2));
  label.SetCaption("Hola");
  EXPECT_GT(label.width(), QFontMetrics(PlainFont()).horizontalAdvance("Hol") + 6);
  EXPECT_LT(label.width(), 90);
}
