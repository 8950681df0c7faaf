// Faces, captions and pictures as Redraw paints them on the off-screen image, with the fixed
// desktop colours and text of fixed metrics so no pixel depends on the machine.
#include "controls/button/button.h"
#include "platform/fixed_text_renderer.h"
#include "tests/controls/button/button_probe.h"
#include "tests/platform/pixel_map.h"

#include <QImage>
#include <QTest>
#include <climits>

namespace quorvel {

using platform::Colour;
using testing::PixelMap;
using testing::Rows;

namespace {

// The fixed palette of scheme 3 and the colours derived from it.
const std::map<Colour, char> kPalette3{
    {0x00C0C0C0, 'f'}, // face
    {0x00DFDFDF, 'l'}, // light
    {0x00FFFFFF, 'h'}, // highlight
    {0x00808080, 's'}, // shadow
    {0x00000000, 'd'}, // dark shadow
    {0x00800000, 'B'}, // hot border
    {0x00D1ADAD, 'F'}, // hot face
    {0x00BF8080, 'P'}, // type 6 pressed fill: the hot border tinted by 128
    {0x00F0D0D0, 'Q'}, // type 7 pressed fill
    {0x00707070, 'u'}, // type 3 down: shadow - 16
    {0x00606060, 'w'}, // shadow - 32
    {0x00404040, 'v'}, // shadow - 64
};

// The picture's colours, and what the renderer turns them into.
constexpr Colour kRed = 0x000000FF;
constexpr Colour kMagenta = 0x00FF00FF; // the mask colour
constexpr Colour kPale = 0x00F0F0F0;    // sum 720: left out of dark-pixel silhouettes
constexpr Colour kNearBlack = 0x00101010;
constexpr Colour kGreen = 0x0000FF00;
constexpr Colour kGrey = 0x00404040;

std::map<Colour, char> PictureLegend()
{
    std::map<Colour, char> legend = kPalette3;
    legend.erase(0x00404040);
    legend.insert({{kRed, 'R'},
                   {kMagenta, 'M'},
                   {kPale, 'W'},
                   {kNearBlack, 'K'},
                   {kGreen, 'G'},
                   {kGrey, 'q'},
                   {0x004C4C4C, '1'},
                   {0x00969696, '2'},
                   {0x00E8E8E8, '+'},
                   {0x00989898, '-'}});
    return legend;
}

// 3 x 2: red, mask, pale / near black, green, grey.
std::shared_ptr<const platform::Picture>
TestPicture(platform::Picture::Type type = platform::Picture::Type::Bitmap)
{
    QImage image(3, 2, QImage::Format_RGB32);
    const Colour pixels[2][3] = {{kRed, kMagenta, kPale}, {kNearBlack, kGreen, kGrey}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            image.setPixel(x, y, platform::ToQRgb(pixels[y][x]));
    return platform::Picture::FromImage(image, type);
}

// A control with the fixed palette of scheme 3 and 4 x 6 text cells (glyphs 3 x 4).
struct Fixture
{
    std::unique_ptr<Button> button = std::make_unique<Button>();
    ButtonProbe probe{*button};

    Fixture(std::int32_t type, std::int32_t width, std::int32_t height, std::int32_t scheme = 3)
    {
        button->SetSystemColours(std::make_shared<platform::FixedSystemColours>());
        button->SetTextRenderer(std::make_shared<platform::FixedTextRenderer>(4, 6));
        probe.ButtonType() = type;
        probe.ColorScheme() = scheme;
        probe.Enabled() = true;
        probe.SetSize(width, height);
        Relayout();
    }
    void Relayout()
    {
        probe.ComputeColors();
        probe.MeasurePicture();
        probe.CalcLayout();
    }
    // state: "up", "hover", "down" (pressed while hovered), "press" (pressed, no hover),
    // "disabled", "disabled-pressed".
    void Paint(const QByteArray& state)
    {
        probe.MouseOver() = state == "hover" || state == "down";
        probe.Enabled() = !state.startsWith("disabled");
        const bool pressed = state == "down" || state == "press" || state == "disabled-pressed";
        probe.Redraw(pressed ? 2 : 0, true);
    }
    std::string Map(const std::map<Colour, char>& legend = kPalette3)
    {
        return PixelMap(probe.Surface(), legend);
    }
    Colour Pixel(int x, int y) { return probe.Surface().GetPixel(x, y); }
};

} // namespace

class ButtonPaintTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void squareFaces_data();
    void squareFaces();
    void roundedType3_data();
    void roundedType3();
    void type3StrokeRowOnePixelIsTheCorner();
    void type3DownRestoresFaceLight();
    void type2Pixels_data();
    void type2Pixels();
    void hoverInScheme2PaintsFromBackOver();
    void backgroundStyleCopiesTheSnapshot();
    void captionEffects_data();
    void captionEffects();
    void captionColours_data();
    void captionColours();
    void captionStateOutsideTheTableKeepsTheColour();
    void engravedPassesPartWithThePictureAbove();
    void effectBaseColours_data();
    void effectBaseColours();
    void centredPictureGetsTheCaptionOnTop();
    void pictures_data();
    void pictures();
    void picturePixels_data();
    void picturePixels();
    void iconsLieOnABoxOfTheMaskColour();
    void pictureEffectCopies();
    void renderPictureSizes();
    void redrawSkipsAnUnchangedRepeat();
    void redrawPaintsNothingWithoutHeightOrRefresh();
    void checkedCheckBoxPaintsDown();
    void overflowAbandonsThePaint();
};

// Types 1 and 4 to 13 without caption or picture on a 6 x 5 face.
void ButtonPaintTest::squareFaces_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("state");
    QTest::addColumn<QStringList>("map");

