// Form1, the program's only window: the layout from form1.ui with its common looks, the four
// buttons loaded from their stored settings, and the handlers that browse for the source and
// output images, pick a preset, run the cut and quit. A local file dropped on the window (or
// given on the command line) fills the source or the output as a browse does.
//
// The window owns the two file objects from its creation to its unload. A cut's work runs on a
// thread of its own while the "Start Cutting" handler runs the window's event loop, so the
// handlers guard what that allows: a second "Start Cutting" is ignored, and "Quit" or closing
// the window cancels the cut after its chunk (or, past the last chunk, keeps its success
// silent) and closes the window once both files are closed. Escape while a cut runs cancels
// it too, and says how far it got; during the read-back it skips the rest of it. While a cut
// runs, PB1 shows the percentage, the speed and the time left, and "Verifying" before them
// during the read-back; otherwise no text. An error that stops a handler is shown with its
// number and description and the window goes on.
//
// Beside the sector count, a line says where the source's file system ends and whether the
// cut as now asked for (the selected preset plus Text3) keeps all of it; it follows the source,
// the options and Text3 as they change.
//
// The desktop hears of every cut from its start to its end (desktop_session.h), and a drop is
// only ever taken as a copy.
#pragma once

#include "cutting/cut_job.h"
#include "cutting/disc_filesystem.h"
#include "cutting/presets.h"
#include "cutting/random.h"
#include "cutting/rate_estimator.h"
#include "mainwindow/desktop_session.h"
#include "mainwindow/dialogs.h"
#include "mainwindow/scaled_progress.h"

#include <QWidget>
#include <array>
#include <chrono>
#include <memory>
#include <optional>

class QDropEvent;
class QRadioButton;
class QShortcut;

namespace Ui {
class Form1;
}

namespace form1 {

// How often, at most, PB1's text changes during a cut.
inline constexpr std::chrono::milliseconds kProgressTextInterval{250};

// PB1's text during a cut, `done` of `total` bytes: "37%" (whole percents reached, so 100%
// only at the end), then " · 812 MB/s" (" · 1.2 GB/s" from 1000 MB/s on) once a
// speed is known, then " · 0:04 left" once the time left has settled (h:mm:ss from an hour
// on); "Verifying 37% · ..." during the read-back.
QString cutProgressText(double done, double total, std::optional<double> bytesPerSecond,
                        std::optional<double> secondsLeft,
                        cutting::CutPhase phase = cutting::CutPhase::Copying);

// PB1 as the cut's progress sink: the bar's steps, and its text while the cut runs, also as
// the bar's accessible description (a screen reader hears what is drawn; idle, the bar's own
// description). With a desktop session, the cut's start and progress go to the desktop too.
class CutProgress final : public cutting::ProgressSink {
  public:
    using Clock = std::chrono::steady_clock;
    explicit CutProgress(QProgressBar& bar, DesktopSession* desktop = nullptr)
        : bar_(bar), steps_(bar), desktop_(desktop), idleDescription_(bar.accessibleDescription()) {
    }

    void setMin(double value) override { steps_.setMin(value); }
    // A new cut, once the job has accepted it: the range, and the text from 0%.
    void setMax(double value) override;
    void setValue(double value) override;
    // The read-back: the same range from 0, with its own speed.
    void setPhase(cutting::CutPhase phase) override;
    // No text: no cut runs.
    void hideText();

  private:
    void showText(double value, Clock::time_point now);

    QProgressBar& bar_;
    ScaledProgress steps_;
    DesktopSession* desktop_;
    QString idleDescription_;
    cutting::RateEstimator rate_;
    Clock::time_point start_{};
    Clock::time_point shownAt_{};
    double max_ = 0;
    cutting::CutPhase phase_ = cutting::CutPhase::Copying;
};

class Form1 : public QWidget {
    Q_OBJECT

  public:
    // `dialogs` answers the file dialogs and message boxes; null means Qt's own.
    explicit Form1(std::unique_ptr<Form1Dialogs> dialogs = nullptr, QWidget* parent = nullptr);
    ~Form1() override;

    const cutting::Random& sourceFile() const { return SourceFile; }
    const cutting::Random& outputFile() const { return OutputFile; }
    bool isCutting() const { return job_.isRunning(); }
    // Whether a cut is read back and hashed after its sync (the default); a benchmark that
    // measures the copy alone turns it off.
    void setVerifyAfterCut(bool verify) { job_.setVerify(verify); }

    // Fills txtSrc with `path` and, unless it is empty, looks the file up and shows its sector
    // count in Label2, as the source browse does; a lookup that fails shows the error box.
    void chooseSource(const QString& path);
    // Fills TxtDest with `path`, as the output browse does.
    void chooseOutput(const QString& path);
    // The same for a file name given as bytes: one that is not valid UTF-8 shows with
    // replacement characters, and the cut uses its bytes for as long as the box shows it.
    void chooseSource(const QByteArray& path);
    void chooseOutput(const QByteArray& path);

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void Form_Unload();
    void chameleonButton1_Click(); // browse for the source, show its sector count
    void chameleonButton2_Click(); // browse for the output
    void chameleonButton3_Click(); // the cut
    void chameleonButton4_Click(); // quit
    void Option_Click(int option); // the preset's sector count into Text1
    // The file-system line beside Label2, for the last chosen source and the cut now asked for.
    void showFileSystemLine();
    int selectedOption() const; // 1..5
    // Option1 to Option5, in the order of the presets.
    std::array<QRadioButton*, cutting::kPresets.size()> optionButtons() const;
    // Keeps only the selected option button in the tab order.
    void updateOptionTabStops();
    // The stored captions of the buttons in the user's language.
    void translateButtonCaptions();
    // Makes a dropped local file the source, or the output; refuses any other drop.
    void dropFile(QDropEvent& event, bool asOutput);
    // Runs a handler's work; an error that leaves it is shown, and the window goes on.
    template <typename Work>
    void guarded(Work&& work);
    // Shows the error box; a cut the error stopped is over first.
    void showError(int number, const QString& description);
    cutting::CutInputs cutInputs() const;

    std::unique_ptr<Ui::Form1> ui_;
    std::unique_ptr<Form1Dialogs> dialogs_;
    // Created with the window, closed, and released with it; open only while a cut runs.
    cutting::Random SourceFile;
    cutting::Random OutputFile;
    cutting::CutJob job_{SourceFile, OutputFile};
    std::unique_ptr<DesktopSession> desktop_;
    std::unique_ptr<CutProgress> progress_;
    QShortcut* cancelKey_ = nullptr; // Escape, enabled while a cut runs
    bool closeAfterCut_ = false;     // a close arrived during the cut
    // The chosen source's file system, read when it was chosen; nullopt before any source.
    std::optional<cutting::DiscFileSystem> sourceFileSystem_;
    // The names last chosen for txtSrc and TxtDest, as bytes.
    QByteArray sourceName_;
    QByteArray outputName_;
};

} // namespace form1
