// The widget's Qt properties: thin forwarders to the control's getters and setters, so that a
// value set from Designer, a uic-generated form or QFormBuilder runs exactly the steps, checks
// and errors of the setter a program calls through button(). Only the value types change:
// enumerations become the widget's Q_ENUMs and pictures become pixmaps.
#include "button/widget/button_widget.h"

#include "button/paint/checked_math.h"

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

void ChameleonButtonWidget::setBackColor(OleColor theCol) {
    button().setBackColor(theCol);
}
void ChameleonButtonWidget::setBackOver(OleColor theCol) {
    button().setBackOver(theCol);
}
void ChameleonButtonWidget::setForeColor(OleColor theCol) {
    button().setForeColor(theCol);
}
void ChameleonButtonWidget::setForeOver(OleColor theCol) {
    button().setForeOver(theCol);
}
void ChameleonButtonWidget::setMaskColor(OleColor theCol) {
    button().setMaskColor(theCol);
}

ChameleonButtonWidget::ButtonTypeValue ChameleonButtonWidget::ButtonType() const {
    return static_cast<ButtonTypeValue>(button_->ButtonType());
}
void ChameleonButtonWidget::setButtonType(ButtonTypeValue newValue) {
    button().setButtonType(newValue);
}

void ChameleonButtonWidget::setCaption(const QString& newValue) {
    button().setCaption(newValue);
}
void ChameleonButtonWidget::setEnabled(bool newValue) {
    button().setEnabled(newValue);
}
void ChameleonButtonWidget::setFont(const QFont& newFont) {
    button().setFont(newFont);
}
void ChameleonButtonWidget::setFontBold(bool newValue) {
    button().setFontBold(newValue);
}
void ChameleonButtonWidget::setFontItalic(bool newValue) {
    button().setFontItalic(newValue);
}
void ChameleonButtonWidget::setFontUnderline(bool newValue) {
    button().setFontUnderline(newValue);
}
void ChameleonButtonWidget::setFontSize(int newValue) {
    if (newValue < std::numeric_limits<std::int16_t>::min() ||
        newValue > std::numeric_limits<std::int16_t>::max())
        checked::overflow();
    button().setFontSize(static_cast<std::int16_t>(newValue));
}
void ChameleonButtonWidget::setFontName(const QString& newValue) {
    button().setFontName(newValue);
}

ChameleonButtonWidget::ColorSchemeValue ChameleonButtonWidget::ColorScheme() const {
    return static_cast<ColorSchemeValue>(button_->ColorScheme());
}
void ChameleonButtonWidget::setColorScheme(ColorSchemeValue newValue) {
    button().setColorScheme(newValue);
}
void ChameleonButtonWidget::setShowFocusRect(bool newValue) {
    button().setShowFocusRect(newValue);
}
void ChameleonButtonWidget::setMousePointer(int newPointer) {
    button().setMousePointer(newPointer);
}

QPixmap ChameleonButtonWidget::MouseIcon() const {
    return pixmapOf(button_->MouseIcon());
}
void ChameleonButtonWidget::setMouseIcon(const QPixmap& newIcon) {
    button().setMouseIcon(pictureOf(newIcon));
}
void ChameleonButtonWidget::setHandPointer(bool newValue) {
    button().setHandPointer(newValue);
}
void ChameleonButtonWidget::setSoftBevel(bool newValue) {
    button().setSoftBevel(newValue);
}

QPixmap ChameleonButtonWidget::PictureNormal() const {
    return pixmapOf(button_->PictureNormal());
}
void ChameleonButtonWidget::setPictureNormal(const QPixmap& newPic) {
    button().setPictureNormal(pictureOf(newPic));
}
QPixmap ChameleonButtonWidget::PictureOver() const {
    return pixmapOf(button_->PictureOver());
}
void ChameleonButtonWidget::setPictureOver(const QPixmap& newPic) {
    button().setPictureOver(pictureOf(newPic));
}

ChameleonButtonWidget::PicturePositionValue ChameleonButtonWidget::PicturePosition() const {
    return static_cast<PicturePositionValue>(button_->PicturePosition());
}
void ChameleonButtonWidget::setPicturePosition(PicturePositionValue newPicPos) {
    button().setPicturePosition(newPicPos);
}
void ChameleonButtonWidget::setUseMaskColor(bool newValue) {
    button().setUseMaskColor(newValue);
}
void ChameleonButtonWidget::setUseGreyscale(bool newValue) {
    button().setUseGreyscale(newValue);
}

ChameleonButtonWidget::SpecialEffectValue ChameleonButtonWidget::SpecialEffect() const {
    return static_cast<SpecialEffectValue>(button_->SpecialEffect());
}
void ChameleonButtonWidget::setSpecialEffect(SpecialEffectValue newValue) {
    button().setSpecialEffect(newValue);
}
void ChameleonButtonWidget::setCheckBoxBehaviour(bool newValue) {
    button().setCheckBoxBehaviour(newValue);
}
void ChameleonButtonWidget::setValue(bool newValue) {
    button().setValue(newValue);
}

} // namespace chameleon
