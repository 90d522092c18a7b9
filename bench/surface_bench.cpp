// A full repaint of the design surface with 500 mixed objects, at zoom 1 and 2.
#include "document/boxshapes.h"
#include "document/designdocument.h"
#include "document/surfacepainter.h"


#include <benchmark/benchmark.h>

using namespace tessarine;

namespace {

void FillSurface(TDesignDocument& doc, int objects)
{
    doc.SetArrowCount(1);
    QImage picture(120, 90, QImage::Format_RGB888);
    picture.fill(QColor(40, 120, 200));
    for (int i = 0; i < objects; ++i) {
        const QPoint at((i * 37) % 700, (i * 53) % 1050);
        const TDrawTool tools[] = {SpText, SpText, SpRectangle, SpLine, SpLinesText, SpImage};
        const TDrawTool tool = tools[i % 6];
        TShapePtr shape = doc.CreateShapeForTool(tool);
        shape->AddPoint(at);
        shape->AddPoint(at + QPoint(90, tool == SpLine ? 40 : 30));
        TObjectInfo info;
        shape->GetInfo(info);
        shape->Info = info;
        shape->Info.PenWidth = 1;
        TLogText& w = shape->Info.WordInfo;
        w.Text = i % 2 ? QStringLiteral("产品 %1 号").arg(i) : QStringLiteral("Item %1").arg(i);
        w.FontName = QStringLiteral("宋体");
        w.Height = 16;
        w.Width = 8;
        w.Weight = 400;
        if (tool == SpImage)
            static_cast<TKWZImage&>(*shape).Picture.SetImage(picture);
        doc.AddNewShape(shape);
    }
}

void BM_SurfaceRepaint(benchmark::State& state)
{
    TDesignDocument doc;
    FillSurface(doc, 500);
    doc.SetZoom(double(state.range(0)));
    doc.SetPageStyle(doc.PageStyle());
    QImage image(doc.ControlSize(), QImage::Format_RGB32);
    for (auto _ : state)
        PaintSurface(doc, image);
    state.SetLabel(QStringLiteral("zoom %1, %2 x %3").arg(state.range(0)).arg(image.width()).arg(image.height()).toStdString());
}

BENCHMARK(BM_SurfaceRepaint)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
