// The widget box entry, the design-mode button and the bookkeeping that keeps Designer's
// idea of what changed in step with what the control changed by itself.
#include "button/designer/designer_plugin.h"

#include "button/widget/button_widget.h"

#include <QIcon>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerPropertyEditorInterface>
#include <QtDesigner/QDesignerPropertySheetExtension>
#include <QtDesigner/QExtensionManager>

namespace chameleon {

namespace {

constexpr char kWidgetClass[] = "chameleon::ChameleonButtonWidget";
constexpr char kGroup[] = "Quillmar";
// In angle brackets: the form file marks the header global, and uic includes it with <>.
constexpr char kIncludeFile[] = "<chameleonbutton/chameleonbutton.h>";
constexpr char kIcon[] = ":/chameleonbutton/designer/button.png";

// What a change notice means for Designer's property sheet: the stored properties it changed
// (so that the form file keeps them: the colours' twins that Designer edits are not stored),
// and the colour swatches whose shown value moved with it.
struct FollowOn {
    const char* notice;
    const char* property;
    bool stored;
};
constexpr FollowOn kFollowOns[] = {
    {"BCOL", "BackColor", true}, {"BCOL", "BackOver", true},  {"BCOL", "backOver", false},
    {"BCOLO", "BackOver", true}, {"FCOL", "ForeColor", true}, {"FCOL", "ForeOver", true},
    {"FCOL", "foreOver", false}, {"FCOLO", "ForeOver", true}, {"MCOL", "MaskColor", true},
    {"BTYPE", "font", true},
};

// Marks `property` of `widget` changed in Designer's property sheet, so the form stores it,
// and shows its new value in the property editor.
void markChanged(QDesignerFormEditorInterface* core, QWidget* widget, const FollowOn& f) {
    auto* sheet = qt_extension<QDesignerPropertySheetExtension*>(core->extensionManager(), widget);
    if (!sheet) return;
    const int index = sheet->indexOf(QString::fromLatin1(f.property));
    if (index < 0) return;
    if (f.stored) sheet->setChanged(index, true);
    QDesignerPropertyEditorInterface* editor = core->propertyEditor();
    if (editor && editor->object() == widget)
        editor->setPropertyValue(QString::fromLatin1(f.property), widget->property(f.property),
                                 sheet->isChanged(index));
}

} // namespace

ChameleonButtonDesignerPlugin::ChameleonButtonDesignerPlugin(QObject* parent) : QObject(parent) {}

QString ChameleonButtonDesignerPlugin::name() const {
    return QString::fromLatin1(kWidgetClass);
}
QString ChameleonButtonDesignerPlugin::group() const {
    return QString::fromLatin1(kGroup);
}
QString ChameleonButtonDesignerPlugin::toolTip() const {
    return QStringLiteral("chameleonButton: a skinnable push button");
}
QString ChameleonButtonDesignerPlugin::whatsThis() const {
    return QStringLiteral("A self-drawn push button with fourteen styles, five colour schemes, "
                          "pictures and hover tracking.");
}
QString ChameleonButtonDesignerPlugin::includeFile() const {
    return QString::fromLatin1(kIncludeFile);
}
QIcon ChameleonButtonDesignerPlugin::icon() const {
    return QIcon(QString::fromLatin1(kIcon));
}

void ChameleonButtonDesignerPlugin::initialize(QDesignerFormEditorInterface* core) {
    core_ = core;
}

QWidget* ChameleonButtonDesignerPlugin::createWidget(QWidget* parent) {
    auto* button = new ChameleonButtonWidget(parent);
    // Designer sets core_; QFormBuilder and QUiLoader build run-time forms without it.
    if (!core_) return button;
    button->setUserMode(false);
    QDesignerFormEditorInterface* core = core_;
    connect(button, &ChameleonButtonWidget::propertyChanged, button,
            [core, button](const QString& key) {
                for (const FollowOn& f : kFollowOns) {
                    if (key != QLatin1String(f.notice)) continue;
                    if (key == QLatin1String("BTYPE") &&
                        button->ButtonType() != ChameleonButtonWidget::DoubleFrame)
                        continue;
                    markChanged(core, button, f);
                }
            });
    return button;
}

QString ChameleonButtonDesignerPlugin::domXml() const {
    // The widget box shows the display name, not the namespaced class.
    return QStringLiteral(R"(<ui language="c++" displayname="chameleonButton">
 <widget class="%1" name="chameleonButton">
  <property name="geometry">
   <rect><x>0</x><y>0</y><width>75</width><height>23</height></rect>
  </property>
 </widget>
</ui>
)")
        .arg(QString::fromLatin1(kWidgetClass));
}

} // namespace chameleon
