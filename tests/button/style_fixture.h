// A button set up by hand for drawing tests: the record's fields as a new instance has them,
// the client size and focus rectangle as the resize handler leaves them, colours and caption
// computed, and a compact way to check many pixels of the drawn surface at once.
#pragma once

#include "button/caption.h"
#include "button/colors.h"
#include "button/render.h"
#include "test_host.h"

#include <gtest/gtest.h>
#include <initializer_list>

namespace chameleon::testing {

// A pixel expectation; negative coordinates count back from the width or height (-1 is the
// last column or row).
struct PixelCheck {
    int x;
    int y;
    Rgb color;
};

struct StyledButton {
    TestHost host;
    Control c{host};

    explicit StyledButton(std::int32_t type, int width = 75, int height = 23,
                          const QString& caption = QString())
        : host(width, height) {
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPointSizeF(8.25);
        host.surfaceFont = font;
        ButtonRecord& r = c.r;
        r.ButtonType = type;
        r.ColorScheme = SchemeSystem;
        r.Enabled = true;
        r.ShowFocusRect = true;
        r.UseMaskColor = true;
        r.Caption = caption;
        r.ClientWidth = width;
        r.ClientHeight = height;
        const Rect client{0, 0, width, height};
        if (type >= ThinRaised && type <= Oval) {
            r.FocusRect = client.inflate(-3, -3);
        } else if (type == GradientFramed) {
            r.FocusRect = client.inflate(-5, -5).offset(1, 1);
        } else {
            r.FocusRect = client.inflate(-4, -4);
        }
        ApplyColorScheme(c);
        LayoutCaption(c);
    }

    // The fixed classic palette, whose five face and edge colours all differ.
    void useClassicScheme() {
        c.r.ColorScheme = SchemeClassic;
        ApplyColorScheme(c);
    }

    ButtonRecord& r() { return c.r; }
    std::int32_t w() const { return c.r.ClientWidth; }
    std::int32_t h() const { return c.r.ClientHeight; }

    // Draws in state with Force, and returns the surface.
    const QImage& draw(std::uint8_t state = StateUp) {
        Redraw(c, state, true);
        return host.image;
    }

    Rgb off(Rgb color, std::int32_t offset) const { return OffsetColor(c, color, offset, false); }
    Rgb offP(Rgb color, std::int32_t offset) const { return OffsetColor(c, color, offset, true); }

    void expectPixels(std::initializer_list<PixelCheck> checks) const {
        for (const PixelCheck& p : checks) {
            const int x = p.x >= 0 ? p.x : w() + p.x;
            const int y = p.y >= 0 ? p.y : h() + p.y;
            EXPECT_EQ(host.pixel(x, y), p.color)
                << "pixel (" << x << ", " << y << ") of type " << c.r.ButtonType;
        }
    }
};

} // namespace chameleon::testing
