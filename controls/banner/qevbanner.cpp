#include "qevbanner.h"

#include "bannerlayout.h"
#include "platform/input_codes.h"
#include "resource_paths.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

namespace quorvel {

namespace {

QLabel* MakeImage(QWidget* banner, const char* name, const char* picture)
{
    auto* image = new QLabel(banner);
    image->setObjectName(QString::fromLatin1(name));
    image->setPixmap(QPixmap(QString::fromLatin1(picture)));
    image->setScaledContents(true);
    // The banner's own release handling is the only mouse handling, so clicks on the pictures
    // must reach it.
    image->setAttribute(Qt::WA_TransparentForMouseEvents);
    return image;
}

} // namespace

QEVbanner::QEVbanner(QWidget* parent) : QWidget(parent)
{
    // Created before anything the host adds, so the host's labels stack above the pictures; the
    // right piece comes last and so covers the middle piece where they share a column.
    mImage1 = MakeImage(this, "Image1", resources::kBannerLeft);
    mImage2 = MakeImage(this, "Image2", resources::kBannerMiddle);
    mImage3 = MakeImage(this, "Image3", resources::kBannerRight);
    ArrangeImages();
}

void QEVbanner::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ArrangeImages();
}

void QEVbanner::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    short Button = 2;
    short Shift = platform::ShiftCode(event->modifiers());
    float X = static_cast<float>(event->position().x());
    float Y = static_cast<float>(event->position().y());
    Q_EMIT RightMouseUp(Button, Shift, X, Y);
    event->accept();
}

void QEVbanner::ArrangeImages()
{
    const BannerLayout layout = LayOutBanner(width(), height());
    mImage1->setGeometry(layout.Image1);
    mImage2->setGeometry(layout.Image2);
    mImage3->setGeometry(layout.Image3);
}

} // namespace quorvel
