// The Button as a container uses it: setters and their notices, saved settings, the lifecycle,
// background capture, the hover test, and the mouse, keyboard and access-key sequences.
#include "controls/button/button.h"
#include "platform/checked.h"
#include "platform/fixed_text_renderer.h"
#include "platform/property_store.h"
#include "tests/controls/button/behaviour_probe.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <QWidget>

namespace quorvel {

using platform::Colour;
using platform::PropertyStore;

namespace {

constexpr Colour kSystemFace = 0x00C8D0D4; // the fixed table's button face
constexpr Colour kSystemText = 0x00000000;

Button::PicturePtr SavePicture()
{
    return PropertyStore::LoadPicture(QStringLiteral(":/quorvel/save.xpm"));
}

// A shown container holding one button with fixed colours and text metrics, a pointer lookup
// the test steers, and a log of what the button raised.
struct Fixture
{
    explicit Fixture(const QString& saved = QString())
    {
        container.resize(200, 120);
        button->setObjectName(QStringLiteral("Command7"));
        button->SetSystemColours(std::make_shared<platform::FixedSystemColours>());
        button->SetTextRenderer(std::make_shared<platform::FixedTextRenderer>(5, 13));
        button->SetPointerLookup([this] { return under; });
        button->setGeometry(10, 10, 60, 30);
        button->ReadProperties(PropertyStore::FromText(saved));

        QObject::connect(button, &Button::PropertyChanged,
                         [this](const QString& key) { notices << key; });
        QObject::connect(button, &Button::MouseDown, [this](short& b, short&, float& x, float& y) {
            log << QStringLiteral("D%1@%2,%3").arg(b).arg(x).arg(y);
        });
        QObject::connect(button, &Button::MouseMove, [this](short& b, short&, float&, float&) {
            log << QStringLiteral("M%1").arg(b);
        });
        QObject::connect(button, &Button::MouseUp, [this](short& b, short&, float&, float&) {
            log << QStringLiteral("U%1").arg(b);
        });
        QObject::connect(button, &Button::KeyDown, [this](short& code, short&) {
            log << QStringLiteral("K%1").arg(code);
            if (zeroKeyCode)
                code = 0;
        });
        QObject::connect(button, &Button::Click, [this] {
            log << QStringLiteral("C");
            ++clicks;
        });
    }

    void Show()
    {
        container.show();
        probe.MarkPainted();
    }

    // What one step raised, then the face it painted: "[2]" down, "[0h]" up with the hover
    // look; "-" for a step that did neither.
    QString StepLog()
    {
        QStringList step = log;
        log.clear();
        if (probe.PaintedSinceMark())
            step << QStringLiteral("[%1%2]").arg(probe.State()).arg(probe.MouseOver() ? "h" : "");
        return step.isEmpty() ? QStringLiteral("-") : step.join(QLatin1Char(' '));
    }

    QWidget container;
    Button* button = new Button(&container);
    ButtonProbe probe{*button};
    QWidget* under = nullptr;
    QStringList notices;
    QStringList log;
    bool zeroKeyCode = false;
    int clicks = 0;
};

// A container whose own pixels say where they are: red = x, green = y.
class PatternWidget : public QWidget
{
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        for (int y = 0; y < height(); ++y)
            for (int x = 0; x < width(); ++x) {
                painter.setPen(QColor(x, y, 100));
                painter.drawPoint(x, y);
            }
    }
};

void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

class ButtonBehaviourTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void settersPaintAndNotify_data();
    void settersPaintAndNotify();
    void designTimeColoursSetTheHoverColour_data();
    void designTimeColoursSetTheHoverColour();
    void fontSizeRoundsHalvesToEven_data();
    void fontSizeRoundsHalvesToEven();
    void mousePointerBeyond16BitsKeepsThePointer_data();
    void mousePointerBeyond16BitsKeepsThePointer();
    void newInstance();
    void readPropertiesDefaults_data();
    void readPropertiesDefaults();
    void readPropertiesStopsAtABadValue();
    void writeThenReadRoundTrips();
    void disableRefreshThenRefresh();
    void resizeAndZeroHeight();
    void ambientChangesRepaint();
    void captureReadsTheContainerWithoutTheControl();
    void captureSurfaceLifetime();
    void mouseOverIsTheWidgetUnderThePointer_data();
    void mouseOverIsTheWidgetUnderThePointer();
    void mouseSequences_data();
    void mouseSequences();
    void keyboard_data();
    void keyboard();
    void accessKey_data();
    void accessKey();
    void editorButtonsSavedSettings_data();
    void editorButtonsSavedSettings();
};

