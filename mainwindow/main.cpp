// Entry point: help and the version first, with no display needed, then one application that
// takes Qt's own options, the window's command line, and one window; the application ends when
// the window goes.
#include "mainwindow/command_line.h"
#include "mainwindow/cut_notifier.h"
#include "mainwindow/form1.h"
#include "mainwindow/form1_looks.h"
#include "mainwindow/translation.h"
#include "terminal/terminal_mode.h"
#include "terminal/terminal_options.h"

#include <QApplication>
#include <csignal>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

// Qt's options are the same on every platform; this one needs no display.
constexpr char kHeadlessPlatform[] = "offscreen";

QByteArrayList argumentsOf(int argc, char** argv) {
    QByteArrayList arguments;
    for (int i = 0; i < argc; ++i) arguments << QByteArray(argv[i]);
    return arguments;
}

// Answers help and the version under a core application: it knows the program's name and
// loads the translation for the help text without connecting to a display.
form1::EarlyRequest answerEarlyRequest(int& argc, char** argv) {
    const QCoreApplication core(argc, argv);
    const auto translation = form1::installTranslation(QLocale(), form1::translationFolders());
    return form1::answerEarlyRequest(argumentsOf(argc, argv));
}

} // namespace

int main(int argc, char* argv[]) {
    // A file-size limit (ulimit -f) then fails the write with EFBIG, a numbered error, instead
    // of ending the program in the middle of a cut.
    std::signal(SIGXFSZ, SIG_IGN);
    // --cut and --info need no display: no GUI application is made for them.
    if (const std::vector<std::string> arguments(argv, argv + argc);
        terminal::wantsTerminal(arguments))
        return terminal::runTerminal(arguments);
    QCoreApplication::setApplicationName(QString::fromLatin1(form1::kProgramName));
    QCoreApplication::setApplicationVersion(QStringLiteral(QDCT_VERSION));
    const form1::EarlyRequest early = answerEarlyRequest(argc, argv);
    if (early == form1::EarlyRequest::Help) std::fputs(terminal::terminalHelp().c_str(), stdout);
    if (early == form1::EarlyRequest::Help || early == form1::EarlyRequest::Version) return 0;
    if (early == form1::EarlyRequest::HelpAll) qputenv("QT_QPA_PLATFORM", kHeadlessPlatform);

    QApplication app(argc, argv); // takes Qt's options out of argv
    // For desktops that match windows to their entries by it; the entry's StartupWMClass names
    // the window's class.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(form1::kDesktopEntryId));
    const auto translation = form1::installTranslation(QLocale(), form1::translationFolders());
    if (early == form1::EarlyRequest::HelpAll) form1::showHelpAll();
    const form1::CommandLine command = form1::parseCommandLine(argumentsOf(argc, argv));
    if (!command.window) return command.exitCode;
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
