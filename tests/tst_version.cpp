// The Windows resource script carries exactly the version data and the icon group.
#include <QFile>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

namespace {
QJsonObject VersionData()
{
    QFile file(QStringLiteral(SOURCE_DIR "/resources/version.json"));
    file.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(file.readAll()).object();
}

QString Script()
{
    QFile file(QStringLiteral(BUILD_DIR "/Project1.rc"));
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

QString Numbers(const QJsonArray &parts, const QString &separator)
{
    QStringList list;
    for (const QJsonValue &part : parts)
        list << QString::number(part.toInt());
    return list.join(separator);
}

// The value of a statement such as "FILEVERSION 6,0,0,0", or of VALUE "Key", "value".
QString Statement(const QString &script, const QString &name)
{
    const QRegularExpression line(QStringLiteral("^\\s*%1 (.*)$").arg(QRegularExpression::escape(name)),
                                  QRegularExpression::MultilineOption);
    return line.match(script).captured(1).trimmed();
}
} // namespace

class TestVersion : public QObject
{
    Q_OBJECT
private slots:
    void fixedPartMatchesTheVersionData();
    void stringTableMatchesTheVersionData();
    void iconGroupHasEverySize();
};

void TestVersion::fixedPartMatchesTheVersionData()
{
    const QJsonObject data = VersionData();
    const QString rc = Script();
    QCOMPARE(Statement(rc, "FILEVERSION"), Numbers(data["FileVersion"].toArray(), ","));
    QCOMPARE(Statement(rc, "PRODUCTVERSION"), Numbers(data["ProductVersion"].toArray(), ","));
    QCOMPARE(Statement(rc, "FILEVERSION"), QStringLiteral("6,0,0,0"));
    QCOMPARE(Statement(rc, "FILEFLAGS").toInt(nullptr, 16), data["FileFlags"].toInt());
    QCOMPARE(Statement(rc, "FILEOS").toInt(nullptr, 16), 4);
    QCOMPARE(Statement(rc, "FILETYPE").toInt(nullptr, 16), 1);
    QCOMPARE(Statement(rc, "VALUE \"Translation\","), QStringLiteral("0x0804, 936"));
}

void TestVersion::stringTableMatchesTheVersionData()
{
    const QString rc = Script();
    QVERIFY(rc.contains(QStringLiteral("BLOCK \"StringFileInfo\"")));
    QVERIFY(rc.contains(QStringLiteral("BLOCK \"080403A8\"")));
    const QJsonObject strings = VersionData()["Strings"].toObject();
    QCOMPARE(strings.size(), 10);
    const QRegularExpression value(QStringLiteral("VALUE \"(\\w+)\", \"(.*)\""));
    QJsonObject written;
    for (auto it = value.globalMatch(rc); it.hasNext();) {
        const auto match = it.next();
        if (match.captured(1) != QLatin1String("Translation"))
            written.insert(match.captured(1), match.captured(2));
    }
    QCOMPARE(written, strings);
    QCOMPARE(strings["FileDescription"].toString(), QStringLiteral("Quorvel网速测试器"));
    QCOMPARE(strings["FileVersion"].toString(), QStringLiteral("6.0.0.0"));
    QCOMPARE(strings["ProductVersion"].toString(), QStringLiteral("6.0.0.0"));
}

void TestVersion::iconGroupHasEverySize()
{
    QCOMPARE(Statement(Script(), "MAINICON ICON"), QStringLiteral("\"MAINICON.ico\""));
    QImageReader reader(QStringLiteral(BUILD_DIR "/MAINICON.ico"));
    QList<int> sizes;
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        const QImage image = reader.read();
        QVERIFY(image.hasAlphaChannel());
        sizes << image.width();
    }
    QCOMPARE(sizes, (QList<int>{128, 64, 48, 32, 16}));
}

QTEST_GUILESS_MAIN(TestVersion)
#include "tst_version.moc"
