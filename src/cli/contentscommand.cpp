// The contents verb: what every variable text and barcode holds on each label of a print run.
#include "clicommon.h"

#include "data/module/datamodule.h"
#include "data/recordfilling.h"
#include "data/serialstepping.h"
#include "document/barcodeshapes.h"
#include "document/textshape.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <optional>

namespace tessarine::cli {
namespace {

constexpr int kMaxLabels = 1000000;

// Texts and linear barcodes carry variable contents; the object's class says which it is.
bool IsLinearBarcode(const TMyShape& shape)
{
    return dynamic_cast<const TShowBarCode*>(&shape) && !dynamic_cast<const TShowBarCodePDF417*>(&shape);
}

bool IsText(const TMyShape& shape)
{
    return dynamic_cast<const TKWZText*>(&shape) || dynamic_cast<const TKWZLinesText*>(&shape);
}

bool IsVariable(const TMyShape& shape)
{
    return (shape.Info.SourceKind == skDatabaseField || shape.Info.SourceKind == skSerial) &&
           (IsText(shape) || IsLinearBarcode(shape));
}

QJsonObject LabelContents(int label, int recordNo, const TDesignDocument& document)
{
    QJsonArray shapes;
    for (const TShapePtr& shape : document.Shapes) {
        if (!IsVariable(*shape))
            continue;
        const QString& content = IsText(*shape) ? shape->Info.WordInfo.Text : shape->Info.BarCode.Data;
        shapes.append(QJsonObject{{QStringLiteral("ShapeID"), int(shape->ShapeID)},
                                  {QStringLiteral("Content"), content}});
    }
    return {{QStringLiteral("Label"), label},
            {QStringLiteral("RecordNo"), recordNo},
            {QStringLiteral("Shapes"), shapes}};
}

// Connects and opens the source, then fills the document from its first record, as opening
// the query does in the designer. An empty message on success.
QString OpenSource(const TSourceDataBase& source, TKWZDataModule& data, TDesignDocument& document)
{
    if (!data.Connect(source.ODBC)) {
        if (IsPasswordRefusal(data.ErrorText()))
            return QStringLiteral("数据库需要密码 (PGPASSWORD, ~/.pgpass): %1").arg(data.ErrorText());
        return QStringLiteral("无法连接数据库: %1").arg(data.ErrorText());
    }
    if (source.Sql.trimmed().isEmpty())
        return QStringLiteral("没有查询语句 (--sql)");
    if (!data.Open(source.Sql))
        return QStringLiteral("查询失败: %1").arg(data.ErrorText());
    if (data.RecordNo() > 0)
        FillFromRecord(document, data.CurrentRecord());
    return {};
}

int Contents(QStringList args)
{
    const QString labelsText = TakeOption(args, QStringLiteral("--labels"));
    const QString connection = TakeOption(args, QStringLiteral("--source"));
    const QString sql = TakeOption(args, QStringLiteral("--sql"));
    if (args.size() != 1)
        return Usage();
    bool ok = true;
    const int labels = labelsText.isEmpty() ? 1 : labelsText.toInt(&ok);
    if (!ok || labels < 1 || labels > kMaxLabels)
        return Fail(QStringLiteral("--labels takes a number from 1 to %1").arg(kMaxLabels));

    LoadedLabel label;
    if (const QString error = Load(args[0], label); !error.isEmpty())
        return Fail(error);
    TSourceDataBase source = label.source;
    if (!connection.isEmpty())
        source.ODBC = connection;
    if (!sql.isEmpty())
        source.Sql = sql;

    TDesignDocument& document = label.document;
    std::optional<TKWZDataModule> data;
    if (!source.ODBC.trimmed().isEmpty()) {
        data.emplace();
        if (const QString error = OpenSource(source, *data, document); !error.isEmpty())
            return Fail(error);
    }
    // The print loop's order: output the label, then step the serials and move to the next
    // record. Past the last record the data stays there, so its values repeat.
    for (int n = 1; n <= labels; ++n) {
        const QJsonObject line = LabelContents(n, data ? data->RecordNo() : 0, document);
        std::fputs(QJsonDocument(line).toJson(QJsonDocument::Compact).constData(), stdout);
        std::fputc('\n', stdout);
        if (n == labels)
            break;
        StepSerials(document);
        if (data && data->Next())
            FillFromRecord(document, data->CurrentRecord());
    }
    return std::fflush(stdout) == 0 ? 0 : Fail(QStringLiteral("cannot write the output"));
}

const bool registered = RegisterCommand(
    {QStringLiteral("contents"),
     QStringLiteral("contents FILE.KWZ [--labels N] [--source CONNECTION --sql QUERY]"), Contents});

} // namespace
} // namespace tessarine::cli
