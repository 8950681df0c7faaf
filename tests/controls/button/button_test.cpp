// The Button's foundations through its members: initial state, the drawing primitives on its
// surface, colour derivation (scheme 4 from a real parent), layout, shape and access key.
#include "controls/button/button.h"
#include "platform/checked.h"
#include "platform/fixed_text_renderer.h"
#include "tests/controls/button/button_probe.h"
#include "tests/platform/pixel_map.h"

#include <QImage>
#include <QKeySequence>
#include <QShortcut>
#include <QTest>
#include <QWidget>
#include <climits>

namespace quorvel {

using platform::Colour;
using testing::PixelMap;
using testing::Rows;

namespace {

constexpr Colour kC1 = 0x00000011;
constexpr Colour kC2 = 0x00000022;
constexpr Colour kC3 = 0x00000033;
constexpr Colour kC4 = 0x00000044;
constexpr Colour kBack = 0x00AAAAAA;

const std::map<Colour, char> kLegend{{kC1, '1'}, {kC2, '2'}, {kC3, '3'}, {kC4, '4'}, {kBack, '.'}};

std::unique_ptr<Button> MakeButton(QWidget* parent = nullptr)
{
    auto button = std::make_unique<Button>(parent);
    button->SetSystemColours(std::make_shared<platform::FixedSystemColours>());
    // "Hello" measures 25 x 13.
    button->SetTextRenderer(std::make_shared<platform::FixedTextRenderer>(5, 13));
    return button;
}

} // namespace

class ButtonTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void freshControl();
    void bevelOwnsItsPixels_data();
    void bevelOwnsItsPixels();
    void rectanglesAndCorners();
    void coordinatesBeyond32BitsAreOverflows();
    void systemScheme();
    void ownColoursScheme();
    void faceLightOfType2();
    void parentScheme();
    void layoutExample();
    void layoutWithPicture();
    void layoutOverflowKeepsTheLastLayout();
    void measurePicture();
    void region();
    void accessKey_data();
    void accessKey();
};

void ButtonTest::freshControl()
{
    Button button;
    ButtonProbe probe(button);
    QVERIFY(probe.RefreshEnabled());
    QCOMPARE(probe.State(), 0);
    QVERIFY(!probe.MouseOver());
    QVERIFY(!probe.PictureNormal());
    QVERIFY(!probe.PictureOver());
    QVERIFY(probe.Caption().isEmpty());
    QCOMPARE(probe.ButtonType(), 0);
    QVERIFY(!probe.Enabled());
    QVERIFY(!probe.Capturing());
    QVERIFY(!probe.BackDC());
    QVERIFY(!probe.OverTimer().isActive());
    QCOMPARE(probe.OverTimer().interval(), 3);
    // The hand cursor comes from the control's resources, hot spot on the fingertip.
    QCOMPARE(probe.Image1().shape(), Qt::BitmapCursor);
    QCOMPARE(probe.Image1().hotSpot(), QPoint(6, 0));
}

void ButtonTest::bevelOwnsItsPixels_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("outerOnly");
    QTest::addColumn<QString>("expected");
    QTest::newRow("full") << 6 << 5 << false
                          << QString::fromStdString(
                                 Rows({"111112", "133342", "13..42", "144442", "222222"}));
    // The inner ring keeps what was there.
    QTest::newRow("outer only") << 6 << 5 << true
                                << QString::fromStdString(
                                       Rows({"111112", "1....2", "1....2", "1....2", "222222"}));
    QTest::newRow("one pixel") << 1 << 1 << false << QString::fromStdString(Rows({"2"}));
}

void ButtonTest::bevelOwnsItsPixels()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, outerOnly);
    QFETCH(QString, expected);
    auto button = MakeButton();
    ButtonProbe probe(*button);
    probe.SetSize(width, height);
    probe.Surface().Clear(kBack);
    probe.DrawBevel(kC1, kC2, kC3, kC4, 0, outerOnly);
    QCOMPARE(QString::fromStdString(PixelMap(probe.Surface(), kLegend)), expected);
}

void ButtonTest::rectanglesAndCorners()
{
    auto button = MakeButton();
    ButtonProbe probe(*button);
    probe.SetSize(5, 4);
    probe.Surface().Clear(kBack);
    probe.DrawRect(0, 0, 0, 4, kC1, false); // no width
    probe.DrawRect(0, 0, 5, -1, kC1, true); // negative height
    probe.DrawRect(4, 3, 1, 1, kC2, true);  // a 1 x 1 frame is one pixel
    probe.DrawRect(2, 0, 3, 2, kC3, false);
    probe.Corners(kC4);
    QCOMPARE(QString::fromStdString(PixelMap(probe.Surface(), kLegend)),
             QString::fromStdString(Rows({"..333", ".4343", ".4.4.", "....2"})));
}

