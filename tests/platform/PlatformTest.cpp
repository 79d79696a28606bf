#include "guisupport/ScriptedMessageBox.h"
#include "platform/DirectoryListing.h"
#include "platform/KeyState.h"
#include "platform/MessageBox.h"
#include "platform/ProgramPath.h"
#include "platform/ShellOpen.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
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

TEST(RealMessageBox, FirstButtonIsTheDefaultAndTextIsPlain) {
    BoxAnswerer answerer(Qt::Key_Return);
    const MessageResult result = ShowMessageBox(nullptr, QStringLiteral("<b>a</b>\r\nb"),
                                                QStringLiteral("Info"), MessageButtons::YesNo,
                                                MessageIcon::Question);
    EXPECT_EQ(result, MessageResult::Yes);
    EXPECT_EQ(answerer.text, QStringLiteral("<b>a</b>\nb"));
    EXPECT_EQ(answerer.format, Qt::PlainText);
}

TEST(RealMessageBox, EscapeAnswersNoInAYesNoBox) {
    BoxAnswerer answerer(Qt::Key_Escape);
    EXPECT_EQ(ShowMessageBox(nullptr, QStringLiteral("?"), QStringLiteral("t"), MessageButtons::YesNo),
              MessageResult::No);
}

TEST(ScriptedMessageBox, RecordsBoxesAndAnswersFromTheScript) {
    test::ScriptedMessageBox boxes;
    boxes.Answer(MessageResult::No);
    EXPECT_EQ(ShowMessageBox(nullptr, QStringLiteral("one"), QStringLiteral("T"), MessageButtons::YesNo),
              MessageResult::No);
    EXPECT_EQ(ShowMessageBox(nullptr, QStringLiteral("two"), QStringLiteral("T"), MessageButtons::YesNo),
              MessageResult::Yes);
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_EQ(boxes.Boxes()[1].text, QStringLiteral("two"));
}

class FakeKeys final : public KeyStateService {
public:
    bool IsKeyDown(int virtualKey) override { return virtualKey == VK_CONTROL_KEY; }
};

class FakeShell final : public ShellOpenService {
public:
    bool Open(const QString& path) override {
        opened.append(path);
        return true;
    }
    QStringList opened;
};

TEST(PlatformServices, InstalledFakesAnswerUntilRemoved) {
    FakeKeys keys;
    KeyStateService* previousKeys = SetKeyStateService(&keys);
    EXPECT_TRUE(IsKeyDown(VK_CONTROL_KEY));
    EXPECT_FALSE(IsKeyDown(VK_SHIFT_KEY));
    SetKeyStateService(previousKeys);
    EXPECT_FALSE(IsKeyDown(0x41));  // not a modifier: never down

    FakeShell shell;
    ShellOpenService* previousShell = SetShellOpenService(&shell);
    EXPECT_TRUE(ShellOpen(QStringLiteral("/opt/help.html")));
    EXPECT_EQ(shell.opened, QStringList{QStringLiteral("/opt/help.html")});
    SetShellOpenService(previousShell);
}

} // namespace
} // namespace sorvat
