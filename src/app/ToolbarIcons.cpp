#include "app/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace
{
// Drawn on a 64 x 64 canvas; the toolbar shows them smaller.
constexpr int kSize = 64;

const QColor kInk(40, 48, 60);
const QColor kPaper(250, 250, 246);
const QColor kBlue(38, 110, 200);
const QColor kLightBlue(213, 233, 249);
const QColor kRed(205, 40, 40);
const QColor kGreen(40, 150, 70);
const QColor kYellow(240, 190, 40);

QPen pen(const QColor &color, qreal width)
{
    QPen p(color, width);
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

// A sheet of paper with a folded corner.
void page(QPainter &p, const QRectF &r, const QColor &fill = kPaper)
{
    const qreal fold = r.width() * 0.3;
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setPen(pen(kInk, 3));
    p.setBrush(fill);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void arrow(QPainter &p, QPointF from, QPointF to, const QColor &color)
{
    p.setPen(pen(color, 7));
    p.drawLine(from, to);
    const QLineF line(to, from);
    QLineF wing1 = line;
    wing1.setLength(14);
    wing1.setAngle(line.angle() + 40);
    QLineF wing2 = line;
    wing2.setLength(14);
    wing2.setAngle(line.angle() - 40);
    p.drawLine(wing1);
    p.drawLine(wing2);
}

void magnifier(QPainter &p, QPointF centre, qreal radius)
{
    p.setPen(pen(kInk, 7));
    const QPointF handle = centre + QPointF(radius * 0.75, radius * 0.75);
    p.drawLine(handle, handle + QPointF(radius * 0.8, radius * 0.8));
    p.setPen(pen(kBlue, 5));
    p.setBrush(QColor(255, 255, 255, 190));
    p.drawEllipse(centre, radius, radius);
}

void trashCan(QPainter &p, const QColor &body)
{
    p.setPen(pen(kInk, 3));
    p.setBrush(body);
    QPainterPath can;
    can.moveTo(14, 18);
    can.lineTo(50, 18);
    can.lineTo(46, 60);
    can.lineTo(18, 60);
    can.closeSubpath();
    p.drawPath(can);
    p.drawRoundedRect(QRectF(9, 11, 46, 7), 2, 2);
    p.drawRect(QRectF(26, 5, 12, 6));
}

void picture(QPainter &p, bool on)
{
    p.setPen(pen(kInk, 3));
    p.setBrush(on ? QColor(170, 215, 250) : QColor(215, 215, 215));
    const QRectF frame(6, 12, 52, 40);
    p.drawRoundedRect(frame, 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(on ? kYellow : QColor(160, 160, 160));
    p.drawEllipse(QPointF(44, 24), 6, 6);
    QPainterPath hills;
    hills.moveTo(8, 50);
    hills.lineTo(24, 28);
    hills.lineTo(36, 42);
    hills.lineTo(42, 36);
    hills.lineTo(56, 50);
    hills.closeSubpath();
    p.setBrush(on ? kGreen : QColor(130, 130, 130));
    p.drawPath(hills);
    if (!on)
    {
        p.setPen(pen(kRed, 6));
        p.drawLine(QPointF(8, 58), QPointF(56, 6));
    }
}

void draw(QPainter &p, ToolbarIcons::Picture picture_)
{
    using ToolbarIcons::Picture;
    switch (picture_)
    {
    case Picture::Scan:
        page(p, QRectF(8, 4, 34, 44));
        magnifier(p, QPointF(36, 36), 14);
        break;
    case Picture::Cancel: {
        p.setPen(pen(kInk, 3));
        p.setBrush(kRed);
        QPolygonF octagon;
        for (int i = 0; i < 8; ++i)
        {
            QLineF ray(QPointF(32, 32), QPointF(60, 32));
            ray.setAngle(22.5 + 45 * i);
            octagon << ray.p2();
        }
        p.drawPolygon(octagon);
        p.setPen(pen(Qt::white, 7));
        p.drawLine(QPointF(22, 22), QPointF(42, 42));
        p.drawLine(QPointF(42, 22), QPointF(22, 42));
        break;
    }
    case Picture::Mark:
        p.setPen(pen(kInk, 3));
        p.setBrush(kPaper);
        p.drawRoundedRect(QRectF(8, 12, 42, 42), 5, 5);
        p.setPen(pen(kGreen, 8));
        p.drawPolyline(QPolygonF{QPointF(16, 32), QPointF(28, 46), QPointF(56, 8)});
        break;
    case Picture::Copy:
        page(p, QRectF(6, 4, 32, 42), kLightBlue);
        page(p, QRectF(24, 18, 32, 42));
        break;
    case Picture::Move:
        page(p, QRectF(6, 6, 30, 40));
        arrow(p, QPointF(22, 48), QPointF(58, 48), kBlue);
        break;
    case Picture::Delete:
        trashCan(p, QColor(200, 205, 215));
        p.setPen(pen(kRed, 7));
        p.drawLine(QPointF(22, 28), QPointF(42, 50));
        p.drawLine(QPointF(42, 28), QPointF(22, 50));
        break;
    case Picture::Rename:
        p.setPen(pen(kInk, 3));
        p.setBrush(kPaper);
        p.drawRoundedRect(QRectF(4, 18, 56, 28), 4, 4);
        p.setPen(pen(kBlue, 5));
        p.drawLine(QPointF(12, 38), QPointF(18, 26));
        p.drawLine(QPointF(18, 26), QPointF(24, 38));
        p.drawLine(QPointF(30, 26), QPointF(30, 38));
        p.setPen(pen(kInk, 4));
        p.drawLine(QPointF(44, 10), QPointF(44, 54));
        p.drawLine(QPointF(38, 10), QPointF(50, 10));
        p.drawLine(QPointF(38, 54), QPointF(50, 54));
        break;
    case Picture::Export:
        page(p, QRectF(6, 4, 34, 48));
        p.setPen(pen(kInk, 2));
        for (int y = 20; y <= 40; y += 7)
            p.drawLine(QPointF(12, y), QPointF(30, y));
        arrow(p, QPointF(30, 44), QPointF(58, 44), kGreen);
        break;
    case Picture::ViewerOn:
        picture(p, true);
        break;
    case Picture::ViewerOff:
        picture(p, false);
        break;
    case Picture::Recycle: {
        trashCan(p, QColor(190, 225, 195));
        p.setPen(pen(kGreen, 5));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(20, 26, 24, 24), 30 * 16, 280 * 16);
        arrow(p, QPointF(40, 30), QPointF(44, 34), kGreen);
        break;
    }
    case Picture::Permanent:
        trashCan(p, QColor(200, 205, 215));
        p.setPen(pen(kRed, 5));
        p.setBrush(kYellow);
        p.drawPolygon(QPolygonF{QPointF(36, 22), QPointF(24, 42), QPointF(32, 42), QPointF(28, 56), QPointF(42, 34),
                                QPointF(34, 34), QPointF(38, 22)});
        break;
    case Picture::Add:
        p.setPen(pen(kInk, 3));
        p.setBrush(kYellow);
        p.drawRoundedRect(QRectF(4, 16, 44, 34), 4, 4);
        p.setPen(pen(kGreen, 8));
        p.drawLine(QPointF(48, 30), QPointF(48, 58));
        p.drawLine(QPointF(34, 44), QPointF(62, 44));
        break;
    case Picture::Remove:
        p.setPen(pen(kInk, 3));
        p.setBrush(kYellow);
        p.drawRoundedRect(QRectF(4, 16, 44, 34), 4, 4);
        p.setPen(pen(kRed, 8));
        p.drawLine(QPointF(34, 46), QPointF(62, 46));
        break;
    case Picture::Program:
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
        page(p, QRectF(10, 10, 26, 34));
        page(p, QRectF(28, 20, 26, 34));
        p.setPen(pen(kBlue, 4));
        p.drawLine(QPointF(35, 34), QPointF(47, 34));
        p.drawLine(QPointF(35, 41), QPointF(47, 41));
        break;
    }
}
} // namespace

namespace ToolbarIcons
{
QIcon icon(Picture picture_)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p, picture_);
    p.end();
    return QIcon(pixmap);
}
} // namespace ToolbarIcons
