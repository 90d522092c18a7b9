// Writes seed documents for the label file fuzzer into the folder given.
#include "cli/samplelabel.h"

#include "document/designdocument.h"
#include "document/labelfile.h"

#include <QDir>
#include <QGuiApplication>

using namespace tessarine;

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());

    TDesignDocument empty;
    SaveLabelFile(empty, out.filePath(QStringLiteral("empty.KWZ")), {}, {});

    TDesignDocument sample;
    TLabelLayout layout;
    TSourceDataBase source;
    BuildSampleLabel(sample, layout, source);
    SaveLabelFile(sample, out.filePath(QStringLiteral("sample.KWZ")), layout, source);

    TDesignDocument shapes;
    for (TDrawTool tool : {SpRectangle, SpEllipse, SpLine, SpRuleLine, SpPolygon, SpSector, SpText, SpLinesText,
                           SpImage, SpBarCode, SpBarCodePDF417}) {
        TShapePtr shape = shapes.CreateShapeForTool(tool);
        shape->AddPoint({1, 2});
        shape->AddPoint({30, 40});
        shape->Info.WordInfo.Text = QStringLiteral("文字");
        shapes.AddNewShape(shape);
    }
    shapes.Shapes[0]->GroupNext = 1;
    shapes.Shapes[1]->GroupPrev = 0;
    SaveLabelFile(shapes, out.filePath(QStringLiteral("every-class.KWZ")), {}, {QStringLiteral("DSN=x"), QStringLiteral("q")});
    return 0;
}
