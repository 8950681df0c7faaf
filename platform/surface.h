#pragma once

#include "platform/colour.h"
#include "platform/rect.h"
#include "platform/text_renderer.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace quorvel::platform {

// A persistent off-screen image in 0x00BBGGRR colours with the drawing operations the controls
// need. Everything outside the image is clipped; nothing here reports failure. Coordinates
// are 32-bit and may lie anywhere: spans are computed in 64 bits, so no call can overflow.
class Surface
{
public:
    Surface();
    Surface(std::int32_t width, std::int32_t height,
            std::shared_ptr<const TextRenderer> text = nullptr);
    // Takes the pixels of an image (alpha is dropped).
    explicit Surface(const QImage& image, std::shared_ptr<const TextRenderer> text = nullptr);

    std::int32_t Width() const { return mImage.width(); }
    std::int32_t Height() const { return mImage.height(); }
    const QImage& Image() const { return mImage; }

    // New size, all black. Font, text colour and text renderer stay.
    void Resize(std::int32_t width, std::int32_t height);
    void Clear(Colour colour = 0);

    // Columns left .. right - 1, rows top .. bottom - 1; an empty or inverted rectangle paints
    // nothing.
    void FillRect(const Rect& rect, Colour colour);
    // The four one-pixel strips of the rectangle's outline; a 1 x 1 frame is one pixel.
    void FrameRect(const Rect& rect, Colour colour);

    // One-pixel lines: the start pixel is painted, the end pixel is not, and the current
    // position becomes the end point. Diagonals follow Bresenham; a tie goes to the smaller y
    // on x-major lines and the smaller x on y-major ones, whichever way the line runs.
    void MoveTo(std::int32_t x, std::int32_t y);
    void LineTo(std::int32_t x, std::int32_t y, Colour colour);
    void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                  Colour colour);

    // kInvalidColour outside the image.
    Colour GetPixel(std::int32_t x, std::int32_t y) const;
    void SetPixel(std::int32_t x, std::int32_t y, Colour colour);

    // Copies width x height pixels from (sourceX, sourceY) of source to (x, y); only pixels
    // inside both images move.
    void CopyFrom(const Surface& source, std::int32_t sourceX, std::int32_t sourceY,
                  std::int32_t width, std::int32_t height, std::int32_t x, std::int32_t y);

    // 24-bit pixel blocks in the bottom-up device-independent layout: the first row is the
    // bottom row of the area, each pixel is blue, green, red, and rows are padded to a
    // multiple of 4 bytes. Pixels outside the image read as black and are not written.
    // Throws OverflowError when the block size leaves the 32-bit range.
    static std::int32_t Dib24Stride(std::int32_t width);
    std::vector<std::uint8_t> ReadDib24(std::int32_t x, std::int32_t y, std::int32_t width,
                                        std::int32_t height) const;
    // A block shorter than stride x height writes nothing.
    void WriteDib24(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                    const std::vector<std::uint8_t>& block);

    void SetFont(const QFont& font) { mFont = font; }
    const QFont& Font() const { return mFont; }
    void SetTextColour(Colour colour) { mTextColour = colour; }
    Colour TextColour() const { return mTextColour; }
    void SetTextRenderer(std::shared_ptr<const TextRenderer> text);
    const TextRenderer& Text() const { return *mText; }

    // "Calculate rectangle" with word wrap in the current font; nothing is drawn.
    Rect MeasureText(const QString& text, const Rect& box) const;
    // Word-wrapped to the box's width from its top, each line centred on its own at
    // (left + right - line width) / 2, mnemonics underlined, in the current text colour,
    // with nothing painted behind the glyphs.
    void DrawText(const QString& text, const Rect& box);

private:
    QImage mImage;
    QFont mFont;
    Colour mTextColour = 0;
    std::shared_ptr<const TextRenderer> mText;
    std::int64_t mPenX = 0;
    std::int64_t mPenY = 0;
};

} // namespace quorvel::platform
