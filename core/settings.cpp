#include "core/settings.h"

#include <algorithm>
#include <filesystem>
#include <memory>

#include "core/paths.h"
#include "core/text.h"

namespace {
std::unique_ptr<QSettings> kept;
std::string file;

// The keys the game writes; anything else found in the file is left out
// when it is written again.
const char* const known[] = {"game/language", "window/scale", "window/place", "sound/music",
                             "sound/effects", "sound/muted", "sound/soundfont"};

std::string defaultFile() { return xdgFolder("XDG_CONFIG_HOME", ".config") + "/miruhe/settings.ini"; }
} // namespace

void setSettingsFile(const std::string& path)
{
    kept.reset();
    file = path;
}

QSettings& settings()
{
    if (!kept) {
        kept = std::make_unique<QSettings>(QString::fromStdString(file.empty() ? defaultFile() : file),
                                           QSettings::IniFormat);
        for (const QString& key : kept->allKeys())
            if (std::none_of(std::begin(known), std::end(known), [&](const char* k) { return key == k; }))
                kept->remove(key);
    }
    return *kept;
}

int settingInt(const char* key, int low, int high, int fallback)
{
    bool ok = false;
    const int v = settings().value(key).toInt(&ok);
    return ok ? std::clamp(v, low, high) : fallback;
}

std::string settingsProblem()
{
    const std::string path = settings().fileName().toStdString();
    std::error_code ec;
    const bool unusable = (std::filesystem::exists(path, ec) && !std::filesystem::is_regular_file(path, ec))
                          || settings().status() == QSettings::AccessError || !settings().isWritable();
    return unusable ? fill("設定ファイルを読み書きできないので、設定はこの回だけ覚えておきます。\r%1"_sj,
                           {toCp932(path).value_or(path)})
                    : std::string();
}

void keepSetting(const char* key, const QVariant& value)
{
    settings().setValue(key, value);
    settings().sync();
}
