// The Qt widget that hosts a chameleonButton: Qt's events become the control's notifications,
// and the control's needs (surface, shape, pointer, timer, keystrokes, ambient values) become
// Qt calls. The control decides everything that is drawn and when Click is raised; the widget
// only reports what happened.
#include "button/widget/button_widget.h"

#include "button/model/property_bag.h"
#include "button/model/redraw.h"
#include "button/paint/device_grid.h"
#include "button/paint/metrics.h"
#include "button/widget/qt_input_map.h"
#include "common/numbered_error.h"

#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QShortcutEvent>
#include <QtDebug>
#include <utility>

namespace chameleon {

namespace {

using metrics::kTwipsPerPixel;

constexpr int kOverTimerIntervalMs = 3;
constexpr int kDefaultWidth = 75;
constexpr int kDefaultHeight = 23;
constexpr char kFallbackDisplayName[] = "chameleonButton1";

// The hand pointer has no image file: the widget recognises this picture and shows Qt's own
// pointing-hand cursor. Its transparent image is what a save stores for it.
constexpr int kHandImageSize = 32;
const PicturePtr& handPicture() {
    static const PicturePtr hand = [] {
        QImage image(kHandImageSize, kHandImageSize, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        return makePicture(std::move(image), Picture::Icon);
    }();
    return hand;
}

// The container's pixel under each logical pixel of a width x height grab. A grab on a
// high-density screen holds device pixels (and says so in its ratio); the backdrop is a 1x
// image, so each logical pixel takes the first device pixel of its block. Pixels the grab
// lacks (the button reaching past its container) stay black.
QImage logicalPixelsOf(const QImage& grabbed, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    const DeviceGrid grid(grabbed);
    for (int y = 0; y < height; ++y) {
        const std::int64_t dy = grid.edge(y);
        if (dy >= grabbed.height()) break;
        const auto* from = reinterpret_cast<const QRgb*>(grabbed.constScanLine(int(dy)));
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width && grid.edge(x) < grabbed.width(); ++x)
            to[x] = from[grid.edge(x)];
    }
    return image;
}

Rgb rgbOf(const QColor& color) {
    return rgb(color.red(), color.green(), color.blue());
}

} // namespace

// --- the host services ------------------------------------------------------------------------

class ChameleonButtonWidget::Host final : public ButtonSurface, public ButtonHost {
  public:
    explicit Host(ChameleonButtonWidget& w) : w_(w) {}

    QImage& surface() override {
        w_.fitSurface();
        return w_.surface_;
    }
    void clearSurface() override {
        w_.surface_.fill(w_.palette().color(QPalette::Button));
        // Every drawing starts here, so one scheduled paint shows whatever follows.
        w_.update();
    }
    void repaintNow() override { w_.repaint(); }
    QSize clientSize() const override { return w_.size(); }
    void setWindowShape(const QRegion& region) override {
        if (region.isEmpty())
            w_.clearMask();
        else
            w_.setMask(region);
        w_.update();
    }

    QFont font() const override { return w_.font(); }
    void setFont(const QFont& font) override {
        const OwnChange own(w_);
        w_.acceptedFont_ = font;
        w_.QWidget::setFont(font);
    }
    std::int16_t mousePointer() const override { return w_.pointerShape_; }
    void setMousePointer(std::int16_t shape) override {
        w_.pointerShape_ = shape;
        w_.applyCursor();
    }
    PicturePtr mouseIcon() const override { return w_.pointerImage_; }
    bool setMouseIcon(const PicturePtr& icon) override {
        if (icon && icon->image.isNull()) return false;
        w_.pointerImage_ = icon;
        w_.applyCursor();
        return true;
    }
    PicturePtr handCursor() const override { return handPicture(); }
    void setSurfaceEnabled(bool enabled) override {
        const OwnChange own(w_);
        w_.QWidget::setEnabled(enabled);
    }
    void setAccessKeys(const QString& keys) override { w_.setAccessKey(keys); }

