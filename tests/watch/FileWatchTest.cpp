// The directory watcher against real folders and files: real change notifications, a real
// worker thread and real messages to a message-only window.
#include "watch/WatchTestSupport.h"
#include "watch/FileWatch.h"
#include <string>

namespace {

class FileWatchTest : public ::testing::Test {
protected:
    void TearDown() override { StopFileWatchThread(); }

    CString Folder() const { return m_dir.Path() + "\\"; }
    CString MakeFolder(const char* name) const
    {
        CString path = m_dir.File(name);
        ::CreateDirectoryA(path, nullptr);
        return path;
    }
    // Waits until the worker has posted for every change made so far.
    void Settle() { m_wnd.Settle(); }

    CTempDir m_dir;
    CNoticeWindow m_wnd;
};

bool WorkerEnded(const CHandle& worker) { return ::WaitForSingleObject(worker, 0) == WAIT_OBJECT_0; }

}  // namespace

// First in this program: ids are process-wide and this must be the first add.
TEST_F(FileWatchTest, IdsCountFromOneAndAreNeverReused)
{
    EXPECT_FALSE(OpenWorkerThread().IsValid());
    CString sub = MakeFolder("Sub") + "\\";
    DWORD a = AddFileWatch(Folder(), m_wnd.Handle());
    DWORD b = AddFileWatch(sub, m_wnd.Handle());
    EXPECT_EQ(a, 1u);
    EXPECT_EQ(b, 2u);
    EXPECT_TRUE(OpenWorkerThread().IsValid());

    SetFileWatchData(b, 77);
    SetFileWatchData(999, 5);  // unknown: ignored
    ASSERT_TRUE(WriteFileBytes(sub + "new.txt", ""));
    ASSERT_TRUE(m_wnd.WaitForCount(sub, 1));
    for (const RECEIVED_NOTICE& r : m_wnd.Notices()) {
        if (r.strPath == sub) {
            EXPECT_EQ(r.wParam, 77u);
        }
    }

    RemoveFileWatch(a);
    RemoveFileWatch(b);
    EXPECT_FALSE(OpenWorkerThread().IsValid());
    EXPECT_EQ(AddFileWatch(Folder(), m_wnd.Handle()), 3u);
}

TEST_F(FileWatchTest, RefusedPathsGiveZeroAndStartNoWorker)
{
    std::string longPath = std::string(Folder()) + std::string(300, 'a');
    const char* refused[] = {
        nullptr,
        "",
        "C:\\no-such-folder-blx\\",
        "C:\\no-such-folder-blx\\file.txt",
        "no-such-file-blx.txt",
        "\\\\\\",
        "ab\\",
        "C:\\bad<>|?*name",
        longPath.c_str(),
    };
    for (const char* path : refused) {
        SCOPED_TRACE(path ? path : "(null)");
        EXPECT_EQ(AddFileWatch(path, m_wnd.Handle()), 0u);
        EXPECT_FALSE(OpenWorkerThread().IsValid());
    }

    ASSERT_TRUE(WriteFileBytes(m_dir.File("a.txt"), "x"));
    DWORD id = AddFileWatch(Folder(), m_wnd.Handle());
    ASSERT_NE(id, 0u);
    for (const char* path : refused) EXPECT_EQ(AddFileWatch(path, m_wnd.Handle()), 0u);
    // Refusals use up no id.
    EXPECT_EQ(AddFileWatch(m_dir.File("a.txt"), m_wnd.Handle()), id + 1);
}

TEST_F(FileWatchTest, WatchesSharingAFolderEachGetOneMessagePerChange)
{
    CString sub = MakeFolder("Sub");  // no trailing backslash: watched through its parent
    DWORD a = AddFileWatch(Folder(), m_wnd.Handle());
    DWORD b = AddFileWatch(sub, m_wnd.Handle());
    ASSERT_TRUE(a && b);

    ASSERT_TRUE(WriteFileBytes(m_dir.File("one.txt"), ""));
    ASSERT_TRUE(WaitFor([&] { return m_wnd.Count(Folder()) >= 1 && m_wnd.Count(sub) >= 1; }));
    Settle();
    // Each round of the worker posts once per watch, in id order.
    const std::vector<RECEIVED_NOTICE>& got = m_wnd.Notices();
    ASSERT_EQ(got.size() % 2, 0u);
    for (size_t i = 0; i < got.size(); i += 2) {
        EXPECT_EQ(got[i].strPath, Folder());
        EXPECT_EQ(got[i + 1].strPath, sub);
    }

    // The folder stays watched for the remaining watch.
    RemoveFileWatch(b);
    m_wnd.Clear();
    ASSERT_TRUE(WriteFileBytes(m_dir.File("two.txt"), ""));
    EXPECT_TRUE(m_wnd.WaitForCount(Folder(), 1));
    Settle();
    EXPECT_EQ(m_wnd.Count(sub), 0);
}

