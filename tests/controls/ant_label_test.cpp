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
#include <set>
#include <string>

#include "support/images.h"

using State = TantLabel::State;
using Style = TantLabel::HighLightStyle;

namespace {

const QPoint kInside(3, 3);
const QPoint kOutside(-5, -5);

void Mouse(TantLabel& label, QEvent::Type type, QPoint at, Qt::MouseButton button,
           Qt::MouseButtons held) {
  QMouseEvent event(type, at, at, button, held, Qt::NoModifier);
  QApplication::sendEvent(&label, &event);
}

void Send(TantLabel& label, char event) {
  QEnterEvent enter(kInside, kInside, kInside);
  QEvent leave(QEvent::Leave);
  switch (event) {
    case 'E':  // the mouse enters
      QApplication::sendEvent(&label, &enter);
      break;
    case 'L':  // the mouse leaves
      QApplication::sendEvent(&label, &leave);
      break;
    case 'P':  // a button goes down on the label
      Mouse(label, QEvent::MouseButtonPress, kInside, Qt::LeftButton, Qt::LeftButton);
      break;
    case 'O':  // the held mouse is dragged out
    case 'I':  // and back in
      Mouse(label, QEvent::MouseMove, event == 'O' ? kOutside : kInside, Qt::NoButton,
            Qt::LeftButton);
      break;
    case 'R':  // the button comes up
      Mouse(label, QEvent::MouseButtonRelease, kInside, Qt::LeftButton, Qt::NoButton);
      break;
    case 'D':
    case 'N':  // disabled, enabled again
      label.setEnabled(event == 'N');
      break;
  }
}

const Qt::CursorShape kCursors[] = {Qt::ArrowCursor, Qt::PointingHandCursor, Qt::CrossCursor,
                                    Qt::ForbiddenCursor};

}  // namespace

struct StateCase {
  const char* events;
  bool active;
  State expected;
  int enters;
  int leaves;
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
  label.SetActive(c.active);
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
        StateCase{"", true, State::Normal, 0, 0}, StateCase{"E", true, State::Selected, 1, 0},
        StateCase{"EL", true, State::Normal, 1, 1}, StateCase{"EP", true, State::Active, 1, 0},
        StateCase{"EPR", true, State::Selected, 1, 0}, StateCase{"EPRL", true, State::Normal, 1, 1},
        StateCase{"EPL", true, State::Selected, 1, 1},  // leaving while held
        StateCase{"EPLR", true, State::Normal, 1, 1},
        StateCase{"EPO", true, State::Selected, 1, 1},  // dragged out
        StateCase{"EPOI", true, State::Active, 2, 1},   // and back in
        StateCase{"EPORL", true, State::Normal, 1, 1},  // Qt's late leave
        StateCase{"EPLE", true, State::Active, 2, 1}, StateCase{"LE", true, State::Selected, 1, 0},
        StateCase{"E", false, State::Normal, 1, 0}, StateCase{"EP", false, State::Normal, 1, 0},
        StateCase{"EPL", false, State::Normal, 1, 1}, StateCase{"EPR", false, State::Normal, 1, 0},
        StateCase{"D", true, State::Disabled, 0, 0}, StateCase{"D", false, State::Disabled, 0, 0},
        StateCase{"ED", true, State::Disabled, 1, 0}, StateCase{"EDL", true, State::Disabled, 1, 1},
        StateCase{"EDP", true, State::Disabled, 1, 0}, StateCase{"DE", true, State::Disabled, 1, 0},
        StateCase{"EDN", true, State::Normal, 1, 0},  // enabled again: Normal
        StateCase{"EDNL", true, State::Normal, 1, 1},
        StateCase{"EDNPR", true, State::Selected, 1, 0}),
    [](const ::testing::TestParamInfo<StateCase>& info) {
      const std::string events = *info.param.events ? info.param.events : "Nothing";
      return events + (info.param.active ? "_Active_" : "_Inactive_") + std::to_string(info.index);
    });

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

