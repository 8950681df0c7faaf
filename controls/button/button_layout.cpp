// Window shape, picture size, caption and picture layout, and the access key.
#include "controls/button/access_key.h"
#include "controls/button/button.h"
#include "controls/button/caption_layout.h"
#include "controls/button/shape_region.h"
#include "platform/checked.h"

#include <QKeySequence>
#include <QShortcut>

namespace quorvel {

void Button::BuildRegion()
{
    mRegion = ButtonShape(mWidth, mHeight, mButtonType);
}

void Button::MeasurePicture()
{
    if (!mPictureNormal) {
        mPictureWidth = 0;
        mPictureHeight = 0;
        return;
    }
    try {
        const std::int32_t width =
            platform::HiMetricToPixels(mPictureNormal->HiMetricWidth(), logicalDpiX());
        const std::int32_t height =
            platform::HiMetricToPixels(mPictureNormal->HiMetricHeight(), logicalDpiY());
        mPictureWidth = width;
        mPictureHeight = height;
    } catch (const platform::OverflowError&) {
        // A size beyond pixel range keeps the last one instead of a wrapped value.
    }
}

void Button::CalcLayout()
{
    try {
        const CaptionLayout layout = LayoutCaption(
            mWidth, mHeight, mPictureWidth, mPictureHeight, mPicturePosition, mCaptionShiftRect,
            [this](const platform::Rect& box) { return mSurface.MeasureText(mCaption, box); });
        mCaptionRect = layout.captionRect;
        mCaptionShiftRect = layout.captionShiftRect;
        mCaptionTextRect = layout.captionTextRect;
        mCaptionHeight = layout.captionHeight;
        PlacePicture();
    } catch (const platform::OverflowError&) {
        // Sizes near the 32-bit limit: keep the last layout.
    }
}

void Button::PlacePicture()
{
    const PicturePlace place = quorvel::PlacePicture(
        mPictureNormal || mPictureOver, mCaption, mPicturePosition, mCaptionRect, mPictureWidth,
        mPictureHeight, mWidth, mHeight, {mPictureX, mPictureY});
    mPictureX = place.x;
    mPictureY = place.y;
}

void Button::UpdateAccessKey()
{
    mAccessKey.reset();
    const std::optional<QChar> key = AccessKeyOf(mCaption);
    if (!key)
        return;
    // Qt names letter keys by their upper-case code; the key itself is kept lower-case.
    const auto code = static_cast<Qt::Key>(key->toUpper().unicode());
    mAccessKey =
        std::make_unique<QShortcut>(QKeySequence(QKeyCombination(Qt::AltModifier, code)), this);
    connect(mAccessKey.get(), &QShortcut::activated, this, &Button::OnAccessKeyPress);
}

} // namespace quorvel
