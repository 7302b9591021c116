// The button's properties and lifecycle: what each setter recomputes and repaints before it
// issues its change notice, the design values of a new instance, the 23 stored keys, and the
// handlers the host calls on creation, show, hide, resize and destruction.
#include "button/model/capture.h"
#include "button/model/chameleon_button.h"
#include "button/model/derived.h"
#include "button/model/property_bag.h"
#include "button/model/redraw.h"
#include "button/paint/checked_math.h"
#include "button/paint/colors.h"
#include "button/paint/metrics.h"
#include "button/paint/system_colors.h"

#include <cmath>
#include <limits>

namespace chameleon {

namespace {

constexpr OleColor kDefaultMaskColor = 0xC0C0C0;

// The hand pointer's resource identifier, named in the error when it cannot be loaded.
constexpr int kHandCursorResource = 101;

// The 23 stored keys, in the order they are saved and loaded.
namespace Key {
constexpr const char* ButtonType = "BTYPE";
constexpr const char* Caption = "TX";
constexpr const char* Enabled = "ENAB";
constexpr const char* Font = "FONT";
constexpr const char* ColorScheme = "COLTYPE";
constexpr const char* ShowFocusRect = "FOCUSR";
constexpr const char* BackColor = "BCOL";
constexpr const char* BackOver = "BCOLO";
constexpr const char* ForeColor = "FCOL";
constexpr const char* ForeOver = "FCOLO";
constexpr const char* MaskColor = "MCOL";
constexpr const char* MousePointer = "MPTR";
constexpr const char* MouseIcon = "MICON";
constexpr const char* PictureNormal = "PICN";
constexpr const char* PictureOver = "PICH";
constexpr const char* UseMaskColor = "UMCOL";
constexpr const char* SoftBevel = "SOFT";
constexpr const char* PicturePosition = "PICPOS";
constexpr const char* UseGreyscale = "NGREY";
constexpr const char* SpecialEffect = "FX";
constexpr const char* HandPointer = "HAND";
constexpr const char* CheckBoxBehaviour = "CHECK";
constexpr const char* Value = "VALUE";
} // namespace Key

// PictureOver's change notice differs from the key it is stored under.
constexpr char kPictureOverNotice[] = "PICO";

// Colours are stored as the 32-bit integers they are (system colours come out negative).
std::int32_t storedColor(OleColor color) {
    return static_cast<std::int32_t>(color);
}
OleColor loadedColor(std::int32_t value) {
    return static_cast<OleColor>(value);
}

std::int16_t narrowPointer(std::int32_t value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        raiseControlError(qdct::errnum::kOverflow, "Overflow: MousePointer " +
                                                       std::to_string(value) +
                                                       " does not fit a 16-bit pointer shape");
    }
    return static_cast<std::int16_t>(value);
}

} // namespace

// --- lifecycle ------------------------------------------------------------------------------

chameleonButton::chameleonButton(ButtonSurface& surface, ButtonHost& host) : c_(surface, host) {}

void chameleonButton::newInstance() {
    ButtonRecord& r = c_.r;
    r.Enabled = true;
    r.ShowFocusRect = true;
    r.UseMaskColor = true;
    r.Caption = c_.host.ambientDisplayName();
    c_.surface.setFont(c_.host.ambientFont());
    r.ButtonType = ClassicBevel;
    r.ColorScheme = SchemeSystem;
    ApplyColorScheme(c_);
    // Plain RGB copies of what the system table holds now, not system colour indices.
    r.BackColor = static_cast<OleColor>(r.colors.FaceColor);
    r.BackOver = static_cast<OleColor>(r.colors.FaceColor);
    r.MaskColor = kDefaultMaskColor;
    r.ForeColor = static_cast<OleColor>(r.colors.TextColor);
    r.ForeOver = static_cast<OleColor>(r.colors.TextColor);
    LayoutCaption(c_);
}

