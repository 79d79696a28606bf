// The window in English: no Japanese text on any menu, action, tool-bar tip,
// dialog-bar control or the status bar; the dialog-bar texts fit their
// fixed places. (The boxes' texts in English: MoveTextTranslationTest.)
#include "guisupport/WindowFixture.h"

#include "guisupport/JapaneseText.h"

#include "shell/AboutDlg.h"
#include "commands/PrintSetDlg.h"
#include "shell/UiLanguage.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <functional>
#include <optional>
#include <set>

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
            add(widget, "accessibleName", widget->accessibleName());
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

TEST_F(EnglishWindowTest, MenusActionsBarsDialogsAndStatusBarHaveNoJapanese) {
    ExpectNoJapanese(frame, 60);
    QStringList menus;
    for (QAction* menu : frame->menuBar()->actions()) menus << menu->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&Edit", "&View", "&Help"}));
    EXPECT_EQ(frame->StatusText(), QStringLiteral("Ready"));
    // The shortcut stays after the tab, where the menu shows it.
    EXPECT_TRUE(frame->Action(ID_FILE_OPEN)->text().endsWith(QStringLiteral("\tCtrl+O")));
    EXPECT_EQ(frame->DialogBar()->Button(ID_EDIT_NEXT_MOVE)->text(), QStringLiteral("Next"));
    frame->Action(ID_EDIT_NEXT_MOVE)->trigger();
    EXPECT_EQ(Boxes().back().spokenTitle, QStringLiteral("Info"));  // the title as shown

    // The dialogs of the window: the version information and the print settings.
    CAboutDlg about(frame);
    ExpectNoJapanese(&about, 3);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Sorvat"));
    CPrintSetDlg printSettings(frame);
    ExpectNoJapanese(&printSettings, 3);
    EXPECT_EQ(printSettings.windowTitle(), QStringLiteral("Print Settings"));
}

// What a screen reader reads: every control, counter and cell by an English
// name.
TEST_F(EnglishWindowTest, AccessibleNamesAreEnglish) {
    LoadGivens();
    const std::set<QAccessible::Role> named = {QAccessible::Button, QAccessible::PushButton, QAccessible::RadioButton,
                                               QAccessible::CheckBox, QAccessible::EditableText, QAccessible::SpinBox,
                                               QAccessible::StaticText, QAccessible::Cell, QAccessible::Table,
                                               QAccessible::MenuItem};
    int count = 0;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        if (named.count(node->role()) && !node->state().invisible) {
            const QString name = node->text(QAccessible::Name);
            EXPECT_FALSE(name.isEmpty()) << node->role() << " of " << node->parent()->text(QAccessible::Name).toStdString();
            EXPECT_FALSE(HasJapanese(name)) << name.toStdString();
            ++count;
        }
        for (int i = 0; i < node->childCount(); ++i) walk(node->child(i));
    };
    walk(QAccessible::queryAccessibleInterface(frame));
    EXPECT_GE(count, 81 + 10 + 12);
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(view);
    EXPECT_EQ(board->text(QAccessible::Name), QStringLiteral("Board"));
    EXPECT_EQ(board->child(0)->text(QAccessible::Name), QStringLiteral("X1 Y1, 5, locked"));
    EXPECT_EQ(board->child(2)->text(QAccessible::Name), QStringLiteral("X3 Y1, empty"));
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

} // namespace
} // namespace sorvat::test