// Each row sets one property on a shown button and names the notice it must send and whether
// the face must be repainted. "notice first" marks the one setter that notifies before it
// repaints.
void ButtonBehaviourTest::settersPaintAndNotify_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<bool>("paints");
    QTest::addColumn<bool>("noticeFirst");

    QTest::newRow("BackColor") << "BackColor"
                               << ""
                               << "BCOL" << true << false;
    QTest::newRow("BackOver") << "BackOver"
                              << ""
                              << "BCOLO" << true << false;
    QTest::newRow("ForeColor") << "ForeColor"
                               << ""
                               << "FCOL" << true << false;
    QTest::newRow("ForeOver") << "ForeOver"
                              << ""
                              << "FCOLO" << true << false;
    QTest::newRow("MaskColor") << "MaskColor"
                               << ""
                               << "MCOL" << true << false;
    QTest::newRow("ButtonType") << "ButtonType"
                                << ""
                                << "BTYPE" << true << false;
    QTest::newRow("Caption") << "Caption"
                             << ""
                             << "TX" << true << false;
    QTest::newRow("Enabled") << "Enabled"
                             << ""
                             << "ENAB" << true << false;
    QTest::newRow("Font") << "Font"
                          << ""
                          << "FONT" << true << false;
    QTest::newRow("FontBold") << "FontBold"
                              << ""
                              << "" << true << false;
    QTest::newRow("FontItalic") << "FontItalic"
                                << ""
                                << "" << true << false;
    QTest::newRow("FontUnderline") << "FontUnderline"
                                   << ""
                                   << "" << true << false;
    QTest::newRow("FontSize") << "FontSize"
                              << ""
                              << "" << true << false;
    QTest::newRow("FontName") << "FontName"
                              << ""
                              << "" << true << false;
    QTest::newRow("ColorScheme") << "ColorScheme"
                                 << ""
                                 << "COLTYPE" << true << false;
    QTest::newRow("MousePointer") << "MousePointer"
                                  << ""
                                  << "MPTR" << false << false;
    QTest::newRow("MouseIcon") << "MouseIcon"
                               << ""
                               << "MICON" << false << false;
    QTest::newRow("HandPointer") << "HandPointer"
                                 << ""
                                 << "HAND" << false << false;
    QTest::newRow("PictureNormal") << "PictureNormal"
                                   << ""
                                   << "PICN" << true << false;
    QTest::newRow("PictureOver, not hovered") << "PictureOver"
                                              << ""
                                              << "PICO" << false << false;
    QTest::newRow("PictureOver, hovered") << "PictureOver"
                                          << "hover"
                                          << "PICO" << true << false;
    QTest::newRow("PicturePosition") << "PicturePosition"
                                     << ""
                                     << "PICPOS" << true << true;
    QTest::newRow("UseMaskColor, no picture") << "UseMaskColor"
                                              << ""
                                              << "UMCOL" << false << false;
    QTest::newRow("UseMaskColor, picture") << "UseMaskColor"
                                           << "picture"
                                           << "UMCOL" << true << false;
    QTest::newRow("UseGreyscale, no picture") << "UseGreyscale"
                                              << ""
                                              << "NGREY" << false << false;
    QTest::newRow("UseGreyscale, picture") << "UseGreyscale"
                                           << "picture"
                                           << "NGREY" << true << false;
    QTest::newRow("SpecialEffect") << "SpecialEffect"
                                   << ""
                                   << "FX" << true << false;
    QTest::newRow("CheckBoxBehaviour") << "CheckBoxBehaviour"
                                       << ""
                                       << "CHECK" << true << false;
    QTest::newRow("Value, push button") << "Value"
                                        << ""
                                        << "VALUE" << false << false;
    QTest::newRow("Value, check button") << "Value"
                                         << "check"
                                         << "VALUE" << true << false;
}

void ButtonBehaviourTest::settersPaintAndNotify()
{
    QFETCH(QString, property);
    QFETCH(QString, setup);
    QFETCH(QString, notice);
    QFETCH(bool, paints);
    QFETCH(bool, noticeFirst);

    Fixture f;
    f.Show();
    Button& b = *f.button;
    if (setup == "hover") {
        f.under = &b;
        f.probe.MouseMove(0, 0, 1, 1);
    } else if (setup == "picture") {
        b.SetPictureNormal(SavePicture());
    } else if (setup == "check") {
        b.SetCheckBoxBehaviour(true);
    }
    f.notices.clear();
    f.probe.MarkPainted();
    bool paintedAtNotice = false;
    QObject::connect(&b, &Button::PropertyChanged,
                     [&] { paintedAtNotice = f.probe.PaintedSinceMark() || paintedAtNotice; });
    bool paintedBeforeNotice = false;

    const std::map<QString, std::function<void()>> setters{
        {"BackColor", [&] { b.SetBackColor(0x00112233); }},
        {"BackOver", [&] { b.SetBackOver(0x00112233); }},
        {"ForeColor", [&] { b.SetForeColor(0x00112233); }},
        {"ForeOver", [&] { b.SetForeOver(0x00112233); }},
        {"MaskColor", [&] { b.SetMaskColor(0x00112233); }},
        {"ButtonType", [&] { b.SetButtonType(4); }},
        {"Caption", [&] { b.SetCaption(QStringLiteral("&Go")); }},
        {"Enabled", [&] { b.SetEnabled(false); }},
        {"Font", [&] { b.SetFont(QFont(QStringLiteral("Serif"), 14)); }},
        {"FontBold", [&] { b.SetFontBold(true); }},
        {"FontItalic", [&] { b.SetFontItalic(true); }},
        {"FontUnderline", [&] { b.SetFontUnderline(true); }},
        {"FontSize", [&] { b.SetFontSize(20); }},
        {"FontName", [&] { b.SetFontName(QStringLiteral("Serif")); }},
        {"ColorScheme", [&] { b.SetColorScheme(2); }},
        {"MousePointer", [&] { b.SetMousePointer(3); }},
        {"MouseIcon", [&] { b.SetMouseIcon(SavePicture()); }},
        {"HandPointer", [&] { b.SetHandPointer(false); }},
        {"PictureNormal", [&] { b.SetPictureNormal(SavePicture()); }},
        {"PictureOver", [&] { b.SetPictureOver(SavePicture()); }},
        {"PicturePosition", [&] { b.SetPicturePosition(1); }},
        {"UseMaskColor", [&] { b.SetUseMaskColor(false); }},
        {"UseGreyscale", [&] { b.SetUseGreyscale(true); }},
        {"SpecialEffect", [&] { b.SetSpecialEffect(1); }},
        {"CheckBoxBehaviour", [&] { b.SetCheckBoxBehaviour(true); }},
        {"Value", [&] { b.SetValue(true); }},
    };
    setters.at(property)();
    paintedBeforeNotice = paintedAtNotice;
    const bool paintedAfter = f.probe.PaintedSinceMark();

    QCOMPARE(f.notices, notice.isEmpty() ? QStringList() : QStringList{notice});
    QCOMPARE(paintedBeforeNotice || paintedAfter, paints);
    if (paints && !notice.isEmpty())
        QCOMPARE(paintedBeforeNotice, !noticeFirst);
}

