// Reads what the release checks need from a Windows PE image: machine, subsystem, DLL characteristics,
// imported DLLs and the resource directory. Portable and bounds-checked: any file may be handed to it.
#pragma once

#include "core/Result.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pecheck {

struct ResourceEntry {
    std::string type; // "MANIFEST", "GROUP_ICON", ... for standard ids, "#<id>" or the name otherwise
    std::string name; // "#<id>" or the name
    uint16_t language = 0;
    std::vector<uint8_t> data;
};

struct PeInfo {
    uint16_t machine = 0;
    bool pe32Plus = false;
    uint16_t subsystem = 0;
    uint16_t dllCharacteristics = 0;
    std::vector<std::string> imports;
    std::vector<std::string> delayImports;
    std::vector<ResourceEntry> resources; // one per type, name and language
};

// Standard values the checks compare against.
constexpr uint16_t kMachineI386 = 0x14C;
constexpr uint16_t kMachineAmd64 = 0x8664;
constexpr uint16_t kSubsystemGui = 2;
constexpr uint16_t kSubsystemConsole = 3;
constexpr uint16_t kDllHighEntropyVa = 0x20;
constexpr uint16_t kDllDynamicBase = 0x40;
constexpr uint16_t kDllNxCompat = 0x100;
constexpr uint16_t kDllTerminalServerAware = 0x8000;

core::Result<PeInfo> ReadPe(std::span<const uint8_t> file);

// One icon image as listed by an icon group (GRPICONDIR entry).
struct IconGroupEntry {
    int width = 0;
    int height = 0;
    int colorCount = 0;
    int bitCount = 0;
    uint16_t iconId = 0;
};

core::Result<std::vector<IconGroupEntry>> ReadIconGroup(std::span<const uint8_t> data);

std::string ResourceTypeName(uint32_t id);

} // namespace pecheck
