#include "PageServer.h"

#include <QElapsedTimer>
#include <QPoint>
#include <QTcpSocket>
#include <QUrl>
#include <QRgb>

PageServer::PageServer(Mode mode, QObject *parent)
    : QObject(parent)
    , mode_(mode)
{
    server_.listen(QHostAddress::LocalHost);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = server_.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Answer(socket); });
        }
    });
}

void PageServer::Answer(QTcpSocket *socket)
{
    if (!socket->canReadLine() || socket->property("answered").toBool())
        return;
    const QByteArray head = socket->peek(65536);
    if (!head.contains("\r\n\r\n"))
        return;
    socket->setProperty("answered", true);
    const QList<QByteArray> lines = head.left(head.indexOf("\r\n\r\n")).split('\n');
    const QList<QByteArray> request = lines.first().trimmed().split(' ');
    // Asked as a proxy, the target comes as an absolute address.
    QString path = request.size() > 1 ? QString::fromLatin1(request.at(1)) : QString();
    if (path.startsWith(QLatin1String("http://")))
        path = QUrl(path).path(QUrl::FullyEncoded);
    QString host;
    for (const QByteArray &line : lines)
        if (line.toLower().startsWith("host:"))
            host = QString::fromLatin1(line.mid(5).trimmed());
    if (path != QLatin1String("/favicon.ico")) {
        paths_ << path;
        hosts_ << host;
        QElapsedTimer now;
        now.start();
        times_ << now.msecsSinceReference();
    }
    emit Requested(path);

    QByteArray status = "200 OK";
    QByteArray body;
    QByteArray type = "text/html; charset=utf-8";
    if (path == QLatin1String("/loaded") || path == QLatin1String("/favicon.ico")) {
        status = "204 No Content";
    } else if (mode_ == Silent) {
        held_ << socket;  // never answered
        return;
    } else if (mode_ == Error500) {
        status = "500 Internal Server Error";
        body = "<html><body>server error</body></html>";
    } else if (pages_.contains(path)) {
        body = pages_.value(path);
    } else {
        status = "404 Not Found";
        body = "<html><body>not here</body></html>";
    }
    socket->write("HTTP/1.1 " + status + "\r\nContent-Type: " + type + "\r\nContent-Length: "
                  + QByteArray::number(body.size()) + "\r\nCache-Control: no-store\r\nConnection: close\r\n\r\n" + body);
    socket->disconnectFromHost();
}

QByteArray PageServer::CoordinatePage(int width, int height)
{
    return QByteArrayLiteral(R"(<!DOCTYPE html><html><head><style>
html, body { margin: 0; padding: 0; }
canvas { display: block; }
</style></head><body><canvas id="c"></canvas><script>
const w = %1, h = %2;
const c = document.getElementById('c');
c.width = w; c.height = h;
c.style.width = w + 'px'; c.style.height = h + 'px';
const ctx = c.getContext('2d');
const img = ctx.createImageData(w, h);
for (let y = 0; y < h; ++y) for (let x = 0; x < w; ++x) {
  const i = (y * w + x) * 4;
  img.data[i] = x & 255; img.data[i + 1] = y & 255; img.data[i + 2] = ((x >> 8) << 4) | (y >> 8); img.data[i + 3] = 255;
}
ctx.putImageData(img, 0, 0);
window.addEventListener('load', () => requestAnimationFrame(() => requestAnimationFrame(() => {
  new Image().src = '/loaded';
})));
</script></body></html>)")
        .replace("%1", QByteArray::number(width))
        .replace("%2", QByteArray::number(height));
}

QPoint PageServer::Decode(QRgb pixel)
{
    return QPoint((qBlue(pixel) >> 4) * 256 + qRed(pixel), (qBlue(pixel) & 15) * 256 + qGreen(pixel));
}
