// Forms made from layouts: components, bindings by name, geometry, scaling,
// and message timers on the virtual clock.
#include "Application.h"
#include "BitBtn.h"
#include "Clock.h"
#include "Layout.h"
#include "Panel.h"
#include "SkinData.h"
#include "Timer.h"
#include "WebBrowser.h"
#include "WinApi.h"

#include <QApplication>
#include <QPainter>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

class TFormA : public TForm
{
    Q_OBJECT
    Q_PROPERTY(TPanel *Back MEMBER Back)
    Q_PROPERTY(TPanel *Inner MEMBER Inner)
    Q_PROPERTY(TPanel *Front MEMBER Front)
    Q_PROPERTY(TButton *Button1 MEMBER Button1)
    Q_PROPERTY(TBitBtn *BitBtn1 MEMBER BitBtn1)
    Q_PROPERTY(TTimer *Timer1 MEMBER Timer1)
    Q_PROPERTY(TTimer *Timer2 MEMBER Timer2)
public:
    explicit TFormA(TComponent *owner) : TForm(owner) {}
    TPanel *Back = nullptr, *Inner = nullptr, *Front = nullptr;
    TButton *Button1 = nullptr;
    TBitBtn *BitBtn1 = nullptr;
    TTimer *Timer1 = nullptr, *Timer2 = nullptr;

    QStringList log;
    bool sawEverythingAtCreate = false;

public slots:
    void FormCreate(TObject *Sender)
    {
        log << QStringLiteral("create");
        auto *clock = static_cast<TVirtualClock *>(TClock::Current());
        sawEverythingAtCreate = Sender == this && Back && Inner && Front && Button1 && BitBtn1
            && clock->IsArmed(Timer1) && clock->IsArmed(Timer2);
    }
    void ButtonClick(TObject *Sender) { log << QStringLiteral("click ") + static_cast<TComponent *>(Sender)->Name(); }
    void Timer1Timer(TObject *)
    {
        log << QStringLiteral("T1@%1").arg(TClock::Current()->Now());
        if (TClock::Current()->Now() == 1000)
            Sleep(200);  // a pause inside a handler
    }
    void Timer2Timer(TObject *)
    {
        log << QStringLiteral("T2@%1").arg(TClock::Current()->Now());
        if (TClock::Current()->Now() >= 3000)
            Timer2->SetEnabled(false);
    }
};

namespace {

const char *LayoutA = R"({
  "class": "TFormA", "name": "FormA",
  "properties": { "Left": 10, "Top": 20, "ClientWidth": 300, "ClientHeight": 200, "Caption": "A",
                  "Color": "clWhite", "TextHeight": %TEXT_HEIGHT%, "OnCreate": "FormCreate" },
  "children": [
    { "class": "TPanel", "name": "Back",
      "properties": { "Left": -8, "Top": 40, "Width": 100, "Height": 100, "Color": "clRed", "BevelOuter": "bvNone",
                      "TabOrder": 1 },
      "children": [
        { "class": "TPanel", "name": "Inner",
          "properties": { "Left": 50, "Top": 50, "Width": 100, "Height": 100, "Color": "clBlue", "BevelOuter": "bvNone" } }
      ] },
    { "class": "TPanel", "name": "Front",
      "properties": { "Left": 60, "Top": 100, "Width": 100, "Height": 60, "Color": "clGreen", "BevelOuter": "bvNone",
                      "TabOrder": 0 } },
    { "class": "TButton", "name": "Button1",
      "properties": { "Left": 200, "Top": 0, "Width": 80, "Height": 30, "Caption": "查看", "TabOrder": 3,
                      "OnClick": "ButtonClick" } },
    { "class": "TBitBtn", "name": "BitBtn1",
      "properties": { "Left": 0, "Top": 0, "Width": 105, "Height": 40, "Caption": "网址导航", "TabOrder": 2,
                      "Glyph": "%GLYPH%", "OnClick": "ButtonClick" } },
    { "class": "TTimer", "name": "Timer1", "properties": { "Interval": 1000, "OnTimer": "Timer1Timer" } },
    { "class": "TTimer", "name": "Timer2", "properties": { "Interval": 1500, "OnTimer": "Timer2Timer" } },
    { "class": "TTimer", "name": "Timer3", "properties": { "Interval": 500, "Enabled": false, "OnTimer": "Timer1Timer" } },
    { "class": "TSkinData", "name": "SkinData1",
      "properties": { "Active": false, "DisableTag": 99, "SkinControls": ["xcButton", "xcPanel"],
                      "SkinFormtype": "sfOnlyThisForm", "Skin3rd": ["TRzButton=button"] } }
  ] })";

