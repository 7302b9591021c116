// The launcher entry's Update signal: the entry's address and a dictionary of the properties
// that change ("progress" 0..1, "progress-visible").
#include "mainwindow/launcher_progress.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>
#include <algorithm>

namespace form1 {
namespace {

// Any path will do: docks match the signal by interface and entry, not by sender.
constexpr char kLauncherPath[] = "/io/github/quillmar/QuillmarDvd/LauncherEntry";
constexpr char kLauncherInterface[] = "com.canonical.Unity.LauncherEntry";

void sendUpdate(const QVariantMap& properties) {
    QDBusMessage update = QDBusMessage::createSignal(QString::fromLatin1(kLauncherPath),
                                                     QString::fromLatin1(kLauncherInterface),
                                                     QStringLiteral("Update"));
    update << QString::fromLatin1(kLauncherAppUri) << properties;
    QDBusConnection::sessionBus().send(update);
}

} // namespace

void showLauncherProgress(double fraction) {
    sendUpdate({{QStringLiteral("progress"), std::clamp(fraction, 0.0, 1.0)},
                {QStringLiteral("progress-visible"), true}});
}

void hideLauncherProgress() {
    sendUpdate({{QStringLiteral("progress-visible"), false}});
}

} // namespace form1
