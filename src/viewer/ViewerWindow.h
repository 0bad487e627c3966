// What the file model asks of the viewer window. The real window carries these
// out on its frame and rich edit control; tests record them.
#pragma once

#include <windows.h>

// The viewer's frame carries this property while the rest of a section is being appended, so
// that other programs (tools that drive the window, our own tests) can tell a whole section.
const char VIEWER_LOADING_PROP[] = "Brindlex.SectionLoading";

class IViewerWindow {
public:
    virtual ~IViewerWindow() {}
    virtual void RecreateControl() = 0;                    // destroy and create the control for the current mode
    virtual void SetTitle(const char* title) = 0;
    virtual void SetSectionMenuTitle(const char* title) = 0;  // top-level position 4, then redraw the bar
    virtual void SelectModeFont() = 0;                     // hex or text font, without redrawing
    virtual void StreamSection() = 0;                      // stream the section in, wait cursor shown
    // The file is closing: a section still coming in must not stay on show half loaded.
    virtual void StopSectionLoad() {}
    virtual void SetFileMenuItem(int pos, UINT id, const char* text) = 0;  // append or replace by position
    virtual void RedrawMenuBar() = 0;
    virtual void CaretHomeAndFocus() = 0;                  // caret to 0,0, shown, focus to the control
    virtual void BringToForeground() = 0;
    virtual void ShowMessage(const char* text) = 0;        // an OK-only message box
    // Copies source onto target; may show progress and let the user cancel.
    // Returns 1 when copied, 0 on failure, -1 when the user cancelled.
    virtual int CopyForViewing(const char* source, const char* target);
};

void SetViewerWindow(IViewerWindow* wnd);
IViewerWindow* GetViewerWindow();
