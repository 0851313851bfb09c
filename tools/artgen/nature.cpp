// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "nature.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

namespace art {
namespace {

QPointF polar(qreal radius, qreal angle) {
  return QPointF(radius * std::cos(angle), radius * std::sin(angle));
}

}  // namespace

void fillVertical(QPainter& p, const QRectF& area, const QColor& top, const QColor& bottom) {
  QLinearGradient g(0, area.top(), 0, area.bottom());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.fillRect(area, g);
}

void drawEye(QPainter& p, QPointF c, qreal r, QPointF look) {
  fillOutlined(p, ellipsePath(c, r, r * 1.1), Qt::white, qMax<qreal>(0.8, r * 0.3));
  const QPointF pupil = c + look * r * 0.35;
  fillOutlined(p, ellipsePath(pupil, r * 0.55, r * 0.62), ink::kOutline, 0);
  fillOutlined(p, ellipsePath(pupil + QPointF(-r * 0.2, -r * 0.25), r * 0.2, r * 0.2), Qt::white,
               0);
}

void drawSoftShadow(QPainter& p, QPointF c, qreal rx, qreal ry) {
  QRadialGradient g(c, rx);
  g.setColorAt(0, QColor(30, 20, 10, 90));
  g.setColorAt(1, QColor(30, 20, 10, 0));
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.translate(c);
  p.scale(1.0, ry / rx);
  p.translate(-c);
  p.drawEllipse(c, rx, rx);
  p.restore();
}

void drawSun(QPainter& p, QPointF c, qreal r) {
  // The face and rays were designed for a radius of 22; other sizes scale them.
  const qreal k = r / 22.0;
  QPainterPath rays;
  for (int i = 0; i < 12; ++i) {
    const qreal a = i * kPi / 6;
    const qreal b = a + kPi / 18;
    const qreal m = a + kPi / 36;
    QPolygonF ray;
    ray << c + QPointF(std::cos(a - kPi / 36), std::sin(a - kPi / 36)) * (r + 3 * k)
        << c + QPointF(std::cos(m), std::sin(m)) * (r + 16 * k)
        << c + QPointF(std::cos(b), std::sin(b)) * (r + 3 * k);
    rays.addPolygon(ray);
    rays.closeSubpath();
  }
  fillOutlined(p, rays, QColor(255, 234, 140), qBound<qreal>(1.0, 1.5 * k, 2.5));
  fillOutlined(p, ellipsePath(c, r, r), ink::kSun, qBound<qreal>(1.2, 2.0 * k, 3.0));
  const qreal line = qBound<qreal>(1.2, 2.0 * k, 3.0);
  for (int side : {-1, 1}) {
    QPainterPath eye;
    eye.moveTo(c + QPointF(side * 9 * k - 4 * k, -3 * k));
    eye.quadTo(c + QPointF(side * 9 * k, -8 * k), c + QPointF(side * 9 * k + 4 * k, -3 * k));
    strokeLine(p, eye, line, ink::kOutline);
  }
  QPainterPath smile;
  smile.moveTo(c + QPointF(-9 * k, 6 * k));
  smile.quadTo(c + QPointF(0, 15 * k), c + QPointF(9 * k, 6 * k));
  strokeLine(p, smile, line, ink::kOutline);
}

void drawCloud(QPainter& p, QPointF c, qreal s) {
  QPainterPath cloud;
  cloud.setFillRule(Qt::WindingFill);
  cloud.addEllipse(c, 22 * s, 12 * s);
  cloud.addEllipse(c + QPointF(-18 * s, 5 * s), 14 * s, 9 * s);
  cloud.addEllipse(c + QPointF(19 * s, 5 * s), 15 * s, 8 * s);
  cloud.addEllipse(c + QPointF(6 * s, -6 * s), 13 * s, 10 * s);
  fillOutlined(p, cloud.simplified(), Qt::white, 1.5, QColor(120, 150, 180));
}

void drawMoon(QPainter& p, QPointF c, qreal r, bool face) {
  QRadialGradient glow(c, r * 2.2);
  glow.setColorAt(0, QColor(255, 246, 200, 70));
  glow.setColorAt(1, QColor(255, 246, 200, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(c, r * 2.2, r * 2.2);
  QPainterPath disc = ellipsePath(c, r, r);
  QPainterPath bite = ellipsePath(c + QPointF(r * 0.55, -r * 0.3), r * 0.85, r * 0.85);
  const QPainterPath crescent = disc.subtracted(bite);
  fillOutlined(p, crescent, QColor(255, 236, 150), qMax<qreal>(1.2, r * 0.06));
  if (face) {
    fillOutlined(p, ellipsePath(c + QPointF(-r * 0.52, -r * 0.12), r * 0.09, r * 0.09),
                 ink::kOutline, 0);
    QPainterPath smile;
    smile.moveTo(c + QPointF(-r * 0.7, r * 0.28));
    smile.quadTo(c + QPointF(-r * 0.5, r * 0.45), c + QPointF(-r * 0.3, r * 0.36));
    strokeLine(p, smile, qMax<qreal>(1.0, r * 0.06), ink::kOutline);
    fillOutlined(p, ellipsePath(c + QPointF(-r * 0.62, r * 0.1), r * 0.1, r * 0.07),
                 QColor(255, 160, 130, 150), 0);
  }
}

void drawTwinkle(QPainter& p, QPointF c, qreal s, const QColor& colour) {
  fillOutlined(p, starPath(c, s, s * 0.45), colour, qMax<qreal>(0.8, s * 0.18));
}

void drawBird(QPainter& p, QPointF c, qreal s, const QColor& colour) {
  QPainterPath bird;
  bird.moveTo(c + QPointF(-6 * s, -1 * s));
  bird.quadTo(c + QPointF(-3 * s, -4 * s), c);
  bird.quadTo(c + QPointF(3 * s, -4 * s), c + QPointF(6 * s, -1 * s));
  strokeLine(p, bird, qMax<qreal>(1.0, 1.4 * s), colour);
}

void drawHill(QPainter& p, QPointF centre, qreal rx, qreal ry, const QColor& fill, qreal outline) {
  fillOutlined(p, ellipsePath(centre, rx, ry), fill, outline);
}

void drawFlower(QPainter& p, QPointF c, const QColor& petals, qreal s) {
  for (int i = 0; i < 5; ++i) {
    const qreal a = i * 2 * kPi / 5;
    fillOutlined(p,
                 ellipsePath(c + QPointF(std::cos(a), std::sin(a)) * (3.2 * s), 2.6 * s, 2.6 * s),
                 petals, qMax<qreal>(1.0, 0.7 * s));
  }
  fillOutlined(p, ellipsePath(c, 2.2 * s, 2.2 * s), ink::kSun, qMax<qreal>(1.0, 0.7 * s));
}

void drawStemFlower(QPainter& p, QPointF base, qreal h, const QColor& petals) {
  QPainterPath stem(base);
  stem.quadTo(base + QPointF(-2, -h * 0.5), base + QPointF(0, -h));
  strokeLine(p, stem, 2.4, ink::kOutline);
  strokeLine(p, stem, 1.2, ink::kGrassDark);
  for (int side : {-1, 1}) {
    QPainterPath leaf;
    const QPointF at = base + QPointF(-1, -h * 0.35 + side * 2);
    leaf.moveTo(at);
    leaf.quadTo(at + QPointF(side * 5, -5), at + QPointF(side * 8, -2));
    leaf.quadTo(at + QPointF(side * 4, 1), at);
    fillOutlined(p, leaf, ink::kGrass, 0.9);
  }
  drawFlower(p, base + QPointF(0, -h), petals, h / 14.0 < 1.0 ? 1.0 : h / 14.0);
}

void drawTulip(QPainter& p, QPointF base, qreal h, const QColor& petals) {
  QPainterPath stem(base);
  stem.lineTo(base + QPointF(0, -h));
  strokeLine(p, stem, 2.6, ink::kOutline);
  strokeLine(p, stem, 1.3, ink::kGrassDark);
  QPainterPath leaf;
  leaf.moveTo(base);
  leaf.quadTo(base + QPointF(-9, -h * 0.3), base + QPointF(-6, -h * 0.6));
  leaf.quadTo(base + QPointF(-2, -h * 0.3), base);
  fillOutlined(p, leaf, ink::kGrass, 1.0);
  const QPointF top = base + QPointF(0, -h);
  const qreal w = h * 0.22;
  QPainterPath cup;
  cup.moveTo(top + QPointF(-w, -w * 1.2));
  cup.lineTo(top + QPointF(-w * 0.45, -w * 0.6));
  cup.lineTo(top + QPointF(0, -w * 1.4));
  cup.lineTo(top + QPointF(w * 0.45, -w * 0.6));
  cup.lineTo(top + QPointF(w, -w * 1.2));
  cup.quadTo(top + QPointF(w * 1.1, w * 0.6), top + QPointF(0, w * 0.4));
  cup.quadTo(top + QPointF(-w * 1.1, w * 0.6), top + QPointF(-w, -w * 1.2));
  fillOutlined(p, cup, petals, 1.2);
}

void drawSunflower(QPainter& p, QPointF base, qreal h) {
  QPainterPath stem(base);
  stem.quadTo(base + QPointF(3, -h * 0.5), base + QPointF(0, -h));
  strokeLine(p, stem, 4.2, ink::kOutline);
  strokeLine(p, stem, 2.4, ink::kGrassDark);
  for (int side : {-1, 1}) {
    QPainterPath leaf;
    const QPointF at = base + QPointF(1.5, -h * (side < 0 ? 0.35 : 0.55));
    leaf.moveTo(at);
    leaf.quadTo(at + QPointF(side * 7, -9), at + QPointF(side * 15, -4));
    leaf.quadTo(at + QPointF(side * 8, 3), at);
    fillOutlined(p, leaf, ink::kGrass, 1.0);
  }
  const QPointF c = base + QPointF(0, -h);
  const qreal r = h * 0.13;
  for (int i = 0; i < 14; ++i) {
    const qreal a = i * 2 * kPi / 14;
    QPainterPath petal;
    petal.moveTo(c + polar(r * 0.8, a - 0.22));
    petal.quadTo(c + polar(r * 1.9, a - 0.12), c + polar(r * 2.15, a));
    petal.quadTo(c + polar(r * 1.9, a + 0.12), c + polar(r * 0.8, a + 0.22));
    fillOutlined(p, petal, QColor(255, 206, 48), 1.0);
  }
  fillOutlined(p, ellipsePath(c, r * 1.05, r * 1.05), QColor(132, 82, 40), 1.2);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(90, 54, 30));
  for (int i = 0; i < 7; ++i) {
    const qreal a = i * 2 * kPi / 7 + 0.3;
    p.drawEllipse(c + polar(r * 0.55, a), r * 0.12, r * 0.12);
  }
}

void drawGrassTuft(QPainter& p, QPointF base, qreal h, const QColor& colour) {
  QPainterPath tuft;
  tuft.moveTo(base + QPointF(-h * 0.6, 0));
  tuft.quadTo(base + QPointF(-h * 0.4, -h * 0.4), base + QPointF(-h * 0.55, -h * 0.8));
  tuft.quadTo(base + QPointF(-h * 0.1, -h * 0.4), base + QPointF(0, -h));
  tuft.quadTo(base + QPointF(h * 0.1, -h * 0.4), base + QPointF(h * 0.55, -h * 0.8));
  tuft.quadTo(base + QPointF(h * 0.4, -h * 0.4), base + QPointF(h * 0.6, 0));
  tuft.closeSubpath();
  fillOutlined(p, tuft, colour, 1.0);
}

void drawBush(QPainter& p, QPointF base, qreal w, const QColor& colour, bool berries) {
  QPainterPath bush;
  bush.setFillRule(Qt::WindingFill);
  bush.addEllipse(base + QPointF(-w * 0.28, -w * 0.22), w * 0.28, w * 0.24);
  bush.addEllipse(base + QPointF(w * 0.05, -w * 0.34), w * 0.3, w * 0.3);
  bush.addEllipse(base + QPointF(w * 0.3, -w * 0.2), w * 0.22, w * 0.2);
  bush.addRect(QRectF(base.x() - w * 0.48, base.y() - w * 0.2, w * 0.94, w * 0.2));
  fillOutlined(p, bush.simplified(), colour, 1.3);
  p.setPen(Qt::NoPen);
  p.setBrush(colour.lighter(118));
  p.drawEllipse(base + QPointF(-w * 0.05, -w * 0.48), w * 0.12, w * 0.07);
  if (berries) {
    for (const QPointF& d :
         {QPointF(-0.3, -0.25), QPointF(0.1, -0.4), QPointF(0.28, -0.18), QPointF(-0.08, -0.16)}) {
      fillOutlined(p, ellipsePath(base + d * w, w * 0.05, w * 0.05), QColor(226, 56, 70), 0.8);
    }
  }
}

void drawRoundTree(QPainter& p, QPointF base, qreal h, const QColor& leaves, bool apples) {
  const qreal w = h * 0.16;
  QPainterPath trunk;
  trunk.moveTo(base + QPointF(-w * 0.8, 0));
  trunk.quadTo(base + QPointF(-w * 0.45, -h * 0.25), base + QPointF(-w * 0.45, -h * 0.55));
  trunk.lineTo(base + QPointF(w * 0.45, -h * 0.55));
  trunk.quadTo(base + QPointF(w * 0.45, -h * 0.25), base + QPointF(w * 0.8, 0));
  trunk.closeSubpath();
  fillOutlined(p, trunk, ink::kTrunk, 1.4);
  const QPointF c = base + QPointF(0, -h * 0.66);
  const qreal r = h * 0.34;
  QPainterPath crown;
  crown.setFillRule(Qt::WindingFill);
  crown.addEllipse(c + QPointF(0, -r * 0.25), r * 0.75, r * 0.72);
  crown.addEllipse(c + QPointF(-r * 0.5, r * 0.15), r * 0.58, r * 0.55);
  crown.addEllipse(c + QPointF(r * 0.52, r * 0.12), r * 0.6, r * 0.56);
  crown.addEllipse(c + QPointF(0, r * 0.35), r * 0.6, r * 0.45);
  fillOutlined(p, crown.simplified(), leaves, 1.5);
  p.setPen(Qt::NoPen);
  p.setBrush(leaves.lighter(116));
  p.drawEllipse(c + QPointF(-r * 0.25, -r * 0.5), r * 0.3, r * 0.18);
  p.setBrush(leaves.darker(112));
  p.drawEllipse(c + QPointF(r * 0.35, r * 0.45), r * 0.3, r * 0.14);
  if (apples) {
    for (const QPointF& d : {QPointF(-0.5, 0.1), QPointF(0.1, -0.35), QPointF(0.55, 0.2),
                             QPointF(-0.05, 0.45), QPointF(0.4, -0.3)}) {
      fillOutlined(p, ellipsePath(c + d * r, r * 0.12, r * 0.12), QColor(226, 56, 52), 1.0);
    }
  }
}

void drawPine(QPainter& p, QPointF base, qreal h, bool snowy) {
  const qreal w = h * 0.42;
  QPainterPath trunk;
  trunk.addRect(QRectF(base.x() - w * 0.12, base.y() - h * 0.2, w * 0.24, h * 0.2));
  fillOutlined(p, trunk, ink::kTrunk, 1.3);
  for (int tier = 0; tier < 3; ++tier) {
    const qreal bottom = base.y() - h * (0.14 + tier * 0.26);
    const qreal half = w * (1.0 - tier * 0.24);
    const qreal top = bottom - h * 0.42;
    QPainterPath layer;
    layer.moveTo(base.x(), top);
    layer.quadTo(base.x() + half * 0.4, top + (bottom - top) * 0.5, base.x() + half, bottom);
    layer.quadTo(base.x(), bottom + h * 0.05, base.x() - half, bottom);
    layer.quadTo(base.x() - half * 0.4, top + (bottom - top) * 0.5, base.x(), top);
    fillOutlined(p, layer, ink::kPine, 1.4);
    if (snowy) {
      QPainterPath snow;
      const qreal sy = top + (bottom - top) * 0.45;
      snow.moveTo(base.x(), top);
      snow.quadTo(base.x() + half * 0.3, sy - 2, base.x() + half * 0.5, sy);
      snow.quadTo(base.x() + half * 0.25, sy + 3, base.x() + half * 0.05, sy);
      snow.quadTo(base.x() - half * 0.2, sy + 4, base.x() - half * 0.5, sy);
      snow.quadTo(base.x() - half * 0.3, sy - 2, base.x(), top);
      fillOutlined(p, snow, ink::kSnow, 1.0);
    }
  }
}

void drawMushroom(QPainter& p, QPointF base, qreal s, const QColor& cap) {
  QPainterPath stalk;
  stalk.moveTo(base + QPointF(-3 * s, 0));
  stalk.quadTo(base + QPointF(-3.5 * s, -5 * s), base + QPointF(-2.4 * s, -8 * s));
  stalk.lineTo(base + QPointF(2.4 * s, -8 * s));
  stalk.quadTo(base + QPointF(3.5 * s, -5 * s), base + QPointF(3 * s, 0));
  stalk.closeSubpath();
  fillOutlined(p, stalk, QColor(250, 236, 210), 1.1);
  QPainterPath top;
  top.moveTo(base + QPointF(-8 * s, -7 * s));
  top.cubicTo(base + QPointF(-8 * s, -17 * s), base + QPointF(8 * s, -17 * s),
              base + QPointF(8 * s, -7 * s));
  top.quadTo(base + QPointF(0, -5 * s), base + QPointF(-8 * s, -7 * s));
  fillOutlined(p, top, cap, 1.2);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 250, 240));
  p.drawEllipse(base + QPointF(-3.5 * s, -11 * s), 1.6 * s, 1.3 * s);
  p.drawEllipse(base + QPointF(2.5 * s, -12.5 * s), 1.4 * s, 1.2 * s);
  p.drawEllipse(base + QPointF(4.8 * s, -9 * s), 1.1 * s, 1.0 * s);
}

