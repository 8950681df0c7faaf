#include "cursorresource.h"
#include "resource_paths.h"

#include <QFile>
#include <QImage>
#include <QSet>
#include <QTest>
#include <algorithm>
#include <cstdlib>

using namespace quorvel::resources;

namespace {

int Brightness(QRgb c)
{
    return qRed(c) + qGreen(c) + qBlue(c);
}

int ChannelDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

QString Path(const char* path)
{
    return QString::fromLatin1(path);
}

QImage Load(const char* path)
{
    return QImage(QString::fromLatin1(path)).convertToFormat(QImage::Format_ARGB32);
}

QByteArray ReadAll(const char* path)
{
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The row of a one-column shading whose colour is darkest.
int DarkestRow(const QImage& image, int column)
{
    int darkest = 0;
    for (int y = 1; y < image.height(); ++y) {
        if (Brightness(image.pixel(column, y)) < Brightness(image.pixel(column, darkest)))
            darkest = y;
    }
    return darkest;
}

} // namespace

class ResourcesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void picturesAreCompiledIn_data();
    void picturesAreCompiledIn();
    void maskColourIsOnlyTheBackground_data();
    void maskColourIsOnlyTheBackground();
    void windowIconIsABlueGrid();
    void handCursorHasItsHotSpotOnTheFingertip();
    void hotSpotFromHeader_data();
    void hotSpotFromHeader();
    void missingCursorFallsBackToArrow();
    void bannerPiecesJoinAndShade();
    void sampleCatalogueIsCompiledIn();
};

void ResourcesTest::picturesAreCompiledIn_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("transparentCorner");
    QTest::newRow("window icon") << Path(kWindowIcon) << QSize(16, 16) << true;
    QTest::newRow("save") << Path(kSavePicture) << QSize(20, 20) << false;
    QTest::newRow("ok") << Path(kOkPicture) << QSize(39, 20) << false;
    QTest::newRow("hand cursor") << Path(kHandCursor) << QSize(32, 32) << true;
    QTest::newRow("banner left") << Path(kBannerLeft) << QSize(3, 35) << false;
    QTest::newRow("banner middle") << Path(kBannerMiddle) << QSize(20, 35) << false;
    QTest::newRow("banner right") << Path(kBannerRight) << QSize(3, 35) << false;
}

void ResourcesTest::picturesAreCompiledIn()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(bool, transparentCorner);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    const QImage image(path);
    QVERIFY2(!image.isNull(), "the XPM reader rejected the picture");
    QCOMPARE(image.size(), size);
    const int cornerAlpha = qAlpha(image.convertToFormat(QImage::Format_ARGB32).pixel(0, 0));
    QCOMPARE(cornerAlpha, transparentCorner ? 0 : 255);
}

void ResourcesTest::maskColourIsOnlyTheBackground_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QRgb>("mask");
    QTest::newRow("save on silver") << Path(kSavePicture) << qRgb(0xC0, 0xC0, 0xC0);
    QTest::newRow("ok on white") << Path(kOkPicture) << qRgb(0xFF, 0xFF, 0xFF);
}

// The button makes every pixel of the mask colour transparent: the corners must be exactly that
// colour, and no drawn pixel may come so close to it that it looks like a halo of background.
void ResourcesTest::maskColourIsOnlyTheBackground()
{
    QFETCH(QString, path);
    QFETCH(QRgb, mask);
    const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!image.isNull());
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
        QCOMPARE(image.pixel(corner), mask);

    int drawn = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            QCOMPARE(qAlpha(c), 255);
            if (c == mask)
                continue;
            ++drawn;
            QVERIFY2(ChannelDistance(c, mask) >= 24,
                     qPrintable(
                         QStringLiteral("pixel (%1, %2) is nearly the mask colour").arg(x).arg(y)));
        }
    }
    QVERIFY2(drawn > image.width() * image.height() / 5, "the picture is nearly empty");
}

void ResourcesTest::windowIconIsABlueGrid()
{
    const QImage icon = Load(kWindowIcon);
    QSet<QRgb> colours;
    int transparent = 0;
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            const QRgb c = icon.pixel(x, y);
            colours.insert(c);
            if (qAlpha(c) == 0) {
                ++transparent;
                continue;
            }
            QCOMPARE(qAlpha(c), 255);
            QVERIFY2(qBlue(c) > qRed(c) && qBlue(c) > qGreen(c), "a drawn pixel is not blue");
        }
    }
    QVERIFY(colours.size() <= 16);
    // A grid leaves open cells: a mostly filled square would be a block, not a mesh.
    QVERIFY(transparent > icon.width() * icon.height() / 3);
}

