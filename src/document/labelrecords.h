#pragma once

#include "platform/tcolor.h"

#include <QString>

#include <cstdint>

namespace tessarine {

// The label-stock layout: sheet, margins, grid of labels, colours and print range.
// Lengths are millimetres.
struct TLabelLayout
{
    double Zoom = 1.0;
    TColor BackGroundColor = 0;
    TColor LabelColor = 0;
    TColor PrintLabelColor = 0;
    int16_t LabelEllipse = 0;
    double PageWidth = 0;
    double PageHeight = 0;
    double MarginLeft = 0;
    double MarginTop = 0;
    int16_t Row = 0;
    int16_t Column = 0;
    double LabelWidth = 0;
    double LabelHeight = 0;
    double LabelMarginLeft = 0;
    double LabelMarginTop = 0;
    int16_t LabelStart = 0;
    int16_t LabelTotal = 0;
    uint8_t ShowStartEnd = 0;

    bool operator==(const TLabelLayout&) const;
};

// The document's data source: a connection string and a query.
struct TSourceDataBase
{
    QString ODBC;
    QString Sql;

    bool operator==(const TSourceDataBase& o) const { return ODBC == o.ODBC && Sql == o.Sql; }
};

// Who made the document; the maker string identifies label files.
struct TProductInfo
{
    QString Maker = QStringLiteral("Zantu Studio");
    QString Product = QStringLiteral("Quirnavex");
    QString Version = QStringLiteral("2.1");
    QString Build = QStringLiteral("Build 3001");
    QString BuildDate = QStringLiteral("20021112");
};

// Document information.
struct TFileInformat
{
    QString Title;
    QString Author;
    double Date = 0.0;
    QString Spare;
    QString Information;
};

} // namespace tessarine
