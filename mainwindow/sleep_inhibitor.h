// Keeps the machine from suspending or going idle while a cut runs: a long write to a stick or
// a disc that the machine interrupts by sleeping leaves a ruined output. The lock is asked for
// without waiting, and when no bus, no service or a refusal answers, the cut simply goes on.
//
// Where it is asked: inside a sandbox (a flatpak or a snap) the system bus is usually out of
// reach, so the XDG desktop portal's Inhibit on the session bus is used; everywhere else
// systemd-logind's manager on the system bus, which every systemd machine has whatever the
// desktop. logind hands out a descriptor that holds the lock until it is closed; the portal a
// request whose Close ends it.
#pragma once

#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <QString>
#include <memory>

class QDBusMessage;

namespace form1 {

// Whether the program runs inside a flatpak (/.flatpak-info) or a snap ($SNAP).
bool runsSandboxed();

// A portal inhibition; its request is closed when this goes.
class PortalInhibition {
  public:
    explicit PortalInhibition(QString handle) : handle_(std::move(handle)) {}
    PortalInhibition(const PortalInhibition&) = delete;
    PortalInhibition& operator=(const PortalInhibition&) = delete;
    ~PortalInhibition();

  private:
    QString handle_;
};

class SleepInhibitor final : public QObject {
    Q_OBJECT

  public:
    // Asks for a sleep and idle lock giving `why` as the reason; returns at once. A lock that
    // arrives after release() is released as it arrives.
    void take(const QString& why);
    // Releases the lock held, if any.
    void release();

  private slots:
    void logindReplied(const QDBusMessage& reply);
    void portalReplied(const QDBusMessage& reply);

  private:
    bool wanted_ = false;
    QDBusUnixFileDescriptor logindLock_; // the descriptor closes with the last copy
    std::unique_ptr<PortalInhibition> portalLock_;
};

} // namespace form1
