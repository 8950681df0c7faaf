// Start-up cost of the editor window: from construction to the first painted window with a
// 1000-record catalogue, beside an empty window of the same size (the floor), and the share that
// reading the catalogue and building its rows takes of it. Runs off-screen.

#include "catalogue/library_file.h"
#include "catalogue/library_format.h"
#include "catalogue/mesh_record.h"
#include "catalogue/row_text.h"
#include "editor/code_page.h"
#include "editor/form1.h"
#include "editor/messenger.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace quorvel;
namespace cat = quorvel::catalogue;

class SilentMessenger final : public Messenger
{
public:
    void Warn(QWidget*, const QString&, const QString&) override {}
    void Inform(QWidget*, const QString&, const QString&) override {}
    CloseChoice AskSaveBeforeClose(QWidget*, const QString&, const QString&) override
    {
        return CloseChoice::Discard;
    }
};

// Counts the paint events a window and its children receive.
class PaintWatch : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
    int paints = 0;
};

const QTemporaryDir& CatalogueFolder()
{
    static const QTemporaryDir folder = [] {
        QTemporaryDir dir;
        cat::MeshTable table;
        for (int slot = 1; slot <= cat::kMaxRecords; ++slot) {
            cat::MeshRecord& record = table[slot];
            const std::string name = "Q" + std::to_string(slot) + "         ";
            std::copy_n(name.begin(), 10, record.GridType.begin());
            record.GridLength = 5.0f + static_cast<float>(slot % 3);
            record.GridWidth = 2.15f;
            record.LenCount = static_cast<std::int16_t>(1 + slot % 2);
            record.WidCount = 1;
            record.LenDia = 5.0f + static_cast<float>(slot % 6);
            record.WidDia = 6.0f;
            record.LenSpace = 150.0f;
            record.WidSpace = 250.0f;
            record.LenArea = 1.308958f;
            record.WidArea = 1.130973f;
            record.UnitWeight = 2.09f;
        }
        QFile file(dir.filePath(QStringLiteral("ZAFIK.LIB")));
        if (!file.open(QIODevice::WriteOnly)) {
            std::abort();
        }
        const std::string bytes = cat::SerializeMeshLibrary(table);
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return dir;
    }();
    return folder;
}

void WaitForPaint(QWidget& window, const PaintWatch& watch)
{
    window.show();
    while (watch.paints == 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

void BM_EmptyWindowFirstPaint(benchmark::State& state)
{
    for (auto _ : state) {
        QWidget window;
        window.setFixedSize(631, 492);
        PaintWatch watch;
        window.installEventFilter(&watch);
        WaitForPaint(window, watch);
    }
}
BENCHMARK(BM_EmptyWindowFirstPaint)->Unit(benchmark::kMillisecond);

void BM_Form1FirstPaint(benchmark::State& state)
{
    const std::string folder = CatalogueFolder().path().toStdString();
    SilentMessenger messenger;
    for (auto _ : state) {
        Form1 form(folder, messenger);
        PaintWatch watch;
        form.installEventFilter(&watch);
        if (!form.Form_Load()) {
            state.SkipWithError("the catalogue could not be read");
            break;
        }
        WaitForPaint(form, watch);
        state.PauseTiming();
        form.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Form1FirstPaint)->Unit(benchmark::kMillisecond);

// The part of the start-up that only creates the window's controls, for comparison.
void BM_Form1Controls(benchmark::State& state)
{
    const std::string folder = CatalogueFolder().path().toStdString();
    SilentMessenger messenger;
    for (auto _ : state) {
        Form1 form(folder, messenger);
        benchmark::DoNotOptimize(&form);
    }
}
BENCHMARK(BM_Form1Controls)->Unit(benchmark::kMillisecond);

void BM_Load(benchmark::State& state)
{
    const std::string folder = CatalogueFolder().path().toStdString();
    for (auto _ : state) {
        auto table = std::make_unique<cat::MeshTable>();
        benchmark::DoNotOptimize(cat::LoadMeshLibrary(folder, *table).recordsRead);
    }
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

void BM_LoadAndRows(benchmark::State& state)
{
    const std::string folder = CatalogueFolder().path().toStdString();
    for (auto _ : state) {
        auto table = std::make_unique<cat::MeshTable>();
        const cat::LoadResult loaded = cat::LoadMeshLibrary(folder, *table);
        QStringList rows;
        for (int slot = 1; cat::SlotInUse(*table, slot); ++slot) {
            rows.append(FromCodePage(cat::RowText((*table)[slot])));
        }
        benchmark::DoNotOptimize(loaded.recordsRead);
        benchmark::DoNotOptimize(rows.size());
    }
}
BENCHMARK(BM_LoadAndRows)->Unit(benchmark::kMillisecond);

// Prints the usual table, then how the start-up compares with the floor.
class SummaryReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (!run.error_occurred) {
                mSeconds[run.benchmark_name()] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Summarise() const
    {
        const auto find = [this](const char* name) {
            const auto it = mSeconds.find(name);
            return it == mSeconds.end() ? 0.0 : it->second;
        };
        const double floor = find("BM_EmptyWindowFirstPaint");
        const double form = find("BM_Form1FirstPaint");
        const double load = find("BM_LoadAndRows");
        if (floor > 0 && form > 0) {
            std::printf("Form1 first paint / empty window first paint: %.2fx (target 1.25x)\n",
                        form / floor);
            std::printf("load + rows share of Form1 start-up: %.1f%% (target under 5%%)\n",
                        100.0 * load / form);
        }
    }

private:
    std::map<std::string, double> mSeconds;
};

// The first window of a fresh process also pays for the fonts, the style and the platform's
// first backing store: one such start, timed from the window's construction.
double ColdStartMilliseconds(const std::string& which, const std::string& folder)
{
    SilentMessenger messenger;
    QElapsedTimer timer;
    timer.start();
    PaintWatch watch;
    if (which == "form1") {
        Form1 form(folder, messenger);
        form.installEventFilter(&watch);
        if (!form.Form_Load()) {
            return -1;
        }
        WaitForPaint(form, watch);
    } else {
        QWidget window;
        window.setFixedSize(631, 492);
        window.installEventFilter(&watch);
        WaitForPaint(window, watch);
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// Median of several fresh processes that each time one cold start.
double MedianColdStart(const char* program, const std::string& which, const std::string& folder)
{
    std::vector<double> samples;
    for (int i = 0; i < 9; ++i) {
        QProcess child;
        child.start(QString::fromLocal8Bit(program),
                    {QStringLiteral("--cold-start=%1").arg(QString::fromStdString(which)),
                     QString::fromStdString(folder)});
        if (!child.waitForFinished(30000)) {
            return -1;
        }
        samples.push_back(child.readAllStandardOutput().trimmed().toDouble());
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments[1].startsWith(QStringLiteral("--cold-start="))) {
        const std::string which = arguments[1].section(QLatin1Char('='), 1).toStdString();
        std::printf("%.3f\n", ColdStartMilliseconds(which, arguments[2].toStdString()));
        return 0;
    }

    benchmark::Initialize(&argc, argv);
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.Summarise();
    benchmark::Shutdown();

    const std::string folder = CatalogueFolder().path().toStdString();
    const double coldFloor = MedianColdStart(argv[0], "empty", folder);
    const double coldForm = MedianColdStart(argv[0], "form1", folder);
    std::printf("cold start, median of 9 processes: empty window %.1f ms, Form1 %.1f ms, %.2fx\n",
                coldFloor, coldForm, coldFloor > 0 ? coldForm / coldFloor : 0.0);
    return 0;
}
