#include "platform/VirtualKeys.h"

#include <gtest/gtest.h>
#include <Qt>

using namespace sorvat;

TEST(VirtualKeys, LettersDigitsFunctionModifierAndEditingKeys) {
    const std::pair<Qt::Key, int> keys[] = {
        {Qt::Key_A, 0x41},       {Qt::Key_C, 0x43},      {Qt::Key_Z, 0x5A},      {Qt::Key_0, 0x30},
        {Qt::Key_9, 0x39},       {Qt::Key_F1, 0x70},     {Qt::Key_F6, 0x75},     {Qt::Key_F24, 0x87},
        {Qt::Key_Control, 0x11}, {Qt::Key_Shift, 0x10},  {Qt::Key_Alt, 0x12},    {Qt::Key_Backspace, 0x08},
        {Qt::Key_Insert, 0x2D},  {Qt::Key_Delete, 0x2E}, {Qt::Key_Enter, 0x0D},  {Qt::Key_Return, 0x0D},
        {Qt::Key_Agrave, 0},  // no virtual key
    };
    for (const auto& [key, virtualKey] : keys) EXPECT_EQ(VirtualKeyFromQtKey(key), virtualKey) << std::hex << key;
}
