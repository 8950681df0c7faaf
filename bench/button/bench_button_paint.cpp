// Painting cost of the editor's two buttons: Redraw of every type at the save button's size
// (76 x 53, caption and a 20 x 20 picture above it) and the OK button's (71 x 34, a 39 x 20
// picture), RenderPicture of both pictures, and the heaviest repaint next to a plain fill of
// the same image.
#include "controls/button/button.h"
#include "resource_paths.h"
#include "tests/controls/button/button_probe.h"

#include <QImage>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

namespace quorvel {
namespace {

struct EditorButton
{
    std::int32_t width;
    std::int32_t height;
    const char* caption;
    const char* picture;
    int pictureWidth; // used when the resource is missing
    int pictureHeight;
};

const EditorButton kSave{76, 53, "save", resources::kSavePicture, 20, 20};
const EditorButton kOk{71, 34, "", resources::kOkPicture, 39, 20};

std::shared_ptr<const platform::Picture> LoadPicture(const EditorButton& config)
{
    QImage image(QString::fromLatin1(config.picture));
    if (image.isNull()) {
        // A stand-in of the same size with a silver border to mask out.
        image = QImage(config.pictureWidth, config.pictureHeight, QImage::Format_RGB32);
        image.fill(qRgb(0xC0, 0xC0, 0xC0));
        for (int y = 2; y < image.height() - 2; ++y)
            for (int x = 2; x < image.width() - 2; ++x)
                image.setPixel(x, y, qRgb(x * 8 % 256, y * 12 % 256, 0x60));
    }
    return platform::Picture::FromImage(image);
}

// A button set up as the editor's, painted once so its layout is in place.
struct Fixture
{
    Button button;
    ButtonProbe probe{button};

    Fixture(const EditorButton& config, std::int32_t type)
    {
        button.SetSystemColours(std::make_shared<platform::FixedSystemColours>());
        probe.SetSize(config.width, config.height);
        probe.ButtonType() = type;
        probe.ColorScheme() = 1;
        probe.BackColor() = probe.BackOver() = 0x00D8E9EC;
        probe.MaskColor() = 0x00C0C0C0;
        probe.UseMaskColor() = true;
        probe.Enabled() = true;
        probe.PicturePosition() = 2;
        probe.Caption() = config.caption;
        probe.PictureNormal() = LoadPicture(config);
        if (type == Button::kBackgroundStyle)
            probe.BackDC() = std::make_unique<platform::Surface>(config.width, config.height);
        probe.ComputeColors();
        probe.MeasurePicture();
        probe.CalcLayout();
    }
};

void Redraw(benchmark::State& state, const EditorButton& config)
{
    Fixture f(config, static_cast<std::int32_t>(state.range(0)));
    for (auto _ : state) {
        f.probe.Redraw(0, true);
        benchmark::DoNotOptimize(f.probe.Surface().Image().constBits());
    }
}
BENCHMARK_CAPTURE(Redraw, save_76x53, kSave)->DenseRange(1, 13);
BENCHMARK_CAPTURE(Redraw, ok_71x34, kOk)->DenseRange(1, 13);

void RenderPicture(benchmark::State& state, const EditorButton& config)
{
    Fixture f(config, 9);
    const auto picture = LoadPicture(config);
    platform::Surface& surface = f.probe.Surface();
    for (auto _ : state) {
        f.probe.RenderPicture(surface, 2, 2, f.probe.PictureWidth(), f.probe.PictureHeight(),
                              *picture, 0x00C0C0C0, -1, false, false);
        benchmark::DoNotOptimize(surface.Image().constBits());
    }
}
BENCHMARK_CAPTURE(RenderPicture, save_20x20, kSave);
BENCHMARK_CAPTURE(RenderPicture, ok_39x20, kOk);

void PlainFill(benchmark::State& state)
{
    Fixture f(kSave, 2);
    platform::Surface& surface = f.probe.Surface();
    for (auto _ : state) {
        surface.FillRect({0, 0, kSave.width, kSave.height}, 0x00D8E9EC);
        benchmark::DoNotOptimize(surface.Image().constBits());
    }
}
BENCHMARK(PlainFill);

// The largest face, type 2 with its caption and picture, against a plain fill of the same
// image, timed alternately in one loop so both see the same machine state. The counter
// "repaint_per_fill" is the ratio of the two.
void RepaintAgainstFill(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    Fixture f(kSave, 2);
    platform::Surface& surface = f.probe.Surface();
    constexpr int kBatch = 64;
    Clock::duration repaint{};
    Clock::duration fill{};
    for (auto _ : state) {
        const auto t0 = Clock::now();
        for (int i = 0; i < kBatch; ++i)
            f.probe.Redraw(0, true);
        const auto t1 = Clock::now();
        for (int i = 0; i < kBatch; ++i) {
            surface.FillRect({0, 0, kSave.width, kSave.height}, 0x00D8E9EC);
            benchmark::ClobberMemory();
        }
        const auto t2 = Clock::now();
        repaint += t1 - t0;
        fill += t2 - t1;
        benchmark::DoNotOptimize(surface.Image().constBits());
    }
    const double perRepaint = std::chrono::duration<double, std::micro>(repaint).count() /
                              (static_cast<double>(state.iterations()) * kBatch);
    const double perFill = std::chrono::duration<double, std::micro>(fill).count() /
                           (static_cast<double>(state.iterations()) * kBatch);
    state.counters["repaint_us"] = perRepaint;
    state.counters["fill_us"] = perFill;
    state.counters["repaint_per_fill"] = perFill > 0 ? perRepaint / perFill : 0;
}
BENCHMARK(RepaintAgainstFill);

} // namespace
} // namespace quorvel
