// The control object together with its host: what every internal routine of the button works
// on. The public chameleonButton class owns one of these.
#pragma once

#include "button/host.h"
#include "button/record.h"

#include <stdexcept>
#include <string>

namespace chameleon {

struct Control {
    explicit Control(ButtonHost& h) : host(h) {}
    ButtonHost& host;
    ButtonRecord r;
};

// A runtime error raised to the control's caller, with the runtime's error number
// (6 for an overflow).
class ControlError : public std::runtime_error {
  public:
    ControlError(int number, const std::string& what) : std::runtime_error(what), number_(number) {}
    int number() const { return number_; }

  private:
    int number_;
};

inline constexpr int OverflowErrorNumber = 6;

} // namespace chameleon
