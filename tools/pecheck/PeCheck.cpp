// Prints a PE image's machine, subsystem, DLL characteristics, imports and resources, one fact a line, for
// scripts/check-imports.sh; `--dump TYPE NAME` writes one resource's bytes to stdout instead.
#include "pecheck/PeFile.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string_view>

namespace {

std::string MachineName(uint16_t machine)
{
    switch (machine) {
    case pecheck::kMachineI386: return "i386";
    case pecheck::kMachineAmd64: return "amd64";
    default: return "0x" + std::to_string(machine);
    }
}

std::string SubsystemName(uint16_t subsystem)
{
    switch (subsystem) {
    case pecheck::kSubsystemGui: return "gui";
    case pecheck::kSubsystemConsole: return "console";
    default: return std::to_string(subsystem);
    }
}

void PrintCharacteristics(uint16_t flags)
{
    std::cout << "dll-characteristics";
    const std::pair<uint16_t, const char*> names[] = {
        {pecheck::kDllDynamicBase, "dynamic-base"},
        {pecheck::kDllNxCompat, "nx-compat"},
        {pecheck::kDllHighEntropyVa, "high-entropy-va"},
        {pecheck::kDllTerminalServerAware, "terminal-server-aware"},
    };
    for (const auto& [flag, name] : names)
        if (flags & flag)
            std::cout << ' ' << name;
    std::cout << '\n';
}

void PrintIconGroup(const pecheck::ResourceEntry& group)
{
    auto entries = pecheck::ReadIconGroup(group.data);
    if (!entries) {
        std::cout << "icon-group-error " << group.name << ' ' << entries.ErrorMessage() << '\n';
        return;
    }
    for (const auto& e : entries.Value())
        std::cout << "icon " << group.name << ' ' << e.width << 'x' << e.height << " colors=" << e.colorCount
                  << " bits=" << e.bitCount << '\n';
}

void PrintReport(const pecheck::PeInfo& info)
{
    std::cout << "machine " << MachineName(info.machine) << '\n';
    std::cout << "subsystem " << SubsystemName(info.subsystem) << '\n';
    PrintCharacteristics(info.dllCharacteristics);
    for (const auto& name : info.imports)
        std::cout << "import " << name << '\n';
    for (const auto& name : info.delayImports)
        std::cout << "delay-import " << name << '\n';
    for (const auto& r : info.resources)
        std::cout << "resource " << r.type << ' ' << r.name << ' ' << r.language << ' ' << r.data.size() << '\n';
    for (const auto& r : info.resources)
        if (r.type == "GROUP_ICON")
            PrintIconGroup(r);
}

int Dump(const pecheck::PeInfo& info, std::string_view type, std::string_view name)
{
    for (const auto& r : info.resources) {
        if (r.type == type && r.name == name) {
            std::cout.write(reinterpret_cast<const char*>(r.data.data()), std::streamsize(r.data.size()));
            return 0;
        }
    }
    std::cerr << "no resource " << type << ' ' << name << '\n';
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    const bool dump = argc == 5 && std::string_view(argv[1]) == "--dump";
    if (argc != 2 && !dump) {
        std::cerr << "usage: pecheck <file.exe>\n       pecheck --dump <TYPE> <NAME> <file.exe>\n";
        return 2;
    }
    const char* path = argv[argc - 1];
    std::ifstream file(path, std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    if (!file.good() && !file.eof()) {
        std::cerr << path << ": cannot read\n";
        return 1;
    }
    auto info = pecheck::ReadPe(bytes);
    if (!info) {
        std::cerr << path << ": " << info.ErrorMessage() << '\n';
        return 1;
    }
    if (dump)
        return Dump(info.Value(), argv[2], argv[3]);
    PrintReport(info.Value());
    return 0;
}
