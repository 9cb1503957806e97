// Start-up that cannot read a form's layout ends the program with an
// "Application Error" box and exit code 1, whatever the cause.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

// A sound layout for the probe's form; each case below breaks it in one way.
QJsonObject SoundLayout()
{
    return QJsonDocument::fromJson(R"({
      "class": "TProbeForm", "name": "ProbeForm",
      "properties": { "Caption": "probe", "ClientWidth": 200, "ClientHeight": 100, "OnCreate": "FormCreate" },
      "children": [
        { "class": "TPanel", "name": "Panel1", "properties": { "Left": 0, "Top": 0, "Width": 100, "Height": 50 } },
        { "class": "TButton", "name": "Button1", "properties": { "Left": 100, "Top": 0, "Width": 100, "Height": 30,
          "Caption": "OK", "OnClick": "Button1Click" } },
        { "class": "TTimer", "name": "Timer1", "properties": { "Interval": 1000, "OnTimer": "Button1Click" } }
      ] })").object();
}

using Edit = std::function<void(QJsonObject &)>;

void EditChild(QJsonObject &layout, int index, const std::function<void(QJsonObject &)> &edit)
{
    QJsonArray children = layout.value("children").toArray();
    QJsonObject child = children.at(index).toObject();
    edit(child);
    children.replace(index, child);
    layout.insert("children", children);
}

void SetChildProperty(QJsonObject &layout, int index, const QString &key, const QJsonValue &value)
{
    EditChild(layout, index, [&](QJsonObject &child) {
        QJsonObject properties = child.value("properties").toObject();
        properties.insert(key, value);
        child.insert("properties", properties);
    });
}

struct Run {
    int exitCode = -1;
    QString output;
};

Run Probe(const QByteArray *layout, const QStringList &extraArgs = {}, const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QTemporaryDir dir;
    if (layout) {
        QFile file(dir.filePath("TProbeForm.json"));
        file.open(QIODevice::WriteOnly);
        file.write(*layout);
    }
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(PROBE_PATH), QStringList{dir.path()} + extraArgs);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
}

QString ErrorBox(const QString &text)
{
    return QStringLiteral("box\tApplication Error\t%1\t%2\n").arg(text).arg(3 /* QMessageBox::Critical */);
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void soundLayoutStarts();
    void brokenLayoutEndsTheProgram_data();
    void brokenLayoutEndsTheProgram();
    void noTimerLeftEndsTheProgram();
    void webViewThatCannotBeMadeEndsTheProgram();
    void brokenSkinStreamEndsTheProgram();
};

void TestStartup::soundLayoutStarts()
{
    const QByteArray layout = QJsonDocument(SoundLayout()).toJson();
    const Run run = Probe(&layout);
    QCOMPARE(run.output, QStringLiteral("created\n"));
    QCOMPARE(run.exitCode, 0);
}