void ButtonTest::coordinatesBeyond32BitsAreOverflows()
{
    auto button = MakeButton();
    ButtonProbe probe(*button);
    probe.SetSize(4, 4);
    QVERIFY_THROWS_EXCEPTION(platform::OverflowError, probe.DrawRect(INT_MAX, 0, 1, 1, kC1, false));
    QVERIFY_THROWS_EXCEPTION(platform::OverflowError, probe.DrawRect(0, INT_MIN, 1, -1, kC1, true));
    probe.SetSize(INT_MIN, 4);
    QVERIFY_THROWS_EXCEPTION(platform::OverflowError, probe.DrawBevel(kC1, kC2, kC3, kC4, 0, true));
}

void ButtonTest::systemScheme()
{
    auto button = MakeButton();
    ButtonProbe probe(*button);
    probe.ColorScheme() = 1;
    probe.BackColor() = 0x00123456; // ignored by the system scheme
    probe.MaskColor() = 0x00C0C0C0;
    probe.ComputeColors();
    QCOMPARE(probe.FaceColor(), 0x00C8D0D4);
    QCOMPARE(probe.TextColor(), 0);
    QCOMPARE(probe.ShadowColor(), 0x00808080);
    QCOMPARE(probe.HighlightColor(), 0x00FFFFFF);
    QCOMPARE(probe.DarkShadowColor(), 0x00404040);
    QCOMPARE(probe.HotBorderColor(), 0x006A240A);
    QCOMPARE(probe.HotFaceColor(), 0x00D0BBB3);
    QCOMPARE(probe.MaskRGB(), 0x00C0C0C0);
}

void ButtonTest::ownColoursScheme()
{
    auto button = MakeButton();
    ButtonProbe probe(*button);
    probe.ColorScheme() = 2;
    probe.BackColor() = 0x00C0C0C0;
    probe.ForeColor() = 0x00000080;
    probe.ForeOver() = 0x00008000;
    probe.ComputeColors();
    QCOMPARE(probe.FaceColor(), 0x00C0C0C0);
    QCOMPARE(probe.ShadowColor(), 0x00808080);
    QCOMPARE(probe.LightColor(), 0x00DFDFDF);
    QCOMPARE(probe.HighlightColor(), 0x00EFEFEF);
    QCOMPARE(probe.DarkShadowColor(), 0);
    QCOMPARE(probe.HotBorderColor(), 0x00404040);
    QCOMPARE(probe.HotFaceColor(), 0x00C0C0C0);
    QCOMPARE(probe.TextColor(), 0x00000080);
    QCOMPARE(probe.TextOverColor(), 0x00008000);
}

void ButtonTest::faceLightOfType2()
{
    auto button = MakeButton();
    ButtonProbe probe(*button);
    probe.ColorScheme() = 2;
    probe.BackColor() = 0x00808080;
    probe.ButtonType() = 2;
    probe.ComputeColors();
    QCOMPARE(probe.FaceLightColor(), 0x00A0B0B0);
    // The type alone does not derive again; the next derivation follows the new type.
    probe.ButtonType() = 1;
    QCOMPARE(probe.FaceLightColor(), 0x00A0B0B0);
    probe.ComputeColors();
    QCOMPARE(probe.FaceLightColor(), 0x00B0B0B0);
}

void ButtonTest::parentScheme()
{
    QWidget parent;
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    parent.setPalette(palette);
    auto button = MakeButton(&parent);
    ButtonProbe probe(*button);
    probe.ColorScheme() = 4;
    probe.ComputeColors();
    QCOMPARE(probe.FaceColor(), 0x00FFFFFF);
    QCOMPARE(probe.TextColor(), 0x00800000);
    QCOMPARE(probe.TextOverColor(), 0x00800000);
    QCOMPARE(probe.ShadowColor(), 0x00BFBFBF);
    QCOMPARE(probe.DarkShadowColor(), 0x003F3F3F);
    QCOMPARE(probe.HotBorderColor(), 0x006A240A);

    // Read anew at each derivation.
    palette.setColor(QPalette::Window, QColor(0x10, 0x20, 0x30));
    parent.setPalette(palette);
    probe.ComputeColors();
    QCOMPARE(probe.FaceColor(), 0x00302010);
}