void chameleonButton::load(const PropertyBag& bag) {
    ButtonRecord& r = c_.r;
    ButtonHost& host = c_.host;
    r.ButtonType = bag.readInt32(Key::ButtonType, ClassicBevel);
    r.Caption = bag.readString(Key::Caption, QString());
    r.Enabled = bag.readBool(Key::Enabled, true);
    c_.surface.setFont(bag.readFont(Key::Font, c_.surface.font()));
    r.ColorScheme = bag.readInt32(Key::ColorScheme, SchemeSystem);
    r.ShowFocusRect = bag.readBool(Key::ShowFocusRect, true);
    r.BackColor = loadedColor(bag.readInt32(Key::BackColor, systemColor(ColorBtnFace)));
    r.BackOver = loadedColor(bag.readInt32(Key::BackOver, storedColor(r.BackColor)));
    r.ForeColor = loadedColor(bag.readInt32(Key::ForeColor, systemColor(ColorBtnText)));
    r.ForeOver = loadedColor(bag.readInt32(Key::ForeOver, storedColor(r.ForeColor)));
    r.MaskColor = loadedColor(bag.readInt32(Key::MaskColor, storedColor(kDefaultMaskColor)));
    host.setMousePointer(bag.readInt16(Key::MousePointer, PointerDefault));
    host.setMouseIcon(bag.readPicture(Key::MouseIcon, nullptr));
    r.PictureNormal = bag.readPicture(Key::PictureNormal, nullptr);
    r.PictureOver = bag.readPicture(Key::PictureOver, nullptr);
    r.UseMaskColor = bag.readBool(Key::UseMaskColor, true);
    r.SoftBevel = bag.readBool(Key::SoftBevel, false);
    r.PicturePosition = bag.readInt32(Key::PicturePosition, PictureLeft);
    r.UseGreyscale = bag.readBool(Key::UseGreyscale, false);
    r.SpecialEffect = bag.readInt32(Key::SpecialEffect, EffectNone);
    // The setter, so HandPointer overrides the pointer read above and issues its notice.
    setHandPointer(bag.readBool(Key::HandPointer, false));
    r.CheckBoxBehaviour = bag.readBool(Key::CheckBoxBehaviour, false);
    r.Value = bag.readBool(Key::Value, false);
    host.setSurfaceEnabled(r.Enabled);
    MeasurePicture(c_);
    LayoutCaption(c_);
    SetAccessKey(c_);
}

void chameleonButton::save(PropertyBag& bag) const {
    const ButtonRecord& r = c_.r;
    const ButtonHost& host = c_.host;
    // An empty picture is written as nothing: its key must not survive from earlier data.
    auto writePicture = [&bag](const char* key, const PicturePtr& picture) {
        if (picture)
            bag.write(key, picture);
        else
            bag.remove(key);
    };
    bag.write(Key::ButtonType, r.ButtonType);
    bag.write(Key::Caption, r.Caption);
    bag.write(Key::Enabled, r.Enabled);
    bag.write(Key::Font, c_.surface.font());
    bag.write(Key::ColorScheme, r.ColorScheme);
    bag.write(Key::ShowFocusRect, r.ShowFocusRect);
    bag.write(Key::BackColor, storedColor(r.BackColor));
    bag.write(Key::BackOver, storedColor(r.BackOver));
    bag.write(Key::ForeColor, storedColor(r.ForeColor));
    bag.write(Key::ForeOver, storedColor(r.ForeOver));
    bag.write(Key::MaskColor, storedColor(r.MaskColor));
    bag.write(Key::MousePointer, host.mousePointer());
    // The pointer image is always written, blank or not.
    bag.write(Key::MouseIcon, host.mouseIcon());
    writePicture(Key::PictureNormal, r.PictureNormal);
    writePicture(Key::PictureOver, r.PictureOver);
    bag.write(Key::UseMaskColor, r.UseMaskColor);
    bag.write(Key::SoftBevel, r.SoftBevel);
    bag.write(Key::PicturePosition, r.PicturePosition);
    bag.write(Key::UseGreyscale, r.UseGreyscale);
    bag.write(Key::SpecialEffect, r.SpecialEffect);
    bag.write(Key::HandPointer, r.HandPointer);
    bag.write(Key::CheckBoxBehaviour, r.CheckBoxBehaviour);
    bag.write(Key::Value, r.Value);
}