TEST_F(FileWatchTest, FileWatchFiresOncePerTimeChangeOnly)
{
    CString file = m_dir.File("a.txt");
    ASSERT_TRUE(WriteFileBytes(file, "first"));
    // The folder watch has the lower id: in every round its message comes first, so the
    // file watch's messages of a round are in the queue once the folder's has arrived.
    ASSERT_NE(AddFileWatch(Folder(), m_wnd.Handle()), 0u);
    ASSERT_NE(AddFileWatch(file, m_wnd.Handle()), 0u);

    ASSERT_TRUE(WriteFileBytes(m_dir.File("sibling.txt"), "s"));
    ASSERT_TRUE(m_wnd.WaitForCount(Folder(), 1));
    Settle();
    EXPECT_EQ(m_wnd.Count(file), 0);

    for (int change = 1; change <= 2; ++change) {
        SCOPED_TRACE(change);
        ASSERT_TRUE(AppendOnce(file, "more"));
        EXPECT_TRUE(m_wnd.WaitForCount(file, change));
        int folderSeen = m_wnd.Count(Folder());
        CString other;
        other.Format("other%d.txt", change);
        ASSERT_TRUE(WriteFileBytes(m_dir.File(other), ""));
        ASSERT_TRUE(m_wnd.WaitForCount(Folder(), folderSeen + 1));
        Settle();
        EXPECT_EQ(m_wnd.Count(file), change);
    }

    // Renamed away: it can no longer be read, so it does not fire.
    int folderSeen = m_wnd.Count(Folder());
    ASSERT_TRUE(::MoveFileA(file, m_dir.File("renamed.txt")));
    ASSERT_TRUE(m_wnd.WaitForCount(Folder(), folderSeen + 1));
    Settle();
    EXPECT_EQ(m_wnd.Count(file), 2);
}

TEST_F(FileWatchTest, RemovingTheLastWatchReturnsAfterTheWorkerEnded)
{
    DWORD id = AddFileWatch(Folder(), m_wnd.Handle());
    CHandle worker = OpenWorkerThread();
    ASSERT_TRUE(worker.IsValid());
    RemoveFileWatch(id);
    EXPECT_TRUE(WorkerEnded(worker));

    // A later add starts a new worker, which reports changes again.
    id = AddFileWatch(Folder(), m_wnd.Handle());
    CHandle second = OpenWorkerThread();
    ASSERT_TRUE(second.IsValid());
    ASSERT_TRUE(WriteFileBytes(m_dir.File("x.txt"), ""));
    EXPECT_TRUE(m_wnd.WaitForCount(Folder(), 1));

    // Stopping forgets every watch; removing one afterwards is harmless.
    StopFileWatchThread();
    EXPECT_TRUE(WorkerEnded(second));
    RemoveFileWatch(id);
    StopFileWatchThread();
    EXPECT_FALSE(OpenWorkerThread().IsValid());
}

TEST_F(FileWatchTest, RemovingIdZeroChangesNothing)
{
    RemoveFileWatch(0);
    EXPECT_FALSE(OpenWorkerThread().IsValid());

    DWORD id = AddFileWatch(Folder(), m_wnd.Handle());
    ASSERT_NE(id, 0u);
    RemoveFileWatch(0);
    RemoveFileWatch(id + 100);
    EXPECT_TRUE(OpenWorkerThread().IsValid());
    ASSERT_TRUE(WriteFileBytes(m_dir.File("x.txt"), ""));
    EXPECT_TRUE(m_wnd.WaitForCount(Folder(), 1));
}

TEST_F(FileWatchTest, PathStaysReadableAfterItsWatchIsGone)
{
    ASSERT_NE(AddFileWatch(Folder(), m_wnd.Handle()), 0u);
    ASSERT_TRUE(WriteFileBytes(m_dir.File("x.txt"), ""));
    // Wait for the message without handling it.
    MSG msg;
    DWORD start = ::GetTickCount();
    while (!::PeekMessageA(&msg, m_wnd.Handle(), g_uFileWatchNotify, g_uFileWatchNotify, PM_REMOVE) &&
           ::GetTickCount() - start < 5000)
        ::Sleep(5);
    ASSERT_EQ(msg.message, g_uFileWatchNotify);
    StopFileWatchThread();  // every watch and folder forgotten

    EXPECT_STREQ((const char*)msg.lParam, Folder());
    EXPECT_EQ(TakeFileWatchPath(msg.lParam), Folder());
    // Taken once only; values that were never a message's give nothing.
    EXPECT_EQ(TakeFileWatchPath(msg.lParam), "");
    EXPECT_EQ(TakeFileWatchPath(0), "");
    EXPECT_EQ(TakeFileWatchPath((LPARAM)"C:\\"), "");
}

