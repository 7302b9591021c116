// What the desktop hears of a cut: the window tells this when a cut starts, how far it has got
// and how it ended, and it keeps the machine awake meanwhile (SleepInhibitor), shows the
// progress on the dock (launcher_progress.h) and, when the user is in another window, tells them
// that it ended (CutNotifier). Everything goes over D-Bus without waiting for an answer; with
// no bus, or no service on it, the cut runs exactly as without this. Call it on the window's
// thread.
#pragma once

#include "mainwindow/cut_notifier.h"
#include "mainwindow/launcher_progress.h"
#include "mainwindow/sleep_inhibitor.h"

#include <QString>

class QWidget;

namespace form1 {

enum class CutOutcome { Completed, Failed, Cancelled };

class DesktopSession {
  public:
    // `window` decides whether a notification is shown, and is raised by one.
    explicit DesktopSession(QWidget& window) : window_(window), notifier_(window) {}

    // A cut begins: takes the sleep and idle lock.
    void cutStarted();
    // The running cut has done `fraction` (0..1) of its work. Each call is a signal to the
    // dock: call it a few times a second at most (CutProgress does, as PB1's text changes).
    void cutProgress(double fraction);
    // The running cut is over: releases the lock, hides the dock's bar and, unless the window
    // is active, shows a notification with `body`, the result shown in the window. Does
    // nothing when no cut runs, so only its first call after cutStarted() counts.
    void cutEnded(CutOutcome outcome, const QString& body);

  private:
    QWidget& window_;
    SleepInhibitor inhibitor_;
    CutNotifier notifier_;
    bool running_ = false;
};

} // namespace form1
