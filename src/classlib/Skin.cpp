#include "Skin.h"

#include "Exception.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

namespace {

[[noreturn]] void Corrupt(const QString &why)
{
    throw EReadError((QStringLiteral("Invalid skin: ") + why).toStdU16String());
}

QJsonValue Need(const QJsonObject &object, const char *section, const char *key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined())
        Corrupt(QStringLiteral("%1.%2 is missing").arg(QLatin1String(section), QLatin1String(key)));
    return value;
}

QJsonObject Section(const QJsonObject &skin, const char *name)
{
    const QJsonValue value = skin.value(QLatin1String(name));
    if (!value.isObject())
        Corrupt(QStringLiteral("%1 is missing").arg(QLatin1String(name)));
    return value.toObject();
}

QColor Colour(const QJsonObject &object, const char *section, const char *key)
{
    const QColor colour = QColor::fromString(Need(object, section, key).toString());
    if (!colour.isValid())
        Corrupt(QStringLiteral("%1.%2 is not a colour").arg(QLatin1String(section), QLatin1String(key)));
    return colour;
}

TSkin::Gradient Pair(const QJsonObject &object, const char *section, const char *key)
{
    const QJsonArray pair = Need(object, section, key).toArray();
    const QColor top = QColor::fromString(pair.at(0).toString());
    const QColor bottom = QColor::fromString(pair.at(1).toString());
    if (pair.size() != 2 || !top.isValid() || !bottom.isValid())
        Corrupt(QStringLiteral("%1.%2 is not a pair of colours").arg(QLatin1String(section), QLatin1String(key)));
    return {top, bottom};
}

int Number(const QJsonObject &object, const char *section, const char *key)
{
    const QJsonValue value = Need(object, section, key);
    if (!value.isDouble() || value.toDouble() < 0 || value.toDouble() > 200)
        Corrupt(QStringLiteral("%1.%2 is not a size").arg(QLatin1String(section), QLatin1String(key)));
    return value.toInt();
}

QImage Picture(const QJsonObject &pictures, const char *key)
{
    const QImage image = QImage::fromData(QByteArray::fromBase64(Need(pictures, "pictures", key).toString().toLatin1()), "PNG");
    if (image.isNull())
        Corrupt(QStringLiteral("pictures.%1 is not a picture").arg(QLatin1String(key)));
    return image;
}

} // namespace

QByteArray TSkin::ToStream(const QByteArray &skin)
{
    QByteArray stream(4, '\0');
    qToLittleEndian<quint32>(quint32(skin.size()), stream.data());
    return stream + skin;
}

TSkin TSkin::FromStream(const QByteArray &stream)
{
    if (stream.size() < 4)
        Corrupt(QStringLiteral("the stream has no length"));
    const quint32 length = qFromLittleEndian<quint32>(stream.constData());
    if (quint64(length) != quint64(stream.size() - 4))
        Corrupt(QStringLiteral("the stream holds %1 bytes of skin, not %2").arg(stream.size() - 4).arg(length));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(stream.mid(4), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        Corrupt(QStringLiteral("%1 at offset %2").arg(error.errorString()).arg(error.offset));
    const QJsonObject skin = document.object();
    if (skin.value(QLatin1String("format")).toString() != QLatin1String("quorvel-skin")
        || skin.value(QLatin1String("version")).toInt() != 1)
        Corrupt(QStringLiteral("not a version 1 skin"));

    TSkin s;
    const QJsonObject frame = Section(skin, "frame");
    s.frame = QMargins(Number(frame, "frame", "left"), Number(frame, "frame", "caption"), Number(frame, "frame", "right"),
                       Number(frame, "frame", "bottom"));
    s.active = Pair(frame, "frame", "active");
    s.inactive = Pair(frame, "frame", "inactive");
    s.edge = Colour(frame, "frame", "edge");
    s.captionText = Colour(frame, "frame", "text");
    s.inactiveCaptionText = Colour(frame, "frame", "inactiveText");
    const QJsonObject font = Need(frame, "frame", "font").toObject();
    s.captionFont = QFont(Need(font, "frame.font", "family").toString());
    s.captionFont.setPixelSize(qMax(1, Number(font, "frame.font", "pixelSize")));
    s.captionFont.setBold(Need(font, "frame.font", "bold").toBool());

    const QJsonObject captionButton = Section(skin, "captionButton");
    s.captionButton = QSize(Number(captionButton, "captionButton", "width"), Number(captionButton, "captionButton", "height"));
    s.captionButtonHover = Colour(captionButton, "captionButton", "hover");
    s.captionButtonPressed = Colour(captionButton, "captionButton", "pressed");

    const QJsonObject window = Section(skin, "window");
    s.windowFace = Colour(window, "window", "face");
    s.windowText = Colour(window, "window", "text");

    const QJsonObject button = Section(skin, "button");
    s.buttonFace = Pair(button, "button", "face");
    s.buttonHover = Pair(button, "button", "hover");
    s.buttonPressed = Pair(button, "button", "pressed");
    s.buttonBorder = Colour(button, "button", "border");
    s.buttonFocus = Colour(button, "button", "focus");
    s.buttonText = Colour(button, "button", "text");
    s.buttonRadius = Number(button, "button", "radius");

    const QJsonObject panel = Section(skin, "panel");
    s.panelFace = Colour(panel, "panel", "face");
    s.panelLight = Colour(panel, "panel", "light");
    s.panelDark = Colour(panel, "panel", "dark");

    const QJsonObject menu = Section(skin, "menu");
    s.menuFace = Colour(menu, "menu", "face");
    s.menuText = Colour(menu, "menu", "text");
    s.menuHighlight = Colour(menu, "menu", "highlight");
    s.menuHighlightText = Colour(menu, "menu", "highlightText");
    s.menuBorder = Colour(menu, "menu", "border");

    const QJsonObject pictures = Section(skin, "pictures");
    s.closePicture = Picture(pictures, "close");
    s.iconPicture = Picture(pictures, "icon");
    return s;
}
