#pragma once
// A private X session for end-to-end tests: Xvfb on a free display number, openbox as the window
// manager, and the X tools that drive and inspect it (xdotool, xwininfo, xprop, ImageMagick's
// import). Every wait is bounded; the destructor stops every process the session started.

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace kalmora::e2e
{

// Polls `condition` every few milliseconds, handling events in between, until it holds or
// `timeoutMs` passes. Returns whether it held.
bool WaitUntil(const std::function<bool()> &condition, int timeoutMs = 10000);

// The X tools the harness needs that are not on this machine (empty when all are there).
QStringList MissingXTools();

class XSession
{
public:
    XSession();
    ~XSession();
    XSession(const XSession &) = delete;
    XSession &operator=(const XSession &) = delete;

    // Starts Xvfb (a screen of `screenSize`, 24 bits, white root window) and openbox, and waits until
    // the window manager has taken the screen. False with a reason in `error` otherwise.
    bool start(QString *error, QSize screenSize = QSize(1024, 768));
    void stop();
    // Ends the programs started with launch() (the X server and the window manager go on).
    void endPrograms();

    QString display() const { return m_display; }
    QSize screenSize() const { return m_screenSize; }

    // The environment for programs shown in this session: DISPLAY set, the xcb platform, a UTF-8
    // locale, the time zone of the tests.
    QProcessEnvironment environment() const;

    // Starts a program in the session; the session keeps it and ends it when it stops. The program
    // stays owned by the session; nullptr when it could not be started.
    QProcess *launch(const QString &program, const QStringList &arguments = {}, const QString &workingDirectory = {});

    // A plain decorated window of one colour with its client area at `rect`, shown and mapped.
    // Returns its X window id, or 0 on failure.
    quint64 showBackdrop(const QRect &rect, const QString &colour, const QString &title);

    // Runs an X tool in the session with a bounded wait; its standard output in `output`.
    bool runTool(
        const QString &tool, const QStringList &arguments, QString *output = nullptr, int timeoutMs = 10000) const;
    QByteArray runToolRaw(
        const QString &tool, const QStringList &arguments, bool *ok = nullptr, int timeoutMs = 10000) const;

    // xdotool.
    bool xdotool(const QStringList &arguments, QString *output = nullptr) const;
    std::vector<quint64> searchWindows(qint64 pid, const QString &name = {}) const;
    // The first window of `pid` (named `name` when given) that is viewable, within `timeoutMs`:
    // a window the window manager manages, or a popup (override-redirect: menus, tooltips).
    enum class WindowKind { Managed, Popup };
    std::optional<quint64> waitForViewableWindow(
        qint64 pid, const QString &name = {}, int timeoutMs = 15000, WindowKind kind = WindowKind::Managed) const;
    bool mouseMove(QPoint screenPos) const;
    bool mouseDown(int button) const;
    bool mouseUp(int button) const;
    bool click(int button) const;
    bool key(const QString &keys) const;
    bool type(const QString &text) const;
    // A press of `button` at `from`, movement in steps to `to`, and the release, with short pauses
    // between, as a hand would do it.
    bool drag(QPoint from, QPoint to, int button = 1) const;

    // xwininfo: the window's client area on the screen (absolute position, size), whether it is
    // mapped and viewable; an empty rectangle when the window does not exist.
    QRect windowGeometry(quint64 window) const;
    bool isViewable(quint64 window) const;
    // The window manager's stacking order of its client windows, bottom first (_NET_CLIENT_LIST_STACKING).
    std::vector<quint64> stackingOrder() const;
    // The names in _NET_WM_STATE of the window, such as "_NET_WM_STATE_BELOW".
    QStringList netWmState(quint64 window) const;
    // The top-level ancestor of `window` below the root (the window manager's frame, or the window).
    quint64 topLevelOf(quint64 window) const;

    // A screenshot of the whole screen; a null image on failure.
    QImage screenshot() const;

private:
    void stopProcess(QProcess *process);

    QString m_display;
    QSize m_screenSize;
    std::unique_ptr<QProcess> m_xvfb;
    std::unique_ptr<QProcess> m_windowManager;
    std::vector<std::unique_ptr<QProcess>> m_programs;
};

} // namespace kalmora::e2e
