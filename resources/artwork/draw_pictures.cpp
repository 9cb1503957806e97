// Draws the program's button pictures: 24-bit bitmaps on white, whose white
// (the bottom-left pixel's colour) the buttons draw transparent. Edges are kept
// hard, so no pale fringe shows against the button face; anything white inside
// a picture is drawn as #FEFEFE so that it stays opaque.
//
//   draw_pictures OUTPUT_DIR
#include <QApplication>
#include <QBuffer>
#include <QDataStream>
#include <QFile>
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

// The speech bubble at one size. Small sizes get whole-pixel edges, a plain
// outline and no dots, so they stay sharp.
QImage Icon(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size / 16.0;
    const bool small = size <= 16;
    const double inset = small ? 0.5 : s * 0.5;
    const QRectF body(inset, inset + (small ? 0 : s * 0.5), size - 2 * inset, size * (small ? 0.72 : 0.68));
    QPainterPath bubble;
    bubble.addRoundedRect(body, body.height() * 0.32, body.height() * 0.32);
    QPainterPath tail;
    tail.moveTo(body.left() + body.width() * 0.22, body.bottom() - s * 1.5);
    tail.lineTo(body.left() + body.width() * 0.16, size - inset);
    tail.lineTo(body.left() + body.width() * 0.50, body.bottom() - s * 0.5);
    tail.closeSubpath();
    const QPainterPath shape = bubble.united(tail);

    QLinearGradient colours(0, 0, size, size);
    colours.setColorAt(0.00, QColor(0x7B, 0xE3, 0x5A));
    colours.setColorAt(0.35, QColor(0x1F, 0xB5, 0xE8));
    colours.setColorAt(0.70, QColor(0x4A, 0x6B, 0xF2));
    colours.setColorAt(1.00, QColor(0xC2, 0x4B, 0xE8));
    p.setPen(QPen(QColor(0x1B, 0x3E, 0x8C, small ? 255 : 200), small ? 1.0 : qMax(1.0, s * 0.35)));
    p.setBrush(colours);
    p.drawPath(shape);

    // The gloss: a soft white band over the upper half.
    QPainterPath gloss;
    const QRectF shine = body.adjusted(body.width() * 0.08, body.height() * 0.07, -body.width() * 0.08, -body.height() * 0.52);
    gloss.addRoundedRect(shine, shine.height() * 0.5, shine.height() * 0.5);
    QLinearGradient white(0, shine.top(), 0, shine.bottom());
    white.setColorAt(0, QColor(255, 255, 255, 220));
    white.setColorAt(1, QColor(255, 255, 255, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    p.drawPath(gloss);

    if (size >= 32) {
        // Three dots: someone is talking.
        p.setBrush(QColor(255, 255, 255, 235));
        const double r = s * 0.95;
        for (int i = -1; i <= 1; ++i)
            p.drawEllipse(QPointF(body.center().x() + i * s * 3.2, body.center().y() + s * 1.3), r, r);
    }
    p.end();
    return icon;
}

// An icon file with every size as a PNG entry.
void WriteIco(const QList<QImage> &images, const QString &path)
{
    QList<QByteArray> pngs;
    for (const QImage &image : images) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        pngs << png;
    }
    QByteArray ico;
    QDataStream stream(&ico, QIODevice::WriteOnly);
    stream.setByteOrder(QDataStream::LittleEndian);
    stream << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = 6 + 16 * images.size();
    for (int i = 0; i < images.size(); ++i) {
        const int side = images[i].width();
        stream << quint8(side >= 256 ? 0 : side) << quint8(side >= 256 ? 0 : side) << quint8(0) << quint8(0)
               << quint16(1) << quint16(32) << quint32(pngs[i].size()) << offset;
        offset += pngs[i].size();
    }
    for (const QByteArray &png : pngs)
        stream.writeRawData(png.constData(), png.size());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(ico);
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

    // The program's icon, MAINICON: a glossy, multi-coloured speech bubble,
    // drawn for each size rather than scaled.
    QDir(out.filePath("icon")).mkpath(".");
    QList<QImage> sizes;
    for (int size : {128, 64, 48, 32, 16}) {
        const QImage icon = Icon(size);
        icon.save(out.filePath(QStringLiteral("icon/MAINICON-%1.png").arg(size)));
        sizes << icon;
    }
    WriteIco(sizes, out.filePath("icon/MAINICON.ico"));

    return 0;
}