void SetBackground(QWidget& widget, QRgb colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, colour);
  widget.setPalette(palette);
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
  SetBackground(label, kBackground);
  label.SetColorFront(State::Normal, kFront);
  label.SetColorBack(State::Normal, kShadow);
  label.SetHighLightColor(State::Normal, kOutline);
}

// The pixels of the bare text, drawn without shadow or outline.
std::set<std::pair<int, int>> TextPixels(const QString& caption, Qt::Alignment alignment,
                                         QSize size) {
  TantLabel label;
  Prepare(label, caption, alignment, size);
  label.SetColor3d(false);
  const QImage image = Render(label);
  std::set<std::pair<int, int>> pixels;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) == kFront)
        pixels.insert({x, y});
    }
  }
  return pixels;
}

void Paint(QImage& image, const std::set<std::pair<int, int>>& pixels, QPoint offset, QRgb colour) {
  for (const auto& [x, y] : pixels) {
    const QPoint at = QPoint(x, y) + offset;
    if (image.rect().contains(at))
      image.setPixel(at, colour);
  }
}

std::vector<QPoint> OutlineOffsets(Style style, int x, int y) {
  const std::vector<QPoint> straight = {{0, -y}, {0, y}, {-x, 0}, {x, 0}};
  const std::vector<QPoint> diagonal = {{-x, -y}, {x, -y}, {x, y}, {-x, y}};
  if (style == Style::hlsNormal)
    return straight;
  if (style == Style::hlsDiagonal)
    return diagonal;
  std::vector<QPoint> both = straight;
  both.insert(both.end(), diagonal.begin(), diagonal.end());
  return both;
}

}  // namespace

struct DrawCase {
  const char* name;
  Qt::Alignment alignment;
  int depthX, depthY;  // Color3dXDepth, Color3dYDepth
  bool highLight;
  Style style;
  QPoint text;    // where the text moves
  QPoint shadow;  // where the shadow goes
  bool shadowDrawn;
};

class AntLabelDrawTest : public ::testing::TestWithParam<DrawCase> {};

TEST_P(AntLabelDrawTest, ShadowOutlineAndTextLandWhereExpected) {
  const DrawCase c = GetParam();
  TantLabel label;
  Prepare(label, "Ay&z", c.alignment, kSize);
  label.SetColor3dDepth(c.depthX, c.depthY);
  label.SetHighLight(State::Normal, c.highLight);
  label.SetHighLightStyle(c.style);
  // Centred text first gives up |X| pixels on the right.
  const QSize narrowed =
      c.alignment == Qt::AlignHCenter ? kSize - QSize(std::abs(c.depthX), 0) : kSize;
  const auto text = TextPixels("Ay&z", c.alignment, narrowed);
  ASSERT_GT(text.size(), 50u);

  QImage expected(kSize, QImage::Format_ARGB32);
  expected.fill(kBackground);
  if (c.shadowDrawn)
    Paint(expected, text, c.shadow, kShadow);
  if (c.highLight) {
    for (const QPoint& offset : OutlineOffsets(c.style, 1, 1))
      Paint(expected, text, c.text + offset, kOutline);
  }
  Paint(expected, text, c.text, kFront);
  EXPECT_EQ(ImageDifference(Render(label), expected), "");
}

