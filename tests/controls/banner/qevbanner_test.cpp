#include "qevbanner.h"
#include "resource_paths.h"

#include <QLabel>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

using quorvel::QEVbanner;

namespace {

struct RightMouseUpCall
{
    short Button;
    short Shift;
    float X;
    float Y;
};

int Brightness(QRgb c)
{
    return qRed(c) + qGreen(c) + qBlue(c);
}

bool Near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

QImage Picture(const char* path)
{
    return QImage(QString::fromLatin1(path)).convertToFormat(QImage::Format_RGB32);
}

int DarkestRow(const QImage& image, int column)
{
    int darkest = 0;
    for (int y = 1; y < image.height(); ++y) {
        if (Brightness(image.pixel(column, y)) < Brightness(image.pixel(column, darkest)))
            darkest = y;
    }
    return darkest;
}

// A banner shown as its own window, so that mouse input goes through Qt's real hit testing.
std::unique_ptr<QEVbanner> ShowBanner(QSize size)
{
    auto banner = std::make_unique<QEVbanner>();
    banner->resize(size);
    banner->show();
    if (!QTest::qWaitForWindowExposed(banner.get()))
        return nullptr;
    return banner;
}

} // namespace

class QEVbannerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void picturesAreNamedChildren();
    void resizeRearranges_data();
    void resizeRearranges();
    void rendersAContinuousBar_data();
    void rendersAContinuousBar();
    void hostChildrenStayAboveThePictures();
    void releasesRaiseRightMouseUp_data();
    void releasesRaiseRightMouseUp();
    void releaseOverAHostLabelReachesTheBanner();
    void handlersSeeAndChangeTheArguments();
};

void QEVbannerTest::picturesAreNamedChildren()
{
    QEVbanner banner;
    const struct
    {
        const char* name;
        QSize pictureSize;
    } images[] = {{"Image1", {3, 35}}, {"Image2", {20, 35}}, {"Image3", {3, 35}}};
    for (const auto& expected : images) {
        auto* image = banner.findChild<QLabel*>(QString::fromLatin1(expected.name));
        QVERIFY2(image, expected.name);
        QCOMPARE(image->pixmap().size(), expected.pictureSize);
    }
}

void QEVbannerTest::resizeRearranges_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("image2");
    QTest::addColumn<QRect>("image3");
    QTest::newRow("editor strip") << QSize(625, 38) << QRect(2, 0, 621, 38) << QRect(622, 0, 3, 38);
    QTest::newRow("taller") << QSize(80, 70) << QRect(2, 0, 76, 70) << QRect(77, 0, 3, 70);
    QTest::newRow("width 3") << QSize(3, 20) << QRect(2, 0, 0, 20) << QRect(0, 0, 3, 20);
}

// The layout arithmetic has its own table; this checks that the widget applies it on every resize.
void QEVbannerTest::resizeRearranges()
{
    QFETCH(QSize, size);
    QFETCH(QRect, image2);
    QFETCH(QRect, image3);
    const auto banner = ShowBanner(QSize(200, 35));
    QVERIFY(banner);
    banner->resize(size);
    QCOMPARE(banner->size(), size);
    QCOMPARE(banner->findChild<QLabel*>(QStringLiteral("Image1"))->geometry(),
             QRect(0, 0, 2, size.height()));
    QCOMPARE(banner->findChild<QLabel*>(QStringLiteral("Image2"))->geometry(), image2);
    QCOMPARE(banner->findChild<QLabel*>(QStringLiteral("Image3"))->geometry(), image3);
}

void QEVbannerTest::rendersAContinuousBar_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("design height") << QSize(100, 35);
    QTest::newRow("editor strip") << QSize(625, 38);
    QTest::newRow("double height") << QSize(60, 70);
    QTest::newRow("squat") << QSize(60, 20);
    QTest::newRow("width 4") << QSize(4, 35);
}

void QEVbannerTest::rendersAContinuousBar()
{
    QFETCH(QSize, size);
    const auto banner = ShowBanner(size);
    QVERIFY(banner);
    const QImage shot = banner->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shot.size(), size);
    const QImage middle = Picture(quorvel::resources::kBannerMiddle);
    const QImage right = Picture(quorvel::resources::kBannerRight);
    const int w = size.width();
    const int h = size.height();
    const int centre = w / 2;

    for (int y = 0; y < h; ++y) {
        const QRgb shade = shot.pixel(centre, y);
        // One colour per row from column 1 to the second last: no seam where the pieces meet.
        for (int x = 1; x < w - 1; ++x) {
            QVERIFY2(Near(shot.pixel(x, y), shade, 2),
                     qPrintable(QStringLiteral("seam at (%1, %2)").arg(x).arg(y)));
        }
        QVERIFY2(Brightness(shot.pixel(0, y)) > Brightness(shade) + 20, "left edge not lighter");
        // The last column shows the right piece's light edge, not the widget background.
        QVERIFY2(Brightness(shot.pixel(w - 1, y)) > Brightness(shade) + 20,
                 "right edge not lighter");
        if (h == right.height())
            QCOMPARE(shot.pixel(w - 1, y), right.pixel(2, y));
    }

    // Stretched, not tiled or cut: the shading keeps its shape at any height.
    if (h == middle.height()) {
        for (int y = 0; y < h; ++y)
            QCOMPARE(shot.pixel(centre, y), middle.pixel(0, y));
    }
    const int expectedDarkest = (2 * DarkestRow(middle, 0) + 1) * h / (2 * middle.height());
    QVERIFY2(std::abs(DarkestRow(shot, centre) - expectedDarkest) <= 1,
             qPrintable(QStringLiteral("darkest row %1, expected about %2")
                            .arg(DarkestRow(shot, centre))
                            .arg(expectedDarkest)));
    QVERIFY(Near(shot.pixel(centre, 0), middle.pixel(0, 0), 24));
    QVERIFY(Near(shot.pixel(centre, h - 1), middle.pixel(0, middle.height() - 1), 24));
}

