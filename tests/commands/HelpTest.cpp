#include "guisupport/ScriptedKeysAndShell.h"
#include "guisupport/WindowFixture.h"

#include "platform/ProgramPath.h"

using namespace sorvat;
using namespace sorvat::test;

using Help = CommandFixture;

TEST_F(Help, OpensTheHelpFileBesideTheProgramOrWarns) {
    const std::filesystem::path help = ProgramDirectoryPath() / "SorvatHelp.chm";
    if (std::filesystem::exists(help)) GTEST_SKIP() << "a help file lies beside the test program";
    RecordedShellOpen shell;

    Command(ID_HELP_USAGE);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].title, QString::fromUtf8("警告"));
    EXPECT_EQ(Boxes()[0].icon, MessageIcon::Warning);
    EXPECT_EQ(Boxes()[0].text, QString::fromUtf8("下記ヘルプファイルが見当たりません。\r\n  %1\r\n処理を中止します。")
                                   .arg(QString::fromStdString(help.string())));
    EXPECT_TRUE(shell.opened.isEmpty());

    WriteBytes(help, "help");
    Command(ID_HELP_USAGE);
    std::filesystem::remove(help);
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(shell.opened, QStringList{QString::fromStdString(help.string())});
}
