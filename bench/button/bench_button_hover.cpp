// A stream of pointer moves over a hovered button, as the widget receives them. Once the hover
// look is on, no move may repaint the face: the run fails if one does, and reports the cost of
// a move.
#include "controls/button/button.h"
#include "platform/property_store.h"
#include "tests/controls/button/behaviour_probe.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

namespace quorvel {
namespace {

constexpr int kMoves = 10000;

// The editor's save button on its own container, hovered by a first move.
void HoverMoves(benchmark::State& state)
{
    QWidget container;
    container.resize(200, 120);
    auto* button = new Button(&container);
    button->setGeometry(20, 20, 76, 53);
    QFile saved(QStringLiteral(":/quorvel/form1-command1.txt"));
    saved.open(QIODevice::ReadOnly);
    button->ReadProperties(platform::PropertyStore::FromText(QString::fromUtf8(saved.readAll())));
    button->SetPointerLookup([button] { return button; });
    container.show();
    ButtonProbe probe(*button);

    const auto move = [button](int i) {
        const QPointF at(10 + i % 50, 10 + i % 30);
        QMouseEvent event(QEvent::MouseMove, at, button->mapToGlobal(at), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(button, &event);
    };

    move(0);
    if (!probe.PaintedSinceMark() || !probe.MouseOver()) {
        state.SkipWithError("the first move did not paint the hover look");
        return;
    }

    std::int64_t paints = 0;
    for (auto _ : state) {
        for (int i = 1; i <= kMoves; ++i) {
            move(i);
            paints += probe.PaintedSinceMark() ? 1 : 0;
        }
    }
    if (paints != 0)
        state.SkipWithError("a move over the hovered button repainted its face");
    state.counters["paints_after_first"] = static_cast<double>(paints);
    state.counters["per_move"] = benchmark::Counter(static_cast<double>(kMoves),
                                                    benchmark::Counter::kIsIterationInvariantRate |
                                                        benchmark::Counter::kInvert);
    state.SetItemsProcessed(state.iterations() * kMoves);
}
BENCHMARK(HoverMoves)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quorvel
