#include "settext.h"

#include "contentpage.h"
#include "dialogbuttons.h"

#include "document/designdocument.h"
#include "platform/canvas.h"
#include "platform/round.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tessarine {

const QString TSetText::kDefaultText = QStringLiteral("Tessarine标签设计");

namespace {

constexpr int kSpecialMaximum = 3000;
constexpr int kDefaultSizeItem = 1; // "9"

struct TStyle
{
    int32_t Weight;
    bool Italic;
};

// The style list in item order: 常规, 斜体, 粗体, 粗斜体.
constexpr TStyle kStyles[] = {{400, false}, {400, true}, {900, false}, {900, true}};

// A letter turned like the text, so the rotation choice can be seen at a glance.
QPixmap RotationPicture(int quarterTurns, const QFont& font)
{
    QPixmap picture(36, 36);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 35, 35);
    QFont letter = font;
    letter.setPixelSize(22);
    letter.setBold(true);
    painter.setFont(letter);
    painter.translate(18, 18);
    painter.rotate(-90.0 * quarterTurns); // counter-clockwise, like escapement
    painter.drawText(QRect(-12, -12, 24, 24), Qt::AlignCenter, QStringLiteral("A"));
    return picture;
}

QListWidget* MakeList(const char* name, const QStringList& items, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->addItems(items);
    return list;
}

QLabel* MakeLabel(const QString& text, const char* name, QWidget* parent, QWidget* buddy)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setBuddy(buddy);
    return label;
}

} // namespace

int TSetText::StyleItemOf(int32_t weight, bool italic)
{
    for (int i = 0; i < int(std::size(kStyles)); ++i)
        if (kStyles[i].Weight == weight && kStyles[i].Italic == italic)
            return i;
    return -1;
}

