#include "tests/support/app.h"

#include <QPixmap>
#include <QWidget>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/clock.h"
#include "core/language.h"
#include "core/paths.h"
#include "core/settings.h"

QApplication& testApp()
{
    static int argc = 1;
    static char name[] = "miruhe-test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        if (!qEnvironmentVariable("QT_QPA_PLATFORM").startsWith("offscreen"))   // a test may give it a screen
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

TempAppDir::TempAppDir()
{
    testApp();
    namespace fs = std::filesystem;
    dir_ = tmp_.path().toStdString();
    // dat/ is copied (tests write the save there); the pictures are linked,
    // so that a test may add its own beside them.
    fs::copy(fs::path(MIRUHE_BUILD_DIR) / "dat", fs::path(dir_) / "dat", fs::copy_options::recursive);
    fs::create_directory(fs::path(dir_) / "cg");
    for (const auto& picture : fs::directory_iterator(fs::path(MIRUHE_BUILD_DIR) / "cg"))
        fs::create_symlink(picture.path(), fs::path(dir_) / "cg" / picture.path().filename());
    fs::create_directory_symlink(fs::path(MIRUHE_BUILD_DIR) / "lang", fs::path(dir_) / "lang");
    setAppDir(dir_);
    setLanguage("ja");
    setSettingsFile(dir_ + "/settings.ini");
    useVirtualClock(1000);
    setPauseScale(0);
    setWindowClosed(false);
}

TempAppDir::~TempAppDir() { setAppDir("."); }

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

void shoot(QWidget* w, const char* name)
{
    const QString folder = qEnvironmentVariable("MIRUHE_SHOTS");
    if (folder.isEmpty())
        return;
    QPixmap picture(w->size() * 2);
    picture.setDevicePixelRatio(2);
    w->render(&picture);
    picture.save(folder + "/" + name + ".png");
}
