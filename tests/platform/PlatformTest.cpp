#include "platform/MessageBox.h"
#include "platform/ProgramPath.h"

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
