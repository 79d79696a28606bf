#include "platform/MessageBox.h"
#include "platform/ProgramPath.h"
#include "platform/ShellOpen.h"
#include "support/TempDirectory.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace sorvat {
namespace {

TEST(ProgramPath, NamesTheRunningProgram) {
    const auto program = ProgramFilePath();
    EXPECT_EQ(QString::fromStdString(program.string()), QCoreApplication::applicationFilePath());
    EXPECT_EQ(ProgramDirectoryPath(), program.parent_path());
}

// xdg-mime names a program for the CHM type's alias only; xdg-open records the file.
TEST(ShellOpen, OpensOnlyWhatADesktopProgramTakes) {
    test::TempDirectory temp;
    const std::string log = (temp / "opened").string(), chm = temp.Write("help.chm", "ITSF");
    temp.Write("bin/xdg-mime", "#!/bin/sh\n[ \"$3\" != application/x-chm ] || echo xchm.desktop\n");
    temp.Write("bin/xdg-open", "#!/bin/sh\necho \"$1\" >>'" + log + "'\n");
    std::filesystem::permissions(temp / "bin/xdg-mime", std::filesystem::perms::owner_all);
    std::filesystem::permissions(temp / "bin/xdg-open", std::filesystem::perms::owner_all);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString((temp / "bin:").string()) + path);
    EXPECT_FALSE(ShellOpen(QString::fromStdString(temp.Write("index.html", "<html>"))));
    EXPECT_TRUE(ShellOpen(QString::fromStdString(chm)));
    qputenv("PATH", path);
    EXPECT_TRUE(QTest::qWaitFor([&] { return test::ReadBytes(log) == chm + "\n"; }, 10000));
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

} // namespace
} // namespace sorvat
