#include "imagelibrary.h"

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

    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("OK_BM"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("Cancel_BM"));
    auto* help = new QPushButton(QStringLiteral("帮助"), this);
    help->setObjectName(QStringLiteral("Help_BM"));
    connect(ok, &QPushButton::clicked, this, &TImageLibrary::OK_BMClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // There is no help content for the library; the button stays for the familiar layout.

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
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
