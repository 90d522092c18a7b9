// Selection, groups, deleting, stacking order, alignment and the internal clipboard.
#include "designdocument.h"

#include "shapefactory.h"

#include <QHash>

#include <algorithm>

namespace tessarine {

TShapePtr TDesignDocument::SingleSelected() const
{
    return Selection.size() == 1 ? Selection.first() : nullptr;
}

int TDesignDocument::IndexInSelection(const TMyShape* shape) const
{
    for (int i = int(Selection.size()) - 1; i >= 0; --i)
        if (Selection[i].get() == shape)
            return i;
    return -1;
}

void TDesignDocument::AddToSelection(const TShapePtr& shape)
{
    if (!shape)
        return;
    const TShapePtr head = GroupHead(shape);
    if (IndexInSelection(head.get()) < 0)
        Selection.append(head);
}

void TDesignDocument::RemoveFromSelection(const TShapePtr& shape)
{
    const int index = IndexInSelection(shape.get());
    if (index >= 0)
        Selection.removeAt(index);
    if (NewShape == shape)
        NewShape.reset();
}

void TDesignDocument::ClearSelection()
{
    Selection.clear();
}

bool TDesignDocument::InRubberBand(QPoint a, QPoint b, const TMyShape& shape) const
{
    const QPoint lo = m_context.ToScreen(shape.MinCorner());
    const QPoint hi = m_context.ToScreen(shape.MaxCorner());
    const int left = std::min(a.x(), b.x());
    const int right = std::max(a.x(), b.x());
    const int top = std::min(a.y(), b.y());
    const int bottom = std::max(a.y(), b.y());
    auto inside = [&](QPoint p) { return p.x() > left && p.x() < right && p.y() > top && p.y() < bottom; };
    return inside(lo) && inside(hi);
}

TShapePtr TDesignDocument::GroupHead(const TShapePtr& shape) const
{
    if (!shape || !shape->IsGrouped())
        return shape;
    // A damaged chain could loop; never walk further than the document is long.
    TShapePtr current = shape;
    for (int steps = 0; steps <= Shapes.size() && current->GroupPrev >= 0; ++steps) {
        const TShapePtr previous = FindShape(current->GroupPrev);
        if (!previous)
            break;
        current = previous;
    }
    return current;
}

QVector<TShapePtr> TDesignDocument::GroupMembers(const TShapePtr& shape) const
{
    if (!shape || !shape->IsGrouped())
        return {shape};
    QVector<TShapePtr> members;
    for (TShapePtr member = GroupHead(shape); member && members.size() <= Shapes.size();
         member = FindShape(member->GroupNext)) {
        if (members.contains(member))
            break;
        members.append(member);
    }
    return members;
}

void TDesignDocument::Ungroup(const TShapePtr& shape)
{
    if (shape && shape->IsGrouped()) {
        for (const TShapePtr& member : GroupMembers(shape)) {
            member->GroupPrev = -1;
            member->GroupNext = -1;
        }
    }
    ClearSelection();
    Repaint();
}

namespace {

template <class Apply>
void ApplyToHeadIfPresent(const TDesignDocument& document, const TShapePtr& shape, Apply apply)
{
    if (!shape || document.IndexOfShape(shape.get()) < 0)
        return;
    apply(*document.GroupHead(shape));
}

} // namespace

void TDesignDocument::LockShape(const TShapePtr& shape)
{
    ApplyToHeadIfPresent(*this, shape, [](TMyShape& s) { s.Info.Locked = true; });
}

void TDesignDocument::UnlockShape(const TShapePtr& shape)
{
    ApplyToHeadIfPresent(*this, shape, [](TMyShape& s) { s.Info.Locked = false; });
}

void TDesignDocument::ExcludeFromPrint(const TShapePtr& shape)
{
    ApplyToHeadIfPresent(*this, shape, [](TMyShape& s) { s.Info.NoPrint = true; });
}

void TDesignDocument::IncludeInPrint(const TShapePtr& shape)
{
    ApplyToHeadIfPresent(*this, shape, [](TMyShape& s) { s.Info.NoPrint = false; });
}

bool TDesignDocument::DeleteShape(int32_t shapeId)
{
    const TShapePtr shape = FindShape(shapeId);
    if (!shape)
        return false;
    for (const TShapePtr& member : GroupMembers(shape)) {
        const int index = IndexOfShape(member.get());
        if (index >= 0)
            Shapes.removeAt(index);
    }
    Repaint();
    return true;
}

bool TDesignDocument::DeleteSelected()
{
    bool result = false;
    bool allSucceeded = true;
    const QVector<TShapePtr> selected = Selection;
    for (const TShapePtr& shape : selected) {
        result = DeleteShape(shape->ShapeID);
        allSucceeded = allSucceeded && result;
    }
    ClearSelection();
    NewShape.reset();
    Repaint();
    return result && allSucceeded;
}

void TDesignDocument::BringToFront()
{
    for (const TShapePtr& selected : QVector<TShapePtr>(Selection)) {
        for (const TShapePtr& member : GroupMembers(selected)) {
            const int index = IndexOfShape(member.get());
            if (index < 0)
                continue;
            Shapes.removeAt(index);
            Shapes.append(member);
        }
    }
    Repaint();
}

void TDesignDocument::SendToBack()
{
    for (const TShapePtr& selected : QVector<TShapePtr>(Selection)) {
        for (const TShapePtr& member : GroupMembers(selected)) {
            const int index = IndexOfShape(member.get());
            if (index <= 0)
                continue;
            Shapes.removeAt(index);
            Shapes.prepend(member);
        }
    }
    Repaint();
}

void TDesignDocument::Align(bool horizontal, bool towardMaximum)
{
    if (Selection.size() < 2) {
        Repaint();
        return;
    }
    auto coordinate = [horizontal](QPoint p) { return horizontal ? p.x() : p.y(); };
    auto better = [towardMaximum](int a, int b) { return towardMaximum ? std::max(a, b) : std::min(a, b); };
    auto extremeOf = [&](const QVector<TShapePtr>& members, int start) {
        int e = start;
        for (const TShapePtr& member : members)
            for (const QPoint& p : member->Points)
                e = better(e, coordinate(p));
        return e;
    };

    const TShapePtr& first = Selection.first();
    int target = first->Points.isEmpty() ? 0 : coordinate(first->Points.first());
    for (const TShapePtr& selected : Selection)
        target = extremeOf(GroupMembers(selected), target);

    for (const TShapePtr& selected : QVector<TShapePtr>(Selection)) {
        const QVector<TShapePtr> members = GroupMembers(selected);
        if (members.isEmpty() || members.first()->Points.isEmpty())
            continue;
        const int own = extremeOf(members, coordinate(members.first()->Points.first()));
        const int delta = Round(Zoom() * (target - own));
        for (const TShapePtr& member : members)
            member->MoveBy(horizontal ? delta : 0, horizontal ? 0 : delta);
    }
    Repaint();
}

void TDesignDocument::AlignLeft() { Align(true, false); }
void TDesignDocument::AlignRight() { Align(true, true); }
void TDesignDocument::AlignTop() { Align(false, false); }
void TDesignDocument::AlignBottom() { Align(false, true); }

void TDesignDocument::CopySelection()
{
    if (Selection.isEmpty())
        return;
    ClipList.clear();
    for (const TShapePtr& selected : Selection)
        ClipList += GroupMembers(selected);
}

void TDesignDocument::CutSelection()
{
    CopySelection();
    DeleteSelected();
}

void TDesignDocument::Paste()
{
    QHash<int32_t, int32_t> newIdOf;
    QVector<int32_t> newIds;
    for (const TShapePtr& entry : ClipList) {
        newIds.append(NextShapeID);
        newIdOf.insert(entry->ShapeID, NextShapeID);
        ++NextShapeID;
    }
    auto remap = [&newIdOf](int32_t link) { return newIdOf.value(link, link); };
    for (int i = 0; i < ClipList.size(); ++i) {
        const TShapePtr& entry = ClipList[i];
        const TShapePtr copy = CreateShapeOfClass(entry->ClassName(), &m_context);
        if (!copy)
            continue;
        copy->Assign(*entry);
        copy->ShapeID = newIds[i];
        copy->GroupPrev = remap(entry->GroupPrev);
        copy->GroupNext = remap(entry->GroupNext);
        AddShape(copy);
        --NextShapeID; // the id was reserved above
    }
    ClearSelection();
    Repaint();
}

} // namespace tessarine