    const QStringList plain{"ffffff", "ffffff", "ffffff", "ffffff", "ffffff"};
    const QStringList raised{"hhhhhd", "hlllsd", "hlffsd", "hssssd", "dddddd"};
    const QStringList sunken{"dddddh", "dssslh", "dsfflh", "dllllh", "hhhhhh"};
    const QStringList thinRaised{"hhhhhs", "hffffs", "hffffs", "hffffs", "ssssss"};
    const QStringList thinSunken{"sssssh", "sffffh", "sffffh", "sffffh", "hhhhhh"};
    const QStringList hotFrame{"BBBBBB", "BFFFFB", "BFFFFB", "BFFFFB", "BBBBBB"};

    struct Row
    {
        int type;
        const char* state;
        QStringList map;
    };
    const Row rows[] = {
        {1, "up", raised},
        {1, "hover", raised},
        {1, "down", sunken},
        {1, "disabled", raised},
        {1, "disabled-pressed", raised},
        {4, "up", thinRaised},
        {4, "down", thinSunken},
        {4, "disabled", thinRaised},
        {5, "up", plain},
        {5, "hover", thinRaised},
        {5, "down", thinSunken},
        {5, "disabled", plain},
        {6, "up", plain},
        {6, "hover", hotFrame},
        {6, "down", {"BBBBBB", "BPPPPB", "BPPPPB", "BPPPPB", "BBBBBB"}},
        {6, "press", {"BBBBBB", "BffffB", "BffffB", "BffffB", "BBBBBB"}},
        {6, "disabled", plain},
        {7, "up", thinRaised},
        {7, "hover", hotFrame},
        {7, "down", {"sssssh", "sQQQQh", "sQQQQh", "sQQQQh", "hhhhhh"}},
        {7, "press", thinSunken},
        {7, "disabled", thinRaised},
        {7, "disabled-pressed", thinRaised},
        {8, "up", plain}, // no snapshot taken yet: the face fill stays
        {9, "hover", plain},
        {10, "down", plain},
        {11, "disabled", plain},
        {12, "up", plain},
        {12, "hover", raised},
        {12, "down", plain},
        {12, "disabled", plain},
        {13, "hover", plain},
        {13, "down", plain},
    };
    for (const Row& row : rows)
        QTest::addRow("type %d %s", row.type, row.state)
            << row.type << QByteArray(row.state) << row.map;
}

void ButtonPaintTest::squareFaces()
{
    QFETCH(int, type);
    QFETCH(QByteArray, state);
    QFETCH(QStringList, map);
    Fixture f(type, 6, 5);
    f.Paint(state);
    QCOMPARE(QString::fromStdString(f.Map()), map.join('\n') + '\n');
}

void ButtonPaintTest::roundedType3_data()
{
    QTest::addColumn<QByteArray>("state");
    QTest::addColumn<QStringList>("map");
    // Up and disabled share the face: highlight top-left, face lines, shadow bottom-right.
    const QStringList up{"ddddddddd", "dfllllfdd", "dfhhhhfsd", "dlhhllfsd",
                         "dlhllffsd", "dfffffssd", "ddsssssdd", "ddddddddd"};
    QTest::newRow("up") << QByteArray("up") << up;
    QTest::newRow("hover") << QByteArray("hover") << up;
    QTest::newRow("disabled") << QByteArray("disabled") << up;
    // Down: shaded rings, the 45-degree stroke at (7, 5) and (6, 6).
    QTest::newRow("down") << QByteArray("down")
                          << QStringList{"ddddddddd", "ddvvvvsdd", "dvvwwwswd", "dvwwuusud",
                                         "dvwuussud", "dsssssswd", "ddwuuuwdd", "ddddddddd"};
}

void ButtonPaintTest::roundedType3()
{
    QFETCH(QByteArray, state);
    QFETCH(QStringList, map);
    Fixture f(3, 9, 8);
    f.Paint(state);
    QCOMPARE(QString::fromStdString(f.Map()), map.join('\n') + '\n');
}

// The stroke from (1, 2) towards (2, 0) passes exactly between (1, 1) and (2, 1); the
// rasteriser gives the tie to the smaller x, so the stroke paints the corner pixel (1, 1)
// over in the face colour and (2, 1) keeps the light fill.
void ButtonPaintTest::type3StrokeRowOnePixelIsTheCorner()
{
    Fixture f(3, 9, 8);
    f.Paint("up");
    QCOMPARE(f.Pixel(1, 1), 0x00C0C0C0);
    QCOMPARE(f.Pixel(1, 2), 0x00C0C0C0);
    QCOMPARE(f.Pixel(2, 1), 0x00DFDFDF);
    QCOMPARE(f.Pixel(2, 0), 0x00000000);
}