void drawRock(QPainter& p, QPointF c, qreal rx, qreal ry, const QColor& fill) {
  QPainterPath rock;
  rock.moveTo(c + QPointF(-rx, ry));
  rock.quadTo(c + QPointF(-rx * 1.05, -ry * 0.4), c + QPointF(-rx * 0.35, -ry));
  rock.quadTo(c + QPointF(rx * 0.5, -ry * 1.15), c + QPointF(rx * 0.9, -ry * 0.1));
  rock.quadTo(c + QPointF(rx * 1.1, ry * 0.6), c + QPointF(rx, ry));
  rock.closeSubpath();
  fillOutlined(p, rock, fill, 1.3);
  QPainterPath shine;
  shine.moveTo(c + QPointF(-rx * 0.55, -ry * 0.35));
  shine.quadTo(c + QPointF(-rx * 0.3, -ry * 0.75), c + QPointF(rx * 0.1, -ry * 0.75));
  strokeLine(p, shine, qMax<qreal>(1.0, ry * 0.15), fill.lighter(125));
}

QPointF chimneyTop(const QRectF& body) {
  const qreal w = body.width();
  return QPointF(body.right() - w * 0.3 + w * 0.065, body.top() - w * 0.42);
}

void drawHouse(QPainter& p, const QRectF& body, const QColor& wall, const QColor& roof,
               bool snowy) {
  const qreal w = body.width();
  QPainterPath chimney;
  const QPointF top = chimneyTop(body);
  chimney.addRect(QRectF(top.x() - w * 0.065, top.y(), w * 0.13, w * 0.3));
  fillOutlined(p, chimney, QColor(176, 96, 72), 1.3);
  QPainterPath walls;
  walls.addRect(body);
  fillOutlined(p, walls, wall, 1.5);
  QPainterPath cover;
  cover.moveTo(body.left() - w * 0.1, body.top() + 1);
  cover.lineTo(body.center().x(), body.top() - w * 0.5);
  cover.lineTo(body.right() + w * 0.1, body.top() + 1);
  cover.closeSubpath();
  fillOutlined(p, cover, roof, 1.5);
  if (snowy) {
    QPainterPath snow;
    snow.moveTo(body.left() - w * 0.12, body.top() + 2);
    snow.lineTo(body.center().x(), body.top() - w * 0.53);
    snow.lineTo(body.right() + w * 0.12, body.top() + 2);
    snow.quadTo(body.right() + w * 0.02, body.top() + 5, body.right() - w * 0.08, body.top() - 1);
    snow.quadTo(body.center().x(), body.top() - w * 0.3, body.left() + w * 0.08, body.top() - 1);
    snow.quadTo(body.left() - w * 0.02, body.top() + 5, body.left() - w * 0.12, body.top() + 2);
    fillOutlined(p, snow, ink::kSnow, 1.2);
  } else {
    p.setPen(QPen(roof.darker(125), 1.0));
    for (int i = 1; i < 3; ++i) {
      const qreal y = body.top() - w * 0.5 * (1.0 - i / 3.0);
      const qreal half = (w * 0.6) * (i / 3.0);
      p.drawLine(QPointF(body.center().x() - half, y), QPointF(body.center().x() + half, y));
    }
  }
  const QRectF door(body.left() + w * 0.16, body.bottom() - body.height() * 0.55, w * 0.24,
                    body.height() * 0.55);
  QPainterPath doorPath;
  doorPath.addRoundedRect(door, w * 0.06, w * 0.06);
  fillOutlined(p, doorPath, ink::kWood, 1.3);
  fillOutlined(p, ellipsePath(door.center() + QPointF(door.width() * 0.25, 0), 0.9, 0.9),
               ink::kStar, 0.6);
  const QRectF window(body.right() - w * 0.44, body.top() + body.height() * 0.2, w * 0.3,
                      body.height() * 0.34);
  QPainterPath glass;
  glass.addRect(window);
  fillOutlined(p, glass, QColor(255, 226, 120), 1.3);
  p.setPen(QPen(ink::kOutline, 1.0));
  p.drawLine(QPointF(window.center().x(), window.top()),
             QPointF(window.center().x(), window.bottom()));
  p.drawLine(QPointF(window.left(), window.center().y()),
             QPointF(window.right(), window.center().y()));
}