// Deleted through the platform, the folder lingers (delete pending) until its notification
// is closed; deleted by another program on the host, it is gone at once.
TEST_F(FileWatchTest, WatchedFolderDeletedWhileWatched)
{
    for (bool bOutside : {false, true}) {
        SCOPED_TRACE(bOutside ? "deleted by another program" : "deleted through the platform");
        CString goneDir = MakeFolder("Gone");
        CString gone = goneDir + "\\";
        ASSERT_TRUE(WriteFileBytes(gone + "inside.txt", "x"));
        DWORD parentId = AddFileWatch(Folder(), m_wnd.Handle());
        DWORD goneId = AddFileWatch(gone, m_wnd.Handle());
        ASSERT_TRUE(parentId && goneId);
        m_wnd.Clear();

        if (bOutside)
            ASSERT_TRUE(DeleteOnHost(goneDir));
        else
            RemoveTree(goneDir);
        EXPECT_TRUE(WaitFor([&] { return m_wnd.Count(Folder()) + m_wnd.Count(gone) > 0; }));
        m_wnd.Quiet();

        // The worker still serves the parent, and the dead folder does not keep it busy.
        CHandle worker = OpenWorkerThread();
        ASSERT_TRUE(worker.IsValid());
        int seen = m_wnd.Count(Folder());
        ASSERT_TRUE(WriteFileBytes(m_dir.File("after.txt"), ""));
        EXPECT_TRUE(m_wnd.WaitForCount(Folder(), seen + 1));
        Settle();
        // A waiting thread's time stands still; a spinning one's grows at every clock tick.
        unsigned __int64 last = ThreadCpuTime(worker);
        int still = 0;
        EXPECT_TRUE(WaitFor([&] {
            unsigned __int64 now = ThreadCpuTime(worker);
            still = now == last ? still + 1 : 0;
            last = now;
            return still >= 5;
        }, 5000));

        RemoveFileWatch(goneId);
        RemoveFileWatch(parentId);
        EXPECT_TRUE(WorkerEnded(worker));
        EXPECT_EQ(::GetFileAttributesA(goneDir), INVALID_FILE_ATTRIBUTES);
    }
}

// Another program removes a watched folder together with its parent: the watches on both
// are reported although neither folder exists when the worker looks, so that the receiver
// can find out what is left.
TEST_F(FileWatchTest, FoldersThatVanishWithTheirParentAreReported)
{
    CString parentDir = MakeFolder("Up");
    CString parent = parentDir + "\\";
    CString child = parent + "Sib\\";
    ASSERT_TRUE(::CreateDirectoryA(parent + "Sib", nullptr));
    ASSERT_TRUE(WriteFileBytes(child + "inside.txt", "x"));
    DWORD parentId = AddFileWatch(parent, m_wnd.Handle());
    DWORD childId = AddFileWatch(child, m_wnd.Handle());
    ASSERT_TRUE(parentId && childId);
    m_wnd.Clear();

    ASSERT_TRUE(DeleteOnHost(parentDir));
    ASSERT_EQ(::GetFileAttributesA(parentDir), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(WaitFor([&] { return m_wnd.Count(parent) + m_wnd.Count(child) > 0; }));
    RemoveFileWatch(childId);
    RemoveFileWatch(parentId);
}

TEST_F(FileWatchTest, FoldersBeyondTheWaitLimitAreRefused)
{
    std::vector<CString> folders;
    for (int i = 0; i <= FILEWATCH_MAX_DIRS; ++i) {
        CString name;
        name.Format("d%02d", i);
        folders.push_back(MakeFolder(name) + "\\");
    }
    std::vector<DWORD> ids;
    for (int i = 0; i < FILEWATCH_MAX_DIRS; ++i) {
        ids.push_back(AddFileWatch(folders[i], m_wnd.Handle()));
        ASSERT_NE(ids.back(), 0u) << i;
    }
    const CString& extra = folders[FILEWATCH_MAX_DIRS];
    EXPECT_EQ(AddFileWatch(extra, m_wnd.Handle()), 0u);
    // A folder already watched needs no new slot.
    EXPECT_NE(AddFileWatch(folders[5], m_wnd.Handle()), 0u);

    // The full wait set still works, up to its last folder.
    const CString& last = folders[FILEWATCH_MAX_DIRS - 1];
    ASSERT_TRUE(WriteFileBytes(last + "x.txt", ""));
    EXPECT_TRUE(m_wnd.WaitForCount(last, 1));

    RemoveFileWatch(ids[0]);
    ASSERT_NE(AddFileWatch(extra, m_wnd.Handle()), 0u);
    ASSERT_TRUE(WriteFileBytes(extra + "x.txt", ""));
    EXPECT_TRUE(m_wnd.WaitForCount(extra, 1));
}

