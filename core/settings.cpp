#include "core/settings.h"

#include <algorithm>
#include <memory>

#include "core/paths.h"

namespace {
std::unique_ptr<QSettings> kept;
std::string file;

std::string defaultFile() { return xdgFolder("XDG_CONFIG_HOME", ".config") + "/miruhe/settings.ini"; }
} // namespace

void setSettingsFile(const std::string& path)
{
    kept.reset();
    file = path;
}

QSettings& settings()
{
    if (!kept)
        kept = std::make_unique<QSettings>(QString::fromStdString(file.empty() ? defaultFile() : file),
                                           QSettings::IniFormat);
    return *kept;
}

int settingInt(const char* key, int low, int high, int fallback)
{
    bool ok = false;
    const int v = settings().value(key).toInt(&ok);
    return ok ? std::clamp(v, low, high) : fallback;
}

void keepSetting(const char* key, const QVariant& value)
{
    settings().setValue(key, value);
    settings().sync();
}
