// Form1 on a user's desktop: files dropped from a file manager (real drag events routed by the
// window to the control under the pointer) and the names a screen reader hears.
#include "form1_fixture.h"

#include "mainwindow/form1_looks.h"
#include <QAccessible>

namespace form1::test {
namespace {

enum Field { None, Source, Output };

// Sends a drag of `data` that enters, and if accepted drops, over `target`, through the
// window's own routing. True when the drag was accepted.
bool dragOnto(QWidget& form, QWidget& target, const QMimeData& data) {
    const QPoint at = target.mapTo(&form, target.rect().center());
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form.windowHandle(), &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form.windowHandle(), &drop);
    return drop.isAccepted();
}

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
        EXPECT_EQ(dragOnto(form, over, data), field != None);
        EXPECT_EQ(edit("txtSrc").text(), field == Source ? path("a.ISO") : "before");
        EXPECT_EQ(Label2().text(), field == Source ? "2" : "0");
        EXPECT_EQ(edit("TxtDest").text(), field == Output ? path("a.ISO") : "before");
        EXPECT_EQ(edit("Text3").text(), "1");
    }
}

// Every control a screen reader reaches has a name (a button's is its caption without the
// access key mark) and a description.
TEST_F(Form1Test, EveryControlAScreenReaderReachesHasANameAndADescription) {
    for (const char* name : {"txtSrc", "chameleonButton1", "TxtDest", "chameleonButton2", "PB1",
                             "Option1", "Option2", "Option3", "Option4", "Option5", "Text1",
                             "Text3", "chameleonButton3", "chameleonButton4"}) {
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(&control(name));
        ASSERT_NE(spoken, nullptr) << name;
        EXPECT_FALSE(spoken->text(QAccessible::Name).isEmpty()) << name;
        EXPECT_FALSE(spoken->text(QAccessible::Description).isEmpty()) << name;
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&button(3))->text(QAccessible::Name),
              "Start Cutting");
}

} // namespace
} // namespace form1::test
