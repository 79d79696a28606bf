// The window in English: no Japanese text on any menu, action, tool-bar tip,
// dialog-bar control or the status bar; the dialog-bar texts fit their
// fixed places. (The boxes' texts in English: MoveTextTranslationTest.)
#include "guisupport/WindowFixture.h"

#include "guisupport/JapaneseText.h"

#include "shell/CommandIds.h"
#include "shell/AboutDlg.h"
#include "commands/PrintSetDlg.h"
#include "shell/UiLanguage.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>


namespace sorvat::test {
namespace {

class EnglishWindowTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        english = std::make_unique<UiTranslations>(UiLanguage::English);
        ASSERT_TRUE(english->HasProgramTexts());
        Start();
    }
    void TearDown() override {
        WindowFixture::TearDown();
        english.reset();
    }

    // Every text a user can see on `root` and its children, with where it is.
    static std::vector<std::pair<QString, QString>> VisibleTexts(QWidget* root) {
        std::vector<std::pair<QString, QString>> texts;
        auto add = [&](const QObject* owner, const char* what, const QString& text) {
            if (!text.isEmpty()) texts.emplace_back(owner->objectName() + QLatin1Char('.') + QLatin1String(what), text);
        };
        QList<QWidget*> widgets = root->findChildren<QWidget*>();
        widgets.prepend(root);
        for (QWidget* widget : widgets) {
            add(widget, "windowTitle", widget->windowTitle());
            add(widget, "toolTip", widget->toolTip());
            add(widget, "statusTip", widget->statusTip());
            if (auto* button = qobject_cast<QAbstractButton*>(widget)) add(widget, "text", button->text());
            if (auto* label = qobject_cast<QLabel*>(widget)) add(widget, "text", label->text());
            if (auto* menu = qobject_cast<QMenu*>(widget)) add(widget, "title", menu->title());
        }
        for (QAction* action : root->findChildren<QAction*>()) {
            add(action, "text", action->text());
            add(action, "iconText", action->iconText());
            add(action, "toolTip", action->toolTip());
            add(action, "statusTip", action->statusTip());
        }
        return texts;
    }

    static void ExpectNoJapanese(QWidget* root, std::size_t atLeast) {
        const auto texts = VisibleTexts(root);
        EXPECT_GE(texts.size(), atLeast);
        for (const auto& [where, text] : texts)
            EXPECT_FALSE(HasJapanese(text)) << where.toStdString() << ": " << text.toStdString();
    }

    std::unique_ptr<UiTranslations> english;
};

TEST_F(EnglishWindowTest, MenusActionsBarsAndStatusBarHaveNoJapanese) {
    ExpectNoJapanese(frame, 60);
    QStringList menus;
    for (QAction* menu : frame->menuBar()->actions()) menus << menu->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&Edit", "&View", "&Help"}));
    EXPECT_EQ(frame->StatusText(), QStringLiteral("Ready"));
    // The shortcut stays after the tab, where the menu shows it.
    EXPECT_TRUE(frame->Action(ID_FILE_OPEN)->text().endsWith(QStringLiteral("\tCtrl+O")));
    EXPECT_EQ(frame->DialogBar()->Button(ID_EDIT_NEXT_MOVE)->text(), QStringLiteral("Next"));
}

TEST_F(EnglishWindowTest, DialogBarTextsFitTheirPlaces) {
    // A push button's text needs its width plus the frame; the style's
    // minimum size of a push button is no measure of that.
    constexpr int PushButtonFrame = 6;
    for (QWidget* control : frame->DialogBar()->findChildren<QWidget*>()) {
        const auto* button = qobject_cast<QAbstractButton*>(control);
        const auto* label = qobject_cast<QLabel*>(control);
        if ((!button && !label) || (button && button->text().isEmpty())) continue;
        const QString text = button ? button->text() : label->text();
        const int needed = qobject_cast<const QPushButton*>(control)
                               ? control->fontMetrics().horizontalAdvance(text) + PushButtonFrame
                               : control->sizeHint().width();
        EXPECT_LE(needed, control->width()) << text.toStdString() << " is cut off";
    }
    // The mode buttons do not overlap and stay inside their group.
    const QRect group = frame->DialogBar()->findChild<QWidget*>(QStringLiteral("modeGroup"))->geometry();
    const QRect self = frame->DialogBar()->Control(IDC_MODE_SELF)->geometry();
    const QRect hint = frame->DialogBar()->Control(IDC_MODE_HINT)->geometry();
    const QRect analysis = frame->DialogBar()->Control(IDC_MODE_ANALYSIS)->geometry();
    EXPECT_LT(self.right(), hint.left());
    EXPECT_LT(hint.right(), analysis.left());
    EXPECT_TRUE(group.contains(self.united(analysis)));
}

TEST_F(EnglishWindowTest, DialogsHaveNoJapanese) {
    CAboutDlg about(frame);
    ExpectNoJapanese(&about, 3);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Sorvat"));
    CPrintSetDlg printSettings(frame);
    ExpectNoJapanese(&printSettings, 3);
    EXPECT_EQ(printSettings.windowTitle(), QStringLiteral("Print Settings"));
}

} // namespace
} // namespace sorvat::test
