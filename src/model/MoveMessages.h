#pragma once

// Texts of the next-move explanations as code page 932 bytes (the
// explanation buffer holds code page 932). The UTF-8 form is in the comment.

namespace sorvat::messages {

// Level%d までの解析で (X%d,Y%d) = %d に確定します。
inline constexpr char MoveText[] = "Level%d \202\334\202\305\202\314\211\360\220\315\202\305 (X%d,Y%d) = %d \202\311\212m\222\350\202\265\202\334\202\267\201B";
// Level%d までの解析で (X%d,Y%d) = %d に確定します。\r\n%s
inline constexpr char MoveWithReasonText[] = "Level%d \202\334\202\305\202\314\211\360\220\315\202\305 (X%d,Y%d) = %d \202\311\212m\222\350\202\265\202\334\202\267\201B\r\n%s";
// 解析の過程で%dはX%dY%dSCellの単独候補となりました。
inline constexpr char NakedSingleReason[] = "\211\360\220\315\202\314\211\337\222\366\202\305%d\202\315X%dY%dSCell\202\314\222P\223\306\214\363\225\342\202\306\202\310\202\350\202\334\202\265\202\275\201B";
// %sMCell内に数字%dが入る可能性のあるSCellはX%dY%dしかありません。
inline constexpr char BoxHiddenSingleReason[] = "%sMCell\223\340\202\311\220\224\216\232%d\202\252\223\374\202\351\211\302\224\\\220\253\202\314\202\240\202\351SCell\202\315X%dY%d\202\265\202\251\202\240\202\350\202\334\202\271\202\361\201B";
// X%d_TCell内に数字%dが入る可能性のあるSCellはX%dY%dしかありません。
inline constexpr char ColumnHiddenSingleReason[] = "X%d_TCell\223\340\202\311\220\224\216\232%d\202\252\223\374\202\351\211\302\224\\\220\253\202\314\202\240\202\351SCell\202\315X%dY%d\202\265\202\251\202\240\202\350\202\334\202\271\202\361\201B";
// Y%d_YCell内に数字%dが入る可能性のあるSCellはX%dY%dしかありません。
inline constexpr char RowHiddenSingleReason[] = "Y%d_YCell\223\340\202\311\220\224\216\232%d\202\252\223\374\202\351\211\302\224\\\220\253\202\314\202\240\202\351SCell\202\315X%dY%d\202\265\202\251\202\240\202\350\202\334\202\271\202\361\201B";
// 次の手が見つかりませんでした。
inline constexpr char NoMoveText[] = "\216\237\202\314\216\350\202\252\214\251\202\302\202\251\202\350\202\334\202\271\202\361\202\305\202\265\202\275\201B";

// Box names by box index.
inline constexpr const char* BoxNames[9] = {
    "\215\266\217\343",  // 左上
    "\222\206\217\343",  // 中上
    "\211E\217\343",  // 右上
    "\215\266\222\206",  // 左中
    "\222\206\222\206",  // 中中
    "\211E\222\206",  // 右中
    "\215\266\211\272",  // 左下
    "\222\206\211\272",  // 中下
    "\211E\211\272",  // 右下
};

} // namespace sorvat::messages
