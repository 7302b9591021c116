// The paths the command line gives reach the window as a browse would put them there. The
// options themselves are run by the install test.
#include "form1_fixture.h"

#include "mainwindow/command_line.h"

namespace form1::test {
namespace {

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
