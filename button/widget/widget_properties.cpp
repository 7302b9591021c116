// The widget's Qt properties: thin forwarders to the control's getters and setters, so that a
// value set from Designer, a uic-generated form or QFormBuilder runs exactly the steps, checks
// and errors of the setter a program calls through button(). Only the value types change:
// enumerations become the widget's Q_ENUMs and pictures become pixmaps.
#include "button/widget/button_widget.h"

#include "button/paint/checked_math.h"
#include "button/paint/colors.h"

#include <limits>

namespace chameleon {

namespace {

QPixmap pixmapOf(const PicturePtr& picture) {
    return picture ? QPixmap::fromImage(picture->image) : QPixmap();
}

// Icons are the pictures that carry transparency; a null pixmap is the empty picture.
PicturePtr pictureOf(const QPixmap& pixmap) {
    if (pixmap.isNull()) return nullptr;
    return makePicture(pixmap.toImage(),
                       pixmap.hasAlphaChannel() ? Picture::Icon : Picture::Bitmap);
}

} // namespace

// While a form is designed, a value the control refuses must not take the designer down with
// it: the setter's error is reported through errorRaised and the property keeps its value. A
// program's own writes (user mode, uic-made forms) get the setter's error thrown, as from
// button().
template <typename Set>
void ChameleonButtonWidget::designSafe(Set&& set) {
    if (userMode()) {
        set();
        return;
    }
    try {
        set();
    } catch (const qdct::NumberedError& e) {
        reportError(e.number(), QString::fromStdString(e.description()));
    }
}

void ChameleonButtonWidget::setBackColor(OleColor theCol) {
    designSafe([&] { button().setBackColor(theCol); });
}
void ChameleonButtonWidget::setBackOver(OleColor theCol) {
    designSafe([&] { button().setBackOver(theCol); });
}
void ChameleonButtonWidget::setForeColor(OleColor theCol) {
    designSafe([&] { button().setForeColor(theCol); });
}
void ChameleonButtonWidget::setForeOver(OleColor theCol) {
    designSafe([&] { button().setForeOver(theCol); });
}
void ChameleonButtonWidget::setMaskColor(OleColor theCol) {
    designSafe([&] { button().setMaskColor(theCol); });
}

QColor ChameleonButtonWidget::shownColor(OleColor color) {
    const Rgb shown = TranslateOleColor(color);
    return QColor(redOf(shown), greenOf(shown), blueOf(shown));
}

template <typename Set>
void ChameleonButtonWidget::setPickedColor(const QColor& picked, OleColor now, Set set) {
    if (!picked.isValid() || picked.rgb() == shownColor(now).rgb()) return;
    set(static_cast<OleColor>(rgb(picked.red(), picked.green(), picked.blue())));
}

void ChameleonButtonWidget::setBackColor(const QColor& theCol) {
    setPickedColor(theCol, BackColor(), [this](OleColor c) { setBackColor(c); });
}
void ChameleonButtonWidget::setBackOver(const QColor& theCol) {
    setPickedColor(theCol, BackOver(), [this](OleColor c) { setBackOver(c); });
}
void ChameleonButtonWidget::setForeColor(const QColor& theCol) {
    setPickedColor(theCol, ForeColor(), [this](OleColor c) { setForeColor(c); });
}
void ChameleonButtonWidget::setForeOver(const QColor& theCol) {
    setPickedColor(theCol, ForeOver(), [this](OleColor c) { setForeOver(c); });
}
void ChameleonButtonWidget::setMaskColor(const QColor& theCol) {
    setPickedColor(theCol, MaskColor(), [this](OleColor c) { setMaskColor(c); });
}

ChameleonButtonWidget::ButtonTypeValue ChameleonButtonWidget::ButtonType() const {
    return static_cast<ButtonTypeValue>(button_->ButtonType());
}
void ChameleonButtonWidget::setButtonType(ButtonTypeValue newValue) {
    designSafe([&] { button().setButtonType(newValue); });
}

void ChameleonButtonWidget::setCaption(const QString& newValue) {
    designSafe([&] { button().setCaption(newValue); });
}
void ChameleonButtonWidget::setEnabled(bool newValue) {
    designSafe([&] { button().setEnabled(newValue); });
}
void ChameleonButtonWidget::setFont(const QFont& newFont) {
    designSafe([&] { button().setFont(newFont); });
}
void ChameleonButtonWidget::setFontBold(bool newValue) {
    designSafe([&] { button().setFontBold(newValue); });
}
void ChameleonButtonWidget::setFontItalic(bool newValue) {
    designSafe([&] { button().setFontItalic(newValue); });
}
void ChameleonButtonWidget::setFontUnderline(bool newValue) {
    designSafe([&] { button().setFontUnderline(newValue); });
}
void ChameleonButtonWidget::setFontSize(int newValue) {
    designSafe([&] {
        if (newValue < std::numeric_limits<std::int16_t>::min() ||
            newValue > std::numeric_limits<std::int16_t>::max())
            checked::overflow();
        button().setFontSize(static_cast<std::int16_t>(newValue));
    });
}
void ChameleonButtonWidget::setFontName(const QString& newValue) {
    designSafe([&] { button().setFontName(newValue); });
}

ChameleonButtonWidget::ColorSchemeValue ChameleonButtonWidget::ColorScheme() const {
    return static_cast<ColorSchemeValue>(button_->ColorScheme());
}
void ChameleonButtonWidget::setColorScheme(ColorSchemeValue newValue) {
    designSafe([&] { button().setColorScheme(newValue); });
}
void ChameleonButtonWidget::setShowFocusRect(bool newValue) {
    designSafe([&] { button().setShowFocusRect(newValue); });
}
void ChameleonButtonWidget::setMousePointer(int newPointer) {
    designSafe([&] { button().setMousePointer(newPointer); });
}

QPixmap ChameleonButtonWidget::MouseIcon() const {
    return pixmapOf(button_->MouseIcon());
}
void ChameleonButtonWidget::setMouseIcon(const QPixmap& newIcon) {
    designSafe([&] { button().setMouseIcon(pictureOf(newIcon)); });
}
void ChameleonButtonWidget::setHandPointer(bool newValue) {
    // Forms write their properties in any order: writing the value it has must not undo the
    // MousePointer written before it.
    if (newValue == HandPointer()) return;
    designSafe([&] { button().setHandPointer(newValue); });
}
void ChameleonButtonWidget::setSoftBevel(bool newValue) {
    designSafe([&] { button().setSoftBevel(newValue); });
}

QPixmap ChameleonButtonWidget::PictureNormal() const {
    return pixmapOf(button_->PictureNormal());
}
void ChameleonButtonWidget::setPictureNormal(const QPixmap& newPic) {
    designSafe([&] { button().setPictureNormal(pictureOf(newPic)); });
}
QPixmap ChameleonButtonWidget::PictureOver() const {
    return pixmapOf(button_->PictureOver());
}
void ChameleonButtonWidget::setPictureOver(const QPixmap& newPic) {
    designSafe([&] { button().setPictureOver(pictureOf(newPic)); });
}

ChameleonButtonWidget::PicturePositionValue ChameleonButtonWidget::PicturePosition() const {
    return static_cast<PicturePositionValue>(button_->PicturePosition());
}
void ChameleonButtonWidget::setPicturePosition(PicturePositionValue newPicPos) {
    designSafe([&] { button().setPicturePosition(newPicPos); });
}
void ChameleonButtonWidget::setUseMaskColor(bool newValue) {
    designSafe([&] { button().setUseMaskColor(newValue); });
}
void ChameleonButtonWidget::setUseGreyscale(bool newValue) {
    designSafe([&] { button().setUseGreyscale(newValue); });
}

ChameleonButtonWidget::SpecialEffectValue ChameleonButtonWidget::SpecialEffect() const {
    return static_cast<SpecialEffectValue>(button_->SpecialEffect());
}
void ChameleonButtonWidget::setSpecialEffect(SpecialEffectValue newValue) {
    designSafe([&] { button().setSpecialEffect(newValue); });
}
void ChameleonButtonWidget::setCheckBoxBehaviour(bool newValue) {
    designSafe([&] { button().setCheckBoxBehaviour(newValue); });
}
void ChameleonButtonWidget::setValue(bool newValue) {
    designSafe([&] { button().setValue(newValue); });
}

} // namespace chameleon
