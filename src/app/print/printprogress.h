#pragma once

#include <QDialog>
#include <QElapsedTimer>

class QLabel;
class QPushButton;

namespace tessarine {

// The progress window of a print job: "sheet x of y" and a cancel button that works while the
// job runs. It stays hidden for short jobs and appears once a job has run a moment.
class TPrintProgress : public QDialog
{
    Q_OBJECT
public:
    explicit TPrintProgress(QWidget* parent = nullptr);

    // Starts watching a new job.
    void Start();
    // Called by the job after every cell: shows the sheet, lets the window take clicks now and
    // then, and tells whether to go on.
    bool Update(int sheet, int sheets);
    // Hides the window after the job.
    void Finish();

    bool Cancelled() const { return m_cancelled; }
    QLabel* SheetLabel() const { return m_sheetLabel; }
    QPushButton* CancelButton() const { return m_cancelButton; }

    // How long a job runs before the window shows, and how often it then handles events.
    static constexpr int kShowAfterMs = 400;
    static constexpr int kEventIntervalMs = 30;

private:
    QLabel* m_sheetLabel;
    QPushButton* m_cancelButton;
    QElapsedTimer m_running;
    qint64 m_lastEvents = 0;
    bool m_cancelled = false;
};

// "正在打印第 x 页, 共 y 页".
QString SheetProgressText(int sheet, int sheets);

} // namespace tessarine
