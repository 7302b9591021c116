// ChameleonButtonWidget: the Qt home of one chameleonButton, usable on its own in any Qt
// program. It provides every service the control needs from its host: the backing image it
// shows in paintEvent, the window shape as its mask, mouse, keyboard, focus and access-key
// input, the pointer shapes, the hover timer, the container's ambient values, and a signal
// for each of the control's nine events and for its change notices.
//
// The event signals carry their parameters by reference: a slot connected directly (the
// default within one thread) may change them, and the control acts on what the slot leaves,
// e.g. setting `button` to 2 in MouseDown stops the down look and the Click that follows.
// Such signals cannot be queued across threads.
//
// Errors a handler of the control raises inside Qt's event loop (an overflow of `Button` or
// `KeyCode` left by a slot, a failing service) never cross the event loop: the widget stops
// that handler, emits errorRaised(number, description) and logs a warning. Errors from the
// methods a program calls directly (button().setMousePointer(70000), load(...)) are thrown
// to that program as qdct::NumberedError.
#pragma once

#include "button/model/chameleon_button.h"

#include <QColor>
#include <QEvent>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace chameleon {

class PropertyBag;
// Registers the accessibility factory that presents ChameleonButtonWidget to screen readers
// as a push button named by its caption; idempotent. The widget calls it itself.
void installButtonAccessibility();