using D = DrawCase;
constexpr Style kPlain = Style::hlsNormal, kDiagonal = Style::hlsDiagonal, kFull = Style::hlsFull;
constexpr Qt::Alignment kLeft = Qt::AlignLeft, kRight = Qt::AlignRight, kCentre = Qt::AlignHCenter;
INSTANTIATE_TEST_SUITE_P(
    Table, AntLabelDrawTest,
    ::testing::Values(D{"LeftDefault", kLeft, 1, 1, false, kPlain, {0, 0}, {1, 1}, 1},
                      D{"LeftDeep", kLeft, 3, 2, false, kPlain, {0, 0}, {3, 2}, 1},
                      D{"LeftNegative", kLeft, -2, -3, false, kPlain, {2, 3}, {0, 0}, 1},
                      D{"RightPositive", kRight, 2, 1, false, kPlain, {-2, 0}, {0, 1}, 1},
                      D{"RightNegative", kRight, -2, -1, false, kPlain, {0, 1}, {-2, 0}, 1},
                      D{"CentredPositive", kCentre, 2, 1, false, kPlain, {0, 0}, {2, 1}, 1},
                      D{"CentredNegative", kCentre, -3, 2, false, kPlain, {3, 0}, {0, 2}, 1},
                      D{"OnlyDown", kLeft, 0, 2, false, kPlain, {0, 0}, {0, 2}, 1},
                      D{"NoDepthNoShadow", kLeft, 0, 0, false, kPlain, {0, 0}, {0, 0}, 0},
                      D{"OutlineNormal", kLeft, 1, 1, true, kPlain, {0, 0}, {1, 1}, 1},
                      D{"OutlineDiagonal", kLeft, 1, 1, true, kDiagonal, {0, 0}, {1, 1}, 1},
                      D{"OutlineFull", kCentre, 2, 2, true, kFull, {0, 0}, {2, 2}, 1},
                      D{"OutlineWithoutShadow", kRight, 0, 0, true, kFull, {0, 0}, {0, 0}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// The label at rest with its text at the origin: shadow one pixel down and right under a
// plain outline.
QImage PlainLook(const QString& caption, QRgb shadow, QRgb outline, QRgb front) {
  const auto text = TextPixels(caption, Qt::AlignLeft, kSize);
  QImage expected(kSize, QImage::Format_ARGB32);
  expected.fill(kBackground);
  Paint(expected, text, {1, 1}, shadow);
  for (const QPoint& offset : OutlineOffsets(Style::hlsNormal, 1, 1))
    Paint(expected, text, offset, outline);
  Paint(expected, text, {0, 0}, front);
  return expected;
}

TEST(AntLabelDraw, EachStateDrawsInItsOwnColoursAndAFlatDisabledLabelIsEmbossed) {
  TantLabel label;
  Prepare(label, "Ay", Qt::AlignLeft, kSize);
  label.SetColorFront(State::Selected, qRgb(255, 255, 255));
  label.SetColorBack(State::Selected, qRgb(0, 0, 128));
  label.SetHighLight(State::Selected, true);
  label.SetHighLightColor(State::Selected, qRgb(255, 0, 0));
  Send(label, 'E');
  EXPECT_EQ(ImageDifference(Render(label),
                            PlainLook("Ay", qRgb(0, 0, 128), qRgb(255, 0, 0), qRgb(255, 255, 255))),
            "");

  TantLabel flat;
  Prepare(flat, "Ay", Qt::AlignLeft, kSize);
  flat.SetColor3d(false);
  flat.SetHighLight(State::Disabled, true);
  flat.SetHighLightColor(State::Disabled, kOutline);
  flat.setEnabled(false);
  const QPalette& palette = flat.palette();
  EXPECT_EQ(ImageDifference(Render(flat), PlainLook("Ay", palette.color(QPalette::Light).rgb(),
                                                    kOutline, palette.color(QPalette::Dark).rgb())),
            "");
}

TEST(AntLabelDraw, TransparentLeavesWhatIsBehind) {
  const QRgb behind = qRgb(0, 128, 0);
  for (bool transparent : {false, true}) {
    TantLabel label;
    Prepare(label, "Ay", Qt::AlignLeft, kSize);
    label.SetTransparent(transparent);
    const QImage image = Render(label, behind);
    const QPoint corner(kSize.width() - 1, kSize.height() - 1);
    EXPECT_EQ(image.pixel(corner), transparent ? behind : kBackground) << transparent;
  }
}

// Rows holding any text pixel.
int TextRows(const QString& caption, bool wrap) {
  TantLabel label;
  Prepare(label, caption, Qt::AlignLeft, QSize(90, 120));
  label.SetWordWrap(wrap);
  label.SetColor3d(false);
  const QImage image = Render(label);
  int lowest = -1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) == kFront)
        lowest = y;
    }
  }
  return lowest;
}

