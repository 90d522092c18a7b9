// tessarine-cli: the label document without a window, for scripts and tests.
#include "documentjson.h"
#include "samplelabel.h"

#include "barcode/encoding.h"
#include "barcode/imagebarcode.h"
#include "barcode/rotate.h"
#include "document/designdocument.h"
#include "document/labelfile.h"
#include "document/surfacepainter.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QStringList>
#include <QTextStream>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <functional>
#include <map>

using namespace tessarine;

namespace {

// Qt wants a private runtime folder; scripts and services often run without one.
void UsePrivateRuntimeDir()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QByteArray dir = QDir::tempPath().toLocal8Bit() + "/tessarine-runtime-" + QByteArray::number(getuid());
    if (mkdir(dir.constData(), 0700) == 0 || errno == EEXIST) {
        struct stat info{};
        if (stat(dir.constData(), &info) == 0 && info.st_uid == getuid() && (info.st_mode & 077) == 0)
            qputenv("XDG_RUNTIME_DIR", dir);
    }
}

int Fail(const QString& message)
{
    QTextStream(stderr) << message << Qt::endl;
    return 1;
}

int Usage()
{
    return Fail(QStringLiteral("usage: tessarine-cli info FILE.KWZ\n"
                               "       tessarine-cli resave IN.KWZ OUT.KWZ\n"
                               "       tessarine-cli sample OUT.KWZ\n"
                               "       tessarine-cli render FILE.KWZ -o OUT.png [--zoom Z]\n"
                               "       tessarine-cli barcode --type N --data TEXT [--checksum] [--modul M] [--height H]\n"
                               "                             [--angle A] [--pattern] [-o OUT.png]"));
}

struct LoadedLabel
{
    TDesignDocument document;
    TLabelLayout layout;
    TSourceDataBase source;
};

// Loads path, reporting failures with the designer's own messages; an empty string on success.
QString Load(const QString& path, LoadedLabel& label)
{
    try {
        if (!QFileInfo::exists(path) || !IsLabelFile(path))
            return QFileInfo::exists(path) ? path + QStringLiteral("文件头破坏.") : QStringLiteral("错误!找不到打开文件!");
        if (!LoadLabelFile(label.document, path, label.layout, label.source))
            return QStringLiteral("File Error!");
    } catch (const TFileError&) {
        return QStringLiteral("错误!找不到打开文件!");
    }
    return {};
}

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

// Takes "--name value" out of args; empty when absent.
QString TakeOption(QStringList& args, const QString& name)
{
    const int at = int(args.indexOf(name));
    if (at < 0 || at + 1 >= args.size())
        return {};
    const QString value = args[at + 1];
    args.remove(at, 2);
    return value;
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

bool TakeFlag(QStringList& args, const QString& name)
{
    return args.removeAll(name) > 0;
}

int Barcode(QStringList args)
{
    const bool pattern = TakeFlag(args, QStringLiteral("--pattern"));
    const bool checksum = TakeFlag(args, QStringLiteral("--checksum"));
    const QString out = TakeOption(args, QStringLiteral("-o"));
    const QString type = TakeOption(args, QStringLiteral("--type"));
    const QString data = TakeOption(args, QStringLiteral("--data"));
    const QString modul = TakeOption(args, QStringLiteral("--modul"));
    const QString height = TakeOption(args, QStringLiteral("--height"));
    const QString angle = TakeOption(args, QStringLiteral("--angle"));
    bool ok = true;
    auto number = [&ok](const QString& text, int fallback) {
        if (text.isEmpty())
            return fallback;
        bool good = false;
        const int value = text.toInt(&good);
        ok = ok && good;
        return value;
    };
    const int typ = number(type, -1);
    const int modulValue = number(modul, 1);
    const int heightValue = number(height, 50);
    const int angleValue = number(angle, 0);
    if (!args.isEmpty() || !ok || typ < 0 || typ >= kBarcodeTypeCount || (out.isEmpty() && !pattern))
        return Usage();
    try {
        TImageBarCode renderer;
        renderer.BeginLoading();
        renderer.SetTyp(TBarcodeType(typ));
        renderer.SetChecksum(checksum);
        renderer.SetText(data);
        renderer.SetModul(modulValue);
        renderer.SetBarcodeHeight(heightValue);
        renderer.SetAngle(0);
        renderer.EndLoading();
        if (pattern)
            std::printf("%s\n", EncodeSymbol(TBarcodeType(typ), data, checksum, renderer.CheckSumMethod()).Pattern.c_str());
        if (!out.isEmpty()) {
            const QImage picture = TRotate::Rotate90(angleValue, renderer.Picture().convertToFormat(QImage::Format_RGB888));
            if (!picture.save(out, "PNG"))
                return Fail(QStringLiteral("cannot write %1").arg(out));
        }
    } catch (const EBarcodeError& e) {
        return Fail(e.Message());
    } catch (const EBitmapError& e) {
        return Fail(e.Message());
    }
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

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    UsePrivateRuntimeDir();
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return Usage();
    const QString verb = args.takeFirst();
    const std::map<QString, std::function<int(const QStringList&)>> verbs = {
        {QStringLiteral("info"), Info},
        {QStringLiteral("resave"), Resave},
        {QStringLiteral("sample"), Sample},
        {QStringLiteral("render"), Render},
        {QStringLiteral("barcode"), Barcode},
    };
    const auto it = verbs.find(verb);
    return it == verbs.end() ? Usage() : it->second(args);
}
