// The plan rebuild on the real profile reader, under Wine or Windows: the rebuild next to
// a bare loop of the same 2880 look-ups, and the longest stretch without a yield.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/full_plan.h"
#include "fakes/fake_system.h"
#include "platform/list_control.h"
#include "platform/toolkit.h"
#include "platform/win32/win32_ansi_code_page.h"
#include "platform/win32/win32_file_reader.h"
#include "platform/win32/win32_profile_reader.h"
#include "schedule/ini_reader.h"
#include "schedule/schedule.h"

namespace {

using namespace tarvio;
using Clock = std::chrono::steady_clock;

constexpr int kRepetitions = 7;

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Notes the time between one yield and the next; answers message boxes without showing them.
class StopwatchToolkit final : public platform::Toolkit {
 public:
  platform::Answer MsgBox(platform::WindowHandle, std::string_view, platform::MessageStyle) override {
    ++boxes;
    return platform::Answer::Ok;
  }
  void DoEvents() override { Lap(); }
  void Start() { last_ = Clock::now(); }
  void Lap() {
    const Clock::time_point now = Clock::now();
    longest = std::max(longest, now - last_);
    last_ = now;
  }
  Clock::duration longest{};
  int boxes = 0;

 private:
  Clock::time_point last_{};
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

// "tarvio_wine_bench.exe utf16": the plan saved as Notepad's "Unicode" (UTF-16 LE), which
// the program reads with its own reader.
int main(int argc, char** argv) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tarvio-wine-bench";
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "Provider.INI").string();
  std::string file = bench::FullPlan();
  if (argc > 1 && std::string(argv[1]) == "utf16") {
    file = "\xFF\xFE";
    for (const char c : bench::FullPlan()) file += {c, '\0'};  // the plan is ASCII
  }
  std::ofstream(path, std::ios::binary | std::ios::trunc) << file;

  platform::win32::Win32ProfileReader reader;
  platform::win32::Win32FileReader files;
  platform::win32::Win32AnsiCodePage ansi;
  schedule::IniReader ini(reader, files, ansi);
  StopwatchToolkit toolkit;
  test::FakeClock clock;
  platform::ListControl providerList(platform::ListControl::Order::Sorted);
  platform::ListControl workdayLines(platform::ListControl::Order::Sorted);
  platform::ListControl weekendLines(platform::ListControl::Order::Sorted);
  for (int i = 0; i < bench::kConnections; ++i) providerList.AddItem(bench::ConnectionName(i));
  schedule::Schedule plan(ini, toolkit, clock, providerList, workdayLines, weekendLines, [] { return true; });
  plan.IniFilePath = path;

  std::vector<double> rebuild, bare;
  const std::string names[2] = {"Werktags", "Wochenende"};
  std::size_t found = 0;
  plan.RebuildSchedule();  // warm-up: the file and the reader's cache
  toolkit.longest = {};
  for (int rep = 0; rep < kRepetitions; ++rep) {
    const Clock::time_point start = Clock::now();
    toolkit.Start();
    plan.RebuildSchedule();
    toolkit.Lap();  // the stretch after the last yield counts too
    rebuild.push_back(Milliseconds(Clock::now() - start));

    const Clock::time_point bareStart = Clock::now();
    for (int hour = 0; hour < 24; ++hour) {
      for (int minute = 0; minute < 60; ++minute) {
        const std::string key = schedule::TimeKey(hour, minute);
        for (const std::string& section : names) {
          found += reader.GetString(section, key, "", path).empty() ? 0u : 1u;
        }
      }
    }
    bare.push_back(Milliseconds(Clock::now() - bareStart));
  }

  const double longestMs = Milliseconds(toolkit.longest);
  const double fastestRebuild = *std::min_element(rebuild.begin(), rebuild.end());
  const double fastestBare = *std::min_element(bare.begin(), bare.end());
  std::printf("%-34s %10s %10s\n", "measure (7 runs)", "median", "fastest");
  std::printf("%-34s %10.2f %10.2f ms\n", "rebuild, 2880 look-ups", Median(rebuild), fastestRebuild);
  std::printf("%-34s %10.2f %10.2f ms\n", "bare loop, 2880 look-ups", Median(bare), fastestBare);
  std::printf("%-34s %10.3f %10.3f\n", "ratio rebuild / bare", Median(rebuild) / Median(bare),
              fastestRebuild / fastestBare);
  std::printf("%-34s %10.2f ms\n", "longest stretch without yield, max", longestMs);
  std::printf("%-34s %10d\n", "message boxes", toolkit.boxes);
  std::printf("%-34s %10d / %lu\n", "display lines / values found", workdayLines.ListCount() + weekendLines.ListCount(),
              static_cast<unsigned long>(found / kRepetitions));
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  return toolkit.boxes == 0 && workdayLines.ListCount() == 1440 ? 0 : 1;
}
