// What the widget adds for real desktops: keys of every layout, MouseDown on both presses of
// any double click, a size given while hidden, and hover that follows Qt's enter and leave
// events.
#include "button/widget/button_widget.h"

#include <QAccessible>
#include <QApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace chameleon {
namespace {

using W = ChameleonButtonWidget;
using Events = std::vector<std::string>;

struct WidgetHardeningTest : ::testing::Test {
    WidgetHardeningTest() {
        window.resize(200, 120);
        button->setGeometry(20, 20, 75, 23);
        const auto record = [this](const char* name) {
            return [this, name](auto&&... args) {
                std::string text = name;
                ((text += " " + std::to_string(int(args))), ...);
                events.push_back(text);
            };
        };
        QObject::connect(button, &W::MouseDown, record("MouseDown"));
        QObject::connect(button, &W::MouseUp, record("MouseUp"));
        QObject::connect(button, &W::KeyDown, record("KeyDown"));
        QObject::connect(button, &W::KeyPress, record("KeyPress"));
        QObject::connect(button, &W::KeyUp, record("KeyUp"));
        QObject::connect(button, &W::MouseOver, record("MouseOver"));
        QObject::connect(button, &W::MouseOut, record("MouseOut"));
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        events.clear();
    }
    const ButtonRecord& r() const { return button->button().record(); }

    QWidget window;
    W* button = new W(&window);
    Events events;
};

TEST_F(WidgetHardeningTest, KeysOfEveryLayoutRaiseTheirEvents) {
    // Qt key, text, then KeyDown's code and KeyPress's (-1: none).
    struct Case {
        int key;
        const char* text;
        int down, press;
    };
    const Case cases[] = {
        {Qt::Key_Eacute, "é", 201, 233},
        {Qt::Key_section, "§", 167, 167},
        {Qt::Key_Adiaeresis, "ä", 196, 228},
        {Qt::Key_ssharp, "ß", 223, 223},
        {0x20AC, "€", 128, 128},
        {Qt::Key_Dead_Acute, "", 0, -1},
        {0x416, "ж", 0, 63},
        {Qt::Key_A, "a", 65, 97},
        {Qt::Key_F1, "", 112, -1},
        {Qt::Key_F24, "", 135, -1},
    };
    for (const Case& k : cases) {
        events.clear();
        const QString text = QString::fromUtf8(k.text);
        QKeyEvent press(QEvent::KeyPress, k.key, Qt::NoModifier, text);
        QKeyEvent release(QEvent::KeyRelease, k.key, Qt::NoModifier, text);
        QApplication::sendEvent(button, &press);
        QApplication::sendEvent(button, &release);
        Events expected{"KeyDown " + std::to_string(k.down) + " 0"};
        if (k.press >= 0) expected.push_back("KeyPress " + std::to_string(k.press));
        expected.push_back("KeyUp " + std::to_string(k.down) + " 0");
        EXPECT_EQ(events, expected) << k.text;
    }
}

TEST_F(WidgetHardeningTest, EveryPressOfADoubleClickRaisesMouseDown) {
    for (auto [qt, n] : {std::pair{Qt::RightButton, 2}, {Qt::MiddleButton, 4}}) {
        events.clear();
        QTest::mouseClick(button, qt, {}, QPoint(10, 5));
        QTest::mouseDClick(button, qt, {}, QPoint(10, 5));
        // The middle button's second press is drawn down like its first.
        EXPECT_EQ(r().LastState, n == 4 ? StateDown : StateUp);
        QTest::mouseRelease(button, qt, {}, QPoint(10, 5));
        const std::string down = "MouseDown " + std::to_string(n) + " 0 10 5";
        const std::string up = "MouseUp " + std::to_string(n) + " 0 10 5";
        EXPECT_EQ(events, (Events{down, up, down, up}));
    }
}

TEST_F(WidgetHardeningTest, ASizeGivenWhileHiddenIsTheButtonsSizeAtOnce) {
    W hidden;
    hidden.setGeometry(0, 0, 90, 31);
    EXPECT_EQ(hidden.button().record().ClientWidth, 90);
    EXPECT_EQ(hidden.button().record().ClientHeight, 31);
    hidden.button().setButtonType(RoundedBevel);
    EXPECT_FALSE(hidden.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(hidden.mask().contains(QPoint(45, 15)));
    // A Transparent button captures its backdrop by collapsing and restoring its height.
    hidden.button().setButtonType(Transparent);
    hidden.show();
    EXPECT_EQ(hidden.size(), QSize(90, 31));
    EXPECT_EQ(hidden.button().record().ClientHeight, 31);
}

TEST_F(WidgetHardeningTest, ScreenReadersHearCheckedOnlyFromACheckBox) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(a, nullptr);
    button->button().setValue(true);
    EXPECT_FALSE(a->state().checkable || a->state().checked);
    button->button().setCheckBoxBehaviour(true);
    EXPECT_TRUE(a->state().checkable && a->state().checked);
}

TEST_F(WidgetHardeningTest, HoverFollowsQtsEnterAndLeaveEvents) {
    QEnterEvent enter(QPointF(10, 5), QPointF(30, 25), button->mapToGlobal(QPointF(10, 5)));
    QApplication::sendEvent(button, &enter);
    QTest::mouseMove(button, QPoint(10, 5));
    EXPECT_EQ(events, Events{"MouseOver"});
    EXPECT_TRUE(button->isHoverTimerActive());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    QTRY_VERIFY(!button->isHoverTimerActive());
    EXPECT_EQ(events, (Events{"MouseOver", "MouseOut"}));
    EXPECT_FALSE(r().IsOver);
}

} // namespace
} // namespace chameleon
