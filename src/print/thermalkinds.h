#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tessarine {

enum class TThermalFamily : uint8_t
{
    Zebra,
    Argox,
    Datamax,
};

// A thermal printer kind that the program drives in its own command language. Name is the
// printer list's entry and what the settings store as P_Current_Name (UTF-8).
struct TThermalKind
{
    std::string_view Name;
    TThermalFamily Family;
    int32_t Id;  // P_Current_ID
    int32_t Dpi; // P_DPI
};

// In the order the printer list shows them, after the system's printers.
inline constexpr std::array<TThermalKind, 10> kThermalKinds{{
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
}};

// The kind whose entry is exactly name (UTF-8), if any.
constexpr std::optional<TThermalKind> FindThermalKind(std::string_view name)
{
    for (const TThermalKind& kind : kThermalKinds) {
        if (kind.Name == name)
            return kind;
    }
    return std::nullopt;
}

} // namespace tessarine