TSetText::TSetText(TDesignDocument& document, TKWZDataModule& records, QWidget* parent)
    : QDialog(parent), m_document(document)
{
    setObjectName(QStringLiteral("SetText"));
    setWindowTitle(QStringLiteral("文字设置"));

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_content = new TContentPage(records, m_pages);
    m_pages->addTab(m_content, QStringLiteral("信息"));
    m_pages->addTab(MakeFontPage(), QStringLiteral("字体"));

    const TDialogButtons buttons = MakeOkCancelHelp(this);
    connect(buttons.Ok, &QPushButton::clicked, this, &TSetText::OK_BMClick);
    connect(buttons.Help, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addLayout(buttons.Row);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    SetColorSample(clBlack);
    UpdateSample();
}

QWidget* TSetText::MakeFontPage()
{
    auto* page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("FontSheet"));

    m_faceName = new QLineEdit(page);
    m_faceName->setObjectName(QStringLiteral("FontNameEdit"));
    m_faces = MakeList("FontList", QFontDatabase::families(), page);
    m_styles = MakeList(
        "TypeKind",
        {QStringLiteral("常规"), QStringLiteral("斜体"), QStringLiteral("粗体"), QStringLiteral("粗斜体")},
        page);
    QStringList sizes;
    for (int size : kSizes)
        sizes.append(QString::number(size));
    m_sizes = MakeList("SizeList", sizes, page);
    m_faces->setMinimumWidth(180);
    for (QListWidget* list : {m_faces, m_styles, m_sizes})
        list->setFixedHeight(132);
    m_styles->setFixedWidth(90);
    // Language files rebuild the style list with six keys; items they leave empty stay hidden.
    connect(m_styles->model(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                for (int row = first; row <= last; ++row)
                    m_styles->setRowHidden(row, m_styles->item(row)->text().isEmpty());
            });
    m_sizes->setFixedWidth(56);

    // The dialog's own font, the regular style and size 9 until an object says otherwise.
    m_faceName->setText(font().family());
    FaceTyped(m_faceName->text());
    m_styles->setCurrentRow(0);
    m_sizes->setCurrentRow(kDefaultSizeItem);

    auto* special = new QGroupBox(QStringLiteral("特殊设置"), page);
    special->setObjectName(QStringLiteral("SpecialGroup"));
    m_specialHeight = new QSpinBox(special);
    m_specialHeight->setObjectName(QStringLiteral("SpecialHeight"));
    m_specialWidth = new QSpinBox(special);
    m_specialWidth->setObjectName(QStringLiteral("SpecialWidth"));
    auto* specialLayout = new QGridLayout(special);
    specialLayout->addWidget(
        MakeLabel(QStringLiteral("高度:"), "SpecialHeightLabel", special, m_specialHeight), 0, 0);
    specialLayout->addWidget(m_specialHeight, 0, 1);
    specialLayout->addWidget(MakeLabel(QStringLiteral("宽度:"), "SpecialWidthLabel", special, m_specialWidth),
                             1, 0);
    specialLayout->addWidget(m_specialWidth, 1, 1);
    for (QSpinBox* field : {m_specialHeight, m_specialWidth}) {
        field->setRange(0, kSpecialMaximum);
        connect(field, &QSpinBox::valueChanged, this, &TSetText::UpdateSample);
    }

    m_charSet = new QComboBox(page);
    m_charSet->setObjectName(QStringLiteral("CharSetBox"));
    for (const TCharSetItem& item : kCharSets)
        m_charSet->addItem(QString::fromLatin1(item.Text));
    m_charSet->setCurrentIndex(1); // DEFAULT_CHARSET

    m_underline = new QCheckBox(QStringLiteral("下划线"), page);
    m_underline->setObjectName(QStringLiteral("UnderlineBox"));
    m_strikeOut = new QCheckBox(QStringLiteral("删除线"), page);
    m_strikeOut->setObjectName(QStringLiteral("StrikeOutBox"));

    m_colorSample = new QFrame(page);
    m_colorSample->setObjectName(QStringLiteral("ColorSample"));
    m_colorSample->setFrameShape(QFrame::Box);
    m_colorSample->setAutoFillBackground(true);
    m_colorSample->setFixedSize(36, 22);
    auto* colorButton = new QPushButton(QStringLiteral("颜色盒"), page);
    colorButton->setObjectName(QStringLiteral("ColorBox_BM"));

    auto* lists = new QGridLayout;
    lists->addWidget(MakeLabel(QStringLiteral("字体:"), "FontNameLabel", page, m_faceName), 0, 0);
    lists->addWidget(MakeLabel(QStringLiteral("字形:"), "TypeKindLabel", page, m_styles), 0, 1);
    lists->addWidget(MakeLabel(QStringLiteral("大小:"), "SizeLabel", page, m_sizes), 0, 2);
    lists->addWidget(m_faceName, 1, 0);
    lists->addWidget(m_faces, 2, 0);
    lists->addWidget(m_styles, 1, 1, 2, 1, Qt::AlignTop);
    lists->addWidget(m_sizes, 1, 2, 2, 1, Qt::AlignTop);
    lists->addWidget(special, 1, 3, 2, 1, Qt::AlignTop);

    auto* charSetRow = new QHBoxLayout;
    charSetRow->addWidget(MakeLabel(QStringLiteral("语言集:"), "CharSetLabel", page, m_charSet));
    charSetRow->addWidget(m_charSet);
    charSetRow->addSpacing(12);
    charSetRow->addWidget(m_underline);
    charSetRow->addWidget(m_strikeOut);
    charSetRow->addSpacing(12);
    charSetRow->addWidget(m_colorSample);
    charSetRow->addWidget(colorButton);
    charSetRow->addStretch();

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(MakeRotationGroup(page));
    bottom->addWidget(MakeSampleGroup(page), 1);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(lists);
    layout->addLayout(charSetRow);
    layout->addLayout(bottom);

    connect(m_faces, &QListWidget::currentRowChanged, this, &TSetText::FaceChosen);
    connect(m_faceName, &QLineEdit::textEdited, this, &TSetText::FaceTyped);
    connect(m_sizes, &QListWidget::currentRowChanged, this, &TSetText::SizeChosen);
    connect(m_styles, &QListWidget::currentRowChanged, this, &TSetText::UpdateSample);
    connect(m_charSet, &QComboBox::currentIndexChanged, this, &TSetText::UpdateSample);
    connect(m_underline, &QCheckBox::toggled, this, &TSetText::UpdateSample);
    connect(m_strikeOut, &QCheckBox::toggled, this, &TSetText::UpdateSample);
    connect(colorButton, &QPushButton::clicked, this, &TSetText::ColorBox_BMClick);
    return page;
}