void drawFence(QPainter& p, qreal left, qreal right, qreal groundY, qreal h, const QColor& wood) {
  const qreal gap = h * 0.75;
  for (const qreal y : {groundY - h * 0.7, groundY - h * 0.35}) {
    QPainterPath rail;
    rail.addRect(QRectF(left - 2, y - h * 0.07, right - left + 4, h * 0.14));
    fillOutlined(p, rail, wood.darker(108), 1.1);
  }
  for (qreal x = left; x <= right + 0.1; x += gap) {
    QPainterPath post;
    post.moveTo(x - h * 0.12, groundY);
    post.lineTo(x - h * 0.12, groundY - h * 0.88);
    post.lineTo(x, groundY - h);
    post.lineTo(x + h * 0.12, groundY - h * 0.88);
    post.lineTo(x + h * 0.12, groundY);
    post.closeSubpath();
    fillOutlined(p, post, wood, 1.1);
  }
}

void drawSmoke(QPainter& p, QPointF from, qreal s) {
  for (int i = 0; i < 3; ++i) {
    const QPointF c = from + QPointF(i * 4.0 * s, -i * 7.0 * s);
    const qreal r = (2.6 + i * 1.3) * s;
    fillOutlined(p, ellipsePath(c, r, r * 0.85), QColor(236, 236, 240, 220), 0.9,
                 QColor(150, 150, 170));
  }
}

}  // namespace art
