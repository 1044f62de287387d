// The plan's costs: a rebuild of a full plan through the portable reader, a clock tick
// that changes nothing and one that switches the connection.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "dialup/aan.h"
#include "platform/list_control.h"
#include "platform/portable/cp1252_codec.h"
#include "platform/portable/fixed_clock.h"
#include "platform/portable/headless_toolkit.h"
#include "platform/portable/ini_profile_reader.h"
#include "platform/portable/memory_registry.h"
#include "schedule/ini_reader.h"
#include "schedule/provider_switch.h"
#include "schedule/schedule.h"

namespace {

using namespace tarvio;

constexpr int kConnections = 50;

std::string ConnectionName(int i) { return "Provider" + std::to_string(100 + i); }

// A plan that names a connection in every minute of both day types.
std::string FullPlan() {
  std::string plan;
  for (const char* section : {"[Werktags]\r\n", "[Wochenende]\r\n"}) {
    plan += section;
    for (int minute = 0; minute < 1440; ++minute) {
      plan += schedule::TimeKey(minute / 60, minute % 60) + "=" + ConnectionName((minute * 7) % kConnections) + "\r\n";
    }
  }
  return plan;
}

// Counts the registry calls that reach it and passes them on.
class CountingRegistry final : public platform::Registry {
 public:
  explicit CountingRegistry(platform::Registry& inner) : inner_(inner) {}
  platform::RegStatus OpenKeyEx(platform::RegKey r, const std::string& s, std::uint32_t o, std::uint32_t a,
                                platform::RegKey* k) override {
    ++calls;
    return inner_.OpenKeyEx(r, s, o, a, k);
  }
  platform::RegStatus QueryInfoKey(platform::RegKey k, platform::RegKeyInfo* i) override {
    ++calls;
    return inner_.QueryInfoKey(k, i);
  }
  platform::RegStatus QueryValueEx(platform::RegKey k, const std::string& n, std::uint32_t* t, std::uint8_t* d,
                                   std::uint32_t* l) override {
    ++calls;
    return inner_.QueryValueEx(k, n, t, d, l);
  }
  platform::RegStatus EnumKeyEx(platform::RegKey k, std::uint32_t i, char* n, std::uint32_t* l) override {
    ++calls;
    return inner_.EnumKeyEx(k, i, n, l);
  }
  platform::RegStatus CreateKey(platform::RegKey r, const std::string& s, platform::RegKey* k) override {
    ++calls;
    return inner_.CreateKey(r, s, k);
  }
  platform::RegStatus SetValueEx(platform::RegKey k, const std::string& n, std::uint32_t t, const std::uint8_t* d,
                                 std::uint32_t l) override {
    ++calls;
    ++writes;
    return inner_.SetValueEx(k, n, t, d, l);
  }
  platform::RegStatus CloseKey(platform::RegKey k) override {
    ++calls;
    return inner_.CloseKey(k);
  }
  long calls = 0;
  long writes = 0;

 private:
  platform::Registry& inner_;
};

struct World {
  World() {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tarvio-schedule-bench";
    std::filesystem::create_directories(folder);
    path = (folder / "Provider.INI").string();
    if (std::FILE* out = std::fopen(path.c_str(), "wb")) {
      const std::string text = FullPlan();
      std::fwrite(text.data(), 1, text.size(), out);
      std::fclose(out);
    }
    for (int i = kConnections - 1; i >= 0; --i) providerList.AddItem(ConnectionName(i));
    providerList.OnClick([this] { schedule::ProviderSelected(aan, providerList, -1); });
    plan.IniFilePath = path;
  }

  std::string path;
  platform::portable::IniProfileReader reader;
  platform::portable::Cp1252Codec codec;
  schedule::IniReader ini{reader, codec};
  platform::portable::HeadlessToolkit toolkit;
  platform::portable::FixedClock clock;
  platform::portable::MemoryRegistry memory;
  CountingRegistry registry{memory};
  dialup::Aan aan{registry, codec};
  platform::ListControl providerList{platform::ListControl::Order::Sorted};
  platform::ListControl workdayLines{platform::ListControl::Order::Sorted};
  platform::ListControl weekendLines{platform::ListControl::Order::Sorted};
  schedule::Schedule plan{ini, toolkit, clock, providerList, workdayLines, weekendLines};
};

void BM_RebuildFullPlan(benchmark::State& state) {
  World world;
  for (auto _ : state) {
    world.plan.RebuildSchedule();
    benchmark::DoNotOptimize(world.plan.ProviderPlan);
  }
  if (world.toolkit.boxes.size() != 0 || world.workdayLines.ListCount() != 1440) state.SkipWithError("plan not read");
}
BENCHMARK(BM_RebuildFullPlan)->Unit(benchmark::kMillisecond);

void BM_TickWithoutChange(benchmark::State& state) {
  World world;
  world.plan.RebuildSchedule();
  world.clock.now = {2024, 3, 5, 2, 8, 0, 0};
  world.plan.Tick(true);  // applies the due connection once
  const long callsBefore = world.registry.calls;
  for (auto _ : state) {
    world.plan.Tick(true);
    benchmark::DoNotOptimize(world.plan.CurrentPlanIndex);
  }
  state.counters["registry_calls"] = static_cast<double>(world.registry.calls - callsBefore);
  if (world.registry.calls != callsBefore) state.SkipWithError("a tick without change reached the registry");
}
BENCHMARK(BM_TickWithoutChange);

void BM_TickThatSwitches(benchmark::State& state) {
  World world;
  world.plan.RebuildSchedule();
  world.clock.now = {2024, 3, 5, 2, 8, 0, 0};
  const long writesBefore = world.registry.writes;
  int minute = 0;
  for (auto _ : state) {
    // Neighbouring minutes name different connections, so every tick switches.
    world.clock.now.minute = minute;
    minute = (minute + 1) % 60;
    world.plan.Tick(true);
  }
  state.counters["writes_per_tick"] = benchmark::Counter(
      static_cast<double>(world.registry.writes - writesBefore) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_TickThatSwitches);

}  // namespace