void ButtonBehaviourTest::designTimeColoursSetTheHoverColour_data()
{
    QTest::addColumn<bool>("designing");
    QTest::addColumn<bool>("fore");
    QTest::newRow("BackColor at run time") << false << false;
    QTest::newRow("BackColor while designing") << true << false;
    QTest::newRow("ForeColor at run time") << false << true;
    QTest::newRow("ForeColor while designing") << true << true;
}

void ButtonBehaviourTest::designTimeColoursSetTheHoverColour()
{
    QFETCH(bool, designing);
    QFETCH(bool, fore);
    Fixture f(QStringLiteral("BCOLO = 0x00010101\nFCOLO = 0x00010101"));
    if (designing)
        f.container.setProperty(Button::kAmbientUserMode, false);
    Button& b = *f.button;
    fore ? b.SetForeColor(0x00445566) : b.SetBackColor(0x00445566);
    const Colour over = fore ? b.ForeOver() : b.BackOver();
    QCOMPARE(over, designing ? 0x00445566 : 0x00010101);
}

void ButtonBehaviourTest::fontSizeRoundsHalvesToEven_data()
{
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("expected");
    QTest::newRow("8.25") << 8.25 << 8;
    QTest::newRow("10.5") << 10.5 << 10;
    QTest::newRow("11.5") << 11.5 << 12;
    QTest::newRow("12.75") << 12.75 << 13;
}

void ButtonBehaviourTest::fontSizeRoundsHalvesToEven()
{
    QFETCH(double, points);
    QFETCH(int, expected);
    Fixture f;
    QFont font = f.button->Font();
    font.setPointSizeF(points);
    f.button->SetFont(font);
    QCOMPARE(f.button->FontSize(), expected);
}

void ButtonBehaviourTest::mousePointerBeyond16BitsKeepsThePointer_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("largest") << 32767 << true;
    QTest::newRow("smallest") << -32768 << true;
    QTest::newRow("one above") << 32768 << false;
    QTest::newRow("one below") << -32769 << false;
}

void ButtonBehaviourTest::mousePointerBeyond16BitsKeepsThePointer()
{
    QFETCH(int, value);
    QFETCH(bool, accepted);
    Fixture f;
    Button& b = *f.button;
    b.SetMousePointer(3);
    QCOMPARE(b.cursor().shape(), Qt::IBeamCursor);
    f.notices.clear();
    if (accepted) {
        b.SetMousePointer(value);
        QCOMPARE(b.MousePointer(), value);
        QCOMPARE(f.notices, QStringList{"MPTR"});
        return;
    }
    QVERIFY_THROWS_EXCEPTION(platform::OverflowError, b.SetMousePointer(value));
    QCOMPARE(b.MousePointer(), 3);
    QCOMPARE(b.cursor().shape(), Qt::IBeamCursor);
    QVERIFY(f.notices.isEmpty());
}