class ChameleonButtonWidget : public QWidget {
    Q_OBJECT
    // The control's properties for Designer, uic and QFormBuilder, each read and written
    // through the control's own getter and setter (widget_properties.cpp). Form files keep
    // colours as the control's OLE colours, plain uint, so a system colour index (high bit set)
    // survives them; Designer edits them through the QColor twins below. The control's
    // Enabled, font and pointer are QWidget's enabled, font and cursor, kept in step, so
    // Designer shows only QWidget's. The font attributes come before Font, so a form that
    // stores them all sets the whole font last; HandPointer comes before the pointer it
    // overrides. Form files keep whole point sizes; a button whose form sets no font keeps
    // the ambient 8.25 points.
    Q_PROPERTY(uint BackColor READ BackColor WRITE setBackColor DESIGNABLE false)
    Q_PROPERTY(uint BackOver READ BackOver WRITE setBackOver DESIGNABLE false)
    Q_PROPERTY(uint ForeColor READ ForeColor WRITE setForeColor DESIGNABLE false)
    Q_PROPERTY(uint ForeOver READ ForeOver WRITE setForeOver DESIGNABLE false)
    Q_PROPERTY(uint MaskColor READ MaskColor WRITE setMaskColor DESIGNABLE false)
    Q_PROPERTY(ButtonTypeValue ButtonType READ ButtonType WRITE setButtonType)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled DESIGNABLE false)
    Q_PROPERTY(bool FontBold READ FontBold WRITE setFontBold DESIGNABLE false)
    Q_PROPERTY(bool FontItalic READ FontItalic WRITE setFontItalic DESIGNABLE false)
    Q_PROPERTY(bool FontUnderline READ FontUnderline WRITE setFontUnderline DESIGNABLE false)
    Q_PROPERTY(int FontSize READ FontSize WRITE setFontSize DESIGNABLE false)
    Q_PROPERTY(QString FontName READ FontName WRITE setFontName DESIGNABLE false)
    Q_PROPERTY(QFont Font READ Font WRITE setFont DESIGNABLE false)
    Q_PROPERTY(ColorSchemeValue ColorScheme READ ColorScheme WRITE setColorScheme)
    Q_PROPERTY(bool ShowFocusRect READ ShowFocusRect WRITE setShowFocusRect)
    Q_PROPERTY(bool HandPointer READ HandPointer WRITE setHandPointer)
    Q_PROPERTY(int MousePointer READ MousePointer WRITE setMousePointer DESIGNABLE false)
    Q_PROPERTY(QPixmap MouseIcon READ MouseIcon WRITE setMouseIcon)
    Q_PROPERTY(qulonglong hwnd READ hwnd STORED false DESIGNABLE false)
    Q_PROPERTY(bool SoftBevel READ SoftBevel WRITE setSoftBevel)
    Q_PROPERTY(QPixmap PictureNormal READ PictureNormal WRITE setPictureNormal)
    Q_PROPERTY(QPixmap PictureOver READ PictureOver WRITE setPictureOver)
    Q_PROPERTY(PicturePositionValue PicturePosition READ PicturePosition WRITE setPicturePosition)
    Q_PROPERTY(bool UseMaskColor READ UseMaskColor WRITE setUseMaskColor)
    Q_PROPERTY(bool UseGreyscale READ UseGreyscale WRITE setUseGreyscale)
    Q_PROPERTY(SpecialEffectValue SpecialEffect READ SpecialEffect WRITE setSpecialEffect)
    Q_PROPERTY(bool CheckBoxBehaviour READ CheckBoxBehaviour WRITE setCheckBoxBehaviour)
    Q_PROPERTY(bool Value READ Value WRITE setValue)
    Q_PROPERTY(QString Version READ Version STORED false)
    // The colours as Designer's swatch and colour dialog edit them: the colour shown now (a
    // system colour as its current RGB). A colour picked there becomes a plain OLE colour;
    // writing back the colour shown changes nothing, so an untouched system colour stays one.
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor STORED false)
    Q_PROPERTY(QColor backOver READ backOver WRITE setBackOver STORED false)
    Q_PROPERTY(QColor foreColor READ foreColor WRITE setForeColor STORED false)
    Q_PROPERTY(QColor foreOver READ foreOver WRITE setForeOver STORED false)
    Q_PROPERTY(QColor maskColor READ maskColor WRITE setMaskColor STORED false)
    // False while a form is designed (a designer's plugin sets it): not a property of the form.
    Q_PROPERTY(bool userMode READ userMode WRITE setUserMode STORED false DESIGNABLE false)

  public:
    // The control's enumerations under their own names, for Designer's lists and uic's code.
    // A property of one of these types still carries any other value the control accepts.
    enum ButtonTypeValue : std::int32_t {
        OutlinedBevel = chameleon::OutlinedBevel,
        ClassicBevel = chameleon::ClassicBevel,
        RoundedGradient = chameleon::RoundedGradient,
        RoundedBevel = chameleon::RoundedBevel,
        DoubleFrame = chameleon::DoubleFrame,
        ThickRaised = chameleon::ThickRaised,
        ThinRaised = chameleon::ThinRaised,
        FlatHotThin = chameleon::FlatHotThin,
        FlatHighlight = chameleon::FlatHighlight,
        FaceOnly = chameleon::FaceOnly,
        Transparent = chameleon::Transparent,
        FlatHotBevel = chameleon::FlatHotBevel,
        Oval = chameleon::Oval,
        GradientFramed = chameleon::GradientFramed,
    };
    Q_ENUM(ButtonTypeValue)
    enum ColorSchemeValue : std::int32_t {
        SchemeStandard = chameleon::SchemeStandard,
        SchemeSystem = chameleon::SchemeSystem,
        SchemeCustom = chameleon::SchemeCustom,
        SchemeClassic = chameleon::SchemeClassic,
        SchemeContainer = chameleon::SchemeContainer,
    };
    Q_ENUM(ColorSchemeValue)
    enum PicturePositionValue : std::int32_t {
        PictureLeft = chameleon::PictureLeft,
        PictureRight = chameleon::PictureRight,
        PictureTop = chameleon::PictureTop,
        PictureBottom = chameleon::PictureBottom,
        PictureBehind = chameleon::PictureBehind,
    };
    Q_ENUM(PicturePositionValue)
    enum SpecialEffectValue : std::int32_t {
        EffectNone = chameleon::EffectNone,
        EffectEmbossed = chameleon::EffectEmbossed,
        EffectEngraved = chameleon::EffectEngraved,
        EffectShadow = chameleon::EffectShadow,
    };
    Q_ENUM(SpecialEffectValue)

    // Creates the control and gives it the design values of a new instance (caption from
    // displayName(), the ambient font); call load() instead to restore stored ones.
    explicit ChameleonButtonWidget(QWidget* parent = nullptr);
    ~ChameleonButtonWidget() override;

    // The control itself: its thirty properties, DisableRefresh, Refresh, Version. A size
    // given while the widget is hidden (as layouts and designers do) is the control's size
    // from here on, although Qt reports it only at the first show.
    chameleonButton& button();
    const chameleonButton& button() const;

    // Lifecycle: design values from the ambient ones, or the stored properties. Both throw
    // qdct::NumberedError (load: naming the key whose value does not fit its type).
    void newInstance();
    void load(const PropertyBag& bag);
    // Writes the 23 keys; the bag's other entries (e.g. "_extentx") are kept.
    void save(PropertyBag& bag) const;

    // Clicks as the access key does: Click follows when the button is enabled. Used by the
    // accessibility press action.
    void click();

    // Ambient values of the container. Changing one repaints the control (ambient change).
    // DisplayName defaults to objectName(), or "chameleonButton1" without one.
    QString displayName() const;
    void setDisplayName(const QString& name);
    // Default: "MS Sans Serif" at 8.25 points.
    QFont ambientFont() const { return ambientFont_; }
    void setAmbientFont(const QFont& font);
    // True at run time (the default), False while a form is being designed.
    bool userMode() const { return userMode_; }
    void setUserMode(bool userMode);
    // True while the container shows this button as its default button.
    bool displayAsDefault() const { return displayAsDefault_; }
    void setDisplayAsDefault(bool isDefault);

    // What the control last drew (the image paintEvent shows).
    const QImage& surfaceImage() const { return surface_; }
    // True from the pointer's arrival until the control has seen it leave.
    bool isHoverTimerActive() const { return overTimerWanted_; }

    QSize sizeHint() const override;

    // The properties above, forwarded to button(): same steps, same errors. Pictures pass as
    // pixmaps (one with an alpha channel becomes an icon, else a bitmap; null is empty).
    // setEnabled and setFont are the control's setters: they also set the widget's flag and
    // font, as the control does through its surface.
    OleColor BackColor() const { return button_->BackColor(); }
    void setBackColor(OleColor theCol);
    OleColor BackOver() const { return button_->BackOver(); }
    void setBackOver(OleColor theCol);
    OleColor ForeColor() const { return button_->ForeColor(); }
    void setForeColor(OleColor theCol);
    OleColor ForeOver() const { return button_->ForeOver(); }
    void setForeOver(OleColor theCol);
    OleColor MaskColor() const { return button_->MaskColor(); }
    void setMaskColor(OleColor theCol);
    QColor backColor() const { return shownColor(BackColor()); }
    void setBackColor(const QColor& theCol);
    QColor backOver() const { return shownColor(BackOver()); }
    void setBackOver(const QColor& theCol);
    QColor foreColor() const { return shownColor(ForeColor()); }
    void setForeColor(const QColor& theCol);
    QColor foreOver() const { return shownColor(ForeOver()); }
    void setForeOver(const QColor& theCol);
    QColor maskColor() const { return shownColor(MaskColor()); }
    void setMaskColor(const QColor& theCol);
    ButtonTypeValue ButtonType() const;
    void setButtonType(ButtonTypeValue newValue);
    QString Caption() const { return button_->Caption(); }
    void setCaption(const QString& newValue);
    bool Enabled() const { return button_->Enabled(); }
    void setEnabled(bool newValue);
    QFont Font() const { return button_->Font(); }
    void setFont(const QFont& newFont);
    bool FontBold() const { return button_->FontBold(); }
    void setFontBold(bool newValue);
    bool FontItalic() const { return button_->FontItalic(); }
    void setFontItalic(bool newValue);
    bool FontUnderline() const { return button_->FontUnderline(); }
    void setFontUnderline(bool newValue);
    int FontSize() const { return button_->FontSize(); }
    // Throws an overflow error, changing nothing, for a size outside the 16-bit range.
    void setFontSize(int newValue);
    QString FontName() const { return button_->FontName(); }
    void setFontName(const QString& newValue);
    ColorSchemeValue ColorScheme() const;
    void setColorScheme(ColorSchemeValue newValue);
    bool ShowFocusRect() const { return button_->ShowFocusRect(); }
    void setShowFocusRect(bool newValue);
    int MousePointer() const { return button_->MousePointer(); }
    void setMousePointer(int newPointer);
    QPixmap MouseIcon() const;
    void setMouseIcon(const QPixmap& newIcon);
    bool HandPointer() const { return button_->HandPointer(); }
    // Only a change of value reaches the control (whose setter always overrides the pointer).
    void setHandPointer(bool newValue);
    qulonglong hwnd() const { return button_->hwnd(); }
    bool SoftBevel() const { return button_->SoftBevel(); }
    void setSoftBevel(bool newValue);
    QPixmap PictureNormal() const;
    void setPictureNormal(const QPixmap& newPic);
    QPixmap PictureOver() const;
    void setPictureOver(const QPixmap& newPic);
    PicturePositionValue PicturePosition() const;
    void setPicturePosition(PicturePositionValue newPicPos);
    bool UseMaskColor() const { return button_->UseMaskColor(); }
    void setUseMaskColor(bool newValue);
    bool UseGreyscale() const { return button_->UseGreyscale(); }
    void setUseGreyscale(bool newValue);
    SpecialEffectValue SpecialEffect() const;
    void setSpecialEffect(SpecialEffectValue newValue);
    bool CheckBoxBehaviour() const { return button_->CheckBoxBehaviour(); }
    void setCheckBoxBehaviour(bool newValue);
    bool Value() const { return button_->Value(); }
    void setValue(bool newValue);
    QString Version() const { return button_->Version(); }

  signals:
    // The control's nine events.
    void Click();
    void MouseDown(qint16& button, qint16& shift, float& x, float& y);
    void MouseMove(qint16& button, qint16& shift, float& x, float& y);
    void MouseUp(qint16& button, qint16& shift, float& x, float& y);
    void KeyPress(qint16& keyAscii);
    void KeyDown(qint16& keyCode, qint16& shift);
    void KeyUp(qint16& keyCode, qint16& shift);
    void MouseOver();
    void MouseOut();
    // A stored property changed (its key, e.g. "BCOL", "PICO"): save the instance again.
    void propertyChanged(const QString& key);
    // A handler of the control failed inside the event loop.
    void errorRaised(int number, const QString& description);

  protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    class Host;
    friend class Host;

    // Runs a handler of the control; an error it throws is reported, not propagated.
    template <typename Handler>
    void guarded(Handler&& handler);
    void reportError(int number, const QString& description);
    template <typename Set>
    void designSafe(Set&& set);
    // True when the client point lies inside the window and its shape.
    bool insideShape(const QPoint& point) const;
    void setAccessKey(const QString& key);
    // Keeps the backing image at the window's size, except while the capture collapses it.
    void fitSurface();
    // Draws again for the screen's device pixel ratio when it differs from the image's.
    void followDeviceRatio();
    // Whether the pointer is over the window and inside its shape, from Qt's enter, leave and
    // move events: no round trip to the window system.
    bool pointerOver() const;
    // Runs the real timer only while the control waits for a departure Qt has reported.
    void updateOverTimer();
    // Hands the control a size Qt has not reported because the widget is hidden.
    void applyHiddenResize() const;
    void applyCursor();
    void applyCursorShape();
    void ambientChanged(const char* name);
    // Brings the control's Enabled, Font or MousePointer in step with QWidget's after a
    // change the control did not make itself.
    void followWidgetChange(QEvent::Type type);
    // A new button's caption is its name until the caption is set or loaded: forms name a
    // widget only after making it.
    void followObjectName();
    static QColor shownColor(OleColor color);
    template <typename Set>
    void setPickedColor(const QColor& picked, OleColor now, Set set);

    QImage surface_;
    QTimer overTimer_;
    bool overTimerWanted_ = false; // the control's OverTimer is on
    bool pointerInside_ = false;   // between Qt's enter and leave events
    QPoint lastPointer_;           // the pointer's last known position in the widget
    QFont ambientFont_;
    QString displayName_;
    bool userMode_ = true;
    bool displayAsDefault_ = false;
    bool leftPressed_ = false;       // a left press (or double click) awaits its release
    bool afterDoubleClick_ = false;  // the next release ends a double click: no Click
    bool captionFollowsName_ = true; // the caption is still the new instance's name
    int ownWidgetChanges_ = 0;       // the control is changing the widget's flag, font, cursor
    QFont acceptedFont_;             // the last font the control took from QWidget::setFont
    int accessShortcut_ = 0;         // grabShortcut id, 0 for none
    std::int16_t pointerShape_ = 0;  // MousePointer
    PicturePtr pointerImage_;        // MouseIcon
    std::unique_ptr<Host> host_;
    std::unique_ptr<chameleonButton> button_;
};

} // namespace chameleon
