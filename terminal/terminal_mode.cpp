// The terminal mode's commands; see terminal_mode.h.
#include "terminal/terminal_mode.h"

#include "cutting/cut_job.h"
#include "cutting/cut_messages.h"
#include "cutting/disc_filesystem.h"
#include "cutting/file_error.h"
#include "cutting/file_lookup.h"
#include "cutting/number_text.h"
#include "cutting/presets.h"
#include "cutting/random.h"
#include "cutting/rate_estimator.h"
#include "terminal/terminal_options.h"

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <atomic>
#include <charconv>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <thread>
#include <unistd.h>

namespace terminal {

namespace {

constexpr char kProgram[] = "quillmar-dvd";
constexpr std::chrono::milliseconds kProgressLineInterval{250};
constexpr double kBytesPerMB = 1e6;
constexpr int kSecondsPerMinute = 60;

volatile std::sig_atomic_t signalled = 0;

extern "C" void noteSignal(int) {
    signalled = 1;
}

// SIGINT and SIGTERM ask the cut to stop after its chunk, for as long as the object lives.
class CancelOnSignal {
  public:
    CancelOnSignal() {
        struct sigaction action {};
        action.sa_handler = noteSignal;
        sigemptyset(&action.sa_mask);
        for (int i = 0; i < 2; ++i) ::sigaction(kSignals[i], &action, &saved_[i]);
    }
    CancelOnSignal(const CancelOnSignal&) = delete;
    CancelOnSignal& operator=(const CancelOnSignal&) = delete;
    ~CancelOnSignal() {
        for (int i = 0; i < 2; ++i) ::sigaction(kSignals[i], &saved_[i], nullptr);
    }

  private:
    static constexpr int kSignals[2] = {SIGINT, SIGTERM};
    struct sigaction saved_[2]{};
};

QString pathText(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// "2,295,104": a count with its thousands grouped, as English writes it.
std::string grouped(std::int64_t value) {
    const std::string digits = std::to_string(value < 0 ? -value : value);
    std::string text = value < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
        text += digits[i];
    }
    return text;
}

const char* kindName(cutting::FileSystemKind kind) {
    switch (kind) {
    case cutting::FileSystemKind::Iso9660:
        return "iso9660";
    case cutting::FileSystemKind::Udf:
        return "udf";
    case cutting::FileSystemKind::IsoUdfBridge:
        return "iso9660+udf";
    case cutting::FileSystemKind::None:
        break;
    }
    return "none";
}

// Whether a cut of `cutBytes` keeps the whole file system, or how much of it it loses.
std::string fitText(const cutting::DiscFileSystem& fs, std::int64_t cutBytes) {
    if (fs.kind == cutting::FileSystemKind::None) return "no file system to keep";
    const std::int64_t lost = cutting::bytesLostByCut(fs, cutBytes);
    if (lost == 0) return "keeps the whole file system";
    char mb[32];
    std::snprintf(mb, sizeof mb, "%.1f", std::max(0.1, static_cast<double>(lost) / kBytesPerMB));
    return std::string("loses the file system's last ") + mb + " MB";
}

// "File system: ISO 9660 + UDF, 2,295,104 sectors", or that there is none.
std::string fileSystemText(const cutting::DiscFileSystem& fs) {
    if (fs.kind == cutting::FileSystemKind::None) return "No ISO 9660 or UDF file system found";
    static const char* const kTitles[] = {"", "ISO 9660", "UDF", "ISO 9660 + UDF"};
    return std::string("File system: ") + kTitles[static_cast<int>(fs.kind)] + ", " +
           grouped(fs.sectors) + " sectors";
}

QJsonObject fileSystemJson(const cutting::DiscFileSystem& fs, std::optional<std::int64_t> cut) {
    QJsonObject object{{"kind", kindName(fs.kind)}, {"sectors", qint64(fs.sectors)}};
    if (cut) object["bytesLost"] = qint64(cutting::bytesLostByCut(fs, *cut));
    return object;
}

void print(const QJsonObject& object) {
    std::fputs(QJsonDocument(object).toJson(QJsonDocument::Indented).constData(), stdout);
}

// The error on stderr (and in the JSON result), and the exit status it calls for.
int failed(const Options& options, int status, int number, const std::string& text) {
    std::fprintf(stderr, "%s: %s%s\n", kProgram,
                 number != 0 ? ("error " + std::to_string(number) + ": ").c_str() : "",
                 text.c_str());
    if (options.json)
        print({{"error", QJsonObject{{"number", number},
                                     {"description", QString::fromStdString(text)},
                                     {"exitCode", status}}}});
    return status;
}

int statusOf(int number) {
    if (number == cutting::errnum::kVerifyFailed) return kExitVerifyFailed;
    if (number == cutting::errnum::kFileNotFound || number == cutting::errnum::kTypeMismatch)
        return kExitRefused;
    return kExitIoError;
}

// The progress line on stderr, rewritten in place; nothing unless stderr is a terminal.
class ProgressLine final : public cutting::ProgressSink {
  public:
    ProgressLine() : shown_(::isatty(STDERR_FILENO) == 1) {}
    ~ProgressLine() override {
        if (drawn_) std::fputs("\n", stderr);
    }
    void setMin(double) override {}
    void setMax(double value) override {
        max_ = value;
        restart();
    }
    void setPhase(cutting::CutPhase phase) override {
        verifying_ = phase == cutting::CutPhase::Verifying;
        restart();
    }
    void setValue(double value) override {
        const auto now = Clock::now();
        if (!shown_ || (now - at_ < kProgressLineInterval && value < max_)) return;
        at_ = now;
        rate_.add(std::chrono::duration<double>(now - start_).count(), value);
        const int percent = max_ > 0 ? static_cast<int>(std::floor(value * 100 / max_)) : 100;
        std::string line = (verifying_ ? "Verifying " : "") + std::to_string(percent) + "%";
        if (const auto speed = rate_.bytesPerSecond()) {
            char text[64];
            std::snprintf(text, sizeof text, " · %.0f MB/s", *speed / kBytesPerMB);
            line += text;
        }
        if (const auto left = rate_.secondsLeft(max_)) {
            const long long s = std::llround(*left);
            char text[64];
            std::snprintf(text, sizeof text, " · %lld:%02lld left", s / kSecondsPerMinute,
                          s % kSecondsPerMinute);
            line += text;
        }
        std::fprintf(stderr, "\r%-48s", line.c_str());
        drawn_ = true;
    }

