#include "core/paths.h"

namespace {
std::string dir = ".";
}

void setAppDir(const std::string& d) { dir = d; }
const std::string& appDir() { return dir; }
std::string datPath(const std::string& name) { return dir + "/dat/" + name; }
std::string cgPath(const std::string& name) { return dir + "/cg/" + name; }
