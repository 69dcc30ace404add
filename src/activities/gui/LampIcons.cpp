#include "activities/gui/LampIcons.h"

#include <QPainter>
#include <QPixmap>

namespace velkora::activities {

// Drawn rather than loaded: crisp at any size and nothing to install.
QIcon lampIcon(Lamp lamp) {
    constexpr int kSize = 16;
    QColor colour(0xBD, 0xBD, 0xBD);
    switch (lamp) {
    case RedLamp:
        colour = QColor(0xE5, 0x39, 0x35);
        break;
    case OrangeLamp:
        colour = QColor(0xFB, 0x8C, 0x00);
        break;
    case YellowLamp:
        colour = QColor(0xFD, 0xD8, 0x35);
        break;
    case LampOff:
        break;
    }
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour.darker(160), 1));
    QRadialGradient glow(QPointF(6, 6), 8);
    glow.setColorAt(0, lamp == LampOff ? colour : colour.lighter(150));
    glow.setColorAt(1, colour);
    p.setBrush(glow);
    p.drawEllipse(QRectF(2.5, 2.5, kSize - 5, kSize - 5));
    p.end();
    return QIcon(pixmap);
}

std::vector<QIcon> lampIcons(const std::vector<Lamp>& lamps) {
    std::vector<QIcon> icons;
    for (Lamp lamp : lamps)
        icons.push_back(lampIcon(lamp));
    return icons;
}

} // namespace velkora::activities
