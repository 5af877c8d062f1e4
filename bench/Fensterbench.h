#pragma once
// What every benchmark of a real window needs: one application object, made on first use, and
// a main that runs the windows off screen unless a platform is asked for.

#include <benchmark/benchmark.h>

#include <QApplication>

inline QApplication& App() {
  static int argc = 1;
  static char name[] = "quadrix_bench";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}

#define QDX_FENSTERBENCH_MAIN()                                                               \
  int main(int argc, char** argv) {                                                           \
    qputenv("QT_QPA_PLATFORM",                                                                \
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM")); \
    benchmark::Initialize(&argc, argv);                                                       \
    benchmark::RunSpecifiedBenchmarks();                                                      \
    benchmark::Shutdown();                                                                    \
    return 0;                                                                                 \
  }
