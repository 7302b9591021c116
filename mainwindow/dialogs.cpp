// Qt's dialogs for the window. The file dialog is the desktop's own chooser where the platform
// offers one, and Qt's widget dialog otherwise; it starts with the name it is given and never
// asks before overwriting, since the cut writes into an existing output on purpose.
#include "mainwindow/dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>

namespace form1 {

namespace {

// Where Qt's file dialog would keep its history (QtProject.conf in the user's configuration
// folder). The program keeps no configuration, so Qt's settings go where none can be written.
constexpr char kNoSettingsFolder[] = "/dev/null";

// The name box of Qt's widget dialog; the platform's chooser has none.
constexpr char kNameBox[] = "fileNameEdit";

// Qt's widget dialog takes the rows selected in its list before the typed name. Typing a
// full path selects rows on the way, and the dialog writes the selected file's bare name over
// the path; when the folder shown is the home folder or holds it, a folder the path passed
// through stays selected, so on Enter that folder is entered, the name box emptied and the
// dialog stays open. A full path typed to a file the dialog may return is taken as typed.
class FileDialog final : public QFileDialog {
  public:
    using QFileDialog::QFileDialog;

    // The path chosen when the dialog was accepted.
    QString chosen() const {
        if (!chosen_.isEmpty()) return chosen_;
        const QStringList files = selectedFiles();
        return files.isEmpty() ? QString() : files.front();
    }

    void accept() override {
        const auto* box = findChild<QLineEdit*>(QLatin1String(kNameBox));
        const QFileInfo typed(typed_);
        // The box holds the typed path, or the dialog's rewrite of it to the bare name.
        const bool stillTyped = box != nullptr && !typed_.isEmpty() &&
                                (box->text() == typed_ || box->text() == typed.fileName());
        if (stillTyped && QDir::isAbsolutePath(typed_) && mayChoose(typed)) {
            chosen_ = QDir::cleanPath(typed_);
            QDialog::accept();
            return;
        }
        QFileDialog::accept();
    }

  protected:
    void showEvent(QShowEvent* event) override {
        // The widget dialog makes its name box when first shown; the platform's has none.
        auto* box = findChild<QLineEdit*>(QLatin1String(kNameBox));
        if (box != nullptr && !watching_) {
            connect(box, &QLineEdit::textEdited, this,
                    [this](const QString& text) { typed_ = text; });
            watching_ = true;
        }
        QFileDialog::showEvent(event);
    }

  private:
    // An existing file to open; to save, anything but a folder, in a folder that exists.
    bool mayChoose(const QFileInfo& file) const {
        if (acceptMode() == AcceptOpen) return file.isFile();
        return !file.isDir() && file.absoluteDir().exists();
    }

    QString typed_;  // the name box's text as the user last edited it
    QString chosen_; // a typed full path that was accepted
    bool watching_ = false;
};

QString showFileDialog(QWidget* parent, const FileDialogSetup& setup, bool save) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromLatin1(kNoSettingsFolder));
    FileDialog dialog(parent, setup.DialogTitle);
    dialog.setNameFilter(setup.Filter);
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    dialog.selectFile(setup.FileName);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.chosen();
}

} // namespace

QString errorBoxText(int number, const QString& description) {
    QString text = description;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return QCoreApplication::translate("form1::Form1Dialogs", "Run-time error '%1':\n\n%2")
        .arg(QString::number(number), text.trimmed());
}

QString QtDialogs::ShowOpen(QWidget* parent, const FileDialogSetup& setup) {
    return showFileDialog(parent, setup, false);
}

QString QtDialogs::ShowSave(QWidget* parent, const FileDialogSetup& setup) {
    return showFileDialog(parent, setup, true);
}

void QtDialogs::MsgBox(QWidget* parent, const QString& text, const QString& title,
                       const QString& details) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box.setInformativeText(details);
    box.exec();
}

void QtDialogs::ErrorBox(QWidget* parent, int number, const QString& description) {
    QMessageBox::critical(parent,
                          QCoreApplication::translate("form1::Form1Dialogs", kErrorBoxTitle),
                          errorBoxText(number, description));
}

} // namespace form1
