// Fuzzes the script reader: step XML from the clipboard (appended or
// inserted into existing steps) and whole files through the load path, with
// the text written back and read again. The first byte picks the path and
// the settings that change how text is read and written.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "model/script_file.h"
#include "settings/memory_settings.h"
#include "settings/settings.h"
#include "settings/setting_names.h"

namespace {

std::string TempPath(const char* what) {
  return "/tmp/zelo_fuzz_" + std::to_string(getpid()) + "_" + what + ".zxm";
}

void WriteFile(const std::string& path, std::string_view data) {
  if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(data.data(), 1, data.size(), f);
    std::fclose(f);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  if (size == 0) return 0;
  static zelo::MemorySettings store;
  zelo::UseSettings(&store);
  const uint8_t control = bytes[0];
  const std::string_view text(reinterpret_cast<const char*>(bytes) + 1, size - 1);
  zelo::WriteSettingNumber(setting::kEncodeXml, (control & 4) ? 0u : 1u);
  zelo::WriteSettingNumber(setting::kMemoryAllocationChunk, static_cast<uint32_t>(control >> 3));

  zelo::Workspace ws;
  std::string out;
  switch (control & 3) {
    case 0:
      zelo::ReadStepsXml(ws, text, -1);
      break;
    case 1: {
      // Paste into a script that already has steps, in the middle.
      zelo::ReadStepsXml(ws, "<step><action>Comment</action><text>a</text></step>"
                             "<step><action>Type</action></step>", -1);
      zelo::ReadStepsXml(ws, text, 1);
      break;
    }
    default: {
      const std::string in = TempPath("in");
      WriteFile(in, text);
      zelo::LoadScriptFile(ws, in, 0);
      ws.slots[0].file_name = TempPath("out");
      std::string error;
      zelo::SaveScriptFile(ws, 0, &error);
      std::remove(in.c_str());
      std::remove(TempPath("out").c_str());
      break;
    }
  }
  // Whatever was read must write, and what was written must read.
  zelo::WriteStepsXml(ws, nullptr, (control & 0x40) != 0, (control & 0x80) ? 40 : 0, out);
  zelo::Workspace again;
  zelo::ReadStepsXml(again, out, -1);
  return 0;
}