void ResourcesTest::handCursorHasItsHotSpotOnTheFingertip()
{
    const QImage image = Load(kHandCursor);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            const bool allowed = qAlpha(c) == 0 || c == qRgb(0, 0, 0) || c == qRgb(255, 255, 255);
            QVERIFY2(allowed, "a cursor pixel is neither black, white nor transparent");
        }
    }
    QCOMPARE(XpmHotSpot(ReadAll(kHandCursor)), std::optional<QPoint>(QPoint(6, 0)));

    const QCursor cursor = LoadCursor(QString::fromLatin1(kHandCursor));
    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    QCOMPARE(cursor.hotSpot(), QPoint(6, 0));
    QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
    // The hot spot must be on the hand itself, or clicks land beside the fingertip.
    QCOMPARE(image.pixel(6, 0), qRgb(0, 0, 0));
}

void ResourcesTest::hotSpotFromHeader_data()
{
    QTest::addColumn<QByteArray>("xpm");
    QTest::addColumn<std::optional<QPoint>>("hotSpot");
    const std::optional<QPoint> none;
    QTest::newRow("with hot spot") << QByteArray("static char *c[] = {\n\"32 32 3 1 6 0\",")
                                   << std::optional<QPoint>(QPoint(6, 0));
    QTest::newRow("extension after hot spot")
        << QByteArray("static char *c[]={\"16 8 2 1 15 7 XPMEXT\",")
        << std::optional<QPoint>(QPoint(15, 7));
    QTest::newRow("extra blanks") << QByteArray("{ \"  4  4 2 1\t 1   2 \" }")
                                  << std::optional<QPoint>(QPoint(1, 2));
    QTest::newRow("no hot spot") << QByteArray("static char *c[] = {\"32 32 3 1\",") << none;
    QTest::newRow("hot spot outside the picture")
        << QByteArray("static char *c[] = {\"32 32 3 1 32 0\",") << none;
    QTest::newRow("negative hot spot")
        << QByteArray("static char *c[] = {\"32 32 3 1 -1 0\",") << none;
    QTest::newRow("not numbers") << QByteArray("static char *c[] = {\"32 32 3 1 a b\",") << none;
    QTest::newRow("unterminated string")
        << QByteArray("static char *c[] = {\"32 32 3 1 6 0") << none;
    QTest::newRow("no array") << QByteArray("\"32 32 3 1 6 0\"") << none;
    QTest::newRow("empty") << QByteArray() << none;
}

void ResourcesTest::hotSpotFromHeader()
{
    QFETCH(QByteArray, xpm);
    QFETCH(std::optional<QPoint>, hotSpot);
    QCOMPARE(XpmHotSpot(xpm), hotSpot);
}

void ResourcesTest::missingCursorFallsBackToArrow()
{
    QCOMPARE(LoadCursor(QStringLiteral(":/quorvel/no-such-cursor.xpm")).shape(), Qt::ArrowCursor);
    QCOMPARE(LoadCursor(QString::fromLatin1(kSampleCatalogue)).shape(), Qt::ArrowCursor);
}

void ResourcesTest::bannerPiecesJoinAndShade()
{
    const QImage left = Load(kBannerLeft);
    const QImage middle = Load(kBannerMiddle);
    const QImage right = Load(kBannerRight);
    for (int y = 0; y < middle.height(); ++y) {
        const QRgb shade = middle.pixel(0, y);
        QVERIFY2(qBlue(shade) >= qRed(shade) && qBlue(shade) >= qGreen(shade), "not blue");
        for (int x = 1; x < middle.width(); ++x)
            QCOMPARE(middle.pixel(x, y), shade);
        // The inner columns of the end pieces continue the middle piece without a seam.
        QCOMPARE(left.pixel(1, y), shade);
        QCOMPARE(left.pixel(2, y), shade);
        QCOMPARE(right.pixel(0, y), shade);
        QCOMPARE(right.pixel(1, y), shade);
        QVERIFY(Brightness(left.pixel(0, y)) > Brightness(shade) + 30);
        QVERIFY(Brightness(right.pixel(2, y)) > Brightness(shade) + 30);
    }
    const int darkest = DarkestRow(middle, 0);
    const int bottom = middle.height() - 1;
    QVERIFY2(darkest > bottom / 2 && darkest < bottom * 3 / 4, "navy is not just below the middle");
    QVERIFY(Brightness(middle.pixel(0, 0)) > Brightness(middle.pixel(0, darkest)) + 300);
    QVERIFY(Brightness(middle.pixel(0, bottom)) > Brightness(middle.pixel(0, darkest)) + 100);
    for (int y = 1; y <= darkest; ++y)
        QVERIFY(Brightness(middle.pixel(0, y)) <= Brightness(middle.pixel(0, y - 1)));
    for (int y = darkest + 1; y <= bottom; ++y)
        QVERIFY(Brightness(middle.pixel(0, y)) >= Brightness(middle.pixel(0, y - 1)));
}

void ResourcesTest::sampleCatalogueIsCompiledIn()
{
    QFile source(QStringLiteral(QUORVEL_SAMPLE_CATALOGUE_SOURCE));
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QByteArray expected = source.readAll();
    QVERIFY(!expected.isEmpty());
    // Byte for byte: the catalogue's line ends and field layout must survive the resource compiler.
    QCOMPARE(ReadAll(kSampleCatalogue), expected);
}

QTEST_MAIN(ResourcesTest)
#include "resources_test.moc"
