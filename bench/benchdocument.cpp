#include "benchdocument.h"

#include "document/boxshapes.h"

namespace tessarine::bench {

void FillMixedDocument(TDesignDocument& doc, int objects, int pictures)
{
    const int pictureEvery = pictures > 0 ? objects / pictures : objects + 1;
    for (int i = 0; i < objects; ++i) {
        const QPoint at(i % 700, (i / 700) * 40 % 1000);
        TDrawTool tool = SpRectangle;
        if (i % pictureEvery == pictureEvery - 1)
            tool = SpImage;
        else if (i % 3 == 0)
            tool = SpText;
        else if (i % 3 == 1)
            tool = SpRuleLine;
        TShapePtr shape = doc.CreateShapeForTool(tool);
        shape->AddPoint(at);
        shape->AddPoint(at + QPoint(80, 20));
        TObjectInfo info;
        shape->GetInfo(info);
        if (tool == SpText) {
            info.WordInfo.Text = (i % 2) ? QStringLiteral("产品编号 %1").arg(i) : QStringLiteral("Item %1").arg(i);
            info.WordInfo.FontName = QStringLiteral("宋体");
            info.WordInfo.Height = 16;
            info.WordInfo.Width = 8;
        }
        shape->Info = info;
        if (tool == SpImage) {
            QImage picture(200, 150, QImage::Format_RGB888);
            picture.fill(QColor(i % 256, 80, 160));
            static_cast<TKWZImage&>(*shape).Picture.SetImage(picture);
        }
        doc.AddNewShape(shape);
    }
}

} // namespace tessarine::bench
