// The Designer plugin as Designer and form loaders see it: found by QPluginLoader under its
// class name in the "Quillmar" group, creating the button, marking in Designer what the
// control changed by itself, and every stored property of the button surviving a save and load
// of a .ui form through QFormBuilder.
#include <QBuffer>
#include <QDir>
#include <QMetaProperty>
#include <QPluginLoader>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>
#include <QtDesigner/QDesignerComponents>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerPropertySheetExtension>
#include <QtDesigner/QExtensionManager>
#include <QtDesigner/QFormBuilder>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace {

constexpr char kClass[] = "chameleon::ChameleonButtonWidget";

const QString kPluginDir = QStringLiteral(QDCT_DESIGNER_PLUGIN_DIR);

QDesignerCustomWidgetInterface* plugin() {
    static QPluginLoader loader(kPluginDir + QStringLiteral("/libchameleonbuttonplugin.so"));
    return qobject_cast<QDesignerCustomWidgetInterface*>(loader.instance());
}

QWidget* loadForm(QFormBuilder& builder, const QByteArray& ui) {
    QBuffer buffer;
    buffer.setData(ui);
    buffer.open(QIODevice::ReadOnly);
    return builder.load(&buffer);
}

// The widget box names the button briefly; the property editor lists each property once,
// every colour as a QColor swatch (a system colour shown as its colour, and kept when written
// back untouched); a value the control refuses, typed into it, is reported, not thrown.
TEST(DesignerPluginTest, OffersTheButtonWithEachPropertyOnceAndColoursAsSwatches) {
    ASSERT_NE(plugin(), nullptr);
    EXPECT_EQ(plugin()->name(), QLatin1String(kClass));
    EXPECT_EQ(plugin()->group(), QLatin1String("Quillmar"));
    EXPECT_EQ(plugin()->includeFile(), QLatin1String("<chameleonbutton/chameleonbutton.h>"));
    EXPECT_FALSE(plugin()->icon().isNull());
    EXPECT_TRUE(plugin()->domXml().contains(QLatin1String(R"(displayname="chameleonButton")")));
    EXPECT_FALSE(plugin()->toolTip().isEmpty() || plugin()->whatsThis().isEmpty());

    std::unique_ptr<QWidget> button(plugin()->createWidget(nullptr));
    ASSERT_TRUE(button && button->inherits(kClass)); // the widget whose clicks are tested

    // Names as the editor shows them, without case; the font attributes and the pointer are
    // what QWidget's font and cursor show.
    const std::set<QString> colours = {"backcolor", "backover", "forecolor", "foreover",
                                       "maskcolor"};
    std::set<QString> shown;
    const QMetaObject* meta = button->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        if (!p.isDesignable()) continue;
        QString name = QString::fromLatin1(p.name()).toLower();
        if (name.startsWith(QLatin1String("font"))) name = QStringLiteral("font");
        if (name == QLatin1String("mousepointer")) name = QStringLiteral("cursor");
        EXPECT_TRUE(shown.insert(name).second) << p.name();
        EXPECT_TRUE(!colours.count(name) || p.typeId() == QMetaType::QColor) << p.name();
    }
    EXPECT_TRUE(std::includes(shown.begin(), shown.end(), colours.begin(), colours.end()));
    button->setProperty("BackColor", 0x8000000Fu);
    button->setProperty("backColor", button->property("backColor"));
    EXPECT_EQ(button->property("BackColor").toUInt(), 0x8000000Fu);
    button->setProperty("maskColor", QColor(250, 128, 114)); // salmon: 0x00BBGGRR
    EXPECT_EQ(button->property("MaskColor").toUInt(), 0x7280FAu);
    EXPECT_EQ(button->property("maskColor").value<QColor>(), QColor(250, 128, 114));

    button->setProperty("userMode", false); // in a form being designed
    QSignalSpy errors(button.get(), SIGNAL(errorRaised(int, QString)));
    EXPECT_NO_THROW(button->setProperty("MousePointer", 70000));
    EXPECT_EQ(errors.count(), 1);
    EXPECT_EQ(button->property("MousePointer").toInt(), 0);
}

// What a form file says of a button, as Designer writes it, and what the property reads then.
struct Stored {
    const char* name;
    const char* xml;
    QVariant value; // a QString value of a pixmap property names its file
};

bool same(QVariant is, const QVariant& want) {
    if (is.metaType().flags() & QMetaType::IsEnumeration) return is.toInt() == want.toInt();
    if (is.typeId() == QMetaType::QPixmap)
        return is.value<QPixmap>().toImage().convertToFormat(QImage::Format_ARGB32) ==
               QImage(want.toString()).convertToFormat(QImage::Format_ARGB32);
    return is.convert(want.metaType()) && is == want;
}

