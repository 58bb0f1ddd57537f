#include "app/UApplication.h"

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
