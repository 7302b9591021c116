// Form1's construction and handlers. The work of each handler is a few lines; the cut itself
// is the cutting job's, given the controls' values and PB1, the message boxes and an event
// pass as its sinks.
#include "mainwindow/form1.h"

#include "cutting/cut_messages.h"
#include "cutting/file_error.h"
#include "cutting/file_lookup.h"
#include "mainwindow/file_system_line.h"
#include "mainwindow/form1_looks.h"
#include "mainwindow/job_texts.h"
#include "mainwindow/sector_count.h"
#include "mainwindow/stored_buttons.h"
#include "ui_form1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <QMimeData>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace form1 {
namespace {

constexpr char kIconResource[] = ":/mainwindow/form1_icon.png";
constexpr char kIsoFilter[] = QT_TRANSLATE_NOOP("form1::Form1", "File ISO (*.ISO)");
constexpr char kOpenTitle[] = QT_TRANSLATE_NOOP("form1::Form1", "Open Dvd ISO Image");
constexpr char kSaveTitle[] = QT_TRANSLATE_NOOP("form1::Form1", "Save Dvd ISO Image");
// The buttons' stored captions, translated when the window is made. "......" stays as it is.
constexpr std::array kButtonCaptions{QT_TRANSLATE_NOOP("form1::Form1", "Start Cutting"),
                                     QT_TRANSLATE_NOOP("form1::Form1", "Quit")};

// Title bar with the close button only: no maximise, no minimise.
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowCloseButtonHint;

// The file-system line's distance from Label2 and from the frame's right edge, in pixels.
constexpr int kLineGap = 8;

constexpr double kBytesPerMB = 1e6;
constexpr double kWholeMBFrom = 10; // below this, one decimal
constexpr double kGBFromMB = 1000;  // from this on, GB/s with one decimal
constexpr double kMBPerGB = 1000;
constexpr int kSecondsPerMinute = 60;
constexpr int kSecondsPerHour = 3600;
constexpr int kPercent = 100;

// The job's messages come once the cut is over: the bar's text goes first, and the desktop
// hears of the end before the box waits for its OK. The success message is titled on its own;
// the other messages of a started cut report its cancel (a refusal comes before any start).
class JobMessages final : public cutting::MessageSink {
  public:
    JobMessages(Form1Dialogs& dialogs, QWidget& parent, CutProgress& progress,
                DesktopSession& desktop, const cutting::CutJob& job)
        : dialogs_(dialogs), parent_(parent), progress_(progress), desktop_(desktop), job_(job) {}
    void show(const std::string& text, const std::string& title,
              const std::string& details) override {
        progress_.hideText();
        const QString shown = translateJobText(text);
        QStringList lines;
        if (text == cutting::kSuccessText) {
            // What the output keeps of the source's file system, in the frame line's words.
            const cutting::CutReport& report = job_.report();
            lines << fileSystemLine(report.fileSystem, report.bytesWritten, QLocale()).text;
        }
        if (!details.empty())
            for (const QString& line : QString::fromStdString(details).split(QLatin1Char('\n')))
                lines << translateJobText(line.toStdString());
        desktop_.cutEnded(
            title == cutting::kSuccessTitle ? CutOutcome::Completed : CutOutcome::Cancelled, shown);
        dialogs_.MsgBox(&parent_, shown, translateJobText(title), lines.join(QLatin1Char('\n')));
    }

  private:
    Form1Dialogs& dialogs_;
    QWidget& parent_;
    CutProgress& progress_;
    DesktopSession& desktop_;
    const cutting::CutJob& job_;
};

// The window's own event loop while the cut's worker runs: input, repaints and dialogs go on
// as ever, and the progress ticks come from a timer, so they go on under a modal dialog too.
class EventLoopPump final : public cutting::Pump {
  public:
    void waitFor(const std::function<bool()>& finished,
                 const std::function<void()>& tick) override {
        QEventLoop loop;
        QTimer timer;
        timer.setInterval(cutting::kProgressTick);
        QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
            tick();
            if (finished()) loop.quit();
        });
        timer.start();
        if (!finished()) loop.exec();
        tick();
    }
};

// The file that `box` names: the name chosen for it while the box shows that, else its text.
std::string pathIn(const QLineEdit& box, const QByteArray& chosen) {
    const bool unchanged = box.text() == QFile::decodeName(chosen);
    return (unchanged ? chosen : QFile::encodeName(box.text())).toStdString();
}

