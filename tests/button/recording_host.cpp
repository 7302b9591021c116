// Test host implementation: plain recording, no windowing.
#include "recording_host.h"

namespace chameleon::testing {

namespace {
std::string mouseText(const char* name, std::int16_t b, std::int16_t s, float x, float y) {
    return std::string(name) + " " + std::to_string(b) + " " + std::to_string(s) + " " +
           std::to_string(static_cast<int>(x)) + " " + std::to_string(static_cast<int>(y));
}
} // namespace

TestHost::TestHost(int width, int height) {
    resize(width, height);
}

void TestHost::resize(int width, int height) {
    client = QSize(width, height);
    image = QImage(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
}

void TestHost::clearSurface() {
    ++clears;
    image.fill(Qt::black);
}

QImage TestHost::grabContainerBehind(std::int32_t width, std::int32_t height) {
    if (containerPixels.isNull()) return {};
    return containerPixels.copy(0, 0, width, height);
}

void TestHost::raiseClick() {
    events.emplace_back("Click");
    if (onClick) onClick();
}

void TestHost::raiseMouseDown(std::int16_t& b, std::int16_t& s, float& x, float& y) {
    events.push_back(mouseText("MouseDown", b, s, x, y));
    if (onMouseDown) onMouseDown(b, s, x, y);
}

void TestHost::raiseMouseMove(std::int16_t& b, std::int16_t& s, float& x, float& y) {
    events.push_back(mouseText("MouseMove", b, s, x, y));
}

void TestHost::raiseMouseUp(std::int16_t& b, std::int16_t& s, float& x, float& y) {
    events.push_back(mouseText("MouseUp", b, s, x, y));
}

void TestHost::raiseKeyPress(std::int16_t& keyAscii) {
    events.push_back("KeyPress " + std::to_string(keyAscii));
}

void TestHost::raiseKeyDown(std::int16_t& keyCode, std::int16_t& shift) {
    events.push_back("KeyDown " + std::to_string(keyCode) + " " + std::to_string(shift));
    if (onKeyDown) onKeyDown(keyCode, shift);
}

void TestHost::raiseKeyUp(std::int16_t& keyCode, std::int16_t& shift) {
    events.push_back("KeyUp " + std::to_string(keyCode) + " " + std::to_string(shift));
}

void TestHost::processPendingMessages() {
    ++messagePumps;
    if (onProcessMessages) onProcessMessages();
}

Rgb TestHost::pixel(int x, int y) const {
    const QRgb p = image.pixel(x, y);
    return rgb(qRed(p), qGreen(p), qBlue(p));
}

} // namespace chameleon::testing
