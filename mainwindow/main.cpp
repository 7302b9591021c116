// Entry point: one application, one window.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Quillmar Dvd Control Test"));
    window.show();
    return app.exec();
}
