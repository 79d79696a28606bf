#include "CommandFixture.h"

#include "platform/ProgramPath.h"
#include "platform/ShellOpen.h"

using namespace sorvat;
using namespace sorvat::testing;

namespace {

class RecordedShellOpen final : public ShellOpenService {
public:
    RecordedShellOpen() : previous(SetShellOpenService(this)) {}
    ~RecordedShellOpen() override { SetShellOpenService(previous); }
    bool Open(const QString& path) override {
        opened.append(path);
        return true;
    }
    QStringList opened;

private:
    ShellOpenService* previous;
};

using Help = CommandFixture;

} // namespace

TEST_F(Help, OpensTheHelpFileBesideTheProgramOrWarns) {
    const std::filesystem::path help = ProgramDirectoryPath() / "SorvatHelp.chm";
    if (std::filesystem::exists(help)) GTEST_SKIP() << "a help file lies beside the test program";
    RecordedShellOpen shell;

    view->OnHelp();
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].title, QString::fromUtf8("警告"));
    EXPECT_EQ(Boxes()[0].icon, MessageIcon::Warning);
    EXPECT_EQ(Boxes()[0].text, QString::fromUtf8("下記ヘルプファイルが見当たりません。\r\n  %1\r\n処理を中止します。")
                                   .arg(QString::fromStdString(help.string())));
    EXPECT_TRUE(shell.opened.isEmpty());

    std::ofstream(help) << "help";
    view->OnHelp();
    std::filesystem::remove(help);
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(shell.opened, QStringList{QString::fromStdString(help.string())});
}
