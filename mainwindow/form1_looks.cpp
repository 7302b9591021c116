// Applies Form1's table of looks to its controls. Only the roles a look names are set, so
// everything else (the radio indicators, selection colours) keeps the platform's look.
#include "mainwindow/form1_looks.h"

#include <QApplication>
#include <QFont>
#include <QPalette>

namespace form1 {

namespace {

QFont fontOf(const FontLook& look) {
    QFont font(QString::fromLatin1(look.family));
    font.setPointSizeF(look.points);
    font.setWeight(static_cast<QFont::Weight>(look.weight));
    return font;
}

// A text box shows its background as Base; every other control as Window.
bool isTextBox(const QWidget& control) {
    return control.inherits("QLineEdit");
}

void applyLook(QWidget& control, const Look& look) {
    QPalette palette = control.palette();
    const QPalette::ColorRole backRole = isTextBox(control) ? QPalette::Base : QPalette::Window;
    palette.setColor(backRole, olePlainColor(look.back));
    if (look.text != kDefaultColor) {
        const QColor text = olePlainColor(look.text);
        // A text box writes with Text; the others with WindowText or ButtonText (and their
        // indicators with Text, which stays the platform's).
        if (isTextBox(control)) {
            palette.setColor(QPalette::Text, text);
        } else {
            palette.setColor(QPalette::WindowText, text);
            palette.setColor(QPalette::ButtonText, text);
        }
    }
    control.setPalette(palette);
    if (!isTextBox(control)) {
        // Option buttons fill with Button by default; every caption look fills with Window.
        control.setBackgroundRole(QPalette::Window);
        control.setAutoFillBackground(true);
    }
    control.setFont(fontOf(look.font));
}

} // namespace

void installFontStandIn() {
    const QString family = QString::fromLatin1(chameleon::metrics::kStandInFontFamily);
    const QString standIn = QString::fromLatin1(kMsSansSerifStandIn);
    if (!QFont::substitutes(family).contains(standIn)) QFont::insertSubstitution(family, standIn);
}

void applyLooks(QWidget& form) {
    // The window's own look first: its font and colours reach every child that sets none.
    for (const ControlLook& entry : kControlLooks)
        if (form.objectName() == QLatin1String(entry.control)) applyLook(form, *entry.look);
    for (const ControlLook& entry : kControlLooks) {
        auto* control = form.findChild<QWidget*>(QLatin1String(entry.control));
        if (control != nullptr) applyLook(*control, *entry.look);
    }
    // The progress bar keeps the platform's look rather than the window's blue.
    if (auto* bar = form.findChild<QWidget*>(QStringLiteral("PB1"))) {
        QPalette palette = bar->palette();
        palette.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
        bar->setPalette(palette);
    }
    for (QLabel* label : form.findChildren<QLabel*>()) autoSizeLabel(*label);
}

void autoSizeLabel(QLabel& label) {
    label.resize(label.sizeHint());
}

void setLabelCaption(QLabel& label, const QString& caption) {
    label.setText(caption);
    autoSizeLabel(label);
}

} // namespace form1
