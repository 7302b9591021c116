// The sleep inhibitor's two routes: logind's Inhibit with its descriptor, the portal's with
// its request handle. Both are asynchronous calls with a short timeout, so a bus that is slow
// to answer never holds the window.
#include "mainwindow/sleep_inhibitor.h"

#include "mainwindow/command_line.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QFileInfo>
#include <QVariantMap>

namespace form1 {
namespace {

constexpr char kLogindService[] = "org.freedesktop.login1";
constexpr char kLogindPath[] = "/org/freedesktop/login1";
constexpr char kLogindManager[] = "org.freedesktop.login1.Manager";
constexpr char kLogindWhat[] = "sleep:idle";
constexpr char kLogindMode[] = "block"; // not "delay": the cut is worth more than the sleep

constexpr char kPortalService[] = "org.freedesktop.portal.Desktop";
constexpr char kPortalPath[] = "/org/freedesktop/portal/desktop";
constexpr char kPortalInhibit[] = "org.freedesktop.portal.Inhibit";
constexpr char kPortalRequest[] = "org.freedesktop.portal.Request";
constexpr uint kPortalSuspend = 4;
constexpr uint kPortalIdle = 8;

constexpr char kFlatpakInfo[] = "/.flatpak-info";
constexpr char kSnapVariable[] = "SNAP";

constexpr int kCallTimeoutMs = 3000;

} // namespace

bool runsSandboxed() {
    return QFileInfo::exists(QString::fromLatin1(kFlatpakInfo)) ||
           !qEnvironmentVariableIsEmpty(kSnapVariable);
}

PortalInhibition::~PortalInhibition() {
    QDBusConnection::sessionBus().send(QDBusMessage::createMethodCall(
        QString::fromLatin1(kPortalService), handle_, QString::fromLatin1(kPortalRequest),
        QStringLiteral("Close")));
}

void SleepInhibitor::take(const QString& why) {
    wanted_ = true;
    if (runsSandboxed()) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QString::fromLatin1(kPortalService), QString::fromLatin1(kPortalPath),
            QString::fromLatin1(kPortalInhibit), QStringLiteral("Inhibit"));
        // No parent window identifier: the lock is the whole session's either way.
        call << QString() << (kPortalSuspend | kPortalIdle)
             << QVariantMap{{QStringLiteral("reason"), why}};
        QDBusConnection::sessionBus().callWithCallback(
            call, this, SLOT(portalReplied(QDBusMessage)), nullptr, kCallTimeoutMs);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(kLogindService), QString::fromLatin1(kLogindPath),
        QString::fromLatin1(kLogindManager), QStringLiteral("Inhibit"));
    call << QString::fromLatin1(kLogindWhat) << QString::fromLatin1(kProgramName) << why
         << QString::fromLatin1(kLogindMode);
    QDBusConnection::systemBus().callWithCallback(call, this, SLOT(logindReplied(QDBusMessage)),
                                                  nullptr, kCallTimeoutMs);
}

void SleepInhibitor::release() {
    wanted_ = false;
    logindLock_ = QDBusUnixFileDescriptor();
    portalLock_.reset();
}

void SleepInhibitor::logindReplied(const QDBusMessage& reply) {
    // Unwanted by now, the descriptor closes with the reply.
    if (wanted_) logindLock_ = reply.arguments().value(0).value<QDBusUnixFileDescriptor>();
}

void SleepInhibitor::portalReplied(const QDBusMessage& reply) {
    const QString handle = reply.arguments().value(0).value<QDBusObjectPath>().path();
    if (handle.isEmpty()) return;
    auto lock = std::make_unique<PortalInhibition>(handle);
    if (wanted_) portalLock_ = std::move(lock);
}

} // namespace form1
