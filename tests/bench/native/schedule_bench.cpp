// The plan's costs in the core: a rebuild of a full plan, a clock tick that changes
// nothing and one that switches the connection.
#include <benchmark/benchmark.h>

#include "bench/full_plan.h"
#include "dialup/provider_switch.h"
#include "fakes/fake_profile_reader.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_system.h"
#include "fakes/fake_toolkit.h"
#include "platform/list_control.h"
#include "schedule/schedule.h"

namespace {

using namespace tarvio;

struct World {
  World() {
    profile.Write(bench::FullPlan());
    for (int i = bench::kConnections - 1; i >= 0; --i) providerList.AddItem(bench::ConnectionName(i));
    providerList.OnClick([this] { dialup::ProviderSelected(registry, providerList, true); });
    plan.RebuildSchedule();
  }

  test::FakeProfileReader profile;
  test::FakeAnsiCodePage ansi;
  schedule::IniReader ini{profile, profile, ansi};
  test::FakeToolkit toolkit;
  test::FakeClock clock;
  test::FakeRegistry registry;
  platform::ListControl providerList{platform::ListControl::Order::Sorted};
  platform::ListControl workdayLines{platform::ListControl::Order::Sorted};
  platform::ListControl weekendLines{platform::ListControl::Order::Sorted};
  schedule::Schedule plan{ini, toolkit, clock, providerList, workdayLines, weekendLines, [] { return true; }};
};

void BM_RebuildFullPlan(benchmark::State& state) {
  World world;
  for (auto _ : state) {
    world.plan.RebuildSchedule();
    benchmark::DoNotOptimize(world.plan.ProviderPlan);
  }
  if (world.workdayLines.ListCount() != 1440) state.SkipWithError("plan not read");
}
BENCHMARK(BM_RebuildFullPlan)->Unit(benchmark::kMillisecond);

void BM_TickWithoutChange(benchmark::State& state) {
  World world;
  world.plan.Tick(true);  // applies the due connection once
  const std::size_t writes = world.registry.writes.size();
  for (auto _ : state) {
    world.plan.Tick(true);
    benchmark::DoNotOptimize(world.plan.CurrentPlanIndex);
  }
  if (world.registry.writes.size() != writes) state.SkipWithError("a tick without change wrote");
}
BENCHMARK(BM_TickWithoutChange);

void BM_TickThatSwitches(benchmark::State& state) {
  World world;
  int minute = 0;
  for (auto _ : state) {
    // Neighbouring minutes name different connections, so every tick switches.
    world.clock.now.minute = minute;
    minute = (minute + 1) % 60;
    world.plan.Tick(true);
  }
  state.counters["writes_per_tick"] =
      benchmark::Counter(static_cast<double>(world.registry.writes.size()) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_TickThatSwitches);

}  // namespace
