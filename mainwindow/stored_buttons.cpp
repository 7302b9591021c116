// Reading the buttons' stored form data and handing each bag to its button, the way the form
// engine does for a user control: size the instance from its extent, then let it load.
#include "mainwindow/stored_buttons.h"

#include "button/paint/metrics.h"
#include "button/widget/button_widget.h"
#include "common/numbered_error.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <stdexcept>

// Outside every namespace, as the resource initialiser is declared there.
static void registerForm1Resources() {
    Q_INIT_RESOURCE(form1);
}

namespace form1 {

namespace {

// Malformed stored data is the window's error, numbered as the button numbers a bad value.
[[noreturn]] void raiseStoredDataError(const std::string& description) {
    throw qdct::NumberedError(qdct::errnum::kInvalidPropertyValue, "Form1", description);
}

int himetricToPixels(std::int32_t himetric) {
    return static_cast<int>(std::lround(chameleon::metrics::himetricToPixels(himetric)));
}

} // namespace

std::map<QString, chameleon::PropertyBag> readStoredButtons(const QByteArray& json) {
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
        raiseStoredDataError("the stored buttons are not a JSON object of bags");
    std::map<QString, chameleon::PropertyBag> bags;
    const QJsonObject object = document.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!it.value().isArray())
            raiseStoredDataError("the stored bag of '" + it.key().toStdString() +
                                 "' is not an array");
        bags.emplace(it.key(), chameleon::PropertyBag::fromJson(it.value().toArray()));
    }
    return bags;
}

QSize extentPixels(const chameleon::PropertyBag& bag) {
    return {himetricToPixels(bag.readInt32(QLatin1String(kExtentXKey), 0)),
            himetricToPixels(bag.readInt32(QLatin1String(kExtentYKey), 0))};
}

void loadStoredButtons(QWidget& form, const QByteArray& json) {
    for (const auto& [name, bag] : readStoredButtons(json)) {
        auto* button = form.findChild<chameleon::ChameleonButtonWidget*>(name);
        if (button == nullptr)
            throw std::runtime_error("no button '" + name.toStdString() + "' on the window");
        button->resize(extentPixels(bag));
        button->load(bag);
    }
}

void initResources() {
    static const bool registered = [] {
        registerForm1Resources();
        return true;
    }();
    (void)registered;
}

QByteArray storedButtonsData() {
    initResources();
    QFile file(QString::fromLatin1(kStoredButtonsResource));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("the stored buttons resource is missing");
    return file.readAll();
}

} // namespace form1
