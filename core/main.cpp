// ミルヘ: a soul walks the roads of the world of the dead.
#include <QApplication>

#include "core/paths.h"
#include "core/signals.h"
#include "ui/form1.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setApplicationName("Ｋ．Ｔ．");
    app.setStyle("Windows");   // the classic bevelled buttons the game was drawn with
    setAppDir(QCoreApplication::applicationDirPath().toStdString());
    endOnSignals();
    auto* form1 = new TForm1;
    auto* form2 = new TForm2;
    form1->show();
    const int result = app.exec();
    delete form2;
    delete form1;
    return result;
}
