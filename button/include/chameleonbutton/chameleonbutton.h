// The one header a program includes to use the button: the widget with its properties and
// signals, the property store it loads from and saves to, and the error its calls throw.
#pragma once

#include "button/model/property_bag.h"
#include "button/widget/button_widget.h"
#include "common/numbered_error.h"