    void setHeightTwips(std::int32_t twips) override {
        w_.resize(w_.width(), (twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
    }

    QString ambientDisplayName() const override { return w_.displayName(); }
    QFont ambientFont() const override { return w_.ambientFont_; }
    bool ambientUserMode() const override { return w_.userMode_; }
    bool ambientDisplayAsDefault() const override { return w_.displayAsDefault_; }
    Rgb containerBackColor() const override {
        const QWidget* c = container();
        return rgbOf(c->palette().color(c->backgroundRole()));
    }
    Rgb containerTextColor() const override {
        const QWidget* c = container();
        return rgbOf(c->palette().color(c->foregroundRole()));
    }
    QImage grabContainerBehind(std::int32_t width, std::int32_t height) override {
        QWidget* parent = w_.parentWidget();
        if (!parent || width <= 0 || height <= 0) return {};
        const QImage grabbed = parent->grab(QRect(w_.pos(), QSize(width, height)))
                                   .toImage()
                                   .convertToFormat(QImage::Format_RGB32);
        return logicalPixelsOf(grabbed, width, height);
    }

    void propertyChanged(const char* key) override {
        const QString name = QString::fromLatin1(key);
        if (name == QLatin1String("TX")) {
            if (w_.ownWidgetChanges_ == 0) w_.captionFollowsName_ = false;
            QAccessibleEvent changed(&w_, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&changed);
        }
        emit w_.propertyChanged(name);
    }
    void raiseClick() override { emit w_.Click(); }
    void raiseMouseDown(std::int16_t& b, std::int16_t& s, float& x, float& y) override {
        emit w_.MouseDown(b, s, x, y);
    }
    void raiseMouseMove(std::int16_t& b, std::int16_t& s, float& x, float& y) override {
        emit w_.MouseMove(b, s, x, y);
    }
    void raiseMouseUp(std::int16_t& b, std::int16_t& s, float& x, float& y) override {
        emit w_.MouseUp(b, s, x, y);
    }
    void raiseKeyPress(std::int16_t& keyAscii) override { emit w_.KeyPress(keyAscii); }
    void raiseKeyDown(std::int16_t& keyCode, std::int16_t& shift) override {
        emit w_.KeyDown(keyCode, shift);
    }
    void raiseKeyUp(std::int16_t& keyCode, std::int16_t& shift) override {
        emit w_.KeyUp(keyCode, shift);
    }
    void raiseMouseOver() override { emit w_.MouseOver(); }
    void raiseMouseOut() override { emit w_.MouseOut(); }

    bool isPointerOverWindow() const override { return w_.pointerOver(); }
    void captureMouse() override {
        if (w_.isVisible()) w_.grabMouse();
    }
    void startOverTimer() override {
        w_.overTimerWanted_ = true;
        w_.updateOverTimer();
    }
    void stopOverTimer() override {
        w_.overTimerWanted_ = false;
        w_.updateOverTimer();
    }
    void sendKeys(const QString& keys) override {
        // Keystrokes are not waited for: the focus moves once the event loop runs again.
        const bool forward = keys == QLatin1String(kNextControlKeys);
        if (!forward && keys != QLatin1String(kPreviousControlKeys)) return;
        QMetaObject::invokeMethod(
            &w_, [w = &w_, forward] { w->focusNextPrevChild(forward); }, Qt::QueuedConnection);
    }
    void processPendingMessages() override { QCoreApplication::processEvents(); }
    quintptr windowHandle() const override { return w_.effectiveWinId(); }

  private:
    // Marks a change of the widget's flag, font or cursor as the control's own.
    struct OwnChange {
        explicit OwnChange(ChameleonButtonWidget& w) : w_(w) { ++w_.ownWidgetChanges_; }
        ~OwnChange() { --w_.ownWidgetChanges_; }
        OwnChange(const OwnChange&) = delete;
        OwnChange& operator=(const OwnChange&) = delete;
        ChameleonButtonWidget& w_;
    };

    const QWidget* container() const {
        return w_.parentWidget() ? w_.parentWidget() : static_cast<const QWidget*>(&w_);
    }

    ChameleonButtonWidget& w_;
};

// --- the widget -------------------------------------------------------------------------------

ChameleonButtonWidget::ChameleonButtonWidget(QWidget* parent)
    : QWidget(parent), ambientFont_(metrics::standInFont()) {
    installButtonAccessibility();
    // The control paints every pixel of its surface, and it needs moves without a button
    // held to see the pointer arrive.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    overTimer_.setInterval(kOverTimerIntervalMs);
    overTimer_.setTimerType(Qt::PreciseTimer);
    connect(&overTimer_, &QTimer::timeout, this,
            [this] { guarded([this] { button_->overTimerTick(); }); });
    surface_ = QImage(size(), QImage::Format_RGB32);
    surface_.fill(Qt::black);
    host_ = std::make_unique<Host>(*this);
    button_ = std::make_unique<chameleonButton>(*host_, *host_);
    button_->newInstance();
    connect(this, &QObject::objectNameChanged, this, [this] { followObjectName(); });
}

void ChameleonButtonWidget::followObjectName() {
    if (!captionFollowsName_ || !displayName_.isEmpty() || objectName().isEmpty()) return;
    ++ownWidgetChanges_;
    guarded([this] { button_->setCaption(objectName()); });
    --ownWidgetChanges_;
}

void ChameleonButtonWidget::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::EnabledChange || e->type() == QEvent::FontChange)
        followWidgetChange(e->type());
}

void ChameleonButtonWidget::followWidgetChange(QEvent::Type type) {
    if (!button_ || ownWidgetChanges_ != 0) return;
    ++ownWidgetChanges_;
    if (type == QEvent::EnabledChange) {
        // Only the widget's own flag: a disabled parent leaves the control's Enabled alone.
        const bool enabled = !testAttribute(Qt::WA_ForceDisabled);
        if (enabled != button_->Enabled()) guarded([&] { button_->setEnabled(enabled); });
    } else if (type == QEvent::FontChange) {
        // A font the control refuses is taken back, so what is shown is what is saved.
        guarded([this] {
            try {
                button_->setFont(font());
                acceptedFont_ = font();
            } catch (...) {
                QWidget::setFont(acceptedFont_);
                throw;
            }
        });
    } else if (type == QEvent::CursorChange) {
        const std::optional<std::int16_t> shape =
            testAttribute(Qt::WA_SetCursor) ? pointerShapeOf(cursor().shape()) : std::int16_t{0};
        // A form writes the cursor it found, the arrow for the default pointer: the shape
        // already shown changes nothing.
        const Qt::CursorShape shown = pointerShapeCursor(pointerShape_).value_or(Qt::ArrowCursor);
        if (shape && *shape != pointerShape_ && (*shape == 0 || cursor().shape() != shown))
            guarded([&] { button_->setMousePointer(*shape); });
    }
    --ownWidgetChanges_;
}

ChameleonButtonWidget::~ChameleonButtonWidget() {
    // Destruction first, while the host it may still touch is alive.
    button_.reset();
}

chameleonButton& ChameleonButtonWidget::button() {
    applyHiddenResize();
    return *button_;
}

const chameleonButton& ChameleonButtonWidget::button() const {
    applyHiddenResize();
    return *button_;
}

void ChameleonButtonWidget::applyHiddenResize() const {
    if (isVisible()) return; // a shown widget gets its resize events
    const ButtonRecord& r = button_->record();
    if (r.CapturingBackground || (r.ClientWidth == width() && r.ClientHeight == height())) return;
    // The control's resize handling changes the control, not this widget's Qt state.
    const_cast<ChameleonButtonWidget*>(this)->guarded([this] { button_->resize(); });
}

void ChameleonButtonWidget::newInstance() {
    applyHiddenResize();
    button_->newInstance();
}

void ChameleonButtonWidget::load(const PropertyBag& bag) {
    applyHiddenResize();
    captionFollowsName_ = false;
    button_->load(bag);
}

void ChameleonButtonWidget::save(PropertyBag& bag) const {
    button_->save(bag);
}

void ChameleonButtonWidget::click() {
    guarded([this] { button_->accessKey(0); });
}

QString ChameleonButtonWidget::displayName() const {
    if (!displayName_.isEmpty()) return displayName_;
    if (!objectName().isEmpty()) return objectName();
    return QString::fromLatin1(kFallbackDisplayName);
}

void ChameleonButtonWidget::setDisplayName(const QString& name) {
    displayName_ = name;
    ambientChanged("DisplayName");
}

void ChameleonButtonWidget::setAmbientFont(const QFont& font) {
    ambientFont_ = font;
    ambientChanged("Font");
}

void ChameleonButtonWidget::setUserMode(bool userMode) {
    userMode_ = userMode;
    ambientChanged("UserMode");
}

void ChameleonButtonWidget::setDisplayAsDefault(bool isDefault) {
    displayAsDefault_ = isDefault;
    ambientChanged("DisplayAsDefault");
}

void ChameleonButtonWidget::ambientChanged(const char* name) {
    button_->ambientChanged(QString::fromLatin1(name));
}

QSize ChameleonButtonWidget::sizeHint() const {
    return {kDefaultWidth, kDefaultHeight};
}

template <typename Handler>
void ChameleonButtonWidget::guarded(Handler&& handler) {
    try {
        handler();
    } catch (const qdct::NumberedError& e) {
        reportError(e.number(), QString::fromStdString(e.description()));
    } catch (const std::exception& e) {
        reportError(0, QString::fromStdString(e.what()));
    }
}

void ChameleonButtonWidget::reportError(int number, const QString& description) {
    qWarning("chameleonButton error %d: %s", number, qUtf8Printable(description));
    emit errorRaised(number, description);
}

bool ChameleonButtonWidget::insideShape(const QPoint& point) const {
    if (!rect().contains(point)) return false;
    const QRegion shape = mask();
    return shape.isEmpty() || shape.contains(point);
}

void ChameleonButtonWidget::setAccessKey(const QString& key) {
    if (accessShortcut_ != 0) releaseShortcut(accessShortcut_);
    accessShortcut_ = 0;
    if (key.isEmpty()) return;
    accessShortcut_ = grabShortcut(QKeySequence::mnemonic(QLatin1Char('&') + key));
}

void ChameleonButtonWidget::applyCursor() {
    ++ownWidgetChanges_;
    applyCursorShape();
    --ownWidgetChanges_;
}

void ChameleonButtonWidget::applyCursorShape() {
    if (pointerShape_ == PointerCustom) {
        if (pointerImage_ == handPicture())
            setCursor(Qt::PointingHandCursor);
        else if (pointerImage_)
            setCursor(QCursor(QPixmap::fromImage(pointerImage_->image)));
        else
            unsetCursor();
        return;
    }
    if (const auto shape = pointerShapeCursor(pointerShape_))
        setCursor(*shape);
    else
        unsetCursor();
}

// --- Qt events --------------------------------------------------------------------------------

bool ChameleonButtonWidget::pointerOver() const {
    return isVisible() && pointerInside_ && insideShape(lastPointer_);
}

void ChameleonButtonWidget::updateOverTimer() {
    // The timer only has to notice a departure; while Qt's own enter, leave and move events
    // say the pointer is here, it rests.
    if (overTimerWanted_ && !pointerOver())
        overTimer_.start();
    else
        overTimer_.stop();
}

bool ChameleonButtonWidget::event(QEvent* e) {
    if (e->type() == QEvent::Enter) {
        pointerInside_ = true;
        lastPointer_ = static_cast<QEnterEvent*>(e)->position().toPoint();
        updateOverTimer();
    } else if (e->type() == QEvent::Leave) {
        pointerInside_ = false;
        updateOverTimer();
    }
    if (e->type() == QEvent::ScreenChangeInternal) followDeviceRatio();
    if (e->type() == QEvent::CursorChange) followWidgetChange(QEvent::CursorChange);
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    if (e->type() == QEvent::DevicePixelRatioChange) followDeviceRatio();
#endif
    if (e->type() == QEvent::Shortcut) {
        auto* shortcut = static_cast<QShortcutEvent*>(e);
        if (accessShortcut_ != 0 && shortcut->shortcutId() == accessShortcut_) {
            const QString keys = shortcut->key().toString();
            const auto ascii =
                keys.isEmpty() ? std::int16_t{0} : static_cast<std::int16_t>(keys.back().unicode());
            guarded([this, ascii] { button_->accessKey(ascii); });
            return true;
        }
    }
    return QWidget::event(e);
}

void ChameleonButtonWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, surface_);
}

