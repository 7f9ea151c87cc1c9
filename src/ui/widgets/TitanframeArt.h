#pragma once
// The program's own pictures, drawn by code: a walking war machine in
// silhouette, the splash scene and the emblem of the about box.

#include <QColor>
#include <QPixmap>
#include <QRectF>

class QPainter;

namespace tfd {

// A striding war machine filling the box (kept in proportion, standing on the
// box's bottom edge, centred across it): body in one colour, the cockpit glow
// and the lights of the missile pod in another.
void PaintTitanframe(QPainter& painter, const QRectF& box, QColor body, QColor lights);

// The scene of the splash window: dusk sky, hills, the machine and the title.
void PaintSplashScene(QPainter& painter, const QRectF& area);

// A round emblem of the given side for the about box.
QPixmap TitanframeEmblem(int side);

}  // namespace tfd
