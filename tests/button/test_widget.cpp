// The real Qt widget on the offscreen platform: Qt's mouse, keyboard, focus, shortcut and
// pointer events reach the control and its events come back out as signals, the backing
// image is what the widget paints, the shape is its mask, and screen readers see a button.
#include "button/button_widget.h"
#include "button/property_bag.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace chameleon {
namespace {

using Events = std::vector<std::string>;

std::string mouseText(const char* name, qint16 b, qint16 s, float x, float y) {
    return std::string(name) + " " + std::to_string(b) + " " + std::to_string(s) + " " +
           std::to_string(int(x)) + " " + std::to_string(int(y));
}

// A window holding one 75 x 23 button at (20, 20), shown and active, with every event of the
// button recorded by name.
class Widget : public ::testing::Test {
  protected:
    Widget() {
        window.resize(200, 120);
        button = new ChameleonButtonWidget(&window);
        button->setGeometry(20, 20, 75, 23);
        record(button);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        // Start with the pointer away from the button.
        QCursor::setPos(window.mapToGlobal(QPoint(190, 110)));
        QCoreApplication::processEvents();
        events.clear();
    }

    void record(ChameleonButtonWidget* b) {
        QObject::connect(b, &ChameleonButtonWidget::Click, [this] { events.push_back("Click"); });
        QObject::connect(b, &ChameleonButtonWidget::MouseDown,
                         [this](qint16& bt, qint16& s, float& x, float& y) {
                             events.push_back(mouseText("MouseDown", bt, s, x, y));
                         });
        QObject::connect(b, &ChameleonButtonWidget::MouseUp,
                         [this](qint16& bt, qint16& s, float& x, float& y) {
                             events.push_back(mouseText("MouseUp", bt, s, x, y));
                         });
        QObject::connect(b, &ChameleonButtonWidget::KeyDown, [this](qint16& k, qint16& s) {
            events.push_back("KeyDown " + std::to_string(k) + " " + std::to_string(s));
        });
        QObject::connect(b, &ChameleonButtonWidget::KeyUp, [this](qint16& k, qint16& s) {
            events.push_back("KeyUp " + std::to_string(k) + " " + std::to_string(s));
        });
        QObject::connect(b, &ChameleonButtonWidget::KeyPress,
                         [this](qint16& k) { events.push_back("KeyPress " + std::to_string(k)); });
        QObject::connect(b, &ChameleonButtonWidget::MouseOver,
                         [this] { events.push_back("MouseOver"); });
        QObject::connect(b, &ChameleonButtonWidget::MouseOut,
                         [this] { events.push_back("MouseOut"); });
    }

    int count(const std::string& name) const {
        return int(std::count(events.begin(), events.end(), name));
    }

    void sendKey(QEvent::Type type, int key, const QString& text, bool autoRepeat) {
        QKeyEvent e(type, key, Qt::NoModifier, text, autoRepeat);
        QApplication::sendEvent(button, &e);
    }

    QWidget window;
    ChameleonButtonWidget* button = nullptr;
    Events events;
};

TEST_F(Widget, LeftClickGivesOneClickAndRightClickNone) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(events, (Events{"MouseDown 1 0 10 5", "MouseUp 1 0 10 5", "Click"}));
    events.clear();
    QTest::mouseClick(button, Qt::RightButton, Qt::ShiftModifier, QPoint(10, 5));
    EXPECT_EQ(events, (Events{"MouseDown 2 1 10 5", "MouseUp 2 1 10 5"}));
}

TEST_F(Widget, ReleaseOutsideTheButtonIsNoClick) {
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(120, 5));
    EXPECT_EQ(count("Click"), 0);
    EXPECT_EQ(count("MouseUp 1 0 120 5"), 1);
}

TEST_F(Widget, HoldingSpaceGivesOneClickAtTheRealRelease) {
    sendKey(QEvent::KeyPress, Qt::Key_Space, " ", false);
    for (int i = 0; i < 4; ++i) {
        sendKey(QEvent::KeyRelease, Qt::Key_Space, " ", true);
        sendKey(QEvent::KeyPress, Qt::Key_Space, " ", true);
    }
    EXPECT_EQ(count("Click"), 0);
    EXPECT_EQ(button->button().record().LastState, StateDown);
    sendKey(QEvent::KeyRelease, Qt::Key_Space, " ", false);
    EXPECT_EQ(count("Click"), 1);
    EXPECT_EQ(count("KeyDown 32 0"), 5);
    EXPECT_EQ(count("KeyPress 32"), 5);
    EXPECT_EQ(count("KeyUp 32 0"), 1);
}

TEST_F(Widget, SlotChangingButtonToRightStopsTheClick) {
    QObject::connect(button, &ChameleonButtonWidget::MouseDown,
                     [](qint16& b, qint16&, float&, float&) { b = 2; });
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(count("Click"), 0);
    EXPECT_EQ(button->button().record().LastState, StateUp);
}

TEST_F(Widget, OverflowLeftBySlotIsReportedNotThrown) {
    QSignalSpy errors(button, &ChameleonButtonWidget::errorRaised);
    QObject::connect(button, &ChameleonButtonWidget::KeyDown, [](qint16& k, qint16&) { k = 1000; });
    EXPECT_NO_THROW(QTest::keyClick(button, Qt::Key_A));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0][0].toInt(), OverflowErrorNumber);
    EXPECT_TRUE(errors[0][1].toString().contains("1000"));
    // The handler stopped at the error: no KeyPress followed.
    EXPECT_EQ(count("KeyPress 97"), 0);
}

