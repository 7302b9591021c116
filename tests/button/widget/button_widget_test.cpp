// The real Qt widget on the offscreen platform, for what it adds to the control: the Qt event
// map, auto-repeat, the double-click grab, real hover through the mask, shortcuts, focus moves,
// cursors, painting, ambient values, signals, errorRaised and accessibility. The input rules
// themselves are tested on the model.
#include "button/widget/button_widget.h"
#include "common/numbered_error.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace chameleon {
namespace {

using W = ChameleonButtonWidget;
using Events = std::vector<std::string>;

// One 75 x 23 button at (20, 20) in an active window, the pointer away, and the button's
// events recorded as text ("MouseDown 1 0 10 5", "Click").
class ButtonWidgetTest : public ::testing::Test {
  protected:
    ButtonWidgetTest() {
        window.resize(200, 120);
        button->setGeometry(20, 20, 75, 23);
        record(&W::Click, "Click");
        record(&W::MouseDown, "MouseDown");
        record(&W::MouseUp, "MouseUp");
        record(&W::KeyDown, "KeyDown");
        record(&W::KeyPress, "KeyPress");
        record(&W::KeyUp, "KeyUp");
        record(&W::MouseOver, "MouseOver");
        record(&W::MouseOut, "MouseOut");
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        pointerAway();
        events.clear();
    }
    template <typename... Args>
    void record(void (W::*signal)(Args...), const char* name) {
        QObject::connect(button, signal, [this, name](Args... args) {
            std::string text = name;
            ((text += " " + std::to_string(int(args))), ...);
            events.push_back(text);
        });
    }
    int count(const std::string& event) const {
        return int(std::count(events.begin(), events.end(), event));
    }
    void pointerAway() {
        QCursor::setPos(window.mapToGlobal(QPoint(190, 110)));
        QCoreApplication::processEvents();
    }
    void sendSpace(QEvent::Type type, bool autoRepeat) {
        QKeyEvent e(type, Qt::Key_Space, Qt::NoModifier, " ", autoRepeat);
        QApplication::sendEvent(button, &e);
    }
    const ButtonRecord& r() const { return button->button().record(); }
    QWidget window;
    W* button = new W(&window);
    Events events;
};

TEST_F(ButtonWidgetTest, MouseEventsCarryButtonShiftAndPositionAndSlotsChangeThem) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseClick(button, Qt::RightButton, Qt::ShiftModifier, QPoint(10, 5));
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(120, 5));
    EXPECT_EQ(events,
              (Events{"MouseDown 1 0 10 5", "MouseUp 1 0 10 5", "Click", "MouseDown 2 1 10 5",
                      "MouseUp 2 1 10 5", "MouseDown 1 0 10 5", "MouseUp 1 0 120 5"}));
    // A slot that turns the left button into the right one stops the down look and the Click.
    QObject::connect(button, &W::MouseDown, [](qint16& b, qint16&, float&, float&) { b = 2; });
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(r().LastState, StateUp);
    EXPECT_EQ(count("Click"), 1);
}

TEST_F(ButtonWidgetTest, HoldingSpaceGivesOneClickAtTheRealRelease) {
    sendSpace(QEvent::KeyPress, false);
    for (int i = 0; i < 4; ++i) {
        sendSpace(QEvent::KeyRelease, true);
        sendSpace(QEvent::KeyPress, true);
    }
    EXPECT_TRUE(count("Click") == 0 && r().LastState == StateDown);
    sendSpace(QEvent::KeyRelease, false);
    EXPECT_EQ((std::array{count("Click"), count("KeyDown 32 0"), count("KeyUp 32 0")}),
              (std::array{1, 5, 1}));
}

TEST_F(ButtonWidgetTest, OverflowLeftBySlotIsReportedNotThrown) {
    QSignalSpy errors(button, &W::errorRaised);
    QObject::connect(button, &W::KeyDown, [](qint16& k, qint16&) { k = 1000; });
    EXPECT_NO_THROW(QTest::keyClick(button, Qt::Key_A));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0][0].toInt(), qdct::errnum::kOverflow);
    EXPECT_TRUE(errors[0][1].toString().contains("1000"));
    EXPECT_EQ(count("KeyPress 97"), 0); // the handler stopped at the error
}

