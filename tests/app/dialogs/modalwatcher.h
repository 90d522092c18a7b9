#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

class QWidget;

namespace tessarine::test {

// Waits for a modal window that a click is about to open (a message box, a colour or file
// dialog) and hands it to an action, which reads it and closes it. Without this the click
// would block the test in the modal window's event loop.
class TModalWatcher : public QObject
{
public:
    // owner: a modal window already open that is not the one to wait for.
    explicit TModalWatcher(std::function<void(QWidget*)> action, QWidget* owner = nullptr,
                           int timeoutMs = 5000);

    bool Fired() const { return m_fired; }
    // True when the action left the window open and the watcher had to close it.
    bool ForcedClose() const { return m_forcedClose; }

private:
    void Poll();

    std::function<void(QWidget*)> m_action;
    QPointer<QWidget> m_owner;
    QTimer m_timer;
    int m_ticksLeft;
    bool m_fired = false;
    bool m_forcedClose = false;
    int m_timeoutMs;
};

// The text of the message box that click() makes appear, which is then closed; empty when
// no message box appeared.
QString MessageShownBy(const std::function<void()>& click);

} // namespace tessarine::test
