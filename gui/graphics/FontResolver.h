#pragma once

// Maps the classic font names that layouts use to installed families that are metric-close and
// have Cyrillic glyphs. The table is handed to fontconfig once, before the first font is made.
class FontResolver {
public:
    static void InstallAliases();
};
