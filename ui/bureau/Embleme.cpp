#include "Embleme.h"

#include <QPainter>

#ifdef VORN_EMBLEME_IMAGE
#include <QImage>

// Built without Qt SVG: the picture drawn from the SVG at build time, 1024 pixels wide.
void DessinerEmbleme(QPainter& p, const QRectF& cadre) {
    static const QImage embleme(QStringLiteral(":/vorn/zazuvurevorn.png"));
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(cadre, embleme);
    p.restore();
}
#else
#include <QSvgRenderer>

void DessinerEmbleme(QPainter& p, const QRectF& cadre) {
    QSvgRenderer svg(QStringLiteral(":/vorn/zazuvurevorn.svg"));
    svg.render(&p, cadre);
}
#endif
