#include "platform/DefaultBrowserXdg.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace bitloom;

namespace {

struct ExecCase {
    const char* exec;
    const char* commandLine;
};

class CommandLineFromExecTest : public ::testing::TestWithParam<ExecCase> {};

TEST_P(CommandLineFromExecTest, DropsTheFieldCodes)
{
    EXPECT_EQ(CommandLineFromExec(GetParam().exec), GetParam().commandLine);
}

INSTANTIATE_TEST_SUITE_P(
    ExecLines, CommandLineFromExecTest,
    ::testing::Values(ExecCase{"/usr/bin/web %u", "/usr/bin/web"},
                      ExecCase{"/usr/bin/web --new-window %U", "/usr/bin/web --new-window"},
                      ExecCase{"web %F --private", "web --private"},
                      ExecCase{"env A=1 web %i %c %k", "env A=1 web"},
                      // A field code inside an argument leaves the rest of it.
                      ExecCase{"web --url=%u", "web --url="},
                      ExecCase{R"("/opt/My Web/run" "%u")", R"("/opt/My Web/run")"},
                      ExecCase{R"("/opt/a \"b\"/run" %u)", R"("/opt/a \"b\"/run")"},
                      ExecCase{"web --zoom=100%%", "web --zoom=100%"},
                      // Not a field code: kept as written.
                      ExecCase{"web %z", "web %z"},
                      ExecCase{"  web \t --a   --b  ", "web --a --b"},
                      ExecCase{"%u", ""},
                      ExecCase{"", ""}));

// A desktop laid out in a temporary folder: settings, user and system entries.
class XdgDefaultBrowserTest : public ::testing::Test {
protected:
    XdgDefaultBrowserTest()
    {
        xdg.configHome = dir / "config";
        xdg.configDirs = {dir / "etc"};
        xdg.dataHome = dir / "data";
        xdg.dataDirs = {dir / "share1", dir / "share2"};
        xdg.desktops = {"mate"};
    }

    void Write(const std::filesystem::path& path, const std::string& text)
    {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path) << text;
    }
    void List(const std::filesystem::path& path, const std::string& handlers)
    {
        Write(path, "[Added Associations]\nx-scheme-handler/http=other.desktop;\n\n[Default Applications]\n"
                    "text/html=other.desktop\nx-scheme-handler/http=" +
                        handlers + "\n");
    }
    void Entry(const std::filesystem::path& root, const std::string& id, const std::string& exec)
    {
        Write(root / "applications" / id, "[Desktop Entry]\nType=Application\nName=Web\nExec[de]=wrong\nExec=" + exec +
                                              "\n\n[Desktop Action new]\nExec=wrong --new\n");
    }

    TempDir dir;
    XdgDirs xdg;
};

TEST_F(XdgDefaultBrowserTest, NothingRegisteredGivesNothing)
{
    EXPECT_EQ(XdgDefaultBrowserCommand(xdg), std::nullopt);
    Entry(dir / "share1", "web.desktop", "web %u");
    EXPECT_EQ(XdgDefaultBrowserCommand(xdg), std::nullopt);
}

TEST_F(XdgDefaultBrowserTest, TheUsersChoiceGivesItsEntrysCommand)
{
    Entry(dir / "share2", "web.desktop", "/usr/bin/web\\s--private %u");
    List(dir / "config" / "mimeapps.list", "web.desktop;");
    EXPECT_EQ(XdgDefaultBrowserCommand(xdg), "/usr/bin/web --private");
}

