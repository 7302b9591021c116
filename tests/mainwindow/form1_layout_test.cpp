// Form1 as laid out: every control's kind, container, position, size, start text, colours and
// font, the tab order with the option group as one stop, and the drawn window's pixels. With
// QDCT_SCREENSHOT set to a path, the drawn window is also written there as a PNG (docs/).
// Also the buttons' stored form data (the shipped file holds the 23 keys per button in order
// with the window's extents), and the window in German: the translation is loaded and the
// window, its stored captions and the job's texts read German, paths and system texts kept.
#include "form1_fixture.h"

#include "mainwindow/job_texts.h"
#include "mainwindow/stored_buttons.h"
#include "mainwindow/translation.h"

namespace form1::test {
namespace {

// Caption: white on blue; Box: black on light cyan; Own: neither.
enum Look { Own, Caption, Big, Box };
// Each look's font: family, points and weight.
const char* const kLookFont[] = {"", "MS Sans Serif 8.25 700", "MS Sans Serif 13.5 700",
                                 "MS Sans Serif 8.25 400"};
constexpr char kButton[] = "chameleon::ChameleonButtonWidget";
constexpr char kFrame1Title[] =
    "Select ISO DVD IMAGE > 5 GB (Single Layer) or > 9 GB (Double Layer)";

// Name, kind, container, place in twips in its container, start text (nullptr: none), look.
using Placed = std::tuple<const char*, const char*, const char*, QRect, const char*, Look>;

const Placed kControls[] = {
    {"Frame1", "QGroupBox", "Form1", {240, 240, 6735, 975}, kFrame1Title, Caption},
    {"txtSrc", "QLineEdit", "Frame1", {120, 240, 5415, 285}, "", Box},
    {"chameleonButton1", kButton, "Frame1", {5760, 240, 855, 255}, nullptr, Own},
    {"Label1", "QLabel", "Frame1", {120, 720, 1485, 195}, "Sectors Number :", Caption},
    {"Label2", "QLabel", "Frame1", {1680, 720, 120, 195}, "0", Caption},
    {"Frame2", "QGroupBox", "Form1", {240, 3120, 6735, 615}, "Select ISO OUTPUT", Caption},
    {"TxtDest", "QLineEdit", "Frame2", {120, 240, 5415, 285}, "", Box},
    {"chameleonButton2", kButton, "Frame2", {5760, 240, 855, 255}, nullptr, Own},
    {"PB1", "QProgressBar", "Form1", {240, 3960, 6735, 375}, nullptr, Own},
    {"Option1", "QRadioButton", "Form1", {240, 1440, 2295, 255}, "DVD-R\\RW (Option 1)", Caption},
    {"Option2", "QRadioButton", "Form1", {240, 1800, 2295, 255}, "DVD-R\\RW (Option 2)", Caption},
    {"Option3", "QRadioButton", "Form1", {2760, 1440, 2175, 255}, "Dvd+R\\RW", Caption},
    {"Option4", "QRadioButton", "Form1", {2760, 1800, 1935, 255}, "Dual Layer DVD+R", Caption},
    {"Option5", "QRadioButton", "Form1", {4920, 1440, 2055, 255}, "Dual Layer DVD-R", Caption},
    {"Frame4", "QGroupBox", "Form1", {240, 2280, 1815, 615}, "LBA Cut Preset", Caption},
    {"Text1", "QLineEdit", "Frame4", {120, 240, 1575, 285}, "2297888", Box},
    {"Label3", "QLabel", "Form1", {2280, 2520, 195, 360}, "+", Big},
    {"Frame3", "QGroupBox", "Form1", {2760, 2280, 1815, 615}, "Type LBA TO ADD", Caption},
    {"Text3", "QLineEdit", "Frame3", {120, 240, 1575, 285}, "1", Box},
    {"chameleonButton3", kButton, "Form1", {4920, 1920, 2055, 375}, nullptr, Own},
    {"chameleonButton4", kButton, "Form1", {4920, 2520, 2055, 375}, nullptr, Own}};

constexpr int kTwipsPerPixel = 15;
const QColor kBlue(0, 0, 255), kWhite(255, 255, 255), kLightCyan(0xC0, 0xFF, 0xFF), kBlack(0, 0, 0);

QRect pixels(const QRect& t) {
    return {t.topLeft() / kTwipsPerPixel, t.size() / kTwipsPerPixel};
}

TEST_F(Form1Test, EveryControlHasItsKindContainerPlaceTextAndLook) {
    for (const auto& [name, kind, container, twips, text, look] : kControls) {
        SCOPED_TRACE(name);
        const QWidget& w = control(name);
        EXPECT_TRUE(w.inherits(kind) && w.isVisible());
        EXPECT_EQ(w.parentWidget()->objectName(), container);
        if (text != nullptr) {
            EXPECT_EQ(w.property(w.inherits("QGroupBox") ? "title" : "text"), text);
        }
        // Labels size themselves to their caption from their top-left corner.
        const QRect place = pixels(twips);
        EXPECT_EQ(w.geometry(),
                  w.inherits("QLabel") ? QRect(place.topLeft(), w.sizeHint()) : place);
        if (look == Own) continue;
        const QFont& font = w.font();
        EXPECT_EQ(QString("%1 %2 %3").arg(font.family()).arg(font.pointSizeF()).arg(font.weight()),
                  kLookFont[look]);
        const bool box = look == Box;
        const QPalette& colours = w.palette();
        EXPECT_EQ(colours.color(box ? QPalette::Base : QPalette::Window), box ? kLightCyan : kBlue);
        EXPECT_EQ(colours.color(box ? QPalette::Text : QPalette::WindowText),
                  box ? kBlack : kWhite);
        EXPECT_TRUE(box || w.autoFillBackground());
    }
    EXPECT_TRUE(option(1).isChecked());
    EXPECT_EQ(QList<int>({PB1().minimum(), PB1().maximum(), PB1().value()}),
              QList<int>({0, 100, 0}));
    EXPECT_EQ(form.palette().color(QPalette::Window), kBlue);
    EXPECT_TRUE(form.autoFillBackground());
    // The bar keeps the platform's look, not the window's blue.
    EXPECT_EQ(PB1().palette().color(QPalette::Window),
              QApplication::palette().color(QPalette::Window));
}

// The names that Tab visits from `start`, as many as `count`.
QStringList tabVisits(QWidget& start, int count) {
    start.setFocus(Qt::OtherFocusReason);
    QStringList visited;
    for (int i = 0; i < count; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    return visited;
}

TEST_F(Form1Test, TabVisitsTheControlsInOrderWithTheSelectedOptionAsOneStop) {
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(tabVisits(edit("txtSrc"), 9),
              QStringList({"chameleonButton1", "TxtDest", "chameleonButton2", "Option1", "Text3",
                           "chameleonButton3", "chameleonButton4", "Text1", "txtSrc"}));
    QTest::mouseClick(&option(4), Qt::LeftButton);
    EXPECT_EQ(tabVisits(button(2), 2), QStringList({"Option4", "Text3"}));
    // The arrow keys move the selection within the group, and the tab stop follows it.
    option(4).setFocus(Qt::OtherFocusReason);
    QTest::keyClick(&option(4), Qt::Key_Up);
    EXPECT_TRUE(option(3).isChecked());
    EXPECT_EQ(edit("Text1").text(), "2295104");
    EXPECT_EQ(tabVisits(button(2), 2), QStringList({"Option3", "Text3"}));
}

TEST_F(Form1Test, TheDrawnWindowShowsTheLooks) {
    QApplication::processEvents();
    const QImage image = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.size(), form.size() * image.devicePixelRatio());
    if (const QByteArray path = qgetenv("QDCT_SCREENSHOT"); !path.isEmpty()) {
        ASSERT_TRUE(image.save(QString::fromLocal8Bit(path), "PNG"));
    }
    const auto at = [&](const QWidget& w, QPoint p) { return image.pixelColor(w.mapTo(&form, p)); };

    // Between the controls, the window's blue.
    EXPECT_EQ(image.pixelColor(4, 4), kBlue);
    EXPECT_EQ(image.pixelColor(240, 140), kBlue);
    // Inside each text box, away from its frame and text, light cyan.
    for (const char* name : {"txtSrc", "TxtDest", "Text1", "Text3"}) {
        const QWidget& box = control(name);
        EXPECT_EQ(at(box, {box.width() - 6, box.height() / 2}), kLightCyan) << name;
    }
}

// Each button's extents in HIMETRIC and caption.
const std::tuple<int, int, const char*> kButtons[] = {{1508, 450, "......"},
                                                      {1508, 450, "......"},
                                                      {3625, 661, "Start Cutting"},
                                                      {3625, 661, "Quit"}};

// Every button's stored bag; %1, %2: the extents, %3: the caption.
constexpr char kStoredBag[] = R"([
  {"key": "_extentx", "type": "i32", "value": %1}, {"key": "_extenty", "type": "i32", "value": %2},
  {"key": "btype", "type": "i32", "value": 3}, {"key": "tx", "type": "str", "value": "%3"},
  {"key": "enab", "type": "bool", "value": true},
  {"key": "font", "type": "font", "value": {"name": "MS Sans Serif", "size": 8.25,
                                            "bold": false, "italic": false, "underline": false}},
  {"key": "coltype", "type": "i32", "value": 1}, {"key": "focusr", "type": "bool", "value": true},
  {"key": "bcol", "type": "i32", "value": 13160660}, {"key": "bcolo", "type": "i32", "value": 13160660},
  {"key": "fcol", "type": "i32", "value": 0}, {"key": "fcolo", "type": "i32", "value": 0},
  {"key": "mcol", "type": "i32", "value": 12632256}, {"key": "mptr", "type": "i16", "value": 1},
  {"key": "micon", "type": "pic", "value": null}, {"key": "umcol", "type": "bool", "value": true},
  {"key": "soft", "type": "bool", "value": false}, {"key": "picpos", "type": "i32", "value": 0},
  {"key": "ngrey", "type": "bool", "value": false}, {"key": "fx", "type": "i32", "value": 0},
  {"key": "hand", "type": "bool", "value": false}, {"key": "check", "type": "bool", "value": false},
  {"key": "value", "type": "bool", "value": false}
])";

