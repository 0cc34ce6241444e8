#include "core/paths.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

#include "core/language.h"

namespace fs = std::filesystem;

namespace {
std::string dir = ".";
std::string user = ".";
bool isInstalled = false;
} // namespace

std::string xdgFolder(const char* variable, const char* underHome)
{
    if (const char* xdg = std::getenv(variable); xdg && xdg[0] == '/')
        return xdg;
    const char* home = std::getenv("HOME");
    if (!home || !home[0])
        if (const passwd* pw = ::getpwuid(::getuid()))
            home = pw->pw_dir;
    return (fs::path(home ? home : "/") / underHome).string();
}

void setAppDir(const std::string& d)
{
    dir = user = d;
    isInstalled = false;
}

void setInstalled(const std::string& shareDir, const std::string& userDir)
{
    dir = shareDir;
    user = userDir;
    isInstalled = true;
}

const std::string& appDir() { return dir; }
const std::string& userDir() { return user; }
bool installed() { return isInstalled; }
std::string datPath(const std::string& name) { return dir + "/dat/" + name; }
std::string langPath(const std::string& name) { return dir + "/lang/" + name; }

std::string cgPath(const std::string& name)
{
    std::error_code ec;
    if (language() != "ja") {
        const std::string own = dir + "/cg/" + language() + "/" + name;
        if (fs::exists(own, ec))
            return own;
    }
    return dir + "/cg/" + name;
}
std::string saveFilePath() { return isInstalled ? user + "/my.dat" : datPath("my.dat"); }

std::string mixerSettingsPath()
{
    std::error_code ec;
    if (isInstalled && fs::exists(user + "/MIXER.INI", ec))
        return user + "/MIXER.INI";
    return dir + "/MIXER.INI";
}
