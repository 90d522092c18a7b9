#pragma once

#include <QDialog>
#include <QImage>
#include <QVector>

#include <array>
#include <functional>

class QLabel;
class QPushButton;
class QScrollArea;

namespace tessarine {

// The print preview window "标签打印预览": the rendered pages one at a time, paged back and
// forth, at fifteen zoom steps (step 9 is the standard size). The window owns its pages from
// the moment it receives them until "关闭".
class TPreviewFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TPreviewFrm(QWidget* parent = nullptr);

    static constexpr std::array<double, 15> kZoomSteps = {0.05, 0.07, 0.1, 0.15, 0.2, 0.3, 0.5, 0.7,
                                                          1.0,  1.5,  2.0, 3.0,  5.0, 7.0, 10.0};
    static constexpr int kStandardStep = 9;

    // Takes the pages and shows the first at the standard size.
    void SetPages(QVector<QImage> pages);
    int PageCount() const { return int(m_pages.size()); }
    int PageIndex() const { return m_pageIndex; }
    int ZoomStep() const { return m_zoomStep; }

    // The "END" and "First" notices go here; an information box by default.
    void SetMessageHandler(std::function<void(const QString&)> handler);

    // The command handlers, one per button.
    void NextPageClick();
    void PriorPageClick();
    void StandardClick();
    void ZoomInClick();
    void ZoomOutClick();
    void CloseClick();

    QLabel* PagePanel() const { return m_pagePanel; }
    QScrollArea* ScrollBox() const { return m_scrollBox; }
    QPushButton* PrintButton() const { return m_print; }
    QPushButton* PriorButton() const { return m_prior; }
    QPushButton* NextButton() const { return m_next; }
    QPushButton* StandardButton() const { return m_standard; }
    QPushButton* ZoomInButton() const { return m_zoomIn; }
    QPushButton* ZoomOutButton() const { return m_zoomOut; }
    QPushButton* CloseButton() const { return m_close; }

signals:
    // "打印": the print dialog prints with its current values.
    void PrintRequested();

private:
    QPushButton* AddButton(const QString& caption, const QString& name);
    void ShowStandard();
    void ShowAtStep(int step);

    QVector<QImage> m_pages;
    int m_pageIndex = 0;
    int m_zoomStep = kStandardStep;
    std::function<void(const QString&)> m_showMessage;
    QScrollArea* m_scrollBox;
    QLabel* m_pagePanel;
    QWidget* m_buttonBar;
    QPushButton* m_print;
    QPushButton* m_prior;
    QPushButton* m_next;
    QPushButton* m_standard;
    QPushButton* m_zoomIn;
    QPushButton* m_zoomOut;
    QPushButton* m_close;
};

} // namespace tessarine