void chameleonButton::show() {
    ButtonRecord& r = c_.r;
    if (r.ButtonType == Transparent) {
        if (r.Backdrop.isNull() && r.ClientWidth > 0 && r.ClientHeight > 0) {
            r.Backdrop = QImage(r.ClientWidth, r.ClientHeight, QImage::Format_RGB32);
            r.Backdrop.fill(Qt::black); // no contents until the capture fills it
        }
        CaptureBackground(c_);
    }
    r.RedrawAllowed = true;
    ApplyColorScheme(c_);
    Redraw(c_, StateUp, true);
}

void chameleonButton::hide() {
    c_.r.RedrawAllowed = false;
}

void chameleonButton::resize() {
    ButtonRecord& r = c_.r;
    // The capture collapses the window on purpose; its sizes must survive that.
    if (r.CapturingBackground) return;
    const QSize size = c_.surface.clientSize();
    r.ClientHeight = size.height();
    r.ClientWidth = size.width();
    r.FocusRect = metrics::focusRectFor(r.ButtonType, Rect{0, 0, r.ClientWidth, r.ClientHeight});
    LayoutCaption(c_);
    BuildShapeRegion(c_);
    c_.surface.setWindowShape(r.ShapeRegion);
    if (r.ClientHeight != 0) Redraw(c_, StateUp, true);
}

// --- methods --------------------------------------------------------------------------------

void chameleonButton::DisableRefresh() {
    c_.r.RedrawAllowed = false;
}

void chameleonButton::Refresh() {
    if (c_.r.ButtonType == Transparent) CaptureBackground(c_);
    ApplyColorScheme(c_);
    LayoutCaption(c_);
    c_.r.RedrawAllowed = true;
    Redraw(c_, c_.r.LastState, true);
}

// --- colours --------------------------------------------------------------------------------

void chameleonButton::setBackColor(OleColor theCol) {
    c_.r.BackColor = theCol;
    // In the designer the hover colour follows; at run time it is a property of its own.
    if (!c_.host.ambientUserMode()) c_.r.BackOver = theCol;
    ApplyColorScheme(c_);
    Redraw(c_, c_.r.LastState, true);
    c_.host.propertyChanged(Key::BackColor);
}

void chameleonButton::setBackOver(OleColor theCol) {
    c_.r.BackOver = theCol;
    ApplyColorScheme(c_);
    Redraw(c_, c_.r.LastState, true);
    c_.host.propertyChanged(Key::BackOver);
}

void chameleonButton::setForeColor(OleColor theCol) {
    c_.r.ForeColor = theCol;
    if (!c_.host.ambientUserMode()) c_.r.ForeOver = theCol;
    ApplyColorScheme(c_);
    Redraw(c_, c_.r.LastState, true);
    c_.host.propertyChanged(Key::ForeColor);
}

void chameleonButton::setForeOver(OleColor theCol) {
    c_.r.ForeOver = theCol;
    ApplyColorScheme(c_);
    Redraw(c_, c_.r.LastState, true);
    c_.host.propertyChanged(Key::ForeOver);
}

void chameleonButton::setMaskColor(OleColor theCol) {
    c_.r.MaskColor = theCol;
    ApplyColorScheme(c_);
    Redraw(c_, c_.r.LastState, true);
    c_.host.propertyChanged(Key::MaskColor);
}

void chameleonButton::setColorScheme(std::int32_t newValue) {
    c_.r.ColorScheme = newValue;
    ApplyColorScheme(c_);
    Redraw(c_, StateUp, true);
    c_.host.propertyChanged(Key::ColorScheme);
}

void chameleonButton::setSoftBevel(bool newValue) {
    c_.r.SoftBevel = newValue;
    ApplyColorScheme(c_);
    Redraw(c_, c_.r.LastState, true);
    c_.host.propertyChanged(Key::SoftBevel);
}