void ButtonBehaviourTest::newInstance()
{
    QWidget container;
    QFont font(QStringLiteral("Serif"));
    font.setPointSize(13);
    container.setFont(font);
    Button button(&container);
    button.setObjectName(QStringLiteral("Command3"));
    button.SetSystemColours(std::make_shared<platform::FixedSystemColours>());
    QStringList notices;
    QObject::connect(&button, &Button::PropertyChanged, [&](const QString& k) { notices << k; });
    ButtonProbe probe(button);

    button.InitProperties();

    QCOMPARE(button.Caption(), QStringLiteral("Command3"));
    QCOMPARE(button.Font(), font);
    QCOMPARE(button.ButtonType(), 1);
    QCOMPARE(button.ColorScheme(), 1);
    QCOMPARE(button.BackColor(), kSystemFace);
    QCOMPARE(button.BackOver(), kSystemFace);
    QCOMPARE(button.ForeColor(), kSystemText);
    QCOMPARE(button.ForeOver(), kSystemText);
    QCOMPARE(button.MaskColor(), 0xC0C0C0);
    QVERIFY(button.UseMaskColor());
    QVERIFY(button.HandPointer());
    QVERIFY(button.Enabled());
    QVERIFY(!button.PictureNormal() && !button.PictureOver());
    QVERIFY(!probe.PaintedSinceMark());
    QVERIFY(notices.isEmpty());
}

void ButtonBehaviourTest::readPropertiesDefaults_data()
{
    QTest::addColumn<QString>("saved");
    QTest::addColumn<int>("buttonType");
    QTest::addColumn<Colour>("backOver");
    QTest::addColumn<Colour>("foreOver");
    QTest::addColumn<int>("pointer");
    QTest::addColumn<bool>("handCursor");

    QTest::newRow("nothing saved") << "" << 2 << kSystemFace << kSystemText << 99 << true;
    QTest::newRow("missing BCOLO and FCOLO take BCOL and FCOL")
        << "BCOL = 0x00D8E9EC\nFCOL = 0x00112233" << 2 << 0x00D8E9EC << 0x00112233 << 99 << true;
    QTest::newRow("lower-case keys")
        << "btype = 7\nbcol = 0x00D8E9EC\nbcolo = 0x00010203\nfcolo = 5\nhand = 0" << 7
        << 0x00010203 << 5 << 1 << false;
    QTest::newRow("HAND false overrides MPTR and MICON")
        << "MPTR = 99\nMICON = \":/quorvel/save.xpm\"\nHAND = 0" << 2 << kSystemFace << kSystemText
        << 1 << false;
    QTest::newRow("HAND absent overrides MPTR and MICON")
        << "mptr = 3\nmicon = \":/quorvel/save.xpm\"" << 2 << kSystemFace << kSystemText << 99
        << true;
}

