#include "Embleme.h"

#include <QSvgRenderer>

void DessinerEmbleme(QPainter& p, const QRectF& cadre) {
    QSvgRenderer svg(QStringLiteral(":/vorn/zazuvurevorn.svg"));
    svg.render(&p, cadre);
}
