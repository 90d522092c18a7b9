#pragma once

#include <QTimer>
#include <QWidget>

namespace tessarine {

// The start-up picture: borderless, on top, centred, fading in for about three seconds.
class THeading : public QWidget
{
    Q_OBJECT
public:
    explicit THeading(QWidget* parent = nullptr);

    // True until the close timer has ticked.
    bool Showing() const { return m_turnOff.isActive(); }
    // Ticks once, about three seconds after the splash appeared.
    const QTimer& TurnOffTimer() const { return m_turnOff; }
    static QImage Picture();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer m_turnOff; // TimerTrunOff: 3000 ms, once
    QTimer m_fade;    // StopShow: every 10 ms
    int m_alpha = 10;
};

} // namespace tessarine