void ChameleonButtonWidget::fitSurface() {
    // The image holds the screen's device pixels, so captions and pictures are drawn at the
    // screen's own resolution rather than enlarged by Qt afterwards.
    const double ratio = devicePixelRatioF();
    const QSize device = deviceSizeFor(size(), ratio);
    // The background capture collapses the window for a moment; what was drawn stays.
    if ((surface_.size() == device && surface_.devicePixelRatio() == ratio) ||
        button_->record().CapturingBackground) {
        return;
    }
    surface_ = QImage(device, QImage::Format_RGB32);
    surface_.setDevicePixelRatio(ratio);
    surface_.fill(palette().color(QPalette::Button));
}

void ChameleonButtonWidget::followDeviceRatio() {
    if (surface_.devicePixelRatio() == devicePixelRatioF()) return;
    // Drawing again is the control's to allow: while it is hidden or holds its refresh, the
    // old image stays (Qt scales it) and the next drawing gets a surface of the new ratio.
    const ButtonRecord& r = button_->record();
    if (!r.RedrawAllowed || r.ClientHeight == 0) return;
    fitSurface();
    guarded([this] { Redraw(button_->control(), button_->record().LastState, true); });
}

void ChameleonButtonWidget::resizeEvent(QResizeEvent*) {
    fitSurface();
    guarded([this] { button_->resize(); });
}