void ButtonBehaviourTest::readPropertiesDefaults()
{
    QFETCH(QString, saved);
    QFETCH(int, buttonType);
    QFETCH(Colour, backOver);
    QFETCH(Colour, foreOver);
    QFETCH(int, pointer);
    QFETCH(bool, handCursor);

    Fixture f;
    f.Show();
    f.notices.clear();
    f.button->ReadProperties(PropertyStore::FromText(saved));
    const Button& b = *f.button;

    QCOMPARE(b.ButtonType(), buttonType);
    QCOMPARE(b.BackOver(), backOver);
    QCOMPARE(b.ForeOver(), foreOver);
    QCOMPARE(b.MousePointer(), pointer);
    QCOMPARE(b.HandPointer(), handCursor);
    if (handCursor) {
        QCOMPARE(b.cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(b.cursor().hotSpot(), f.probe.Image1().hotSpot());
        QVERIFY(b.MouseIcon());
        QCOMPARE(PropertyStore::PictureHotSpot(*b.MouseIcon()),
                 std::optional<QPoint>(f.probe.Image1().hotSpot()));
    } else {
        QCOMPARE(b.cursor().shape(), Qt::ArrowCursor);
        QVERIFY(!b.MouseIcon());
    }
    // The other defaults.
    QVERIFY(b.Enabled() && b.isEnabled());
    QCOMPARE(b.ColorScheme(), 1);
    QCOMPARE(b.MaskColor(), 0xC0C0C0);
    QVERIFY(b.UseMaskColor());
    QVERIFY(!b.UseGreyscale() && !b.CheckBoxBehaviour() && !b.Value());
    QCOMPARE(b.PicturePosition(), 0);
    QCOMPARE(b.SpecialEffect(), 0);
    // Loading paints nothing; only the HandPointer setter speaks.
    QVERIFY(!f.probe.PaintedSinceMark());
    QCOMPARE(f.notices, QStringList{"HAND"});
}

void ButtonBehaviourTest::readPropertiesStopsAtABadValue()
{
    Fixture f;
    QVERIFY_THROWS_EXCEPTION(
        PropertyStore::ConversionError,
        f.button->ReadProperties(PropertyStore::FromText("tx = \"kept\"\nenab = maybe\n")));
    QCOMPARE(f.button->Caption(), QStringLiteral("kept"));
}

void ButtonBehaviourTest::writeThenReadRoundTrips()
{
    Fixture f;
    Button& b = *f.button;
    b.SetButtonType(7);
    b.SetCaption(QStringLiteral("&Apply \"now\""));
    b.SetEnabled(false);
    QFont font(QStringLiteral("Serif"));
    font.setPointSizeF(10.5);
    font.setItalic(true);
    b.SetFont(font);
    b.SetColorScheme(3);
    b.SetBackColor(static_cast<Colour>(0x8000000F));
    b.SetBackOver(0x00010203);
    b.SetForeColor(0x00040506);
    b.SetForeOver(0x00070809);
    b.SetMaskColor(0x00FFFFFF);
    b.SetPictureNormal(SavePicture());
    b.SetUseMaskColor(false);
    b.SetPicturePosition(2);
    b.SetUseGreyscale(true);
    b.SetSpecialEffect(-5);
    b.SetHandPointer(false);
    b.SetCheckBoxBehaviour(true);
    b.SetValue(true);

    PropertyStore first;
    b.WriteProperties(first);
    // All keys, in their order; an empty picture has no entry.
    QCOMPARE(first.Keys(), (QStringList{"BTYPE", "TX", "ENAB", "FONT", "COLTYPE", "BCOL", "BCOLO",
                                        "FCOL", "FCOLO", "MCOL", "MPTR", "PICN", "UMCOL", "PICPOS",
                                        "NGREY", "FX", "HAND", "CHECK", "VALUE"}));
    const QString text = first.ToText();

    Fixture g;
    g.button->ReadProperties(PropertyStore::FromText(text));
    PropertyStore second;
    g.button->WriteProperties(second);
    QCOMPARE(second.ToText(), text);
    QCOMPARE(g.button->Caption(), QStringLiteral("&Apply \"now\""));
    QCOMPARE(g.button->FontSize(), 10);
    QVERIFY(!g.button->isEnabled());
}

void ButtonBehaviourTest::disableRefreshThenRefresh()
{
    Fixture f;
    f.Show();
    Button& b = *f.button;
    b.DisableRefresh();
    b.SetColorScheme(2); // the face follows BackColor
    b.SetBackColor(0x000000FF);
    b.SetCaption(QStringLiteral("new"));
    b.SetButtonType(1);
    f.probe.MouseDown(1, 0, 0, 0);
    QVERIFY(!f.probe.PaintedSinceMark());
    QCOMPARE(f.probe.State(), 0);

    b.Refresh();
    QVERIFY(f.probe.PaintedSinceMark());
    QVERIFY(f.probe.RefreshEnabled());
    // The face shows every setting made meanwhile.
    QCOMPARE(f.probe.Face().pixel(f.probe.Width() / 2, 2), qRgb(0xFF, 0, 0));

    // Hide ends painting until the next Show, which paints the face again.
    f.container.hide();
    QVERIFY(!f.probe.RefreshEnabled());
    b.SetBackColor(0x0000FF00);
    QVERIFY(!f.probe.PaintedSinceMark());
    f.container.show();
    QVERIFY(f.probe.RefreshEnabled());
    QVERIFY(f.probe.PaintedSinceMark());
}

void ButtonBehaviourTest::resizeAndZeroHeight()
{
    Fixture f;
    f.Show();
    Button& b = *f.button;
    b.resize(80, 40);
    QCOMPARE(f.probe.Width(), 80);
    QCOMPARE(f.probe.Height(), 40);
    QVERIFY(f.probe.PaintedSinceMark());
    // The rounded type loses its corners: the shape goes onto the widget.
    QVERIFY(!b.mask().contains(QPoint(0, 0)));
    QVERIFY(b.mask().contains(QPoint(40, 20)));

    // A resize during a capture is none of the face's business.
    f.probe.Capturing() = true;
    b.resize(50, 20);
    QCOMPARE(f.probe.Width(), 80);
    QVERIFY(!f.probe.PaintedSinceMark());
    f.probe.Capturing() = false;

    // A control of no height never paints: the state of the last paint stays.
    b.resize(50, 0);
    QCOMPARE(f.probe.Height(), 0);
    b.SetCaption(QStringLiteral("x"));
    b.Refresh();
    f.probe.MouseDown(1, 0, 0, 0);
    QCOMPARE(f.probe.State(), 0);
}

void ButtonBehaviourTest::ambientChangesRepaint()
{
    Fixture f;
    f.Show();
    QFont font = f.container.font();
    font.setPointSize(font.pointSize() + 3);
    f.container.setFont(font);
    QVERIFY(f.probe.PaintedSinceMark());
    // The control keeps its own font; the container's is only its ambient setting.
    QVERIFY(f.button->Font() != font);

    QPalette palette = f.container.palette();
    palette.setColor(QPalette::Window, Qt::darkCyan);
    f.container.setPalette(palette);
    QVERIFY(f.probe.PaintedSinceMark());
}

void ButtonBehaviourTest::captureReadsTheContainerWithoutTheControl()
{
    PatternWidget container;
    container.resize(120, 60);
    // A sibling below the button covers part of it; the container's pixels there are its.
    auto* sibling = new QWidget(&container);
    sibling->setAutoFillBackground(true);
    QPalette green;
    green.setColor(QPalette::Window, QColor(0, 255, 0));
    sibling->setPalette(green);
    sibling->setGeometry(40, 0, 30, 60);
    auto* button = new Button(&container);
    button->SetSystemColours(std::make_shared<platform::FixedSystemColours>());
    button->setGeometry(20, 10, 30, 20);
    button->ReadProperties(PropertyStore::FromText("btype = 8\nbcol = 0x000000FF"));
    container.show();
    ButtonProbe probe(*button);
    QVERIFY(probe.BackDC());

    for (const QPoint at : {QPoint(0, 0), QPoint(19, 19), QPoint(5, 7), QPoint(29, 0)}) {
        const Colour expected = 20 + at.x() >= 40
                                    ? platform::PackColour(0, 255, 0)
                                    : platform::PackColour(20 + at.x(), 10 + at.y(), 100);
        QCOMPARE(probe.BackDC()->GetPixel(at.x(), at.y()), expected);
    }

    // A capture leaves the control as it was and paints nothing.
    probe.MarkPainted();
    probe.CaptureBackground();
    QVERIFY(!probe.PaintedSinceMark());
    QCOMPARE(button->geometry(), QRect(20, 10, 30, 20));
    QCOMPARE(probe.Width(), 30);
    QCOMPARE(probe.Height(), 20);
    QVERIFY(!probe.Capturing());
}

void ButtonBehaviourTest::captureSurfaceLifetime()
{
    Fixture f;
    f.Show();
    ButtonProbe& probe = f.probe;
    Button& b = *f.button;

    // Set to the background style at run time, before any Show of it: nowhere to capture to.
    b.SetButtonType(Button::kBackgroundStyle);
    QVERIFY(!probe.BackDC());

    // The next Show makes the surface at the size of the moment and keeps it.
    f.container.hide();
    f.container.show();
    QVERIFY(probe.BackDC());
    const platform::Surface* surface = probe.BackDC();
    QCOMPARE(QSize(surface->Width(), surface->Height()), QSize(60, 30));
    b.resize(90, 40);
    b.SetButtonType(1);
    b.SetButtonType(Button::kBackgroundStyle);
    f.container.hide();
    f.container.show();
    QCOMPARE(probe.BackDC(), surface);
    QCOMPARE(QSize(surface->Width(), surface->Height()), QSize(60, 30));
}

void ButtonBehaviourTest::mouseOverIsTheWidgetUnderThePointer_data()
{
    QTest::addColumn<QString>("under");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("over");
    QTest::newRow("the control") << "button" << true << true;
    QTest::newRow("a window over the control") << "cover" << true << false;
    QTest::newRow("the container") << "container" << true << false;
    QTest::newRow("no widget") << "none" << true << false;
    QTest::newRow("disabled control") << "button" << false << false;
}

void ButtonBehaviourTest::mouseOverIsTheWidgetUnderThePointer()
{
    QFETCH(QString, under);
    QFETCH(bool, enabled);
    QFETCH(bool, over);
    Fixture f;
    QWidget cover(&f.container);
    f.Show();
    f.button->SetEnabled(enabled);
    f.under = under == "button"      ? static_cast<QWidget*>(f.button)
              : under == "cover"     ? &cover
              : under == "container" ? &f.container
                                     : nullptr;
    QCOMPARE(f.probe.IsMouseOver(), over);
}

// Each row is a script of pointer steps and what each step raised and painted:
//   p / r / m / d + buttons (L, R, M): press, release, move, double click; "-out" outside
//   tick: a hover timer tick; cover: another window comes over the control
//   focus-in, focus-out; click: the host's Click
void ButtonBehaviourTest::mouseSequences_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("checkButton");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("overAfter");
    QTest::addColumn<bool>("timerAfter");

    QTest::newRow("left click") << "pL rL" << false << "D1@5,5 [2] | U1 C [0]" << false << false;
    QTest::newRow("right press never changes the face")
        << "pR rR click" << false << "D2@5,5 | U2 | -" << false << false;
    QTest::newRow("middle press: down and up, no click")
        << "pM rM" << false << "D4@5,5 [2] | U4 [0]" << false << false;
    QTest::newRow("drag out and back, released outside")
        << "pL mL-out mL rL-out" << false << "D1@5,5 [2] | M1 [0] | M1 [2] | U1 [0]" << false
        << false;
    QTest::newRow("moves inside a press paint nothing")
        << "pL mL mL rL" << false << "D1@5,5 [2] | M1 | M1 | U1 C [0]" << false << false;
    QTest::newRow("left and right held")
        << "pL mLR" << false << "D1@5,5 [2] | M3" << false << false;
    QTest::newRow("double click: one Click, second press at 0,0")
        << "pL rL dL rL" << false << "D1@5,5 [2] | U1 C [0] | D1@0,0 [2] | U1 [0]" << false
        << false;
    QTest::newRow("hover cycle ends at the first tick outside")
        << "m m tick m-out tick" << false << "M0 [0h] | M0 | - | M0 | [0]" << false << false;
    QTest::newRow("a window comes over the hovered control")
        << "m cover tick" << false << "M0 [0h] | - | [0]" << false << false;
    QTest::newRow("press while hovering, pointer leaves")
        << "m pL mL-out tick rL-out" << false << "M0 [0h] | D1@5,5 [2h] | M1 [0h] | [0] | U1"
        << false << false;
    QTest::newRow("a held move clears the hover flag")
        << "m pL mL" << false << "M0 [0h] | D1@5,5 [2h] | M1" << false << true;
    QTest::newRow("focus repaints the face unchanged")
        << "pL focus-out focus-in" << false << "D1@5,5 [2] | [2] | [2]" << false << false;
    QTest::newRow("check button toggles and stays down while on")
        << "pL rL pL rL" << true << "D1@5,5 [2] | U1 C [2] | D1@5,5 | U1 C [0]" << false << false;
}

