#include "addresses/gui/StatusIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace velkora::addresses {
namespace {

// Drawn rather than loaded: crisp at any size and nothing to install.
// Each status has its own colour and shape, so they differ without colour vision too.
struct StatusLook {
    QColor colour;
    int shape; // 0 disc, 1 diamond, 2 square, 3 triangle
};
constexpr int kSize = 16;
const StatusLook kLooks[8] = {
    {QColor(0xC6, 0x28, 0x28), 1}, // 1 Max.
    {QColor(0x2E, 0x7D, 0x32), 0}, // 2 OK
    {QColor(0x15, 0x65, 0xC0), 0}, // 3 Standard
    {QColor(0x9E, 0x9E, 0x9E), 0}, // 4 Min.
    {QColor(0xEF, 0x6C, 0x00), 3}, // 5 Alarm
    {QColor(0x6A, 0x1B, 0x9A), 2}, // 6
    {QColor(0x00, 0x83, 0x8F), 2}, // 7
    {QColor(0x5D, 0x40, 0x37), 2}, // 8
};

QIcon draw(const StatusLook& look, int number) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(look.colour.darker(140), 1));
    p.setBrush(look.colour);
    const QRectF box(1.5, 1.5, kSize - 3, kSize - 3);
    QPainterPath path;
    switch (look.shape) {
    case 1:
        path.moveTo(box.center().x(), box.top());
        path.lineTo(box.right(), box.center().y());
        path.lineTo(box.center().x(), box.bottom());
        path.lineTo(box.left(), box.center().y());
        path.closeSubpath();
        break;
    case 2:
        path.addRoundedRect(box, 2, 2);
        break;
    case 3:
        path.moveTo(box.center().x(), box.top());
        path.lineTo(box.right(), box.bottom());
        path.lineTo(box.left(), box.bottom());
        path.closeSubpath();
        break;
    default:
        path.addEllipse(box);
        break;
    }
    p.drawPath(path);
    QFont font = p.font();
    font.setPixelSize(9);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, look.shape == 3 ? 2 : 0, kSize, kSize), Qt::AlignCenter, QString::number(number));
    return QIcon(pixmap);
}

} // namespace

std::vector<QIcon> addressStatusIcons() {
    std::vector<QIcon> icons;
    for (int i = 0; i < 8; ++i)
        icons.push_back(draw(kLooks[i], i + 1));
    return icons;
}

} // namespace velkora::addresses
