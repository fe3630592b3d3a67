// The main() of the installer suites: a private home, data, config and temporary folder for
// the whole run (set before QApplication reads them), offscreen windows unless a display is
// asked for, then GoogleTest.
#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

#ifndef TEST_HOME_NAME
#define TEST_HOME_NAME "home"
#endif
#ifndef TEST_TEMP_NAME
#define TEST_TEMP_NAME "tmp"
#endif

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/quillby-installer-XXXXXX";
    const std::string root = mkdtemp(pattern.data()) ? pattern : std::string();
    if (root.empty())
        return 2;
    const std::string home = root + "/" TEST_HOME_NAME;
    const std::string temp = root + "/" TEST_TEMP_NAME;
    for (const std::string& folder : {home, temp, home + "/.config", home + "/.cache"})
        std::filesystem::create_directories(folder);
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_DATA_HOME", (home + "/.local/share").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
    setenv("XDG_CACHE_HOME", (home + "/.cache").c_str(), 1);
    setenv("TMPDIR", temp.c_str(), 1);
    const std::string runtime = temp + "/runtime";
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    setenv("QUILLBY_TEST_ROOT", root.c_str(), 1);

    int result = 0;
    {
        QApplication app(argc, argv);
        app.setQuitOnLastWindowClosed(false);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
    return result;
}
