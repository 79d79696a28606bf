#include "guisupport/ScriptedKeysAndShell.h"
#include "game/DirectoryListing.h"
#include "platform/KeyState.h"
#include "platform/MessageBox.h"
#include "platform/ProgramPath.h"
#include "platform/ShellOpen.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace sorvat {
namespace {

TEST(DirectoryListing, DotEntriesFirstThenNamesInByteOrder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"b.md2", "B.md2", "x.a.md2", "-first", "\xE5\x95\x8F.md2", ".hidden"})
        QFile(dir.filePath(QString::fromUtf8(name))).open(QIODevice::WriteOnly);
    QDir(dir.path()).mkdir(QStringLiteral("sub"));

    const auto entries = ListDirectory(QFile::encodeName(dir.path()).toStdString());
    ASSERT_TRUE(entries.has_value());
    std::vector<std::string> names;
    for (const DirectoryEntry& entry : *entries)
        names.push_back(entry.name);
    const std::vector<std::string> expected{".",     "..",    "-first",  ".hidden", "B.md2",
                                            "b.md2", "sub",   "x.a.md2", "\xE5\x95\x8F.md2"};
    EXPECT_EQ(names, expected);
    EXPECT_TRUE((*entries)[6].isDirectory);
    EXPECT_FALSE((*entries)[5].isDirectory);

    EXPECT_FALSE(ListDirectory(QFile::encodeName(dir.filePath(QStringLiteral("gone"))).toStdString()));
}

TEST(ProgramPath, NamesTheRunningProgram) {
    const auto program = ProgramFilePath();
    EXPECT_EQ(QString::fromStdString(program.string()), QCoreApplication::applicationFilePath());
    EXPECT_EQ(ProgramDirectoryPath(), program.parent_path());
}

// Presses a key in the message box once it is shown, and records its text.
class BoxAnswerer {
public:
    explicit BoxAnswerer(Qt::Key key) {
        QTimer::singleShot(0, [this, key] { Answer(key); });
    }
    QString text;
    Qt::TextFormat format = Qt::AutoText;

private:
    void Answer(Qt::Key key) {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            QTimer::singleShot(10, [this, key] { Answer(key); });
            return;
        }
        text = box->text();
        format = box->textFormat();
        QTest::keyClick(box, key);
    }
};

TEST(RealMessageBox, FirstButtonIsTheDefaultEscapeAnswersNoAndTextIsPlain) {
    BoxAnswerer enter(Qt::Key_Return);
    EXPECT_EQ(ShowMessageBox(nullptr, QStringLiteral("<b>a</b>\r\nb"), QStringLiteral("Info"),
                             MessageButtons::YesNo, MessageIcon::Question),
              MessageResult::Yes);
    EXPECT_EQ(enter.text, QStringLiteral("<b>a</b>\nb"));
    EXPECT_EQ(enter.format, Qt::PlainText);

    BoxAnswerer escape(Qt::Key_Escape);
    EXPECT_EQ(ShowMessageBox(nullptr, QStringLiteral("?"), QStringLiteral("t"), MessageButtons::YesNo),
              MessageResult::No);
}

TEST(PlatformServices, InstalledReplacementsAnswerUntilRemoved) {
    {
        test::HeldKeys keys;
        keys.held = {VK_CONTROL_KEY};
        EXPECT_TRUE(IsKeyDown(VK_CONTROL_KEY));
        EXPECT_FALSE(IsKeyDown(VK_SHIFT_KEY));
        test::RecordedShellOpen shell;
        EXPECT_TRUE(ShellOpen(QStringLiteral("/opt/help.html")));
        EXPECT_EQ(shell.opened, QStringList{QStringLiteral("/opt/help.html")});
        {
            test::HeldKeys inner;  // over another replacement, and handing back to it
            EXPECT_FALSE(IsKeyDown(VK_CONTROL_KEY));
        }
        EXPECT_TRUE(IsKeyDown(VK_CONTROL_KEY));
    }
    EXPECT_FALSE(IsKeyDown(0x41));  // the real keyboard: not a modifier, never down
}

} // namespace
} // namespace sorvat
