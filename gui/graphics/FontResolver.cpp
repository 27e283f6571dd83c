#include "gui/graphics/FontResolver.h"

#include <fontconfig/fontconfig.h>

#include <string>
#include <utility>

namespace {

const std::pair<const char*, const char*> kAliases[] = {
    {"MS Sans Serif", "Liberation Sans"},
    {"MS Shell Dlg", "Liberation Sans"},
    {"MS Shell Dlg 2", "Liberation Sans"},
    {"Arial", "Liberation Sans"},
    {"Helvetica", "Liberation Sans"},
    {"MS Serif", "Liberation Serif"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
    {"Sylfaen", "PT Serif"},
    {"Palatino Linotype", "P052"},
    {"Book Antiqua", "P052"},
    {"Tahoma", "DejaVu Sans"},
    {"Verdana", "DejaVu Sans"},
    {"Segoe UI", "DejaVu Sans"},
};

std::string AliasTable() {
    std::string xml = "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n"
                      "<fontconfig>\n";
    for (const auto& [name, family] : kAliases) {
        xml += "<match target=\"pattern\"><test name=\"family\" qual=\"any\"><string>";
        xml += name;
        xml += "</string></test><edit name=\"family\" mode=\"assign\" binding=\"strong\"><string>";
        xml += family;
        xml += "</string></edit></match>\n";
    }
    return xml + "</fontconfig>\n";
}

} // namespace

void FontResolver::InstallAliases() {
    static const bool installed = [] {
        FcInit();
        const std::string xml = AliasTable();
        return FcConfigParseAndLoadFromMemory(FcConfigGetCurrent(),
                                              reinterpret_cast<const FcChar8*>(xml.c_str()),
                                              FcTrue) == FcTrue;
    }();
    (void)installed;
}
