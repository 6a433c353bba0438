// The cost of one drawn tick against the floor of one frame copy, measured in
// the same run, and the allocations a tick makes (there should be none).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWindow>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#include "animation/Clock.h"
#include "animation/Patterns.h"
#include "shell/uKalvo.h"
#include "tests/fixtures/KalvoProbe.h"

namespace {

std::atomic<long> allocations{0};

struct TLoadedScene {
  TSpriteSources sources;
  TSpriteCatalogue catalogue;
  TPicture globe = LoadPicture("imgBack");
  QImage offscreen{globe.Bitmap.size(), QImage::Format_RGB32};

  TLoadedScene() {
    sources.LoadAll();
    BuildSpriteCatalogue(catalogue, sources, globe);
  }
};

TLoadedScene& Scene() {
  static TLoadedScene scene;
  return scene;
}

int VisibleAt(const TPatternEntry& pattern, int step) {
  int visible = 0;
  for (int t = 0; t < pattern.Count; ++t) visible += pattern.Table[t][step].X != 0;
  return visible;
}

// The step of the pattern that shows the most sprites.
int BusiestStep(const TPatternEntry& pattern) {
  int best = 1;
  for (int s = 1; s <= kTrackSteps; ++s) {
    if (VisibleAt(pattern, s) > VisibleAt(pattern, best)) best = s;
  }
  return best;
}

void BM_FrameCopy(benchmark::State& state) {
  const QImage& globe = Scene().globe.Bitmap;
  QImage& target = Scene().offscreen;
  for (auto _ : state) {
    std::memcpy(target.bits(), globe.constBits(), static_cast<std::size_t>(globe.sizeInBytes()));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FrameCopy);

void BM_BusiestStep(benchmark::State& state) {
  const TPatternEntry& pattern = PatternRegistry()[static_cast<std::size_t>(state.range(0))];
  TLoadedScene& scene = Scene();
  const TScene show{pattern.Table, pattern.Count, scene.catalogue, scene.globe.Bitmap};
  const int step = BusiestStep(pattern);
  TClockState clock;
  long allocated = 0;
  for (auto _ : state) {
    const long before = allocations.load(std::memory_order_relaxed);
    ComposeStep(clock, step, show, scene.offscreen);
    allocated += allocations.load(std::memory_order_relaxed) - before;
    benchmark::ClobberMemory();
  }
  state.counters["sprites"] = VisibleAt(pattern, step);
  state.counters["allocs/tick"] =
      static_cast<double>(allocated) / static_cast<double>(state.iterations());
  state.SetLabel(pattern.Key);
}
BENCHMARK(BM_BusiestStep)->DenseRange(0, kPatternCount - 1);

// All 150 steps of a cycle; the time per iteration divided by 150 is the
// average drawn tick of the pattern.
void BM_WholeCycle(benchmark::State& state) {
  const TPatternEntry& pattern = PatternRegistry()[static_cast<std::size_t>(state.range(0))];
  TLoadedScene& scene = Scene();
  const TScene show{pattern.Table, pattern.Count, scene.catalogue, scene.globe.Bitmap};
  TClockState clock;
  long allocated = 0;
  for (auto _ : state) {
    const long before = allocations.load(std::memory_order_relaxed);
    for (int step = 1; step <= kTrackSteps; ++step) ComposeStep(clock, step, show, scene.offscreen);
    allocated += allocations.load(std::memory_order_relaxed) - before;
    benchmark::ClobberMemory();
  }
  state.counters["allocs/tick"] =
      static_cast<double>(allocated) / static_cast<double>(state.iterations() * kTrackSteps);
  state.counters["avg tick"] =
      benchmark::Counter(static_cast<double>(state.iterations() * kTrackSteps),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.SetLabel(pattern.Key);
}
BENCHMARK(BM_WholeCycle)->DenseRange(0, kPatternCount - 1);

// A whole drawn tick on the real main window, the copy onto the window
// included: the busiest step of Snow fairy, drawn over and over.
void BM_DrawnTickOnWindow(benchmark::State& state) {
  TfmKalvo window;
  window.show();
  // Only an exposed window is painted: let the platform expose it first.
  while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
  }
  window.miHatuyukiClick();
  const int step = BusiestStep(PatternEntry(TPattern::Hatuyuki));
  TClockState& clock = TKalvoProbe(window).Clock();
  long allocated = 0;
  for (auto _ : state) {
    clock.Step = step;
    const long before = allocations.load(std::memory_order_relaxed);
    window.tmrPlayTimer();
    allocated += allocations.load(std::memory_order_relaxed) - before;
  }
  state.counters["allocs/tick"] =
      static_cast<double>(allocated) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_DrawnTickOnWindow);

}  // namespace

// Counts every allocation of the process, so a benchmark can tell whether
// its loop allocates.
void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("SDL_AUDIODRIVER", "dummy");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  Scene();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
