// Helpers for the window's tests: scripted dialogs that answer the file dialogs and record the
// message boxes, image files with a known pattern (sparse when large) in the shared scratch
// folder, and a fixture holding a shown Form1 with its controls by name.
#pragma once

#include "button/widget/button_widget.h"
#include "common/temp_files.h"
#include "mainwindow/form1.h"
#include "tests/cutting/test_files.h"

#include <QtTest>
#include <QtWidgets>
#include <filesystem>
#include <gtest/gtest.h>

namespace form1::test {

using cutting::test::pattern;
using qdct::test::FileSizeLimit;

// Answers the file dialogs from a script and records what the window asked and showed.
class FakeDialogs final : public Form1Dialogs {
  public:
    QString ShowOpen(QWidget*, const FileDialogSetup& s) override { return answer("open", s); }
    QString ShowSave(QWidget*, const FileDialogSetup& s) override { return answer("save", s); }
    void MsgBox(QWidget*, const QString& text, const QString& title, const QString& more) override {
        messages << title + ": " + text;
        details << more;
    }
    void ErrorBox(QWidget*, int number, const QString& text) override {
        errors.emplace_back(number, text);
    }

    QStringList answers;             // the next path chosen in either file dialog; none cancels
    std::function<void()> whileOpen; // runs while a file dialog is open, as its user would
    QStringList asked;               // "open|<filter>|<title>|<start name>" per file dialog
    QStringList messages;            // "<title>: <text>"
    QStringList details;             // each message's details
    std::vector<std::pair<int, QString>> errors;

  private:
    QString answer(const char* kind, const FileDialogSetup& s) {
        asked << QStringList{kind, s.Filter, s.DialogTitle, s.FileName}.join('|');
        if (whileOpen) whileOpen();
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
};

// A file of `size` bytes whose first `head` bytes are pattern(head); the rest is a hole.
inline void makeImage(const QString& path, std::uintmax_t size, std::size_t head = 0) {
    cutting::test::writeFile(path.toStdString(), pattern(head));
    std::filesystem::resize_file(path.toStdString(), size);
}

inline cutting::test::Bytes readFile(const QString& path) {
    return cutting::test::readFile(path.toStdString());
}

// The presets' sector counts, Option1 to Option5, as the options write them into Text1.
inline const char* const kPresetSectors[] = {"2297888", "2298496", "2295104", "4173824", "4150400"};
inline constexpr std::uintmax_t kOption1Bytes = std::uintmax_t{2297888} * 2048;

class Form1Test : public ::testing::Test {
  protected:
    Form1Test() {
        // Closing the window is part of the tests; it must not end the test program's loop.
        QApplication::setQuitOnLastWindowClosed(false);
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    template <typename T = QWidget>
    T& control(const QString& name) {
        auto* widget = form.findChild<T*>(name);
        if (widget == nullptr) throw std::runtime_error("no control " + name.toStdString());
        return *widget;
    }
    QLineEdit& edit(const char* name) { return control<QLineEdit>(name); }
    QLabel& Label2() { return control<QLabel>("Label2"); }
    QProgressBar& PB1() { return control<QProgressBar>("PB1"); }
    QRadioButton& option(int n) { return control<QRadioButton>(QString("Option%1").arg(n)); }
    chameleon::ChameleonButtonWidget& button(int n) {
        return control<chameleon::ChameleonButtonWidget>(QString("chameleonButton%1").arg(n));
    }
    // A real left click in the middle of a control: press, release, Click.
    void click(QWidget& w) { QTest::mouseClick(&w, Qt::LeftButton); }
    void click(int n) { click(button(n)); }
    QString path(const char* name) const { return QString::fromStdString(dir.file(name)); }

    // Browses to a source of Option1's size and to `output`; asks for `sectors` with `option`.
    void prepareCut(const QString& output, int sectors, int option = 1) {
        makeImage(path("source.ISO"), kOption1Bytes, 1 << 20);
        dialogs.answers = {path("source.ISO"), output};
        click(1);
        click(2);
        click(this->option(option));
        edit("Text3").setText(QString::number(sectors - std::atoi(kPresetSectors[option - 1])));
    }
    bool bothFilesClosed() const {
        return !form.sourceFile().IsOpen() && !form.outputFile().IsOpen();
    }

    qdct::test::TempDir dir{"form1-test"};
    std::unique_ptr<FakeDialogs> ownDialogs = std::make_unique<FakeDialogs>();
    FakeDialogs& dialogs = *ownDialogs;
    Form1 form{std::move(ownDialogs)};
};

} // namespace form1::test
