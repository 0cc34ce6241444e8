// What every test stands on: a Qt application (offscreen), virtual time
// that never sleeps, and a private copy of the program's folder.
#pragma once
#include <QApplication>
#include <QTemporaryDir>
#include <string>

// The one QApplication of a test process (created on first use).
QApplication& testApp();

// A temporary copy of the built dat/ (the pictures of cg/ are linked), set as the program's folder
// for as long as it lives. Virtual clock, pauses that do not sleep.
class TempAppDir {
public:
    TempAppDir();
    ~TempAppDir();
    const std::string& path() const { return dir_; }
    std::string dat(const std::string& name) const { return dir_ + "/dat/" + name; }
    std::string cg(const std::string& name) const { return dir_ + "/cg/" + name; }

private:
    QTemporaryDir tmp_;
    std::string dir_;
};

// Reads a whole file as bytes ("" when missing).
std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);

// With MIRUHE_SHOTS=<folder>, draws the widget at twice its size into
// <folder>/<name>.png, for the record.
void shoot(QWidget* w, const char* name);