// --- style, caption, state ------------------------------------------------------------------

void chameleonButton::setButtonType(std::int32_t newValue) {
    c_.r.ButtonType = newValue;
    if (newValue == DoubleFrame && !c_.host.ambientUserMode()) {
        // The designer makes the double frame's caption bold; it stays bold afterwards.
        QFont font = c_.surface.font();
        font.setBold(true);
        c_.surface.setFont(font);
    } else if (newValue == Transparent && c_.r.RedrawAllowed) {
        CaptureBackground(c_);
    }
    // The style decides the focus inset and the window shape.
    resize();
    c_.host.propertyChanged(Key::ButtonType);
}

void chameleonButton::setCaption(const QString& newValue) {
    c_.r.Caption = newValue;
    SetAccessKey(c_);
    LayoutCaption(c_);
    Redraw(c_, StateUp, true);
    c_.host.propertyChanged(Key::Caption);
}

void chameleonButton::setEnabled(bool newValue) {
    c_.r.Enabled = newValue;
    Redraw(c_, StateUp, true);
    c_.host.setSurfaceEnabled(newValue);
    c_.host.propertyChanged(Key::Enabled);
}

void chameleonButton::setShowFocusRect(bool newValue) {
    c_.r.ShowFocusRect = newValue;
    Redraw(c_, c_.r.LastState, true);
    c_.host.propertyChanged(Key::ShowFocusRect);
}

void chameleonButton::setSpecialEffect(std::int32_t newValue) {
    c_.r.SpecialEffect = newValue;
    Redraw(c_, c_.r.LastState, true);
    c_.host.propertyChanged(Key::SpecialEffect);
}

void chameleonButton::setCheckBoxBehaviour(bool newValue) {
    c_.r.CheckBoxBehaviour = newValue;
    Redraw(c_, c_.r.LastState, true);
    c_.host.propertyChanged(Key::CheckBoxBehaviour);
}

void chameleonButton::setValue(bool newValue) {
    c_.r.Value = newValue;
    // Only a check box shows its value; Redraw draws it down while it is True.
    if (c_.r.CheckBoxBehaviour) Redraw(c_, StateUp, true);
    c_.host.propertyChanged(Key::Value);
}

// --- font -----------------------------------------------------------------------------------

QFont chameleonButton::Font() const {
    return c_.surface.font();
}

void chameleonButton::setFont(const QFont& newFont) {
    // A font the store refuses changes nothing.
    requireStorableFontSize(metrics::storedFontPoints(newFont));
    c_.surface.setFont(newFont);
    LayoutCaption(c_);
    Redraw(c_, StateUp, true);
    c_.host.propertyChanged(Key::Font);
}

bool chameleonButton::FontBold() const {
    return c_.surface.font().bold();
}

bool chameleonButton::FontItalic() const {
    return c_.surface.font().italic();
}

bool chameleonButton::FontUnderline() const {
    return c_.surface.font().underline();
}

std::int16_t chameleonButton::FontSize() const {
    // The default rounding mode rounds halves to the even number.
    const double rounded = std::nearbyint(c_.surface.font().pointSizeF());
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        raiseControlError(qdct::errnum::kOverflow, "Overflow: the font size does not fit 16 bits");
    }
    return static_cast<std::int16_t>(rounded);
}

QString chameleonButton::FontName() const {
    return c_.surface.font().family();
}

namespace {
// The attribute setters share their steps and issue no notice.
template <typename Change>
void changeFont(Control& c, Change change) {
    QFont font = c.surface.font();
    change(font);
    requireStorableFontSize(metrics::storedFontPoints(font));
    c.surface.setFont(font);
    LayoutCaption(c);
    Redraw(c, StateUp, true);
}
} // namespace

void chameleonButton::setFontBold(bool newValue) {
    changeFont(c_, [newValue](QFont& f) { f.setBold(newValue); });
}

