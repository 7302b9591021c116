// The control object together with its surface and host: what every internal routine of the
// button's model works on. The public chameleonButton class owns one of these.
#pragma once

#include "button/model/host.h"
#include "button/model/record.h"

namespace chameleon {

struct Control {
    Control(ButtonSurface& s, ButtonHost& h) : surface(s), host(h) {}
    ButtonSurface& surface;
    ButtonHost& host;
    ButtonRecord r;
};

} // namespace chameleon
