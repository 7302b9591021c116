// chameleonButton: the control's public face. A host (the Qt widget, or a test host) creates
// one per instance and forwards to it the lifecycle calls and the input notifications; a
// program reads and sets its thirty properties. A setter stores its value, recomputes what the
// value affects, repaints and then issues the host's change notice, even when the value is
// unchanged; the exceptions are the font attribute setters (FontBold .. FontName), which
// issue no notice, PicturePosition, which notifies before it repaints, and the pointer
// setters, which have nothing to repaint. Failures are thrown to the caller as
// qdct::NumberedError.
#pragma once

#include "button/model/control.h"

#include <QFont>
#include <QString>
#include <cstdint>

namespace chameleon {

class PropertyBag;

inline constexpr char kButtonVersion[] = "2.0.6 B";

class chameleonButton {
  public:
    // Creation: the record at its creation values (everything zero but RedrawAllowed).
    chameleonButton(ButtonSurface& surface, ButtonHost& host);
    // The backdrop and every other resource go with the record.
    ~chameleonButton() = default;
    chameleonButton(const chameleonButton&) = delete;
    chameleonButton& operator=(const chameleonButton&) = delete;

    // --- properties -------------------------------------------------------------------------
    OleColor BackColor() const { return c_.r.BackColor; }
    void setBackColor(OleColor theCol);
    OleColor BackOver() const { return c_.r.BackOver; }
    void setBackOver(OleColor theCol);
    OleColor ForeColor() const { return c_.r.ForeColor; }
    void setForeColor(OleColor theCol);
    OleColor ForeOver() const { return c_.r.ForeOver; }
    void setForeOver(OleColor theCol);
    OleColor MaskColor() const { return c_.r.MaskColor; }
    void setMaskColor(OleColor theCol);
    std::int32_t ButtonType() const { return c_.r.ButtonType; }
    void setButtonType(std::int32_t newValue);
    QString Caption() const { return c_.r.Caption; }
    void setCaption(const QString& newValue);
    bool Enabled() const { return c_.r.Enabled; }
    void setEnabled(bool newValue);
    QFont Font() const;
    void setFont(const QFont& newFont);
    bool FontBold() const;
    void setFontBold(bool newValue);
    bool FontItalic() const;
    void setFontItalic(bool newValue);
    bool FontUnderline() const;
    void setFontUnderline(bool newValue);
    // Whole points, halves to even: a font of 8.25 points reads 8.
    std::int16_t FontSize() const;
    void setFontSize(std::int16_t newValue);
    QString FontName() const;
    void setFontName(const QString& newValue);
    std::int32_t ColorScheme() const { return c_.r.ColorScheme; }
    void setColorScheme(std::int32_t newValue);
    bool ShowFocusRect() const { return c_.r.ShowFocusRect; }
    void setShowFocusRect(bool newValue);
    std::int32_t MousePointer() const;
    // Throws an overflow error, changing nothing, for a value outside the 16-bit range.
    void setMousePointer(std::int32_t newPointer);
    PicturePtr MouseIcon() const;
    // Never fails: a picture the surface refuses leaves the old pointer image.
    void setMouseIcon(const PicturePtr& newIcon);
    bool HandPointer() const { return c_.r.HandPointer; }
    // Overrides MousePointer and MouseIcon either way: the hand (99) or the arrow (1).
    void setHandPointer(bool newValue);
    quintptr hwnd() const;
    bool SoftBevel() const { return c_.r.SoftBevel; }
    void setSoftBevel(bool newValue);
    PicturePtr PictureNormal() const { return c_.r.PictureNormal; }
    void setPictureNormal(const PicturePtr& newPic);
    PicturePtr PictureOver() const { return c_.r.PictureOver; }
    void setPictureOver(const PicturePtr& newPic);
    std::int32_t PicturePosition() const { return c_.r.PicturePosition; }
    void setPicturePosition(std::int32_t newPicPos);
    bool UseMaskColor() const { return c_.r.UseMaskColor; }
    void setUseMaskColor(bool newValue);
    bool UseGreyscale() const { return c_.r.UseGreyscale; }
    void setUseGreyscale(bool newValue);
    std::int32_t SpecialEffect() const { return c_.r.SpecialEffect; }
    void setSpecialEffect(std::int32_t newValue);
    bool CheckBoxBehaviour() const { return c_.r.CheckBoxBehaviour; }
    void setCheckBoxBehaviour(bool newValue);
    bool Value() const { return c_.r.Value; }
    void setValue(bool newValue);
    QString Version() const { return QString::fromLatin1(kButtonVersion); }

    // --- methods ------------------------------------------------------------------------------
    // Stops all drawing until Refresh (or showing the control), to batch property changes.
    void DisableRefresh();
    // Re-enables drawing and repaints once in the last state.
    void Refresh();

    // --- lifecycle, called by the host --------------------------------------------------------
    // A button without stored properties: design values from the container's ambient ones.
    void newInstance();
    // Reads the 23 stored keys in order. A value that cannot be converted throws
    // an error naming its key; what was read before it stays loaded, nothing after it is.
    void load(const PropertyBag& bag);
    // Writes the 23 keys in order; an empty PictureNormal or PictureOver removes its key.
    void save(PropertyBag& bag) const;
    void show();
    void hide();
    void resize();

    // --- input notifications, called by the host (input.cpp) ----------------------------------
    // Button and KeyCode left outside 0..255 by the host's handler throw an overflow error.
    void mousePress(std::int16_t button, std::int16_t shift, float x, float y);
    void mouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    void mouseRelease(std::int16_t button, std::int16_t shift, float x, float y);
    void click();
    void doubleClick();
    void keyDown(std::int16_t keyCode, std::int16_t shift);
    void keyPress(std::int16_t keyAscii);
    void keyUp(std::int16_t keyCode, std::int16_t shift);
    void accessKey(std::int16_t keyAscii);
    void focusGained();
    void focusLost();
    void ambientChanged(const QString& name);
    void overTimerTick();

    // The control object, for hosts and tests that look inside.
    Control& control() { return c_; }
    const ButtonRecord& record() const { return c_.r; }

  private:
    Control c_;
};

} // namespace chameleon
