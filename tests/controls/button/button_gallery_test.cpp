// Renders every button type in every state into images a person can look at: one sheet of all
// faces with caption and picture, and each bare face on its own.
#include "controls/button/button.h"
#include "resource_paths.h"
#include "tests/controls/button/button_probe.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTest>

namespace quorvel {
namespace {

const QStringList kStates{"up", "hover", "down", "disabled"};
constexpr int kLastType = 13; // 13 stands for any value without a style of its own

QString GalleryDir()
{
    return QStringLiteral(QUORVEL_GALLERY_DIR);
}

// Paints one face and returns its image. The editor's save button settings: type as given,
// picture left of the caption, silver mask.
QImage PaintFace(std::int32_t type, const QString& state, std::int32_t width, std::int32_t height,
                 std::int32_t scheme, const QString& caption,
                 const std::shared_ptr<const platform::Picture>& picture)
{
    Button button;
    button.SetSystemColours(std::make_shared<platform::FixedSystemColours>());
    ButtonProbe probe(button);
    probe.ButtonType() = type;
    probe.ColorScheme() = scheme;
    probe.BackColor() = 0x00ECE9D8;
    probe.BackOver() = 0x00F4F0E8;
    probe.MaskColor() = 0x00C0C0C0;
    probe.UseMaskColor() = true;
    probe.Caption() = caption;
    probe.PictureNormal() = picture;
    probe.PicturePosition() = 0;
    probe.SetSize(width, height);
    if (type == Button::kBackgroundStyle) {
        // A striped parent, so the captured background is told apart from a plain face.
        auto back = std::make_unique<platform::Surface>(width, height);
        for (std::int32_t y = 0; y < height; ++y)
            for (std::int32_t x = 0; x < width; ++x)
                back->SetPixel(x, y, (x + y) / 4 % 2 ? 0x00E0C8A0 : 0x00F0E0C8);
        probe.BackDC() = std::move(back);
    }
    probe.ComputeColors();
    probe.MeasurePicture();
    probe.CalcLayout();
    probe.MouseOver() = state == "hover" || state == "down";
    probe.Enabled() = state != "disabled";
    probe.Redraw(state == "down" ? 2 : 0, true);
    return probe.Surface().Image().copy();
}

} // namespace

class ButtonGalleryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void allFacesSheet();
    void bareFaces();
};

void ButtonGalleryTest::allFacesSheet()
{
    const QImage save(QString::fromLatin1(resources::kSavePicture));
    QVERIFY(!save.isNull());
    const auto picture = platform::Picture::FromImage(save);

    constexpr int kW = 76;
    constexpr int kH = 34;
    constexpr int kGap = 8;
    constexpr int kLabel = 28;
    QImage sheet(kLabel + 4 * (kW + kGap), kGap + kLastType * (kH + kGap), QImage::Format_RGB32);
    sheet.fill(qRgb(0x70, 0x80, 0x90));
    QPainter painter(&sheet);
    painter.setPen(Qt::white);
    for (int type = 1; type <= kLastType; ++type) {
        const int top = kGap + (type - 1) * (kH + kGap);
        painter.drawText(QRect(0, top, kLabel, kH), Qt::AlignCenter, QString::number(type));
        for (int s = 0; s < kStates.size(); ++s) {
            const QImage face = PaintFace(type, kStates[s], kW, kH, 1, "&save", picture);
            QCOMPARE(face.size(), QSize(kW, kH));
            painter.drawImage(kLabel + s * (kW + kGap), top, face);
        }
    }
    painter.end();
    QVERIFY(QDir().mkpath(GalleryDir()));
    QVERIFY(sheet.save(GalleryDir() + "/all-faces.png"));
}

void ButtonGalleryTest::bareFaces()
{
    const QString dir = GalleryDir() + "/faces";
    QVERIFY(QDir().mkpath(dir));
    for (int type = 1; type <= kLastType; ++type) {
        QList<QImage> faces;
        for (const QString& state : kStates) {
            faces << PaintFace(type, state, 40, 24, 3, QString(), nullptr);
            const QString path = QStringLiteral("%1/type%2-%3.png").arg(dir).arg(type).arg(state);
            QVERIFY2(faces.last().save(path), qPrintable(path));
            QCOMPARE(QImage(path).size(), QSize(40, 24));
        }
        // Without a caption, the background style and styles 9 and up show the same face in
        // every state, except that 12 shows its bevel on hover; styles 1 to 7 have pressed and
        // disabled looks of their own.
        const bool plainDown = type >= 8;
        QCOMPARE(faces[2] == faces[0], plainDown);
        QCOMPARE(faces[3] == faces[2], plainDown);
        QCOMPARE(faces[1] == faces[0],
                 type != 12 && type != 5 && type != 6 && type != 7 && type != 2);
    }
}

} // namespace quorvel

QTEST_MAIN(quorvel::ButtonGalleryTest)
#include "button_gallery_test.moc"
