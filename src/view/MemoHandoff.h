#pragma once

namespace sorvat {

// The view's link to the window that shows a puzzle's memo. The view calls
// it at fixed moments; the message window of the commands implements it and
// is installed with CSorvatView::SetMemoHandoff before OnCreate. This base
// shows nothing.
class MemoHandoff {
public:
    virtual ~MemoHandoff() = default;
    // OnCreate: start showing memos.
    virtual void Start() {}
    // Before every new memo and at exit: close the box of the previous file.
    virtual void CloseWindow() {}
    // After every load: the memo of the file just read (code page 932,
    // NUL-terminated, empty when the file has none). It stays valid until the
    // next read of a puzzle file.
    virtual void Publish(const char* memo) { (void)memo; }
    // OnDestroy, before the continue file is written: stop showing memos.
    virtual void Stop() {}
    // OnDestroy, after the continue file is written: wait briefly for the end.
    virtual void WaitForStop() {}
};

} // namespace sorvat