TEST_F(Widget, HoverRaisesOneMouseOverAndOneMouseOutAndStopsPolling) {
    QTest::mouseMove(button, QPoint(30, 10));
    QTest::mouseMove(button, QPoint(31, 11));
    EXPECT_EQ(count("MouseOver"), 1);
    EXPECT_TRUE(button->isHoverTimerActive());
    EXPECT_TRUE(button->button().record().IsOver);

    // Leave to a point where no move reaches the button.
    QCursor::setPos(window.mapToGlobal(QPoint(190, 110)));
    QTRY_VERIFY(!button->isHoverTimerActive());
    EXPECT_EQ(count("MouseOver"), 1);
    EXPECT_EQ(count("MouseOut"), 1);
    EXPECT_FALSE(button->button().record().IsOver);
}

TEST_F(Widget, OvalCornersAreNotOverTheButton) {
    button->button().setButtonType(Oval);
    button->resize(40, 40);
    EXPECT_FALSE(button->mask().contains(QPoint(1, 1)));
    EXPECT_TRUE(button->mask().contains(QPoint(20, 20)));
    QTest::mouseMove(button, QPoint(1, 1));
    // A move inside the square but outside the ellipse: the window under it is the
    // container, or the button's own move finds it outside its shape.
    QTest::mouseMove(button, QPoint(2, 1));
    EXPECT_EQ(count("MouseOver"), 0);
    QTest::mouseMove(button, QPoint(20, 20));
    EXPECT_EQ(count("MouseOver"), 1);
}

TEST_F(Widget, DoubleClickPressesAgainCapturesAndReleasesOnTheNextRelease) {
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseDClick(button, Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(QWidget::mouseGrabber(), button);
    EXPECT_EQ(button->button().record().LastState, StateDown);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(events, (Events{"MouseDown 1 0 10 5", "MouseUp 1 0 10 5", "Click",
                              "MouseDown 1 0 0 0", "MouseUp 1 0 10 5"}));
}

TEST_F(Widget, PaintsTheBackingImageInsideItsShape) {
    button->button().setButtonType(RoundedBevel);
    const QImage shown = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage& drawn = button->surfaceImage();
    ASSERT_EQ(drawn.size(), QSize(75, 23));
    for (const QPoint p : {QPoint(10, 10), QPoint(2, 2), QPoint(37, 11), QPoint(72, 20)})
        EXPECT_EQ(shown.pixel(p), drawn.pixel(p)) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(74, 22)})
        EXPECT_FALSE(button->mask().contains(p)) << p.x() << "," << p.y();
}

TEST_F(Widget, AccessKeyClicksThroughTheShortcutSystem) {
    button->button().setCaption("&Start");
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(count("Click"), 1);
    button->button().setCaption("Stop");
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(count("Click"), 1);
}

TEST_F(Widget, ArrowKeysMoveTheFocusAlongTheTabOrder) {
    auto* second = new ChameleonButtonWidget(&window);
    second->setGeometry(20, 60, 75, 23);
    second->show();
    button->setFocus();
    QTRY_VERIFY(button->hasFocus());
    EXPECT_TRUE(button->button().record().HasFocus);
    QTest::keyClick(button, Qt::Key_Right);
    QTRY_VERIFY(second->hasFocus());
    EXPECT_FALSE(button->button().record().HasFocus);
    QTest::keyClick(second, Qt::Key_Up);
    QTRY_VERIFY(button->hasFocus());
}

TEST_F(Widget, PointerShapesAndTheHandCursor) {
    button->button().setMousePointer(3);
    EXPECT_EQ(button->cursor().shape(), Qt::IBeamCursor);
    button->button().setHandPointer(true);
    EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(button->button().MousePointer(), 99);
    button->button().setHandPointer(false);
    EXPECT_EQ(button->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(Widget, EnabledFlagFontAndAmbientValues) {
    button->button().setEnabled(false);
    EXPECT_FALSE(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(events.empty());
    button->button().setEnabled(true);

    EXPECT_EQ(button->button().FontName(), "MS Sans Serif");
    EXPECT_EQ(button->font().pointSizeF(), 8.25);
    EXPECT_EQ(button->button().Caption(), "chameleonButton1");

    button->setUserMode(false);
    button->button().setBackColor(0x0000FF);
    EXPECT_EQ(button->button().BackOver(), 0x0000FFu);
    // DisplayAsDefault outlines a classic button: the drawing changes.
    const QImage before = button->surfaceImage();
    button->setDisplayAsDefault(true);
    EXPECT_NE(button->surfaceImage(), before);
}

TEST_F(Widget, ChangeNoticesBecomeSignalsAndSaveKeepsTheHostsEntries) {
    QSignalSpy notices(button, &ChameleonButtonWidget::propertyChanged);
    button->button().setPictureOver(nullptr);
    ASSERT_EQ(notices.size(), 1);
    EXPECT_EQ(notices[0][0].toString(), "PICO");

    PropertyBag bag;
    bag.write("_extentx", 1402);
    button->button().setCaption("Quit");
    button->save(bag);
    EXPECT_EQ(bag.size(), 22u);
    auto* other = new ChameleonButtonWidget(&window);
    other->load(bag);
    EXPECT_EQ(other->button().Caption(), "Quit");
}

TEST_F(Widget, ScreenReadersSeeAPressablePushButtonNamedByTheCaption) {
    button->button().setCaption("&Start Cutting");
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Button);
    EXPECT_EQ(a->text(QAccessible::Name), "Start Cutting");
    QAccessibleActionInterface* actions = a->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(count("Click"), 1);

    button->button().setCheckBoxBehaviour(true);
    button->button().setValue(true);
    EXPECT_TRUE(a->state().checkable);
    EXPECT_TRUE(a->state().checked);
    button->button().setCaption("Save && E&xit");
    EXPECT_EQ(a->text(QAccessible::Name), "Save & Exit");
}

} // namespace
} // namespace chameleon
