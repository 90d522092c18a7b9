#pragma once

#include <QWidget>

#include <functional>

class QToolButton;

namespace tessarine {

class TKWZDataModule;

// A row of record buttons over the data module: first, prior, next and last, and for editing
// grids also edit, post, cancel and refresh. Buttons the position does not allow are disabled.
class TRecordNavigator : public QWidget
{
    Q_OBJECT
public:
    enum class TButtons
    {
        Moves,
        MovesAndEditing
    };
    TRecordNavigator(TKWZDataModule& records, TButtons buttons, QWidget* parent = nullptr);

    QToolButton* Button(const QString& name) const;

signals:
    // After one of the four moves was pressed.
    void Moved();
    void EditRequested();
    void PostRequested();
    void CancelRequested();
    void RefreshRequested();

private:
    void UpdateButtons();

    TKWZDataModule& m_records;
};

} // namespace tessarine