QGroupBox* TSetText::MakeRotationGroup(QWidget* parent)
{
    m_rotation = new QGroupBox(QStringLiteral("旋转"), parent);
    m_rotation->setObjectName(QStringLiteral("AngleGroup"));
    m_rotations = new QButtonGroup(this);
    auto* choices = new QVBoxLayout;
    const QString captions[] = {QStringLiteral("0°"), QStringLiteral("90°"), QStringLiteral("180°"),
                                QStringLiteral("270°")};
    for (int i = 0; i < 4; ++i) {
        auto* choice = new QRadioButton(captions[i], m_rotation);
        choice->setObjectName(QStringLiteral("Angle%1").arg(i));
        m_rotations->addButton(choice, i);
        choices->addWidget(choice);
    }
    m_rotations->button(0)->setChecked(true);
    m_rotationPicture = new QLabel(m_rotation);
    m_rotationPicture->setObjectName(QStringLiteral("AnglePicture"));
    auto* layout = new QHBoxLayout(m_rotation);
    layout->addLayout(choices);
    layout->addWidget(m_rotationPicture, 0, Qt::AlignCenter);
    connect(m_rotations, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            UpdateRotationPicture();
    });
    UpdateRotationPicture();
    return m_rotation;
}

QGroupBox* TSetText::MakeSampleGroup(QWidget* parent)
{
    auto* group = new QGroupBox(QStringLiteral("模拟显示"), parent);
    group->setObjectName(QStringLiteral("SampleGroup"));
    m_sample = new QLabel(QStringLiteral("Tessarine 标签打印"), group);
    m_sample->setObjectName(QStringLiteral("SampleText"));
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setFixedSize(300, 96);
    m_sample->setAutoFillBackground(true);
    QPalette palette = m_sample->palette();
    palette.setColor(QPalette::Window, Qt::white);
    m_sample->setPalette(palette);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(m_sample, 0, Qt::AlignCenter);
    return group;
}

void TSetText::SetImportVisible(bool visible)
{
    m_content->SetImportVisible(visible);
}

void TSetText::Load(const TObjectInfo& object)
{
    m_editInfo = object;
    const TLogText& word = object.WordInfo;
    m_content->Load(object, word.Text);

    {
        // Filling the special fields must not reset them through the size handler.
        const QSignalBlocker heightBlocker(m_specialHeight);
        const QSignalBlocker widthBlocker(m_specialWidth);
        m_specialHeight->setValue(Round(word.Height * kSpecialFactor));
        m_specialWidth->setValue(Round(word.Width * kSpecialFactor));
    }
    m_faceName->setText(word.FontName);
    FaceTyped(word.FontName);
    const int quarter = ((object.Angle / 90) % 4 + 4) % 4;
    m_rotations->button(quarter)->setChecked(true);

    // A weight the list has no item for stays selected as nothing, and OK keeps it.
    m_styles->setCurrentRow(StyleItemOf(word.Weight, word.Italic));

    // The object's character set, so OK without a change keeps it.
    for (int i = 0; i < int(kCharSets.size()); ++i)
        if (kCharSets[size_t(i)].Code == word.CharSet)
            m_charSet->setCurrentIndex(i);

    m_strikeOut->setChecked(word.StrikeOut);
    m_underline->setChecked(word.Underline);
    SetColorSample(word.Color);
    m_pages->setCurrentIndex(0);
    UpdateSample();
}

int TSetText::ChosenSize() const
{
    const int row = m_sizes->currentRow();
    return row >= 0 && row < int(kSizes.size()) ? kSizes[size_t(row)] : kSizes[kDefaultSizeItem];
}

void TSetText::SizeChosen()
{
    const QSignalBlocker heightBlocker(m_specialHeight);
    const QSignalBlocker widthBlocker(m_specialWidth);
    m_specialHeight->setValue(0);
    m_specialWidth->setValue(0);
    UpdateSample();
}

