#include <QApplication>
#include <QStringList>

#include "app/first_paint_exit.h"
#include "ui/form1.h"

// torvale [--quit-after-first-paint]
// The option is for start-up measurements (bench/startup.sh): the program quits as soon as its
// window has been painted once.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ui::Form1 form;
  if (QCoreApplication::arguments().contains(QStringLiteral("--quit-after-first-paint")))
    app::exitAfterFirstPaint(form);
  form.show();
  return QApplication::exec();
}
