// The skin component: reading the skin stream, and which windows and controls
// its settings dress.
#include "Application.h"
#include "Button.h"
#include "Layout.h"
#include "Panel.h"
#include "Skin.h"
#include "SkinData.h"
#include "SkinFrame.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TSkinnedForm : public TForm
{
    Q_OBJECT
public:
    explicit TSkinnedForm(TComponent *owner) : TForm(owner) {}
};

class TOtherForm : public TForm
{
    Q_OBJECT
public:
    explicit TOtherForm(TComponent *owner) : TForm(owner) {}
};

namespace {

QByteArray PackedSkin()
{
    QFile file(QStringLiteral(SOURCE_DIR "/resources/Main.skin"));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// The skin's JSON, to break in one way or another.
QJsonObject SkinObject()
{
    return QJsonDocument::fromJson(PackedSkin().mid(4)).object();
}

QByteArray Stream(const QJsonObject &skin)
{
    return TSkin::ToStream(QJsonDocument(skin).toJson());
}

QString ReadError(const QByteArray &stream)
{
    try {
        TSkin::FromStream(stream);
    } catch (const Exception &error) {
        return QString::fromStdU16String(error.Message());
    }
    return {};
}

} // namespace

class TestSkin : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void packedSkinIsUpToDate();
    void readsTheSkin();
    void refusesABrokenStream_data();
    void refusesABrokenStream();
    void settingsChooseWhatIsSkinned_data();
    void settingsChooseWhatIsSkinned();
    void skinnedFrameHoldsTheOuterSize();
    void systemMenuOffersMoveAndClose();

private:
    void Write(const QString &formType, const QStringList &controls, int formTag, bool withSkin = true);

    QTemporaryDir dir_;
    TApplication *application_ = nullptr;
};

void TestSkin::initTestCase()
{
    InstallFontSubstitutes();
    SetLayoutRoot(dir_.path());
    QFile skin(dir_.filePath("Main.skin"));
    skin.open(QIODevice::WriteOnly);
    skin.write(PackedSkin());
}

void TestSkin::init()
{
    application_ = new TApplication;
}

void TestSkin::cleanup()
{
    delete application_;
}

void TestSkin::packedSkinIsUpToDate()
{
    const QString packed = dir_.filePath("repacked.skin");
    QCOMPARE(QProcess::execute(QStringLiteral(PACK_SKIN_PATH), {QStringLiteral(SOURCE_DIR "/resources/skin"), packed}), 0);
    QFile file(packed);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY2(file.readAll() == PackedSkin(), "resources/Main.skin is stale: cmake --build build --target skin");
}

void TestSkin::readsTheSkin()
{
    const TSkin skin = TSkin::FromStream(PackedSkin());
    // 4 pixels at the left, the right and the bottom, a 30-pixel caption: 537 x 486 inside 545 x 520.
    QCOMPARE(skin.frame, QMargins(4, 30, 4, 4));
    QCOMPARE(skin.closePicture.size(), QSize(10, 10));
    QCOMPARE(skin.iconPicture.size(), QSize(16, 16));
    QVERIFY(skin.active.top.isValid() && skin.buttonBorder.isValid());
}

void TestSkin::refusesABrokenStream_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QString>("error");
    const QByteArray good = PackedSkin();
    QTest::newRow("no length") << good.left(3) << "Invalid skin: the stream has no length";
    QTest::newRow("truncated") << good.left(good.size() - 10)
                               << QStringLiteral("Invalid skin: the stream holds %1 bytes of skin, not %2").arg(good.size() - 14).arg(good.size() - 4);
    QTest::newRow("longer than its length") << good + "xx"
                                            << QStringLiteral("Invalid skin: the stream holds %1 bytes of skin, not %2").arg(good.size() - 2).arg(good.size() - 4);
    QTest::newRow("not JSON") << TSkin::ToStream("{\"format\": ") << "Invalid skin: unterminated object at offset 11";
    QJsonObject other = SkinObject();
    other.insert("format", "another-skin");
    QTest::newRow("another format") << Stream(other) << "Invalid skin: not a version 1 skin";
    QJsonObject noPanel = SkinObject();
    noPanel.remove("panel");
    QTest::newRow("section missing") << Stream(noPanel) << "Invalid skin: panel is missing";
    QJsonObject badColour = SkinObject();
    QJsonObject frame = badColour.value("frame").toObject();
    frame.insert("edge", "#zz0000");
    badColour.insert("frame", frame);
    QTest::newRow("not a colour") << Stream(badColour) << "Invalid skin: frame.edge is not a colour";
    QJsonObject badSize = SkinObject();
    frame = badSize.value("frame").toObject();
    frame.insert("caption", -30);
    badSize.insert("frame", frame);
    QTest::newRow("negative size") << Stream(badSize) << "Invalid skin: frame.caption is not a size";
    QJsonObject badPicture = SkinObject();
    QJsonObject pictures = badPicture.value("pictures").toObject();
    pictures.insert("close", QString::fromLatin1(QByteArray("not a picture").toBase64()));
    badPicture.insert("pictures", pictures);
    QTest::newRow("not a picture") << Stream(badPicture) << "Invalid skin: pictures.close is not a picture";
}

