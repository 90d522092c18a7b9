#include "labeltemplates.h"

#include "platform/binarystream.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstring>

namespace tessarine {

namespace {

// Bytes of one template besides its name: the name's length field and 84 bytes of values.
constexpr qsizetype kTemplateFixedBytes = 4 + 84;

void WriteModule(TLittleEndianWriter& out, const TModule& m)
{
    out.Str(m.Name);
    out.F64(m.PageWidth);
    out.F64(m.PageHeight);
    out.F64(m.MarginLeft);
    out.F64(m.MarginTop);
    out.I16(m.Row);
    out.I16(m.Column);
    out.I16(m.Column);
    out.I16(m.LabelEllipse);
    out.F64(m.LabelMarginLeft);
    out.F64(m.LabelMarginTop);
    out.F64(m.LabelWidth);
    out.F64(m.LabelHeight);
    out.I16(m.LabelEllipse);
    out.I16(m.Trailer);
    out.I32(m.BackGroundColor);
    out.I32(m.LabelColor);
}

TModule ReadModule(TLittleEndianReader& in)
{
    TModule m;
    m.Name = in.Str();
    m.PageWidth = in.F64();
    m.PageHeight = in.F64();
    m.MarginLeft = in.F64();
    m.MarginTop = in.F64();
    m.Row = in.I16();
    m.Column = in.I16();
    // The values are stored more than once; the later copy wins.
    m.Column = in.I16();
    m.LabelEllipse = in.I16();
    m.LabelMarginLeft = in.F64();
    m.LabelMarginTop = in.F64();
    m.LabelWidth = in.F64();
    m.LabelHeight = in.F64();
    m.LabelEllipse = in.I16();
    m.Trailer = in.I16();
    m.BackGroundColor = in.I32();
    m.LabelColor = in.I32();
    return m;
}

bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

bool TModule::operator==(const TModule& o) const
{
    return Name == o.Name && SameBits(PageWidth, o.PageWidth) && SameBits(PageHeight, o.PageHeight) &&
           SameBits(MarginLeft, o.MarginLeft) && SameBits(MarginTop, o.MarginTop) &&
           SameBits(LabelMarginLeft, o.LabelMarginLeft) && SameBits(LabelMarginTop, o.LabelMarginTop) &&
           SameBits(LabelWidth, o.LabelWidth) && SameBits(LabelHeight, o.LabelHeight) && Row == o.Row &&
           Column == o.Column && LabelEllipse == o.LabelEllipse && BackGroundColor == o.BackGroundColor &&
           LabelColor == o.LabelColor && Trailer == o.Trailer;
}

TModule DefaultModule()
{
    TModule m;
    m.PageWidth = 210;
    m.PageHeight = 297;
    m.MarginLeft = 2;
    m.MarginTop = 12;
    m.Row = 3;
    m.Column = 3;
    m.LabelMarginLeft = 1;
    m.LabelMarginTop = 1;
    m.LabelWidth = 65;
    m.LabelHeight = 90;
    m.BackGroundColor = 0x00F0FBFF;
    m.LabelColor = 0x00FFFFFF;
    m.LabelEllipse = 8;
    return m;
}

QByteArray EncodeModules(const TModuleFile& file)
{
    QByteArray bytes;
    TLittleEndianWriter out(bytes);
    out.I32(int32_t(file.Modules.size()) - 1);
    for (const TModule& m : file.Modules)
        WriteModule(out, m);
    out.I32(file.SelectedIndex);
    return bytes;
}

std::optional<TModuleFile> DecodeModules(const QByteArray& bytes)
{
    try {
        TLittleEndianReader in(bytes);
        const int64_t count = int64_t(in.I32()) + 1;
        if (count < 0)
            throw TReadError("negative template count");
        in.RequireItems(count, kTemplateFixedBytes);
        TModuleFile file;
        file.Modules.reserve(size_t(count));
        for (int64_t i = 0; i < count; ++i)
            file.Modules.push_back(ReadModule(in));
        file.SelectedIndex = in.I32();
        if (file.SelectedIndex < 0 || file.SelectedIndex > int64_t(file.Modules.size()))
            file.SelectedIndex = 0;
        return file;
    } catch (const TReadError&) {
        return std::nullopt;
    }
}

TModuleStore::TModuleStore() : TModuleStore(DefaultPath(), ProgramPath()) {}

TModuleStore::TModuleStore(QString path, QString fallbackPath)
    : path_(std::move(path)), fallbackPath_(std::move(fallbackPath))
{}

QString TModuleStore::DefaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Tessarine/Modules.dat");
}

QString TModuleStore::ProgramPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Modules.dat");
}

std::optional<TModuleFile> TModuleStore::Load() const
{
    const QString source = QFileInfo::exists(path_) || fallbackPath_.isEmpty() ? path_ : fallbackPath_;
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return DecodeModules(file.readAll());
}

bool TModuleStore::Save(const TModuleFile& modules) const
{
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = EncodeModules(modules);
    if (file.write(bytes) != bytes.size())
        return false;
    return file.commit();
}

} // namespace tessarine
