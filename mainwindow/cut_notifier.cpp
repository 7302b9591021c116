// The Notify call (app name, no notification replaced, icon, summary, body, the default
// action, the desktop-entry hint, the server's own expiry) and the ActionInvoked signal that
// answers a click on it.
#include "mainwindow/cut_notifier.h"

#include "mainwindow/command_line.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>
#include <QWidget>

namespace form1 {
namespace {

constexpr char kService[] = "org.freedesktop.Notifications";
constexpr char kPath[] = "/org/freedesktop/Notifications";
constexpr char kInterface[] = "org.freedesktop.Notifications";
constexpr char kDefaultAction[] = "default";
constexpr char kShowLabel[] = QT_TRANSLATE_NOOP("form1::CutNotifier", "Show");
constexpr uint kReplacesNone = 0;
constexpr int kServerExpiry = -1;
constexpr int kCallTimeoutMs = 3000;

} // namespace

void CutNotifier::notify(const QString& summary, const QString& body) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!listening_)
        listening_ = bus.connect(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                                 QString::fromLatin1(kInterface), QStringLiteral("ActionInvoked"),
                                 this, SLOT(actionInvoked(uint, QString)));
    QDBusMessage call =
        QDBusMessage::createMethodCall(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                                       QString::fromLatin1(kInterface), QStringLiteral("Notify"));
    const QString entry = QString::fromLatin1(kDesktopEntryId);
    call << QString::fromLatin1(kProgramName) << kReplacesNone << entry << summary << body
         << QStringList{QString::fromLatin1(kDefaultAction), tr(kShowLabel)}
         << QVariantMap{{QStringLiteral("desktop-entry"), entry}} << kServerExpiry;
    bus.callWithCallback(call, this, SLOT(notified(QDBusMessage)), nullptr, kCallTimeoutMs);
}

void CutNotifier::notified(const QDBusMessage& reply) {
    shownId_ = reply.arguments().value(0).toUInt();
}

void CutNotifier::actionInvoked(uint id, const QString& action) {
    if (id == 0 || id != shownId_ || action != QLatin1String(kDefaultAction)) return;
    window_.setWindowState(window_.windowState() & ~Qt::WindowMinimized);
    window_.show();
    window_.raise();
    window_.activateWindow();
}

} // namespace form1
