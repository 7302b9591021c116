// The real file dialogs as a user drives them: offscreen there is no platform chooser, so this
// is Qt's widget dialog, the fallback everywhere. A full path typed into its name box is taken
// when the folder shown is the home folder or holds it, and browsing leaves no QtProject.conf
// in the user's configuration folder.
#include "common/temp_files.h"
#include "mainwindow/dialogs.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

namespace form1::test {
namespace {

// Types `text` into the name box of the file dialog that is about to open, then Enter; a
// dialog still open a moment later is cancelled, so that a refused path ends the run.
void typeIntoNextFileDialog(const QString& text) {
    QTimer::singleShot(0, [text] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(box, nullptr);
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
        QTimer::singleShot(200, dialog, &QDialog::reject);
    });
}

TEST(QtDialogsTest, ATypedFullPathIsTakenFromHomeOrAboveAndNoSettingsAreWritten) {
    const qdct::test::TempDir root("dialogs-test");
    const QString home = QString::fromStdString(root.file("home"));
    const QString config = QString::fromStdString(root.file("config"));
    QDir().mkpath(home + "/Videos");
    QFile(home + "/disc.ISO").open(QIODevice::WriteOnly);
    const QByteArray savedHome = qgetenv("HOME"), savedConfig = qgetenv("XDG_CONFIG_HOME");
    const QString savedFolder = QDir::currentPath();
    qputenv("HOME", home.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());

    QtDialogs dialogs;
    const FileDialogSetup open{"File ISO (*.ISO)", "Open Dvd ISO Image", ""};
    const FileDialogSetup save{"File ISO (*.ISO)", "Save Dvd ISO Image", ""};
    for (const QString& shown : {home, QString::fromStdString(root.file(""))}) {
        SCOPED_TRACE(shown.toStdString());
        QDir::setCurrent(shown); // the folder a dialog without a start name shows
        typeIntoNextFileDialog(home + "/disc.ISO");
        EXPECT_EQ(dialogs.ShowOpen(nullptr, open), home + "/disc.ISO");
        typeIntoNextFileDialog(home + "/new.ISO");
        EXPECT_EQ(dialogs.ShowSave(nullptr, save), home + "/new.ISO");
    }
    EXPECT_FALSE(QFileInfo::exists(config + "/QtProject.conf"));
    EXPECT_FALSE(QFileInfo::exists(home + "/.config/QtProject.conf"));

    QDir::setCurrent(savedFolder);
    qputenv("HOME", savedHome);
    qputenv("XDG_CONFIG_HOME", savedConfig);
}

} // namespace
} // namespace form1::test
