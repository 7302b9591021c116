// Form1's option buttons. A QRadioButton answers a click only on its indicator and caption;
// these take it anywhere in the rectangle the layout gives them, as their widths promise.
#pragma once

#include <QRadioButton>

namespace form1 {

class OptionButton : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;

  protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

} // namespace form1
