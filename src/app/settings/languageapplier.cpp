#include "languageapplier.h"

#include "languagefiles.h"

#include <QAbstractButton>
#include <QAction>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>
#include <array>
#include <memory>
#include <utility>
#include <vector>

namespace tessarine {

namespace {

// Windows whose title and font follow the file ("Main" takes only the font). Sections are the
// windows' objectNames: the class name without its leading T.
struct TWindowRule
{
    const char* Section;
    bool Title;
    bool Font;
};

// clang-format off
constexpr TWindowRule kWindowRules[] = {
    {"Main", false, true},
    {"SetSystem", true, true},
    {"SetPrint", true, true},
    {"Prints", true, true},
    {"SetText", true, true},
    {"SetBar", true, true},
    {"SetObject", true, true},
    {"ImageLibrary", true, true},
    {"FileInformation", true, true},
    {"DataBase", true, true},
    {"PreviewFrm", true, true},
    {"QueryTable", true, true},
    {"SetImage", true, true},
};
// clang-format on

const TWindowRule* FindWindowRule(const QString& section)
{
    for (const TWindowRule& rule : kWindowRules)
        if (section == QLatin1String(rule.Section))
            return &rule;
    return nullptr;
}

// Component captions, tried in order; the first kind that fits takes the text.
bool SetTabPageText(QObject* object, const QString& text)
{
    auto* page = qobject_cast<QWidget*>(object);
    auto* stack = page ? qobject_cast<QStackedWidget*>(page->parentWidget()) : nullptr;
    auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    const int index = tabs ? tabs->indexOf(page) : -1;
    if (index < 0)
        return false;
    tabs->setTabText(index, text);
    return true;
}

bool SetButtonText(QObject* object, const QString& text)
{
    auto* button = qobject_cast<QAbstractButton*>(object);
    if (!button)
        return false;
    button->setText(text);
    return true;
}

bool SetLabelText(QObject* object, const QString& text)
{
    auto* label = qobject_cast<QLabel*>(object);
    if (!label)
        return false;
    label->setText(text);
    return true;
}

bool SetGroupTitle(QObject* object, const QString& text)
{
    auto* group = qobject_cast<QGroupBox*>(object);
    if (!group)
        return false;
    group->setTitle(text);
    return true;
}

bool SetMenuTitle(QObject* object, const QString& text)
{
    auto* menu = qobject_cast<QMenu*>(object);
    if (!menu)
        return false;
    menu->setTitle(text);
    return true;
}

bool SetActionText(QObject* object, const QString& text)
{
    auto* action = qobject_cast<QAction*>(object);
    if (!action)
        return false;
    action->setText(text);
    return true;
}

constexpr std::array kCaptionSetters = {
    &SetTabPageText, &SetButtonText, &SetLabelText, &SetGroupTitle, &SetMenuTitle, &SetActionText,
};

// List controls whose items are rebuilt from fixed keys of their window's section.
enum class TItemDefault
{
    Empty,        // an empty item
    GroupCaption, // the radio group's caption
    FirstItem,    // the first item of the rebuilt list (empty while it has none)
};

enum class TSelectionAfter
{
    FirstItem,
    Unchanged,
};

struct TItemListRule
{
    const char* Control;
    std::array<const char*, 6> Keys; // unused places are null
    TItemDefault Default;
    TSelectionAfter Selection;
};

// clang-format off
constexpr TItemListRule kItemLists[] = {
    {"SetPrint_PLGroup", {"0", "1"}, TItemDefault::GroupCaption, TSelectionAfter::FirstItem},
    {"DataSourcBox",
     {"DataSourcBox0", "DataSourcBox1", "DataSourcBox2", "DataSourcBox3", "DataSourcBox4", "DataSourcBox5"},
     TItemDefault::FirstItem,
     TSelectionAfter::FirstItem},
    {"SetSerialType",
     {"SetSerialType1", "SetSerialType2", "SetSerialType3", "SetSerialType4", "SetSerialType5",
      "SetSerialType6"},
     TItemDefault::FirstItem,
     TSelectionAfter::Unchanged},
    {"TypeKind",
     {"TypeKind1", "TypeKind2", "TypeKind3", "TypeKind4", "TypeKind5", "TypeKind6"},
     TItemDefault::Empty,
     TSelectionAfter::Unchanged},
    {"AboveOrUnder", {"AboveOrUnder1", "AboveOrUnder2"}, TItemDefault::Empty, TSelectionAfter::FirstItem},
    {"BrushArea", {"0", "1"}, TItemDefault::Empty, TSelectionAfter::FirstItem},
    {"GetFileGroup", {"GetData1", "GetData2"}, TItemDefault::Empty, TSelectionAfter::FirstItem},
    {"IncDec", {"0", "1"}, TItemDefault::Empty, TSelectionAfter::FirstItem},
    {"SetPrint_Postion_LB", {"0", "1", "2"}, TItemDefault::Empty, TSelectionAfter::FirstItem},
    {"SetPrint_Postion_LCR", {"3", "4", "5"}, TItemDefault::Empty, TSelectionAfter::FirstItem},
    {"StrLeftOrRight", {"FillLRLabel1", "FillLRLabel2"}, TItemDefault::Empty, TSelectionAfter::Unchanged},
};
// clang-format on

// The three kinds of list control, seen through one small interface.
class TItemControl
{
public:
    virtual ~TItemControl() = default;
    virtual QStringList Items() const = 0;
    virtual int Selected() const = 0;
    // Replaces the items and selects one (-1: none) without signals.
    virtual void Rebuild(const QStringList& items, int selected) = 0;
    // Selects an item, with the control's usual signals.
    virtual void Select(int index) = 0;
};

class TComboItems final : public TItemControl
{
public:
    explicit TComboItems(QComboBox* combo) : Combo_(combo) {}
    QStringList Items() const override
    {
        QStringList items;
        for (int i = 0; i < Combo_->count(); ++i)
            items.append(Combo_->itemText(i));
        return items;
    }
    int Selected() const override { return Combo_->currentIndex(); }
    void Rebuild(const QStringList& items, int selected) override
    {
        const QSignalBlocker blocker(Combo_);
        Combo_->clear();
        Combo_->addItems(items);
        Combo_->setCurrentIndex(selected);
    }
    void Select(int index) override { Combo_->setCurrentIndex(index); }

private:
    QComboBox* Combo_;
};

class TListItems final : public TItemControl
{
public:
    explicit TListItems(QListWidget* list) : List_(list) {}
    QStringList Items() const override
    {
        QStringList items;
        for (int i = 0; i < List_->count(); ++i)
            items.append(List_->item(i)->text());
        return items;
    }
    int Selected() const override { return List_->currentRow(); }
    void Rebuild(const QStringList& items, int selected) override
    {
        const QSignalBlocker blocker(List_);
        const QSignalBlocker modelBlocker(List_->selectionModel());
        List_->clear();
        List_->addItems(items);
        List_->setCurrentRow(selected);
    }
    void Select(int index) override { List_->setCurrentRow(index); }

private:
    QListWidget* List_;
};

// A radio group: the radio buttons that are direct children of a group box, in creation order.
// Rebuilding reuses the buttons, adds new ones to the group's layout and deletes the surplus.
class TRadioItems final : public TItemControl
{
public:
    explicit TRadioItems(QGroupBox* group) : Group_(group) {}
    QStringList Items() const override
    {
        QStringList items;
        for (QRadioButton* button : Buttons())
            items.append(button->text());
        return items;
    }
    int Selected() const override
    {
        const QList<QRadioButton*> buttons = Buttons();
        for (int i = 0; i < buttons.size(); ++i)
            if (buttons[i]->isChecked())
                return i;
        return -1;
    }
    void Rebuild(const QStringList& items, int selected) override
    {
        QList<QRadioButton*> buttons = Buttons();
        QButtonGroup* buttonGroup = buttons.isEmpty() ? nullptr : buttons.front()->group();
        while (buttons.size() > items.size())
            delete buttons.takeLast();
        while (buttons.size() < items.size()) {
            auto* button = new QRadioButton(Group_);
            if (buttonGroup)
                buttonGroup->addButton(button, int(buttons.size()));
            AddToLayout(button, int(buttons.size()));
            button->setVisible(true);
            buttons.append(button);
        }
        // Exclusive buttons refuse to uncheck the checked one directly.
        const bool exclusive = buttonGroup && buttonGroup->exclusive();
        if (exclusive)
            buttonGroup->setExclusive(false);
        for (int i = 0; i < buttons.size(); ++i) {
            const QSignalBlocker blocker(buttons[i]);
            const bool autoExclusive = buttons[i]->autoExclusive();
            buttons[i]->setText(items[i]);
            buttons[i]->setAutoExclusive(false);
            buttons[i]->setChecked(i == selected);
            buttons[i]->setAutoExclusive(autoExclusive);
        }
        if (exclusive)
            buttonGroup->setExclusive(true);
    }
    void Select(int index) override
    {
        const QList<QRadioButton*> buttons = Buttons();
        if (index >= 0 && index < buttons.size())
            buttons[index]->setChecked(true);
    }

private:
    QList<QRadioButton*> Buttons() const
    {
        return Group_->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
    }
    void AddToLayout(QRadioButton* button, int position)
    {
        if (auto* box = qobject_cast<QBoxLayout*>(Group_->layout()))
            box->addWidget(button);
        else if (auto* grid = qobject_cast<QGridLayout*>(Group_->layout()))
            grid->addWidget(button, position, 0);
        else if (Group_->layout())
            Group_->layout()->addWidget(button);
    }

