// Start-up cost of the editor window with a 1000-record catalogue, beside an empty window of the
// same size and flags (the floor).
//
// The start-up benchmarks time each start in a fresh process forked from this one before it has
// an application object: the child takes its clock, creates the QApplication, builds and shows
// the window, and stops the clock once the window's first frame has been painted. So each start
// pays, as a real one does, for the platform plugin, the fonts, the style and the first backing
// store. They run off-screen, and under X too when DISPLAY is set (for example under xvfb-run).
// The in-process benchmarks run after them and share one application object.

#include "catalogue/library_file.h"
#include "catalogue/library_format.h"
#include "catalogue/mesh_record.h"
#include "catalogue/row_text.h"
#include "editor/code_page.h"
#include "editor/form1.h"
#include "editor/messenger.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace quorvel;
namespace cat = quorvel::catalogue;
using Clock = std::chrono::steady_clock;

// The editor window's flags once it is loaded (it is topmost then); the floor uses the same.
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                         Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint;
constexpr int kWindowWidth = 631; // 9465 x 7380 twips
constexpr int kWindowHeight = 492;

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

// Shows a window and waits until its first frame is complete. The window's own paint event
// comes first, its children paint in the same pass and the frame is flushed before control
// returns to the event loop, where the call queued at that first paint event then runs.
class FirstFrame : public QObject
{
public:
    explicit FirstFrame(QWidget& window) : mWindow(window) { mWindow.installEventFilter(this); }
    ~FirstFrame() override { mWindow.removeEventFilter(this); }
    FirstFrame(const FirstFrame&) = delete;
    FirstFrame& operator=(const FirstFrame&) = delete;

