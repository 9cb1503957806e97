// A loopback web server standing in for the remote hosts. The web views reach it
// as their proxy: QTWEBENGINE_CHROMIUM_FLAGS=--proxy-server=http://127.0.0.1:PORT
// (the web engine splits that variable at spaces, so a host-resolver MAP rule,
// which needs spaces, cannot be passed through it).
#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTcpServer>
#include <QRgb>

class QTcpSocket;

class PageServer : public QObject
{
    Q_OBJECT
public:
    enum Mode { Serve, Error500, Silent };

    explicit PageServer(Mode mode = Serve, QObject *parent = nullptr);
    quint16 Port() const { return server_.serverPort(); }
    // Paths requested so far, in order, with the Host each was asked of.
    QStringList Paths() const { return paths_; }
    QStringList Hosts() const { return hosts_; }
    // When each path was asked for, in ms on the monotonic clock (QElapsedTimer's).
    QList<qint64> Times() const { return times_; }
    int Count(const QString &path) const { return int(paths_.count(path)); }
    // Serves `body` as text/html at `path`.
    void SetPage(const QString &path, const QByteArray &body) { pages_.insert(path, body); }

    // A page as wide and tall as asked whose every pixel encodes its own position:
    // red = x mod 256, green = y mod 256, blue = (x / 256) * 16 + y / 256.
    // Once drawn it asks for /loaded.
    static QByteArray CoordinatePage(int width, int height);
    // Decodes a pixel of that page.
    static QPoint Decode(QRgb pixel);

signals:
    void Requested(const QString &path);

private:
    void Answer(QTcpSocket *socket);

    QTcpServer server_;
    Mode mode_;
    QStringList paths_;
    QStringList hosts_;
    QList<qint64> times_;
    QHash<QString, QByteArray> pages_;
    QList<QTcpSocket *> held_;
};
