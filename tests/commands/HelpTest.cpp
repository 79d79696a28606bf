#include "guisupport/ScriptedKeysAndShell.h"
#include "guisupport/WindowFixture.h"

#include "platform/ProgramPath.h"

using namespace sorvat;
using namespace sorvat::test;

using Help = CommandFixture;

TEST_F(Help, OpensTheHelpFileElseItsPagesElseSaysWhatToInstall) {
    const std::filesystem::path pages = ProgramDirectoryPath() / "SorvatHelp", help = pages.string() + ".chm";
    if (std::filesystem::exists(help) || std::filesystem::exists(pages)) GTEST_SKIP() << "help beside the test program";
    const QString chm = QString::fromStdString(help.string()), index = chm.chopped(4) + "/index.html";
    RecordedShellOpen shell;

    Command(ID_HELP_USAGE);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].title, QString::fromUtf8("警告"));
    EXPECT_EQ(Boxes()[0].icon, MessageIcon::Warning);
    EXPECT_EQ(Boxes()[0].text, QString::fromUtf8("下記ヘルプファイルが見当たりません。\r\n  %1\r\n処理を中止します。").arg(chm));

    WriteBytes(help, "help");
    std::filesystem::create_directory(pages);
    WriteBytes(pages / "index.html", "<html>");
    // The file opens; refused, the pages open; both refused, the box (nothing opened while it was missing).
    for (const QStringList& refused : {QStringList{}, QStringList{chm}, QStringList{chm, index}}) {
        shell.refused = refused;
        Command(ID_HELP_USAGE);
    }
    std::filesystem::remove(help);
    std::filesystem::remove_all(pages);
    EXPECT_EQ(shell.opened, (QStringList{chm, chm, index, chm, index}));
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[1].text, QString::fromUtf8("下記ヘルプファイルを開けるプログラムが見つかりません。\r\n  %1\r\n  %2\r\n"
                                                 "CHMビューア（xchm など）かWebブラウザをインストールしてください。")
                                   .arg(chm, index));
}
