// The Qt circuit window after an edit, as the user waits for it: the cell
// taken, the circuit calculated again, and the visible tables painted.
// The aim: well within a frame (16 ms) for 1,000 sections.
#include "bench/randomcircuit.h"
#include "ui/form/circuitform.h"
#include "ui/qt/circuitwnd.h"

#include <QApplication>
#include <QEvent>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

using namespace vendrel;

// Counts the table's paints, to show each edit was painted.
class PaintCounter : public QObject {
public:
    using QObject::QObject;
    int paints = 0;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return QObject::eventFilter(watched, event);
    }
};

void BM_QtCircuitWindowEdit(benchmark::State& state)
{
    const std::string path = (std::filesystem::temp_directory_path() / "vendrel_bench_qt_circuit.csv").string();
    {
        std::FILE* out = std::fopen(path.c_str(), "wb");
        bench::WriteCircuitCsv(bench::RandomCircuit(static_cast<int>(state.range(0)) / 2), out);
        std::fclose(out);
    }
    ui::CCircuitWnd window;
    window.resize(1600, 900);
    window.show();
    const bool opened = window.openFile(QString::fromStdString(path));
    std::filesystem::remove(path);
    if (!opened) {
        state.SkipWithError("the circuit did not open");
        return;
    }
    QCoreApplication::processEvents();
    QAbstractItemModel* model = window.table()->model();
    const QModelIndex length = model->index(7, static_cast<int>(form::CircuitColumn::Length));
    const QString lengths[] = {QStringLiteral("12.5"), QStringLiteral("13")};
    int edit = 0;
    PaintCounter counter;
    window.table()->viewport()->installEventFilter(&counter);
    for (auto _ : state) {
        model->setData(length, lengths[++edit % 2]);
        // The update the edit asked for: the window painted, as the event loop paints it.
        QCoreApplication::processEvents();
    }
    window.document().New(); // nothing to ask about on closing
    state.counters["sections"] = static_cast<double>(state.range(0));
    state.counters["paints"] = benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_QtCircuitWindowEdit)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
