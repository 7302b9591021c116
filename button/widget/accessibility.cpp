// What screen readers see of a ChameleonButtonWidget: a push button named by its caption
// (the access-key ampersands removed), that can be pressed, and that reports itself checked
// while it behaves as a check box. The widget is a plain QWidget, so Qt's own button
// interface does not apply; this one is handed out by a factory instead.
#include "button/widget/button_widget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <mutex>

namespace chameleon {

namespace {

// The caption as read aloud: "&Start" reads "Start", "Save && Exit" reads "Save & Exit".
QString spokenCaption(const QString& caption) {
    QString spoken;
    spoken.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption.at(i + 1) == QLatin1Char('&')) {
                spoken += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        spoken += caption.at(i);
    }
    return spoken;
}

class ButtonAccessible final : public QAccessibleWidget {
  public:
    explicit ButtonAccessible(ChameleonButtonWidget* w)
        : QAccessibleWidget(w, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? spokenCaption(button()->button().Caption()) : name;
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const ButtonRecord& r = button()->button().record();
        s.pressed = r.LastState == StateDown;
        s.checkable = r.CheckBoxBehaviour;
        s.checked = r.CheckBoxBehaviour && r.Value;
        s.defaultButton = button()->displayAsDefault();
        return s;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }

  private:
    ChameleonButtonWidget* button() const { return static_cast<ChameleonButtonWidget*>(widget()); }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className == QLatin1String("chameleon::ChameleonButtonWidget") && object &&
        object->isWidgetType())
        return new ButtonAccessible(static_cast<ChameleonButtonWidget*>(object));
    return nullptr;
}

} // namespace

void installButtonAccessibility() {
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(factory); });
}

} // namespace chameleon
