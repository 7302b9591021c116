// A cut through the window as the desktop hears it, on two private buses (one stands in for
// the system bus) where StandIn answers for logind, the notification server and the portal:
// the sleep lock held from the start to the end of every kind of cut, the dock's bar shown and
// hidden, a notification only when the user is in another window (its click brings the window
// back), and the portal in a sandbox.
#include "form1_fixture.h"

#include <QtDBus>
#include <unistd.h>

namespace form1::test {
namespace {

constexpr int kWaitMs = 10000;
constexpr int kKeptMs = 200; // far longer than a reply keeps its copy of a descriptor
const QString kUpdate = "Update application://io.github.quillmar.QuillmarDvd.desktop ";
const QString kHidden = kUpdate + "{progress-visible=false}";

QString text(const QVariant& value) {
    if (!value.canConvert<QDBusArgument>())
        return value.userType() == QMetaType::QStringList ? value.toStringList().join(",")
                                                          : value.toString().replace('\n', "\\n");
    QStringList entries;
    const auto map = qdbus_cast<QVariantMap>(value.value<QDBusArgument>());
    for (auto it = map.begin(); it != map.end(); ++it) entries << it.key() + "=" + text(*it);
    return "{" + entries.join(", ") + "}";
}

// Records every call on its buses and every launcher signal as a line. Inhibit hands out a
// pipe's write end; Notify a new id, then a click on its default action.
class StandIn final : public QDBusVirtualObject {
    Q_OBJECT

  public:
    bool handleMessage(const QDBusMessage& call, const QDBusConnection& bus) override {
        QStringList args;
        for (const QVariant& arg : call.arguments()) args << text(arg);
        log << call.path() + " " + call.interface() + "." + call.member() + " " + args.join(" | ");
        QDBusMessage reply = call.createReply();
        if (int ends[2]; call.interface() == "org.freedesktop.login1.Manager" && pipe(ends) == 0) {
            log.last() += " -> " + QFile::symLinkTarget(QString("/proc/self/fd/%1").arg(*ends));
            reply << QVariant::fromValue(QDBusUnixFileDescriptor(ends[1]));
            close(ends[0]), close(ends[1]);
        } else if (call.member() == "Inhibit") {
            reply << QVariant::fromValue(QDBusObjectPath("/request/t"));
        } else if (call.member() == "Notify") {
            reply << ++ids_;
        }
        bus.send(reply);
        if (call.member() == "Notify")
            bus.send(QDBusMessage::createSignal(call.path(), call.interface(), "ActionInvoked")
                     << ids_ << QString("default"));
        return true;
    }
    QString introspect(const QString&) const override { return {}; }
    QStringList log;

  public slots:
    void update(const QDBusMessage& signal) {
        log << "Update " + text(signal.arguments().value(0)) + " " +
                   text(signal.arguments().value(1));
    }

  private:
    uint ids_ = 0;
};

// The buses, for the whole program: the window's connections are made once.
class DesktopBuses final : public ::testing::Environment {
  public:
    void SetUp() override {
        for (const char* bus : {"DBUS_SYSTEM_BUS_ADDRESS", "DBUS_SESSION_BUS_ADDRESS"}) {
            daemons_.emplace_back(std::make_unique<QProcess>())
                ->start("dbus-daemon", {"--session", "--nofork", "--print-address"});
            ASSERT_TRUE(daemons_.back()->waitForReadyRead(kWaitMs));
            qputenv(bus, daemons_.back()->readLine().trimmed());
            QDBusConnection::connectToBus(qgetenv(bus), bus)
                .registerVirtualObject("/", &standIn, QDBusConnection::SubPath);
        }
        QDBusConnection system("DBUS_SYSTEM_BUS_ADDRESS"), session("DBUS_SESSION_BUS_ADDRESS");
        ASSERT_TRUE(system.registerService("org.freedesktop.login1") &&
                    session.registerService("org.freedesktop.Notifications") &&
                    session.registerService("org.freedesktop.portal.Desktop") &&
                    session.connect({}, {}, "com.canonical.Unity.LauncherEntry", "Update", &standIn,
                                    SLOT(update(QDBusMessage))));
    }
    void TearDown() override {
        for (auto& daemon : daemons_) daemon->kill(), daemon->waitForFinished();
    }
    StandIn standIn;

