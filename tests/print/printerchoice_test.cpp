#include "print/printerchoice.h"

#include <gtest/gtest.h>

namespace tessarine {
namespace {

TEST(ThermalKinds, EachEntryGivesItsIdAndResolution)
{
    struct Case
    {
        const char* entry;
        TThermalFamily family;
        int id, dpi;
    };
    const Case cases[] = {
        {"Zebra 153DPI 内置", TThermalFamily::Zebra, 1, 153},
        {"Zebra 203DPI 内置", TThermalFamily::Zebra, 2, 203},
        {"Zebra 300DPI 内置", TThermalFamily::Zebra, 3, 300},
        {"Zebra 600DPI 内置", TThermalFamily::Zebra, 3, 600},
        {"Argox 203dpi 内置", TThermalFamily::Argox, 4, 203},
        {"Argox 300dpi 内置", TThermalFamily::Argox, 4, 300},
        {"DataMax 153DPI 内置", TThermalFamily::Datamax, 5, 153},
        {"DataMax 203DPI 内置", TThermalFamily::Datamax, 6, 203},
        {"DataMax 289DPI 内置", TThermalFamily::Datamax, 7, 289},
        {"DataMax 300DPI 内置", TThermalFamily::Datamax, 8, 300},
    };
    for (const Case& c : cases) {
        const std::optional<TThermalKind> kind = ThermalKindOf(QString::fromUtf8(c.entry));
        ASSERT_TRUE(kind) << c.entry;
        EXPECT_EQ(kind->Family, c.family) << c.entry;
        EXPECT_EQ(kind->Id, c.id) << c.entry;
        EXPECT_EQ(kind->Dpi, c.dpi) << c.entry;
    }
}

TEST(ThermalKinds, OtherNamesAreSystemPrinters)
{
    for (const char* name :
         {"", "Zebra", "zebra 203DPI 内置", "Argox 203DPI 内置", "Zebra 203DPI 内置 ", "PDF"})
        EXPECT_FALSE(ThermalKindOf(QString::fromUtf8(name))) << name;
}

TEST(PrinterEntries, SystemPrintersComeFirstInTheirOrder)
{
    const QStringList entries = PrinterEntries({"Office", "Archive"});
    ASSERT_EQ(entries.size(), 12);
    EXPECT_EQ(entries[0], "Office");
    EXPECT_EQ(entries[1], "Archive");
    EXPECT_EQ(entries[2], QString::fromUtf8("Zebra 153DPI 内置"));
    EXPECT_EQ(entries[11], QString::fromUtf8("DataMax 300DPI 内置"));
    EXPECT_EQ(PrinterEntries({}).size(), 10);
}

TEST(PrinterPorts, ParallelPortsHaveNoSettings)
{
    const char* ports[] = {"LPT1", "LPT2", "LPT3", "COM1", "COM2", "COM3", "COM4"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(PrinterPortIndex(QString::fromLatin1(ports[i])), i);
        EXPECT_EQ(IsSerialPortIndex(i), i >= 3) << ports[i];
    }
    EXPECT_EQ(PrinterPortIndex(""), -1);
    EXPECT_EQ(PrinterPortIndex("lpt1"), -1);
    EXPECT_EQ(PrinterPortIndex("COM5"), -1);
    EXPECT_FALSE(IsSerialPortIndex(-1));
    EXPECT_FALSE(IsSerialPortIndex(7));
}

} // namespace
} // namespace tessarine
