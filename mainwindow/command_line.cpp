// QCommandLineParser's own --help and --version need a running application to print through;
// the program prints their texts itself instead, so that they work before (and without) the
// GUI application and its display.
#include "mainwindow/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

namespace form1 {
namespace {

constexpr qsizetype kMaxPaths = 2; // SOURCE and OUTPUT

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// A path as typed, made absolute against the working folder, which the cut would use anyway.
QString absolutePath(const QString& typed) {
    return QDir::current().absoluteFilePath(typed);
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Cuts a DVD disc image to the size of a recordable-DVD preset."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("SOURCE"),
        QCoreApplication::translate("CommandLine", "The image to cut, shown as the source."),
        QStringLiteral("[SOURCE"));
    parser.addPositionalArgument(
        QStringLiteral("OUTPUT"),
        QCoreApplication::translate("CommandLine", "The image to write, shown as the output."),
        QStringLiteral("[OUTPUT]]"));

    const bool parsed = parser.parse(arguments);
    if (parsed && parser.isSet(version)) {
        print(stdout, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                    QCoreApplication::applicationVersion()));
        return {};
    }
    if (parsed && (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))) {
        print(stdout, parser.helpText());
        return {};
    }
    const QStringList paths = parser.positionalArguments();
    if (!parsed || paths.size() > kMaxPaths) {
        const QString error =
            parsed ? QCoreApplication::translate("CommandLine", "Too many arguments.")
                   : parser.errorText();
        print(stderr, QStringLiteral("%1: %2\n\n%3")
                          .arg(QCoreApplication::applicationName(), error, parser.helpText()));
        return {std::nullopt, 1};
    }
    StartPaths start;
    if (!paths.empty()) start.source = absolutePath(paths[0]);
    if (paths.size() > 1) start.output = absolutePath(paths[1]);
    return {start, 0};
}

} // namespace form1
