// The order of a cut's end: the lock goes first, then the notification, then the dock's bar,
// so that a listener that sees the bar hidden has seen everything else of that cut.
#include "mainwindow/desktop_session.h"

#include <QCoreApplication>
#include <QWidget>
#include <array>

namespace form1 {
namespace {

constexpr char kContext[] = "form1::DesktopSession";
constexpr char kInhibitReason[] =
    QT_TRANSLATE_NOOP("form1::DesktopSession", "Cutting a disc image");
// By CutOutcome.
constexpr std::array kSummaries{QT_TRANSLATE_NOOP("form1::DesktopSession", "Cut complete"),
                                QT_TRANSLATE_NOOP("form1::DesktopSession", "Cut failed"),
                                QT_TRANSLATE_NOOP("form1::DesktopSession", "Cut cancelled")};

} // namespace

void DesktopSession::cutStarted() {
    running_ = true;
    inhibitor_.take(QCoreApplication::translate(kContext, kInhibitReason));
}

void DesktopSession::cutProgress(double fraction) {
    if (running_) showLauncherProgress(fraction);
}

void DesktopSession::cutEnded(CutOutcome outcome, const QString& body) {
    if (!running_) return;
    running_ = false;
    inhibitor_.release();
    if (!window_.isActiveWindow())
        notifier_.notify(
            QCoreApplication::translate(kContext, kSummaries[static_cast<std::size_t>(outcome)]),
            body);
    hideLauncherProgress();
}

} // namespace form1
