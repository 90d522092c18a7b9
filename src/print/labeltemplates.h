#pragma once

#include "platform/tcolor.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace tessarine {

// One named label-stock template. Lengths are millimetres.
struct TModule
{
    QString Name;
    double PageWidth = 0;
    double PageHeight = 0;
    double MarginLeft = 0;
    double MarginTop = 0;
    double LabelMarginLeft = 0;
    double LabelMarginTop = 0;
    double LabelWidth = 0;
    double LabelHeight = 0;
    int16_t Row = 0;
    int16_t Column = 0;
    int16_t LabelEllipse = 0;
    TColor BackGroundColor = 0;
    TColor LabelColor = 0;
    // The two bytes after the last LabelEllipse copy: zero for templates made here, whatever a
    // file held otherwise, so a file read and written again keeps its bytes.
    int16_t Trailer = 0;

    bool operator==(const TModule& o) const;
};

// The built-in template, list entry 0.
TModule DefaultModule();

// The contents of the template file: the templates and the selected list entry (0 = default,
// k = Modules[k - 1]).
struct TModuleFile
{
    std::vector<TModule> Modules;
    int32_t SelectedIndex = 0;
};

// The file's bytes, little-endian: the last template's index, each template (name, 84 bytes of
// values), the selected entry.
QByteArray EncodeModules(const TModuleFile& file);
// nullopt for bytes that are cut short or whose count is impossible. A selected entry outside
// the list reads as 0, so a damaged index never reaches past the templates.
std::optional<TModuleFile> DecodeModules(const QByteArray& bytes);

// Where the templates are kept: Modules.dat beside the settings file in the user's config folder,
// which the user can write; read falls back to a Modules.dat shipped beside the program.
class TModuleStore
{
public:
    TModuleStore(); // DefaultPath(), falling back to the program's folder
    explicit TModuleStore(QString path, QString fallbackPath = {});

    static QString DefaultPath();
    static QString ProgramPath();
    const QString& Path() const { return path_; }

    // nullopt when neither file exists or can be decoded.
    std::optional<TModuleFile> Load() const;
    // The whole file, replaced atomically; false when it cannot be written.
    bool Save(const TModuleFile& file) const;

private:
    QString path_;
    QString fallbackPath_;
};

} // namespace tessarine