void ButtonPaintTest::type3DownRestoresFaceLight()
{
    // The pressed caption's effect copies are based on shadow - 16 instead of the face light.
    Fixture f(3, 16, 12);
    f.probe.Caption() = "A";
    f.probe.SpecialEffect() = 1;
    f.Relayout();
    f.Paint("down");
    QCOMPARE(f.probe.FaceLightColor(), 0x00F0F0F0);
    // Dark copy right-below the text, light copy left-above (see captionEffects).
    QCOMPARE(f.Pixel(10, 8), 0x00484848);
    QCOMPARE(f.Pixel(6, 3), 0x00989898);
    QCOMPARE(f.Pixel(8, 5), 0x00DFDFDF); // pressed type 3 text is in the light colour
}

// Type 2 on a 12 x 25 face of 0x00C0C0C0, whose face light is 0x00F0F0F0 and k = 1.
void ButtonPaintTest::type2Pixels_data()
{
    QTest::addColumn<QByteArray>("state");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<Colour>("colour");

    struct Row
    {
        const char* what;
        const char* state;
        int height, x, y;
        Colour colour;
    };
    const Row rows[] = {
        {"frame top-left", "up", 25, 0, 0, 0x00733C00},
        {"frame bottom-right", "up", 25, 11, 24, 0x00733C00},
        {"frame left", "down", 25, 0, 12, 0x00733C00},
        {"corner top-left", "up", 25, 1, 1, 0x007B4D10},
        {"corner top-right", "hover", 25, 10, 1, 0x007B4D10},
        {"corner bottom-left", "down", 25, 1, 23, 0x007B4D10},
        {"corner bottom-right", "up", 25, 10, 23, 0x007B4D10},
        // Up: the gradient amount of row i is -i.
        {"gradient row 3", "up", 25, 6, 3, 0x00EDEDED},
        {"gradient row 20", "up", 25, 6, 20, 0x00D7DCDC},
        {"gradient row 21", "up", 25, 6, 21, 0x00D6DBDB},
        {"gradient row 12 under the glow", "hover", 25, 6, 12, 0x00E1E4E4},
        // k = 0.5: rows 3, 4 and 5 all get -2 (halves to even), row 6 gets -3.
        {"H 50 row 3", "up", 50, 6, 3, 0x00EEEEEE},
        {"H 50 row 5", "up", 50, 6, 5, 0x00EEEEEE},
        {"H 50 row 6", "up", 50, 6, 6, 0x00EDEDED},
        // k = 3.125: row 4 gets -12 (12.5 to even), not -13.
        {"H 8 row 3", "up", 8, 5, 3, 0x00E5E7E7},
        {"H 8 row 4", "up", 8, 5, 4, 0x00E1E4E4},
        // Shaded edges when not hovered.
        {"bottom inner line", "up", 25, 6, 23, 0x00B4C0C0},
        {"second bottom line", "up", 25, 6, 22, 0x00C8D0D0},
        {"right inner column", "up", 25, 10, 12, 0x00C3CCCC},
        {"second right column", "up", 25, 9, 12, 0x00D2D8D8},
        {"top inner line", "up", 25, 6, 1, 0x00FFFFFF},
        {"second top line", "up", 25, 6, 2, 0x00FCFAFA},
        {"left inner column", "up", 25, 1, 12, 0x00EAEBEB},
        {"second left column", "up", 25, 2, 12, 0x00E4E6E6},
        // The glow replaces the shaded edges.
        {"glow frame left", "hover", 25, 1, 12, 0x0031B2FF},
        {"glow frame right", "hover", 25, 10, 12, 0x0031B2FF},
        {"glow frame bottom", "hover", 25, 6, 22, 0x0031B2FF},
        {"glow bottom", "hover", 25, 6, 23, 0x000096E7},
        {"glow top", "hover", 25, 6, 1, 0x00CEF3FF},
        {"glow second row", "hover", 25, 6, 2, 0x008CDBFF},
        {"glow second row right end", "hover", 25, 10, 2, 0x008CDBFF},
        {"glow left side", "hover", 25, 2, 12, 0x006BCBFF},
        {"glow right side", "hover", 25, 9, 12, 0x006BCBFF},
        // Down: base 0x00C8D0D0, reversed gradient, row H - i gets amount(i).
        {"reversed row 12", "down", 25, 6, 12, 0x00BBC3C3},
        {"reversed row 3", "down", 25, 6, 3, 0x00B2BABA},
        {"down bottom inner line", "down", 25, 6, 23, 0x00D8E0E0},
        {"down second bottom line", "down", 25, 6, 22, 0x00D2DADA},
        {"down right inner column", "down", 25, 10, 12, 0x00CDD5D5},
        {"down second right column", "down", 25, 9, 12, 0x00F0F0F0},
        {"down top inner line", "down", 25, 6, 1, 0x00A7B0B0},
        {"down second top line", "down", 25, 6, 2, 0x00AFB8B8},
        {"down left inner column", "down", 25, 1, 12, 0x00A7B0B0},
        {"down second left column", "down", 25, 2, 2, 0x00B2BABA},
        // Disabled: one flat fill, frame and corners, all from the face light.
        {"disabled fill", "disabled", 25, 6, 12, 0x00D2D8D8},
        {"disabled frame", "disabled", 25, 6, 24, 0x00879C9C},
        {"disabled corner", "disabled", 25, 10, 23, 0x0096A8A8},
    };
    for (const Row& row : rows)
        QTest::newRow(row.what) << QByteArray(row.state) << row.height << row.x << row.y
                                << row.colour;
}

