#pragma once
// The plan both benchmarks rebuild: a connection named in every minute of both day
// types, 50 connections in all.
#include <string>

#include "schedule/ini_reader.h"

namespace tarvio::bench {

inline constexpr int kConnections = 50;

inline std::string ConnectionName(int i) { return "Provider" + std::to_string(100 + i); }

inline std::string FullPlan() {
  std::string plan;
  for (const char* section : {"[Werktags]\r\n", "[Wochenende]\r\n"}) {
    plan += section;
    for (int minute = 0; minute < 1440; ++minute) {
      plan += schedule::TimeKey(minute / 60, minute % 60) + "=" + ConnectionName((minute * 7) % kConnections) + "\r\n";
    }
  }
  return plan;
}

}  // namespace tarvio::bench
