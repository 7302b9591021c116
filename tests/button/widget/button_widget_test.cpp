// The real Qt widget on the offscreen platform, for what it adds to the control: the Qt event
// map (keys of every layout), auto-repeat, double clicks, hover through the mask and by Qt's
// enter and leave events, shortcuts, focus moves, sizes and accessibility. The input rules
// themselves are tested on the model.
#include "button/widget/button_widget.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace chameleon {
namespace {

using W = ChameleonButtonWidget;
using Events = std::vector<std::string>;

// A 75 x 23 button in an active window, the pointer away, events as text ("MouseDown 1 0 10 5").
struct ButtonWidgetTest : ::testing::Test {
    ButtonWidgetTest() {
        window.resize(200, 120);
        button->setGeometry(20, 20, 75, 23);
        const auto record = [this](auto signal) {
            const std::string name = QMetaMethod::fromSignal(signal).name().toStdString();
            QObject::connect(button, signal, [this, name](auto&&... args) {
                std::string text = name;
                ((text += " " + std::to_string(int(args))), ...);
                events.push_back(text);
            });
        };
        const auto recordAll = [&](auto... all) { (record(all), ...); };
        recordAll(&W::Click, &W::MouseDown, &W::MouseUp, &W::KeyDown, &W::KeyPress, &W::KeyUp,
                  &W::MouseOver, &W::MouseOut);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        pointerAway();
        events.clear();
    }
    int count(const std::string& event) const {
        return int(std::count(events.begin(), events.end(), event));
    }
    void pointerAway() {
        QCursor::setPos(window.mapToGlobal(QPoint(190, 110)));
        QCoreApplication::processEvents();
    }
    void sendKey(QEvent::Type type, int key, const QString& text, bool autoRepeat = false,
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent e(type, key, modifiers, text, autoRepeat);
        QApplication::sendEvent(button, &e);
    }
    const ButtonRecord& r() const { return button->button().record(); }
    // What the screen shows of the button, at once or after the event loop has run: no drawing
    // is forced, so a change that schedules no repaint leaves the old pixels.
    QImage shown() {
        const QPixmap grabbed = window.screen()->grabWindow(window.winId(), 20, 20, 75, 23);
        return grabbed.toImage().convertToFormat(QImage::Format_RGB32);
    }
    QImage onScreen() {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        return shown();
    }
    QWidget window;
    W* button = new W(&window);
    Events events;
};

// Both presses of any double click raise MouseDown with the button, Shift and position; the
// left one grabs until its release, and the middle one's second press is drawn down.
TEST_F(ButtonWidgetTest, EveryPressOfADoubleClickRaisesMouseDown) {
    for (auto [qt, n, shift] :
         {std::tuple{Qt::LeftButton, 1, 0}, {Qt::RightButton, 2, 1}, {Qt::MiddleButton, 4, 0}}) {
        const Qt::KeyboardModifiers keys = shift ? Qt::ShiftModifier : Qt::NoModifier;
        events.clear();
        QTest::mouseClick(button, qt, keys, QPoint(10, 5));
        QTest::mouseDClick(button, qt, keys, QPoint(10, 5));
        EXPECT_EQ(r().LastState, n == 2 ? StateUp : StateDown);
        EXPECT_TRUE(n != 1 || QWidget::mouseGrabber() == button);
        QTest::mouseRelease(button, qt, keys, QPoint(10, 5));
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
        const std::string at = std::to_string(n) + " " + std::to_string(shift) + " 10 5";
        const std::string down = "MouseDown " + at, up = "MouseUp " + at;
        EXPECT_EQ(events, (n == 1 ? Events{down, up, "Click", "MouseDown 1 0 0 0", up}
                                  : Events{down, up, down, up}));
    }
}

TEST_F(ButtonWidgetTest, KeysOfEveryLayoutRaiseTheirEventsAndHeldSpaceClicksOnce) {
    // Qt key, text, then KeyDown's code and KeyPress's (-1: none).
    const std::tuple<int, const char*, int, int> cases[] = {
        {Qt::Key_5, "5", 53, 53},         {Qt::Key_Comma, ",", 188, 44},
        {Qt::Key_Percent, "%", 53, 37},   {Qt::Key_Return, "\r", 13, 13},
        {Qt::Key_Escape, "\x1b", 27, 27}, {Qt::Key_Delete, "", 46, -1},
        {-Qt::Key_7, "7", 103, 55},       {-Qt::Key_Plus, "+", 107, 43},
        {-Qt::Key_Enter, "\r", 13, 13},   {Qt::Key_Eacute, "é", 201, 233},
        {Qt::Key_section, "§", 167, 167}, {Qt::Key_Adiaeresis, "ä", 196, 228},
        {Qt::Key_ssharp, "ß", 223, 223},  {0x20AC, "€", 128, 128},
        {Qt::Key_Dead_Acute, "", 0, -1},  {0x416, "ж", 0, 63},
        {Qt::Key_A, "a", 65, 97},         {Qt::Key_F1, "", 112, -1},
        {Qt::Key_F24, "", 135, -1}};
    for (const auto& [key, text, down, press] : cases) {
        events.clear();
        // A negative key is the keypad's.
        const auto pad = key < 0 ? Qt::KeypadModifier : Qt::NoModifier;
        sendKey(QEvent::KeyPress, std::abs(key), QString::fromUtf8(text), false, pad);
        sendKey(QEvent::KeyRelease, std::abs(key), QString::fromUtf8(text), false, pad);
        Events expected{"KeyDown " + std::to_string(down) + " 0"};
        if (press >= 0) expected.push_back("KeyPress " + std::to_string(press));
        expected.push_back("KeyUp " + std::to_string(down) + " 0");
        EXPECT_EQ(events, expected) << text;
    }
    events.clear();
    sendKey(QEvent::KeyPress, Qt::Key_Space, " ");
    for (int i = 0; i < 4; ++i) {
        sendKey(QEvent::KeyRelease, Qt::Key_Space, " ", true);
        sendKey(QEvent::KeyPress, Qt::Key_Space, " ", true);
    }
    EXPECT_TRUE(count("Click") == 0 && r().LastState == StateDown);
    sendKey(QEvent::KeyRelease, Qt::Key_Space, " ");
    EXPECT_EQ((std::array{count("Click"), count("KeyDown 32 0"), count("KeyUp 32 0")}),
              (std::array{1, 5, 1}));
}

TEST_F(ButtonWidgetTest, RealHoverRaisesOneMouseOverAndOneMouseOutOutsideTheMask) {
    QTest::mouseMove(button, QPoint(30, 10));
    QTest::mouseMove(button, QPoint(31, 11));
    EXPECT_EQ(count("MouseOver"), 1);
    EXPECT_TRUE(button->isHoverTimerActive());
    pointerAway(); // no move reaches the button
    QTRY_VERIFY(!button->isHoverTimerActive());
    EXPECT_EQ(events, (Events{"MouseOver", "MouseOut"}));
    // Qt's enter and leave events alone are enough.
    QEnterEvent enter(QPointF(10, 5), QPointF(30, 25), button->mapToGlobal(QPointF(10, 5)));
    QApplication::sendEvent(button, &enter);
    QTest::mouseMove(button, QPoint(10, 5));
    EXPECT_TRUE(count("MouseOver") == 2 && button->isHoverTimerActive());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    QTRY_VERIFY(!button->isHoverTimerActive());
    EXPECT_EQ(count("MouseOut"), 2);
    EXPECT_FALSE(r().IsOver);
    // An oval's corners are not over it.
    button->button().setButtonType(Oval);
    button->resize(40, 40);
    QTest::mouseMove(button, QPoint(1, 1));
    QTest::mouseMove(button, QPoint(2, 1));
    EXPECT_EQ(count("MouseOver"), 2);
    QTest::mouseMove(button, QPoint(20, 20));
    EXPECT_EQ(count("MouseOver"), 3);
}

// The access key is a shortcut; screen readers see a pressable button named by its caption,
// checked only as a check box; arrow keys move the focus.
TEST_F(ButtonWidgetTest, AccessKeyScreenReadersAndArrowKeysReachTheButton) {
    for (auto [caption, key] : {std::pair{"&Start", Qt::Key_S},
                                {"&1st", Qt::Key_1},
                                {"Cut &-", Qt::Key_Minus},
                                {"Stop", Qt::Key_S}}) {
        button->button().setCaption(caption);
        QTest::keyClick(&window, key, Qt::AltModifier);
    }
    EXPECT_EQ(count("Click"), 3);
    button->button().setCaption("&Start Cutting");
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(button);
    ASSERT_TRUE(a && a->actionInterface());
    EXPECT_EQ(a->role(), QAccessible::Button);
    EXPECT_EQ(a->text(QAccessible::Name), "Start Cutting");
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(count("Click"), 4);
    button->button().setValue(true);
    EXPECT_FALSE(a->state().checkable || a->state().checked);
    button->button().setCheckBoxBehaviour(true);
    EXPECT_TRUE(a->state().checkable && a->state().checked);
    auto* second = new W(&window);
    second->setGeometry(20, 60, 75, 23);
    second->show();
    button->setFocus();
    QTRY_VERIFY(r().HasFocus);
    QTest::keyClick(button, Qt::Key_Right);
    QTRY_VERIFY(second->hasFocus());
    EXPECT_FALSE(r().HasFocus);
    QTest::keyClick(second, Qt::Key_Up);
    QTRY_VERIFY(button->hasFocus());
}

// Every change of state or property reaches the screen by itself, as the control drew it; a
// click's released face is on the screen already while its Click handler runs.
TEST_F(ButtonWidgetTest, EveryChangeReachesTheScreenWithoutAForcedDrawing) {
    button->setButtonType(W::FlatHotBevel);
    auto& b = button->button();
    QImage atClick;
    QObject::connect(button, &W::Click, [&] { atClick = shown(); });
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"hover", [&] { QTest::mouseMove(button, QPoint(30, 10)); }},
        {"press", [&] { QTest::mousePress(button, Qt::LeftButton, {}, QPoint(30, 10)); }},
        {"release", [&] { QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(30, 10)); }},
        {"leave",
         [&] {
             pointerAway();
             QTRY_VERIFY(!button->isHoverTimerActive());
         }},
        {"space", [&] { sendKey(QEvent::KeyPress, Qt::Key_Space, " "); }},
        {"space up", [&] { sendKey(QEvent::KeyRelease, Qt::Key_Space, " "); }},
        {"colour",
         [&] {
             b.setColorScheme(SchemeCustom);
             button->setProperty("backColor", QColor(250, 128, 114));
         }},
        {"check", [&] { b.setCheckBoxBehaviour(true), b.setValue(true); }},
        {"oval", [&] { b.setButtonType(Oval); }},
        {"font", [&] { static_cast<QWidget*>(button)->setFont(QFont("DejaVu Sans", 12)); }},
        {"disabled", [&] { static_cast<QWidget*>(button)->setEnabled(false); }}};
    for (const auto& [name, change] : changes) {
        const QImage before = onScreen();
        change();
        const QImage after = onScreen();
        EXPECT_NE(after, before) << name;
        const QImage clicked = std::exchange(atClick, {}); // shown while Click ran, if raised
        EXPECT_TRUE(clicked.isNull() || clicked == after) << name;
        // Within the window's shape, as drawn.
        const QImage& drawn = button->surfaceImage();
        const QRegion shape = button->mask().isEmpty() ? QRegion(button->rect()) : button->mask();
        int wrong = 0;
        for (int y = 0; y < 23; ++y)
            for (int x = 0; x < 75; ++x)
                wrong += shape.contains(QPoint(x, y)) && after.pixel(x, y) != drawn.pixel(x, y);
        EXPECT_EQ(wrong, 0) << name;
    }
}