void ButtonTest::layoutExample()
{
    auto button = MakeButton();
    ButtonProbe probe(*button);
    probe.SetSize(75, 23);
    probe.Caption() = "Hello";
    probe.PicturePosition() = 0;
    probe.CalcLayout();
    QCOMPARE(probe.CaptionRect(), (platform::Rect{25, 5, 50, 18}));
    QCOMPARE(probe.CaptionShiftRect(), (platform::Rect{26, 6, 51, 19}));
    QCOMPARE(probe.CaptionTextRect(), (platform::Rect{26, 6, 51, 19}));
    QCOMPARE(probe.CaptionHeight(), 13);
}

void ButtonTest::layoutWithPicture()
{
    auto button = MakeButton();
    ButtonProbe probe(*button);
    if (button->logicalDpiX() != 96 || button->logicalDpiY() != 96)
        QSKIP("the expected pixels assume 96 dots per inch");
    probe.SetSize(75, 23);
    probe.Caption() = "Hello";
    probe.PictureNormal() = platform::Picture::FromImage(QImage(16, 16, QImage::Format_RGB32));
    probe.MeasurePicture();
    probe.CalcLayout();
    QCOMPARE(probe.CaptionRect(), (platform::Rect{33, 5, 58, 18}));
    QCOMPARE(probe.PictureX(), 13);
    QCOMPARE(probe.PictureY(), 3);

    // A caption of spaces counts as none: the picture is centred.
    probe.Caption() = "   ";
    probe.CalcLayout();
    QCOMPARE(probe.PictureX(), 29);
    QCOMPARE(probe.PictureY(), 3);
}

void ButtonTest::layoutOverflowKeepsTheLastLayout()
{
    auto button = MakeButton();
    ButtonProbe probe(*button);
    probe.SetSize(75, 23);
    probe.Caption() = "Hello";
    probe.CalcLayout();
    probe.SetSize(INT_MIN + 1, 23);
    probe.CalcLayout();
    QCOMPARE(probe.CaptionRect(), (platform::Rect{25, 5, 50, 18}));
    QCOMPARE(probe.CaptionShiftRect(), (platform::Rect{26, 6, 51, 19}));
}

void ButtonTest::measurePicture()
{
    auto button = MakeButton();
    ButtonProbe probe(*button);
    probe.PictureWidth() = 7;
    probe.PictureHeight() = 7;
    probe.MeasurePicture();
    QCOMPARE(probe.PictureWidth(), 0);
    QCOMPARE(probe.PictureHeight(), 0);

    // 1270 x 2540 HiMetric is half an inch by one inch.
    probe.PictureNormal() = std::make_shared<const platform::Picture>(
        platform::Picture::Type::Bitmap, QImage(), 1270, 2540);
    probe.MeasurePicture();
    QCOMPARE(probe.PictureWidth(), platform::HiMetricToPixels(1270, button->logicalDpiX()));
    QCOMPARE(probe.PictureHeight(), button->logicalDpiY());
}

void ButtonTest::region()
{
    auto button = MakeButton();
    ButtonProbe probe(*button);
    probe.SetSize(3, 3);
    probe.ButtonType() = 3;
    probe.BuildRegion();
    QCOMPARE(probe.Region(), QRegion(1, 1, 1, 1));
    probe.ButtonType() = 1;
    probe.BuildRegion();
    QCOMPARE(probe.Region(), QRegion(0, 0, 3, 3));
}

void ButtonTest::accessKey_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("key");
    QTest::newRow("first letter") << "&Save" << QKeySequence(Qt::ALT | Qt::Key_S);
    QTest::newRow("after a doubled one") << "Save && &Exit" << QKeySequence(Qt::ALT | Qt::Key_E);
    QTest::newRow("none") << "Fish && Chips" << QKeySequence();
    QTest::newRow("last character") << "Save&" << QKeySequence();
}

void ButtonTest::accessKey()
{
    QFETCH(QString, caption);
    QFETCH(QKeySequence, key);
    auto button = MakeButton();
    ButtonProbe probe(*button);
    // Each caption replaces the key of the one before.
    probe.Caption() = "&Quit";
    probe.UpdateAccessKey();
    probe.Caption() = caption;
    probe.UpdateAccessKey();
    if (key.isEmpty()) {
        QVERIFY(!probe.AccessKey());
    } else {
        QVERIFY(probe.AccessKey());
        QCOMPARE(probe.AccessKey()->key(), key);
        QCOMPARE(probe.AccessKey()->parent(), button.get());
    }
    QCOMPARE(button->findChildren<QShortcut*>().size(), key.isEmpty() ? 0 : 1);
}

} // namespace quorvel

QTEST_MAIN(quorvel::ButtonTest)
#include "button_test.moc"
