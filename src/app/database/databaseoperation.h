#pragma once

#include <QWidget>

namespace tessarine {

class TKWZDataModule;
class TRecordNavigator;

// The small navigator that floats over the design surface: no title bar, always on top, dragged
// by a press anywhere on it.
class TDataBaseOperation : public QWidget
{
    Q_OBJECT
public:
    TDataBaseOperation(TKWZDataModule& records, QWidget* parent = nullptr);

    TRecordNavigator* Navigator() const { return m_navigator; }
    // Where the window goes over its host: 22 pixels in from the right of the host's client
    // area, 40 up from its bottom.
    static QPoint PlaceIn(const QSize& hostClient, const QSize& own);

signals:
    // After each record button.
    void Moved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void StartDrag();

    TRecordNavigator* m_navigator;
};

} // namespace tessarine
