#include "profile.h"

#include "platform/gbk.h"

#include <QFile>

namespace tessarine {

namespace {

QString Fold(const QString& name)
{
    return name.toCaseFolded();
}

bool IsBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString TrimBlanks(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text.at(begin)))
        ++begin;
    while (end > begin && IsBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

QString Unquote(const QString& value)
{
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

// Lines end in CR LF, LF or CR. Neither byte can be the second byte of a GBK character, so
// splitting the bytes before decoding never cuts a character, and a damaged character cannot
// swallow a line end.
std::vector<QByteArray> SplitLines(const QByteArray& bytes)
{
    std::vector<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c != '\n' && c != '\r')
            continue;
        lines.push_back(bytes.mid(start, i - start));
        if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.push_back(bytes.mid(start));
    return lines;
}

} // namespace

TProfile TProfile::Parse(const QByteArray& bytes)
{
    // Editors like to put a UTF-8 byte order mark in front; such a file is read as UTF-8.
    static const QByteArray kUtf8Bom("\xEF\xBB\xBF");
    const bool utf8 = bytes.startsWith(kUtf8Bom);
    const QByteArray body = utf8 ? bytes.mid(kUtf8Bom.size()) : bytes;

    TProfile profile;
    int current = -1; // index, since adding sections moves them
    for (const QByteArray& raw : SplitLines(body)) {
        const QString line = TrimBlanks(utf8 ? QString::fromUtf8(raw) : gbk::Decode(raw));
        if (line.isEmpty() || line.front() == QLatin1Char(';'))
            continue;
        if (line.front() == QLatin1Char('[')) {
            const qsizetype close = line.indexOf(QLatin1Char(']'));
            const QString name = TrimBlanks(close < 0 ? line.mid(1) : line.mid(1, close - 1));
            const QString folded = Fold(name);
            auto found = profile.Index_.constFind(folded);
            if (found == profile.Index_.constEnd()) {
                found = profile.Index_.insert(folded, int(profile.Sections_.size()));
                profile.Sections_.push_back(TSection{name, {}, {}});
            }
            current = *found;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (current < 0 || equals <= 0)
            continue;
        const QString key = TrimBlanks(line.left(equals));
        if (key.isEmpty())
            continue;
        TSection& section = profile.Sections_[size_t(current)];
        const QString folded = Fold(key);
        if (section.Values.contains(folded))
            continue;
        section.Keys.append(key);
        section.Values.insert(folded, Unquote(TrimBlanks(line.mid(equals + 1))));
    }
    return profile;
}

std::optional<TProfile> TProfile::Load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Size is checked on what is read, not on what the file claims (a device can claim nothing).
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (bytes.size() > kMaxFileSize)
        return std::nullopt;
    return Parse(bytes);
}

const TProfile::TSection* TProfile::Find(const QString& section) const
{
    const auto found = Index_.constFind(Fold(section));
    return found == Index_.constEnd() ? nullptr : &Sections_[size_t(*found)];
}

bool TProfile::HasSection(const QString& section) const
{
    return Find(section) != nullptr;
}

std::optional<QString> TProfile::Value(const QString& section, const QString& key) const
{
    const TSection* found = Find(section);
    if (!found)
        return std::nullopt;
    const auto value = found->Values.constFind(Fold(key));
    if (value == found->Values.constEnd())
        return std::nullopt;
    return *value;
}

QString TProfile::ReadString(const QString& section, const QString& key, const QString& fallback) const
{
    return Value(section, key).value_or(fallback);
}

QStringList TProfile::Sections() const
{
    QStringList names;
    for (const TSection& section : Sections_)
        names.append(section.Name);
    return names;
}

QStringList TProfile::Keys(const QString& section) const
{
    const TSection* found = Find(section);
    return found ? found->Keys : QStringList();
}

} // namespace tessarine
