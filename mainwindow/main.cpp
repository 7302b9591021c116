// Entry point: the command line first, with no display needed, then one application and one
// window; the application ends when the window goes.
#include "mainwindow/command_line.h"
#include "mainwindow/form1.h"
#include "mainwindow/form1_looks.h"
#include "mainwindow/translation.h"

#include <QApplication>
#include <cstdio>
#include <exception>

namespace {

// Reads the command line under a core application: it knows the arguments and loads the
// translation for the help text without connecting to a display.
form1::CommandLine readCommandLine(int& argc, char** argv) {
    const QCoreApplication core(argc, argv);
    const auto translation = form1::installTranslation(QLocale(), form1::translationFolders());
    return form1::parseCommandLine(QCoreApplication::arguments());
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QString::fromLatin1(form1::kProgramName));
    QCoreApplication::setApplicationVersion(QStringLiteral(QDCT_VERSION));
    const form1::CommandLine command = readCommandLine(argc, argv);
    if (!command.window) return command.exitCode;

    QApplication app(argc, argv);
    // For desktops that match windows to their entries by it.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(form1::kDesktopEntryId));
    const auto translation = form1::installTranslation(QLocale(), form1::translationFolders());
    form1::installFontStandIn(); // before any widget resolves a font
    try {
        form1::Form1 window;
        window.show();
        if (!command.window->source.isEmpty()) window.chooseSource(command.window->source);
        if (!command.window->output.isEmpty()) window.chooseOutput(command.window->output);
        return app.exec();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quillmar-dvd: %s\n", e.what());
        return 1;
    }
}
