#include "ui/Glyphs.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace scv {

namespace {

constexpr int kSize = 20;

void Person(QPainter& p, QPointF head, qreal scale, const QColor& color) {
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(QColor(240, 200, 160));
  p.drawEllipse(head, 3.0 * scale, 3.0 * scale);
  p.setBrush(color);
  QPainterPath body;
  const qreal top = head.y() + 3.5 * scale;
  body.moveTo(head.x() - 5 * scale, top + 7 * scale);
  body.quadTo(head.x() - 5 * scale, top, head.x(), top);
  body.quadTo(head.x() + 5 * scale, top, head.x() + 5 * scale, top + 7 * scale);
  body.closeSubpath();
  p.drawPath(body);
}

void DrawGlyph(QPainter& p, Glyph glyph) {
  p.setRenderHint(QPainter::Antialiasing, true);
  const QPen outline(Qt::black, 1);
  switch (glyph) {
    case Glyph::File: {  // a floppy disk
      p.setPen(outline);
      p.setBrush(QColor(40, 60, 140));
      p.drawRoundedRect(QRectF(2.5, 2.5, 15, 15), 1.5, 1.5);
      p.setBrush(QColor(230, 230, 230));
      p.drawRect(QRectF(5.5, 2.5, 9, 6));
      p.setBrush(QColor(40, 60, 140));
      p.drawRect(QRectF(11, 3.5, 2, 4));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(4.5, 11.5, 11, 6));
      break;
    }
    case Glyph::Year: {  // a calendar page
      p.setPen(outline);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(2.5, 3.5, 15, 14));
      p.setBrush(QColor(200, 30, 30));
      p.drawRect(QRectF(2.5, 3.5, 15, 4));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(60, 60, 60));
      for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) p.drawRect(QRectF(4 + c * 3.4, 9.5 + r * 2.6, 2, 1.6));
      p.setPen(QPen(Qt::black, 1.2));
      p.drawLine(QPointF(6, 2), QPointF(6, 5));
      p.drawLine(QPointF(14, 2), QPointF(14, 5));
      break;
    }
    case Glyph::League: {  // a cup
      p.setPen(outline);
      p.setBrush(QColor(230, 180, 30));
      QPainterPath cup;
      cup.moveTo(5, 3);
      cup.lineTo(15, 3);
      cup.quadTo(15, 11, 10, 12);
      cup.quadTo(5, 11, 5, 3);
      p.drawPath(cup);
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(2, 4, 5, 5), 90 * 16, 180 * 16);
      p.drawArc(QRectF(13, 4, 5, 5), 270 * 16, 180 * 16);
      p.setBrush(QColor(230, 180, 30));
      p.drawRect(QRectF(9, 12, 2, 3));
      p.setBrush(QColor(120, 70, 30));
      p.drawRect(QRectF(5.5, 15.5, 9, 3));
      break;
    }
    case Glyph::Team:
      Person(p, QPointF(5.5, 6), 0.8, QColor(30, 120, 30));
      Person(p, QPointF(14.5, 6), 0.8, QColor(30, 120, 30));
      Person(p, QPointF(10, 8), 1.0, QColor(30, 60, 170));
      break;
    case Glyph::Player: {
      Person(p, QPointF(9, 5), 1.1, QColor(30, 60, 170));
      p.setPen(QPen(QColor(130, 80, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(14, 18), QPointF(18, 6));
      break;
    }
    case Glyph::Update: {  // a pencil over a sheet
      p.setPen(outline);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(2.5, 4.5, 12, 13));
      p.setPen(QPen(QColor(110, 110, 110), 1));
      for (int y = 8; y <= 15; y += 3) p.drawLine(QPointF(4.5, y), QPointF(12.5, y));
      p.setPen(outline);
      p.setBrush(QColor(240, 200, 40));
      QPolygonF pencil;
      pencil << QPointF(17, 2) << QPointF(19, 4) << QPointF(10, 13) << QPointF(7, 14) << QPointF(8, 11);
      p.drawPolygon(pencil);
      break;
    }
    case Glyph::Setup: {  // columns with a tick
      p.setPen(outline);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(2.5, 2.5, 15, 15));
      p.setBrush(QColor(128, 128, 128));
      p.drawRect(QRectF(2.5, 2.5, 15, 4));
      p.drawLine(QPointF(7.5, 2.5), QPointF(7.5, 17.5));
      p.drawLine(QPointF(12.5, 2.5), QPointF(12.5, 17.5));
      p.setPen(QPen(QColor(0, 140, 0), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.setBrush(Qt::NoBrush);
      QPolygonF tick;
      tick << QPointF(8, 12) << QPointF(11, 15.5) << QPointF(18, 7);
      p.drawPolyline(tick);
      break;
    }
    case Glyph::Notes: {  // a note pad
      p.setPen(outline);
      p.setBrush(QColor(255, 250, 170));
      p.drawRect(QRectF(3.5, 3.5, 13, 14));
      p.setPen(QPen(QColor(90, 90, 200), 1));
      for (int y = 7; y <= 15; y += 2) p.drawLine(QPointF(5.5, y), QPointF(14.5, y));
      p.setPen(QPen(QColor(80, 80, 80), 1.4));
      for (int x = 6; x <= 14; x += 4) p.drawLine(QPointF(x, 1.5), QPointF(x, 5));
      break;
    }
    case Glyph::Font: {
      QFont f(QStringLiteral("Serif"));
      f.setPixelSize(17);
      f.setBold(true);
      p.setFont(f);
      p.setPen(QColor(20, 20, 20));
      p.drawText(QRectF(0, 0, 13, 20), Qt::AlignCenter, QStringLiteral("A"));
      f.setPixelSize(12);
      f.setItalic(true);
      p.setFont(f);
      p.setPen(QColor(180, 20, 20));
      p.drawText(QRectF(9, 5, 11, 15), Qt::AlignCenter, QStringLiteral("a"));
      break;
    }
    case Glyph::Print: {  // a printer
      p.setPen(outline);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(5.5, 1.5, 9, 7));
      p.setBrush(QColor(150, 150, 150));
      p.drawRoundedRect(QRectF(1.5, 7.5, 17, 7), 1.5, 1.5);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(5.5, 12.5, 9, 6));
      p.setPen(QPen(QColor(100, 100, 100), 1));
      p.drawLine(QPointF(7, 15), QPointF(13, 15));
      p.drawLine(QPointF(7, 17), QPointF(12, 17));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0, 180, 0));
      p.drawEllipse(QPointF(16, 10), 1, 1);
      break;
    }
    case Glyph::Help: {  // a question mark in a circle
      p.setPen(outline);
      p.setBrush(QColor(40, 90, 200));
      p.drawEllipse(QRectF(1.5, 1.5, 17, 17));
      QFont f;
      f.setPixelSize(14);
      f.setBold(true);
      p.setFont(f);
      p.setPen(Qt::white);
      p.drawText(QRectF(1.5, 1.5, 17, 17), Qt::AlignCenter, QStringLiteral("?"));
      break;
    }
    case Glyph::Exit: {  // an open door
      p.setPen(outline);
      p.setBrush(QColor(90, 50, 20));
      p.drawRect(QRectF(4.5, 1.5, 11, 17));
      p.setBrush(QColor(180, 120, 60));
      QPolygonF door;
      door << QPointF(4.5, 1.5) << QPointF(11, 4) << QPointF(11, 19) << QPointF(4.5, 18.5);
      p.drawPolygon(door);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(240, 220, 60));
      p.drawEllipse(QPointF(9.5, 11), 0.9, 0.9);
      break;
    }
  }
}

}  // namespace

