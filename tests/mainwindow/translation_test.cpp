// The window in the user's language: under a German locale the German translation is loaded
// and the window, its stored captions and the cutting job's messages and error descriptions
// read German, with paths and the system's text kept; under English or C nothing is loaded,
// and every other test of the window checks today's texts character for character.
#include "form1_fixture.h"

#include "mainwindow/job_texts.h"
#include "mainwindow/translation.h"

namespace form1::test {
namespace {

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
        {"Something else", "Something else"}};
    for (const auto& [english, translated] : kTexts)
        EXPECT_EQ(translateJobText(english), QString::fromUtf8(translated));
}

} // namespace
} // namespace form1::test