void ButtonPaintTest::type2Pixels()
{
    QFETCH(QByteArray, state);
    QFETCH(int, height);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(Colour, colour);
    Fixture f(2, 12, height);
    f.Paint(state);
    QCOMPARE(QString::number(f.Pixel(x, y), 16), QString::number(colour, 16));
}

void ButtonPaintTest::hoverInScheme2PaintsFromBackOver()
{
    Fixture f(1, 6, 5, 2);
    f.probe.BackColor() = 0x00C0C0C0;
    f.probe.BackOver() = 0x00404040;
    f.Relayout();
    f.Paint("hover");
    QCOMPARE(f.Pixel(2, 2), 0x00404040);       // face
    QCOMPARE(f.Pixel(0, 0), 0x006F6F6F);       // highlight: 0x40 + 47
    QCOMPARE(f.Pixel(5, 4), 0x00000000);       // dark shadow
    QCOMPARE(f.probe.BackColor(), 0x00C0C0C0); // put back afterwards ...
    QCOMPARE(f.probe.FaceColor(), 0x00C0C0C0); // ... with the colours derived from it
    QCOMPARE(f.probe.HighlightColor(), 0x00EFEFEF);
}

void ButtonPaintTest::backgroundStyleCopiesTheSnapshot()
{
    Fixture f(Button::kBackgroundStyle, 16, 12);
    auto snapshot = std::make_unique<platform::Surface>(16, 12);
    snapshot->Clear(0x00123456);
    snapshot->SetPixel(0, 0, 0x00654321);
    f.probe.BackDC() = std::move(snapshot);
    f.probe.Caption() = "A";
    f.Relayout();
    for (const char* state : {"up", "down", "disabled"}) {
        f.Paint(state);
        QCOMPARE(f.Pixel(0, 0), 0x00654321);
        QCOMPARE(f.Pixel(15, 11), 0x00123456);
        QVERIFY2(f.Pixel(8, 5) != 0x00123456, state); // the caption lies over the snapshot
    }
}

// Type 5 (no border unless hovered) on 16 x 12 in scheme 2: face 0x00C0C0C0, text red, hover
// text green. The caption "A" is drawn at (7, 4), its glyph 3 x 4 pixels. Copies are 0x00C0C0C0
// shifted by +40 ('+') and -40 ('-').
void ButtonPaintTest::captionEffects_data()
{
    QTest::addColumn<int>("effect");
    QTest::addColumn<QByteArray>("state");
    QTest::addColumn<QStringList>("map");
    const QString blank(16, 'f');
    auto map = [&](std::initializer_list<const char*> middle) {
        QStringList rows{blank, blank};
        for (const char* row : middle)
            rows << QString::fromLatin1(row);
        while (rows.size() < 12)
            rows << blank;
        return rows;
    };
    QTest::newRow("none") << 0 << QByteArray("up")
                          << map({"ffffffffffffffff", "ffffffffffffffff", "fffffffTTTffffff",
                                  "fffffffTTTffffff", "fffffffTTTffffff", "fffffffTTTffffff"});
    // Up: the dark copy lies under the text; only the light one shows, up and left.
    QTest::newRow("raised up") << 1 << QByteArray("up")
                               << map({"fffff+++ffffffff", "fffff+++ffffffff", "fffff++TTTffffff",
                                       "fffff++TTTffffff", "fffffffTTTffffff", "fffffffTTTffffff"});
    QTest::newRow("sunken up") << 2 << QByteArray("up")
                               << map({"fffff---ffffffff", "fffff---ffffffff", "fffff--TTTffffff",
                                       "fffff--TTTffffff", "fffffffTTTffffff", "fffffffTTTffffff"});
    // Pressed (without hover, so scheme 2 keeps BackColor): the copies move one pixel right
    // and down with the shifted rectangle; the text stays and takes the hover colour. The thin
    // sunken ring shows at the edges.
    const QString s = "s" + QString(14, 'f') + "h";
    auto pressed = [&](std::initializer_list<const char*> middle) {
        QStringList rows{"sssssssssssssssh", s, s};
        for (const char* row : middle)
            rows << QString::fromLatin1(row);
        while (rows.size() < 11)
            rows << s;
        rows << QString(16, 'h');
        return rows;
    };
    QTest::newRow("raised pressed")
        << 1 << QByteArray("press")
        << pressed({"sfffff+++ffffffh", "sfffff+OOOfffffh", "sfffff+OOO-ffffh", "sfffff+OOO-ffffh",
                    "sffffffOOO-ffffh", "sfffffff---ffffh"});
    QTest::newRow("shadow pressed")
        << 3 << QByteArray("press")
        << pressed({"sffffffffffffffh", "sffffffOOOfffffh", "sffffffOOO-ffffh", "sffffffOOO-ffffh",
                    "sffffffOOO-ffffh", "sfffffff---ffffh"});
}