void ChameleonButtonWidget::showEvent(QShowEvent*) {
    fitSurface(); // the screen shown on may have another ratio than the one drawn for
    guarded([this] { button_->show(); });
}

void ChameleonButtonWidget::hideEvent(QHideEvent*) {
    guarded([this] { button_->hide(); });
    updateOverTimer();
}

void ChameleonButtonWidget::mousePressEvent(QMouseEvent* e) {
    const std::int16_t button = mouseButtonNumber(e->button());
    if (button == 0) return e->ignore();
    if (button == MouseLeft) {
        leftPressed_ = true;
        afterDoubleClick_ = false;
    }
    const QPointF at = e->position();
    guarded([&] {
        button_->mousePress(button, shiftMask(e->modifiers()), float(at.x()), float(at.y()));
    });
}

void ChameleonButtonWidget::mouseReleaseEvent(QMouseEvent* e) {
    const std::int16_t button = mouseButtonNumber(e->button());
    if (button == 0) return e->ignore();
    const QPointF at = e->position();
    // A click is a left press and release inside the button; the release that ends a double
    // click is not one.
    bool isClick = false;
    if (button == MouseLeft) {
        isClick = leftPressed_ && !afterDoubleClick_ && insideShape(at.toPoint());
        leftPressed_ = false;
        afterDoubleClick_ = false;
    }
    guarded([&] {
        button_->mouseRelease(button, shiftMask(e->modifiers()), float(at.x()), float(at.y()));
        if (isClick) button_->click();
    });
    // Ends the capture a double click started.
    if (QWidget::mouseGrabber() == this) releaseMouse();
}

