// Form1 as laid out: every control's kind, container, position, size and start text, the
// common looks, the window's title, size, flags, centring and icon, the tab order with the
// option group as one stop, and the drawn window's pixels. With QDCT_SCREENSHOT set to a path,
// the drawn window is also written there as a PNG (the screenshot in docs/).
#include "form1_fixture.h"

#include <QGroupBox>
#include <QImage>
#include <QScreen>

namespace form1::test {
namespace {

struct Placed {
    const char* name;
    const char* kind;
    const char* container;
    QRect twips;
    const char* text; // caption, title or text at start; nullptr where none
};

// Positions and sizes in twips, relative to the container's client area.
const Placed kControls[] = {
    {"Frame1",
     "QGroupBox",
     "Form1",
     {240, 240, 6735, 975},
     "Select ISO DVD IMAGE > 5 GB (Single Layer) or > 9 GB (Double Layer)"},
    {"txtSrc", "QLineEdit", "Frame1", {120, 240, 5415, 285}, ""},
    {"chameleonButton1", "ChameleonButtonWidget", "Frame1", {5760, 240, 855, 255}, nullptr},
    {"Label1", "QLabel", "Frame1", {120, 720, 1485, 195}, "Sectors Number :"},
    {"Label2", "QLabel", "Frame1", {1680, 720, 120, 195}, "0"},
    {"Frame2", "QGroupBox", "Form1", {240, 3120, 6735, 615}, "Select ISO OUTPUT"},
    {"TxtDest", "QLineEdit", "Frame2", {120, 240, 5415, 285}, ""},
    {"chameleonButton2", "ChameleonButtonWidget", "Frame2", {5760, 240, 855, 255}, nullptr},
    {"PB1", "QProgressBar", "Form1", {240, 3960, 6735, 375}, nullptr},
    {"Option1", "QRadioButton", "Form1", {240, 1440, 2295, 255}, "DVD-R\\RW (Option 1)"},
    {"Option2", "QRadioButton", "Form1", {240, 1800, 2295, 255}, "DVD-R\\RW (Option 2)"},
    {"Option3", "QRadioButton", "Form1", {2760, 1440, 2175, 255}, "Dvd+R\\RW"},
    {"Option4", "QRadioButton", "Form1", {2760, 1800, 1935, 255}, "Dual Layer DVD+R"},
    {"Option5", "QRadioButton", "Form1", {4920, 1440, 2055, 255}, "Dual Layer DVD-R"},
    {"Frame4", "QGroupBox", "Form1", {240, 2280, 1815, 615}, "LBA Cut Preset"},
    {"Text1", "QLineEdit", "Frame4", {120, 240, 1575, 285}, "2297888"},
    {"Label3", "QLabel", "Form1", {2280, 2520, 195, 360}, "+"},
    {"Frame3", "QGroupBox", "Form1", {2760, 2280, 1815, 615}, "Type LBA TO ADD"},
    {"Text3", "QLineEdit", "Frame3", {120, 240, 1575, 285}, "1"},
    {"chameleonButton3", "ChameleonButtonWidget", "Form1", {4920, 1920, 2055, 375}, nullptr},
    {"chameleonButton4", "ChameleonButtonWidget", "Form1", {4920, 2520, 2055, 375}, nullptr},
};

constexpr int kTwipsPerPixel = 15;

QRect pixels(const QRect& twips) {
    return {twips.x() / kTwipsPerPixel, twips.y() / kTwipsPerPixel, twips.width() / kTwipsPerPixel,
            twips.height() / kTwipsPerPixel};
}

QString textOf(const QWidget& w) {
    if (auto* box = qobject_cast<const QGroupBox*>(&w)) return box->title();
    if (auto* edit = qobject_cast<const QLineEdit*>(&w)) return edit->text();
    if (auto* label = qobject_cast<const QLabel*>(&w)) return label->text();
    if (auto* option = qobject_cast<const QRadioButton*>(&w)) return option->text();
    return {};
}

const QColor kBlue(0, 0, 255);
const QColor kWhite(255, 255, 255);
const QColor kLightCyan(0xC0, 0xFF, 0xFF);

TEST_F(Form1Test, EveryControlHasItsKindContainerPlaceAndStartText) {
    for (const Placed& p : kControls) {
        SCOPED_TRACE(p.name);
        auto* w = form.findChild<QWidget*>(QString::fromLatin1(p.name));
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->inherits(p.kind));
        ASSERT_NE(w->parentWidget(), nullptr);
        EXPECT_EQ(w->parentWidget()->objectName(), QLatin1String(p.container));
        if (p.text != nullptr) {
            EXPECT_EQ(textOf(*w), QString::fromUtf8(p.text));
        }
        if (w->inherits("QLabel")) {
            // Labels size themselves to their caption from their top-left corner.
            EXPECT_EQ(w->pos(), pixels(p.twips).topLeft());
            EXPECT_EQ(w->size(), w->sizeHint());
        } else {
            EXPECT_EQ(w->geometry(), pixels(p.twips));
        }
        EXPECT_TRUE(w->isVisible());
    }
    EXPECT_TRUE(option(1).isChecked());
    EXPECT_EQ(PB1().minimum(), 0);
    EXPECT_EQ(PB1().maximum(), 100);
    EXPECT_EQ(PB1().value(), 0);
    for (int n = 1; n <= 4; ++n) EXPECT_TRUE(button(n).button().Enabled());
    EXPECT_EQ(button(3).button().Caption(), "Start Cutting");
    EXPECT_EQ(button(4).button().Caption(), "Quit");
}

TEST_F(Form1Test, TheWindowIsTitledSizedFixedCentredAndHasAnIcon) {
    EXPECT_EQ(form.windowTitle(), "Quillmar Dvd Control Test");
    EXPECT_EQ(form.size(), QSize(7215 / kTwipsPerPixel, 4530 / kTwipsPerPixel));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowTitleHint);

