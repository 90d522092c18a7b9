// Saving and loading a document of 10,000 mixed objects.
#include "benchdocument.h"

#include "document/labelfile.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tessarine;

namespace {

constexpr int kObjects = 10000;
constexpr int kPictures = 10;

void BM_SaveLabelFile(benchmark::State& state)
{
    TDesignDocument doc;
    bench::FillMixedDocument(doc, kObjects, kPictures);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.KWZ"));
    for (auto _ : state) {
        if (!SaveLabelFile(doc, path, {}, {}))
            state.SkipWithError("save failed");
    }
    state.counters["objects"] = kObjects;
}

void BM_LoadLabelFile(benchmark::State& state)
{
    TDesignDocument doc;
    bench::FillMixedDocument(doc, kObjects, kPictures);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.KWZ"));
    SaveLabelFile(doc, path, {}, {});
    for (auto _ : state) {
        TDesignDocument loaded;
        TLabelLayout layout;
        TSourceDataBase source;
        if (!LoadLabelFile(loaded, path, layout, source) || loaded.ShapeCount() != kObjects)
            state.SkipWithError("load failed");
    }
    state.counters["bytes"] = double(QFileInfo(path).size());
}

BENCHMARK(BM_SaveLabelFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadLabelFile)->Unit(benchmark::kMillisecond);

} // namespace
