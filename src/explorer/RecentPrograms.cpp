#include "explorer/RecentPrograms.h"
#include "fw/PathParts.h"
#include "fw/WinApp.h"
#include "util/VersionInfo.h"

static const char SECTION[] = "mre";

static CString ValueName(int k)
{
    char name[8];
    wsprintfA(name, "mre%d", k);
    return CString(name);
}

CString ReadRecentProgram(CWinApp* app, int k)
{
    if (!app || k < 1 || k > RECENT_PROGRAM_COUNT) return CString();
    return app->GetProfileString(SECTION, ValueName(k), "");
}

CArray<CString> ReadRecentPrograms(CWinApp* app)
{
    CArray<CString> programs;
    for (int k = 1; k <= RECENT_PROGRAM_COUNT; k++) {
        CString p = ReadRecentProgram(app, k);
        if (p.IsEmpty()) break;
        programs.Add(p);
    }
    return programs;
}

void AddRecentProgram(CWinApp* app, const char* program)
{
    if (!app || !program || !*program) return;
    CString former[RECENT_PROGRAM_COUNT];
    for (int k = 0; k < RECENT_PROGRAM_COUNT; k++) {
        former[k] = ReadRecentProgram(app, k + 1);
        if (!former[k].IsEmpty() && !lstrcmpiA(former[k], program)) return;
    }
    app->WriteProfileString(SECTION, ValueName(1), program);
    for (int k = 0; k + 1 < RECENT_PROGRAM_COUNT && !former[k].IsEmpty(); k++)
        app->WriteProfileString(SECTION, ValueName(k + 2), former[k]);
}

CString RecentProgramText(const char* programPath)
{
    CVersionInfo info(programPath);
    CString product = info.GetProductName();
    if (!product.IsEmpty()) return product;
    std::string name(NameOfPath(programPath));
    if (name.size() > 4) name.resize(name.size() - 4);
    return CString(name.c_str());
}