QString clockText(double seconds) {
    const long long whole = std::llround(seconds);
    const QString minSec = QStringLiteral("%1:%2")
                               .arg(whole % kSecondsPerHour / kSecondsPerMinute)
                               .arg(whole % kSecondsPerMinute, 2, 10, QLatin1Char('0'));
    if (whole < kSecondsPerHour) return minSec;
    return QStringLiteral("%1:%2").arg(whole / kSecondsPerHour).arg(minSec.rightJustified(5, '0'));
}

// The one local file that a drag carries as text/uri-list, or "" for anything else: several
// files, a folder, a remote address, plain text.
QString droppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) return {};
    const QString path = urls.front().toLocalFile();
    return QFileInfo(path).isFile() ? path : QString();
}

// Accepts a drag-enter, drag-move or drop event that carries one local file as a copy,
// whatever the source proposes: a source that honours a move would delete the user's image.
// Refuses others, and a source that cannot copy.
bool acceptFileDrag(QDropEvent& event) {
    const bool accepted = event.possibleActions().testFlag(Qt::CopyAction) &&
                          !droppedFile(event.mimeData()).isEmpty();
    if (accepted) {
        event.setDropAction(Qt::CopyAction);
        event.accept();
    } else {
        event.ignore();
    }
    return accepted;
}

} // namespace

QString cutProgressText(double done, double total, std::optional<double> bytesPerSecond,
                        std::optional<double> secondsLeft, cutting::CutPhase phase) {
    const int percent =
        total > 0
            ? static_cast<int>(std::min<double>(kPercent, std::floor(done * kPercent / total)))
            : kPercent;
    QString text = phase == cutting::CutPhase::Verifying ? Form1::tr("Verifying %1%").arg(percent)
                                                         : QStringLiteral("%1%").arg(percent);
    if (!bytesPerSecond) return text;
    const double mb = *bytesPerSecond / kBytesPerMB;
    if (mb >= kGBFromMB)
        text += Form1::tr(" · %1 GB/s").arg(mb / kMBPerGB, 0, 'f', 1);
    else
        text += Form1::tr(" · %1 MB/s").arg(mb, 0, 'f', mb < kWholeMBFrom ? 1 : 0);
    if (secondsLeft) text += Form1::tr(" · %1 left").arg(clockText(*secondsLeft));
    return text;
}

void CutProgress::setMax(double value) {
    if (desktop_) desktop_->cutStarted();
    steps_.setMax(value);
    max_ = value;
    phase_ = cutting::CutPhase::Copying;
    rate_.reset();
    start_ = Clock::now();
    showText(0, start_);
    bar_.setTextVisible(true);
}

void CutProgress::setPhase(cutting::CutPhase phase) {
    phase_ = phase;
    steps_.setValue(0);
    rate_.reset();
    start_ = Clock::now();
    showText(0, start_);
}

void CutProgress::setValue(double value) {
    steps_.setValue(value);
    if (!bar_.isTextVisible()) return;
    const Clock::time_point now = Clock::now();
    if (now - shownAt_ >= kProgressTextInterval) showText(value, now);
}

void CutProgress::showText(double value, Clock::time_point now) {
    shownAt_ = now;
    rate_.add(std::chrono::duration<double>(now - start_).count(), value);
    const QString text =
        cutProgressText(value, max_, rate_.bytesPerSecond(), rate_.secondsLeft(max_), phase_);
    // The text is the whole format: a '%' that is not followed by p, v or m stays as it is.
    bar_.setFormat(text);
    bar_.setAccessibleDescription(text);
    if (desktop_) desktop_->cutProgress(max_ > 0 ? value / max_ : 1);
}

void CutProgress::hideText() {
    bar_.setTextVisible(false);
    bar_.setAccessibleDescription(idleDescription_);
}