// QWidget's enabled, font and cursor are the control's Enabled, Font and MousePointer; a font
// the control refuses is taken back and reported, and the screen keeps what it showed.
TEST_F(ButtonWidgetTest, QWidgetsEnabledFontAndCursorAreTheControls) {
    QWidget* plain = button;
    QSignalSpy errors(button, &W::errorRaised);
    plain->setCursor(Qt::IBeamCursor);
    EXPECT_EQ(button->MousePointer(), 3);
    plain->unsetCursor();
    EXPECT_EQ(button->MousePointer(), 0);
    plain->setFont(QFont("DejaVu Sans", 4096));
    EXPECT_EQ(button->FontSize(), 4096);
    const QImage before = onScreen();
    plain->setFont(QFont("DejaVu Sans", 4097));
    EXPECT_EQ(std::tuple(button->FontSize(), plain->font().pointSize(), errors.count()),
              std::tuple(4096, 4096, 1));
    EXPECT_EQ(onScreen(), before);
    // The control's own font and pointer changes are not taken back as the user's.
    QSignalSpy notices(button, &W::propertyChanged);
    button->setFontBold(true);
    button->setMousePointer(99); // a custom pointer without an image: Qt's default cursor
    EXPECT_EQ(std::tuple(button->MousePointer(), notices.count()), std::tuple(99, 1));
    window.setEnabled(false); // a disabled parent leaves the control's own flag alone
    EXPECT_TRUE(button->Enabled());
    window.setEnabled(true);
    plain->setEnabled(false);
    EXPECT_FALSE(button->Enabled());
    button->setEnabled(true);
    EXPECT_TRUE(plain->isEnabled());
}

// A size given while hidden is the button's at once, a Transparent one's too.
TEST(ButtonWidgetHiddenTest, ASizeGivenWhileHiddenIsTheButtonsSizeAtOnce) {
    W hidden;
    hidden.setGeometry(0, 0, 90, 31);
    EXPECT_EQ(QSize(hidden.button().record().ClientWidth, hidden.button().record().ClientHeight),
              QSize(90, 31));
    hidden.button().setButtonType(RoundedBevel);
    EXPECT_TRUE(!hidden.mask().contains(QPoint(0, 0)) && hidden.mask().contains(QPoint(45, 15)));
    hidden.button().setButtonType(Transparent);
    hidden.show();
    EXPECT_EQ(hidden.size(), QSize(90, 31));
    EXPECT_EQ(hidden.button().record().ClientHeight, 31);
    // A new button's caption follows the name a form gives it, until the caption is set.
    hidden.setObjectName("okButton");
    EXPECT_EQ(hidden.Caption(), "okButton");
    hidden.setCaption("&OK");
    hidden.setObjectName("other");
    EXPECT_EQ(hidden.Caption(), "&OK");
}

} // namespace
} // namespace chameleon