// Saving each loaded button over its bag gives that bag exactly: any value or key amiss shows.
TEST_F(Form1Test, EachButtonIsLoadedFromTheShippedStoredData) {
    const auto bags = readStoredButtons(storedButtonsData());
    ASSERT_EQ(bags.size(), std::size(kButtons));
    for (int n = 1; n <= 4; ++n) {
        SCOPED_TRACE(n);
        const auto& [extentX, extentY, caption] = kButtons[n - 1];
        const QString expected = QString(kStoredBag).arg(extentX).arg(extentY).arg(caption);
        chameleon::PropertyBag saved = bags.at(button(n).objectName());
        button(n).save(saved);
        EXPECT_EQ(saved.toJson(), QJsonDocument::fromJson(expected.toUtf8()).array());
    }
}

TEST(TranslationTest, UnderGermanTheWindowAndTheJobSpeakGerman) {
    const auto german =
        installTranslation(QLocale(QLocale::German, QLocale::Austria), translationFolders());
    ASSERT_NE(german, nullptr);
    auto fake = std::make_unique<FakeDialogs>();
    FakeDialogs& dialogs = *fake;
    Form1 form(std::move(fake));
    EXPECT_EQ(form.findChild<QGroupBox*>("Frame2")->title(), "ISO-ZIEL wählen");
    auto& start = *form.findChild<chameleon::ChameleonButtonWidget*>("chameleonButton3");
    EXPECT_EQ(start.button().Caption(), "Zuschneiden");
    QTest::mouseClick(&start, Qt::LeftButton);
    EXPECT_EQ(dialogs.messages, QStringList{"Info: Bitte ein ISO-Quellabbild wählen"});
    QTest::mouseClick(form.findChild<chameleon::ChameleonButtonWidget*>("chameleonButton1"),
                      Qt::LeftButton);
    EXPECT_EQ(dialogs.asked, QStringList{"open|ISO-Datei (*.ISO)|DVD-ISO-Abbild öffnen|"});
    const qdct::test::TempDir dir;
    makeImage(QString::fromStdString(dir.file("plain")), 4096); // holds no file system
    form.chooseSource(QString::fromStdString(dir.file("plain")));
    EXPECT_EQ(form.findChild<QLabel*>("LabelFs")->text(),
              "Kein ISO-9660- oder UDF-Dateisystem gefunden");
    // Qt's own texts follow: the dialogs' buttons.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");

    const std::pair<const char*, const char*> kTexts[] = {
        {"Process Successfully!!!", "Erfolgreich abgeschlossen!!!"},
        {"Error opening '/x/info'.\r\nError 13\r\nPermission denied",
         "Fehler beim Öffnen von '/x/info'.\r\nFehler 13\r\nPermission denied"},
        {"Type mismatch: the LBA to add '%2x' is not a number.",
         "Typen unverträglich: die anzufügende LBA '%2x' ist keine Zahl."},
        {"Cutting cancelled: 4096 of 8192 bytes written.",
         "Zuschnitt abgebrochen: 4096 von 8192 Bytes geschrieben."},
        {"Verification failed: the output differs from the source at byte 7.",
         "Prüfung fehlgeschlagen: Die Ausgabe weicht ab Byte 7 von der Quelle ab."},
        {"Something else", "Something else"}};
    for (const auto& [english, translated] : kTexts)
        EXPECT_EQ(translateJobText(english), QString::fromUtf8(translated));
}

} // namespace
} // namespace form1::test
