#include "CarDrawings.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace orv::guide {

namespace {

constexpr int kWidth = 2000;
constexpr int kHeight = 1000;

const QColor kBody(214, 222, 232);
const QColor kOutline(40, 48, 60);
const QColor kGlass(150, 190, 225);
const QColor kTyre(45, 45, 50);
const QColor kDimension(190, 40, 30);

QImage blankCanvas() {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

void arrowHead(QPainter& p, QPointF tip, QPointF from) {
  const QLineF back(tip, from);
  QLineF side1 = back;
  side1.setLength(26);
  side1.setAngle(back.angle() + 22);
  QLineF side2 = back;
  side2.setLength(26);
  side2.setAngle(back.angle() - 22);
  p.setBrush(kDimension);
  p.drawPolygon(QPolygonF({tip, side1.p2(), side2.p2()}));
}

// A label in a white box centred on `at`, so it stays readable over lines and the body.
void label(QPainter& p, QPointF at, const QString& text) {
  QFont font("DejaVu Sans", 1);
  font.setPixelSize(44);
  font.setBold(true);
  p.setFont(font);
  const QRectF box = p.fontMetrics().boundingRect(text).adjusted(-12, -4, 12, 4);
  QRectF placed(0, 0, box.width(), box.height());
  placed.moveCenter(at);
  p.setPen(QPen(kDimension, 3));
  p.setBrush(Qt::white);
  p.drawRoundedRect(placed, 10, 10);
  p.setPen(kDimension);
  p.drawText(placed, Qt::AlignCenter, text);
}

// A dimension line from a to b with arrows at both ends and the code in its middle.
void dimension(QPainter& p, QPointF a, QPointF b, const QString& code) {
  p.setPen(QPen(kDimension, 5));
  p.drawLine(a, b);
  p.setPen(Qt::NoPen);
  arrowHead(p, a, b);
  arrowHead(p, b, a);
  label(p, (a + b) / 2, code);
}

// A thin dashed line carrying a point of the car out to its dimension line.
void extension(QPainter& p, QPointF from, QPointF to) {
  p.setPen(QPen(kDimension, 3, Qt::DashLine));
  p.setBrush(Qt::NoBrush);
  p.drawLine(from, to);
}

void caption(QPainter& p, QPointF at, const QString& text) {
  QFont font("DejaVu Sans", 1);
  font.setPixelSize(40);
  p.setFont(font);
  p.setPen(kOutline);
  p.drawText(at, text);
}

void frontArrow(QPainter& p) {
  p.setPen(QPen(kOutline, 5));
  p.drawLine(QPointF(250, 80), QPointF(90, 80));
  p.setPen(Qt::NoPen);
  p.setBrush(kOutline);
  p.drawPolygon(QPolygonF({QPointF(60, 80), QPointF(100, 62), QPointF(100, 98)}));
  caption(p, QPointF(270, 94), "front");
}

}  // namespace

QImage sideView() {
  QImage image = blankCanvas();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  // Key points of the car, front at x = 300, rear at x = 1700, ground at y = 700.
  const double front = 300, rear = 1700, ground = 700, roof = 300;
  const double frontWheel = 560, rearWheel = 1370, wheelRadius = 105, wheelY = 595;
  const double windshieldBase = 700, backlightBase = 1420;
  const double glassTop = 318, glassBase = 448, rocker = 632;

  // Ground.
  p.setPen(QPen(kOutline, 3));
  p.drawLine(QPointF(150, ground), QPointF(1900, ground));

  // Body, with arches cut for the wheels.
  QPainterPath body;
  body.moveTo(front, 600);
  body.lineTo(front, 520);
  body.quadTo(front + 10, 478, 360, 472);
  body.lineTo(windshieldBase, 448);
  body.lineTo(890, roof);
  body.lineTo(1225, roof);
  body.lineTo(backlightBase, 446);
  body.lineTo(1660, 455);
  body.quadTo(rear, 462, rear, 500);
  body.lineTo(rear, 600);
  body.quadTo(rear, rocker, 1660, rocker);
  body.lineTo(front + 40, rocker);
  body.quadTo(front, rocker, front, 600);
  body.closeSubpath();
  QPainterPath arches;
  arches.addEllipse(QPointF(frontWheel, wheelY), wheelRadius + 22, wheelRadius + 22);
  arches.addEllipse(QPointF(rearWheel, wheelY), wheelRadius + 22, wheelRadius + 22);
  p.setPen(QPen(kOutline, 5));
  p.setBrush(kBody);
  p.drawPath(body.subtracted(arches));

  // Side glass and the door line.
  QPolygonF glass({QPointF(735, glassBase), QPointF(900, glassTop), QPointF(1215, glassTop),
                   QPointF(1385, glassBase)});
  p.setBrush(kGlass);
  p.drawPolygon(glass);
  p.setPen(QPen(kOutline, 3));
  p.drawLine(QPointF(1060, glassTop), QPointF(1060, rocker - 10));

  // Bumpers.
  p.setBrush(kOutline);
  p.drawRoundedRect(QRectF(front - 12, 525, 22, 75), 6, 6);
  p.drawRoundedRect(QRectF(rear - 10, 525, 22, 75), 6, 6);

  // Wheels.
  for (const double x : {frontWheel, rearWheel}) {
    p.setPen(QPen(kOutline, 3));
    p.setBrush(kTyre);
    p.drawEllipse(QPointF(x, wheelY), wheelRadius, wheelRadius);
    p.setBrush(QColor(190, 190, 195));
    p.drawEllipse(QPointF(x, wheelY), 50, 50);
    p.setBrush(kOutline);
    p.drawEllipse(QPointF(x, wheelY), 9, 9);
  }

  // A and B along the top: from the bumpers to the windshield base and the backlight base.
  const double topLine = 190;
  extension(p, QPointF(front, 515), QPointF(front, topLine - 30));
  extension(p, QPointF(windshieldBase, 440), QPointF(windshieldBase, topLine - 30));
  extension(p, QPointF(backlightBase, 440), QPointF(backlightBase, topLine - 30));
  extension(p, QPointF(rear, 495), QPointF(rear, topLine - 30));
  dimension(p, QPointF(front, topLine), QPointF(windshieldBase, topLine), "A");
  dimension(p, QPointF(backlightBase, topLine), QPointF(rear, topLine), "B");

  // C and D on the door: the height of the side glass, and from its base to the rocker.
  dimension(p, QPointF(1140, glassTop), QPointF(1140, glassBase), "C");
  dimension(p, QPointF(1140, glassBase), QPointF(1140, rocker), "D");

  // OH at the rear: ground to the highest point of the roof.
  extension(p, QPointF(1225, roof), QPointF(1860, roof));
  dimension(p, QPointF(1820, roof), QPointF(1820, ground), "OH");

  // F, WB and G under the car, between the bumpers and the wheel centres; OL below them.
  const double axleLine = 790, lengthLine = 900;
  extension(p, QPointF(front, 605), QPointF(front, lengthLine + 30));
  extension(p, QPointF(rear, 605), QPointF(rear, lengthLine + 30));
  extension(p, QPointF(frontWheel, wheelY), QPointF(frontWheel, axleLine + 30));
  extension(p, QPointF(rearWheel, wheelY), QPointF(rearWheel, axleLine + 30));
  dimension(p, QPointF(front, axleLine), QPointF(frontWheel, axleLine), "F");
  dimension(p, QPointF(frontWheel, axleLine), QPointF(rearWheel, axleLine), "WB");
  dimension(p, QPointF(rearWheel, axleLine), QPointF(rear, axleLine), "G");
  dimension(p, QPointF(front, lengthLine), QPointF(rear, lengthLine), "OL");

  frontArrow(p);
  return image;
}

QImage topView() {
  QImage image = blankCanvas();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  const double front = 300, rear = 1700, left = 250, right = 750;
  const double frontWheel = 560, rearWheel = 1370;
  const double trackInset = 50;  // tyre centre lines, inside the body sides
  const double roofFront = 880, roofRear = 1235, roofLeft = 330, roofRight = 670;

  // Body outline, then the glass and the roof.
  p.setPen(QPen(kOutline, 5));
  p.setBrush(kBody);
  p.drawRoundedRect(QRectF(front, left, rear - front, right - left), 90, 90);
  p.setBrush(kGlass);
  p.drawPolygon(QPolygonF({QPointF(700, 300), QPointF(roofFront, roofLeft),
                           QPointF(roofFront, roofRight), QPointF(700, 700)}));
  p.drawPolygon(QPolygonF({QPointF(roofRear, roofLeft), QPointF(1420, 305), QPointF(1420, 695),
                           QPointF(roofRear, roofRight)}));
  p.setBrush(QColor(190, 202, 216));
  p.drawRect(QRectF(roofFront, roofLeft, roofRear - roofFront, roofRight - roofLeft));

  // Wheels lie under the body: drawn see-through, inside its sides.
  p.setPen(QPen(kOutline, 3, Qt::DashLine));
  p.setBrush(QColor(45, 45, 50, 110));
  for (const double x : {frontWheel, rearWheel}) {
    p.drawRoundedRect(QRectF(x - 100, left + 10, 200, 2 * trackInset - 20), 12, 12);
    p.drawRoundedRect(QRectF(x - 100, right - 2 * trackInset + 10, 200, 2 * trackInset - 20), 12,
                      12);
  }

  // Wheel centre lines.
  extension(p, QPointF(frontWheel, 170), QPointF(frontWheel, 880));
  extension(p, QPointF(rearWheel, 170), QPointF(rearWheel, 880));

  // TF and TR across the axles, from tyre centre to tyre centre.
  dimension(p, QPointF(frontWheel, left + trackInset), QPointF(frontWheel, right - trackInset),
            "TF");
  dimension(p, QPointF(rearWheel, left + trackInset), QPointF(rearWheel, right - trackInset), "TR");

  // E across the top.
  dimension(p, QPointF(1060, roofLeft), QPointF(1060, roofRight), "E");

  // OW beside the car, over its widest point.
  extension(p, QPointF(rear - 90, left), QPointF(1880, left));
  extension(p, QPointF(rear - 90, right), QPointF(1880, right));
  dimension(p, QPointF(1840, left), QPointF(1840, right), "OW");

  // WB again, seen from above.
  dimension(p, QPointF(frontWheel, 860), QPointF(rearWheel, 860), "WB");

  frontArrow(p);
  return image;
}

}  // namespace orv::guide