void chameleonButton::setFontItalic(bool newValue) {
    changeFont(c_, [newValue](QFont& f) { f.setItalic(newValue); });
}

void chameleonButton::setFontUnderline(bool newValue) {
    changeFont(c_, [newValue](QFont& f) { f.setUnderline(newValue); });
}

void chameleonButton::setFontSize(std::int16_t newValue) {
    // Checked as asked: Qt would keep the old size for one of 0 or less.
    requireStorableFontSize(newValue);
    changeFont(c_, [newValue](QFont& f) { f.setPointSizeF(double(newValue)); });
}

void chameleonButton::setFontName(const QString& newValue) {
    changeFont(c_, [&newValue](QFont& f) { f.setFamily(newValue); });
}

// --- pointer --------------------------------------------------------------------------------

std::int32_t chameleonButton::MousePointer() const {
    return c_.host.mousePointer();
}

void chameleonButton::setMousePointer(std::int32_t newPointer) {
    c_.host.setMousePointer(narrowPointer(newPointer));
    c_.host.propertyChanged(Key::MousePointer);
}

PicturePtr chameleonButton::MouseIcon() const {
    return c_.host.mouseIcon();
}

void chameleonButton::setMouseIcon(const PicturePtr& newIcon) {
    requireStorablePicture(newIcon); // refused before anything changes
    // Both steps may fail without the setter failing.
    try {
        c_.host.setMouseIcon(newIcon);
    } catch (const std::exception&) {
    }
    try {
        c_.host.propertyChanged(Key::MouseIcon);
    } catch (const std::exception&) {
    }
}

void chameleonButton::setHandPointer(bool newValue) {
    c_.r.HandPointer = newValue;
    if (newValue) {
        const PicturePtr hand = c_.host.handCursor();
        if (!hand) {
            raiseControlError(qdct::errnum::kResourceNotFound,
                              "Resource with identifier '" + std::to_string(kHandCursorResource) +
                                  "' not found");
        }
        c_.host.setMouseIcon(hand);
        c_.host.setMousePointer(PointerCustom);
    } else {
        c_.host.setMouseIcon(nullptr);
        c_.host.setMousePointer(PointerArrow);
    }
    c_.host.propertyChanged(Key::HandPointer);
}

quintptr chameleonButton::hwnd() const {
    return c_.host.windowHandle();
}

// --- pictures -------------------------------------------------------------------------------

void chameleonButton::setPictureNormal(const PicturePtr& newPic) {
    // A picture too large to draw or to store changes nothing.
    requireStorablePicture(newPic);
    measuredPictureSize(c_, newPic);
    c_.r.PictureNormal = newPic;
    MeasurePicture(c_);
    LayoutCaption(c_);
    Redraw(c_, c_.r.LastState, true);
    c_.host.propertyChanged(Key::PictureNormal);
}

void chameleonButton::setPictureOver(const PicturePtr& newPic) {
    requireStorablePicture(newPic); // shown only while hovering, but always stored
    c_.r.PictureOver = newPic;
    // Only the hover look shows it.
    if (c_.r.IsOver) Redraw(c_, c_.r.LastState, true);
    c_.host.propertyChanged(kPictureOverNotice);
}

void chameleonButton::setPicturePosition(std::int32_t newPicPos) {
    c_.r.PicturePosition = newPicPos;
    c_.host.propertyChanged(Key::PicturePosition);
    LayoutCaption(c_);
    Redraw(c_, c_.r.LastState, true);
}

void chameleonButton::setUseMaskColor(bool newValue) {
    c_.r.UseMaskColor = newValue;
    if (c_.r.PictureNormal) Redraw(c_, c_.r.LastState, true);
    c_.host.propertyChanged(Key::UseMaskColor);
}

void chameleonButton::setUseGreyscale(bool newValue) {
    c_.r.UseGreyscale = newValue;
    if (c_.r.PictureNormal) Redraw(c_, c_.r.LastState, true);
    c_.host.propertyChanged(Key::UseGreyscale);
}

} // namespace chameleon