void TestSkin::refusesABrokenStream()
{
    QFETCH(QByteArray, stream);
    QFETCH(QString, error);
    QCOMPARE(ReadError(stream), error);
}

void TestSkin::Write(const QString &formType, const QStringList &controls, int formTag, bool withSkin)
{
    QJsonObject skinData{{"class", "TSkinData"}, {"name", "SkinData1"},
                         {"properties", QJsonObject{{"Active", withSkin}, {"DisableTag", 99},
                                                    {"SkinControls", QJsonArray::fromStringList(controls)},
                                                    {"SkinFormtype", formType}, {"SkinStore", "(Good)"},
                                                    {"SkinStream", dir_.filePath("Main.skin")}}}};
    const auto button = [](const char *cls, const char *name, int left, int tag) {
        return QJsonObject{{"class", cls}, {"name", name},
                           {"properties", QJsonObject{{"Left", left}, {"Top", 0}, {"Width", 60}, {"Height", 30},
                                                      {"Caption", name}, {"Tag", tag}}}};
    };
    const QJsonObject skinned{
        {"class", "TSkinnedForm"}, {"name", "SkinnedForm"},
        {"properties", QJsonObject{{"ClientWidth", 300}, {"ClientHeight", 200}, {"Caption", "skinned"}, {"Tag", formTag},
                                   {"Constraints", QJsonObject{{"MinWidth", 308}, {"MaxWidth", 308},
                                                               {"MinHeight", 234}, {"MaxHeight", 234}}}}},
        {"children", QJsonArray{
             QJsonObject{{"class", "TPanel"}, {"name", "Panel1"},
                         {"properties", QJsonObject{{"Left", 0}, {"Top", 40}, {"Width", 300}, {"Height", 160}}}},
             button("TButton", "Button1", 0, 0), button("TButton", "Button2", 70, 99), button("TBitBtn", "BitBtn1", 140, 0),
             skinData}}};
    const QJsonObject other{{"class", "TOtherForm"}, {"name", "OtherForm"},
                            {"properties", QJsonObject{{"ClientWidth", 200}, {"ClientHeight", 100}, {"Caption", "other"}}},
                            {"children", QJsonArray{button("TButton", "Button1", 0, 0)}}};
    for (const QJsonObject &layout : {skinned, other}) {
        QFile file(dir_.filePath(layout.value("class").toString() + ".json"));
        file.open(QIODevice::WriteOnly);
        file.write(QJsonDocument(layout).toJson());
    }
}

void TestSkin::settingsChooseWhatIsSkinned_data()
{
    QTest::addColumn<QString>("formType");
    QTest::addColumn<QStringList>("controls");
    QTest::addColumn<int>("formTag");
    QTest::addColumn<bool>("ownFrame");
    QTest::addColumn<bool>("otherFrame");
    QTest::addColumn<bool>("dialogs");
    QTest::addColumn<QStringList>("skinnedControls");
    const QStringList buttonsAndPanels{"xcButton", "xcPanel"};
    QTest::newRow("whole program") << "sfMainform" << buttonsAndPanels << 0 << true << true << true
                                   << QStringList{"Panel1", "Button1", "OtherForm.Button1"};
    QTest::newRow("only this form") << "sfOnlyThisForm" << buttonsAndPanels << 0 << true << false << false
                                    << QStringList{"Panel1", "Button1"};
    QTest::newRow("this form and dialogs") << "sfDialog" << buttonsAndPanels << 0 << true << false << true
                                           << QStringList{"Panel1", "Button1"};
    QTest::newRow("picture buttons only") << "sfMainform" << QStringList{"xcBitBtn"} << 0 << true << true << true
                                          << QStringList{"BitBtn1"};
    QTest::newRow("form carries the disable tag") << "sfMainform" << buttonsAndPanels << 99 << false << true << true
                                                  << QStringList{"OtherForm.Button1"};
}

