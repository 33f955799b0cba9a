#include "editor/qt/shell/about_picture.hpp"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>

namespace meshsmith {
namespace {

// Corners in a 100 x 100 frame, scaled to the picture.
QPolygonF face(std::initializer_list<QPointF> corners, double scale) {
    QPolygonF polygon;
    for (const QPointF& corner : corners)
        polygon << corner * scale;
    return polygon;
}

void drawFace(QPainter& painter, const QPolygonF& polygon, const QColor& fill) {
    painter.setBrush(fill);
    painter.drawPolygon(polygon);
}

void drawBackground(QPainter& painter, double s) {
    QLinearGradient sky(0, 0, 0, 60 * s);
    sky.setColorAt(0, QColor(70, 120, 200));
    sky.setColorAt(1, QColor(190, 215, 240));
    painter.fillRect(QRectF(0, 0, 100 * s, 62 * s), sky);
    painter.fillRect(QRectF(0, 62 * s, 100 * s, 38 * s), QColor(70, 140, 60));
    // The track, with its kerb.
    painter.fillRect(QRectF(0, 78 * s, 100 * s, 14 * s), QColor(90, 90, 95));
    painter.fillRect(QRectF(0, 76 * s, 100 * s, 2 * s), QColor(230, 230, 230));
}

void drawGrandstand(QPainter& painter, double s) {
    painter.setPen(QPen(QColor(20, 20, 20), std::max(1.0, 0.6 * s)));
    drawFace(painter, face({{18, 70}, {82, 70}, {82, 40}, {18, 54}}, s),
             QColor(200, 200, 190)); // seats
    drawFace(painter, face({{82, 70}, {92, 64}, {92, 36}, {82, 40}}, s),
             QColor(140, 140, 130)); // side
    drawFace(painter, face({{14, 40}, {80, 28}, {94, 24}, {86, 34}, {16, 46}}, s),
             QColor(180, 40, 40));      // roof
    for (double x : {30.0, 50.0, 70.0}) // roof posts
        painter.drawLine(QPointF(x, 70 - (x - 18) * 14 / 64 - 16) * s, QPointF(x, 70) * s);
    painter.setPen(QPen(QColor(60, 60, 60), std::max(1.0, 0.4 * s)));
    for (int row = 1; row < 5; ++row) { // seat rows
        const double t = row / 5.0;
        painter.drawLine(QPointF(18, 70 - 16 * t) * s, QPointF(82, 70 - 30 * t) * s);
    }
}

} // namespace

QPixmap aboutPicture(int side) {
    side = std::max(side, 16);
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = side / 100.0;
    drawBackground(painter, scale);
    drawGrandstand(painter, scale);
    return pixmap;
}

} // namespace meshsmith