void ButtonBehaviourTest::mouseSequences()
{
    QFETCH(QString, script);
    QFETCH(bool, checkButton);
    QFETCH(QString, expected);
    QFETCH(bool, overAfter);
    QFETCH(bool, timerAfter);

    Fixture f;
    QWidget cover(&f.container);
    f.Show();
    Button* b = f.button;
    b->SetCheckBoxBehaviour(checkButton);
    f.probe.MarkPainted();
    f.notices.clear();

    const QPoint inside(5, 5);
    const QPoint outside(-20, 50);
    const std::map<QChar, Qt::MouseButton> buttons{
        {'L', Qt::LeftButton}, {'R', Qt::RightButton}, {'M', Qt::MiddleButton}};
    Qt::MouseButtons held;
    QStringList steps;
    for (const QString& step : script.split(QLatin1Char(' '))) {
        const bool out = step.endsWith(QStringLiteral("-out"));
        const QPoint at = out ? outside : inside;
        if (step == "tick") {
            f.probe.OverTimerTick();
        } else if (step == "cover") {
            f.under = &cover;
        } else if (step == "click") {
            f.probe.Click();
        } else if (step.startsWith(QStringLiteral("focus"))) {
            QFocusEvent event(step == "focus-in" ? QEvent::FocusIn : QEvent::FocusOut);
            QApplication::sendEvent(b, &event);
        } else {
            f.under = out ? &f.container : static_cast<QWidget*>(b);
            const QChar kind = step[0];
            Qt::MouseButtons pressed;
            for (qsizetype i = 1; i < step.size() && buttons.count(step[i]); ++i)
                pressed |= buttons.at(step[i]);
            const auto one = static_cast<Qt::MouseButton>(pressed.toInt());
            if (kind == 'p') {
                held |= pressed;
                SendMouse(b, QEvent::MouseButtonPress, at, one, held);
            } else if (kind == 'd') {
                held |= pressed;
                SendMouse(b, QEvent::MouseButtonDblClick, at, one, held);
            } else if (kind == 'r') {
                held &= ~pressed;
                SendMouse(b, QEvent::MouseButtonRelease, at, one, held);
            } else {
                SendMouse(b, QEvent::MouseMove, at, Qt::NoButton, pressed);
            }
        }
        steps << f.StepLog();
    }
    QCOMPARE(steps.join(QStringLiteral(" | ")), expected);
    QCOMPARE(f.probe.MouseOver(), overAfter);
    QCOMPARE(f.probe.OverTimer().isActive(), timerAfter);
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
    QCOMPARE(b->Value(), false);
    // A click of a check button sends no notice for its value.
    QVERIFY(f.notices.isEmpty());
}

