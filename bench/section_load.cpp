// Loading one section into the viewer's text control, in the real window:
//   bench_section_load.exe compare hex|text FILE [ROUNDS]
//       section 2 of FILE, loaded ROUNDS times each way, the ways taking turns:
//         ref    a fresh control fed the section's text from one prepared memory buffer
//         split  a fresh control fed by StreamSectionChunk through a stopwatch: our
//                rendering apart from the control's own work
//         next   the model's Next from section 1 to 2 (what the user's Next does)
//         plain  as ref, but the control's scroll bar is left to appear when the stream ends
//                (how sections were loaded before the bar was shown first)
//       prints one line per load: "<way> <round> total S render S paint S chars N", and
//       for next its steps: "steps <round> font-on-old S new-control S stream S"
//   bench_section_load.exe flat hex|text FILE
//       opens FILE and presses Next 10 times; prints for each "next <k> total S" and its
//       steps: the mode's font selected into the control as it was, the new control, the
//       stream into it, and the paint after.
// The control is the window's own (id 1000, the mode's style, font and rectangle).
#include "ViewerBench.h"
#include "viewer/SectionRenderer.h"
#include <stdlib.h>
#include <string.h>
#include <string>

namespace {

// The control's stream-in buffer under Wine and Windows alike.
const LONG kTransfer = 4096;

struct MemoryStream {
    const std::string* text;
    size_t pos;
};

DWORD CALLBACK FromMemory(DWORD_PTR cookie, LPBYTE buf, LONG cb, LONG* pcb)
{
    MemoryStream* m = (MemoryStream*)cookie;
    size_t n = m->text->size() - m->pos;
    if (n > (size_t)cb) n = (size_t)cb;
    memcpy(buf, m->text->data() + m->pos, n);
    m->pos += n;
    *pcb = (LONG)n;
    return 0;
}

double g_renderSeconds = 0;

DWORD CALLBACK TimedChunk(DWORD_PTR cookie, LPBYTE buf, LONG cb, LONG* pcb)
{
    double t = BenchNow();
    DWORD r = StreamSectionChunk(cookie, buf, cb, pcb);
    g_renderSeconds += BenchNow() - t;
    return r;
}

void StartSection(int section)
{
    g_nSection = section;
    g_viewedFile.Seek((unsigned __int64)(unsigned)section * g_nSectionSize);
    g_nSectionLeft = g_nSectionSize;
}

// The section's text exactly as the renderer hands it to the control.
std::string RenderSection(int section)
{
    StartSection(section);
    std::string text;
    BYTE buf[kTransfer];
    for (;;) {
        LONG cb = 0;
        StreamSectionChunk(0, buf, kTransfer, &cb);
        if (cb <= 0) break;
        text.append((const char*)buf, (size_t)cb);
    }
    return text;
}

// A fresh control, as the window makes for every load (font, then the scroll bar shown unless
// plain), then one stream through callback.
double StreamIntoFreshControl(CTimedViewer* dlg, EDITSTREAMCALLBACK callback, DWORD_PTR cookie,
                              bool plain = false)
{
    dlg->RecreateControl();
    dlg->SelectModeFont();
    if (!plain) ::ShowScrollBar(g_richEdit, SB_VERT, TRUE);
    BenchPump();
    EDITSTREAM es = {};
    es.dwCookie = cookie;
    es.pfnCallback = callback;
    double t = BenchNow();
    ::SendMessageA(g_richEdit, EM_STREAMIN, SF_TEXT, (LPARAM)&es);
    return BenchNow() - t;
}

int Chars() { return g_richEdit ? ::GetWindowTextLengthA(g_richEdit) : 0; }

void Report(const char* way, int k, double total, double render, double paint)
{
    printf("%s %d total %.3f render %.3f paint %.3f chars %d\n", way, k, total, render, paint, Chars());
    fflush(stdout);
}

bool OpenInMode(const char* mode, const char* path, int sectionsNeeded)
{
    if (!strcmp(mode, "hex"))
        SwitchToHex();
    else
        SwitchToText();
    if (!OpenViewedFile(path) || !g_richEdit) {
        fprintf(stderr, "cannot open %s\n", path);
        return false;
    }
    BenchPump();
    if (g_nFileLength <= (unsigned __int64)g_nSectionSize * (unsigned)(sectionsNeeded - 1)) {
        fprintf(stderr, "%s needs more than %d %s sections\n", path, sectionsNeeded - 1, mode);
        return false;
    }
    return true;
}

int Compare(CTimedViewer* dlg, const char* mode, const char* path, int rounds)
{
    if (!OpenInMode(mode, path, 2)) return 1;
    const std::string text = RenderSection(1);
    printf("section 2: %u bytes in, %u bytes of text\n", g_nSectionSize, (unsigned)text.size());
    // Each round starts with the next way, so that no way always comes first or last.
    for (int r = 1; r <= rounds; r++) {
        for (int i = 0; i < 4; i++) {
            int way = (r - 1 + i) % 4;
            if (way == 3) {
                MemoryStream m = {&text, 0};
                double s = StreamIntoFreshControl(dlg, FromMemory, (DWORD_PTR)&m, true);
                Report("plain", r, s, 0, PaintControl());
            } else if (way == 0) {
                MemoryStream m = {&text, 0};
                double s = StreamIntoFreshControl(dlg, FromMemory, (DWORD_PTR)&m);
                Report("ref", r, s, 0, PaintControl());
            } else if (way == 1) {
                StartSection(1);
                g_renderSeconds = 0;
                double s = StreamIntoFreshControl(dlg, TimedChunk, 0);
                Report("split", r, s, g_renderSeconds, PaintControl());
            } else {
                g_nSection = 0;
                double t = BenchNow();
                ViewNextSection();
                double s = BenchNow() - t;
                Report("next", r, s, 0, PaintControl());
                printf("steps %d font-on-old %.3f new-control %.3f stream %.3f\n", r, dlg->m_font, dlg->m_recreate,
                       dlg->m_stream - dlg->m_recreate);
            }
        }
    }
    return 0;
}

int Flat(CTimedViewer* dlg, const char* mode, const char* path)
{
    if (!OpenInMode(mode, path, 11)) return 1;
    printf("open stream %.3f chars %d\n", dlg->m_stream, Chars());
    for (int k = 1; k <= 10; k++) {
        double t = BenchNow();
        ViewNextSection();
        double s = BenchNow() - t;
        double paint = PaintControl();
        printf("next %d total %.3f font-on-old %.3f new-control %.3f stream %.3f paint %.3f chars %d\n", k, s,
               dlg->m_font, dlg->m_recreate, dlg->m_stream - dlg->m_recreate, paint, Chars());
        fflush(stdout);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    bool compare = argc >= 4 && !strcmp(argv[1], "compare");
    bool flat = argc == 4 && !strcmp(argv[1], "flat");
    bool modeOk = argc >= 4 && (!strcmp(argv[2], "hex") || !strcmp(argv[2], "text"));
    if (!(compare || flat) || !modeOk) {
        fprintf(stderr, "usage: bench_section_load compare hex|text FILE [ROUNDS] | flat hex|text FILE\n");
        return 2;
    }
    CTimedViewer* dlg = StartTimedViewer();
    if (!dlg) return 1;
    int rc = compare ? Compare(dlg, argv[2], argv[3], argc > 4 && atoi(argv[4]) > 0 ? atoi(argv[4]) : 3) : Flat(dlg, argv[2], argv[3]);
    CloseTimedViewer(dlg);
    return rc;
}
