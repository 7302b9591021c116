// Entry point: one application, one window; the application ends when the window goes.
#include "mainwindow/form1.h"
#include "mainwindow/form1_looks.h"

#include <QApplication>
#include <cstdio>
#include <exception>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    form1::installFontStandIn(); // before any widget resolves a font
    try {
        form1::Form1 window;
        window.show();
        return app.exec();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quillmar-dvd: %s\n", e.what());
        return 1;
    }
}