    QGroupBox* Group_;
};

std::unique_ptr<TItemControl> ItemControlOf(QObject* object)
{
    if (auto* combo = qobject_cast<QComboBox*>(object))
        return std::make_unique<TComboItems>(combo);
    if (auto* list = qobject_cast<QListWidget*>(object))
        return std::make_unique<TListItems>(list);
    if (auto* group = qobject_cast<QGroupBox*>(object))
        return std::make_unique<TRadioItems>(group);
    return nullptr;
}

void RebuildItems(const TProfile& profile, const QString& section, const TItemListRule& rule, QObject* object)
{
    // A file that says nothing about a list leaves it, and its selection, alone.
    const bool mentioned = std::any_of(rule.Keys.begin(), rule.Keys.end(), [&](const char* key) {
        return key && profile.Value(section, QString::fromLatin1(key)).has_value();
    });
    const std::unique_ptr<TItemControl> control = mentioned ? ItemControlOf(object) : nullptr;
    if (!control)
        return;
    const QStringList previous = control->Items();
    const int previousSelection = control->Selected();
    const auto* group = qobject_cast<QGroupBox*>(object);

    QStringList items;
    for (const char* key : rule.Keys) {
        if (!key)
            break;
        const int position = int(items.size());
        QString fallback;
        if (position < previous.size()) {
            fallback = previous[position];
        } else {
            switch (rule.Default) {
            case TItemDefault::Empty:
                break;
            case TItemDefault::GroupCaption:
                fallback = group ? group->title() : QString();
                break;
            case TItemDefault::FirstItem:
                fallback = items.isEmpty() ? QString() : items.front();
                break;
            }
        }
        items.append(profile.ReadString(section, QString::fromLatin1(key), fallback));
    }

    // Quietly restore what was selected, then make the rule's selection with the usual signals,
    // so listeners hear only of a selection that really changed.
    control->Rebuild(items, previousSelection < items.size() ? previousSelection : -1);
    if (rule.Selection == TSelectionAfter::FirstItem && !items.isEmpty())
        control->Select(0);
}

// The window and its components, leaving out windows of their own (dialogs parented to this
// one). Menus are popup windows but belong to the window that holds their menu bar.
void CollectComponents(QObject* parent, QList<QObject*>& components)
{
    for (QObject* child : parent->children()) {
        if (auto* widget = qobject_cast<QWidget*>(child)) {
            const Qt::WindowType type = widget->windowType();
            if (type == Qt::Window || type == Qt::Dialog)
                continue;
        }
        components.append(child);
        CollectComponents(child, components);
    }
}

} // namespace

TLanguage::TLanguage(TProfile profile) : Profile_(std::move(profile)) {}

std::optional<TLanguage> TLanguage::Load(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    auto profile = TProfile::Load(path);
    if (!profile)
        return std::nullopt;
    return TLanguage(std::move(*profile));
}

QString TLanguage::FontFace() const
{
    return Profile_.ReadString(QStringLiteral("Style"), QStringLiteral("Font"));
}

void TLanguage::Apply(QObject* window) const
{
    if (!window)
        return;
    const QString section = window->objectName();
    if (section.isEmpty())
        return;

    QList<QObject*> components;
    CollectComponents(window, components);

    for (QObject* component : components) {
        const QString name = component->objectName();
        if (name.isEmpty())
            continue;
        if (const auto text = Profile_.Value(section, name)) {
            for (auto setter : kCaptionSetters)
                if (setter(component, *text))
                    break;
        }
    }

    // Find the list controls before rebuilding any: a rebuild deletes surplus radio buttons,
    // which would leave the component list dangling.
    std::vector<std::pair<const TItemListRule*, QPointer<QObject>>> lists;
    for (const TItemListRule& rule : kItemLists)
        for (QObject* component : components)
            if (component->objectName() == QLatin1String(rule.Control))
                lists.emplace_back(&rule, component);
    for (const auto& [rule, control] : lists)
        if (control)
            RebuildItems(Profile_, section, *rule, control);

    auto* widget = qobject_cast<QWidget*>(window);
    const TWindowRule* rule = FindWindowRule(section);
    if (!widget || !rule)
        return;
    if (rule->Title) {
        if (const auto title = Profile_.Value(section, section))
            widget->setWindowTitle(*title);
    }
    const QString face = FontFace();
    if (rule->Font && !face.isEmpty()) {
        QFont font = widget->font();
        font.setFamily(face);
        widget->setFont(font);
    }
}

bool ApplyLanguage(const TLanguageFiles& files, const QString& name, QObject* window)
{
    const auto language = TLanguage::Load(files.PathOf(name));
    if (!language)
        return false;
    language->Apply(window);
    return true;
}

} // namespace tessarine
