#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace tessarine {

// A read-only profile file in the Windows INI dialect, as language files are written: GBK text,
// "[Section]" lines, "key=value" lines, ';' comment lines. Section and key names compare without
// regard to case; blanks around names and values are dropped, and one pair of matching quotes
// around a value is removed. Where a section or key appears twice the first one counts (a later
// duplicate section only adds keys the first one lacks). Lines outside a section and lines
// without '=' are ignored; no input makes parsing fail.
class TProfile
{
public:
    // Language files are a few kilobytes; anything beyond this is not one.
    static constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

    TProfile() = default;

    static TProfile Parse(const QByteArray& bytes);
    // nullopt when the file is missing, unreadable or larger than kMaxFileSize.
    static std::optional<TProfile> Load(const QString& path);

    bool HasSection(const QString& section) const;
    std::optional<QString> Value(const QString& section, const QString& key) const;
    QString ReadString(const QString& section, const QString& key, const QString& fallback = {}) const;

    QStringList Sections() const;                   // in file order, first spelling
    QStringList Keys(const QString& section) const; // in file order, first spelling

private:
    struct TSection
    {
        QString Name;
        QStringList Keys;
        QHash<QString, QString> Values; // folded key -> value
    };

    const TSection* Find(const QString& section) const;

    std::vector<TSection> Sections_;
    QHash<QString, int> Index_; // folded section name -> position in Sections_
};

} // namespace tessarine
