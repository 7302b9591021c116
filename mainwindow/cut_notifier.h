// Tells a user who has turned to another window that a cut has ended: a desktop notification
// through org.freedesktop.Notifications on the session bus, whose default action (a click on
// it) brings the window back. Without a bus or a notification server nothing is shown.
#pragma once

#include <QObject>
#include <QString>

class QDBusMessage;
class QWidget;

namespace form1 {

// The desktop entry's name: the notification's icon and its desktop-entry hint, and the name
// desktops match the window to.
inline constexpr char kDesktopEntryId[] = "io.github.quillmar.QuillmarDvd";

class CutNotifier final : public QObject {
    Q_OBJECT

  public:
    // `window` is raised by the notification's default action; it outlives the notifier.
    explicit CutNotifier(QWidget& window) : window_(window) {}

    // Shows a notification; returns at once.
    void notify(const QString& summary, const QString& body);

  private slots:
    void notified(const QDBusMessage& reply);
    void actionInvoked(uint id, const QString& action);

  private:
    QWidget& window_;
    uint shownId_ = 0; // the server's id of the last notification; 0 for none
    bool listening_ = false;
};

} // namespace form1
