// Draws the program's button pictures: 24-bit bitmaps on white, whose white
// (the bottom-left pixel's colour) the buttons draw transparent. Edges are kept
// hard, so no pale fringe shows against the button face; anything white inside
// a picture is drawn as #FEFEFE so that it stays opaque.
//
//   draw_pictures OUTPUT_DIR
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {

const QColor Ink(0xFE, 0xFE, 0xFE);

// Paints on a transparent canvas, then lays the result on white with hard edges.
QImage Picture(int w, int h, const std::function<void(QPainter &)> &paint)
{
    QImage canvas(w, h, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        paint(p);
    }
    QImage out(w, h, QImage::Format_RGB888);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QColor c = canvas.pixelColor(x, y);
            out.setPixelColor(x, y, c.alpha() >= 120 ? QColor(c.red(), c.green(), c.blue()) : QColor(Qt::white));
        }
    // The transparent colour is the bottom-left pixel's: keep that corner white.
    out.setPixelColor(0, h - 1, Qt::white);
    return out;
}

void Glyph(QPainter &p, const QRectF &box, const QString &text, int pixels)
{
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(pixels);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Ink);
    p.drawText(box, Qt::AlignCenter, text);
}

QLinearGradient Vertical(int h, QColor top, QColor bottom)
{
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    // Site directory: a pair of cartoon eyes under orange caps.
    Picture(18, 16, [](QPainter &p) {
        for (int i = 0; i < 2; ++i) {
            const double x = 0.5 + i * 9;
            p.setPen(QPen(QColor(0x33, 0x22, 0x11), 1));
            p.setBrush(QColor(0xFE, 0xFE, 0xFE));
            p.drawEllipse(QRectF(x, 4.5, 8, 11));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x22, 0x22, 0x22));
            p.drawEllipse(QRectF(x + 2.5 + i * 1.0, 8.5, 4, 5));
            p.setBrush(Ink);
            p.drawEllipse(QRectF(x + 3.5 + i * 1.0, 9.2, 1.6, 1.6));
            // The cap: an orange dome with a darker brim.
            p.setBrush(Vertical(7, QColor(0xFF, 0xB3, 0x3B), QColor(0xF0, 0x7C, 0x00)));
            QPainterPath cap;
            cap.moveTo(x - 0.5, 6.5);
            cap.cubicTo(x - 0.5, -0.5, x + 8.5, -0.5, x + 8.5, 6.5);
            cap.closeSubpath();
            p.drawPath(cap);
            p.setBrush(QColor(0xC8, 0x5A, 0x00));
            p.drawRect(QRectF(x - 0.5, 5.5, 9, 1.6));
        }
    }).save(out.filePath("BitBtn1.bmp"));

    // Mall: a red rounded square with 商 in white.
    Picture(17, 17, [](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Vertical(17, QColor(0xF2, 0x3A, 0x2E), QColor(0xC8, 0x10, 0x10)));
        p.drawRoundedRect(QRectF(0, 0, 17, 17), 3.5, 3.5);
        Glyph(p, QRectF(0, 0, 17, 17), QStringLiteral("商"), 13);
    }).save(out.filePath("BitBtn2.bmp"));

    // Best-sellers: an orange, bubble-shaped rounded square with 淘 in white.
    Picture(16, 16, [](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Vertical(16, QColor(0xFF, 0x8A, 0x1C), QColor(0xF2, 0x5C, 0x00)));
        QPainterPath bubble;
        bubble.addRoundedRect(QRectF(0, 0, 16, 13.5), 4, 4);
        QPainterPath tail;
        tail.moveTo(3.5, 12);
        tail.lineTo(3.5, 16);
        tail.lineTo(8, 12);
        tail.closeSubpath();
        p.drawPath(bubble.united(tail));
        Glyph(p, QRectF(0, 0, 16, 13.5), QStringLiteral("淘"), 12);
    }).save(out.filePath("BitBtn3.bmp"));

    // Store directory: a green square with a white stylised storefront.
    Picture(17, 16, [](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Vertical(16, QColor(0x3C, 0xB8, 0x4A), QColor(0x1E, 0x8E, 0x32)));
        p.drawRoundedRect(QRectF(0, 0, 17, 16), 2, 2);
        p.setBrush(Ink);
        // Awning: three scallops.
        for (int i = 0; i < 3; ++i)
            p.drawChord(QRectF(2.5 + i * 4, 3, 4, 4), 180 * 16, 180 * 16);
        p.drawRect(QRectF(2.5, 3, 12, 2));
        // Front with a door.
        p.drawRect(QRectF(3.5, 7.5, 10, 5.5));
        p.setBrush(QColor(0x1E, 0x8E, 0x32));
        p.drawRect(QRectF(7.5, 9, 2.5, 4));
    }).save(out.filePath("BitBtn4.bmp"));

    // The popup's close button: a red rounded square with a white X.
    Picture(21, 21, [](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Vertical(21, QColor(0xF0, 0x4A, 0x3C), QColor(0xC4, 0x16, 0x12)));
        p.drawRoundedRect(QRectF(0, 0, 21, 21), 4, 4);
        p.setPen(QPen(Ink, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(6.5, 6.5), QPointF(14.5, 14.5));
        p.drawLine(QPointF(14.5, 6.5), QPointF(6.5, 14.5));
    }).save(out.filePath("Form2BitBtn1.bmp"));

    // The skin's pictures, with alpha: the caption's close cross and its default icon.
    {
        QImage cross(10, 10, QImage::Format_ARGB32);
        cross.fill(Qt::transparent);
        QPainter p(&cross);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(1.5, 1.5), QPointF(8.5, 8.5));
        p.drawLine(QPointF(8.5, 1.5), QPointF(1.5, 8.5));
        p.end();
        cross.save(out.filePath("skin/close.png"));
    }
    {
        QImage icon(16, 16, QImage::Format_ARGB32);
        icon.fill(Qt::transparent);
        QPainter p(&icon);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 0, 16, 14);
        g.setColorAt(0, QColor(0x6E, 0xE7, 0x7A));
        g.setColorAt(0.5, QColor(0x2F, 0xA8, 0xF0));
        g.setColorAt(1, QColor(0x9B, 0x5C, 0xF6));
        QPainterPath bubble;
        bubble.addRoundedRect(QRectF(0.5, 0.5, 15, 11.5), 4, 4);
        QPainterPath tail;
        tail.moveTo(3.5, 10);
        tail.lineTo(3, 15.5);
        tail.lineTo(8.5, 11);
        tail.closeSubpath();
        p.setPen(QPen(QColor(255, 255, 255, 200), 1));
        p.setBrush(g);
        p.drawPath(bubble.united(tail));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 110));
        p.drawRoundedRect(QRectF(2, 1.5, 12, 4.5), 2.5, 2.5);
        p.end();
        icon.save(out.filePath("skin/icon.png"));
    }

    return 0;
}