void TestSkin::settingsChooseWhatIsSkinned()
{
    QFETCH(QString, formType);
    QFETCH(QStringList, controls);
    QFETCH(int, formTag);
    QFETCH(bool, ownFrame);
    QFETCH(bool, otherFrame);
    QFETCH(bool, dialogs);
    QFETCH(QStringList, skinnedControls);
    Write(formType, controls, formTag);
    TSkinnedForm *own = nullptr;
    TOtherForm *other = nullptr;
    Application->CreateForm(own);
    Application->CreateForm(other);

    QCOMPARE(own->SkinFrame() != nullptr, ownFrame);
    QCOMPARE(other->SkinFrame() != nullptr, otherFrame);
    QCOMPARE(own->Widget()->windowFlags().testFlag(Qt::FramelessWindowHint), ownFrame);

    const TSkin &skin = TSkinData::Current()->Skin();
    QStringList dressed;
    for (TForm *form : {static_cast<TForm *>(own), static_cast<TForm *>(other)}) {
        for (TControl *control : form->findChildren<TControl *>()) {
            const QString name = (form == other ? "OtherForm." : "") + control->Name();
            if (auto *panel = qobject_cast<TPanel *>(control)) {
                if (panel->Widget()->grab().toImage().pixelColor(50, 50) == skin.panelFace)
                    dressed << name;
            } else if (!control->Widget()->styleSheet().isEmpty()) {
                dressed << name;
            }
        }
    }
    QCOMPARE(dressed, skinnedControls);

    // An error box wears the skin's frame when dialogs are covered.
    bool framed = false;
    QMargins margins;
    QTimer::singleShot(100, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        framed = box->windowFlags().testFlag(Qt::FramelessWindowHint);
        margins = box->contentsMargins();
        box->button(QMessageBox::Ok)->click();
    });
    Application->ShowException(Exception(u"boom"));
    QCOMPARE(framed, dialogs);
    QCOMPARE(margins, dialogs ? QMargins(4, 30, 4, 4) : QMargins());
}

void TestSkin::skinnedFrameHoldsTheOuterSize()
{
    Write("sfMainform", {"xcButton"}, 0);
    TSkinnedForm *form = nullptr;
    Application->CreateForm(form);
    form->Show();
    QVERIFY(QTest::qWaitForWindowExposed(form->Widget()));
    // The constraints hold 308 x 234 outside; the frame leaves 300 x 200 inside, from (4, 30).
    QCOMPARE(form->Widget()->size(), QSize(308, 234));
    QCOMPARE(form->ClientWidget()->geometry(), QRect(4, 30, 300, 200));
    form->Widget()->resize(500, 400);
    QCOMPARE(form->Widget()->size(), QSize(308, 234));
    QCOMPARE(QSize(form->Width(), form->Height()), QSize(308, 234));
}

void TestSkin::systemMenuOffersMoveAndClose()
{
    Write("sfMainform", {"xcSystemMenu"}, 0);
    TSkinnedForm *form = nullptr;
    Application->CreateForm(form);
    form->Show();
    QVERIFY(QTest::qWaitForWindowActive(form->Widget()));
    QStringList items;
    QString sheet;
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
        QMenu *menu = form->SkinFrame()->SystemMenu();
        if (!menu || !menu->isVisible())
            return;
        poll.stop();
        for (QAction *action : menu->actions())
            items << action->text();
        sheet = menu->styleSheet();
        QAction *close = menu->actions().at(1);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(close).center());
    });
    poll.start(50);
    // Alt+Space opens it, as a click on the caption's icon does.
    QTest::keyClick(form->Widget(), Qt::Key_Space, Qt::AltModifier);
    QTRY_VERIFY_WITH_TIMEOUT(!form->Widget()->isVisible(), 3000);
    QCOMPARE(items, (QStringList{"移动(&M)", "关闭(&C)\tAlt+F4"}));
    QVERIFY(!sheet.isEmpty());
}

QTEST_MAIN(TestSkin)
#include "tst_skin.moc"
