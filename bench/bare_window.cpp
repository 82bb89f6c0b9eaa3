// The yardstick for Brinox's start: the least a Qt program with a main
// window and a menu bar does before its first paint, ended the same way.

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "app/first_paint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Kwartierstaat");
    for (const char* title : {"&Bestand", "&Personen", "&Familie", "&Beeld", "&Help"}) {
        QMenu* menu = window.menuBar()->addMenu(title);
        for (const char* entry : {"Eerste", "Tweede", "Derde"}) menu->addAction(entry);
    }
    window.resize(800, 480);
    brinox::FirstPaintWatch firstPaint;
    window.installEventFilter(&firstPaint);
    window.show();
    return firstPaint.waitForIt() ? 0 : 1;
}
