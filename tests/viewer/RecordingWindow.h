// A viewer window that records what the file model asks of it, and streams each
// section through the renderer into a string as the control would.
#pragma once

#include "support/TestSupport.h"
#include "viewer/FileModel.h"
#include "viewer/SectionRenderer.h"
#include <string>
#include <vector>

// Streams the current section with a 4096-byte transfer buffer until the renderer returns 0:
// the characters it hands over.
inline std::wstring StreamWholeSectionChars()
{
    std::wstring text;
    BYTE buf[4096];
    for (int guard = 0; guard < 1000000; guard++) {
        LONG n = -1;
        EXPECT_EQ(StreamSectionChunk(0, buf, sizeof buf, &n), 0u);
        if (n <= 0) break;
        EXPECT_LE(n, (LONG)sizeof buf);
        EXPECT_EQ(n % 2, 0);
        text.append((const wchar_t*)buf, (size_t)n / 2);
    }
    return text;
}

// The same in the process's ANSI code page.
inline std::string StreamWholeSection() { return AnsiOf(StreamWholeSectionChars()); }

class CRecordingWindow : public IViewerWindow {
public:
    CRecordingWindow() { SetViewerWindow(this); }
    ~CRecordingWindow() override { SetViewerWindow(nullptr); }

    void RecreateControl() override  // a fresh control holds nothing
    {
        recreated++;
        shown.clear();
    }
    void SetTitle(const char* t) override { title = t; }
    void SetSectionMenuTitle(const char* t) override { sectionTitle = t; }
    void SelectModeFont() override {}
    void StreamSection() override { shown = StreamWholeSection(); streams++; }
    void SetFileMenuItem(int pos, UINT id, const char* text) override
    {
        if (pos >= (int)fileMenu.size())
            fileMenu.push_back({id, text});
        else
            fileMenu[(size_t)pos] = {id, text};
    }
    void RedrawMenuBar() override {}
    void CaretHomeAndFocus() override {}
    void BringToForeground() override { foreground++; }
    void ShowMessage(const char* text) override { messages.push_back(text); }

    struct Item {
        UINT id;
        std::string text;
    };
    // Positions 0..6 are the fixed items of the File menu.
    std::vector<Item> fileMenu = std::vector<Item>(7, Item{0, "fixed"});
    std::string title, sectionTitle = "&Section", shown;
    std::vector<std::string> messages;
    int recreated = 0, streams = 0, foreground = 0;
};
