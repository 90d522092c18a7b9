#include "imagelibrary.h"

#include "dialogbuttons.h"

#include "clipart.h"

#include "document/designdocument.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace tessarine {

namespace {

constexpr int kVisibleColumns = 8;
constexpr int kVisibleRows = 4;
const QSize kGrid(84, 90);

} // namespace

TImageLibrary::TImageLibrary(TDesignDocument& document, QWidget* parent)
    : QDialog(parent), m_document(document)
{
    setObjectName(QStringLiteral("ImageLibrary"));
    setWindowTitle(QStringLiteral("ImageLibrary"));

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ListView1"));
    m_list->setViewMode(QListView::IconMode);
    m_list->setIconSize(QSize(kClipArtSize, kClipArtSize));
    m_list->setGridSize(kGrid);
    m_list->setMovement(QListView::Static);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setUniformItemSizes(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    for (int i = 0; i < kClipArtCount; ++i) {
        auto* item =
            new QListWidgetItem(QIcon(QPixmap::fromImage(ClipArtPicture(i))), QString::number(i), m_list);
        item->setData(Qt::UserRole, i);
    }
    const int frame = 2 * m_list->frameWidth();
    m_list->setFixedSize(kVisibleColumns * kGrid.width() + frame +
                             m_list->verticalScrollBar()->sizeHint().width() + 4,
                         kVisibleRows * kGrid.height() + frame);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &TImageLibrary::OK_BMClick);

    const TDialogButtons buttons = MakeOkCancelHelp(this);
    connect(buttons.Ok, &QPushButton::clicked, this, &TImageLibrary::OK_BMClick);
    // There is no help content for the library; the button stays for the familiar layout.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons.Row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TImageLibrary::OK_BMClick()
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (!selected.isEmpty()) {
        const QImage picture = ClipArtBitmap(selected.first()->data(Qt::UserRole).toInt());
        // The document places the picture at the origin in its own size; the two points only
        // satisfy the tool's point count.
        m_document.InsertShape(SpImage, {QPoint(0, 0), QPoint(picture.width(), picture.height())}, QString(),
                               picture);
    }
    accept();
}

} // namespace tessarine