Form1::Form1(std::unique_ptr<Form1Dialogs> dialogs, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::Form1>()),
      dialogs_(dialogs ? std::move(dialogs) : std::make_unique<QtDialogs>()) {
    initResources();
    installFontStandIn();
    ui_->setupUi(this);
    setWindowFlags(kWindowFlags);
    setFixedSize(size()); // the layout has no handling for another size
    setWindowIcon(QIcon(QString::fromLatin1(kIconResource)));
    applyLooks(*this);
    loadStoredButtons(*this, storedButtonsData());
    translateButtonCaptions();
    // The job reads whatever Text1 holds; only the option buttons write it.
    ui_->Text1->setReadOnly(true);
    desktop_ = std::make_unique<DesktopSession>(*this);
    progress_ = std::make_unique<CutProgress>(*ui_->PB1, desktop_.get());
    progress_->hideText();
    cancelKey_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    cancelKey_->setEnabled(false);
    connect(cancelKey_, &QShortcut::activated, this,
            [this] { job_.requestCancel(cutting::CancelNotice::Report); });

    connect(ui_->chameleonButton1, &chameleon::ChameleonButtonWidget::Click, this,
            &Form1::chameleonButton1_Click);
    connect(ui_->chameleonButton2, &chameleon::ChameleonButtonWidget::Click, this,
            &Form1::chameleonButton2_Click);
    connect(ui_->chameleonButton3, &chameleon::ChameleonButtonWidget::Click, this,
            &Form1::chameleonButton3_Click);
    connect(ui_->chameleonButton4, &chameleon::ChameleonButtonWidget::Click, this,
            &Form1::chameleonButton4_Click);
    // An error inside a button's own handling is shown like every other error of the window.
    for (chameleon::ChameleonButtonWidget* button :
         {ui_->chameleonButton1, ui_->chameleonButton2, ui_->chameleonButton3,
          ui_->chameleonButton4}) {
        connect(button, &chameleon::ChameleonButtonWidget::errorRaised, this,
                [this](int number, const QString& description) {
                    dialogs_->ErrorBox(this, number, description);
                });
    }
    const auto options = optionButtons();
    for (std::size_t i = 0; i < options.size(); ++i) {
        connect(options[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            updateOptionTabStops();
            if (!checked) return;
            Option_Click(static_cast<int>(i) + 1);
            showFileSystemLine();
        });
    }
    updateOptionTabStops();
    connect(ui_->Text3, &QLineEdit::textChanged, this, &Form1::showFileSystemLine);
    showFileSystemLine();

    // A file dropped on the window becomes the source, on the output box the output. The
    // path boxes would take a drop as text; their drags are decided here instead, and the
    // number boxes leave theirs to the window.
    setAcceptDrops(true);
    for (QLineEdit* box : {ui_->txtSrc, ui_->TxtDest}) box->installEventFilter(this);
    for (QLineEdit* box : {ui_->Text1, ui_->Text3}) box->setAcceptDrops(false);

    // Centred on the screen at start.
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

Form1::~Form1() = default;

void Form1::Form_Unload() {
    // The job closes both files however it ends; close anything still open all the same.
    for (cutting::Random* file : {&SourceFile, &OutputFile}) {
        if (!file->IsOpen()) continue;
        try {
            file->CloseFile();
        } catch (const qdct::NumberedError&) {
            // The file is released either way, and the window is going.
        }
    }
}

void Form1::translateButtonCaptions() {
    for (auto* button : findChildren<chameleon::ChameleonButtonWidget*>()) {
        for (const char* caption : kButtonCaptions)
            if (button->button().Caption() == QLatin1String(caption))
                button->button().setCaption(tr(caption));
    }
}

template <typename Work>
void Form1::guarded(Work&& work) {
    try {
        work();
    } catch (const qdct::NumberedError& e) {
        showError(e.number(), translateJobText(e.description()));
    } catch (const std::exception& e) {
        showError(qdct::errnum::kInternalError, QString::fromStdString(e.what()));
    }
}

void Form1::showError(int number, const QString& description) {
    desktop_->cutEnded(CutOutcome::Failed, errorBoxText(number, description));
    dialogs_->ErrorBox(this, number, description);
}

void Form1::chameleonButton1_Click() {
    chooseSource(dialogs_->ShowOpen(this, {tr(kIsoFilter), tr(kOpenTitle), QString()}));
}

void Form1::chameleonButton2_Click() {
    chooseOutput(dialogs_->ShowSave(this, {tr(kIsoFilter), tr(kSaveTitle), QString()}));
}

void Form1::chooseSource(const QString& path) {
    chooseSource(QFile::encodeName(path));
}

void Form1::chooseOutput(const QString& path) {
    chooseOutput(QFile::encodeName(path));
}

void Form1::chooseSource(const QByteArray& path) {
    sourceName_ = path;
    ui_->txtSrc->setText(QFile::decodeName(path));
    if (path.isEmpty()) return; // cancelled: Label2 keeps its count
    sourceFileSystem_.reset();
    guarded([&] {
        const std::uintmax_t bytes = cutting::lookUpFileSize(path.toStdString());
        setLabelCaption(*ui_->Label2, sectorCountText(bytes, QLocale().decimalPoint()));
        // A few sectors at most; a source it cannot read simply shows no file system.
        sourceFileSystem_ = cutting::readDiscFileSystem(path.toStdString());
    });
    showFileSystemLine();
}

void Form1::showFileSystemLine() {
    const QLocale locale;
    const FileSystemLine line = fileSystemLine(
        sourceFileSystem_,
        cutOutputBytes(selectedOption(), ui_->Text3->text(), locale.decimalPoint()), locale);
    QLabel& label = *ui_->LabelFs;
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, olePlainColor(line.lossy ? kYellow : kWhite));
    label.setPalette(palette);
    // It follows Label2 as its number grows, and ends in an ellipsis rather than leave the frame.
    const int left = ui_->Label2->geometry().right() + 1 + kLineGap;
    const int room = ui_->Frame1->width() - kLineGap - left;
    const QString shown = label.fontMetrics().elidedText(line.text, Qt::ElideRight, room);
    label.setToolTip(shown == line.text ? QString() : line.text);
    label.move(left, label.y());
    setLabelCaption(label, shown);
}

