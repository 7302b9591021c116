// How fast and how responsive the window's cut is. In one run, alternating so that all see the
// same machine state, it has Form1 itself (offscreen, browsed and set up through its own
// buttons) cut the first 1 GiB of a cached source image into a synced output, once with its
// read-back off and once with it, and `dd bs=4M conv=notrunc,fdatasync` copy the same bytes,
// followed for the second comparison by `cmp` and `sha256sum` (dd verifies nothing). While the
// window cuts, sync and read-back included, a 10 ms timer records the longest gap between two
// of its ticks: the longest the window went without handling its events. It prints the
// medians, how long the final sync took on each side (for the window: from PB1 reaching its
// end to the success message, without read-back), `longest gap ms: N`, the ratio with
// read-back and, last, the ratio of the window to dd.
#include "button/widget/button_widget.h"
#include "common/temp_files.h"
#include "copy_peer.h"
#include "cutting/cut_job.h"
#include "cutting/presets.h"
#include "mainwindow/dialogs.h"
#include "mainwindow/form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QProgressBar>
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
    void MsgBox(QWidget*, const QString& text, const QString& title, const QString&) override {
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

struct CutTimes {
    double longestGapMs = 0;
    double syncSeconds = 0;
};

// One cut through "Start Cutting": the longest gap between two timer ticks, and the time from
// the bar's last step to the end.
CutTimes cutInWindow(form1::Form1& form, const std::string& lastBox) {
    QTimer ticker;
    ticker.setInterval(kTickMs);
    ticker.setTimerType(Qt::PreciseTimer);
    auto last = Clock::now();
    CutTimes times;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const auto now = Clock::now();
        times.longestGapMs = std::max(
            times.longestGapMs, std::chrono::duration<double, std::milli>(now - last).count());
        last = now;
    });
    bench::LastBlockClock lastBlock;
    bool marked = false;
    auto& bar = control<QProgressBar>(form, "PB1");
    const QMetaObject::Connection atEnd =
        QObject::connect(&bar, &QProgressBar::valueChanged, [&](int value) {
            if (value == bar.maximum() && !marked) {
                lastBlock.mark();
                marked = true;
            }
        });
    ticker.start();
    last = Clock::now();
    control<chameleon::ChameleonButtonWidget>(form, "chameleonButton3").click();
    times.syncSeconds = lastBlock.secondsSince();
    ticker.stop();
    QObject::disconnect(atEnd);
    if (lastBox != "Info: Process Successfully!!!")
        throw std::runtime_error("the cut did not succeed: " + lastBox);
    return times;
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

        std::vector<double> dd, ddSync, check, window, windowSync, verified;
        double longestGap = 0;
        // One window cut, with or without its read-back: its seconds, and its gaps noted.
        const auto windowCut = [&](bool verify, CutTimes& cut) {
            form.setVerifyAfterCut(verify);
            const double seconds = bench::seconds([&] { cut = cutInWindow(form, lastBox); });
            if (std::filesystem::file_size(dst) != static_cast<std::uintmax_t>(kCopyBytes))
                throw std::runtime_error("the output is not 1 GiB");
            longestGap = std::max(longestGap, cut.longestGapMs);
            return seconds;
        };
        for (int run = -1; run < kRuns; ++run) { // run -1 warms up and is not counted
            const double d = bench::seconds([&] { bench::runDd(src, dst, kCopyBytes); });
            const double c = bench::cmpAndSha256sumSeconds(src, dst, kCopyBytes);
            const double ds = bench::ddSyncSeconds(src, dst, kCopyBytes);
            CutTimes cut, withReadBack;
            const double w = windowCut(false, cut);
            const double v = windowCut(true, withReadBack);
            if (run < 0) {
                longestGap = 0;
                continue;
            }
            dd.push_back(d);
            check.push_back(d + c);
            ddSync.push_back(ds);
            window.push_back(w);
            windowSync.push_back(cut.syncSeconds);
            verified.push_back(v);
        }

        const double ddMedian = bench::median(dd), windowMedian = bench::median(window);
        std::printf("copy: 1 GiB, durable, %d runs each\n", kRuns);
        std::printf("dd bs=4M median: %.3f s, with cmp and sha256sum: %.3f s\n", ddMedian,
                    bench::median(check));
        std::printf("window median: %.3f s, with read-back: %.3f s\n", windowMedian,
                    bench::median(verified));
        std::printf("sync seconds: window %.3f, dd %.3f\n", bench::median(windowSync),
                    bench::median(ddSync));
        std::printf("longest gap ms: %.0f\n", longestGap);
        std::printf("ratio window+verify/dd-4M+cmp+sha256sum: %.2f\n",
                    bench::median(verified) / bench::median(check));
        std::printf("ratio window/dd-4M: %.2f\n", windowMedian / ddMedian);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_window: %s\n", e.what());
        return 1;
    }
    return 0;
}