QIcon ButtonGlyph(Glyph glyph) {
  QIcon icon;
  for (int scale : {1, 2}) {
    QPixmap pm(kSize * scale, kSize * scale);
    pm.setDevicePixelRatio(scale);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    DrawGlyph(p, glyph);
    p.end();
    icon.addPixmap(pm);
  }
  return icon;
}

QImage ProgramImage(int size) {
  QImage pm(size, size, QImage::Format_ARGB32_Premultiplied);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.scale(size / 64.0, size / 64.0);
  // The diamond: infield dirt, grass, the bases.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 150, 60));
  p.drawRoundedRect(QRectF(0, 0, 64, 64), 8, 8);
  QPolygonF infield;
  infield << QPointF(32, 14) << QPointF(54, 36) << QPointF(32, 58) << QPointF(10, 36);
  p.setBrush(QColor(190, 140, 80));
  p.drawPolygon(infield);
  p.setBrush(Qt::white);
  for (const QPointF& base : infield) p.drawRect(QRectF(base.x() - 2.5, base.y() - 2.5, 5, 5));
  // The ball with its seams.
  p.setPen(QPen(QColor(60, 60, 60), 1.2));
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(32, 24), 14, 14);
  p.setPen(QPen(QColor(200, 30, 30), 1.6));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(12, 12, 14, 24), -60 * 16, 120 * 16);
  p.drawArc(QRectF(38, 12, 14, 24), 120 * 16, 120 * 16);
  p.end();
  return pm;
}

QPixmap ProgramPicture(int size) { return QPixmap::fromImage(ProgramImage(size)); }

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(ProgramPicture(size));
  return icon;
}

}  // namespace scv