  private:
    std::vector<std::unique_ptr<QProcess>> daemons_;
};
auto* const buses =
    static_cast<DesktopBuses*>(::testing::AddGlobalTestEnvironment(new DesktopBuses));

// What every descriptor of this process names, e.g. "/proc/self/fd/pipe:[4711]".
QStringList heldPipes() {
    QStringList pipes;
    for (const QFileInfo& fd : QDir("/proc/self/fd").entryInfoList(QDir::System))
        pipes << fd.symLinkTarget();
    return pipes;
}

enum End { Success, Error, Escape, Quit };

TEST_F(Form1Test, TheDesktopHearsOfEveryCutFromItsStartToItsEnd) {
    QStringList& log = buses->standIn.log;
    QWidget elsewhere; // the window the user turned to
    const QString logind = "/org/freedesktop/login1 org.freedesktop.login1.Manager.Inhibit "
                           "sleep:idle | quillmar-dvd | Cutting a disc image | block -> ";
    const QString portal = "/org/freedesktop/portal/desktop org.freedesktop.portal.Inhibit."
                           "Inhibit  | 12 | {reason=Cutting a disc image}";
    // How it ends, user elsewhere, sandboxed; the notification's summary and body ('*': any).
    const std::tuple<End, bool, bool, QString> kCuts[] = {
        {Success, false, false, ""},
        {Success, true, false, "Cut complete | Process Successfully!!!"},
        {Error, true, false, "Cut failed | Run-time error '*':\\n\\n*"},
        {Escape, true, false, "Cut cancelled | Cutting cancelled: * of 100663296 bytes written."},
        {Quit, false, false, ""},
        {Success, false, true, ""}};
    for (const auto& [end, away, sandboxed, notified] : kCuts) {
        SCOPED_TRACE(testing::Message() << end << away << sandboxed);
        form.show();
        form.activateWindow();
        // Escape must come before the last of three chunks.
        prepareCut(path("output.ISO"), end == Escape ? 3 * int(cutting::kChunkBytes / 2048) : 8);
        std::optional<FileSizeLimit> limit;
        if (end == Error) limit.emplace(4096);
        if (sandboxed) qputenv("SNAP", "/snap/quillmar-dvd/1");
        log.clear();
        QString pipe = "(none)";
        QTimer::singleShot(0, &form, [&] { // after the first block
            if (!sandboxed && end != Escape) {
                // A round trip on the window's bus: the reply to Inhibit is in by its end.
                QDBusConnection::systemBus().call(
                    QDBusMessage::createMethodCall("org.freedesktop.login1", "/", "t.T", "Ping"),
                    QDBus::BlockWithGui);
                QCoreApplication::processEvents();
                pipe = log.filter(logind).value(0).section(" -> ", 1);
                // Kept by the window, not only by the reply on its way to it.
                EXPECT_FALSE(QTest::qWaitFor([&] { return !heldPipes().contains(pipe); }, kKeptMs));
            }
            if (end == Escape) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            if (end == Quit) click(4);
            if (away) elsewhere.show(), elsewhere.activateWindow();
            EXPECT_TRUE(QTest::qWaitFor([&] { return form.isActiveWindow() != away; }, kWaitMs));
        });
        click(3);
        EXPECT_FALSE(heldPipes().contains(pipe)); // released by the end, not later
        qunsetenv("SNAP");
        const QStringList closed = {"/request/t org.freedesktop.portal.Request.Close "};
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return log.contains(kHidden) && log.filter("Close ") == closed.mid(!sandboxed); },
            kWaitMs));
        // One lock; the bar shown from 0 during the cut, hidden last, after any notification.
        EXPECT_EQ(log.filter(".Inhibit "),
                  QStringList(log.filter(sandboxed ? portal : logind).value(0)));
        EXPECT_EQ(log.filter("Update ").first(), kUpdate + "{progress=0, progress-visible=true}");
        EXPECT_EQ(log.filter("Update ").last(), kHidden);
        const QString notify =
            "/org/freedesktop/Notifications org.freedesktop.Notifications.Notify "
            "quillmar-dvd | 0 | io.github.quillmar.QuillmarDvd | %1 | "
            "default,Show | {desktop-entry=io.github.quillmar.QuillmarDvd} | -1";
        const QRegularExpression expected(
            "^" + QRegularExpression::escape(notify.arg(notified)).replace("\\*", ".*") + "$");
        EXPECT_EQ(log.filter(".Notify ").size(), notified.isEmpty() ? 0 : 1);
        EXPECT_EQ(log.filter(".Notify "), log.filter(expected));
        if (!notified.isEmpty()) { // and the click on it brought the window back
            EXPECT_TRUE(QTest::qWaitFor([&] { return form.isActiveWindow(); }, kWaitMs));
        }
    }
}

} // namespace
} // namespace form1::test

#include "desktop_session_test.moc"