QColor PixelAt(QWidget *widget, QPoint p)
{
    return widget->grab().toImage().pixelColor(p);
}

} // namespace

class TestForms : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void readsComponentsAndBindsThemByName();
    void childrenAreClippedAndLaterSiblingsLieAbove();
    void pictureButtonDrawsItsBackgroundColourTransparent();
    void textHeightOfTheLayoutFontIs13();
    void scalesALayoutDrawnForAnotherTextHeight_data();
    void scalesALayoutDrawnForAnotherTextHeight();
    void timersRunOnTheVirtualClock();
    void webViewRefusesAnAddressItCannotTake_data();
    void webViewRefusesAnAddressItCannotTake();

private:
    TFormA *Make(int textHeight = 13);

    QTemporaryDir dir_;
    TVirtualClock *clock_ = nullptr;
    TApplication *application_ = nullptr;
};

void TestForms::initTestCase()
{
    InstallFontSubstitutes();
    SetLayoutRoot(dir_.path());
    // A 4 x 3 picture: white background (its bottom-left pixel) around a black middle.
    QImage glyph(4, 3, QImage::Format_RGB888);
    glyph.fill(Qt::white);
    glyph.setPixelColor(1, 1, Qt::black);
    glyph.setPixelColor(2, 1, Qt::black);
    QVERIFY(glyph.save(dir_.filePath("glyph.bmp")));
}

void TestForms::init()
{
    clock_ = new TVirtualClock;
    TClock::Install(clock_);
    application_ = new TApplication;
    application_->Initialize();
}

void TestForms::cleanup()
{
    delete application_;
    TClock::Install(nullptr);
    delete clock_;
}

TFormA *TestForms::Make(int textHeight)
{
    QByteArray layout(LayoutA);
    layout.replace("%TEXT_HEIGHT%", QByteArray::number(textHeight));
    layout.replace("%GLYPH%", dir_.filePath("glyph.bmp").toUtf8());
    QFile file(dir_.filePath("TFormA.json"));
    file.open(QIODevice::WriteOnly);
    file.write(layout);
    file.close();
    TFormA *form = nullptr;
    Application->CreateForm(form);
    return form;
}