    Form1 fresh(std::make_unique<FakeDialogs>(script));
    const QRect screen = fresh.screen()->availableGeometry();
    EXPECT_LE(std::abs(fresh.geometry().center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(fresh.geometry().center().y() - screen.center().y()), 1);

    const QIcon icon = form.windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes(), QList<QSize>{QSize(32, 32)});
}

TEST_F(Form1Test, CommonLooksColourAndFontEachControl) {
    const char* const captions[] = {"Frame1",  "Frame2",  "Frame3",  "Frame4", "Option1", "Option2",
                                    "Option3", "Option4", "Option5", "Label1", "Label2",  "Label3"};
    for (const char* name : captions) {
        SCOPED_TRACE(name);
        const QWidget& w = control<QWidget>(name);
        EXPECT_EQ(w.palette().color(QPalette::Window), kBlue);
        EXPECT_EQ(w.palette().color(QPalette::WindowText), kWhite);
        EXPECT_TRUE(w.autoFillBackground());
        EXPECT_EQ(w.font().family(), "MS Sans Serif");
        EXPECT_EQ(w.font().weight(), QFont::Bold);
        EXPECT_EQ(w.font().pointSizeF(), std::string(name) == "Label3" ? 13.5 : 8.25);
    }
    for (const char* name : {"txtSrc", "TxtDest", "Text1", "Text3"}) {
        SCOPED_TRACE(name);
        const QWidget& w = control<QWidget>(name);
        EXPECT_EQ(w.palette().color(QPalette::Base), kLightCyan);
        EXPECT_EQ(w.palette().color(QPalette::Text), QApplication::palette().color(QPalette::Text));
        EXPECT_EQ(w.font().family(), "MS Sans Serif");
        EXPECT_EQ(w.font().weight(), QFont::Normal);
        EXPECT_EQ(w.font().pointSizeF(), 8.25);
    }
    EXPECT_EQ(form.palette().color(QPalette::Window), kBlue);
    EXPECT_TRUE(form.autoFillBackground());
    // The bar keeps the platform's look.
    EXPECT_EQ(PB1().palette().color(QPalette::Window),
              QApplication::palette().color(QPalette::Window));
}

