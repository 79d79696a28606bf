#include "commands/VirtualKeys.h"

#include <gtest/gtest.h>
#include <Qt>

using namespace sorvat;

TEST(VirtualKeys, LettersDigitsAndFunctionKeys) {
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_A), 0x41);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_C), 0x43);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Z), 0x5A);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_0), 0x30);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_9), 0x39);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_F1), 0x70);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_F6), 0x75);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_F24), 0x87);
}

TEST(VirtualKeys, ModifiersAndEditingKeys) {
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Control), 0x11);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Shift), 0x10);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Alt), 0x12);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Backspace), 0x08);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Insert), 0x2D);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Delete), 0x2E);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Enter), VirtualKeyFromQtKey(Qt::Key_Return));
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Agrave), 0);  // no virtual key
}