TEST_F(XdgDefaultBrowserTest, ListsAreSearchedInTheirOrderOfPrecedence)
{
    Entry(dir / "share1", "user.desktop", "user-web %u");
    Entry(dir / "share1", "desk.desktop", "desk-web %u");
    Entry(dir / "share1", "sys.desktop", "sys-web %u");
    List(dir / "share1" / "applications" / "mimeapps.list", "sys.desktop");
    EXPECT_EQ(XdgDefaultBrowserCommand(xdg), "sys-web");
    List(dir / "etc" / "mimeapps.list", "desk.desktop");
    EXPECT_EQ(XdgDefaultBrowserCommand(xdg), "desk-web");
    List(dir / "config" / "mimeapps.list", "user.desktop");
    EXPECT_EQ(XdgDefaultBrowserCommand(xdg), "user-web");
    // The current desktop's own list comes before the general one.
    List(dir / "config" / "mate-mimeapps.list", "desk.desktop");
    EXPECT_EQ(XdgDefaultBrowserCommand(xdg), "desk-web");
}

TEST_F(XdgDefaultBrowserTest, AnEntryThatIsNotInstalledHandsOverToTheNext)
{
    Entry(dir / "share2", "second.desktop", "second %u");
    Entry(dir / "share2", "later.desktop", "later %u");
    List(dir / "config" / "mimeapps.list", "gone.desktop; ../share2/applications/second.desktop;second.desktop");
    EXPECT_EQ(XdgDefaultBrowserCommand(xdg), "second");

    List(dir / "config" / "mimeapps.list", "gone.desktop;");
    List(dir / "etc" / "mimeapps.list", "later.desktop;");
    EXPECT_EQ(XdgDefaultBrowserCommand(xdg), "later");
}

TEST_F(XdgDefaultBrowserTest, TheUsersEntryHidesTheSystemsAndAnEntryWithoutExecIsEmpty)
{
    Entry(dir / "share1", "web.desktop", "system-web %u");
    List(dir / "config" / "mimeapps.list", "web.desktop");
    Entry(dir / "data", "web.desktop", R"("/home/me/My Web/run" %u)");
    EXPECT_EQ(XdgDefaultBrowserCommand(xdg), R"("/home/me/My Web/run")");

    Write(dir / "data" / "applications" / "web.desktop", "[Desktop Entry]\nName=Web\n");
    EXPECT_EQ(XdgDefaultBrowserCommand(xdg), "");
}

// Sets environment variables for one test and puts the old values back.
class ScopedEnvironment {
public:
    void Set(const char* name, const char* value)
    {
        const char* old = std::getenv(name);
        saved_.push_back({name, old != nullptr ? std::optional<std::string>(old) : std::nullopt});
        if (value != nullptr)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnvironment()
    {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->second)
                setenv(it->first.c_str(), it->second->c_str(), 1);
            else
                unsetenv(it->first.c_str());
        }
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST(XdgDirsFromEnvironment, FollowsTheVariablesAndTheirDefaults)
{
    ScopedEnvironment env;
    env.Set("HOME", "/home/me");
    env.Set("XDG_CONFIG_HOME", nullptr);
    env.Set("XDG_CONFIG_DIRS", nullptr);
    env.Set("XDG_DATA_HOME", "relative/is/ignored");
    env.Set("XDG_DATA_DIRS", "/a:rel:/b/");
    env.Set("XDG_CURRENT_DESKTOP", "Ubuntu:GNOME");
    const XdgDirs dirs = XdgDirsFromEnvironment();
    EXPECT_EQ(dirs.configHome, "/home/me/.config");
    EXPECT_EQ(dirs.configDirs, std::vector<std::filesystem::path>{"/etc/xdg"});
    EXPECT_EQ(dirs.dataHome, "/home/me/.local/share");
    EXPECT_EQ(dirs.dataDirs, (std::vector<std::filesystem::path>{"/a", "/b/"}));
    EXPECT_EQ(dirs.desktops, (std::vector<std::string>{"ubuntu", "gnome"}));

    env.Set("XDG_DATA_DIRS", nullptr);
    env.Set("XDG_CONFIG_HOME", "/cfg");
    EXPECT_EQ(XdgDirsFromEnvironment().configHome, "/cfg");
    EXPECT_EQ(XdgDirsFromEnvironment().dataDirs,
              (std::vector<std::filesystem::path>{"/usr/local/share", "/usr/share"}));
}

} // namespace
