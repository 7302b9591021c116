// What the command line asks of the program, and the paths it gives reaching the window as a
// browse would put them there.
#include "form1_fixture.h"

#include "mainwindow/command_line.h"

namespace form1::test {
namespace {

TEST(CommandLineTest, HelpAndVersionExitWithoutAWindowAndPathsFillTheWindow) {
    const QString here = QDir::currentPath();
    // Arguments after the program's name; the exit code, or -1 for a window, and its paths.
    const std::tuple<QStringList, int, QString, QString> kCases[] = {
        {{}, -1, "", ""},
        {{"a.iso"}, -1, here + "/a.iso", ""},
        {{"/x/a.iso", "b.iso"}, -1, "/x/a.iso", here + "/b.iso"},
        {{"--version"}, 0, "", ""},
        {{"-h"}, 0, "", ""},
        {{"--help", "a.iso"}, 0, "", ""},
        {{"a", "b", "c"}, 1, "", ""},
        {{"--bogus"}, 1, "", ""}};
    for (const auto& [arguments, exitCode, source, output] : kCases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CommandLine line = parseCommandLine(QStringList{"quillmar-dvd"} + arguments);
        ASSERT_EQ(line.window.has_value(), exitCode < 0);
        if (line.window) {
            EXPECT_EQ(line.window->source, source);
            EXPECT_EQ(line.window->output, output);
        } else {
            EXPECT_EQ(line.exitCode, exitCode);
        }
    }
}

TEST_F(Form1Test, StartPathsFillTheBoxesThroughTheSourceLookUp) {
    makeImage(path("a.ISO"), 4195328);
    form.chooseSource(path("a.ISO"));
    form.chooseOutput(path("out.ISO"));
    EXPECT_EQ(Label2().text(), "2048.5");
    EXPECT_EQ(edit("TxtDest").text(), path("out.ISO"));
    form.chooseSource(path("missing.ISO"));
    EXPECT_EQ(edit("txtSrc").text(), path("missing.ISO"));
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_EQ(dialogs.errors[0].first, 53);
    EXPECT_EQ(Label2().text(), "2048.5");
}

} // namespace
} // namespace form1::test