void ChameleonButtonWidget::mouseDoubleClickEvent(QMouseEvent* e) {
    // Qt reports the second press of a double click only as this event. For the left button
    // the double click itself presses again (MouseDown 1, 0, 0, 0); any other button's second
    // press is a press like its first, then the double click, which does nothing for it.
    const std::int16_t button = mouseButtonNumber(e->button());
    if (button == 0) return e->ignore();
    if (button == MouseLeft) {
        leftPressed_ = true;
        afterDoubleClick_ = true;
        guarded([this] { button_->doubleClick(); });
        return;
    }
    const QPointF at = e->position();
    guarded([&] {
        button_->mousePress(button, shiftMask(e->modifiers()), float(at.x()), float(at.y()));
        button_->doubleClick();
    });
}

void ChameleonButtonWidget::mouseMoveEvent(QMouseEvent* e) {
    const QPointF at = e->position();
    // Without a button held, only a pointer over the widget moves it; with one held, the
    // widget also sees the moves outside, and the position tells.
    lastPointer_ = at.toPoint();
    if (e->buttons() == Qt::NoButton) pointerInside_ = true;
    updateOverTimer();
    guarded([&] {
        button_->mouseMove(mouseButtonsHeld(e->buttons()), shiftMask(e->modifiers()), float(at.x()),
                           float(at.y()));
    });
}

void ChameleonButtonWidget::keyPressEvent(QKeyEvent* e) {
    const std::int16_t keyCode = virtualKeyCode(*e);
    const std::int16_t shift = shiftMask(e->modifiers());
    const auto keyAscii = keyAsciiOf(*e);
    guarded([&] {
        button_->keyDown(keyCode, shift);
        if (keyAscii) button_->keyPress(*keyAscii);
    });
}

void ChameleonButtonWidget::keyReleaseEvent(QKeyEvent* e) {
    // A held key repeats press and release; only the real release counts, so holding the
    // space key clicks once.
    if (e->isAutoRepeat()) return e->accept();
    guarded([&] { button_->keyUp(virtualKeyCode(*e), shiftMask(e->modifiers())); });
}

void ChameleonButtonWidget::focusInEvent(QFocusEvent*) {
    guarded([this] { button_->focusGained(); });
}

void ChameleonButtonWidget::focusOutEvent(QFocusEvent*) {
    guarded([this] { button_->focusLost(); });
}

} // namespace chameleon
