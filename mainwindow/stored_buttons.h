// The window's stored form data for its four buttons: one property bag per button, keyed by
// the control's name, kept as a JSON resource in the repository. Each bag holds the window's
// own extent entries ("_extentx", "_extenty", in HIMETRIC) and the button's 23 stored keys.
#pragma once

#include "button/model/property_bag.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QWidget>
#include <map>

namespace form1 {

inline constexpr char kStoredButtonsResource[] = ":/mainwindow/form1_buttons.json";
inline constexpr char kExtentXKey[] = "_extentx";
inline constexpr char kExtentYKey[] = "_extenty";

// Control name -> its stored bag. Raises error 380 when the document is
// not an object of bags or a bag is malformed.
std::map<QString, chameleon::PropertyBag> readStoredButtons(const QByteArray& json);

// The instance's size in pixels at 96 dots per inch from its HIMETRIC extent entries, each
// rounded to the nearest pixel.
QSize extentPixels(const chameleon::PropertyBag& bag);

// Sizes every button of `form` named in `json` from its extent, then loads its stored
// settings. Raises errors as readStoredButtons and the button's load do, and
// std::runtime_error for a stored name that `form` has no button for.
void loadStoredButtons(QWidget& form, const QByteArray& json);

// The stored data that ships with the program.
QByteArray storedButtonsData();

// Registers the window's resources (icon, stored data) once; they live in a static library,
// which the linker would otherwise leave out.
void initResources();

} // namespace form1
