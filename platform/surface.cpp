// The off-screen image and its fills, frames, lines, pixels, block copies and text.
#include "platform/surface.h"

#include "platform/checked.h"
#include "platform/text_layout.h"

#include <algorithm>
#include <limits>

namespace quorvel::platform {
namespace {

using Wide = __int128;

// Rounds a / b (b > 0) to the nearest integer, a tie going to the smaller value.
std::int64_t RoundHalfDown(Wide a, Wide b)
{
    const Wide p = 2 * a - b;
    const Wide q = 2 * b;
    const Wide ceil = p >= 0 ? (p + q - 1) / q : -((-p) / q);
    return static_cast<std::int64_t>(ceil);
}

// The steps i in [0, count) for which start + i * step (step = +1 or -1) lies in [0, limit).
void ClipSteps(std::int64_t start, int step, std::int64_t limit, std::int64_t count,
               std::int64_t& first, std::int64_t& last)
{
    if (step > 0) {
        first = std::max<std::int64_t>(0, -start);
        last = std::min<std::int64_t>(count, limit - start);
    } else {
        first = std::max<std::int64_t>(0, start - limit + 1);
        last = std::min<std::int64_t>(count, start + 1);
    }
}

} // namespace

Surface::Surface() : Surface(0, 0) {}

Surface::Surface(std::int32_t width, std::int32_t height, std::shared_ptr<const TextRenderer> text)
    : mImage(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32),
      mText(text ? std::move(text) : DefaultTextRenderer())
{
    Clear();
}

Surface::Surface(const QImage& image, std::shared_ptr<const TextRenderer> text)
    : mImage(image.convertToFormat(QImage::Format_RGB32)),
      mText(text ? std::move(text) : DefaultTextRenderer())
{
}

void Surface::Resize(std::int32_t width, std::int32_t height)
{
    mImage = QImage(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    Clear();
}

void Surface::Clear(Colour colour)
{
    if (!mImage.isNull())
        mImage.fill(ToQRgb(colour));
}

void Surface::FillRect(const Rect& rect, Colour colour)
{
    const std::int64_t left = std::max<std::int64_t>(rect.left, 0);
    const std::int64_t top = std::max<std::int64_t>(rect.top, 0);
    const std::int64_t right = std::min<std::int64_t>(rect.right, Width());
    const std::int64_t bottom = std::min<std::int64_t>(rect.bottom, Height());
    if (right <= left || bottom <= top)
        return;
    const QRgb pixel = ToQRgb(colour);
    for (std::int64_t y = top; y < bottom; ++y) {
        auto* row = reinterpret_cast<QRgb*>(mImage.scanLine(static_cast<int>(y)));
        std::fill(row + left, row + right, pixel);
    }
}

void Surface::FrameRect(const Rect& r, Colour colour)
{
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    // right - 1 and bottom - 1 cannot underflow: right > left and bottom > top.
    FillRect({r.left, r.top, r.left + 1, r.bottom}, colour);
    FillRect({r.right - 1, r.top, r.right, r.bottom}, colour);
    FillRect({r.left, r.top, r.right, r.top + 1}, colour);
    FillRect({r.left, r.bottom - 1, r.right, r.bottom}, colour);
}

void Surface::MoveTo(std::int32_t x, std::int32_t y)
{
    mPenX = x;
    mPenY = y;
}

void Surface::LineTo(std::int32_t x, std::int32_t y, Colour colour)
{
    const std::int64_t x1 = mPenX;
    const std::int64_t y1 = mPenY;
    mPenX = x;
    mPenY = y;
    const std::int64_t dx = x - x1;
    const std::int64_t dy = y - y1;
    if (dx == 0 && dy == 0)
        return;
    const QRgb pixel = ToQRgb(colour);
    if (dx == 0 || dy == 0) {
        // Straight lines are half-open spans; filling them directly keeps face gradients, which
        // are one such line per row, cheap.
        std::int64_t left = x1;
        std::int64_t right = x1 + 1;
        std::int64_t top = y1;
        std::int64_t bottom = y1 + 1;
        if (dy == 0) {
            left = dx > 0 ? x1 : std::int64_t{x} + 1;
            right = dx > 0 ? std::int64_t{x} : x1 + 1;
        } else {
            top = dy > 0 ? y1 : std::int64_t{y} + 1;
            bottom = dy > 0 ? std::int64_t{y} : y1 + 1;
        }
        left = std::max<std::int64_t>(left, 0);
        top = std::max<std::int64_t>(top, 0);
        right = std::min<std::int64_t>(right, Width());
        bottom = std::min<std::int64_t>(bottom, Height());
        for (std::int64_t row = top; row < bottom; ++row) {
            auto* line = reinterpret_cast<QRgb*>(mImage.scanLine(static_cast<int>(row)));
            for (std::int64_t column = left; column < right; ++column)
                line[column] = pixel;
        }
        return;
    }
    auto plot = [&](std::int64_t px, std::int64_t py) {
        if (px >= 0 && py >= 0 && px < Width() && py < Height())
            mImage.setPixel(static_cast<int>(px), static_cast<int>(py), pixel);
    };
    const std::int64_t adx = dx < 0 ? -dx : dx;
    const std::int64_t ady = dy < 0 ? -dy : dy;
    std::int64_t first = 0;
    std::int64_t last = 0;
    if (adx >= ady) {
        // x-major (45 degrees included): one pixel per column, the end column excluded.
        const int step = dx > 0 ? 1 : -1;
        ClipSteps(x1, step, Width(), adx, first, last);
        for (std::int64_t i = first; i < last; ++i)
            plot(x1 + i * step, y1 + RoundHalfDown(Wide{i} * dy, adx));
    } else {
        const int step = dy > 0 ? 1 : -1;
        ClipSteps(y1, step, Height(), ady, first, last);
        for (std::int64_t i = first; i < last; ++i)
            plot(x1 + RoundHalfDown(Wide{i} * dx, ady), y1 + i * step);
    }
}

void Surface::DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                       Colour colour)
{
    MoveTo(x1, y1);
    LineTo(x2, y2, colour);
}

Colour Surface::GetPixel(std::int32_t x, std::int32_t y) const
{
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return kInvalidColour;
    return FromQRgb(mImage.pixel(x, y));
}

void Surface::SetPixel(std::int32_t x, std::int32_t y, Colour colour)
{
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return;
    mImage.setPixel(x, y, ToQRgb(colour));
}

void Surface::CopyFrom(const Surface& source, std::int32_t sourceX, std::int32_t sourceY,
                       std::int32_t width, std::int32_t height, std::int32_t x, std::int32_t y)
{
    // Clip the destination span against both images, expressed as offsets into the block.
    const std::int64_t colFirst =
        std::max<std::int64_t>({0, -std::int64_t{x}, -std::int64_t{sourceX}});
    const std::int64_t colLast = std::min<std::int64_t>(
        {width, std::int64_t{Width()} - x, std::int64_t{source.Width()} - sourceX});
    const std::int64_t rowFirst =
        std::max<std::int64_t>({0, -std::int64_t{y}, -std::int64_t{sourceY}});
    const std::int64_t rowLast = std::min<std::int64_t>(
        {height, std::int64_t{Height()} - y, std::int64_t{source.Height()} - sourceY});
    if (colLast <= colFirst || rowLast <= rowFirst)
        return;
    // Copy through a snapshot of the source rows so that a copy within one surface is sound.
    const QImage block = source.mImage.copy(
        static_cast<int>(sourceX + colFirst), static_cast<int>(sourceY + rowFirst),
        static_cast<int>(colLast - colFirst), static_cast<int>(rowLast - rowFirst));
    for (int row = 0; row < block.height(); ++row) {
        const auto* from = reinterpret_cast<const QRgb*>(block.constScanLine(row));
        auto* to = reinterpret_cast<QRgb*>(mImage.scanLine(static_cast<int>(y + rowFirst + row)));
        std::copy(from, from + block.width(), to + x + colFirst);
    }
}

std::int32_t Surface::Dib24Stride(std::int32_t width)
{
    const std::int32_t bytes = CheckedMul(width, 3);
    return CheckedAdd(bytes, 3) / 4 * 4;
}

std::vector<std::uint8_t> Surface::ReadDib24(std::int32_t x, std::int32_t y, std::int32_t width,
                                             std::int32_t height) const
{
    if (width <= 0 || height <= 0)
        return {};
    const std::int32_t stride = Dib24Stride(width);
    std::vector<std::uint8_t> block(static_cast<std::size_t>(CheckedMul(stride, height)), 0);
    for (std::int32_t r = 0; r < height; ++r) {
        const std::int64_t sy = std::int64_t{y} + height - 1 - r;
        if (sy < 0 || sy >= Height())
            continue;
        const auto* row = reinterpret_cast<const QRgb*>(mImage.constScanLine(static_cast<int>(sy)));
        std::uint8_t* out = block.data() + static_cast<std::size_t>(r) * stride;
        for (std::int32_t c = 0; c < width; ++c) {
            const std::int64_t sx = std::int64_t{x} + c;
            if (sx < 0 || sx >= Width())
                continue;
            const QRgb p = row[sx];
            out[3 * c] = static_cast<std::uint8_t>(qBlue(p));
            out[3 * c + 1] = static_cast<std::uint8_t>(qGreen(p));
            out[3 * c + 2] = static_cast<std::uint8_t>(qRed(p));
        }
    }
    return block;
}

void Surface::WriteDib24(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                         const std::vector<std::uint8_t>& block)
{
    if (width <= 0 || height <= 0)
        return;
    const std::int32_t stride = Dib24Stride(width);
    if (block.size() < static_cast<std::size_t>(CheckedMul(stride, height)))
        return;
    for (std::int32_t r = 0; r < height; ++r) {
        const std::int64_t sy = std::int64_t{y} + height - 1 - r;
        if (sy < 0 || sy >= Height())
            continue;
        auto* row = reinterpret_cast<QRgb*>(mImage.scanLine(static_cast<int>(sy)));
        const std::uint8_t* in = block.data() + static_cast<std::size_t>(r) * stride;
        for (std::int32_t c = 0; c < width; ++c) {
            const std::int64_t sx = std::int64_t{x} + c;
            if (sx >= 0 && sx < Width())
                row[sx] = qRgb(in[3 * c + 2], in[3 * c + 1], in[3 * c]);
        }
    }
}

void Surface::SetTextRenderer(std::shared_ptr<const TextRenderer> text)
{
    mText = text ? std::move(text) : DefaultTextRenderer();
}

Rect Surface::MeasureText(const QString& text, const Rect& box) const
{
    return platform::MeasureText(*mText, mFont, text, box);
}

void Surface::DrawText(const QString& text, const Rect& box)
{
    if (mImage.isNull())
        return;
    const std::vector<TextLine> lines = WrapText(*mText, mFont, text, box.Width());
    const std::int64_t lineHeight = mText->LineHeight(mFont);
    const std::int64_t underline = mText->UnderlineOffset(mFont);
    // Glyph painting takes int coordinates; lines that far away cannot touch the image.
    constexpr std::int64_t kReach = std::numeric_limits<int>::max() / 2;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const TextLine& line = lines[i];
        const std::int64_t width = mText->Advance(mFont, line.text);
        const std::int64_t x = (std::int64_t{box.left} + box.right - width) / 2;
        const std::int64_t y = box.top + static_cast<std::int64_t>(i) * lineHeight;
        if (x < -kReach || x > kReach || y < -kReach || y > kReach)
            continue;
        mText->DrawRun(mImage, mFont, static_cast<int>(x), static_cast<int>(y), line.text,
                       mTextColour);
        for (qsizetype index : line.underlined) {
            const std::int64_t from = x + mText->Advance(mFont, line.text.left(index));
            const std::int64_t charWidth = mText->Advance(mFont, line.text.mid(index, 1));
            const std::int64_t row = y + underline;
            if (from > kReach || row > kReach || from < -kReach || row < -kReach)
                continue;
            FillRect({static_cast<std::int32_t>(from), static_cast<std::int32_t>(row),
                      static_cast<std::int32_t>(from + charWidth - 1),
                      static_cast<std::int32_t>(row + 1)},
                     mTextColour);
        }
    }
}

} // namespace quorvel::platform
