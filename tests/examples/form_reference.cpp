// The library's own drawing of a button on a form file: loads the form through the Designer
// plugin of this build (QFormBuilder, no uic) off screen and checks that the named button
// looks exactly like the PNG an example program saved of it.
// Usage: form_reference FORM.ui BUTTON GRABBED.png; exit status 0 when the pixels match.
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QWidget>
#include <QtDesigner/QFormBuilder>
#include <cstdio>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 4) return 2;
    QFormBuilder builder;
    builder.addPluginPath(QStringLiteral(QDCT_DESIGNER_PLUGIN_DIR));
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) return 2;
    std::unique_ptr<QWidget> form(builder.load(&file));
    QWidget* button = form ? form->findChild<QWidget*>(QString::fromLocal8Bit(argv[2])) : nullptr;
    if (!button) return 2;
    form->show();
    QApplication::processEvents();
    const QImage want = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage got =
        QImage(QString::fromLocal8Bit(argv[3])).convertToFormat(QImage::Format_RGB32);
    if (want.isNull() || want != got) {
        std::fprintf(stderr, "%s: the example's pixels differ from the library's\n", argv[2]);
        return 1;
    }
    return 0;
}