TEST_F(ButtonWidgetTest, RealHoverRaisesOneMouseOverAndOneMouseOutOutsideTheMask) {
    QTest::mouseMove(button, QPoint(30, 10));
    QTest::mouseMove(button, QPoint(31, 11));
    EXPECT_EQ(count("MouseOver"), 1);
    EXPECT_TRUE(button->isHoverTimerActive());
    pointerAway(); // no move reaches the button
    QTRY_VERIFY(!button->isHoverTimerActive());
    EXPECT_EQ(events, (Events{"MouseOver", "MouseOut"}));
    EXPECT_FALSE(r().IsOver);
    // An oval's corners are not over it.
    button->button().setButtonType(Oval);
    button->resize(40, 40);
    QTest::mouseMove(button, QPoint(1, 1));
    QTest::mouseMove(button, QPoint(2, 1));
    EXPECT_EQ(count("MouseOver"), 1);
    QTest::mouseMove(button, QPoint(20, 20));
    EXPECT_EQ(count("MouseOver"), 2);
    // What it paints is the backing image, and the mask is the shape.
    const QImage shown = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(20, 20), button->surfaceImage().pixel(20, 20));
    EXPECT_TRUE(button->mask().contains(QPoint(20, 20)) && !button->mask().contains(QPoint(1, 1)));
}

TEST_F(ButtonWidgetTest, DoubleClickPressesAgainAndGrabsUntilTheNextRelease) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseDClick(button, Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_TRUE(QWidget::mouseGrabber() == button && r().LastState == StateDown);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(events, (Events{"MouseDown 1 0 10 5", "MouseUp 1 0 10 5", "Click",
                              "MouseDown 1 0 0 0", "MouseUp 1 0 10 5"}));
}

TEST_F(ButtonWidgetTest, AccessKeyIsAShortcutAndArrowKeysMoveTheFocus) {
    button->button().setCaption("&Start");
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    button->button().setCaption("Stop");
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(count("Click"), 1);
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

TEST_F(ButtonWidgetTest, PointerShapesEnabledFlagAmbientValuesAndNoticesReachTheWidget) {
    button->button().setMousePointer(3);
    EXPECT_EQ(button->cursor().shape(), Qt::IBeamCursor);
    button->button().setHandPointer(true);
    EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor);
    button->button().setHandPointer(false);
    EXPECT_EQ(button->cursor().shape(), Qt::ArrowCursor);
    button->button().setEnabled(false);
    EXPECT_FALSE(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(button->button().Caption(), "chameleonButton1");
    EXPECT_EQ(button->font(), button->ambientFont());
    button->setUserMode(false);
    button->button().setBackColor(0x0000FF);
    EXPECT_EQ(button->button().BackOver(), 0x0000FFu); // the designer's copy
    button->button().setEnabled(true);
    const QImage before = button->surfaceImage();
    button->setDisplayAsDefault(true); // outlines a classic button
    EXPECT_NE(button->surfaceImage(), before);
    QSignalSpy notices(button, &W::propertyChanged);
    button->button().setPictureOver(nullptr);
    ASSERT_EQ(notices.size(), 1);
    EXPECT_EQ(notices[0][0].toString(), "PICO");
}

TEST_F(ButtonWidgetTest, ScreenReadersSeeAPressablePushButtonNamedByTheCaption) {
    button->button().setCaption("&Start Cutting");
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Button);
    EXPECT_EQ(a->text(QAccessible::Name), "Start Cutting");
    ASSERT_NE(a->actionInterface(), nullptr);
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(count("Click"), 1);
    button->button().setCheckBoxBehaviour(true);
    button->button().setValue(true);
    EXPECT_TRUE(a->state().checkable && a->state().checked);
}

} // namespace
} // namespace chameleon
