// The save sequence: backup names, failures and crashes at every step,
// backup rotation and read-only targets.
#include <stdexcept>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/safesave.h"
#include "apptestenv.h"

namespace {

std::vector<uint8_t> Bytes(const std::string& s)
{
    return std::vector<uint8_t>(s.begin(), s.end());
}

// Files in a folder other than the ones named.
int StrayFiles(const std::filesystem::path& dir, std::initializer_list<std::string> known)
{
    int n = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        if (std::find(known.begin(), known.end(), e.path().filename().string()) == known.end())
            ++n;
    return n;
}

} // namespace

TEST(SafeSave, BackupNames)
{
    const struct {
        const char* path;
        const char* backup;
    } cases[] = {
        {"/p/a.dcd", "/p/a.bak"},
        {"/p/a.DCD", "/p/a.bak"},
        {"/p/a.dcd.txt", "/p/a.dcd.txt.bak"},
        {"/p/a", "/p/a.bak"},
        {"/p/a.bak", "/p/a.bak.bak"},
        {"/p/.dcd", "/p/.dcd.bak"},
        {"/p/x.dcdx", "/p/x.dcdx.bak"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BackupPathFor(c.path).string(), c.backup) << c.path;
        EXPECT_NE(BackupPathFor(c.path), std::filesystem::path(c.path));
    }
}

TEST(SafeSave, FailureAtEachStepLeavesTheOldFile)
{
    CTempDir dir;
    const auto file = dir / "a.dcd";
    for (int failAt = 0; failAt < kSaveSteps; ++failAt) {
        CAppTestEnv::WriteFile(file, "old");
        std::filesystem::remove(dir / "a.bak");
        CSafeSaveOptions options;
        options.stepHook = [failAt](SaveStep s) {
            if (int(s) == failAt)
                throw std::runtime_error("injected");
        };
        const CSafeSaveResult r = SaveFileSafely(file, Bytes("new content"), options);
        const std::string now = CAppTestEnv::ReadFile(file);
        if (failAt < int(SaveStep::Renamed)) {
            EXPECT_EQ(r.status, CSafeSaveResult::WriteFailed) << failAt;
            EXPECT_EQ(now, "old") << failAt;
        } else {
            // Once renamed the new content is in place and the save succeeded.
            EXPECT_TRUE(r.Ok()) << failAt;
            EXPECT_EQ(now, "new content") << failAt;
        }
        // No temporary file is left behind by a failure that was reported.
        EXPECT_EQ(StrayFiles(dir.path(), {"a.dcd", "a.bak"}), 0) << failAt;
    }
}

TEST(SafeSave, CrashAtEachStepLeavesOldOrNewWhole)
{
    CTempDir dir;
    const auto file = dir / "a.dcd";
    const std::string old(100000, 'o'), fresh(150000, 'n');
    for (int crashAt = 0; crashAt < kSaveSteps; ++crashAt) {
        CAppTestEnv::WriteFile(file, old);
        for (const auto& e : std::filesystem::directory_iterator(dir.path()))
            if (e.path() != file)
                std::filesystem::remove(e.path());
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            // The child dies at the step as a kill -9 would end it: nothing
            // after this point runs, no destructor, no clean-up.
            CSafeSaveOptions options;
            options.stepHook = [crashAt](SaveStep s) {
                if (int(s) == crashAt)
                    _exit(0);
            };
            SaveFileSafely(file, std::vector<uint8_t>(fresh.begin(), fresh.end()), options);
            _exit(1);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << crashAt;
        const std::string now = CAppTestEnv::ReadFile(file);
        EXPECT_TRUE(now == old || now == fresh)
            << "step " << crashAt << ": " << now.size() << " bytes";
        if (crashAt >= int(SaveStep::Renamed)) {
            EXPECT_EQ(now, fresh);
        }
        if (std::filesystem::exists(dir / "a.bak")) {
            EXPECT_EQ(CAppTestEnv::ReadFile(dir / "a.bak"), old);
        }
        EXPECT_LE(StrayFiles(dir.path(), {"a.dcd", "a.bak"}), 1) << crashAt;
    }
}

TEST(SafeSave, BackupsRotateAndReadOnlyFilesAreRespected)
{
    CTempDir dir;
    const auto file = dir / "a.dcd";
    const auto bak = dir / "a.bak";
    CSafeSaveOptions options;
    // A new file has nothing to back up.
    ASSERT_TRUE(SaveFileSafely(file, Bytes("1"), options).Ok());
    EXPECT_FALSE(std::filesystem::exists(bak));
    ASSERT_TRUE(SaveFileSafely(file, Bytes("2"), options).Ok());
    EXPECT_EQ(CAppTestEnv::ReadFile(bak), "1");
    ASSERT_TRUE(SaveFileSafely(file, Bytes("3"), options).Ok());
    EXPECT_EQ(CAppTestEnv::ReadFile(bak), "2");
    EXPECT_EQ(CAppTestEnv::ReadFile(file), "3");

    // Backups off: the backup stays as it was.
    options.backup = false;
    ASSERT_TRUE(SaveFileSafely(file, Bytes("4"), options).Ok());
    EXPECT_EQ(CAppTestEnv::ReadFile(bak), "2");

    // A read-only backup is kept and the file is still replaced.
    options.backup = true;
    chmod(bak.c_str(), 0444);
    const CSafeSaveResult kept = SaveFileSafely(file, Bytes("5"), options);
    EXPECT_TRUE(kept.Ok());
    EXPECT_FALSE(kept.backupMade);
    EXPECT_EQ(CAppTestEnv::ReadFile(bak), "2");
    EXPECT_EQ(CAppTestEnv::ReadFile(file), "5");

    // A read-only file is refused by its mode bits, even for root; its
    // permissions survive a save otherwise.
    chmod(file.c_str(), 0444);
    EXPECT_EQ(SaveFileSafely(file, Bytes("6"), options).status, CSafeSaveResult::ReadOnly);
    EXPECT_EQ(CAppTestEnv::ReadFile(file), "5");
    chmod(file.c_str(), 0640);
    ASSERT_TRUE(SaveFileSafely(file, Bytes("7"), options).Ok());
    struct stat st;
    stat(file.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    // A read-only folder is refused before anything is written.
    chmod(dir.path().c_str(), 0555);
    EXPECT_EQ(SaveFileSafely(file, Bytes("8"), options).status, CSafeSaveResult::ReadOnly);
    chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(CAppTestEnv::ReadFile(file), "7");
    // A missing folder cannot be created in.
    EXPECT_EQ(SaveFileSafely(dir / "no/such.dcd", Bytes("x"), options).status,
              CSafeSaveResult::CannotCreate);
}
