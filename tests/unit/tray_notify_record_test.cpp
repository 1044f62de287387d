#include "tray/notify_record.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/portable/cp1252_codec.h"
#include "platform/portable/recording_notify_icon.h"
#include "platform/portable/recording_window_hook.h"
#include "tray/ni_private.h"
#include "tray/ni_public.h"

namespace tarvio::tray {
namespace {

std::string Tip(const platform::NotifyIconRecord& record) {
  return std::string(record.szTip.begin(), record.szTip.end());
}

TEST(NotifyRecord, TipIsCutTo63CharactersThenNulThenBlanks) {
  struct Row {
    std::size_t length;
    std::size_t kept;
  };
  for (const Row row : {Row{70, 63}, Row{63, 63}, Row{10, 10}, Row{0, 0}}) {
    const std::string tip(row.length, 'x');
    const std::string expected = std::string(row.kept, 'x') + '\0' + std::string(63 - row.kept, ' ');
    EXPECT_EQ(Tip(NotifyRecord(7, 0, 9, tip)), expected) << "tip of " << row.length;
  }
}

TEST(NotifyRecord, IsTheFirstFormCarryingWindowIdentifierIconFlagsAndCallbackMessage) {
  const platform::NotifyIconRecord record = NotifyRecord(0x4711, 3, 0x99, "Tarvio");
  EXPECT_EQ(record.cbSize, sizeof(platform::NotifyIconRecord));
  EXPECT_EQ(record.hWnd, 0x4711u);
  EXPECT_EQ(record.uID, 3u);
  EXPECT_EQ(record.uFlags, 7u);
  EXPECT_EQ(record.uCallbackMessage, 1024u);
  EXPECT_EQ(record.hIcon, 0x99u);
  // The record's first form: 88 bytes with four-byte pointers, 104 with eight.
  EXPECT_EQ(sizeof(platform::NotifyIconRecord), sizeof(void*) == 4 ? 88u : 104u);
}

TEST(NI_Private, TipWithUmlautBecomesOneAnsiByte) {
  platform::portable::RecordingNotifyIcon icon;
  platform::portable::RecordingWindowHook hook;
  const platform::portable::Cp1252Codec codec;
  NI_Public reaction([] {});
  NI_Private tray(icon, hook, codec, reaction);
  tray.AddTrayIcon(0, 5, "Tarvio für Sie");
  ASSERT_EQ(icon.requests.size(), 1u);
  EXPECT_EQ(Tip(icon.requests[0].record).substr(0, 15), std::string("Tarvio f\xFCr Sie") + '\0');
  EXPECT_EQ(Tip(icon.requests[0].record).substr(15), std::string(49, ' '));
}

}  // namespace
}  // namespace tarvio::tray
