#include "fontsubstitution.h"

#include <QFont>
#include <QString>
#include <QStringList>

namespace tessarine {

namespace {

struct TFaceSubstitution
{
    const char* WindowsFace; // UTF-8
    const char* StandIns;    // comma-separated, best first
    TFaceMetrics Metrics;    // in ems; zero where unknown
};

// The Chinese system faces have a cell exactly one em high.
constexpr TFaceMetrics kChineseCell = {0.859375, 0.140625};
constexpr TFaceMetrics kYaHei = {2167 / 2048.0, 536 / 2048.0};
constexpr TFaceMetrics kArial = {1854 / 2048.0, 434 / 2048.0};
constexpr TFaceMetrics kTimes = {1825 / 2048.0, 443 / 2048.0};
constexpr TFaceMetrics kCourier = {1705 / 2048.0, 615 / 2048.0};
constexpr TFaceMetrics kUnknown = {0, 0};

// Song (Ming) faces stand for 宋体, sans CJK faces for 黑体 and 雅黑, the Kai face when present
// for 楷体; Latin faces get the metric-compatible Liberation faces, then DejaVu.
constexpr TFaceSubstitution kSubstitutions[] = {
    {"宋体", "AR PL UMing CN,Noto Serif CJK SC", kChineseCell},
    {"新宋体", "AR PL UMing CN,Noto Serif CJK SC", kChineseCell},
    {"SimSun", "AR PL UMing CN,Noto Serif CJK SC", kChineseCell},
    {"NSimSun", "AR PL UMing CN,Noto Serif CJK SC", kChineseCell},
    {"细明体", "AR PL UMing TW,Noto Serif CJK TC", kChineseCell},
    {"新细明体", "AR PL UMing TW,Noto Serif CJK TC", kChineseCell},
    {"MingLiU", "AR PL UMing TW,Noto Serif CJK TC", kChineseCell},
    {"PMingLiU", "AR PL UMing TW,Noto Serif CJK TC", kChineseCell},
    {"黑体", "Noto Sans CJK SC,WenQuanYi Zen Hei", kChineseCell},
    {"SimHei", "Noto Sans CJK SC,WenQuanYi Zen Hei", kChineseCell},
    {"微软雅黑", "Noto Sans CJK SC,WenQuanYi Micro Hei", kYaHei},
    {"Microsoft YaHei", "Noto Sans CJK SC,WenQuanYi Micro Hei", kYaHei},
    {"幼圆", "Noto Sans CJK SC", kUnknown},
    {"楷体", "AR PL UKai CN,AR PL UMing CN,Noto Serif CJK SC", kChineseCell},
    {"楷体_GB2312", "AR PL UKai CN,AR PL UMing CN,Noto Serif CJK SC", kChineseCell},
    {"KaiTi", "AR PL UKai CN,AR PL UMing CN,Noto Serif CJK SC", kChineseCell},
    {"KaiTi_GB2312", "AR PL UKai CN,AR PL UMing CN,Noto Serif CJK SC", kChineseCell},
    {"仿宋", "Noto Serif CJK SC,AR PL UMing CN", kChineseCell},
    {"仿宋_GB2312", "Noto Serif CJK SC,AR PL UMing CN", kChineseCell},
    {"FangSong", "Noto Serif CJK SC,AR PL UMing CN", kChineseCell},
    {"FangSong_GB2312", "Noto Serif CJK SC,AR PL UMing CN", kChineseCell},
    {"隶书", "Noto Serif CJK SC,AR PL UMing CN", kUnknown},
    {"Arial", "Liberation Sans,Arimo,DejaVu Sans", kArial},
    {"Arial Narrow", "Liberation Sans Narrow,DejaVu Sans Condensed,DejaVu Sans", kUnknown},
    {"Arial Black", "DejaVu Sans", kUnknown},
    {"Tahoma", "DejaVu Sans", kUnknown},
    {"Verdana", "DejaVu Sans", kUnknown},
    {"MS Sans Serif", "Liberation Sans,DejaVu Sans", kUnknown},
    {"Microsoft Sans Serif", "Liberation Sans,DejaVu Sans", kUnknown},
    {"MS Shell Dlg", "Liberation Sans,DejaVu Sans", kUnknown},
    {"MS Shell Dlg 2", "Liberation Sans,DejaVu Sans", kUnknown},
    {"Times New Roman", "Liberation Serif,Tinos,DejaVu Serif", kTimes},
    {"Georgia", "Gelasio,DejaVu Serif", kUnknown},
    {"MS Serif", "Liberation Serif,DejaVu Serif", kUnknown},
    {"Courier New", "Liberation Mono,Cousine,DejaVu Sans Mono", kCourier},
    {"Courier", "Liberation Mono,Cousine,DejaVu Sans Mono", kUnknown},
    {"Lucida Console", "DejaVu Sans Mono", kUnknown},
    {"Consolas", "DejaVu Sans Mono", kUnknown},
    {"Fixedsys", "DejaVu Sans Mono", kUnknown},
    {"Terminal", "DejaVu Sans Mono", kUnknown},
    {"System", "DejaVu Sans", kUnknown},
};

} // namespace

void RegisterFontSubstitutions()
{
    for (const TFaceSubstitution& entry : kSubstitutions) {
        QFont::insertSubstitutions(QString::fromUtf8(entry.WindowsFace),
                                   QString::fromLatin1(entry.StandIns).split(QLatin1Char(',')));
    }
}

std::optional<TFaceMetrics> WindowsFaceMetrics(const QString& face)
{
    for (const TFaceSubstitution& entry : kSubstitutions) {
        if (entry.Metrics.Ascent > 0 &&
            face.compare(QString::fromUtf8(entry.WindowsFace), Qt::CaseInsensitive) == 0)
            return entry.Metrics;
    }
    return std::nullopt;
}

} // namespace tessarine
