#include "splash.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace tessarine {

THeading::THeading(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Heading"));
    setFixedSize(591, 308);
    setWindowOpacity(0.0);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    m_turnOff.setObjectName(QStringLiteral("TimerTrunOff"));
    m_turnOff.setSingleShot(true);
    m_turnOff.start(3000);
    m_fade.setObjectName(QStringLiteral("StopShow"));
    connect(&m_fade, &QTimer::timeout, this, [this] {
        if (m_alpha == 255) {
            m_fade.stop();
            return;
        }
        m_alpha = std::min(255, m_alpha + 5);
        setWindowOpacity(m_alpha / 255.0);
    });
    m_fade.start(10);
}

QImage THeading::Picture()
{
    QImage picture(591, 308, QImage::Format_RGB32);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 308);
    sky.setColorAt(0, QColor(0x1F, 0x5F, 0xA8));
    sky.setColorAt(1, QColor(0x0E, 0x2E, 0x5C));
    p.fillRect(picture.rect(), sky);
    // A row of labels with bars, the product's own subject.
    for (int i = 0; i < 4; ++i) {
        const QRect label(330 + i * 52, 60 + (i % 2) * 24, 44, 150);
        p.setBrush(Qt::white);
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(label, 6, 6);
        p.setBrush(Qt::black);
        for (int x = 0; x < 32; x += 3 + (x * 7 + i) % 3)
            p.drawRect(label.left() + 6 + x, label.top() + 90, 1 + (x + i) % 2, 40);
    }
    p.setPen(Qt::white);
    QFont title(QStringLiteral("Noto Sans CJK SC"));
    title.setPixelSize(46);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(36, 70, 300, 60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tessarine"));
    QFont subtitle(QStringLiteral("Noto Sans CJK SC"));
    subtitle.setPixelSize(24);
    p.setFont(subtitle);
    p.drawText(QRect(38, 134, 300, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("标签排版设计"));
    QFont small(QStringLiteral("Noto Sans CJK SC"));
    small.setPixelSize(13);
    p.setFont(small);
    p.drawText(QRect(38, 250, 500, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("正在启动…"));
    return picture;
}

void THeading::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, Picture());
}

} // namespace tessarine
