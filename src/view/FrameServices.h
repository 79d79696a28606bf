#pragma once
class QPrinter;
class QString;
class QWidget;
namespace sorvat {
class CellBoard;
struct Settings;

// What the view and its commands ask of the window around them. The main
// frame implements it and publishes itself as g_pMainFrame; tests install
// their own.
class FrameServices {
public:
    virtual ~FrameServices() = default;
    // The top-level window: parent of dialogs, holder of the title.
    virtual QWidget* Window() = 0;
    // The settings record the frame owns.
    virtual Settings& SettingsRecord() = 0;
    // Text of the status bar's message pane, shown at once.
    virtual void SetStatusText(const QString& text) = 0;
    // Shows `text` like SetStatusText and has a screen reader say `spoken`,
    // the same message in words a voice reads well.
    virtual void AnnounceStatusText(const QString& text, const QString& spoken) = 0;
    // The current text of the dialog bar's level edit (1004).
    virtual QString LevelEditText() const = 0;
    // The printer every print and preview of the window uses.
    virtual QPrinter& Printer() = 0;
    // Called at the start of every paint of the board with both boards, so
    // the dialog bar's counters follow them.
    virtual void BoardPainted(const CellBoard& board, const CellBoard& answer) = 0;
};

} // namespace sorvat