void ButtonBehaviourTest::keyboard_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("zeroKeyCode");
    QTest::addColumn<QString>("expected"); // press | release
    QTest::addColumn<QString>("focus");

    QTest::newRow("Space: down, then a click on release")
        << int(Qt::Key_Space) << false << "K32 [2] | C [0]"
        << "button";
    QTest::newRow("Space suppressed by the handler") << int(Qt::Key_Space) << true << "K32 | -"
                                                     << "button";
    QTest::newRow("Left: previous control") << int(Qt::Key_Left) << false << "K37 [0] | -"
                                            << "before";
    QTest::newRow("Up: previous control") << int(Qt::Key_Up) << false << "K38 [0] | -"
                                          << "before";
    QTest::newRow("Right: next control") << int(Qt::Key_Right) << false << "K39 [0] | -"
                                         << "after";
    QTest::newRow("Down: next control") << int(Qt::Key_Down) << false << "K40 [0] | -"
                                        << "after";
    QTest::newRow("arrow suppressed by the handler") << int(Qt::Key_Down) << true << "K40 | -"
                                                     << "button";
    QTest::newRow("a letter only raises KeyDown") << int(Qt::Key_A) << false << "K65 | -"
                                                  << "button";
}

void ButtonBehaviourTest::keyboard()
{
    QFETCH(int, key);
    QFETCH(bool, zeroKeyCode);
    QFETCH(QString, expected);
    QFETCH(QString, focus);

    QWidget window;
    window.resize(200, 100);
    auto* before = new QLineEdit(&window);
    before->setGeometry(0, 0, 50, 20);
    Fixture f;
    f.container.setParent(&window);
    f.container.setGeometry(0, 30, 200, 70);
    f.container.show();
    auto* after = new QLineEdit(&window);
    after->setGeometry(100, 0, 50, 20);
    QWidget::setTabOrder(before, f.button);
    QWidget::setTabOrder(f.button, after);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    f.button->setFocus();
    QCOMPARE(QApplication::focusWidget(), f.button);
    f.zeroKeyCode = zeroKeyCode;
    f.probe.MarkPainted();

    QStringList steps;
    QTest::keyPress(f.button, static_cast<Qt::Key>(key));
    QCoreApplication::processEvents();
    steps << f.StepLog();
    QTest::keyRelease(QApplication::focusWidget(), static_cast<Qt::Key>(key));
    steps << f.StepLog();

    QCOMPARE(steps.join(QStringLiteral(" | ")), expected);
    QWidget* const expectedFocus = focus == "before"  ? static_cast<QWidget*>(before)
                                   : focus == "after" ? static_cast<QWidget*>(after)
                                                      : f.button;
    QCOMPARE(QApplication::focusWidget(), expectedFocus);
}