void QEVbannerTest::hostChildrenStayAboveThePictures()
{
    const auto banner = ShowBanner(QSize(120, 38));
    QVERIFY(banner);
    auto* header = new QLabel(QStringLiteral(" "), banner.get());
    header->setAutoFillBackground(true);
    QPalette palette = header->palette();
    palette.setColor(QPalette::Window, Qt::red);
    header->setPalette(palette);
    // Like the editor's header lines: starting left of the banner and crossing all three pieces.
    header->setGeometry(-4, 5, 130, 17);
    header->show();
    banner->resize(121, 38);

    const QImage shot = banner->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (const int x : {0, 1, 60, 118, 119, 120})
        QCOMPARE(shot.pixel(x, 10), qRgb(255, 0, 0));
    QVERIFY(shot.pixel(60, 30) != qRgb(255, 0, 0));
}

void QEVbannerTest::releasesRaiseRightMouseUp_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<bool>("raised");
    QTest::addColumn<short>("shift");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    QTest::newRow("right over left piece")
        << Qt::RightButton << none << QPoint(1, 3) << true << short(0);
    QTest::newRow("right over middle piece")
        << Qt::RightButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << QPoint(50, 20) << true
        << short(1);
    QTest::newRow("right over shared column")
        << Qt::RightButton << Qt::KeyboardModifiers(Qt::ControlModifier) << QPoint(97, 10) << true
        << short(2);
    QTest::newRow("right over last column")
        << Qt::RightButton << Qt::KeyboardModifiers(Qt::AltModifier) << QPoint(99, 34) << true
        << short(4);
    QTest::newRow("right with all three")
        << Qt::RightButton
        << Qt::KeyboardModifiers(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)
        << QPoint(30, 0) << true << short(7);
    QTest::newRow("left") << Qt::LeftButton << none << QPoint(50, 20) << false << short(0);
    QTest::newRow("middle") << Qt::MiddleButton << none << QPoint(50, 20) << false << short(0);
}

void QEVbannerTest::releasesRaiseRightMouseUp()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QPoint, position);
    QFETCH(bool, raised);
    QFETCH(short, shift);

    const auto banner = ShowBanner(QSize(100, 35));
    QVERIFY(banner);
    std::vector<RightMouseUpCall> calls;
    QObject::connect(banner.get(), &QEVbanner::RightMouseUp,
                     [&calls](short& Button, short& Shift, float& X, float& Y) {
                         calls.push_back({Button, Shift, X, Y});
                     });
    // Sent to the window, so the event finds its receiver the way a real click does.
    QTest::mouseClick(banner->windowHandle(), button, modifiers, position);

    QCOMPARE(calls.size(), raised ? 1u : 0u);
    if (!raised)
        return;
    QCOMPARE(calls[0].Button, short(2));
    QCOMPARE(calls[0].Shift, shift);
    QCOMPARE(calls[0].X, float(position.x()));
    QCOMPARE(calls[0].Y, float(position.y()));
}

void QEVbannerTest::releaseOverAHostLabelReachesTheBanner()
{
    const auto banner = ShowBanner(QSize(120, 38));
    QVERIFY(banner);
    auto* header = new QLabel(QStringLiteral("TYPE   LENGTH"), banner.get());
    header->setGeometry(-4, 5, 130, 17);
    header->show();
    std::vector<RightMouseUpCall> calls;
    QObject::connect(banner.get(), &QEVbanner::RightMouseUp,
                     [&calls](short& Button, short& Shift, float& X, float& Y) {
                         calls.push_back({Button, Shift, X, Y});
                     });

    QTest::mouseClick(banner->windowHandle(), Qt::RightButton, Qt::NoModifier, QPoint(40, 12));

    QCOMPARE(calls.size(), 1u);
    // In the banner's coordinates, not the label's.
    QCOMPARE(calls[0].X, 40.0f);
    QCOMPARE(calls[0].Y, 12.0f);
}

// The arguments are by reference: a handler's changes reach the next handler and the raiser.
void QEVbannerTest::handlersSeeAndChangeTheArguments()
{
    const auto banner = ShowBanner(QSize(100, 35));
    QVERIFY(banner);
    QObject::connect(banner.get(), &QEVbanner::RightMouseUp,
                     [](short& Button, short& Shift, float& X, float& Y) {
                         Button = 9;
                         Shift += 16;
                         X = -1.5f;
                         Y *= 2;
                     });
    std::vector<RightMouseUpCall> seen;
    QObject::connect(banner.get(), &QEVbanner::RightMouseUp,
                     [&seen](short& Button, short& Shift, float& X, float& Y) {
                         seen.push_back({Button, Shift, X, Y});
                     });

    QTest::mouseClick(banner->windowHandle(), Qt::RightButton, Qt::ShiftModifier, QPoint(10, 7));
    QCOMPARE(seen.size(), 1u);
    QCOMPARE(seen[0].Button, short(9));
    QCOMPARE(seen[0].Shift, short(17));
    QCOMPARE(seen[0].X, -1.5f);
    QCOMPARE(seen[0].Y, 14.0f);

    short Button = 2;
    short Shift = 0;
    float X = 3;
    float Y = 4;
    Q_EMIT banner->RightMouseUp(Button, Shift, X, Y);
    QCOMPARE(Button, short(9));
    QCOMPARE(Shift, short(16));
    QCOMPARE(X, -1.5f);
    QCOMPARE(Y, 8.0f);
}

QTEST_MAIN(QEVbannerTest)
#include "qevbanner_test.moc"