void Form1::chooseOutput(const QByteArray& path) {
    outputName_ = path;
    ui_->TxtDest->setText(QFile::decodeName(path));
}

cutting::CutInputs Form1::cutInputs() const {
    cutting::CutInputs inputs;
    inputs.txtSrc = pathIn(*ui_->txtSrc, sourceName_);
    inputs.TxtDest = pathIn(*ui_->TxtDest, outputName_);
    inputs.Text1 = ui_->Text1->text().toStdString();
    inputs.Text3 = ui_->Text3->text().toStdString();
    inputs.Label2 = ui_->Label2->text().toStdString();
    const auto options = optionButtons();
    for (std::size_t i = 0; i < options.size(); ++i)
        if (options[i]->isChecked()) inputs.selectedOption = static_cast<int>(i) + 1;
    inputs.decimalPoint = QLocale().decimalPoint().toStdString();
    return inputs;
}

void Form1::chameleonButton3_Click() {
    // The cut lets clicks through between blocks; this one belongs to the cut already running.
    if (job_.isRunning()) return;
    JobMessages messages(*dialogs_, *this, *progress_, *desktop_, job_);
    EventLoopPump pump;
    cancelKey_->setEnabled(true);
    guarded([&] {
        try {
            job_.run(cutInputs(), *progress_, messages, pump);
        } catch (...) {
            progress_->hideText(); // before the error box: the cut is over
            throw;
        }
    });
    cancelKey_->setEnabled(false);
    progress_->hideText();
    // Only a silent cancel (Quit, close) is still running here: a message or an error ended
    // every other cut, and a refusal never started one.
    desktop_->cutEnded(CutOutcome::Cancelled, QString());
    if (closeAfterCut_) {
        closeAfterCut_ = false;
        close();
    }
}

void Form1::chameleonButton4_Click() {
    close();
}

void Form1::Option_Click(int option) {
    ui_->Text1->setText(QString::number(cutting::presetFor(option).sectors));
}

int Form1::selectedOption() const {
    const auto options = optionButtons();
    const auto selected =
        std::find_if(options.begin(), options.end(),
                     [](const QRadioButton* option) { return option->isChecked(); });
    return selected == options.end() ? 1 : static_cast<int>(selected - options.begin()) + 1;
}

std::array<QRadioButton*, cutting::kPresets.size()> Form1::optionButtons() const {
    return {ui_->Option1, ui_->Option2, ui_->Option3, ui_->Option4, ui_->Option5};
}

void Form1::updateOptionTabStops() {
    // The five options are one group and one tab stop: the selected one. The others still
    // take the focus from a click or from the arrow keys.
    for (QRadioButton* option : optionButtons())
        option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
        acceptFileDrag(*static_cast<QDropEvent*>(event));
        return true;
    case QEvent::Drop:
        dropFile(*static_cast<QDropEvent*>(event), watched == ui_->TxtDest);
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    acceptFileDrag(*event);
}

void Form1::dragMoveEvent(QDragMoveEvent* event) {
    acceptFileDrag(*event);
}

void Form1::dropEvent(QDropEvent* event) {
    dropFile(*event, false);
}

void Form1::dropFile(QDropEvent& event, bool asOutput) {
    if (!acceptFileDrag(event)) return;
    const QString path = droppedFile(event.mimeData());
    if (asOutput)
        chooseOutput(path);
    else
        chooseSource(path);
}

void Form1::closeEvent(QCloseEvent* event) {
    if (job_.isRunning()) {
        // The files belong to the cut until it returns: stop it, and go when it has.
        job_.requestCancel();
        closeAfterCut_ = true;
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

} // namespace form1