void ButtonBehaviourTest::accessKey_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("checkButton");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("value");
    QTest::newRow("push button: a click without a press") << true << false << "C [0]" << false;
    QTest::newRow("check button toggles") << true << true << "C [2]" << true;
    QTest::newRow("disabled control does nothing") << false << false << "-" << false;
    QTest::newRow("disabled check button keeps its value") << false << true << "-" << false;
}

void ButtonBehaviourTest::accessKey()
{
    QFETCH(bool, enabled);
    QFETCH(bool, checkButton);
    QFETCH(QString, expected);
    QFETCH(bool, value);

    Fixture f(QStringLiteral("tx = \"&Go\""));
    f.Show();
    f.container.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.container));
    f.button->SetCheckBoxBehaviour(checkButton);
    f.button->SetEnabled(enabled);
    f.probe.MarkPainted();
    f.log.clear();

    QTest::keyClick(&f.container, Qt::Key_G, Qt::AltModifier);
    QCOMPARE(f.StepLog(), expected);
    QCOMPARE(f.button->Value(), value);
    if (enabled)
        QCOMPARE(f.probe.LastButton(), 1);
}

void ButtonBehaviourTest::editorButtonsSavedSettings_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<int>("buttonType");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<Colour>("maskColour");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QSize>("pictureSize");
    QTest::newRow("Command1, save") << ":/quorvel/form1-command1.txt" << 2 << "save" << 0x00C0C0C0
                                    << ":/quorvel/save.xpm" << QSize(20, 20);
    QTest::newRow("Command2, OK") << ":/quorvel/form1-command2.txt" << 7 << "" << 0x00FFFFFF
                                  << ":/quorvel/ok.xpm" << QSize(39, 20);
}

void ButtonBehaviourTest::editorButtonsSavedSettings()
{
    QFETCH(QString, resource);
    QFETCH(int, buttonType);
    QFETCH(QString, caption);
    QFETCH(Colour, maskColour);
    QFETCH(QString, picture);
    QFETCH(QSize, pictureSize);

    QFile file(resource);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const PropertyStore store = PropertyStore::FromText(QString::fromUtf8(file.readAll()));
    // The window keeps its keys in lower case and no entry for the missing hover picture.
    for (const QString& key : store.Keys())
        QCOMPARE(key, key.toLower());
    QVERIFY(!store.Contains("PICH"));

    Fixture f;
    f.button->ReadProperties(store);
    const Button& b = *f.button;
    QCOMPARE(b.ButtonType(), buttonType);
    QCOMPARE(b.Caption(), caption);
    QVERIFY(b.Enabled());
    QCOMPARE(b.FontName(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(b.Font().pixelSize(), 11); // 8.25 points at 96 dpi
    QCOMPARE(b.Font().weight(), QFont::Normal);
    QCOMPARE(b.ColorScheme(), 1);
    QCOMPARE(b.BackColor(), 0x00D8E9EC);
    QCOMPARE(b.BackOver(), 0x00D8E9EC);
    QCOMPARE(b.ForeColor(), 0);
    QCOMPARE(b.ForeOver(), 0);
    QCOMPARE(b.MaskColor(), maskColour);
    QCOMPARE(b.MousePointer(), 99);
    QVERIFY(b.MouseIcon());
    QCOMPARE(b.MouseIcon()->Image().size(), QSize(32, 32));
    QCOMPARE(PropertyStore::PictureHotSpot(*b.MouseIcon()), std::optional<QPoint>(QPoint(6, 0)));
    QVERIFY(b.PictureNormal());
    QCOMPARE(PropertyStore::PictureName(*b.PictureNormal()), picture);
    QCOMPARE(b.PictureNormal()->Image().size(), pictureSize);
    QVERIFY(!b.PictureOver());
    QVERIFY(b.UseMaskColor());
    QCOMPARE(b.PicturePosition(), 2);
    QVERIFY(!b.UseGreyscale());
    QCOMPARE(b.SpecialEffect(), 0);
    QVERIFY(b.HandPointer());
    QVERIFY(!b.CheckBoxBehaviour());
    QVERIFY(!b.Value());
}

} // namespace quorvel

QTEST_MAIN(quorvel::ButtonBehaviourTest)
#include "button_behaviour_test.moc"
