// The save record on disk: written at once and atomically, read back by the next run, and a missing,
// unreadable or corrupt file reads as empty without complaint.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "host/FileSaveStore.h"

using namespace valdorn;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(FileSaveStore, aWrittenCounterIsReadByTheNextRun) {
    QTemporaryDir dir;
    {
        FileSaveStore store(dir.path() + "/nested/folder");
        EXPECT_FALSE(store.counter().has_value());
        store.setCounter(3);
    }
    FileSaveStore nextRun(dir.path() + "/nested/folder");
    EXPECT_EQ(nextRun.counter(), 3);
    nextRun.setCounter(std::nullopt);
    EXPECT_FALSE(FileSaveStore(dir.path() + "/nested/folder").counter().has_value());
}

TEST(FileSaveStore, badFilesReadAsAnEmptyStore) {
    const std::pair<const char*, QByteArray> cases[] = {
        {"empty file", ""},
        {"not json", "counter=3"},
        {"truncated", "{\"counter\": 3"},
        {"wrong type", "{\"counter\": \"three\"}"},
        {"array", "[3]"},
        {"binary", QByteArray("\x00\xff\x10\x80", 4)},
        {"huge", QByteArray(100 * 1024, '{')},
    };
    for (const auto& [what, bytes] : cases) {
        QTemporaryDir dir;
        FileSaveStore store(dir.path());
        writeFile(store.filePath(), bytes);
        EXPECT_FALSE(store.counter().has_value()) << what;
        // And the store still works: a new value replaces the broken file.
        store.setCounter(2);
        EXPECT_EQ(FileSaveStore(dir.path()).counter(), 2) << what;
    }
}

TEST(FileSaveStore, anUnwritableFolderKeepsTheValueForThisRun) {
    // Nobody, root included, can create files in /proc.
    FileSaveStore store("/proc/self");
    EXPECT_FALSE(store.counter().has_value());
    store.setCounter(4);
    EXPECT_EQ(store.counter(), 4);
    EXPECT_FALSE(FileSaveStore("/proc/self").counter().has_value());
}

TEST(FileSaveStore, aFolderThatIsAFileReadsAsEmptyAndKeepsValuesInMemory) {
    QTemporaryDir dir;
    writeFile(dir.path() + "/blocker", "x");
    FileSaveStore store(dir.path() + "/blocker");
    EXPECT_FALSE(store.counter().has_value());
    store.setCounter(5);
    EXPECT_EQ(store.counter(), 5);
}

TEST(FileSaveStore, writesLeaveNoTemporaryFilesBehind) {
    QTemporaryDir dir;
    FileSaveStore store(dir.path());
    for (int level = 1; level <= 6; ++level) store.setCounter(level);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"tornwick_valdorn5.json"});
}

}  // namespace
