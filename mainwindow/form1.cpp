// Form1's construction and handlers. The work of each handler is a few lines; the cut itself
// is the cutting job's, given the controls' values and PB1, the message boxes and an event
// pass as its sinks.
#include "mainwindow/form1.h"

#include "cutting/file_error.h"
#include "cutting/file_lookup.h"
#include "mainwindow/form1_looks.h"
#include "mainwindow/job_texts.h"
#include "mainwindow/sector_count.h"
#include "mainwindow/stored_buttons.h"
#include "ui_form1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <QMimeData>
#include <QScreen>
#include <QUrl>

namespace form1 {
namespace {

constexpr char kIconResource[] = ":/mainwindow/form1_icon.png";
constexpr char kIsoFilter[] = QT_TRANSLATE_NOOP("form1::Form1", "File ISO (*.ISO)");
constexpr char kOpenTitle[] = QT_TRANSLATE_NOOP("form1::Form1", "Open Dvd ISO Image");
constexpr char kSaveTitle[] = QT_TRANSLATE_NOOP("form1::Form1", "Save Dvd ISO Image");
// The buttons' stored captions, translated when the window is made. "......" stays as it is.
constexpr std::array kButtonCaptions{QT_TRANSLATE_NOOP("form1::Form1", "Start Cutting"),
                                     QT_TRANSLATE_NOOP("form1::Form1", "Quit")};
// The runtime's number for an error that is not one of the system's own.
constexpr int kInternalErrorNumber = 51;

// Title bar with the close button only: no maximise, no minimise.
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowCloseButtonHint;

class JobMessages final : public cutting::MessageSink {
  public:
    JobMessages(Form1Dialogs& dialogs, QWidget& parent) : dialogs_(dialogs), parent_(parent) {}
    void show(const std::string& text, const std::string& title) override {
        dialogs_.MsgBox(&parent_, translateJobText(text), translateJobText(title));
    }

  private:
    Form1Dialogs& dialogs_;
    QWidget& parent_;
};

class EventPass final : public cutting::Pump {
  public:
    void processPendingMessages() override { QCoreApplication::processEvents(); }
};

std::string pathOf(const QString& text) {
    return QFile::encodeName(text).toStdString();
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

// Accepts a drag-enter, drag-move or drop event that carries one local file; refuses others.
bool acceptFileDrag(QDropEvent& event) {
    const bool accepted = !droppedFile(event.mimeData()).isEmpty();
    if (accepted)
        event.acceptProposedAction();
    else
        event.ignore();
    return accepted;
}

} // namespace

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
    progress_ = std::make_unique<ScaledProgress>(*ui_->PB1);

    connect(ui_->chameleonButton1, &ChameleonButtonWidget::Click, this,
            &Form1::chameleonButton1_Click);
    connect(ui_->chameleonButton2, &ChameleonButtonWidget::Click, this,
            &Form1::chameleonButton2_Click);
    connect(ui_->chameleonButton3, &ChameleonButtonWidget::Click, this,
            &Form1::chameleonButton3_Click);
    connect(ui_->chameleonButton4, &ChameleonButtonWidget::Click, this,
            &Form1::chameleonButton4_Click);
    const auto options = optionButtons();
    for (std::size_t i = 0; i < options.size(); ++i) {
        connect(options[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            updateOptionTabStops();
            if (checked) Option_Click(static_cast<int>(i) + 1);
        });
    }
    updateOptionTabStops();

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
    for (ChameleonButtonWidget* button : findChildren<ChameleonButtonWidget*>()) {
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
        dialogs_->ErrorBox(this, e.number(), translateJobText(e.description()));
    } catch (const std::exception& e) {
        dialogs_->ErrorBox(this, kInternalErrorNumber, QString::fromStdString(e.what()));
    }
}

void Form1::chameleonButton1_Click() {
    chooseSource(dialogs_->ShowOpen(this, {tr(kIsoFilter), tr(kOpenTitle), QString()}));
}

void Form1::chameleonButton2_Click() {
    chooseOutput(dialogs_->ShowSave(this, {tr(kIsoFilter), tr(kSaveTitle), QString()}));
}

void Form1::chooseSource(const QString& path) {
    ui_->txtSrc->setText(path);
    if (path.isEmpty()) return; // cancelled: Label2 keeps its count
    guarded([&] {
        const std::uintmax_t bytes = cutting::lookUpFileSize(pathOf(path));
        setLabelCaption(*ui_->Label2, sectorCountText(bytes, QLocale().decimalPoint()));
    });
}

void Form1::chooseOutput(const QString& path) {
    ui_->TxtDest->setText(path);
}

cutting::CutInputs Form1::cutInputs() const {
    cutting::CutInputs inputs;
    inputs.txtSrc = pathOf(ui_->txtSrc->text());
    inputs.TxtDest = pathOf(ui_->TxtDest->text());
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
    JobMessages messages(*dialogs_, *this);
    EventPass pump;
    guarded([&] { job_.run(cutInputs(), *progress_, messages, pump); });
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