void ButtonPaintTest::captionEffects()
{
    QFETCH(int, effect);
    QFETCH(QByteArray, state);
    QFETCH(QStringList, map);
    Fixture f(5, 16, 12, 2);
    f.probe.BackColor() = 0x00C0C0C0;
    f.probe.ForeColor() = 0x000000FF;
    f.probe.ForeOver() = 0x0000FF00;
    f.probe.Caption() = "A";
    f.probe.SpecialEffect() = effect;
    f.Relayout();
    f.Paint(state);
    const std::map<Colour, char> legend{{0x00C0C0C0, 'f'}, {0x00E8E8E8, '+'}, {0x00989898, '-'},
                                        {0x000000FF, 'T'}, {0x0000FF00, 'O'}, {0x00808080, 's'},
                                        {0x00EFEFEF, 'h'}};
    QCOMPARE(QString::fromStdString(f.Map(legend)), map.join('\n') + '\n');
}

void ButtonPaintTest::captionColours_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("state");
    QTest::addColumn<Colour>("colour");
    QTest::addColumn<int>("captionState");
    // Scheme 2 text colours: red normally, green while hovered or pressed.
    QTest::newRow("up") << 5 << QByteArray("up") << Colour{0x000000FF} << 0;
    QTest::newRow("hover") << 5 << QByteArray("hover") << Colour{0x0000FF00} << 1;
    QTest::newRow("pressed") << 1 << QByteArray("press") << Colour{0x0000FF00} << 2;
    QTest::newRow("type 3 pressed") << 3 << QByteArray("press") << Colour{0x00DFDFDF} << 2;
    QTest::newRow("disabled engraved") << 5 << QByteArray("disabled") << Colour{0x00808080} << 3;
    QTest::newRow("type 6 disabled") << 6 << QByteArray("disabled") << Colour{0x00808080} << 4;
    // Face light 0x00F0F0F0 (type 2) shifted by -104 with the proportional blue.
    QTest::newRow("type 2 disabled") << 2 << QByteArray("disabled") << Colour{0x006E8888} << 5;
}

void ButtonPaintTest::captionColours()
{
    QFETCH(int, type);
    QFETCH(QByteArray, state);
    QFETCH(Colour, colour);
    QFETCH(int, captionState);
    Fixture f(type, 16, 12, 2);
    f.probe.BackColor() = 0x00C0C0C0;
    f.probe.ForeColor() = 0x000000FF;
    f.probe.ForeOver() = 0x0000FF00;
    f.probe.Caption() = "A";
    f.Relayout();
    f.Paint(state);
    QCOMPARE(QString::number(f.Pixel(8, 5), 16), QString::number(colour, 16));
    QCOMPARE(f.probe.CaptionState(), captionState);
}

void ButtonPaintTest::captionStateOutsideTheTableKeepsTheColour()
{
    Fixture f(5, 16, 12, 2);
    f.probe.BackColor() = 0x00C0C0C0;
    f.probe.ForeOver() = 0x0000FF00;
    f.probe.Caption() = "A";
    f.Relayout();
    f.probe.DrawCaption(1);
    f.probe.Surface().Clear(0x00C0C0C0);
    f.probe.DrawCaption(9);
    QCOMPARE(f.Pixel(8, 5), 0x0000FF00);
    QCOMPARE(f.probe.CaptionState(), 9);
}

void ButtonPaintTest::engravedPassesPartWithThePictureAbove()
{
    // With the picture above, the text sits on the bottom edge while the highlight pass stays
    // one pixel right and down of the measured caption.
    Fixture f(3, 16, 20);
    f.probe.PictureNormal() = TestPicture();
    f.probe.PicturePosition() = 2;
    f.probe.Caption() = "A";
    f.Relayout();
    f.Paint("disabled");
    QCOMPARE(f.probe.CaptionShiftRect(), (platform::Rect{7, 9, 11, 15}));
    QCOMPARE(f.probe.CaptionTextRect(), (platform::Rect{7, 12, 11, 18}));
    QCOMPARE(f.Pixel(8, 10), 0x00FFFFFF); // highlight pass, rows 9 to 12
    QCOMPARE(f.Pixel(8, 12), 0x00808080); // the shadow text covers its last row
    QCOMPARE(f.Pixel(8, 15), 0x00808080);
    QCOMPARE(f.Pixel(8, 16), 0x00DFDFDF);
}