void TestForms::readsComponentsAndBindsThemByName()
{
    TFormA *form = Make();
    QCOMPARE(form->Name(), QStringLiteral("FormA"));
    QCOMPARE(form->log.value(0), QStringLiteral("create"));
    QVERIFY2(form->sawEverythingAtCreate, "OnCreate ran before every component was read and every timer armed");

    QCOMPARE(form->Inner->Parent(), form->Back);
    QCOMPARE(form->Inner->Widget()->parentWidget(), form->Back->Widget());
    QCOMPARE(form->Back->Widget()->geometry(), QRect(-8, 40, 100, 100));
    QCOMPARE(form->ClientWidget()->size(), QSize(300, 200));
    QCOMPARE(form->Widget()->windowTitle(), QStringLiteral("A"));
    QVERIFY(!form->Widget()->isVisible());

    // Handlers bound by name, with the clicked component as Sender.
    QTest::mouseClick(form->Button1->Widget(), Qt::LeftButton);
    form->BitBtn1->Click();
    QCOMPARE(form->log.mid(1), (QStringList{"click Button1", "click BitBtn1"}));

    // Tab order follows TabOrder, not the order of the layout: BitBtn1 (2) before Button1 (3).
    QWidget *next = form->BitBtn1->Widget()->nextInFocusChain();
    while (!(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    QCOMPARE(next, form->Button1->Widget());

    auto *skin = form->findChild<TSkinData *>("SkinData1");
    QVERIFY(skin && !skin->Active());
    QCOMPARE(skin->SkinControls(), TSkinData::TSkinControls(TSkinData::xcButton | TSkinData::xcPanel));
    QCOMPARE(skin->SkinFormtype(), TSkinData::sfOnlyThisForm);
    QCOMPARE(skin->Skin3rd(), QStringList{"TRzButton=button"});
}

void TestForms::childrenAreClippedAndLaterSiblingsLieAbove()
{
    TFormA *form = Make();
    QWidget *client = form->ClientWidget();
    // Back (red) starts 8 pixels left of the client area and ends at 92 / 140.
    QCOMPARE(PixelAt(client, {0, 60}), QColor(Qt::red));
    // Inner (blue) reaches beyond Back but is cut at Back's edge.
    QCOMPARE(PixelAt(client, {45, 130}), QColor(Qt::blue));
    QCOMPARE(PixelAt(client, {95, 95}), QColor(Qt::white));
    // Front (dark green), listed after Back, lies above it and above Back's child.
    QCOMPARE(PixelAt(client, {70, 110}), QColor(0, 128, 0));
}

void TestForms::pictureButtonDrawsItsBackgroundColourTransparent()
{
    TFormA *form = Make();
    // Drawn on red: the white background lets the red through, the black middle stays.
    QImage canvas(4, 3, QImage::Format_RGB32);
    canvas.fill(Qt::red);
    {
        QPainter painter(&canvas);
        painter.drawPixmap(0, 0, form->BitBtn1->Glyph());
    }
    QCOMPARE(canvas.pixelColor(0, 0), QColor(Qt::red));
    QCOMPARE(canvas.pixelColor(3, 2), QColor(Qt::red));
    QCOMPARE(canvas.pixelColor(1, 1), QColor(Qt::black));

    // Picture left of the caption, the two centred together, 4 pixels apart.
    const TBitBtn::Arrangement a = form->BitBtn1->Arrange(QRect(0, 0, 105, 40), QSize(45, 13));
    QCOMPARE(a.glyph, QRect(26, 19, 4, 3));
    QCOMPARE(a.caption, QRect(34, 14, 45, 13));
}

void TestForms::textHeightOfTheLayoutFontIs13()
{
    // The layouts' font at 96 dots per inch: 11-pixel characters, 13-pixel text,
    // so a layout drawn for 13 is not rescaled.
    TFont font;
    QCOMPARE(TFont::TextHeight(font.ToQFont(96)), 13);
    TFormA *form = Make(13);
    QCOMPARE(form->Back->Left(), -8);
    QCOMPARE(form->ClientWidth(), 300);
}

void TestForms::scalesALayoutDrawnForAnotherTextHeight_data()
{
    QTest::addColumn<int>("designed");
    QTest::addColumn<QRect>("back");
    QTest::addColumn<QRect>("inner");
    QTest::addColumn<QSize>("client");
    // Positions and sizes times 13 / designed, edges rounded to the nearest pixel.
    QTest::newRow("designed for 26") << 26 << QRect(-4, 20, 50, 50) << QRect(25, 25, 50, 50) << QSize(150, 100);
    QTest::newRow("designed for 10") << 10 << QRect(-10, 52, 130, 130) << QRect(65, 65, 130, 130) << QSize(390, 260);
    QTest::newRow("designed for 12") << 12 << QRect(-9, 43, 109, 109) << QRect(54, 54, 109, 109) << QSize(325, 217);
}

void TestForms::scalesALayoutDrawnForAnotherTextHeight()
{
    QFETCH(int, designed);
    QFETCH(QRect, back);
    QFETCH(QRect, inner);
    QFETCH(QSize, client);
    TFormA *form = Make(designed);
    QCOMPARE(QRect(form->Back->Left(), form->Back->Top(), form->Back->Width(), form->Back->Height()), back);
    QCOMPARE(form->Back->Widget()->geometry(), back);
    QCOMPARE(form->Inner->Widget()->geometry(), inner);
    QCOMPARE(QSize(form->ClientWidth(), form->ClientHeight()), client);
}

void TestForms::timersRunOnTheVirtualClock()
{
    TFormA *form = Make();
    form->log.clear();
    clock_->Advance(999);
    QVERIFY(form->log.isEmpty());
    clock_->Advance(5001);
    // Timer1 every second; its pause at 1 s delays nothing after it that was not
    // yet due. Timer2 every 1.5 s until its handler disables it at 3 s.
    // Timer3 is disabled in the layout and never fires.
    QCOMPARE(form->log, (QStringList{"T1@1000", "T2@1500", "T1@2000", "T1@3000", "T2@3000", "T1@4000",
                                      "T1@5000", "T1@6000"}));
    QVERIFY(!clock_->IsArmed(form->Timer2));
    QCOMPARE(clock_->Now(), 6000);
}

void TestForms::webViewRefusesAnAddressItCannotTake_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("page") << "http://speed.example/140100" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("no scheme") << "speed.example/140100" << false;
    QTest::newRow("no host") << "http:///140100" << false;
    QTest::newRow("space in host") << "http://speed example/" << false;
}

void TestForms::webViewRefusesAnAddressItCannotTake()
{
    QFETCH(QString, address);
    QFETCH(bool, accepted);
    TWebBrowser view(nullptr);
    QString refusal;
    try {
        view.Navigate(address.toStdU16String());
    } catch (const EOleException &error) {
        refusal = QString::fromStdU16String(error.Message());
    }
    QCOMPARE(refusal.isEmpty(), accepted);
    if (!accepted)
        QCOMPARE(refusal, QStringLiteral("Invalid address: ") + address);
}

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
