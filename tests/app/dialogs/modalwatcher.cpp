#include "modalwatcher.h"

#include <QApplication>
#include <QMessageBox>

namespace tessarine::test {

TModalWatcher::TModalWatcher(std::function<void(QWidget*)> action, QWidget* owner, int timeoutMs)
    : m_action(std::move(action)), m_owner(owner), m_ticksLeft(timeoutMs / 10), m_timeoutMs(timeoutMs)
{
    connect(&m_timer, &QTimer::timeout, this, &TModalWatcher::Poll);
    m_timer.start(10);
}

void TModalWatcher::Poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != m_owner) {
        m_timer.stop();
        m_fired = true;
        m_action(modal);
        // A window the action failed to close would block the test for good.
        QPointer<QWidget> left(modal);
        QTimer::singleShot(m_timeoutMs, this, [this, left] {
            if (left && left->isVisible()) {
                m_forcedClose = true;
                left->close();
            }
        });
        return;
    }
    if (--m_ticksLeft <= 0)
        m_timer.stop();
}

QString MessageShownBy(const std::function<void()>& click)
{
    QString text;
    TModalWatcher watcher(
        [&text](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                text = box->text();
            modal->close();
        },
        QApplication::activeModalWidget());
    click();
    return text;
}

} // namespace tessarine::test