// Where the caption's and the picture's effect copies take their base colour from, seen on
// the sunken effect's dark copy (base - 40): the caption's at (6, 3), up and left of the text;
// the picture's at its far copy.
void ButtonPaintTest::effectBaseColours_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("state");
    QTest::addColumn<bool>("picture");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<Colour>("colour");
    // Caption: face 0x00C0C0C0; types 3 and 4 the face light 0x00F0F0F0; a hovered up type 6
    // the hot face 0x00D1ADAD.
    QTest::newRow("caption type 5") << 5 << QByteArray("up") << false << 6 << 3 << Colour{0x989898};
    QTest::newRow("caption type 4") << 4 << QByteArray("up") << false << 6 << 3 << Colour{0xC8C8C8};
    QTest::newRow("caption type 3") << 3 << QByteArray("up") << false << 6 << 3 << Colour{0xC8C8C8};
    QTest::newRow("caption type 6 hover")
        << 6 << QByteArray("hover") << false << 6 << 3 << Colour{0xA98585};
    QTest::newRow("caption type 6 pressed while hovered")
        << 6 << QByteArray("down") << false << 6 << 3 << Colour{0x989898};
    // Picture (3 x 2 at (2, 2) on 7 x 6): type 2 the face light; a lifted picture (hovered
    // 6 and 7) the hot face, its far copy at P - (2, 2).
    QTest::newRow("picture type 9") << 9 << QByteArray("up") << true << 1 << 1 << Colour{0x989898};
    QTest::newRow("picture type 2") << 2 << QByteArray("up") << true << 1 << 1 << Colour{0xC8C8C8};
    QTest::newRow("picture type 7 hover")
        << 7 << QByteArray("hover") << true << 0 << 0 << Colour{0xA98585};
    QTest::newRow("picture type 12 hover")
        << 12 << QByteArray("hover") << true << 1 << 1 << Colour{0x989898};
}

void ButtonPaintTest::effectBaseColours()
{
    QFETCH(int, type);
    QFETCH(QByteArray, state);
    QFETCH(bool, picture);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(Colour, colour);
    Fixture f(type, picture ? 7 : 16, picture ? 6 : 12);
    f.probe.SpecialEffect() = 2;
    f.probe.MaskColor() = kMagenta;
    f.probe.UseMaskColor() = true;
    if (picture)
        f.probe.PictureNormal() = TestPicture();
    else
        f.probe.Caption() = "A";
    f.Relayout();
    f.Paint(state);
    QCOMPARE(QString::number(f.Pixel(x, y), 16), QString::number(colour, 16));
}

void ButtonPaintTest::centredPictureGetsTheCaptionOnTop()
{
    // A 4 x 4 red picture centred under the caption "A" of a type 4 face.
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(platform::ToQRgb(kRed));
    Fixture f(4, 16, 12);
    f.probe.PictureNormal() = platform::Picture::FromImage(image);
    f.probe.PicturePosition() = 4;
    f.probe.Caption() = "A";
    f.Relayout();
    f.Paint("up");
    QCOMPARE(f.Pixel(6, 4), kRed);       // picture at (6, 4) to (9, 7)
    QCOMPARE(f.Pixel(8, 5), 0x00000000); // the caption over it
    // A captionless style shows the picture alone, even centred.
    f.probe.ButtonType() = 9;
    f.Paint("up");
    QCOMPARE(f.Pixel(8, 5), kRed);
}

// The 3 x 2 test picture on a 7 x 6 face of type 9, 10 or 13 (no border, no caption),
// centred at (2, 2), mask colour magenta.
void ButtonPaintTest::pictures_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("state");
    QTest::addColumn<bool>("useMask");
    QTest::addColumn<bool>("greyscale");
    QTest::addColumn<QStringList>("map");
    const QString f7(7, 'f');
    auto at = [&](const char* row2, const char* row3, const char* row4 = "fffffff",
                  const char* row1 = "fffffff") {
        return QStringList{f7, row1, row2, row3, row4, f7};
    };
    QTest::newRow("up") << 9 << QByteArray("up") << true << false << at("ffRfWff", "ffKGqff");
    QTest::newRow("up without mask")
        << 9 << QByteArray("up") << false << false << at("ffRMWff", "ffKGqff");
    QTest::newRow("up greyscale") << 9 << QByteArray("up") << true << true
                                  << at("ff1fWff", "ffK2qff");
    QTest::newRow("hover ignores greyscale")
        << 9 << QByteArray("hover") << true << true << at("ffRfWff", "ffKGqff");
    // Pressed: type 9 keeps the picture in place, the others push it in.
    QTest::newRow("type 9 down") << 9 << QByteArray("down") << true << false
                                 << at("ffRfWff", "ffKGqff");
    QTest::newRow("type 10 down") << 10 << QByteArray("down") << true << false
                                  << at("fffffff", "fffRfWf", "fffKGqf");
    // Hovered 6 and 7 lift the picture off its shadow silhouette, on the hover fill.
    QTest::newRow("type 6 hover") << 6 << QByteArray("hover") << true << false
                                  << QStringList{"BBBBBBB", "BRFWFFB", "BKGqFFB",
                                                 "BFFsFsB", "BFFsssB", "BBBBBBB"};
    // Disabled 9 and 10: the dark pixels in shadow; the pale one and the mask are left out.
    QTest::newRow("type 10 disabled")
        << 10 << QByteArray("disabled") << true << false << at("ffsffff", "ffsssff");
    // Others: etched, the highlight silhouette one pixel right and down under the shadow one.
    QTest::newRow("type 13 disabled")
        << 13 << QByteArray("disabled") << true << false << at("ffsffff", "ffsssff", "fffhhhf");
}

