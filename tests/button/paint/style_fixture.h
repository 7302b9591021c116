// A button set up by hand for drawing tests: the record's fields as a new instance has them,
// the client size and focus rectangle as the resize handler leaves them, colours and caption
// computed, and compact ways to check many pixels of the drawn surface at once.
#pragma once

#include "button/model/derived.h"
#include "button/model/redraw.h"
#include "button/paint/metrics.h"
#include "button/paint/styles.h"
#include "tests/button/model/recording_host.h"

#include <array>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace chameleon::testing {

struct StyleFixture {
    TestHost host;
    Control c{host, host};
    explicit StyleFixture(std::int32_t type, int width = 75, int height = 23,
                          const QString& caption = QString())
        : host(width, height) {
        host.surfaceFont = metrics::standInFont();
        ButtonRecord& r = c.r;
        r.ButtonType = type;
        r.ColorScheme = SchemeSystem;
        r.Enabled = r.ShowFocusRect = r.UseMaskColor = true;
        r.Caption = caption;
        r.ClientWidth = width;
        r.ClientHeight = height;
        r.FocusRect = metrics::focusRectFor(type, Rect{0, 0, width, height});
        ApplyColorScheme(c);
        LayoutCaption(c);
    }
    // The fixed classic palette, whose five face and edge colours all differ; or a custom one.
    void useScheme(std::int32_t scheme, Rgb back = 0, Rgb over = 0) {
        c.r.ColorScheme = scheme;
        c.r.BackColor = back;
        c.r.BackOver = over;
        ApplyColorScheme(c);
    }
    ButtonRecord& r() { return c.r; }
    // Draws in state with Force, and returns the surface.
    const QImage& draw(std::uint8_t state = StateUp) {
        Redraw(c, state, true);
        return host.image;
    }
    Rgb off(Rgb color, std::int32_t offset, bool proportional = false) const {
        return OffsetColor(c.r.SoftBevel, color, offset, proportional);
    }
    // Negative coordinates count back from the width or height.
    void expectPixel(int x, int y, Rgb color) const {
        if (x < 0) x += c.r.ClientWidth;
        if (y < 0) y += c.r.ClientHeight;
        EXPECT_EQ(host.pixel(x, y), color)
            << "pixel (" << x << ", " << y << ") of type " << c.r.ButtonType;
    }

    // Checks rings of probe pixels against colour letters, eight a ring from the outermost (ring
    // k lies k pixels in); spaces are ignored and '.' skips a probe. The probes run clockwise
    // from the top-left corner, the side ones at x = 10 or y = 10. F, L, H, S and D are the
    // scheme's face and edge colours; other letters name the colours given, in order.
    void expectRings(std::string_view pattern, std::string_view letters = {},
                     std::initializer_list<Rgb> colors = {}) const {
        const std::string names = std::string(letters) + "FLHSD";
        std::vector<Rgb> palette(colors);
        palette.insert(palette.end(),
                       {c.r.colors.FaceColor, c.r.colors.LightColor, c.r.colors.HighlightColor,
                        c.r.colors.ShadowColor, c.r.colors.DarkShadowColor});
        ASSERT_EQ(names.size(), palette.size());
        int probe = 0;
        for (const char letter : pattern) {
            if (letter == ' ') continue;
            const int k = probe / 8, at = probe++ % 8;
            if (letter == '.') continue;
            const int xs[] = {k, 10, -1 - k, -1 - k, -1 - k, 10, k, k};
            const int ys[] = {k, k, k, 10, -1 - k, -1 - k, -1 - k, 10};
            SCOPED_TRACE(::testing::Message() << "ring " << k << " probe " << at);
            expectPixel(xs[at], ys[at], palette.at(names.find(letter)));
        }
    }
};

} // namespace chameleon::testing
