// Peak memory of loading a large document, compared with its file size and its pictures.
// usage: labelfile_memory [OBJECTS]   (writes the document to a temporary file, then loads it
// in a child process so the peak belongs to the load alone)
#include "benchdocument.h"

#include "document/boxshapes.h"
#include "document/labelfile.h"
#include "platform/gbk.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>

using namespace tessarine;

namespace {

// Resident memory now, KiB.
long CurrentKiB()
{
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

long PeakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

int LoadAndReport(const QString& path)
{
    // The first picture decoded maps Qt's image reader libraries and the first Chinese text
    // maps the code page tables (a few MiB, once per process); that is start-up, not the load,
    // so it happens before the baseline.
    TBitmap warmUp;
    warmUp.LoadBmp(TBitmap(QImage(1, 1, QImage::Format_RGB888)).ToBmp());
    gbk::Decode(gbk::Encode(QStringLiteral("产品编号")));
    const long before = CurrentKiB();
    const size_t heapBefore = mallinfo2().uordblks + mallinfo2().hblkhd;
    TDesignDocument doc;
    TLabelLayout layout;
    TSourceDataBase source;
    if (!LoadLabelFile(doc, path, layout, source))
        return 1;
    const long after = PeakKiB();
    const size_t heapAfter = mallinfo2().uordblks + mallinfo2().hblkhd;
    qint64 pictureBytes = 0;
    for (const TShapePtr& shape : doc.Shapes)
        if (auto* image = dynamic_cast<TKWZImage*>(shape.get()))
            pictureBytes += image->Picture.Image().sizeInBytes();
    const qint64 fileBytes = QFileInfo(path).size();
    std::printf("objects %d, file %.1f KiB, decoded pictures %.1f KiB, heap held by the document %.1f KiB,"
                " peak growth of the load %ld KiB (%.2f x file size + pictures)\n",
                doc.ShapeCount(), fileBytes / 1024.0, pictureBytes / 1024.0, (heapAfter - heapBefore) / 1024.0,
                after - before,
                (after - before) * 1024.0 / double(fileBytes + pictureBytes));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // The loading child runs without an application object, so the peak it reports is the
    // load's own and not the start-up of the GUI libraries.
    if (argc == 3 && QByteArray(argv[1]) == "--load")
        return LoadAndReport(QString::fromLocal8Bit(argv[2]));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();

    const int objects = args.size() > 1 ? args[1].toInt() : 10000;
    TDesignDocument doc;
    bench::FillMixedDocument(doc, objects, 10);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.KWZ"));
    if (!SaveLabelFile(doc, path, {}, {}))
        return 1;
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--load"), path});
    child.waitForFinished(-1);
    return child.exitCode();
}