void ButtonPaintTest::pictures()
{
    QFETCH(int, type);
    QFETCH(QByteArray, state);
    QFETCH(bool, useMask);
    QFETCH(bool, greyscale);
    QFETCH(QStringList, map);
    Fixture f(type, 7, 6);
    f.probe.PictureNormal() = TestPicture();
    f.probe.MaskColor() = kMagenta;
    f.probe.UseMaskColor() = useMask;
    f.probe.UseGreyscale() = greyscale;
    f.Relayout();
    f.Paint(state);
    QCOMPARE(QString::fromStdString(f.Map(PictureLegend())), map.join('\n') + '\n');
}

// Which picture lands where: the hover picture (a 5 x 4 green block, cut to the 3 x 2 area of
// the normal picture) and the disabled greyscale of type 3. The normal picture's top-left
// pixel is red; it sits at (2, 2) on a 7 x 6 face.
void ButtonPaintTest::picturePixels_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("state");
    QTest::addColumn<bool>("checkBox");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<Colour>("colour");
    struct Row
    {
        const char* what;
        int type;
        const char* state;
        bool checkBox;
        int x, y;
        Colour colour;
    };
    const Row rows[] = {
        {"hover shows the hover picture", 9, "hover", false, 2, 2, kGreen},
        {"hover picture is cut to the area", 9, "hover", false, 5, 2, 0x00C0C0C0},
        {"hover picture is cut below too", 9, "hover", false, 2, 4, 0x00C0C0C0},
        {"check box hover keeps the normal picture", 9, "hover", true, 2, 2, kRed},
        {"pressed pushes the hover picture in", 9, "press", false, 3, 3, kGreen},
        {"pressed leaves P to the face", 9, "press", false, 2, 2, 0x00C0C0C0},
        {"check box pressed still uses the hover picture", 9, "press", true, 3, 3, kGreen},
        {"type 6 pressed pushes the normal picture in", 6, "press", false, 3, 3, kRed},
        {"type 6 hover lifts the normal picture", 6, "hover", false, 1, 1, kRed},
        {"type 3 disabled is grey and pushed in", 3, "disabled", false, 3, 3, 0x004C4C4C},
        {"type 3 disabled green turns grey", 3, "disabled", false, 4, 4, 0x00969696},
    };
    for (const Row& row : rows)
        QTest::newRow(row.what) << row.type << QByteArray(row.state) << row.checkBox << row.x
                                << row.y << row.colour;
}

void ButtonPaintTest::picturePixels()
{
    QFETCH(int, type);
    QFETCH(QByteArray, state);
    QFETCH(bool, checkBox);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(Colour, colour);
    QImage over(5, 4, QImage::Format_RGB32);
    over.fill(platform::ToQRgb(kGreen));
    Fixture f(type, 7, 6);
    f.probe.PictureNormal() = TestPicture();
    f.probe.PictureOver() = platform::Picture::FromImage(over);
    f.probe.MaskColor() = kMagenta;
    f.probe.UseMaskColor() = true;
    f.probe.CheckBoxBehaviour() = checkBox;
    f.Relayout();
    f.Paint(state);
    QCOMPARE(QString::number(f.Pixel(x, y), 16), QString::number(colour, 16));
}

void ButtonPaintTest::iconsLieOnABoxOfTheMaskColour()
{
    // A 3 x 2 icon drawn into a 4 x 3 area: the box around it is the mask colour, which the
    // mask removes again; without the mask the whole box shows.
    Fixture f(9, 7, 6);
    f.probe.MaskRGB() = kMagenta;
    const auto icon = TestPicture(platform::Picture::Type::Icon);
    platform::Surface& surface = f.probe.Surface();
    const std::map<Colour, char> legend = PictureLegend();

    surface.Clear(0x00C0C0C0);
    f.probe.UseMaskColor() = true;
    f.probe.RenderPicture(surface, 1, 1, 4, 3, *icon, kMagenta, -1, false, false);
    QCOMPARE(QString::fromStdString(PixelMap(surface, legend)),
             QString::fromStdString(
                 Rows({"fffffff", "fRfWfff", "fKGqfff", "fffffff", "fffffff", "fffffff"})));

    surface.Clear(0x00C0C0C0);
    f.probe.UseMaskColor() = false;
    f.probe.RenderPicture(surface, 1, 1, 4, 3, *icon, kMagenta, -1, false, false);
    QCOMPARE(QString::fromStdString(PixelMap(surface, legend)),
             QString::fromStdString(
                 Rows({"fffffff", "fRMWMff", "fKGqMff", "fMMMMff", "fffffff", "fffffff"})));
}

void ButtonPaintTest::pictureEffectCopies()
{
    // Raised effect on the up face: silhouettes at P + (1, 1) in face - 40 and at P - (1, 1)
    // in face + 40, under the picture (the mask pixel shows what lies beneath it).
    Fixture f(9, 7, 6);
    f.probe.PictureNormal() = TestPicture();
    f.probe.MaskColor() = kMagenta;
    f.probe.UseMaskColor() = true;
    f.probe.SpecialEffect() = 1;
    f.Relayout();
    f.Paint("up");
    QCOMPARE(QString::fromStdString(f.Map(PictureLegend())),
             QString::fromStdString(
                 Rows({"fffffff", "f+f+fff", "f+R+Wff", "ffKGq-f", "fff---f", "fffffff"})));
}