TEST_F(Form1Test, ANineDigitCountStaysVisibleAsLabel2GrowsToTheRight) {
    const QRect before = Label2().geometry();
    const QString big = dir.file("big.ISO");
    makeImage(big, std::uintmax_t{123456789} * 2048);
    script.openAnswers = {big};
    click(1);
    EXPECT_EQ(Label2().text(), "123456789");
    EXPECT_EQ(Label2().pos(), before.topLeft());
    EXPECT_EQ(Label2().size(), Label2().sizeHint());
    EXPECT_GE(Label2().width(), Label2().fontMetrics().horizontalAdvance("123456789"));
    EXPECT_LE(Label2().geometry().right(), Label2().parentWidget()->width());
}

// The names that Tab visits from txtSrc, as many as `count`.
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
    EXPECT_EQ(tabVisits(txtSrc(), 9),
              QStringList({"chameleonButton1", "TxtDest", "chameleonButton2", "Option1", "Text3",
                           "chameleonButton3", "chameleonButton4", "Text1", "txtSrc"}));
    QTest::mouseClick(&option(4), Qt::LeftButton);
    EXPECT_EQ(tabVisits(txtSrc(), 5),
              QStringList({"chameleonButton1", "TxtDest", "chameleonButton2", "Option4", "Text3"}));
    // The arrow keys move the selection within the group, and the tab stop follows it.
    option(4).setFocus(Qt::OtherFocusReason);
    QTest::keyClick(&option(4), Qt::Key_Up);
    EXPECT_TRUE(option(3).isChecked());
    EXPECT_EQ(Text1().text(), "2295104");
    EXPECT_EQ(tabVisits(control<QWidget>("chameleonButton2"), 2),
              QStringList({"Option3", "Text3"}));
}

TEST_F(Form1Test, TheDrawnWindowShowsTheLooks) {
    QApplication::processEvents();
    const QImage image = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.size(), form.size() * image.devicePixelRatio());
    if (const QByteArray path = qgetenv("QDCT_SCREENSHOT"); !path.isEmpty()) {
        ASSERT_TRUE(image.save(QString::fromLocal8Bit(path), "PNG"));
    }

    // Between the controls, the window's blue.
    EXPECT_EQ(image.pixelColor(4, 4), kBlue);
    EXPECT_EQ(image.pixelColor(240, 140), kBlue);
    // Inside each text box, away from its frame and text, light cyan.
    for (const char* name : {"txtSrc", "TxtDest", "Text1", "Text3"}) {
        const QWidget& box = control<QWidget>(name);
        const QPoint inside = box.mapTo(&form, QPoint(box.width() - 6, box.height() / 2));
        EXPECT_EQ(image.pixelColor(inside), kLightCyan) << name;
    }
    // A label's caption is white on blue.
    const QWidget& label1 = control<QWidget>("Label1");
    const QRect caption(label1.mapTo(&form, QPoint(0, 0)), label1.size());
    int white = 0, blue = 0;
    for (int y = caption.top(); y <= caption.bottom(); ++y)
        for (int x = caption.left(); x <= caption.right(); ++x) {
            white += image.pixelColor(x, y) == kWhite;
            blue += image.pixelColor(x, y) == kBlue;
        }
    EXPECT_GT(white, 20);
    EXPECT_GT(blue, white);
    // Each button shows what it drew itself.
    for (int n = 1; n <= 4; ++n) {
        const ChameleonButtonWidget& b = button(n);
        const QPoint centre(b.width() / 2, 2);
        EXPECT_EQ(image.pixelColor(b.mapTo(&form, centre)), b.surfaceImage().pixelColor(centre))
            << "chameleonButton" << n;
    }
}

} // namespace
} // namespace form1::test
