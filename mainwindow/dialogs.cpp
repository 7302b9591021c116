// Qt's dialogs for the window. The file dialog is Qt's own widget dialog so that it behaves
// (and can be driven) the same on every desktop; it starts with the name it is given and never
// asks before overwriting, since the cut writes into an existing output on purpose.
#include "mainwindow/dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace form1 {

namespace {

QString showFileDialog(QWidget* parent, const FileDialogSetup& setup, bool save) {
    QFileDialog dialog(parent, setup.DialogTitle);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
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
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.front();
}

} // namespace

QString errorBoxText(int number, const QString& description) {
    QString text = description;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return QStringLiteral("Run-time error '%1':\n\n%2")
        .arg(QString::number(number), text.trimmed());
}

QString QtDialogs::ShowOpen(QWidget* parent, const FileDialogSetup& setup) {
    return showFileDialog(parent, setup, false);
}

QString QtDialogs::ShowSave(QWidget* parent, const FileDialogSetup& setup) {
    return showFileDialog(parent, setup, true);
}

void QtDialogs::MsgBox(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox::information(parent, title, text);
}

void QtDialogs::ErrorBox(QWidget* parent, int number, const QString& description) {
    QMessageBox::critical(parent, QString::fromLatin1(kErrorBoxTitle),
                          errorBoxText(number, description));
}

} // namespace form1
