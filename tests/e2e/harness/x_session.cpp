#include "x_session.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

namespace kalmora::e2e
{
namespace
{

constexpr int kStartTimeoutMs = 15000;

// "0x1a00007" or "27262983" to a window id; 0 when it is neither.
quint64 ParseWindowId(QString text)
{
    text = text.trimmed();
    bool ok = false;
    const quint64 id = text.startsWith(QLatin1String("0x")) ? text.mid(2).toULongLong(&ok, 16) : text.toULongLong(&ok);
    return ok ? id : 0;
}

QString WindowIdText(quint64 window)
{
    return QStringLiteral("0x%1").arg(window, 0, 16);
}

// The value after "<label>:" in xwininfo's output.
QString XwininfoField(const QString &output, const QString &label)
{
    const QRegularExpression re(QStringLiteral("^\\s*%1:\\s*(.*)$").arg(QRegularExpression::escape(label)),
        QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = re.match(output);
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

} // namespace

bool WaitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (true) {
        if (condition())
            return true;
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(20);
    }
}

QStringList MissingXTools()
{
    QStringList missing;
    for (const char *tool : { "Xvfb", "openbox", "xdotool", "xwininfo", "xprop", "import" }) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            missing << QString::fromLatin1(tool);
    }
    return missing;
}

XSession::XSession() = default;

XSession::~XSession()
{
    stop();
}

bool XSession::start(QString *error, QSize screenSize)
{
    const QStringList missing = MissingXTools();
    if (!missing.isEmpty()) {
        *error = QStringLiteral("missing X tools: ") + missing.join(QLatin1String(", "));
        return false;
    }
    m_screenSize = screenSize;

    // -displayfd 1: the server picks a free display number and writes it to its standard output.
    m_xvfb = std::make_unique<QProcess>();
    m_xvfb->setProcessChannelMode(QProcess::SeparateChannels);
    m_xvfb->setStandardErrorFile(QProcess::nullDevice());
    m_xvfb->start(QStringLiteral("Xvfb"),
        { QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
            QStringLiteral("%1x%2x24").arg(screenSize.width()).arg(screenSize.height()), QStringLiteral("-nolisten"),
            QStringLiteral("tcp"), QStringLiteral("-wr"), QStringLiteral("-noreset") });
    if (!m_xvfb->waitForStarted(kStartTimeoutMs)) {
        *error = QStringLiteral("Xvfb did not start: ") + m_xvfb->errorString();
        return false;
    }
    QByteArray number;
    const bool gotDisplay = WaitUntil(
        [&] {
            m_xvfb->waitForReadyRead(50);
            number += m_xvfb->readAllStandardOutput();
            return number.contains('\n') || m_xvfb->state() == QProcess::NotRunning;
        },
        kStartTimeoutMs);
    if (!gotDisplay || !number.contains('\n')) {
        *error = QStringLiteral("Xvfb did not report a display number");
        return false;
    }
    m_display = QStringLiteral(":") + QString::fromLatin1(number.trimmed());

    m_windowManager = std::make_unique<QProcess>();
    m_windowManager->setProcessEnvironment(environment());
    m_windowManager->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_windowManager->setStandardOutputFile(QProcess::nullDevice());
    m_windowManager->start(QStringLiteral("openbox"), { QStringLiteral("--sm-disable") });
    if (!m_windowManager->waitForStarted(kStartTimeoutMs)) {
        *error = QStringLiteral("openbox did not start: ") + m_windowManager->errorString();
        return false;
    }
    // The window manager has taken the screen once it announces itself on the root window.
    const bool managed = WaitUntil(
        [&] {
            QString out;
            return runTool(QStringLiteral("xprop"),
                       { QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK") }, &out)
                && out.contains(QLatin1String("window id"));
        },
        kStartTimeoutMs);
    if (!managed) {
        *error = QStringLiteral("openbox did not take the screen ") + m_display;
        return false;
    }
    // Announced is not yet working: now and then the very first window mapped right after the window
    // manager came up is never shown. A small window that has shown proves the screen is ready.
    bool ready = false;
    for (int attempt = 0; attempt < 3 && !ready; ++attempt) {
        QProcess *probe = launch(QStringLiteral(KALMORA_E2E_BACKDROP),
            { QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("8"), QStringLiteral("8"),
                QStringLiteral("#808080"), QStringLiteral("probe") });
        ready = probe && waitForViewableWindow(probe->processId(), {}, 5000).has_value();
        endPrograms();
    }
    if (!ready) {
        *error = QStringLiteral("no window could be shown on ") + m_display;
        return false;
    }
    return true;
}

void XSession::stopProcess(QProcess *process)
{
    if (!process || process->state() == QProcess::NotRunning)
        return;
    process->terminate();
    if (!process->waitForFinished(3000)) {
        process->kill();
        process->waitForFinished(3000);
    }
}

void XSession::endPrograms()
{
    for (auto &program : m_programs)
        stopProcess(program.get());
    m_programs.clear();
}

void XSession::stop()
{
    endPrograms();
    stopProcess(m_windowManager.get());
    m_windowManager.reset();
    stopProcess(m_xvfb.get());
    m_xvfb.reset();
}

QProcessEnvironment XSession::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    if (!env.contains(QStringLiteral("TZ")))
        env.insert(QStringLiteral("TZ"), QStringLiteral("Asia/Tokyo"));
    return env;
}

QProcess *XSession::launch(const QString &program, const QStringList &arguments, const QString &workingDirectory)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(environment());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    if (!workingDirectory.isEmpty())
        process->setWorkingDirectory(workingDirectory);
    process->start(program, arguments);
    if (!process->waitForStarted(kStartTimeoutMs))
        return nullptr;
    m_programs.push_back(std::move(process));
    return m_programs.back().get();
}

quint64 XSession::showBackdrop(const QRect &rect, const QString &colour, const QString &title)
{
    QProcess *process = launch(QStringLiteral(KALMORA_E2E_BACKDROP),
        { QString::number(rect.x()), QString::number(rect.y()), QString::number(rect.width()),
            QString::number(rect.height()), colour, title });
    if (!process)
        return 0;
    const std::optional<quint64> window = waitForViewableWindow(process->processId());
    if (!window) {
        qWarning("backdrop %s: no viewable window; process %s, exit code %d, windows found %d", qPrintable(title),
            process->state() == QProcess::Running ? "running" : "ended", process->exitCode(),
            int(searchWindows(process->processId()).size()));
    }
    return window.value_or(0);
}

QByteArray XSession::runToolRaw(const QString &tool, const QStringList &arguments, bool *ok, int timeoutMs) const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(tool, arguments);
    bool done = process.waitForStarted(timeoutMs) && process.waitForFinished(timeoutMs);
    if (!done) {
        process.kill();
        process.waitForFinished(1000);
    }
    if (ok)
        *ok = done && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return process.readAllStandardOutput();
}