// Every stored property, away from its default (the second button with the hand pointer), loads
// from a form file, and what QFormBuilder can write of it (no enums or pixmaps) comes back.
TEST(DesignerPluginTest, FormFilesKeepEveryProperty) {
    QTemporaryDir dir;
    QImage bitmap(8, 6, QImage::Format_RGB32), icon(5, 7, QImage::Format_ARGB32);
    bitmap.fill(Qt::red);
    icon.fill(QColor(0, 0, 255, 128));
    const QString bitmapFile = dir.filePath("bitmap.png"), iconFile = dir.filePath("icon.png");
    ASSERT_TRUE(bitmap.save(bitmapFile) && icon.save(iconFile));
    // As the three rows after Font leave it.
    QFont styled(QStringLiteral("DejaVu Serif"), 11, QFont::Bold, true);
    styled.setUnderline(true);
    const std::vector<Stored> buttons[] = {
        {{"BackColor", "<UInt>2147483663</UInt>", 0x8000000Fu},
         {"BackOver", "<UInt>1193046</UInt>", 0x123456u},
         {"ForeColor", "<UInt>2147483666</UInt>", 0x80000012u},
         {"ForeOver", "<UInt>65280</UInt>", 0xFF00u},
         {"MaskColor", "<UInt>16711935</UInt>", 0xFF00FFu},
         {"ButtonType", "<enum>Oval</enum>", 13},
         {"Caption", "<string>&amp;Go</string>", QStringLiteral("&Go")},
         {"Enabled", "<bool>false</bool>", false},
         {"Font", "<font><family>DejaVu Serif</family><pointsize>11</pointsize></font>", styled},
         {"FontBold", "<bool>true</bool>", true},
         {"FontItalic", "<bool>true</bool>", true},
         {"FontUnderline", "<bool>true</bool>", true},
         {"ColorScheme", "<enum>SchemeCustom</enum>", 2},
         {"ShowFocusRect", "<bool>false</bool>", false},
         {"HandPointer", "<bool>false</bool>", false},
         {"MousePointer", "<number>3</number>", 3},
         {"MouseIcon", "<pixmap>icon.png</pixmap>", iconFile},
         {"SoftBevel", "<bool>true</bool>", true},
         {"PictureNormal", "<pixmap>bitmap.png</pixmap>", bitmapFile},
         {"PictureOver", "<pixmap>icon.png</pixmap>", iconFile},
         {"PicturePosition", "<enum>PictureTop</enum>", 2},
         {"UseMaskColor", "<bool>false</bool>", false},
         {"UseGreyscale", "<bool>true</bool>", true},
         {"SpecialEffect", "<enum>EffectShadow</enum>", 3},
         {"CheckBoxBehaviour", "<bool>true</bool>", true},
         {"Value", "<bool>true</bool>", true}},
        {{"FontName", "<string>DejaVu Sans</string>", QStringLiteral("DejaVu Sans")},
         {"FontSize", "<number>14</number>", 14},
         {"HandPointer", "<bool>true</bool>", true},
         {"MousePointer", "", 99},
         {"Caption", "", QStringLiteral("b1")}},
    };
    QByteArray ui = "<ui version=\"4.0\"><widget class=\"QWidget\" name=\"form\">";
    for (int i = 0; i < 2; ++i) {
        ui += QStringLiteral("<widget class=\"%1\" name=\"b%2\">").arg(kClass).arg(i).toUtf8();
        for (const Stored& s : buttons[i])
            if (*s.xml)
                ui += QStringLiteral("<property name=\"%1\">%2</property>")
                          .arg(s.name, s.xml)
                          .toUtf8();
        ui += "</widget>";
    }
    ui += "</widget></ui>";

    QFormBuilder builder;
    builder.addPluginPath(kPluginDir);
    builder.setWorkingDirectory(QDir(dir.path()));
    std::unique_ptr<QWidget> form(loadForm(builder, ui));
    ASSERT_TRUE(form);
    QBuffer saved;
    saved.open(QIODevice::WriteOnly);
    builder.save(&saved, form.get());
    std::unique_ptr<QWidget> again(loadForm(builder, saved.data()));
    ASSERT_TRUE(again);
    for (int i = 0; i < 2; ++i) {
        QObject* loaded = form->findChild<QObject*>(QStringLiteral("b%1").arg(i));
        QObject* reloaded = again->findChild<QObject*>(QStringLiteral("b%1").arg(i));
        ASSERT_TRUE(loaded && reloaded);
        for (const Stored& s : buttons[i]) {
            const QVariant is = loaded->property(s.name);
            EXPECT_TRUE(same(is, s.value)) << s.name;
            if (is.typeId() != QMetaType::QPixmap &&
                !(is.metaType().flags() & QMetaType::IsEnumeration)) {
                EXPECT_EQ(reloaded->property(s.name), is) << s.name;
            }
        }
    }
}

// In Designer, what the control changes by itself is marked changed on the stored property
// Designer writes into the form: BackColor for a colour picked in its swatch (with BackOver,
// which follows it), and QWidget's 'font' for DoubleFrame's bold font. The editor's core
// lives as long as the application: the plugin keeps it.
TEST(DesignerPluginTest, DesignerWritesWhatTheControlChangesByItself) {
    QDesignerFormEditorInterface* core = QDesignerComponents::createFormEditor(qApp);
    ASSERT_NE(plugin(), nullptr);
    plugin()->initialize(core);
    std::unique_ptr<QWidget> button(plugin()->createWidget(nullptr));
    auto* sheet =
        qt_extension<QDesignerPropertySheetExtension*>(core->extensionManager(), button.get());
    ASSERT_NE(sheet, nullptr);
    button->setProperty("backColor", QColor(250, 128, 114));
    button->setProperty("ButtonType", QStringLiteral("DoubleFrame"));
    EXPECT_TRUE(button->font().bold());
    for (const char* name : {"BackColor", "BackOver", "font"})
        EXPECT_TRUE(sheet->isChanged(sheet->indexOf(QLatin1String(name)))) << name;
}

} // namespace