    void ShowAndWait()
    {
        mWindow.show();
        while (!mDone) {
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &mWindow && event->type() == QEvent::Paint && !mPainted) {
            mPainted = true;
            QMetaObject::invokeMethod(
                this, [this] { mDone = true; }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget& mWindow;
    bool mPainted = false;
    bool mDone = false;
};

std::unique_ptr<cat::MeshTable> FullTable()
{
    auto table = std::make_unique<cat::MeshTable>();
    for (int slot = 1; slot <= cat::kMaxRecords; ++slot) {
        cat::MeshRecord& record = (*table)[slot];
        std::string name = "Q" + std::to_string(slot);
        name.resize(record.GridType.size(), ' ');
        std::copy(name.begin(), name.end(), record.GridType.begin());
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
        record.UnitWeight = 2.09f + static_cast<float>(slot) / 97.0f;
    }
    return table;
}

// A folder holding a ZAFIK.LIB of 1000 records, for the whole run.
const std::string& CatalogueFolder()
{
    static const QTemporaryDir folder;
    static const std::string path = [] {
        QFile file(folder.filePath(QStringLiteral("ZAFIK.LIB")));
        const std::string bytes = cat::SerializeMeshLibrary(*FullTable());
        if (!folder.isValid() || !file.open(QIODevice::WriteOnly) ||
            file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
                static_cast<qint64>(bytes.size())) {
            std::fprintf(stderr, "cannot write the benchmark catalogue\n");
            std::abort();
        }
        return folder.path().toStdString();
    }();
    return path;
}

// Reading the catalogue and building its list rows: the editor's own work at start-up.
int LoadAndBuildRows(const std::string& folder)
{
    auto table = std::make_unique<cat::MeshTable>();
    if (!cat::LoadMeshLibrary(folder, *table).ok) {
        return -1;
    }
    QStringList rows;
    for (int slot = 1; cat::SlotInUse(*table, slot); ++slot) {
        rows.append(FromCodePage(cat::RowText((*table)[slot])));
    }
    return static_cast<int>(rows.size());
}

// What each fresh start builds. OneLabel and StandardControls are references for what text and
// stock controls cost on their own: the empty window with one line of text, and a window with
// the editor's kinds and numbers of stock controls and a list of 1001 plain rows, all in the
// default font.
enum class Start
{
    EmptyWindow,
    OneLabel,
    StandardControls,
    Form1,
    LoadAndRows
};

constexpr double kFailed = -1.0;
constexpr double kFlagsDiffer = -2.0;

double Milliseconds(Clock::time_point since)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

// A frame with ten labels, six text boxes, four drop-down lists and two push buttons, two header
// labels and a list of 1001 rows of 76 characters, laid out roughly as the editor's.
void AddStandardControls(QWidget& window)
{
    auto* frame = new QGroupBox(QStringLiteral("1. FRAME"), &window);
    frame->setGeometry(4, 4, 517, 151);
    for (int i = 0; i < 10; ++i) {
        auto* label = new QLabel(QStringLiteral("LABEL %1").arg(i), frame);
        label->setGeometry(10 + (i % 5) * 100, 14 + (i / 5) * 46, 93, 19);
    }
    for (int i = 0; i < 6; ++i) {
        auto* box = new QLineEdit(QString::number(i * 1.25, 'f', 2), frame);
        box->setGeometry(10 + (i % 3) * 100, 34 + (i / 3) * 46, 93, 19);
    }
    for (int i = 0; i < 4; ++i) {
        auto* combo = new QComboBox(frame);
        combo->setGeometry(310 + (i % 2) * 100, 78 + (i / 2) * 46, 91, 21);
        for (int item = 0; item < (i % 2 == 0 ? 2 : 14); ++item) {
            combo->addItem(QString::number(4 + item * 0.5));
        }
    }
    (new QPushButton(QStringLiteral("OK"), frame))->setGeometry(431, 17, 71, 34);
    (new QPushButton(QStringLiteral("save"), &window))->setGeometry(540, 53, 76, 53);
    const QString header(76, QLatin1Char('-'));
    for (int i = 0; i < 2; ++i) {
        (new QLabel(header, &window))->setGeometry(0, 164 + i * 15, 617, 17);
    }
    auto* list = new QListWidget(&window);
    list->setGeometry(2, 198, 627, 289);
    list->setUniformItemSizes(true);
    QStringList rows;
    for (int row = 1; row <= cat::kMaxRecords; ++row) {
        rows.append(QStringLiteral(" Q%1").arg(row).leftJustified(76, QLatin1Char('.')));
    }
    list->addItems(rows);
    list->addItem(QString());
    list->setCurrentRow(0);
}

// Runs in the child: one start from nothing, in milliseconds.
double TimeOneStart(Start start, const char* platform, const std::string& folder)
{
    ::setenv("QT_QPA_PLATFORM", platform, 1);
    const Clock::time_point begin = Clock::now();
    if (start == Start::LoadAndRows) {
        return LoadAndBuildRows(folder) == cat::kMaxRecords ? Milliseconds(begin) : kFailed;
    }
    int argc = 1;
    char program[] = "bench_editor";
    char* argv[] = {program, nullptr};
    QApplication app(argc, argv);
    if (start != Start::Form1) {
        QWidget window(nullptr, kWindowFlags);
        window.setFixedSize(kWindowWidth, kWindowHeight);
        if (start == Start::OneLabel) {
            new QLabel(QStringLiteral("1. WELDED WIRE FABRIC"), &window);
        } else if (start == Start::StandardControls) {
            AddStandardControls(window);
        }
        FirstFrame(window).ShowAndWait();
        return Milliseconds(begin);
    }
    SilentMessenger messenger;
    Form1 form(folder, messenger);
    if (!form.Form_Load()) {
        return kFailed;
    }
    FirstFrame(form).ShowAndWait();
    const double elapsed = Milliseconds(begin);
    const bool sameAsFloor = form.windowFlags() == kWindowFlags && form.width() == kWindowWidth &&
                             form.height() == kWindowHeight;
    return sameAsFloor ? elapsed : kFlagsDiffer;
}

// Forks a child for one start and reads its time back over a pipe.
double TimeInFreshProcess(Start start, const char* platform, const std::string& folder)
{
    int channel[2];
    if (::pipe(channel) != 0) {
        return kFailed;
    }
    std::fflush(nullptr); // the child must not write out the parent's buffered output again
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(channel[0]);
        ::close(channel[1]);
        return kFailed;
    }
    if (child == 0) {
        ::close(channel[0]);
        const double elapsed = TimeOneStart(start, platform, folder);
        const bool sent = ::write(channel[1], &elapsed, sizeof elapsed) == sizeof elapsed;
        // No exit handlers: they would remove the parent's catalogue folder.
        ::_exit(sent ? 0 : 1);
    }
    ::close(channel[1]);
    double elapsed = kFailed;
    const bool received = ::read(channel[0], &elapsed, sizeof elapsed) == sizeof elapsed;
    ::close(channel[0]);
    int status = 0;
    const bool exited =
        ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return received && exited ? elapsed : kFailed;
}

void BM_Start(benchmark::State& state, Start start, const char* platform)
{
    if (QCoreApplication::instance() != nullptr) {
        state.SkipWithError("a fresh start must be forked before any application object exists");
        return;
    }
    const std::string& folder = CatalogueFolder();
    for (auto _ : state) {
        const double elapsed = TimeInFreshProcess(start, platform, folder);
        if (elapsed == kFlagsDiffer) {
            state.SkipWithError("the editor window no longer has the floor's size and flags");
            break;
        }
        if (elapsed < 0) {
            state.SkipWithError("the child process failed");
            break;
        }
        state.SetIterationTime(elapsed / 1000.0);
    }
}

// The in-process benchmarks share one application object, created at their first use.
QApplication& Application()
{
    static int argc = 1;
    static char program[] = "bench_editor";
    static char* argv[] = {program, nullptr};
    static QApplication app(argc, argv);
    return app;
}

void BM_EmptyWindowFirstPaint(benchmark::State& state)
{
    Application();
    for (auto _ : state) {
        QWidget window(nullptr, kWindowFlags);
        window.setFixedSize(kWindowWidth, kWindowHeight);
        FirstFrame(window).ShowAndWait();
    }
}

void BM_Form1FirstPaint(benchmark::State& state)
{
    Application();
    SilentMessenger messenger;
    for (auto _ : state) {
        Form1 form(CatalogueFolder(), messenger);
        if (!form.Form_Load()) {
            state.SkipWithError("the catalogue could not be read");
            break;
        }
        FirstFrame(form).ShowAndWait();
    }
}

// Only creating the window's controls, for comparison.
void BM_Form1Controls(benchmark::State& state)
{
    Application();
    SilentMessenger messenger;
    for (auto _ : state) {
        Form1 form(CatalogueFolder(), messenger);
        benchmark::DoNotOptimize(&form);
    }
}

// Creating the controls and loading the catalogue into them, without showing the window.
void BM_Form1Load(benchmark::State& state)
{
    Application();
    SilentMessenger messenger;
    for (auto _ : state) {
        Form1 form(CatalogueFolder(), messenger);
        benchmark::DoNotOptimize(form.Form_Load());
    }
}

// The apply step behind OK for one record of a 1000-record catalogue: read the fields, derive
// the areas, rebuild the row. The field alternates so every apply stores a change.
void BM_ApplyOneRecord(benchmark::State& state)
{
    Application();
    SilentMessenger messenger;
    Form1 form(CatalogueFolder(), messenger);
    if (!form.Form_Load()) {
        state.SkipWithError("the catalogue could not be read");
        return;
    }
    auto* list = form.findChild<QListWidget*>(QStringLiteral("List1"));
    auto* length = form.findChild<QLineEdit*>(QStringLiteral("Text1(1)"));
    if (list == nullptr || length == nullptr) {
        state.SkipWithError("the window's controls were not found");
        return;
    }
    list->setCurrentRow(499);
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        length->setText(flip ? QStringLiteral("6.25") : QStringLiteral("5.00"));
        form.Command2_Click();
    }
    benchmark::DoNotOptimize(form.MeshTable()[500].GridLength);
}

void BM_Load(benchmark::State& state)
{
    const std::string& folder = CatalogueFolder();
    for (auto _ : state) {
        auto table = std::make_unique<cat::MeshTable>();
        benchmark::DoNotOptimize(cat::LoadMeshLibrary(folder, *table).recordsRead);
    }
}

void BM_LoadAndRows(benchmark::State& state)
{
    const std::string& folder = CatalogueFolder();
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadAndBuildRows(folder));
    }
}

