// The frame time of dragging one object over a surface of 500 objects: one mouse move and the
// repaint it causes.
#include "document/design.h"


#include <benchmark/benchmark.h>

using namespace tessarine;

namespace {

// A surface that paints as it does while the program is the active one.
class TActiveDesign : public TDesign
{
protected:
    bool IsApplicationActive() const override { return true; }
};

void BM_DragFrame(benchmark::State& state)
{
    TActiveDesign surface;
    TDesignDocument& doc = surface.Document();
    doc.Snap = false;
    for (int i = 0; i < 500; ++i) {
        const TDrawTool tool = i % 3 == 0 ? SpText : (i % 3 == 1 ? SpRectangle : SpRuleLine);
        TShapePtr shape = doc.CreateShapeForTool(tool);
        const QPoint at((i * 37) % 700, (i * 53) % 1050);
        shape->AddPoint(at);
        shape->AddPoint(at + QPoint(80, 24));
        TObjectInfo info;
        shape->GetInfo(info);
        shape->Info = info;
        shape->Info.WordInfo.Text = QStringLiteral("标签 %1").arg(i);
        shape->Info.WordInfo.FontName = QStringLiteral("宋体");
        shape->Info.WordInfo.Height = 16;
        shape->Info.WordInfo.Width = 8;
        doc.AddNewShape(shape);
    }
    TShapePtr dragged = doc.CreateShapeForTool(SpRectangle);
    dragged->AddPoint({300, 300});
    dragged->AddPoint({400, 380});
    doc.AddNewShape(dragged);
    doc.AddToSelection(dragged);
    surface.RepaintNow();
    surface.MousePress({350, 340}, Qt::LeftButton, Qt::NoModifier);
    int step = 0;
    for (auto _ : state) {
        const int dx = (step++ % 40) < 20 ? 1 : -1;
        surface.MouseMove(surface.CurrentPoint + QPoint(dx, 1 - 2 * (step % 2)), Qt::NoModifier);
        surface.RepaintNow();
    }
    surface.MouseRelease(surface.CurrentPoint, Qt::LeftButton, Qt::NoModifier);
}

BENCHMARK(BM_DragFrame)->Unit(benchmark::kMillisecond);

} // namespace