bool XSession::runTool(const QString &tool, const QStringList &arguments, QString *output, int timeoutMs) const
{
    bool ok = false;
    const QByteArray out = runToolRaw(tool, arguments, &ok, timeoutMs);
    if (output)
        *output = QString::fromUtf8(out);
    return ok;
}

bool XSession::xdotool(const QStringList &arguments, QString *output) const
{
    return runTool(QStringLiteral("xdotool"), arguments, output);
}

std::vector<quint64> XSession::searchWindows(qint64 pid, const QString &name) const
{
    QStringList args { QStringLiteral("search"), QStringLiteral("--pid"), QString::number(pid) };
    if (!name.isEmpty())
        args << QStringLiteral("--name") << name;
    QString out;
    xdotool(args, &out); // exits 1 when nothing matches
    std::vector<quint64> windows;
    for (const QString &line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (const quint64 id = ParseWindowId(line))
            windows.push_back(id);
    }
    return windows;
}

std::optional<quint64> XSession::waitForViewableWindow(
    qint64 pid, const QString &name, int timeoutMs, WindowKind kind) const
{
    const QLatin1String overrideRedirect(kind == WindowKind::Popup ? "yes" : "no");
    std::optional<quint64> found;
    WaitUntil(
        [&] {
            for (quint64 window : searchWindows(pid, name)) {
                QString info;
                if (!runTool(QStringLiteral("xwininfo"), { QStringLiteral("-id"), WindowIdText(window) }, &info))
                    continue;
                // Popup menus are override-redirect windows; the program's own windows are managed.
                if (XwininfoField(info, QStringLiteral("Map State")) == QLatin1String("IsViewable")
                    && XwininfoField(info, QStringLiteral("Override Redirect State")) == overrideRedirect) {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    if (!found) {
        // Say what there was instead, for the test's log.
        QStringList seen;
        for (quint64 window : searchWindows(pid, name)) {
            QString info;
            runTool(QStringLiteral("xwininfo"), { QStringLiteral("-id"), WindowIdText(window) }, &info);
            seen << QStringLiteral("%1 %2 override-redirect %3")
                        .arg(WindowIdText(window), XwininfoField(info, QStringLiteral("Map State")),
                            XwininfoField(info, QStringLiteral("Override Redirect State")));
        }
        qWarning("no viewable window of process %lld within %d ms; its windows: %s", pid, timeoutMs,
            seen.isEmpty() ? "none" : qPrintable(seen.join(QLatin1String("; "))));
    }
    return found;
}

bool XSession::mouseMove(QPoint screenPos) const
{
    return xdotool({ QStringLiteral("mousemove"), QString::number(screenPos.x()), QString::number(screenPos.y()) });
}

bool XSession::mouseDown(int button) const
{
    return xdotool({ QStringLiteral("mousedown"), QString::number(button) });
}

bool XSession::mouseUp(int button) const
{
    return xdotool({ QStringLiteral("mouseup"), QString::number(button) });
}

bool XSession::click(int button) const
{
    return xdotool({ QStringLiteral("click"), QString::number(button) });
}

bool XSession::key(const QString &keys) const
{
    return xdotool({ QStringLiteral("key"), keys });
}

bool XSession::type(const QString &text) const
{
    return xdotool({ QStringLiteral("type"), text });
}

bool XSession::drag(QPoint from, QPoint to, int button) const
{
    // The pauses give the program and the window manager the time a hand would: the press reaches
    // the program and it hands the move to the window manager before the pointer runs off.
    bool ok = mouseMove(from);
    QThread::msleep(150);
    ok = ok && mouseDown(button);
    QThread::msleep(400);
    constexpr int kSteps = 6;
    for (int i = 1; ok && i <= kSteps; ++i) {
        ok = mouseMove(from + (to - from) * i / kSteps);
        QThread::msleep(60);
    }
    QThread::msleep(150);
    return mouseUp(button) && ok;
}

QRect XSession::windowGeometry(quint64 window) const
{
    QString info;
    if (!runTool(QStringLiteral("xwininfo"), { QStringLiteral("-id"), WindowIdText(window) }, &info))
        return {};
    return QRect(XwininfoField(info, QStringLiteral("Absolute upper-left X")).toInt(),
        XwininfoField(info, QStringLiteral("Absolute upper-left Y")).toInt(),
        XwininfoField(info, QStringLiteral("Width")).toInt(), XwininfoField(info, QStringLiteral("Height")).toInt());
}

bool XSession::isViewable(quint64 window) const
{
    QString info;
    return runTool(QStringLiteral("xwininfo"), { QStringLiteral("-id"), WindowIdText(window) }, &info)
        && XwininfoField(info, QStringLiteral("Map State")) == QLatin1String("IsViewable");
}

std::vector<quint64> XSession::stackingOrder() const
{
    QString out;
    runTool(QStringLiteral("xprop"), { QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING") }, &out);
    std::vector<quint64> windows;
    const int hash = out.indexOf(QLatin1Char('#'));
    if (hash < 0)
        return windows;
    for (const QString &part : out.mid(hash + 1).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (const quint64 id = ParseWindowId(part))
            windows.push_back(id);
    }
    return windows;
}

QStringList XSession::netWmState(quint64 window) const
{
    QString out;
    runTool(QStringLiteral("xprop"), { QStringLiteral("-id"), WindowIdText(window), QStringLiteral("_NET_WM_STATE") },
        &out);
    const int eq = out.indexOf(QLatin1Char('='));
    if (eq < 0)
        return {};
    QStringList states;
    for (const QString &part : out.mid(eq + 1).split(QLatin1Char(','), Qt::SkipEmptyParts))
        states << part.trimmed();
    return states;
}

quint64 XSession::topLevelOf(quint64 window) const
{
    quint64 current = window;
    for (int depth = 0; depth < 16; ++depth) {
        QString tree;
        if (!runTool(QStringLiteral("xwininfo"),
                { QStringLiteral("-tree"), QStringLiteral("-id"), WindowIdText(current) }, &tree))
            return 0;
        const QRegularExpression rootRe(QStringLiteral("Root window id:\\s*(0x[0-9a-fA-F]+)"));
        const QRegularExpression parentRe(QStringLiteral("Parent window id:\\s*(0x[0-9a-fA-F]+)"));
        const quint64 root = ParseWindowId(rootRe.match(tree).captured(1));
        const quint64 parent = ParseWindowId(parentRe.match(tree).captured(1));
        if (parent == 0 || parent == root)
            return current;
        current = parent;
    }
    return current;
}

QImage XSession::screenshot() const
{
    bool ok = false;
    const QByteArray png = runToolRaw(
        QStringLiteral("import"), { QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-") }, &ok);
    if (!ok)
        return {};
    return QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32);
}

} // namespace kalmora::e2e