// Prints the usual table, then how the start-up compares with the floor.
class SummaryReporter : public benchmark::ConsoleReporter
{
public:
    SummaryReporter() : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            const bool repeated = run.repetitions > 1;
            if (run.error_occurred || (repeated && run.aggregate_name != "median")) {
                continue;
            }
            mMilliseconds[run.run_name.function_name] =
                run.GetAdjustedRealTime() *
                benchmark::GetTimeUnitMultiplier(benchmark::kMillisecond) /
                benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Summarise(const std::vector<const char*>& platforms) const
    {
        const double loadAndRows = Find("BM_Start/LoadAndRows");
        const double warmLoadAndRows = Find("BM_LoadAndRows");
        for (const char* platform : platforms) {
            const std::string suffix = std::string("/") + platform;
            const double floor = Find("BM_Start/EmptyWindow" + suffix);
            const double form = Find("BM_Start/Form1" + suffix);
            if (floor <= 0 || form <= 0) {
                continue;
            }
            std::printf("%s, start to first frame (median): empty window %.1f ms, Form1 %.1f ms: "
                        "%.2fx the floor (target 1.25x)\n",
                        platform, floor, form, form / floor);
            for (const char* reference : {"OneLabel", "StandardControls"}) {
                const double time = Find(std::string("BM_Start/") + reference + suffix);
                if (time > 0) {
                    std::printf("%s, reference %s %.1f ms: %.2fx the floor; Form1 is %.2fx it\n",
                                platform, reference, time, time / floor, form / time);
                }
            }
            if (loadAndRows > 0) {
                std::printf("%s, load + rows of a fresh process %.2f ms: %.1f%% of Form1's "
                            "start-up (target under 5%%)\n",
                            platform, loadAndRows, 100.0 * loadAndRows / form);
            }
            if (warmLoadAndRows > 0) {
                std::printf("%s, load + rows in a running process %.2f ms: %.1f%%\n", platform,
                            warmLoadAndRows, 100.0 * warmLoadAndRows / form);
            }
        }
    }

private:
    double Find(const std::string& name) const
    {
        const auto it = mMilliseconds.find(name);
        return it == mMilliseconds.end() ? 0.0 : it->second;
    }

