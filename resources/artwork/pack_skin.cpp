// Packs the skin in resources/skin/ into the stream the layout keeps: the
// pictures named in skin.json go in as base64 PNG, and the whole is prefixed
// with its length (4 bytes, little-endian).
//
//   pack_skin SKIN_DIR OUTPUT
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: pack_skin SKIN_DIR OUTPUT\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    QFile source(dir.filePath(QStringLiteral("skin.json")));
    if (!source.open(QIODevice::ReadOnly))
        return 1;
    QJsonObject skin = QJsonDocument::fromJson(source.readAll()).object();
    QJsonObject pictures = skin.value(QStringLiteral("pictures")).toObject();
    for (auto it = pictures.begin(); it != pictures.end(); ++it) {
        QFile picture(dir.filePath(it.value().toString()));
        if (!picture.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "pack_skin: %s is missing\n", qPrintable(picture.fileName()));
            return 1;
        }
        it.value() = QString::fromLatin1(picture.readAll().toBase64());
    }
    skin.insert(QStringLiteral("pictures"), pictures);
    const QByteArray body = QJsonDocument(skin).toJson(QJsonDocument::Compact);
    QByteArray stream(4, '\0');
    qToLittleEndian<quint32>(quint32(body.size()), stream.data());
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly))
        return 1;
    out.write(stream + body);
    return 0;
}
