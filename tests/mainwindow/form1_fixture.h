// Helpers for the window's tests: scripted dialogs that answer the file dialogs and record the
// message boxes, a temporary folder, image files with a known pattern (sparse when large), and
// a fixture holding a shown Form1 with its controls by name.
#pragma once

#include "common/temp_files.h"
#include "mainwindow/dialogs.h"
#include "mainwindow/form1.h"

#include "button/button_widget.h"
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace form1::test {

using Bytes = std::vector<char>;

struct ShownMessage {
    QString text;
    QString title;
};

struct ShownError {
    int number;
    QString description;
};

// What the fake dialogs answer, and what the window asked and showed.
struct DialogScript {
    std::deque<QString> openAnswers; // "" answers as a cancel
    std::deque<QString> saveAnswers;
    std::vector<FileDialogSetup> opens;
    std::vector<FileDialogSetup> saves;
    std::vector<ShownMessage> messages;
    std::vector<ShownError> errors;
};

class FakeDialogs final : public Form1Dialogs {
  public:
    explicit FakeDialogs(DialogScript& script) : s_(script) {}
    QString ShowOpen(QWidget*, const FileDialogSetup& setup) override {
        s_.opens.push_back(setup);
        return next(s_.openAnswers);
    }
    QString ShowSave(QWidget*, const FileDialogSetup& setup) override {
        s_.saves.push_back(setup);
        return next(s_.saveAnswers);
    }
    void MsgBox(QWidget*, const QString& text, const QString& title) override {
        s_.messages.push_back({text, title});
    }
    void ErrorBox(QWidget*, int number, const QString& description) override {
        s_.errors.push_back({number, description});
    }

  private:
    static QString next(std::deque<QString>& answers) {
        if (answers.empty()) return {};
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
    DialogScript& s_;
};

// The shared scratch folder, naming its files as the window's text boxes hold them.
class TempDir {
  public:
    QString file(const char* name) const { return QString::fromStdString(dir_.file(name)); }

  private:
    qdct::test::TempDir dir_{"form1-test"};
};

// n bytes that differ from their neighbours and from zero.
inline Bytes pattern(std::size_t n) {
    Bytes bytes(n);
    for (std::size_t i = 0; i < n; ++i) bytes[i] = static_cast<char>((i * 7 + 3) % 251 + 1);
    return bytes;
}

// A file of `size` bytes whose first `head` bytes are pattern(head); the rest is a hole.
inline void makeImage(const QString& path, std::uintmax_t size, std::size_t head = 0) {
    {
        std::ofstream out(path.toStdString(), std::ios::binary | std::ios::trunc);
        const Bytes bytes = pattern(head);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    std::filesystem::resize_file(path.toStdString(), size);
}

inline Bytes readFile(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

using qdct::test::FileSizeLimit; // lowers the file-size limit so that writes fail

// The sectors of the Option1 preset; a source of this many sectors passes the preset check.
inline constexpr std::uintmax_t kOption1Sectors = 2297888;
inline constexpr std::uintmax_t kOption1Bytes = kOption1Sectors * 2048;

class Form1Test : public ::testing::Test {
  protected:
    Form1Test() : form(std::make_unique<FakeDialogs>(script)) {
        // Closing the window is part of the tests; it must not end the test program's loop.
        QApplication::setQuitOnLastWindowClosed(false);
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    template <typename T>
    T& control(const char* name) {
        auto* widget = form.findChild<T*>(QString::fromLatin1(name));
        if (widget == nullptr) throw std::runtime_error(std::string("no control ") + name);
        return *widget;
    }
    QLineEdit& txtSrc() { return control<QLineEdit>("txtSrc"); }
    QLineEdit& TxtDest() { return control<QLineEdit>("TxtDest"); }
    QLineEdit& Text1() { return control<QLineEdit>("Text1"); }
    QLineEdit& Text3() { return control<QLineEdit>("Text3"); }
    QLabel& Label2() { return control<QLabel>("Label2"); }
    QProgressBar& PB1() { return control<QProgressBar>("PB1"); }
    QRadioButton& option(int n) {
        return control<QRadioButton>(("Option" + std::to_string(n)).c_str());
    }
    ChameleonButtonWidget& button(int n) {
        return control<ChameleonButtonWidget>(("chameleonButton" + std::to_string(n)).c_str());
    }
    // A real left click in the middle of a button: press, release, Click.
    void click(int n) { QTest::mouseClick(&button(n), Qt::LeftButton); }

    // Browses to `source` and `output` and sets the sectors to add.
    void prepareCut(const QString& source, const QString& output, const QString& added) {
        script.openAnswers.push_back(source);
        click(1);
        script.saveAnswers.push_back(output);
        click(2);
        Text3().setText(added);
    }
    bool bothFilesClosed() const {
        return !form.sourceFile().IsOpen() && !form.outputFile().IsOpen();
    }

    DialogScript script;
    TempDir dir;
    Form1 form;
};

} // namespace form1::test
