// The pointer test for hover tracking and the capture of the parent's background.
#include "controls/button/button.h"

#include <QApplication>
#include <QImage>

namespace quorvel {

void Button::SetPointerLookup(std::function<QWidget*()> lookup)
{
    mPointerLookup = std::move(lookup);
}

bool Button::IsMouseOver() const
{
    const QWidget* under =
        mPointerLookup ? mPointerLookup() : QApplication::widgetAt(QCursor::pos());
    // Qt's lookup finds disabled widgets too; such a control is never under the pointer.
    return under == this && isEnabled() && isVisible();
}

void Button::CaptureBackground()
{
    // Qt can render the container and each of its other children into an image, so the
    // control never has to leave the screen for its background to be read: nothing here
    // resizes or repaints it.
    mCapturing = true;
    QWidget* const container = parentWidget();
    if (container && mBackDC && mWidth > 0 && mHeight > 0) {
        const QRect area(pos(), QSize(mWidth, mHeight));
        QImage image(area.size(), QImage::Format_RGB32);
        if (!image.isNull()) {
            image.fill(Qt::black);
            container->render(&image, QPoint(), QRegion(area), QWidget::DrawWindowBackground);
            // Children in stacking order, bottom first; the control itself is left out.
            for (QObject* child : container->children()) {
                auto* sibling = qobject_cast<QWidget*>(child);
                if (!sibling || sibling == this || sibling->isWindow() || sibling->isHidden())
                    continue;
                const QRect overlap = sibling->geometry() & area;
                if (overlap.isEmpty())
                    continue;
                sibling->render(&image, overlap.topLeft() - area.topLeft(),
                                QRegion(overlap.translated(-sibling->pos())),
                                QWidget::DrawWindowBackground | QWidget::DrawChildren);
            }
            // The surface keeps the size it was made with; a larger control is clipped to it.
            mBackDC->CopyFrom(platform::Surface(image), 0, 0, mWidth, mHeight, 0, 0);
        }
    }
    mCapturing = false;
}

} // namespace quorvel
