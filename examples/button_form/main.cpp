// The button form example: shows the form, and a click on a button puts its caption in the
// window title. With --grab NAME FILE it draws the form off screen and saves the button NAME
// as a PNG, so the drawing can be checked against the library's own.
#include "ui_button_form.h"

#include <QApplication>
#include <QStringList>

namespace example {

// Saves the named button of the shown form as a PNG; false when there is no such button.
bool grabButton(QWidget& form, const QString& name, const QString& file) {
    auto* button = form.findChild<chameleon::ChameleonButtonWidget*>(name);
    return button && button->grab().save(file, "PNG");
}

} // namespace example

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget form;
    Ui::ButtonForm ui;
    ui.setupUi(&form);
    for (auto* button : form.findChildren<chameleon::ChameleonButtonWidget*>())
        QObject::connect(button, &chameleon::ChameleonButtonWidget::Click, &form,
                         [&form, button] { form.setWindowTitle(button->Caption()); });
    form.show();

    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == QLatin1String("--grab")) {
        QApplication::processEvents();
        return example::grabButton(form, args[2], args[3]) ? 0 : 1;
    }
    return app.exec();
}