    std::map<std::string, double> mMilliseconds;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }

    // Qt warns on every start without one; the children share this one.
    const QTemporaryDir runtimeFolder;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeFolder.isValid()) {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder.path()));
    }

    std::vector<const char*> platforms{"offscreen"};
    if (!qEnvironmentVariableIsEmpty("DISPLAY")) {
        platforms.push_back("xcb");
    }
    // Every fresh start is registered, and so runs, before the first in-process benchmark
    // creates this process's application object.
    constexpr int kStarts = 15;
    benchmark::RegisterBenchmark("BM_Start/LoadAndRows", BM_Start, Start::LoadAndRows, "offscreen")
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(kStarts)
        ->ReportAggregatesOnly();
    for (const char* platform : platforms) {
        for (const auto& [name, start] :
             {std::pair{"EmptyWindow", Start::EmptyWindow}, std::pair{"OneLabel", Start::OneLabel},
              std::pair{"StandardControls", Start::StandardControls},
              std::pair{"Form1", Start::Form1}}) {
            benchmark::RegisterBenchmark((std::string("BM_Start/") + name + "/" + platform).c_str(),
                                         BM_Start, start, platform)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond)
                ->Iterations(1)
                ->Repetitions(kStarts)
                ->ReportAggregatesOnly();
        }
    }

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    struct InProcess
    {
        const char* name;
        void (*function)(benchmark::State&);
    };
    for (const InProcess& bench :
         {InProcess{"BM_EmptyWindowFirstPaint", BM_EmptyWindowFirstPaint},
          InProcess{"BM_Form1FirstPaint", BM_Form1FirstPaint},
          InProcess{"BM_Form1Controls", BM_Form1Controls}, InProcess{"BM_Form1Load", BM_Form1Load},
          InProcess{"BM_ApplyOneRecord", BM_ApplyOneRecord}, InProcess{"BM_Load", BM_Load},
          InProcess{"BM_LoadAndRows", BM_LoadAndRows}}) {
        benchmark::RegisterBenchmark(bench.name, bench.function)->Unit(benchmark::kMillisecond);
    }

    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.Summarise(platforms);
    benchmark::Shutdown();
    return 0;
}
