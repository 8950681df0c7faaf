// Colour derivation plus caption layout for the editor's two buttons: the save button
// (76 x 53, rounded, caption and a 20 x 20 picture above it) and the OK button (71 x 34, no
// caption, a 39 x 20 picture).
#include "controls/button/button.h"
#include "tests/controls/button/button_probe.h"

#include <QImage>
#include <benchmark/benchmark.h>
#include <memory>

namespace quorvel {
namespace {

struct EditorButton
{
    std::int32_t width;
    std::int32_t height;
    std::int32_t buttonType;
    const char* caption;
    int pictureWidth;
    int pictureHeight;
};

constexpr EditorButton kSave{76, 53, 2, "save", 20, 20};
constexpr EditorButton kOk{71, 34, 7, "", 39, 20};

void ColoursAndLayout(benchmark::State& state, const EditorButton& config)
{
    Button button;
    ButtonProbe probe(button);
    probe.SetSize(config.width, config.height);
    probe.ButtonType() = config.buttonType;
    probe.ColorScheme() = 1;
    probe.BackColor() = probe.BackOver() = 0x00D8E9EC;
    probe.MaskColor() = 0x00C0C0C0;
    probe.PicturePosition() = 2;
    probe.Caption() = config.caption;
    probe.PictureNormal() = platform::Picture::FromImage(
        QImage(config.pictureWidth, config.pictureHeight, QImage::Format_RGB32));
    probe.MeasurePicture();
    for (auto _ : state) {
        probe.ComputeColors();
        probe.CalcLayout();
        benchmark::DoNotOptimize(probe.CaptionRect());
        benchmark::DoNotOptimize(probe.FaceLightColor());
    }
}

BENCHMARK_CAPTURE(ColoursAndLayout, save_76x53, kSave);
BENCHMARK_CAPTURE(ColoursAndLayout, ok_71x34, kOk);

} // namespace
} // namespace quorvel
