#include "export/ColorPalette.h"

#include <gtest/gtest.h>
#include <cstdio>
#include <memory>
#include <vector>

using sorvat::PaletteColor;

TEST(ColorPalette, IndexesOutsideOneTo56HaveNoColour) {
    for (int index : {0, -1, -3, 57, 100}) EXPECT_FALSE(PaletteColor(index).has_value()) << index;
}

TEST(ColorPalette, MatchesTheDefaultPaletteXlrdKnows) {
    // xlrd carries the BIFF8 default palette as a list of (r, g, b).
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(
        ::popen("/usr/bin/python3 -c 'import xlrd.formatting as f\n"
                "for r, g, b in f.excel_default_palette_b8: print(r * 65536 + g * 256 + b)' 2>/dev/null",
                "r"),
        &::pclose);
    std::vector<std::uint32_t> colours;
    unsigned long value = 0;
    while (pipe && std::fscanf(pipe.get(), "%lu", &value) == 1) colours.push_back(static_cast<std::uint32_t>(value));
    ASSERT_EQ(colours.size(), static_cast<std::size_t>(sorvat::PaletteSize)) << "python3-xlrd is not installed";
    for (int index = 1; index <= sorvat::PaletteSize; ++index)
        EXPECT_EQ(PaletteColor(index), colours[static_cast<std::size_t>(index - 1)]) << index;
}