void TSetText::FaceChosen()
{
    if (QListWidgetItem* item = m_faces->currentItem())
        m_faceName->setText(item->text());
    UpdateSample();
}

void TSetText::FaceTyped(const QString& face)
{
    const QList<QListWidgetItem*> found = m_faces->findItems(face, Qt::MatchFixedString);
    const QSignalBlocker blocker(m_faces);
    if (found.isEmpty())
        m_faces->setCurrentRow(-1);
    else
        m_faces->setCurrentItem(found.front());
    if (m_sample)
        UpdateSample();
}

void TSetText::SetColorSample(TColor color)
{
    m_color = color;
    QPalette palette = m_colorSample->palette();
    palette.setColor(QPalette::Window, ToQColor(color));
    m_colorSample->setPalette(palette);
    if (m_sample) {
        palette = m_sample->palette();
        palette.setColor(QPalette::WindowText, ToQColor(color));
        m_sample->setPalette(palette);
    }
}

void TSetText::ColorBox_BMClick()
{
    QColorDialog dialog(ToQColor(m_color), this);
    dialog.setObjectName(QStringLiteral("ColorDialog1"));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QColor chosen = dialog.selectedColor();
    SetColorSample(RGBColor(chosen.red(), chosen.green(), chosen.blue()));
}

void TSetText::UpdateSample()
{
    if (!m_sample)
        return;
    // The special fields size the sample; 0 leaves it to the list's size.
    const int listSize = ChosenSize();
    TFontSpec sampleLook;
    sampleLook.Name = m_faceName->text();
    sampleLook.Height =
        m_specialHeight->value() != 0
            ? TDesignDocument::PointsToHeight(Round(m_specialHeight->value() / kSpecialFactor))
            : TDesignDocument::PointsToHeight(listSize);
    sampleLook.Width = m_specialWidth->value() != 0
                           ? TDesignDocument::PointsToWidth(Round(m_specialWidth->value() / kSpecialFactor))
                           : 0;
    const int style = m_styles->currentRow();
    sampleLook.Weight = style >= 0 && style < int(std::size(kStyles)) ? kStyles[style].Weight : 900;
    sampleLook.Italic = style >= 0 && style < int(std::size(kStyles)) && kStyles[style].Italic;
    sampleLook.Underline = m_underline->isChecked();
    sampleLook.StrikeOut = m_strikeOut->isChecked();
    const int charSet = m_charSet->currentIndex();
    sampleLook.CharSet = charSet >= 0 ? kCharSets[size_t(charSet)].Code : 1;
    QFont sampleFont = ToQFont(sampleLook);
    sampleFont.setFixedPitch(true);
    m_sample->setFont(sampleFont);
}

void TSetText::UpdateRotationPicture()
{
    m_rotationPicture->setPixmap(RotationPicture(qMax(0, m_rotations->checkedId()), font()));
}

void TSetText::reject()
{
    m_content->DetachField();
    QDialog::reject();
}

void TSetText::OK_BMClick()
{
    TLogText& word = m_editInfo.WordInfo;
    QString text;
    if (m_content->Store(m_editInfo, text, kDefaultText))
        word.Text = text;

    if (m_specialHeight->value() != 0 || m_specialWidth->value() != 0) {
        word.Height = Round(m_specialHeight->value() / kSpecialFactor);
        word.Width = Round(m_specialWidth->value() / kSpecialFactor);
    } else {
        word.Height = ChosenSize();
    }

    word.FontName = m_faceName->text();
    word.Underline = m_underline->isChecked();
    word.StrikeOut = m_strikeOut->isChecked();
    word.Color = m_color;
    if (const int charSet = m_charSet->currentIndex(); charSet >= 0)
        word.CharSet = kCharSets[size_t(charSet)].Code;
    if (const int style = m_styles->currentRow(); style >= 0 && style < int(std::size(kStyles))) {
        word.Weight = kStyles[style].Weight;
        word.Italic = kStyles[style].Italic;
    }
    m_editInfo.Angle = int16_t(qMax(0, m_rotations->checkedId()) * 90);

    m_document.SetObjectInfo(m_editInfo.ObjectIndex, m_editInfo);
    m_content->DetachField();
    accept();
}

} // namespace tessarine
