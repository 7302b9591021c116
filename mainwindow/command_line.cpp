// The program prints the help and version texts itself rather than through
// QCommandLineParser::process(), so that they work before (and without) the GUI application
// and its display. Single-dash words are long options, as Qt's own are: "-reverse" is one
// option, not -r -e -v -e -r -s -e, so it is never taken for -v.
#include "mainwindow/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace form1 {
namespace {

constexpr qsizetype kMaxPaths = 2; // SOURCE and OUTPUT
constexpr char kHelpAll[] = "help-all";

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// The window's options and paths, for either reading.
struct WindowParser {
    WindowParser() {
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.setApplicationDescription(QCoreApplication::translate(
            "CommandLine", "Cuts a DVD disc image to the size of a recordable-DVD preset."));
        parser.addPositionalArgument(
            QStringLiteral("SOURCE"),
            QCoreApplication::translate("CommandLine", "The image to cut, shown as the source."),
            QStringLiteral("[SOURCE"));
        parser.addPositionalArgument(
            QStringLiteral("OUTPUT"),
            QCoreApplication::translate("CommandLine", "The image to write, shown as the output."),
            QStringLiteral("[OUTPUT]]"));
    }

    QCommandLineParser parser;
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
};

QStringList texts(const QByteArrayList& arguments) {
    QStringList decoded;
    for (const QByteArray& argument : arguments) decoded << QFile::decodeName(argument);
    return decoded;
}

// The arguments that the parser read as `paths`, in their own bytes: each is the next argument
// that decodes to its text. Options and "--" are plain ASCII, so none is taken for a path that
// differs from it.
QByteArrayList bytesOf(const QStringList& paths, const QByteArrayList& arguments) {
    QByteArrayList bytes;
    qsizetype next = 1;
    for (const QString& path : paths) {
        while (next < arguments.size() && QFile::decodeName(arguments[next]) != path) ++next;
        if (next < arguments.size()) bytes << arguments[next++];
    }
    return bytes;
}

// A path as typed, made absolute against the working folder, which the cut would use anyway.
QByteArray absolutePath(const QByteArray& typed) {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::absolute(typed.toStdString(), error);
    return error ? typed : QByteArray::fromStdString(path.string());
}

} // namespace

EarlyRequest answerEarlyRequest(const QByteArrayList& arguments) {
    WindowParser window;
    window.parser.parse(texts(arguments)); // what it does not know may be Qt's: left for later
    if (window.parser.isSet(window.version)) {
        print(stdout, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                    QCoreApplication::applicationVersion()));
        return EarlyRequest::Version;
    }
    if (window.parser.isSet(QString::fromLatin1(kHelpAll))) return EarlyRequest::HelpAll;
    if (!window.parser.isSet(window.help)) return EarlyRequest::None;
    print(stdout, window.parser.helpText());
    return EarlyRequest::Help;
}

void showHelpAll() {
    WindowParser window;
    window.parser.process({QCoreApplication::arguments().value(0),
                           QStringLiteral("--") + QString::fromLatin1(kHelpAll)});
    std::exit(EXIT_SUCCESS); // not reached: process() ends the program after the help
}

CommandLine parseCommandLine(const QByteArrayList& arguments) {
    WindowParser window;
    const bool parsed = window.parser.parse(texts(arguments));
    const QStringList paths = window.parser.positionalArguments();
    QString error = parsed ? QString() : window.parser.errorText();
    if (error.isEmpty() && paths.size() > kMaxPaths)
        error = QCoreApplication::translate("CommandLine", "Too many arguments.");
    if (error.isEmpty() && paths.contains(QString()))
        error = QCoreApplication::translate("CommandLine", "An empty argument names no file.");
    if (!error.isEmpty()) {
        print(stderr,
              QStringLiteral("%1: %2\n\n%3")
                  .arg(QCoreApplication::applicationName(), error, window.parser.helpText()));
        return {std::nullopt, kUsageExit};
    }
    const QByteArrayList bytes = bytesOf(paths, arguments);
    StartPaths start;
    if (!bytes.empty()) start.source = absolutePath(bytes[0]);
    if (bytes.size() > 1) start.output = absolutePath(bytes[1]);
    return {start, 0};
}

} // namespace form1
