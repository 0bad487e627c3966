// A plain list of result rows, as the Find Files window's list control holds them.
#pragma once

#include "search/ResultList.h"
#include <string>
#include <vector>

class CResultRowsModel : public IResultRows {
public:
    std::vector<RESULTROW> rows;

    int GetRowCount() const override { return (int)rows.size(); }
    void AppendRow(const RESULTROW& row) override { rows.push_back(row); }
    void DeleteRow(int row) override { rows.erase(rows.begin() + row); }
    void DeleteAllRows() override { rows.clear(); }
    CString GetCellText(int row, int col) const override { return rows[(size_t)row].cells[col]; }

    // The rows' folders followed by their names.
    std::vector<std::string> Paths() const
    {
        std::vector<std::string> v;
        for (const RESULTROW& r : rows) v.push_back((r.cells[RESULT_FOLDER] + r.cells[RESULT_NAME]).str());
        return v;
    }
    // The first row whose folder and name equal path ignoring case, walking the rows.
    int Scan(const char* path) const
    {
        for (size_t i = 0; i < rows.size(); i++)
            if (_mbsicmp((const unsigned char*)(rows[i].cells[RESULT_FOLDER] + rows[i].cells[RESULT_NAME]).c_str(),
                         (const unsigned char*)path) == 0)
                return (int)i;
        return -1;
    }
};
