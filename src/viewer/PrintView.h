// Printing the section on show on the default printer.
#pragma once

#include "fw/afx.h"

// Splits a "device,driver,port" profile entry at its last commas. FALSE when malformed.
BOOL SplitPrinterDevice(const char* entry, CString& device, CString& driver);

// One printed page at a time; the real one formats through the control, tests use fakes.
class IPageSource {
public:
    virtual ~IPageSource() {}
    virtual void BeginPage(int page) = 0;        // start the page and draw its header
    // Lays out text from start on the page; returns the first index that did not fit.
    virtual long FormatPage(long start, long total) = 0;
    // Ends the page; false when the job is to stop here (cancelled, or the printer failed).
    virtual bool EndPage() = 0;
    // Lays out the rest from start itself when the control made no progress; returns the
    // pages it printed after the current one (which it ends). It stops as EndPage says.
    virtual int FinishWithoutControl(long start, long total, int page, int mode) = 0;
};

// The paging loop: returns the number of pages printed.
int PrintPages(IPageSource& src, long start, long total, int mode);

// mode 0: the whole section, with the job's progress and Cancel on show; mode 1: one page
// from the first visible line.
void PrintView(int mode);