TEST(AntLabelDraw, WordWrapBreaksLongTextIntoLines) {
  const QString caption = "uno dos tres cuatro";
  const int lineHeight = QFontMetrics(PlainFont()).height();
  EXPECT_LT(TextRows(caption, false), lineHeight);
  EXPECT_GT(TextRows(caption, true), 2 * lineHeight);
}

TEST(AntLabelDraw, AmpersandMarksTheAcceleratorInsteadOfShowing) {
  // "&z" draws as an underlined z, as wide as "z" alone (the underline may pass
  // a glyph's edge by a pixel); "&&" shows one ampersand.
  const auto rightmost = [](const QString& caption) {
    int right = -1;
    for (const auto& pixel : TextPixels(caption, Qt::AlignLeft, kSize))
      right = std::max(right, pixel.first);
    return right;
  };
  EXPECT_NEAR(rightmost("A&z"), rightmost("Az"), 1);
  EXPECT_NE(TextPixels("A&z", Qt::AlignLeft, kSize), TextPixels("Az", Qt::AlignLeft, kSize));
  EXPECT_GT(rightmost("A&&z"), rightmost("Az") + 5);
}

// --- sizing to the text -----------------------------------------------------

TEST(AntLabelSize, AutoSizeFitsTheTextPlusTheOutlineMargins) {
  TantLabel label;
  label.setFont(PlainFont());
  label.setGeometry(100, 10, 300, 300);
  label.SetCaption("Hola");
  const QSize one = label.size();
  EXPECT_EQ(label.pos(), QPoint(100, 10));
  EXPECT_LT(one.width(), 300);
  EXPECT_GT(one.width(), QFontMetrics(PlainFont()).horizontalAdvance("Hol"));
  label.SetHighLightDepth(3, 2);
  EXPECT_EQ(label.size(), one + QSize(4, 2));
  label.SetCaption("Hola Hola");
  EXPECT_GT(label.width(), one.width() + 4);
  EXPECT_EQ(label.height(), one.height() + 2);
}

TEST(AntLabelSize, AnEmptyCaptionMeasuresAsOneSpace) {
  TantLabel empty;
  TantLabel space;
  for (TantLabel* label : {&empty, &space})
    label->setFont(PlainFont());
  empty.SetCaption("");
  space.SetCaption(" ");
  EXPECT_EQ(empty.size(), space.size());
  EXPECT_GT(empty.width(), 2);
  EXPECT_GT(empty.height(), 2);
}

TEST(AntLabelSize, RightAlignedLabelKeepsItsRightEdge) {
  for (Qt::Alignment alignment : {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight}) {
    TantLabel label;
    label.setFont(PlainFont());
    label.SetAlignment(alignment);
    label.setGeometry(100, 10, 300, 40);
    label.SetCaption("Hola");
    if (alignment == Qt::AlignRight)
      EXPECT_EQ(label.geometry().right(), 399);
    else
      EXPECT_EQ(label.x(), 100) << alignment;
    EXPECT_LT(label.width(), 300);
  }
}

TEST(AntLabelSize, WrappedLabelGrowsDownAndAutoSizeOffKeepsTheSize) {
  TantLabel label;
  label.setFont(PlainFont());
  label.resize(90, 10);
  label.SetWordWrap(true);
  label.SetCaption("uno dos tres cuatro");
  EXPECT_LE(label.width(), 90);
  EXPECT_GT(label.height(), 2 * QFontMetrics(PlainFont()).height());
  label.SetAutoSize(false);
  label.resize(90, 10);
  label.SetCaption("otra cosa distinta");
  EXPECT_EQ(label.size(), QSize(90, 10));
}