void ButtonPaintTest::renderPictureSizes()
{
    Fixture f(9, 7, 6);
    platform::Surface& surface = f.probe.Surface();
    const auto picture = TestPicture();
    const std::map<Colour, char> legend = PictureLegend();

    // Negative sizes mean the picture's own size; a zero size draws nothing.
    surface.Clear(0x00C0C0C0);
    f.probe.RenderPicture(surface, 0, 0, 0, -1, *picture, -1, -1, false, false);
    f.probe.RenderPicture(surface, 4, 4, -1, -1, *picture, -1, -1, false, false);
    // An area larger than the bitmap keeps the background around it; one hanging off the
    // surface is clipped.
    f.probe.RenderPicture(surface, -1, 0, 5, 3, *picture, -1, -1, false, false);
    QCOMPARE(QString::fromStdString(PixelMap(surface, legend)),
             QString::fromStdString(
                 Rows({"MWfffff", "Gqfffff", "fffffff", "fffffff", "ffffRMW", "ffffKGq"})));
}

void ButtonPaintTest::redrawSkipsAnUnchangedRepeat()
{
    Fixture f(1, 6, 5);
    f.probe.Caption() = "x";
    f.Relayout();
    f.probe.Redraw(2, false);
    QCOMPARE(f.probe.State(), std::uint8_t{2});
    QCOMPARE(f.probe.LastCaption(), QString("x"));
    // Mark the image: a second identical call must leave it alone ...
    f.probe.Surface().SetPixel(3, 3, 0x00123456);
    f.probe.Redraw(2, false);
    QCOMPARE(f.Pixel(3, 3), 0x00123456);
    // ... a changed caption repaints ...
    f.probe.Caption() = "y";
    f.probe.Redraw(2, false);
    QVERIFY(f.Pixel(3, 3) != 0x00123456);
    QCOMPARE(f.probe.LastCaption(), QString("y"));
    // ... and so do a changed state and a forced call.
    f.probe.Surface().SetPixel(3, 3, 0x00123456);
    f.probe.Redraw(0, false);
    QVERIFY(f.Pixel(3, 3) != 0x00123456);
    f.probe.Surface().SetPixel(3, 3, 0x00123456);
    f.probe.Redraw(0, true);
    QVERIFY(f.Pixel(3, 3) != 0x00123456);
}

void ButtonPaintTest::redrawPaintsNothingWithoutHeightOrRefresh()
{
    Fixture f(1, 6, 5);
    f.probe.Surface().Clear(0x00123456);
    f.probe.RefreshEnabled() = false;
    f.probe.Redraw(2, true);
    QCOMPARE(f.Pixel(2, 2), 0x00123456);
    QCOMPARE(f.probe.State(), std::uint8_t{0});

    f.probe.RefreshEnabled() = true;
    f.probe.SetSize(6, 0);
    f.probe.Caption() = "new";
    f.probe.Redraw(2, true);
    QCOMPARE(f.probe.State(), std::uint8_t{0});
    QCOMPARE(f.probe.LastCaption(), QString());
}

void ButtonPaintTest::checkedCheckBoxPaintsDown()
{
    Fixture f(1, 6, 5);
    f.probe.CheckBoxBehaviour() = true;
    f.probe.Value() = true;
    f.probe.Redraw(0, true);
    QCOMPARE(f.probe.State(), std::uint8_t{2});
    QCOMPARE(QString::fromStdString(f.Map()),
             QString::fromStdString(Rows({"dddddh", "dssslh", "dsfflh", "dllllh", "hhhhhh"})));
    // Off again, the up face returns.
    f.probe.Value() = false;
    f.probe.Redraw(0, false);
    QCOMPARE(f.probe.State(), std::uint8_t{0});
    QCOMPARE(f.Pixel(0, 0), 0x00FFFFFF);
}

void ButtonPaintTest::overflowAbandonsThePaint()
{
    // A picture position at the 32-bit limit: moving it in by one pixel cannot be computed,
    // so the paint stops there instead of drawing at a wrapped position.
    Fixture f(10, 7, 6);
    f.probe.PictureNormal() = TestPicture();
    f.Relayout();
    f.probe.PictureX() = INT_MAX;
    f.Paint("press");
    QCOMPARE(f.probe.State(), std::uint8_t{2});
    QCOMPARE(f.Pixel(0, 0), 0x00C0C0C0); // the face fill before the abandoned step stays
    f.probe.PictureX() = 2;
    f.Paint("up");
    QCOMPARE(f.Pixel(2, 2), kRed);

    // A hovered type 6 face as wide as the 32-bit range: its fill from (1, 1) cannot be
    // computed. The scheme 2 hover colours are put back all the same.
    Fixture wide(6, 6, 5, 2);
    wide.probe.BackColor() = 0x00C0C0C0;
    wide.probe.BackOver() = 0x00404040;
    wide.probe.SetSize(INT_MAX, 5); // more than an image can hold: the surface stays empty
    wide.Relayout();
    wide.Paint("hover");
    QCOMPARE(wide.probe.BackColor(), 0x00C0C0C0);
    QCOMPARE(wide.probe.FaceColor(), 0x00C0C0C0);
}

} // namespace quorvel

QTEST_MAIN(quorvel::ButtonPaintTest)
#include "button_paint_test.moc"
