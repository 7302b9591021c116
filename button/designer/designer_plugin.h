// The Qt Designer plugin of ChameleonButtonWidget: Designer (and QFormBuilder, QUiLoader)
// find it in their plugin path and offer the button in the widget box under "Quillmar". It
// creates buttons in design mode, so that, as in any designer of this control, a new
// BackColor or ForeColor also becomes the hover colour and DoubleFrame makes the font bold;
// it marks those follow-on properties changed so that Designer writes them into the form and
// the uic-generated code shows the same button.
#pragma once

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace chameleon {

class ChameleonButtonDesignerPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetInterface")
    Q_INTERFACES(QDesignerCustomWidgetInterface)

  public:
    explicit ChameleonButtonDesignerPlugin(QObject* parent = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override { return false; }
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override { return core_ != nullptr; }
    void initialize(QDesignerFormEditorInterface* core) override;
    QString domXml() const override;

  private:
    QDesignerFormEditorInterface* core_ = nullptr;
};

} // namespace chameleon
