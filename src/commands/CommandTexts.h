#pragma once
#include "platform/MessageBox.h"

#include <QCoreApplication>
#include <QString>

#include <string_view>

// The program's own message texts and titles of the command handlers, the
// answer check, the next-problem flow, the help command and the spreadsheet
// export (UTF-8). The Japanese texts are the sources of the translations;
// show them through UiText.
namespace sorvat::texts {

// A text of this file in the interface language; `count` replaces "%n".
inline QString UiText(const char* text, int count = -1) {
    return QCoreApplication::translate("Messages", text, nullptr, count);
}

// A text of this file in the interface language with `detail` in place of
// its "%s".
inline QString UiText(const char* text, const QString& detail) {
    return UiText(text).replace(QStringLiteral("%s"), detail);
}

// Answer check verdicts.
inline constexpr const char* CorrectText = QT_TRANSLATE_NOOP("Messages",
    "おめでとうございます。正解です。\r\n\r\n現在の問題を'x.*'にリネームし、次の問題をロードしますか？");
inline constexpr const char* CorrectTitle = QT_TRANSLATE_NOOP("Messages", "正解です");
inline constexpr const char* CorrectMadeText = QT_TRANSLATE_NOOP("Messages",
    "おめでとうございます。正解です。\r\n\r\n同じレベルの新しい問題を作りますか？");
inline constexpr const char* WrongText = QT_TRANSLATE_NOOP("Messages",
    "残念。間違い個所が存在します。\r\n下記で間違い個所を消します。\r\n    編集 --> 間違いCellを消す。");
inline constexpr const char* WrongTitle = QT_TRANSLATE_NOOP("Messages", "残念。間違いです。");
inline constexpr const char* UnsolvedConsistentText = QT_TRANSLATE_NOOP("Messages",
    "Sorvatはこの問題を解けませんでした。\r\n"
    "もし、問題部分を'Lock'指定していなければそれが原因です。\r\n"
    "次回より問題部分は'Lock'指定して下さい。\r\n"
    "問題に'間違い、重解'が無ければSorvatの力不足です。すいません。\r\n"
    "ですが・・・\r\n"
    "今回出来上がった回答に矛盾が無いことが確認されました。\r\n"
    "おめでとうございます。\r\n\r\n"
    "現在の問題を'x.*'にリネームし、次の問題をロードしますか？");
inline constexpr const char* UnsolvedConsistentTitle = QT_TRANSLATE_NOOP("Messages", "Sorvatはこの問題を解けませんでしたが矛盾ありません。");
inline constexpr const char* UnsolvedContradictionText = QT_TRANSLATE_NOOP("Messages",
    "Sorvatはこの問題を解けませんでした。\r\n"
    "もし、問題部分を'Lock'指定していなければそれが原因です。\r\n"
    "次回より問題部分は'Lock'指定して下さい。\r\n"
    "問題に'間違い、重解'が無ければSorvatの力不足です。すいません。\r\n"
    "加えて・・・・\r\n"
    "今回出来上がった回答に矛盾個所が確認されました。\r\n"
    "どこかが間違っています。\r\n"
    "尚、残念ながらQK38の'間違いCellを消す'機能は使用できません。\r\n"
    "（問題部分が分からないため、間違い部分を確定できない。）");
inline constexpr const char* UnsolvedContradictionTitle = QT_TRANSLATE_NOOP("Messages", "残念。矛盾があります。");
// The verdicts as a screen reader says them: without quotes, "x.*", "-->"
// and the English words a Japanese voice spells.
inline constexpr const char* CorrectSpoken = QT_TRANSLATE_NOOP("Messages",
    "おめでとうございます。正解です。現在の問題の名前の前に x. を付けて、次の問題をロードしますか？");
inline constexpr const char* WrongSpoken = QT_TRANSLATE_NOOP("Messages",
    "残念。間違い個所が存在します。編集メニューの 間違ったマスを消す で間違い個所を消します。");
inline constexpr const char* UnsolvedConsistentSpoken = QT_TRANSLATE_NOOP("Messages",
    "Sorvatはこの問題を解けませんでした。問題部分を固定していなければそれが原因です。"
    "次回より問題部分は固定して下さい。問題に間違いや重解が無ければSorvatの力不足です。すいません。"
    "ですが、今回出来上がった回答に矛盾が無いことが確認されました。おめでとうございます。"
    "現在の問題の名前の前に x. を付けて、次の問題をロードしますか？");
inline constexpr const char* UnsolvedContradictionSpoken = QT_TRANSLATE_NOOP("Messages",
    "Sorvatはこの問題を解けませんでした。問題部分を固定していなければそれが原因です。"
    "次回より問題部分は固定して下さい。問題に間違いや重解が無ければSorvatの力不足です。すいません。"
    "加えて、今回出来上がった回答に矛盾個所が確認されました。どこかが間違っています。"
    "問題部分が分からないため、間違ったマスを消す機能は使用できません。");

// Next problem.
inline constexpr const char* NoCurrentPathText = QT_TRANSLATE_NOOP("Messages",
    "現在の問題が、どのファイルであるか特定できません。\r\n"
    "　ファイルを読み込んでいない、'Sorvat.ini'ファイルが削除された。\r\n"
    "等の原因が考えられます。\r\n"
    "処理を中止します。");
inline constexpr const char* FileMissingText = QT_TRANSLATE_NOOP("Messages",
    "%s\r\n↑上記ファイルが存在しません。\r\n"
    "読み込み後にファイルが移動、名前変更等されたものと思われます。\r\n"
    "名前変更を中止し以後の処理を続けます。");
inline constexpr const char* NoSlashText = QT_TRANSLATE_NOOP("Messages", "なぜかパスが特定できません。\r\n処理を中止します。");
inline constexpr const char* EmptyPartText = QT_TRANSLATE_NOOP("Messages", "なぜかパス・ファイル名が特定できません。\r\n処理を中止します。");
inline constexpr const char* SearchFailedText = QT_TRANSLATE_NOOP("Messages",
    "%s\r\n↑上記検索式に該当するファイルが存在しません。\r\n"
    "読み込み後にディレクトリが移動されたものと思われます。\r\n"
    "以後の処理を停止します。");
inline constexpr const char* AllFinishedText = QT_TRANSLATE_NOOP("Messages",
    "%s\r\n↑先頭'x.'以外で上記検索式に該当するファイルが存在しません。\r\n"
    "当ディレクトリの問題はすべて終了したものと思われます。\r\n"
    "以後の処理を停止します。");
inline constexpr const char* AllFinishedTitle = QT_TRANSLATE_NOOP("Messages", "全問終了");
// A finished file that could not be renamed (the marked name is taken, or
// renaming is not allowed): it is passed over instead of being loaded again.
inline constexpr const char* RenameRefusedText = QT_TRANSLATE_NOOP("Messages",
    "%s\r\n↑上記ファイルの名前を'x.'付きに変更できませんでした（同名の'x.'付きファイルが既に在る、書き込みが許されない等）。\r\n"
    "このファイルを飛ばして以後の処理を続けます。");

// Board commands.
inline constexpr const char* TooFewLocksText = QT_TRANSLATE_NOOP("Messages",
    "Lock数が14未満です。\r\n"
    "問題部分はLock指定で無いとこの機能は使えません。\n\r"
    "(どの数字が問題なのか分からないと、どれが間違いなのか判定不能の為。)\n\r"
    "問題部分は L*** の形で入力ください。（もしくはmd2形式）");
inline constexpr const char* UndeterminedText = QT_TRANSLATE_NOOP("Messages",
    "当問題には確定しないセルがあります。下記のいずれかのケースです。\r\n"
    "　・問題が重解です。\n\r"
    "　・問題にL（Lock）指定でないところがあります。\n\r"
    "　・当アプリケーションでは解けない問題でした。");
inline constexpr const char* InconsistentText = QT_TRANSLATE_NOOP("Messages",
    "当問題には不整合があります。下記のいずれかのケースです。\r\n"
    "　・問題が間違っています。\n\r"
    "　・問題ではないところにL（Lock）指定がある。\n\r"
    "　・当アプリケーションでは解けない問題でした。");
inline constexpr const char* ErasedText = QT_TRANSLATE_N_NOOP("Messages", "%n個の間違いを消去しました。");
inline constexpr const char* NoWrongCellsText = QT_TRANSLATE_NOOP("Messages", "間違いは見当たりません。");

// Help.
inline constexpr const char* HelpMissingText = QT_TRANSLATE_NOOP("Messages", "下記ヘルプファイルが見当たりません。\r\n  %s\r\n処理を中止します。");
// "%s": the help files tried, one a line.
inline constexpr const char* HelpNoViewerText = QT_TRANSLATE_NOOP("Messages",
    "下記ヘルプファイルを開けるプログラムが見つかりません。\r\n  %s\r\n"
    "CHMビューア（xchm など）かWebブラウザをインストールしてください。");

// Spreadsheet export ("%s": the workbook's path or the application's error).
inline constexpr const char* ExportSavedText = QT_TRANSLATE_NOOP("Messages", "下記ファイル名で保存しました。\r\n  %s\r\n");
inline constexpr const char* ExportNoOfficeText = QT_TRANSLATE_NOOP("Messages",
    "表計算アプリケーション (LibreOffice Calc) を起動できません。\r\n保存しませんでした。\r\n");
inline constexpr const char* ExportFailedText = QT_TRANSLATE_NOOP("Messages", "Excel形式で保存できませんでした。\r\n  %s\r\n");
inline constexpr const char* ExportNotSavedText = QT_TRANSLATE_NOOP("Messages", "下記ファイル名で保存できませんでした。\r\n  %s\r\n");

inline constexpr const char* HelpFileName = "SorvatHelp.chm";
// The help's HTML pages, for a desktop without a CHM viewer.
inline constexpr const char* HelpIndexPage = "SorvatHelp/index.html";

// Titles. Info, Warning and Error are shown in English in both interfaces.
inline constexpr const char* InfoTitle = "Info";
inline constexpr const char* WarningTitle = "Warning";
inline constexpr const char* ErrorTitle = "Error";
inline constexpr const char* CautionTitle = QT_TRANSLATE_NOOP("Messages", "警告");
// Info and Error as a screen reader says them (Warning as CautionTitle).
inline constexpr const char* InfoTitleSpoken = QT_TRANSLATE_NOOP("Messages", "情報");
inline constexpr const char* ErrorTitleSpoken = QT_TRANSLATE_NOOP("Messages", "エラー");

// A box with one of the English titles above: shown as it is, and spoken in
// the interface language (a Japanese voice spells an English word letter by
// letter); `spokenText`, when given, is what a screen reader says for the text.
inline MessageResult ShowEnglishTitledBox(QWidget* owner, const QString& text, const char* title,
                                          MessageButtons buttons = MessageButtons::Ok,
                                          MessageIcon icon = MessageIcon::None, const QString& spokenText = {}) {
    const std::string_view shown(title);
    MessageBoxRequest box;
    box.owner = owner;
    box.text = text;
    box.title = QString::fromUtf8(title);
    box.buttons = buttons;
    box.icon = icon;
    box.spokenTitle = UiText(shown == InfoTitle    ? InfoTitleSpoken
                             : shown == ErrorTitle ? ErrorTitleSpoken
                                                   : CautionTitle);
    box.spokenText = spokenText;
    return ShowMessageBox(box);
}
inline constexpr const char* AppTitle = "Sorvat";
inline constexpr const char* MemoTitle = QT_TRANSLATE_NOOP("Messages", "Sorvat_QMessage");

} // namespace sorvat::texts
