// The parts of the drawing layer that need a running application: the palette's system
// colours and text in real fonts (only results that hold whatever the font is).
#include "platform/qt_text_renderer.h"
#include "platform/surface.h"
#include "platform/system_colours.h"

#include <QGuiApplication>
#include <QPalette>
#include <QTest>

namespace quorvel::platform {

class QtPlatformTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void paletteColoursFollowTheApplication();
    void measuringIgnoresMnemonicMarkers_data();
    void measuringIgnoresMnemonicMarkers();
    void wrappedTextStacksLines();
    void glyphsAreExactlyTheTextColour();
    void mnemonicAddsOnlyAnUnderline();
};

void QtPlatformTest::paletteColoursFollowTheApplication()
{
    const QPalette saved = QGuiApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::ButtonText, QColor(4, 5, 6));
    palette.setColor(QPalette::Highlight, QColor(7, 8, 9));
    QGuiApplication::setPalette(palette);

    const PaletteSystemColours colours;
    QCOMPARE(colours.Get(kButtonFace), 0x00030201);
    QCOMPARE(colours.Get(kButtonText), 0x00060504);
    QCOMPARE(colours.Get(kHighlight), 0x00090807);
    QCOMPARE(TranslateColour(static_cast<Colour>(0x8000000F), colours), 0x00030201);
    QCOMPARE(colours.Get(31), 0);
    QGuiApplication::setPalette(saved);
}

void QtPlatformTest::measuringIgnoresMnemonicMarkers_data()
{
    QTest::addColumn<QString>("marked");
    QTest::addColumn<QString>("plain");
    QTest::newRow("prefix") << "&Save"
                            << "Save";
    QTest::newRow("doubled") << "Fish && Chips"
                             << "Fish & Chips";
    QTest::newRow("trailing") << "Save&"
                              << "Save&";
}

void QtPlatformTest::measuringIgnoresMnemonicMarkers()
{
    QFETCH(QString, marked);
    QFETCH(QString, plain);
    Surface surface(1, 1);
    const Rect box{3, 4, 1000, 1000};
    const Rect measured = surface.MeasureText(marked, box);
    QCOMPARE(measured.left, 3);
    QCOMPARE(measured.top, 4);
    QCOMPARE(measured.Width(), std::int64_t{surface.Text().Advance(surface.Font(), plain)});
    QCOMPARE(measured.Height(), std::int64_t{surface.Text().LineHeight(surface.Font())});
}

void QtPlatformTest::wrappedTextStacksLines()
{
    Surface surface(1, 1);
    const Rect one = surface.MeasureText("Wide", {0, 0, 1000, 1000});
    // A box narrower than "Wide Wide" puts each word on its own line.
    const Rect two = surface.MeasureText("Wide Wide", {0, 0, one.right + 1, 1000});
    QCOMPARE(two.right, one.right);
    QCOMPARE(two.bottom, 2 * one.bottom);
}

void QtPlatformTest::glyphsAreExactlyTheTextColour()
{
    Surface surface(80, 30);
    surface.Clear(0x00FFFFFF);
    surface.SetTextColour(0x000000FF);
    surface.DrawText("Quorvel", {0, 0, 80, 30});
    int inked = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 80; ++x) {
            const Colour pixel = surface.GetPixel(x, y);
            QVERIFY2(pixel == 0x00FFFFFF || pixel == 0x000000FF, "a blended text pixel");
            inked += pixel == 0x000000FF;
        }
    QVERIFY(inked > 0);
}

void QtPlatformTest::mnemonicAddsOnlyAnUnderline()
{
    Surface plain(60, 30);
    plain.Clear(0x00FFFFFF);
    plain.DrawText("Save", {0, 0, 60, 30});
    Surface marked(60, 30);
    marked.Clear(0x00FFFFFF);
    marked.DrawText("&Save", {0, 0, 60, 30});

    // Only one row differs: the underline below "S", one pixel shorter than the letter.
    const int left = (60 - plain.Text().Advance(plain.Font(), "Save")) / 2;
    const int width = plain.Text().Advance(plain.Font(), "S");
    const int row = plain.Text().UnderlineOffset(plain.Font());
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x) {
            const bool underline = y == row && x >= left && x < left + width - 1;
            if (underline)
                QCOMPARE(marked.GetPixel(x, y), 0);
            else
                QCOMPARE(marked.GetPixel(x, y), plain.GetPixel(x, y));
        }
}

} // namespace quorvel::platform

QTEST_MAIN(quorvel::platform::QtPlatformTest)
#include "qt_platform_test.moc"
