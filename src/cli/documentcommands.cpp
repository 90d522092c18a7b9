// The document verbs: info, resave, sample and render.
#include "clicommon.h"
#include "documentjson.h"
#include "samplelabel.h"

#include "document/labelfile.h"
#include "document/surfacepainter.h"

#include <QJsonDocument>

#include <cstdio>

namespace tessarine::cli {
namespace {

int Info(const QStringList& args)
{
    if (args.size() != 1)
        return Usage();
    LoadedLabel label;
    if (const QString error = Load(args[0], label); !error.isEmpty())
        return Fail(error);
    const QJsonObject json = DocumentToJson(label.document, label.layout, label.source);
    std::fputs(QJsonDocument(json).toJson(QJsonDocument::Indented).constData(), stdout);
    return 0;
}

int Resave(const QStringList& args)
{
    if (args.size() != 2)
        return Usage();
    LoadedLabel label;
    if (const QString error = Load(args[0], label); !error.isEmpty())
        return Fail(error);
    if (!SaveLabelFile(label.document, args[1], label.layout, label.source))
        return Fail(QStringLiteral("保存失败!"));
    return 0;
}

int Render(QStringList args)
{
    const QString out = TakeOption(args, QStringLiteral("-o"));
    const QString zoomText = TakeOption(args, QStringLiteral("--zoom"));
    if (args.size() != 1 || out.isEmpty())
        return Usage();
    bool zoomOk = true;
    const double zoom = zoomText.isEmpty() ? 1.0 : zoomText.toDouble(&zoomOk);
    if (!zoomOk || !(zoom >= 0.2 && zoom <= 10))
        return Fail(QStringLiteral("--zoom takes a number from 0.2 to 10"));
    LoadedLabel label;
    if (const QString error = Load(args[0], label); !error.isEmpty())
        return Fail(error);
    TDesignDocument& document = label.document;
    if (zoom != 1.0) {
        // As the designer does after a zoom: the control takes the page's size again.
        document.SetZoom(zoom);
        document.SetPageStyle(document.PageStyle());
    }
    if (!RenderSurface(document).save(out, "PNG"))
        return Fail(QStringLiteral("cannot write %1").arg(out));
    return 0;
}

int Sample(const QStringList& args)
{
    if (args.size() != 1)
        return Usage();
    LoadedLabel label;
    BuildSampleLabel(label.document, label.layout, label.source);
    if (!SaveLabelFile(label.document, args[0], label.layout, label.source))
        return Fail(QStringLiteral("保存失败!"));
    return 0;
}

const bool registered = RegisterCommand({QStringLiteral("info"), QStringLiteral("info FILE.KWZ"), Info}) &&
                        RegisterCommand({QStringLiteral("resave"), QStringLiteral("resave IN.KWZ OUT.KWZ"), Resave}) &&
                        RegisterCommand({QStringLiteral("sample"), QStringLiteral("sample OUT.KWZ"), Sample}) &&
                        RegisterCommand({QStringLiteral("render"), QStringLiteral("render FILE.KWZ -o OUT.png [--zoom Z]"),
                                         Render});

} // namespace
} // namespace tessarine::cli
