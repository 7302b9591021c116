// Form1's handlers through real clicks on its buttons, with scripted dialogs: the browses and
// Label2, the presets, the cut with its messages, PB1 and exact output bytes, the errors that
// stop a handler (shown, and the window goes on with nothing left open), and quitting or
// clicking again while a cut runs.
#include "form1_fixture.h"

#include "cutting/file_error.h"

#include <QLocale>
#include <QTimer>

namespace form1::test {
namespace {

const QString kIsoFilter = QStringLiteral("File ISO (*.ISO)");

TEST_F(Form1Test, SourceBrowseShowsTheSectorCountAndACancelKeepsIt) {
    const QString exact = dir.file("exact.ISO");
    const QString oneMore = dir.file("one_more.ISO");
    const QString fraction = dir.file("fraction.ISO");
    makeImage(exact, kOption1Bytes);
    makeImage(oneMore, kOption1Bytes + 2048);
    makeImage(fraction, 1000000);
    const int labelX = Label2().x();
    const int zeroWidth = Label2().width();

    script.openAnswers = {exact, oneMore, fraction, QString()};
    click(1);
    EXPECT_EQ(txtSrc().text(), exact);
    EXPECT_EQ(Label2().text(), "2297888");
    // The label grows to the right to show the whole count.
    EXPECT_EQ(Label2().x(), labelX);
    EXPECT_GT(Label2().width(), zeroWidth);
    EXPECT_EQ(Label2().width(), Label2().sizeHint().width());
    click(1);
    EXPECT_EQ(Label2().text(), "2297889");
    click(1);
    EXPECT_EQ(Label2().text(), "488.28125");
    click(1); // cancelled
    EXPECT_EQ(txtSrc().text(), "");
    EXPECT_EQ(Label2().text(), "488.28125");

    ASSERT_EQ(script.opens.size(), 4u);
    for (const FileDialogSetup& setup : script.opens) {
        EXPECT_EQ(setup.Filter, kIsoFilter);
        EXPECT_EQ(setup.DialogTitle, "Open Dvd ISO Image");
        EXPECT_EQ(setup.FileName, ""); // every time, whatever was chosen before
    }
    EXPECT_TRUE(script.saves.empty());
    EXPECT_TRUE(script.errors.empty());
}

TEST_F(Form1Test, SourceBrowseWritesTheUsersDecimalSeparator) {
    const QString fraction = dir.file("fraction.ISO");
    makeImage(fraction, 4195328); // 2048.5 sectors
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    script.openAnswers = {fraction};
    click(1);
    QLocale::setDefault(saved);
    EXPECT_EQ(Label2().text(), "2048,5");
}

TEST_F(Form1Test, SourceBrowseWhoseLookupFailsShowsTheErrorAndTheWindowGoesOn) {
    const QString exact = dir.file("exact.ISO");
    makeImage(exact, kOption1Bytes);
    const QString missing = dir.file("missing.ISO");
    const QString folder = dir.file("");

    script.openAnswers = {missing, folder, exact};
    click(1);
    ASSERT_EQ(script.errors.size(), 1u);
    EXPECT_EQ(script.errors[0].number, cutting::errnum::kFileNotFound);
    EXPECT_TRUE(script.errors[0].description.contains(missing));
    EXPECT_EQ(txtSrc().text(), missing);
    EXPECT_EQ(Label2().text(), "0");
    click(1);
    EXPECT_EQ(script.errors.size(), 2u);
    EXPECT_EQ(Label2().text(), "0");
    click(1);
    EXPECT_EQ(Label2().text(), "2297888");
    EXPECT_TRUE(form.isVisible());
}

TEST_F(Form1Test, OutputBrowseFillsTheOutputPathAndACancelEmptiesIt) {
    const QString output = dir.file("out.ISO");
    script.saveAnswers = {output, QString()};
    click(2);
    EXPECT_EQ(TxtDest().text(), output);
    click(2);
    EXPECT_EQ(TxtDest().text(), "");
    ASSERT_EQ(script.saves.size(), 2u);
    for (const FileDialogSetup& setup : script.saves) {
        EXPECT_EQ(setup.Filter, kIsoFilter);
        EXPECT_EQ(setup.DialogTitle, "Save Dvd ISO Image");
        EXPECT_EQ(setup.FileName, "");
    }
    EXPECT_TRUE(script.opens.empty());
}

TEST_F(Form1Test, OptionsWriteTheirPresetIntoText1AndStayOneGroup) {
    const char* const sectors[] = {"2297888", "2298496", "2295104", "4173824", "4150400"};
    EXPECT_TRUE(option(1).isChecked());
    EXPECT_EQ(Text1().text(), "2297888");
    QTest::mouseClick(&option(4), Qt::LeftButton);
    EXPECT_EQ(Text1().text(), "4173824");
    QTest::mouseClick(&option(1), Qt::LeftButton);
    EXPECT_EQ(Text1().text(), "2297888");
    for (int n = 1; n <= 5; ++n) {
        QTest::mouseClick(&option(n), Qt::LeftButton);
        EXPECT_EQ(Text1().text(), sectors[n - 1]) << "Option" << n;
        for (int m = 1; m <= 5; ++m) EXPECT_EQ(option(m).isChecked(), m == n);
        // Clicking the selected one again does not clear it.
        QTest::mouseClick(&option(n), Qt::LeftButton);
        EXPECT_TRUE(option(n).isChecked());
    }
    // Text1 takes the focus but not typing.
    EXPECT_TRUE(Text1().isReadOnly());
    EXPECT_NE(Text1().focusPolicy() & Qt::TabFocus, 0);
}

TEST_F(Form1Test, StartCuttingCopiesTheRequestedSectorsWithProgress) {
    const QString source = dir.file("source.ISO");
    const QString output = dir.file("output.ISO");
    makeImage(source, kOption1Bytes + 4096, 1 << 20);
    // Option3 and -2294804 sectors: 300 sectors, 150 blocks.
    prepareCut(source, output, "-2294804");
    QTest::mouseClick(&option(3), Qt::LeftButton);
    QSignalSpy steps(&PB1(), &QProgressBar::valueChanged);
    click(3);

    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_EQ(script.messages[0].text, "Process Successfully!!!");
    EXPECT_EQ(script.messages[0].title, "Info");
    EXPECT_TRUE(script.errors.empty());
    const Bytes expected = pattern(300 * 2048);
    EXPECT_EQ(readFile(output), expected);
    EXPECT_EQ(PB1().minimum(), 0);
    EXPECT_EQ(PB1().maximum(), PB1().value());
    // At most one bar change per block, and every change moves forward.
    EXPECT_LE(steps.size(), 151);
    for (int i = 1; i < steps.size(); ++i) EXPECT_GT(steps[i][0].toInt(), steps[i - 1][0].toInt());
    EXPECT_TRUE(bothFilesClosed());
    EXPECT_FALSE(form.isCutting());
}

TEST_F(Form1Test, RefusalsShowTheirMessageAndOpenNothing) {
    const QString source = dir.file("small.ISO");
    makeImage(source, 1 << 20, 1 << 20);
    const QString output = dir.file("output.ISO");

    click(3); // no source
    txtSrc().setText(source);
    click(3); // no output
    TxtDest().setText(output);
    click(3); // typed, never browsed: Label2 still "0", below the preset
    ASSERT_EQ(script.messages.size(), 3u);
    EXPECT_EQ(script.messages[0].text, "Please select ISO imput");
    EXPECT_EQ(script.messages[1].text, "Please select ISO Output");
    EXPECT_EQ(script.messages[2].text, "Incorrect Preset.The numbers of Sectors of ISO DVD Image "
                                       "Selected are < of Dvd Preset");
    for (const ShownMessage& message : script.messages) EXPECT_EQ(message.title, "info");
    EXPECT_FALSE(std::filesystem::exists(output.toStdString()));
    EXPECT_EQ(PB1().value(), 0);
    EXPECT_TRUE(script.errors.empty());
}

// Each error that stops the cut is shown with its number and description; the window stays,
// both files are closed, and the next cut works.
TEST_F(Form1Test, ErrorsThatStopTheCutAreShownAndTheWindowGoesOn) {
    const QString source = dir.file("source.ISO");
    const QString output = dir.file("output.ISO");
    makeImage(source, kOption1Bytes, 1 << 20);
    prepareCut(source, output, "-2297884"); // 4 sectors

    struct Case {
        const char* what;
        std::function<void()> arrange;
        int number;
        std::function<void()> undo;
    };
    std::unique_ptr<FileSizeLimit> limit;
    const Case cases[] = {
        {"missing source", [&] { txtSrc().setText(dir.file("gone.ISO")); },
         cutting::errnum::kFileNotFound, [&] { txtSrc().setText(source); }},
        {"Text3 not a number", [&] { Text3().setText("four"); }, cutting::errnum::kTypeMismatch,
         [&] { Text3().setText("-2297884"); }},
        {"output refused", [&] { TxtDest().setText(dir.file("")); }, cutting::errnum::kOpenFailed,
         [&] { TxtDest().setText(output); }},
        {"write failure", [&] { limit = std::make_unique<FileSizeLimit>(4096); },
         cutting::errnum::kWriteFailed, [&] { limit.reset(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(output.toStdString());
        script.errors.clear();
        script.messages.clear();
        c.arrange();
        click(3);
        ASSERT_EQ(script.errors.size(), 1u);
        EXPECT_EQ(script.errors[0].number, c.number);
        EXPECT_FALSE(script.errors[0].description.isEmpty());
        EXPECT_TRUE(script.messages.empty());
        EXPECT_TRUE(bothFilesClosed());
        EXPECT_FALSE(form.isCutting());
        EXPECT_TRUE(form.isVisible());
        c.undo();
        click(3);
        ASSERT_EQ(script.messages.size(), 1u);
        EXPECT_EQ(script.messages[0].text, "Process Successfully!!!");
        EXPECT_EQ(readFile(output), pattern(4 * 2048));
    }
}

TEST_F(Form1Test, QuitClosesTheWindowWithBothFilesClosed) {
    click(4);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(bothFilesClosed());
}

// "Quit" or the window's close during a cut: the cut stops after its block, both files are
// closed, and only then does the window go.
TEST_F(Form1Test, QuitOrCloseDuringACutCancelsItThenCloses) {
    const QString source = dir.file("source.ISO");
    makeImage(source, kOption1Bytes, 1 << 20);
    for (const bool byQuit : {true, false}) {
        SCOPED_TRACE(byQuit ? "Quit" : "close");
        form.show();
        const QString output = dir.file(byQuit ? "quit.ISO" : "close.ISO");
        prepareCut(source, output, "-2297388"); // 500 sectors
        bool visibleWhileCutting = false;
        bool filesOpenWhileCutting = false;
        QTimer::singleShot(0, &form, [&] {
            if (byQuit)
                click(4);
            else
                form.close();
            visibleWhileCutting = form.isVisible();
            filesOpenWhileCutting = form.sourceFile().IsOpen() && form.outputFile().IsOpen();
        });
        click(3);
        EXPECT_TRUE(visibleWhileCutting);
        EXPECT_TRUE(filesOpenWhileCutting);
        EXPECT_FALSE(form.isVisible());
        EXPECT_TRUE(bothFilesClosed());
        EXPECT_TRUE(script.messages.empty());
        EXPECT_TRUE(script.errors.empty());
        const auto written = std::filesystem::file_size(output.toStdString());
        EXPECT_GT(written, 0u);
        EXPECT_LT(written, 500u * 2048);
    }
}

TEST_F(Form1Test, ASecondStartCuttingDuringACutIsIgnored) {
    const QString source = dir.file("source.ISO");
    const QString output = dir.file("output.ISO");
    makeImage(source, kOption1Bytes, 1 << 20);
    prepareCut(source, output, "-2297688"); // 200 sectors
    int clicksDuringCut = 0;
    QTimer::singleShot(0, &form, [&] {
        if (form.isCutting()) ++clicksDuringCut;
        click(3);
    });
    click(3);
    EXPECT_EQ(clicksDuringCut, 1);
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_EQ(script.messages[0].text, "Process Successfully!!!");
    EXPECT_TRUE(script.errors.empty());
    EXPECT_EQ(readFile(output), pattern(200 * 2048));
    EXPECT_TRUE(form.isVisible());
}

TEST(ErrorBoxText, ShowsTheNumberAndTheDescriptionOnItsOwnLines) {
    EXPECT_EQ(errorBoxText(53, "File not found: '/a.ISO'."),
              "Run-time error '53':\n\nFile not found: '/a.ISO'.");
    EXPECT_EQ(errorBoxText(45602, "Error opening '/a'\r\nError 13\r\nPermission denied"),
              "Run-time error '45602':\n\nError opening '/a'\nError 13\nPermission denied");
    EXPECT_EQ(errorBoxText(1, "%1 %2"), "Run-time error '1':\n\n%1 %2");
}

} // namespace
} // namespace form1::test
