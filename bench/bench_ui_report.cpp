// The numbered-report window every saved and printed list is built on, with as many rows as the
// log has QSOs: opening it shown and scrolled to its end, scrolling through it, and its report
// saved and printed (to a PDF file, through the printing every printer gets).

#include <benchmark/benchmark.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QListView>
#include <QPushButton>
#include <QWindow>
#include <memory>
#include <string>
#include <vector>

#include "bench_ui_support.h"
#include "ui/kit/single_window.h"
#include "ui/reports/numbered_report_window.h"

namespace orv {
namespace {

// A list window as the award list builds its own, on rows of the award list's width.
class ListWindow final : public NumberedReportWindow {
public:
    explicit ListWindow(WindowContext& context)
        : NumberedReportWindow(context, "Liste_PC", QStringLiteral("Liste Patrimoines")) {}

    void load(std::vector<std::string> rows) { showRows(std::move(rows)); }

private:
    ReportTexts reportTexts() const override {
        return {"F4ABC_Diplome_PC_100_07_12_26.txt",
                {"   F4ABC Liste", "   N\xB0   Ref"},
                {"   F4ABC Liste", "   N\xB0 Ref"}};
    }
};

std::vector<std::string> reportRows(int count) {
    std::vector<std::string> rows;
    rows.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        const std::string line = bench::qsoLine(i);
        rows.push_back(" " + line.substr(34, 5) + "     " + line.substr(13, 2) + "  " +
                       line.substr(75, 30) + "  " + line.substr(40, 8) + "  " + line.substr(49, 5) +
                       "  " + line.substr(0, 12));
    }
    return rows;
}

void waitUntilShown(QWidget& window) {
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
        QApplication::processEvents();
    }
    QApplication::processEvents();
}

QListView& listOf(QWidget& window) {
    return *window.findChild<QListView*>(QStringLiteral("Liste_PC_Contacte"));
}

WindowContext& context() {
    bench::windowDesk().writeLog(std::string(bench::kStation), {});
    return bench::windowDesk().soloContext();
}

void BM_ReportWindowOpensScrolledToItsEnd(benchmark::State& state) {
    const std::vector<std::string> rows = reportRows(int(state.range(0)));
    for (auto _ : state) {
        auto* window = new ListWindow(context());
        window->load(rows);
        presentWindow(*window);
        listOf(*window).scrollToBottom();
        waitUntilShown(*window);
        state.PauseTiming();
        delete window;
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ReportWindowOpensScrolledToItsEnd)
    ->Arg(9'999)
    ->Arg(99'999)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// One page down through the list, repainted.
void BM_ReportWindowPageDown(benchmark::State& state) {
    ListWindow window(context());
    window.load(reportRows(99'999));
    window.show();
    waitUntilShown(window);
    QListView& list = listOf(window);
    list.setCurrentIndex(list.model()->index(50'000, 0));
    for (auto _ : state) {
        QKeyEvent pageDown(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
        QApplication::sendEvent(&list, &pageDown);
        list.viewport()->repaint();
    }
}
BENCHMARK(BM_ReportWindowPageDown)->Unit(benchmark::kMicrosecond)->UseRealTime();

// "Enregistrer" (the report file written crash-safe) or "Imprimer" (the printout to a PDF file).
void BM_ReportButton(benchmark::State& state, const char* button) {
    ListWindow window(context());
    window.load(reportRows(int(state.range(0))));
    QPushButton* clicked = window.findChild<QPushButton*>(QString::fromLatin1(button));
    for (auto _ : state) {
        clicked->click();
    }
}
BENCHMARK_CAPTURE(BM_ReportButton, saved, "Enregistrer")
    ->Arg(9'999)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_ReportButton, printed_to_pdf, "Imprimer")
    ->Arg(9'999)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace orv

int main(int argc, char** argv) {
    return orv::bench::runWindowBenchmarks(argc, argv);
}
