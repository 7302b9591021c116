// How fast and how responsive the window's cut is. In one run, alternating so that both see
// the same machine state, it has Form1 itself (offscreen, browsed and set up through its own
// buttons) cut the first 1 GiB of a cached source image, and `dd bs=4096 conv=notrunc` copy
// the same bytes. While the window cuts, a 10 ms timer records the longest gap between two of
// its ticks: the longest the window went without handling its events. It prints the medians,
// `longest gap ms: N` and, last, the ratio of the window to dd.
#include "button/widget/button_widget.h"
#include "common/temp_files.h"
#include "copy_peer.h"
#include "cutting/cut_job.h"
#include "cutting/presets.h"
#include "mainwindow/dialogs.h"
#include "mainwindow/form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::int64_t kCopyBytes = std::int64_t{1} << 30;
constexpr std::int64_t kBlocks = kCopyBytes / cutting::kBlockBytes;
constexpr int kRuns = 5;
constexpr int kTickMs = 10;
constexpr std::int64_t kPresetSectors = cutting::kPresets[0].sectors; // Option1, selected at start

// Answers the window's dialogs without showing any: the two paths, and the boxes recorded.
class BenchDialogs final : public form1::Form1Dialogs {
  public:
    BenchDialogs(std::string source, std::string output, std::string& lastBox)
        : source_(std::move(source)), output_(std::move(output)), lastBox_(lastBox) {}
    QString ShowOpen(QWidget*, const form1::FileDialogSetup&) override {
        return QString::fromStdString(source_);
    }
    QString ShowSave(QWidget*, const form1::FileDialogSetup&) override {
        return QString::fromStdString(output_);
    }
    void MsgBox(QWidget*, const QString& text, const QString& title) override {
        lastBox_ = (title + ": " + text).toStdString();
    }
    void ErrorBox(QWidget*, int number, const QString& description) override {
        lastBox_ = "error " + std::to_string(number) + ": " + description.toStdString();
    }

  private:
    std::string source_;
    std::string output_;
    std::string& lastBox_;
};

template <typename T>
T& control(QWidget& form, const char* name) {
    auto* widget = form.findChild<T*>(QString::fromLatin1(name));
    if (widget == nullptr) throw std::runtime_error(std::string("no control ") + name);
    return *widget;
}

// One cut through "Start Cutting"; returns the longest gap between two timer ticks, in ms.
double cutInWindow(form1::Form1& form, const std::string& lastBox) {
    QTimer ticker;
    ticker.setInterval(kTickMs);
    ticker.setTimerType(Qt::PreciseTimer);
    auto last = Clock::now();
    double longest = 0;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const auto now = Clock::now();
        longest = std::max(longest, std::chrono::duration<double, std::milli>(now - last).count());
        last = now;
    });
    ticker.start();
    last = Clock::now();
    control<chameleon::ChameleonButtonWidget>(form, "chameleonButton3").click();
    ticker.stop();
    if (lastBox != "Info: Process Successfully!!!")
        throw std::runtime_error("the cut did not succeed: " + lastBox);
    return longest;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    try {
        const qdct::test::TempDir dir("bench-window");
        const std::string src = dir.file("source.ISO");
        const std::string dst = dir.file("output.ISO");
        // 1 GiB of data, then a hole up to the preset's size so that the preset check passes.
        bench::makeCachedSource(src, kCopyBytes, kPresetSectors * cutting::kSectorBytes);

        std::string lastBox;
        form1::Form1 form(std::make_unique<BenchDialogs>(src, dst, lastBox));
        form.show();
        QApplication::processEvents();
        control<chameleon::ChameleonButtonWidget>(form, "chameleonButton1").click();
        control<chameleon::ChameleonButtonWidget>(form, "chameleonButton2").click();
        control<QLineEdit>(form, "Text3")
            .setText(QString::number(kCopyBytes / cutting::kSectorBytes - kPresetSectors));

        std::vector<double> dd, window;
        double longestGap = 0;
        for (int run = -1; run < kRuns; ++run) { // run -1 warms up and is not counted
            const double d = bench::seconds([&] { bench::runDd(src, dst, kBlocks); });
            bench::settle(dst);
            double gap = 0;
            const double w = bench::seconds([&] { gap = cutInWindow(form, lastBox); });
            bench::settle(dst);
            if (std::filesystem::file_size(dst) != static_cast<std::uintmax_t>(kCopyBytes))
                throw std::runtime_error("the output is not 1 GiB");
            if (run < 0) continue;
            dd.push_back(d);
            window.push_back(w);
            longestGap = std::max(longestGap, gap);
        }

        const double ddMedian = bench::median(dd), windowMedian = bench::median(window);
        std::printf("copy: %lld blocks of %lld bytes (1 GiB), %d runs each\n",
                    static_cast<long long>(kBlocks), static_cast<long long>(cutting::kBlockBytes),
                    kRuns);
        std::printf("dd median: %.3f s\n", ddMedian);
        std::printf("window median: %.3f s\n", windowMedian);
        std::printf("longest gap ms: %.0f\n", longestGap);
        std::printf("ratio window/dd: %.2f\n", windowMedian / ddMedian);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_window: %s\n", e.what());
        return 1;
    }
    return 0;
}