void TestStartup::brokenLayoutEndsTheProgram_data()
{
    QTest::addColumn<QByteArray>("layout");
    QTest::addColumn<QString>("message");
    const auto row = [](const char *name, const Edit &edit, const QString &message) {
        QJsonObject layout = SoundLayout();
        edit(layout);
        QTest::newRow(name) << QJsonDocument(layout).toJson() << message;
    };
    QTest::newRow("malformed") << QByteArray("{ \"class\": \"TProbeForm\", ")
                               << QStringLiteral("Error reading layout of TProbeForm: unterminated object at offset 25");
    QTest::newRow("not an object") << QByteArray("[]") << QStringLiteral("Error reading layout of TProbeForm: not an object");
    row("another form's layout", [](QJsonObject &l) { l.insert("class", "TForm1"); },
        QStringLiteral("Layout of TProbeForm describes class TForm1"));
    row("unknown component kind", [](QJsonObject &l) { EditChild(l, 0, [](QJsonObject &c) { c.insert("class", "TListBox"); }); },
        QStringLiteral("Class TListBox not found"));
    row("unknown property", [](QJsonObject &l) { SetChildProperty(l, 0, "Colour", "clRed"); },
        QStringLiteral("Error reading Panel1.Colour: Property Colour does not exist"));
    row("event the kind does not have", [](QJsonObject &l) { SetChildProperty(l, 0, "OnClick", "Button1Click"); },
        QStringLiteral("Error reading Panel1.OnClick: Property OnClick does not exist"));
    row("unknown handler", [](QJsonObject &l) { SetChildProperty(l, 1, "OnClick", "Button1Clik"); },
        QStringLiteral("Error reading Button1.OnClick: Method Button1Clik not found in TProbeForm"));
    row("number of the wrong kind", [](QJsonObject &l) { SetChildProperty(l, 0, "Left", 1.5); },
        QStringLiteral("Error reading Panel1.Left: Invalid property value"));
    row("text for a number", [](QJsonObject &l) { SetChildProperty(l, 0, "Width", "100"); },
        QStringLiteral("Error reading Panel1.Width: Invalid property value"));
    row("unknown enumeration value", [](QJsonObject &l) { SetChildProperty(l, 0, "Color", "clChartreuse"); },
        QStringLiteral("Error reading Panel1.Color: Invalid property value"));
    row("unknown set member", [](QJsonObject &l) {
            QJsonObject p = l.value("properties").toObject();
            p.insert("BorderIcons", QJsonArray{"biSystemMenu", "biRestore"});
            l.insert("properties", p);
        },
        QStringLiteral("Error reading ProbeForm.BorderIcons: Invalid property value"));
    row("unknown nested property", [](QJsonObject &l) {
            QJsonObject p = l.value("properties").toObject();
            p.insert("Font", QJsonObject{{"Size", 9}});
            l.insert("properties", p);
        },
        QStringLiteral("Error reading ProbeForm.Font.Size: Property Size does not exist"));
    row("picture that cannot be read", [](QJsonObject &l) {
            EditChild(l, 1, [](QJsonObject &c) { c.insert("class", "TBitBtn"); });
            SetChildProperty(l, 1, "Glyph", ":/no/such.bmp");
        },
        QStringLiteral("Error reading Button1.Glyph: Picture :/no/such.bmp cannot be read"));
    row("field missing from the layout", [](QJsonObject &l) {
            QJsonArray children = l.value("children").toArray();
            children.removeAt(0);
            l.insert("children", children);
        },
        QStringLiteral("Component Panel1 of TProbeForm is not in its layout"));
    row("field of another kind", [](QJsonObject &l) { EditChild(l, 0, [](QJsonObject &c) { c.insert("class", "TButton"); }); },
        QStringLiteral("Component Panel1 of TProbeForm is a TButton, not a TPanel"));
    row("two components of one name", [](QJsonObject &l) { EditChild(l, 2, [](QJsonObject &c) { c.insert("name", "Panel1"); }); },
        QStringLiteral("A component named Panel1 already exists"));
    row("children under a timer", [](QJsonObject &l) { EditChild(l, 2, [](QJsonObject &c) { c.insert("children", QJsonArray{}); }); },
        QStringLiteral("Error reading Timer1: a TTimer holds no components"));
}

void TestStartup::brokenLayoutEndsTheProgram()
{
    QFETCH(QByteArray, layout);
    QFETCH(QString, message);
    const Run run = Probe(&layout);
    QCOMPARE(run.output, ErrorBox(message));
    QCOMPARE(run.exitCode, 1);
}

void TestStartup::noTimerLeftEndsTheProgram()
{
    const QByteArray layout = QJsonDocument(SoundLayout()).toJson();
    const Run run = Probe(&layout, {QStringLiteral("0")});
    QCOMPARE(run.output, ErrorBox(QStringLiteral("Not enough timers available")));
    QCOMPARE(run.exitCode, 1);
}

void TestStartup::webViewThatCannotBeMadeEndsTheProgram()
{
    QJsonObject edited = SoundLayout();
    EditChild(edited, 0, [](QJsonObject &panel) {
        panel.insert("children", QJsonArray{QJsonObject{{"class", "TWebBrowser"}, {"name", "WebBrowser1"}}});
    });
    const QByteArray layout = QJsonDocument(edited).toJson();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QTWEBENGINEPROCESS_PATH"), QStringLiteral("/nonexistent/QtWebEngineProcess"));
    const Run run = Probe(&layout, {}, env);
    QCOMPARE(run.output, ErrorBox(QStringLiteral("The web view cannot be created: the web engine's helper process is missing")));
    QCOMPARE(run.exitCode, 1);
}

void TestStartup::brokenSkinStreamEndsTheProgram()
{
    QTemporaryDir dir;
    QFile stream(dir.filePath("broken.skin"));
    stream.open(QIODevice::WriteOnly);
    stream.write(QByteArray("\x20\x00\x00\x00{\"format\"", 14));  // promises 32 bytes, holds 10
    stream.close();
    QJsonObject edited = SoundLayout();
    QJsonArray children = edited.value("children").toArray();
    children.append(QJsonObject{{"class", "TSkinData"}, {"name", "SkinData1"},
                                {"properties", QJsonObject{{"Active", true}, {"SkinStream", stream.fileName()}}}});
    edited.insert("children", children);
    const QByteArray layout = QJsonDocument(edited).toJson();
    const Run run = Probe(&layout);
    QCOMPARE(run.output, ErrorBox(QStringLiteral("Invalid skin: the stream holds 10 bytes of skin, not 32")));
    QCOMPARE(run.exitCode, 1);
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