  private:
    using Clock = std::chrono::steady_clock;
    void restart() {
        rate_.reset();
        start_ = Clock::now();
        at_ = {};
    }
    bool shown_;
    bool drawn_ = false;
    bool verifying_ = false;
    double max_ = 0;
    cutting::RateEstimator rate_;
    Clock::time_point start_{}, at_{};
};

// Keeps the job's refusal (the only message a terminal run needs from it).
class Refusals final : public cutting::MessageSink {
  public:
    void show(const std::string& text, const std::string& title, const std::string&) override {
        if (title == cutting::kRefusalTitle) refusal = text;
    }
    std::string refusal;
};

// Sleeps between ticks; a signal asks the job to stop.
class SignalPump final : public cutting::Pump {
  public:
    explicit SignalPump(cutting::CutJob& job) : job_(job) {}
    void waitFor(const std::function<bool()>& finished,
                 const std::function<void()>& tick) override {
        while (!finished()) {
            if (signalled) job_.requestCancel(cutting::CancelNotice::Silent);
            tick();
            std::this_thread::sleep_for(cutting::kProgressTick);
        }
        tick();
    }

  private:
    cutting::CutJob& job_;
};

// The source's sector count, as the window's browse shows it in Label2.
std::string sectorCount(std::uintmax_t bytes) {
    const double sectors = static_cast<double>(bytes) / cutting::kSectorBytes;
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, sectors).ptr;
    return std::string(text, end);
}

int cut(const Options& options) {
    cutting::CutInputs in;
    in.txtSrc = options.source;
    in.TxtDest = options.output;
    in.selectedOption = options.option;
    in.Text1 = std::to_string(cutting::presetFor(options.option).sectors);
    in.Text3 = options.add;
    if (options.sectors) {
        // A count of the user's: the first preset's bytes, with the difference added.
        const auto sectors = cutting::parseNumber(*options.sectors);
        const auto add = cutting::parseNumber(options.add);
        if (!sectors || !add)
            return failed(options, kExitUsage, 0, "--sectors and --add take numbers");
        in.Text1 = *options.sectors;
        char text[64];
        const auto end =
            std::to_chars(text, text + sizeof text,
                          *sectors - static_cast<double>(cutting::presetFor(1).sectors) + *add);
        in.Text3 = std::string(text, end.ptr);
    }
    in.Label2 = sectorCount(cutting::lookUpFileSize(options.source));

    cutting::Random SourceFile, OutputFile;
    cutting::CutJob job(SourceFile, OutputFile);
    job.setVerify(options.verify);
    Refusals messages;
    SignalPump pump(job);
    const CancelOnSignal stopOnSignal;
    cutting::CutResult result;
    {
        ProgressLine progress;
        result = job.run(in, progress, messages, pump);
    }
    if (result == cutting::CutResult::Refused)
        return failed(options, kExitRefused, 0, messages.refusal);
    const cutting::CutReport& report = job.report();
    const bool cancelled = signalled != 0;
    if (options.json) {
        QJsonObject object{{"source", pathText(options.source)},
                           {"output", pathText(options.output)},
                           {"bytesWritten", qint64(report.bytesWritten)},
                           {"complete", result == cutting::CutResult::Completed},
                           {"fileSystem", fileSystemJson(report.fileSystem, report.bytesWritten)},
                           {"verified", report.verified}};
        if (report.verified) object["sha256"] = QString::fromStdString(report.sha256);
        print(object);
    } else {
        std::printf("Wrote %lld bytes to '%s'%s.\n", static_cast<long long>(report.bytesWritten),
                    options.output.c_str(), cancelled ? ", then stopped" : "");
        std::printf("%s", fileSystemText(report.fileSystem).c_str());
        if (report.fileSystem.kind != cutting::FileSystemKind::None)
            std::printf("; the output %s", fitText(report.fileSystem, report.bytesWritten).c_str());
        std::printf("\n");
        std::printf("%s\n", report.verified ? cutting::kVerifiedText : cutting::kNotVerifiedText);
        if (report.verified) std::printf("SHA-256: %s\n", report.sha256.c_str());
    }
    return cancelled ? kExitCancelled : kExitSuccess;
}

int info(const Options& options) {
    const std::uintmax_t bytes = cutting::lookUpFileSize(options.source);
    const cutting::DiscFileSystem fs = cutting::readDiscFileSystem(options.source);
    QJsonArray presets;
    std::string lines;
    for (std::size_t i = 0; i < cutting::kPresets.size(); ++i) {
        const std::int64_t cutBytes = cutting::kPresets[i].sectors * cutting::kSectorBytes;
        const std::int64_t lost = cutting::bytesLostByCut(fs, cutBytes);
        presets.append(QJsonObject{{"name", QString::fromUtf8(cutting::kPresetNames[i])},
                                   {"sectors", qint64(cutting::kPresets[i].sectors)},
                                   {"keepsFileSystem", lost == 0},
                                   {"bytesLost", qint64(lost)}});
        char line[160];
        std::snprintf(line, sizeof line, "  %-9s %s sectors: %s\n",
                      std::string(cutting::kPresetNames[i]).c_str(),
                      grouped(cutting::kPresets[i].sectors).c_str(), fitText(fs, cutBytes).c_str());
        lines += line;
    }
    if (options.json) {
        print({{"source", pathText(options.source)},
               {"bytes", qint64(bytes)},
               {"sectors", static_cast<double>(bytes) / cutting::kSectorBytes},
               {"fileSystem", fileSystemJson(fs, std::nullopt)},
               {"presets", presets}});
    } else {
        std::printf("Source: '%s'\nSectors: %s\n%s\nPresets:\n%s", options.source.c_str(),
                    sectorCount(bytes).c_str(), fileSystemText(fs).c_str(), lines.c_str());
    }
    return kExitSuccess;
}

} // namespace

int runTerminal(const std::vector<std::string>& arguments) {
    const Parsed parsed = parseOptions(arguments);
    if (!parsed.options) {
        std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", kProgram,
                     parsed.error.c_str(), kProgram);
        return kExitUsage;
    }
    const Options& options = *parsed.options;
    try {
        return options.command == Command::Cut ? cut(options) : info(options);
    } catch (const qdct::NumberedError& e) {
        return failed(options, statusOf(e.number()), e.number(), e.description());
    }
}

} // namespace terminal
