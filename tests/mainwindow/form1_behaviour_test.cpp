// Form1's handlers through real clicks, with scripted dialogs: the browses and Label2, the
// presets, the cut's messages, PB1 and output bytes, the errors that stop a handler (shown; the
// window goes on with nothing left open), and quitting or clicking again while a cut runs.
// Also the command line's start paths (its options are run by the install test), PB1's
// mapping of byte counts onto whole steps in 64-bit arithmetic and its text during a cut. On a
// user's desktop: files dropped from a file manager (real drag events routed by the window to the
// control under the pointer) and the names a screen reader hears.
#include "form1_fixture.h"
#include "tests/cutting/disc_images.h"

#include <QAccessible>

#include "cutting/file_error.h"
#include "mainwindow/command_line.h"
#include "mainwindow/form1_looks.h"
#include "mainwindow/scaled_progress.h"

#include <functional>
#include <optional>

namespace form1::test {
namespace {

namespace errnum = cutting::errnum;
const QString kOpenAsked = "open|File ISO (*.ISO)|Open Dvd ISO Image|";
const QString kSaveAsked = "save|File ISO (*.ISO)|Save Dvd ISO Image|";
const QString kSuccess = "Info: Process Successfully!!!";
// A cut of several chunks, so that a cancel at its start comes before its end.
constexpr int kChunksCut = 3 * int(cutting::kChunkBytes / 2048);

TEST_F(Form1Test, SourceBrowseShowsTheSectorCountAndACancelKeepsIt) {
    // Fractions to 15 significant digits, never rounded up to a whole count; no group separators.
    const QLocale c = QLocale::c();
    const std::tuple<std::uintmax_t, QLocale, const char*> cases[] = {
        {kOption1Bytes, c, "2297888"},
        {kOption1Bytes + 2048, c, "2297889"},
        {1000000, c, "488.28125"},
        {4195328, QLocale(QLocale::German, QLocale::Germany), "2048,5"},
        {1, c, "0.00048828125"},
        {kOption1Bytes - 1, c, "2297887.99951172"},
        {std::uintmax_t{1} << 43, c, "4294967296"},
        {std::uintmax_t{123456789} * 2048, c, "123456789"}};
    const QPoint corner = Label2().pos();
    const QLocale saved;
    for (const auto& [bytes, locale, label2] : cases) {
        SCOPED_TRACE(label2);
        makeImage(path(label2), bytes);
        dialogs.answers = {path(label2)};
        QLocale::setDefault(locale);
        click(1);
        QLocale::setDefault(saved);
        EXPECT_EQ(edit("txtSrc").text(), path(label2));
        EXPECT_EQ(Label2().text(), label2);
        // The label grows to the right and stays within its frame.
        EXPECT_EQ(Label2().geometry(), QRect(corner, Label2().sizeHint()));
        EXPECT_LE(Label2().geometry().right(), Label2().parentWidget()->width());
    }
    click(1); // cancelled
    EXPECT_EQ(edit("txtSrc").text(), "");
    // Every time with the same setup and an empty start name, whatever was chosen before.
    EXPECT_EQ(dialogs.asked, QStringList(std::size(cases) + 1, kOpenAsked));

    // A chosen path that names no file, or a folder: the lookup's error.
    for (const QString& chosen : {path("missing.ISO"), path("")}) {
        dialogs.answers = {chosen};
        click(1);
        ASSERT_FALSE(dialogs.errors.empty());
        EXPECT_EQ(dialogs.errors.back().first, errnum::kFileNotFound);
        EXPECT_TRUE(dialogs.errors.back().second.contains(chosen));
    }
    EXPECT_EQ(dialogs.errors.size(), 2u);
    EXPECT_EQ(Label2().text(), "123456789"); // kept through the cancel and the errors
    // The output browse fills its path, and a cancel empties it.
    dialogs.answers = {path("out.ISO")};
    click(2);
    EXPECT_EQ(edit("TxtDest").text(), path("out.ISO"));
    click(2);
    EXPECT_EQ(edit("TxtDest").text(), "");
    EXPECT_EQ(dialogs.asked.mid(std::size(cases) + 3), QStringList({kSaveAsked, kSaveAsked}));
}

// Each option takes a click near the right edge of its rectangle, not only on its caption.
TEST_F(Form1Test, OptionsWriteTheirPresetIntoText1AndStayOneGroup) {
    for (int n : {4, 1, 2, 3, 5, 1}) {
        for (int i = 0; i < 2; ++i) // a second click does not clear it
            QTest::mouseClick(&option(n), Qt::LeftButton, {},
                              QPoint(option(n).width() - 2, option(n).height() / 2));
        EXPECT_EQ(edit("Text1").text(), kPresetSectors[n - 1]) << "Option" << n;
        for (int m = 1; m <= 5; ++m) EXPECT_EQ(option(m).isChecked(), m == n);
    }
    EXPECT_TRUE(edit("Text1").isReadOnly()); // only the options write it
}

// A cut through the window, with a second "Start Cutting" during it that is ignored.
TEST_F(Form1Test, StartCuttingCopiesTheSectorsWithProgressAndIgnoresASecondStart) {
    prepareCut(path("output.ISO"), 300, 3); // 150 blocks from Option3's preset
    bool clickedDuringCut = false;
    QTimer::singleShot(0, &form, [&] {
        clickedDuringCut = form.isCutting();
        click(3);
    });
    click(3);
    EXPECT_TRUE(clickedDuringCut);
    EXPECT_EQ(dialogs.messages, QStringList{kSuccess});
    EXPECT_EQ(readFile(path("output.ISO")), pattern(300 * 2048));
    EXPECT_EQ(PB1().maximum(), PB1().value());
    EXPECT_TRUE(bothFilesClosed() && dialogs.errors.empty());
}

// Each error that stops a cut is shown; the window stays, both files close, the next cut runs.
TEST_F(Form1Test, ErrorsThatStopTheCutAreShownAndTheWindowGoesOn) {
    std::optional<FileSizeLimit> limit;
    const std::pair<std::function<void()>, int> cases[] = {
        {[&] { edit("txtSrc").setText(path("gone.ISO")); }, errnum::kFileNotFound},
        {[&] { edit("Text3").setText("four"); }, errnum::kTypeMismatch},
        {[&] { edit("TxtDest").setText(path("")); }, errnum::kOpenFailed},
        {[&] { limit.emplace(4096); }, errnum::kWriteFailed}};
    for (const auto& [arrange, number] : cases) {
        SCOPED_TRACE(number);
        prepareCut(path("output.ISO"), 4);
        arrange();
        click(3);
        limit.reset();
        ASSERT_EQ(dialogs.errors.size(), 1u);
        EXPECT_EQ(dialogs.errors[0].first, number);
        EXPECT_FALSE(dialogs.errors[0].second.isEmpty());
        EXPECT_TRUE(bothFilesClosed() && !form.isCutting() && form.isVisible());
        dialogs.errors.clear();
    }
}

// An error a button's own handling leaves (a KeyDown overflow) is shown in the error box too.
TEST_F(Form1Test, AButtonsOwnErrorIsShownInTheErrorBox) {
    QObject::connect(&button(4), &chameleon::ChameleonButtonWidget::KeyDown,
                     [](qint16& keyCode, qint16&) { keyCode = 1000; });
    QTest::keyClick(&button(4), Qt::Key_A);
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_EQ(dialogs.errors[0].first, qdct::errnum::kOverflow);
    EXPECT_TRUE(dialogs.errors[0].second.contains("1000"));
    EXPECT_TRUE(form.isVisible());
}

QString spoken(QWidget& control) {
    return QAccessible::queryAccessibleInterface(&control)->text(QAccessible::Description);
}

// "Quit" closes at once when idle. Quit, close or Escape during a cut stop it after its chunk
// with both files closed and the older output's tail gone: Quit and close then close the window
// silently, Escape says how far it got. PB1's text shows only meanwhile, and a screen reader
// hears it as the bar's description.
TEST_F(Form1Test, QuitCloseOrEscapeDuringACutStopItAfterItsChunk) {
    click(4);
    EXPECT_FALSE(form.isVisible());
    for (const std::string how : {"quit", "close", "escape"}) {
        SCOPED_TRACE(how);
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        makeImage(path("output.ISO"), 2u << 20, 1 << 20); // older and longer
        prepareCut(path("output.ISO"), kChunksCut);
        EXPECT_FALSE(PB1().isTextVisible());
        QString textDuringCut, spokenDuringCut;
        bool visibleAndOpen = false;
        QTimer::singleShot(0, &form, [&] {
            textDuringCut = PB1().isTextVisible() ? PB1().text() : "(none)";
            spokenDuringCut = spoken(PB1());
            visibleAndOpen =
                form.isVisible() && form.sourceFile().IsOpen() && form.outputFile().IsOpen();
            if (how == "quit") click(4);
            if (how == "close") form.close();
            if (how == "escape") QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
        click(3);
        EXPECT_TRUE(visibleAndOpen && bothFilesClosed() && !PB1().isTextVisible());
        EXPECT_EQ(form.isVisible(), how == "escape");
        EXPECT_EQ(textDuringCut, "0%");
        EXPECT_EQ(spokenDuringCut, "0%");
        EXPECT_EQ(spoken(PB1()), "How much of the output image has been written");
        const auto written = std::filesystem::file_size(path("output.ISO").toStdString());
        EXPECT_TRUE(written < kChunksCut * 2048u) << written;
        auto expected = pattern(1 << 20);
        expected.resize(written);
        EXPECT_EQ(readFile(path("output.ISO")), expected);
        const QString cancelled = "info: Cutting cancelled: %1 of %2 bytes written.";
        EXPECT_EQ(dialogs.messages, how == "escape"
                                        ? QStringList{cancelled.arg(written).arg(kChunksCut * 2048)}
                                        : QStringList{});
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // idle: nothing to cancel
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.errors.empty());
}

// A modal dialog opened during a cut does not pause it: the copy and the bar go on under it.
TEST_F(Form1Test, ADialogOpenedDuringACutDoesNotPauseIt) {
    prepareCut(path("output.ISO"), kChunksCut);
    bool completeUnderTheDialog = false;
    dialogs.whileOpen = [&] {
        QElapsedTimer open;
        open.start();
        while (PB1().value() < PB1().maximum() && open.elapsed() < 10000) QTest::qWait(5);
        completeUnderTheDialog =
            std::filesystem::file_size(path("output.ISO").toStdString()) == kChunksCut * 2048u;
    };
    QTimer::singleShot(0, &form, [&] { click(1); });
    click(3);
    EXPECT_TRUE(completeUnderTheDialog);
    EXPECT_EQ(dialogs.messages, QStringList{kSuccess});
}

TEST(ErrorBoxText, ShowsTheNumberAndTheDescriptionOnItsOwnLines) {
    EXPECT_EQ(errorBoxText(53, "File not found: '/a.ISO'."),
              "Run-time error '53':\n\nFile not found: '/a.ISO'.");
    EXPECT_EQ(errorBoxText(45602, "Error opening '/a'\r\nError 13\r\nPermission denied"),
              "Run-time error '45602':\n\nError opening '/a'\nError 13\nPermission denied");
    EXPECT_EQ(errorBoxText(1, "%1 %2"), "Run-time error '1':\n\n%1 %2");
}

// Start paths are bytes: names that are not UTF-8 fill the boxes, show the count and are cut.
TEST_F(Form1Test, StartPathsFillTheBoxesThroughTheSourceLookUp) {
    const std::string source = dir.file("source\xff.ISO"), output = dir.file("out\xfe.ISO");
    cutting::test::writeFile(source, pattern(1 << 20));
    std::filesystem::resize_file(source, kOption1Bytes);
    const StartPaths start = parseCommandLine({"quillmar-dvd", QByteArray::fromStdString(source),
                                               QByteArray::fromStdString(output)})
                                 .window.value();
    form.chooseSource(start.source);
    form.chooseOutput(start.output);
    EXPECT_EQ(Label2().text(), "2297888");
    edit("Text3").setText("-2297788");
    click(3);
    EXPECT_EQ(cutting::test::readFile(output), pattern(100 * 2048));
    form.chooseSource(path("missing.ISO"));
    EXPECT_EQ(edit("txtSrc").text(), path("missing.ISO"));
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_EQ(dialogs.errors[0].first, 53);
    EXPECT_EQ(Label2().text(), "2297888");
}

TEST(CutProgressText, PercentThenSpeedThenTimeLeft) {
    constexpr auto kCopy = cutting::CutPhase::Copying;
    // Bytes done of 1000 (an empty cut is complete), speed, seconds left, phase, text.
    const std::tuple<double, std::optional<double>, std::optional<double>, cutting::CutPhase,
                     const char*>
        cases[] = {
            {0, {}, {}, kCopy, "0%"},
            {379, 812.4e6, {}, kCopy, "37% · 812 MB/s"},
            {370, 812.6e6, 4.5, kCopy, "37% · 813 MB/s · 0:05 left"},
            {59, 9.96e6, 724.6, kCopy, "5% · 10.0 MB/s · 12:05 left"},
            {999.9, 0.25e6, 3 * 3600 + 62, kCopy, "99% · 0.3 MB/s · 3:01:02 left"},
            {1000, 999.4e6, 0.4, kCopy, "100% · 999 MB/s · 0:00 left"},
            {370, 1.24e9, 3, cutting::CutPhase::Verifying, "Verifying 37% · 1.2 GB/s · 0:03 left"},
        };
    for (const auto& [done, speed, left, phase, text] : cases)
        EXPECT_EQ(cutProgressText(done, 1000, speed, left, phase), QString::fromUtf8(text));
    EXPECT_EQ(cutProgressText(0, 0, {}, {}), "100%");
}

TEST(ScaledProgressTest, MapsBytesOntoWholeStepsInSixtyFourBits) {
    // Option4 plus two sectors (a step of 8547995.648 bytes); an empty range is full once reached.
    constexpr double kBig = 4173824.0 * 2048 + 4096;
    // min, max, value, step
    const double cases[][4] = {
        {0, kBig, 0, 0},       {0, kBig, 4096, 0},        {0, kBig, 8547995, 0},
        {0, kBig, 8547996, 1}, {0, kBig, kBig / 2, 500},  {0, kBig, kBig - 1, 999},
        {0, kBig, kBig, 1000}, {0, kBig, kBig * 2, 1000}, {0, kBig, -5, 0},
        {1000, 3000, 1000, 0}, {1000, 3000, 2000, 500},   {1000, 3000, 2999, 999},
        {0, 0, 0, 1000}};
    QProgressBar bar;
    ScaledProgress progress(bar);
    for (const auto& [min, max, value, step] : cases) {
        progress.setMin(min);
        progress.setMax(max);
        EXPECT_EQ(progress.stepFor(value), step) << min << ".." << max << ": " << value;
    }
}

enum Field { None, Source, Output };

// Drags `data` onto `target` through the window's own routing, offering `actions` and
// proposing a move (Shift held); the action the drop was accepted with, or IgnoreAction.
Qt::DropAction dragOnto(QWidget& form, QWidget& target, const QMimeData& data,
                        Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction) {
    const QPoint at = target.mapTo(&form, target.rect().center());
    QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(form.windowHandle(), &enter);
    if (!enter.isAccepted()) return Qt::IgnoreAction;
    QDropEvent drop(at, actions, &data, Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(form.windowHandle(), &drop);
    return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

// A drop is a copy whatever the source proposes, so that it never deletes the image; a source
// that cannot copy is refused.
TEST_F(Form1Test, OneDroppedLocalFileBecomesTheSourceOrTheOutputAndAnythingElseIsRefused) {
    makeImage(path("a.ISO"), 4096);
    makeImage(path("b.ISO"), 2048);
    const QString a = QUrl::fromLocalFile(path("a.ISO")).toString();
    const QString b = QUrl::fromLocalFile(path("b.ISO")).toString();
    const QString folder = QUrl::fromLocalFile(path("")).toString();
    // Target, text/uri-list (or plain text after "text:"), the field it fills.
    const std::tuple<const char*, QString, Field> kDrops[] = {
        {"txtSrc", a, Source},
        {"TxtDest", a, Output},
        {"Text3", a, Source}, // the window's, under the number box
        {"Label1", a, Source},
        {"PB1", a, Source},
        {"txtSrc", a + "\r\n" + b, None},
        {"TxtDest", "https://example.org/a.ISO", None},
        {"Form1", folder, None},
        {"txtSrc", "text:" + a, None},
        {"Text3", "text:7", None}};
    for (const auto& [target, payload, field] : kDrops) {
        SCOPED_TRACE(std::string(target) + " " + payload.toStdString());
        edit("txtSrc").setText("before");
        edit("TxtDest").setText("before");
        edit("Text3").setText("1");
        setLabelCaption(Label2(), "0");
        QMimeData data;
        if (payload.startsWith("text:"))
            data.setText(payload.mid(5));
        else
            data.setData("text/uri-list", payload.toUtf8() + "\r\n");
        QWidget& over = QString(target) == "Form1" ? form : control(target);
        EXPECT_EQ(dragOnto(form, over, data), field != None ? Qt::CopyAction : Qt::IgnoreAction);
        EXPECT_EQ(edit("txtSrc").text(), field == Source ? path("a.ISO") : "before");
        EXPECT_EQ(Label2().text(), field == Source ? "2" : "0");
        EXPECT_EQ(edit("TxtDest").text(), field == Output ? path("a.ISO") : "before");
        EXPECT_EQ(edit("Text3").text(), "1");
        if (field != None) { // and none from a source that can only move it
            EXPECT_EQ(dragOnto(form, over, data, Qt::MoveAction), Qt::IgnoreAction);
        }
    }
}

// Every control a screen reader reaches has a name and a description.
TEST_F(Form1Test, EveryControlAScreenReaderReachesHasANameAndADescription) {
    for (const char* name : {"txtSrc", "chameleonButton1", "TxtDest", "chameleonButton2", "PB1",
                             "Option1", "Option2", "Option3", "Option4", "Option5", "Text1",
                             "Text3", "chameleonButton3", "chameleonButton4", "LabelFs"}) {
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(&control(name));
        ASSERT_NE(spoken, nullptr) << name;
        EXPECT_FALSE(spoken->text(QAccessible::Name).isEmpty()) << name;
        EXPECT_FALSE(spoken->text(QAccessible::Description).isEmpty()) << name;
    }
}

// The file-system line for a real ISO image, one whose volume says 2,400,000 sectors, and a plain
// file, as the preset and the added count change: its text, the colour it is drawn in, its place.
TEST_F(Form1Test, TheFileSystemLineSaysWhetherTheCutKeepsTheFileSystem) {
    const std::string why =
        cutting::test::makeDiscImage(cutting::test::DiscTool::Xorriso, dir, "iso");
    if (!why.empty()) GTEST_SKIP() << why;
    auto big = readFile(path("iso")); // the ISO volume's size, in both byte orders
    for (int i = 0; i < 4; ++i) big[32848 + i] = big[32855 - i] = 2400000 >> 8 * i & 0xFF;
    cutting::test::writeFile(dir.file("big"), big);
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QString big2400 = "File system: 2,400,000 sectors";
    const std::tuple<std::function<void()>, QString, bool> steps[] = {
        {[&] { form.chooseSource(path("big")); }, big2400 + " · cut loses 209 MB", true},
        {[&] { click(option(4)); }, big2400 + " · fits", false},
        {[&] { edit("Text3").setText("-1773824"); }, big2400 + " · fits", false},
        {[&] { edit("Text3").setText("-1773825"); }, big2400 + " · cut loses 0.1 MB", true},
        {[&] { edit("Text3").setText("-4173824"); }, big2400, false},
        {[&] { form.chooseSource(path("iso")), edit("Text3").setText("1"); },
         QString("File system: %L1 sectors · fits").arg(QFileInfo(path("iso")).size() / 2048),
         false},
        {[&] { form.chooseSource(path("content/readme.txt")); },
         "No ISO 9660 or UDF file system found", false}};
    QLabel& line = control<QLabel>("LabelFs");
    EXPECT_EQ(line.text(), ""); // no source yet
    for (const auto& [act, text, lossy] : steps) {
        act();
        EXPECT_EQ(line.text().toStdString(), text.toStdString());
        // Glyphs blend their ink into the blue: white keeps its blue channel full, yellow not.
        const QImage drawn = line.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const auto* pixels = reinterpret_cast<const QRgb*>(drawn.constBits());
        const int leastBlue =
            qBlue(*std::min_element(pixels, pixels + drawn.sizeInBytes() / 4,
                                    [](QRgb a, QRgb b) { return qBlue(a) < qBlue(b); }));
        EXPECT_TRUE(lossy ? leastBlue < 50 : leastBlue == 255) << leastBlue;
        EXPECT_GT(line.x(), Label2().geometry().right());
        EXPECT_LT(line.geometry().right(), line.parentWidget()->width());
    }
    QLocale::setDefault(saved);
}

} // namespace
} // namespace form1::test
