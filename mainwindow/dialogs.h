// The window's modal dialogs behind one interface: the open and save file dialogs and the two
// kinds of message box. Form1 asks through it, so tests answer with a fake and the program
// shows the real Qt dialogs.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QWidget>

namespace form1 {

// What the window sets up before showing a file dialog.
struct FileDialogSetup {
    QString Filter;      // one entry, e.g. "File ISO (*.ISO)"
    QString DialogTitle; // the dialog's window title
    QString FileName;    // the name the dialog starts with
};

class Form1Dialogs {
  public:
    virtual ~Form1Dialogs() = default;
    // The path chosen in a modal open dialog, or "" when it was cancelled.
    virtual QString ShowOpen(QWidget* parent, const FileDialogSetup& setup) = 0;
    // The path chosen in a modal save dialog, or ""; an existing file is accepted without a
    // question.
    virtual QString ShowSave(QWidget* parent, const FileDialogSetup& setup) = 0;
    // A modal box with an information icon and an OK button; `details` (may be empty) is
    // shown below the text.
    virtual void MsgBox(QWidget* parent, const QString& text, const QString& title,
                        const QString& details) = 0;
    // A modal box reporting an error that stopped a handler: its number and description.
    virtual void ErrorBox(QWidget* parent, int number, const QString& description) = 0;
};

inline constexpr char kErrorBoxTitle[] = QT_TRANSLATE_NOOP("form1::Form1Dialogs", "Run-time error");

// The text of the error box: "Run-time error '53':" and the description below it, in the
// user's language.
QString errorBoxText(int number, const QString& description);

// Qt's own dialogs: QFileDialog (the platform's chooser where there is one, else Qt's widget
// dialog) and QMessageBox.
class QtDialogs final : public Form1Dialogs {
  public:
    QString ShowOpen(QWidget* parent, const FileDialogSetup& setup) override;
    QString ShowSave(QWidget* parent, const FileDialogSetup& setup) override;
    void MsgBox(QWidget* parent, const QString& text, const QString& title,
                const QString& details) override;
    void ErrorBox(QWidget* parent, int number, const QString& description) override;
};

} // namespace form1
