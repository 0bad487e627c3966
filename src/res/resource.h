// Resource and command ids of both modes. The numbers are fixed: menus, accelerators,
// toolbar and stored settings depend on them. Used by the .rc scripts and by the code.
#pragma once

// ---- Framework commands ----
#define ID_FILE_NEW                 57600
#define ID_FILE_OPEN                57601  // explorer's Ctrl+O: the application's open, not the menu's Open
#define ID_EDIT_COPY                57634
#define ID_EDIT_PASTE               57637
#define ID_APP_ABOUT                57664
#define ID_APP_EXIT                 57665
#define ID_VIEW_TOOLBAR             59392
#define ID_VIEW_LIST                59410
#define ID_VIEW_DETAILS             59411
#define IDS_APP_TITLE               57344

// ---- Icons, menus, accelerators, bitmaps, dialogs ----
#define IDR_EXPLORER                128    // explorer: menu, accelerators, icon, frame title
#define IDR_VIEWER                  130    // viewer: menu, accelerators, icon
#define IDI_FIND_RESULT             149    // Find Files: icon of a result row
#define IDB_TOOLBAR                 166
#define IDR_LIST_CONTEXT            167    // file list's context menu
#define IDR_TREE_CONTEXT            168    // folder tree's context menu
#define IDD_ABOUT                   100
#define IDD_FIND_FILES              102
#define IDD_OPTIONS                 132
#define IDD_NAME                    143    // name entry: new folder, new file, rename, copy

// ---- Explorer commands ----
#define ID_NEW_FOLDER               32773
#define ID_NEW_FILE                 32774
#define ID_OPEN                     32775
#define ID_VIEW_FILE                32776
#define ID_OPEN_WITH                32779
#define ID_DELETE                   32780
#define ID_RENAME                   32781
#define ID_COPY_RENAME              32783
#define ID_UP                       32784
#define ID_REFRESH                  32785
#define ID_HELP_CONTENTS            32786
#define ID_RECYCLE                  32787
#define ID_OPTIONS                  32795  // both modes
#define ID_FIND_FILES               32815
#define ID_RECENT_PROGRAM_FIRST     169    // Open With's recent programs 1 to 8
#define ID_RECENT_PROGRAM_LAST      176

// ---- Viewer commands ----
#define ID_VIEWER_OPEN              32788
#define ID_VIEWER_COPY              32789
#define ID_VIEWER_TEXT              32790
#define ID_VIEWER_HEX               32791
#define ID_VIEWER_F1                32792  // the viewer's F1 key: nothing handles it; Help Contents is 32786
#define ID_VIEWER_OPEN_WITH         32794
#define ID_VIEWER_SAVE_POSITION     32796
#define ID_VIEWER_DEFAULT_WINDOW    32797
#define ID_VIEWER_FIND              32798
#define ID_VIEWER_PRINT             32800
#define ID_VIEWER_OPEN_DEFAULT      32802
#define ID_VIEWER_UPPER_HALF        32803
#define ID_VIEWER_LOWER_HALF        32804
#define ID_VIEWER_PRINT_PAGE        32805
#define ID_VIEWER_LEFT_HALF         32806
#define ID_VIEWER_RIGHT_HALF        32807
#define ID_VIEWER_NEXT              32808
#define ID_VIEWER_PREVIOUS          32809
#define ID_VIEWER_FIRST             32810
#define ID_VIEWER_LAST              32811
// View > Encoding: one a VIEWER_ENCODING, in its order.
#define ID_VIEWER_ENCODING_AUTOMATIC 32816
#define ID_VIEWER_ENCODING_ANSI     32817
#define ID_VIEWER_ENCODING_OEM      32818
#define ID_VIEWER_ENCODING_UTF8     32819
#define ID_VIEWER_ENCODING_UTF16LE  32820
#define ID_VIEWER_ENCODING_UTF16BE  32821
#define ID_RECENT_FILE_FIRST        133    // the File menu's recent files 1 to 8
#define ID_RECENT_FILE_LAST         140

// ---- Controls ----
#define IDC_VIEWER_TEXT             1000   // the viewer's rich edit
#define IDC_TEXT_FONT_NAME          1001   // Options
#define IDC_EXPLORER_MAX            1002
#define IDC_HEX_FONT_NAME           1007
#define IDC_TEXT_FONT               1008
#define IDC_HEX_FONT                1009
#define IDC_VIEWER_MAX              1012
#define IDC_FULL_PATH               1013

// ---- Name entry (IDD_NAME) ----
#define IDC_NAME_EDIT               1000
#define IDC_NAME_LABEL              1001

// ---- Find Files (dialog 102) ----
#define IDC_FIND_SUBFOLDERS         1000
#define IDC_FIND_NAMED              1001
#define IDC_FIND_LOOK_IN            1002
#define IDC_FIND_CONTAINING         1003
#define IDC_FIND_BROWSE             1004
#define IDC_FIND_RESULTS            1006
#define IDC_FIND_SIZE_LIMITS        1007
#define IDC_FIND_MIN_KB             1008
#define IDC_FIND_MAX_KB             1009
#define IDC_FIND_STATUS             1011
#define IDC_FIND_REPLACE            1013
#define IDC_FIND_ADD                1014
#define IDC_FIND_REMOVE             1015

// ---- Printing progress (IDD_PRINTING) ----
#define IDD_PRINTING                144
#define IDC_PRINT_FILE              1016
#define IDC_PRINT_PAGE              1017
